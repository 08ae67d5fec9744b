// Document totals, order delivery, purchase-order receipt, invoice posting
// and the bulk price recalculation.
#include "rules_fixture.h"

#include "data/ordertotals.h"

#include <atomic>
#include <functional>
#include <thread>

namespace {

class TotalsTest : public RulesTest {
protected:
    // A document of table `table` with id 1, current in ds, and its lines
    // selected into ItemsQuery by key.
    void openDocument(Dataset& ds, const QString& table, const QString& key, const QString& columns = "id",
                      const QString& values = "1")
    {
        sql(QStringLiteral("INSERT INTO `%1` (%2) VALUES (%3)").arg(table, columns, values));
        ASSERT_TRUE(ds.open());
        ASSERT_TRUE(ds.locate("id", 1));
        Items_WHERE = key + "=1";
        dm.ItemsSQLSelect();
        ASSERT_TRUE(dm.ItemsQuery.isOpen());
    }
    void addLine(const QString& key, const QString& code, double count, double price, double cost, int vat = 0)
    {
        sql(QStringLiteral("INSERT INTO items (%1, productcode, itemcount, price, cost, VATcode) VALUES (1, '%2', %3, "
                           "%4, %5, %6)")
                .arg(key, code)
                .arg(count)
                .arg(price)
                .arg(cost)
                .arg(vat));
    }
    void reselectLines() { dm.ItemsSQLSelect(); }
    QString product(const QString& code)
    {
        return scalar("SELECT CONCAT(instock,'/',inorder) FROM product WHERE productcode='" + code + "'");
    }
};

} // namespace

// ---- totals -------------------------------------------------------------------

TEST_F(TotalsTest, TotalsOfEachDocumentKindWithMixedVat)
{
    struct Case {
        Dataset TDatabaseModule::*ds;
        const char *table, *key;
        bool (*update)(TDatabaseModule&);
        double vat;  // sales documents on the sums, purchase orders on the cost sums
    } cases[] = {
        {&TDatabaseModule::OrderTable, "orders", "orderid", OrderUpdate, 49},
        {&TDatabaseModule::OfferTable, "offer", "offerid", OfferUpdate, 49},
        {&TDatabaseModule::InvoiceTable, "invoice", "invoiceid", InvoiceUpdate, 49},
        {&TDatabaseModule::POTable, "po", "poid", POUpdate, 60 * 0.25 + 120 * 0.12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.table);
        Dataset& doc = dm.*c.ds;
        openDocument(doc, c.table, c.key, "id, `sum`, discount", "1, 11, 2");
        addLine(c.key, "A", 1, 100, 60, 0);   // sum 100, cost 60, 25 %
        addLine(c.key, "B", 2, 100, 60, 2);   // sum 200, cost 120, 12 %
        reselectLines();
        ASSERT_TRUE(c.update(dm));
        EXPECT_EQ(scalar(QStringLiteral("SELECT CONCAT_WS('|', ordertotal, ordercost, profit, `sum`, discount) FROM "
                                        "`%1`")
                             .arg(c.table)),
                  "300|180|120|11|2");
        EXPECT_NEAR(number(QStringLiteral("SELECT orderVAT FROM `%1`").arg(c.table)), c.vat, 1e-9);
        EXPECT_DOUBLE_EQ(doc.asFloat("ordertotal"), 300);
        EXPECT_EQ(doc.state(), Dataset::Browse);
        sql("DELETE FROM items");
    }
}

// The totals the document shows after a recompute are bit for bit those
// the server stored, also for sums no binary fraction holds exactly.
TEST_F(TotalsTest, TheDocumentHoldsExactlyTheStoredTotals)
{
    openDocument(dm.OrderTable, "orders", "orderid");
    addLine("orderid", "A", 3, 0.1, 0.07, 2);
    addLine("orderid", "B", 7, 1.13, 0.3, 1);
    sql("UPDATE items SET discount=7 WHERE productcode='A'");
    addLine("orderid", "C", 0.333, 19.99, 3.03, 0);
    reselectLines();
    for (int round = 0; round < 2; ++round) {  // with stale line sums, then with every line in order
        SCOPED_TRACE(round);
        ASSERT_TRUE(OrderUpdate(dm));
        for (const char* col : {"ordertotal", "ordercost", "profit", "orderVAT"}) {
            SCOPED_TRACE(col);
            EXPECT_EQ(dm.OrderTable.asFloat(col), number(QStringLiteral("SELECT %1 FROM orders").arg(col)));
        }
        EXPECT_EQ(scalar("SELECT COUNT(*) FROM items WHERE `sum`<>itemcount*(price-price/100*discount)"), "0");
    }
    EXPECT_EQ(dm.OrderTable.state(), Dataset::Browse);
}

TEST_F(TotalsTest, FixedPriceTakesVatFromTheDocument)
{
    openDocument(dm.OrderTable, "orders", "orderid", "id, pricelock, lockedprice, vatcode", "1, 1, 250, 0");
    addLine("orderid", "A", 1, 100, 60, 0);
    addLine("orderid", "B", 2, 100, 60, 2);
    reselectLines();
    ASSERT_TRUE(OrderUpdate(dm));
    EXPECT_EQ(scalar("SELECT CONCAT_WS('|', ordertotal, ordercost, profit, orderVAT) FROM orders"), "300|180|70|62.5");
}

TEST_F(TotalsTest, LinesGetSumsAndReferencesAndOnlyChangedLinesAreWritten)
{
    openDocument(dm.OrderTable, "orders", "orderid", "id, projectid, systemid, assetid, jobid, companyid",
                 "1, 5, 6, 7, 8, 9");
    addLine("orderid", "A", 3, 100, 60);
    sql("UPDATE items SET discount=10");   // stored sum still 0
    addLine("orderid", "B", 1, 50, 20);
    reselectLines();
    ASSERT_TRUE(OrderUpdate(dm));
    EXPECT_EQ(scalar("SELECT GROUP_CONCAT(CONCAT_WS('|', `sum`, sumcost, projectid, subprojectid, assetid, jobid, "
                     "customerid) ORDER BY id) FROM items"),
              "270|180|5|6|7|8|9,50|20|5|6|7|8|9");
    EXPECT_DOUBLE_EQ(number("SELECT ordertotal FROM orders"), 320);
    // The item query shows what the server holds.
    ASSERT_TRUE(dm.ItemsQuery.locate("productcode", "A"));
    EXPECT_DOUBLE_EQ(dm.ItemsQuery.asFloat("sum"), 270);
    EXPECT_EQ(dm.ItemsQuery.asInt("customerid"), 9);

    // Lines already right are left alone; a line that is not is written.
    sql("UPDATE items SET updated='2001-01-01 00:00:00'");
    sql("UPDATE items SET itemcount=2, updated='2001-01-01 00:00:00' WHERE productcode='B'");
    ASSERT_TRUE(OrderUpdate(dm));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM items WHERE updated='2001-01-01 00:00:00'"), "1");
    EXPECT_EQ(scalar("SELECT productcode FROM items WHERE updated<>'2001-01-01 00:00:00'"), "B");
    EXPECT_DOUBLE_EQ(number("SELECT ordertotal FROM orders"), 370);
}

// A line typed into the open document carries the document's references
// from the start, so its recompute has nothing left to write on it.
TEST_F(TotalsTest, NewLineOfTheOpenDocumentCarriesItsReferences)
{
    openDocument(dm.OrderTable, "orders", "orderid", "id, projectid, systemid, assetid, jobid, companyid",
                 "1, 5, 6, 7, 8, 9");
    CurrentOrderID = 1;
    ASSERT_TRUE(dm.ItemsQuery.insert());
    dm.ItemsQuery.setValue("productcode", "A");
    dm.ItemsQuery.setValue("itemcount", 2);
    dm.ItemsQuery.setValue("price", 10.0);
    ASSERT_TRUE(dm.ItemsQuery.post());
    EXPECT_EQ(scalar("SELECT CONCAT_WS('|', orderid, `sum`, projectid, subprojectid, assetid, jobid, customerid) "
                     "FROM items"),
              "1|20|5|6|7|8|9");
    EXPECT_GT(dm.ItemsQuery.currentId(), 0);  // the row as the server made it
    sql("UPDATE items SET updated='2001-01-01 00:00:00'");
    ASSERT_TRUE(OrderUpdate(dm));
    EXPECT_EQ(scalar("SELECT updated FROM items"), "2001-01-01 00:00:00");
    EXPECT_DOUBLE_EQ(dm.OrderTable.asFloat("ordertotal"), 20);
    CurrentOrderID = 0;
}

TEST_F(TotalsTest, DocumentWithoutLinesKeepsItsTotals)
{
    openDocument(dm.InvoiceTable, "invoice", "invoiceid", "id, ordertotal, orderVAT", "1, 123, 30.75");
    ASSERT_TRUE(InvoiceUpdate(dm));
    EXPECT_EQ(scalar("SELECT CONCAT_WS('|', ordertotal, orderVAT) FROM invoice"), "123|30.75");
}

TEST_F(TotalsTest, UnknownVatCodeStopsTheTotalsUntouched)
{
    openDocument(dm.OrderTable, "orders", "orderid", "id, ordertotal, projectid", "1, 5, 4");
    addLine("orderid", "A", 1, 100, 60, 0);
    addLine("orderid", "B", 1, 100, 60, 7);
    reselectLines();
    EXPECT_FALSE(OrderUpdate(dm));
    EXPECT_TRUE(dialogs.lastMessage().contains("MVA-kode 7"));
    EXPECT_EQ(scalar("SELECT ordertotal FROM orders"), "5");
    EXPECT_EQ(scalar("SELECT SUM(projectid) FROM items"), "0");
}

// ---- delivery ------------------------------------------------------------------

// Stock moves by product code over the whole product table (these products
// are no favourites, so the product dataset does not hold them), and
// repeating or stepping a delivery takes each quantity out once.
TEST_F(TotalsTest, DeliveryTakesEachQuantityOutOfStockOnce)
{
    struct Scenario {
        const char* name;
        std::vector<bool> runs;  // deliver-all flag of each run
        QString stockA, stockB, lineA;
    } scenarios[] = {
        {"whole", {true}, "90/0", "45/0", "10/0"},
        {"partial", {false}, "94/0", "45/0", "6/4"},
        {"partial then whole", {false, true}, "90/0", "45/0", "10/0"},
        {"repeated", {false, false, true, true, false}, "90/0", "45/0", "10/0"},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        sql("DELETE FROM orders");
        sql("DELETE FROM items");
        sql("DELETE FROM product");
        sql("INSERT INTO product (productcode, instock) VALUES ('A', 100), ('B', 50)");
        ASSERT_TRUE(dm.ProductTable.open());
        openDocument(dm.OrderTable, "orders", "orderid");
        sql("INSERT INTO items (orderid, productcode, itemcount, itemremain) VALUES (1, 'A', 10, 4), (1, 'B', 3, 0), "
            "(1, 'B', 2, 0), (1, 'NONE', 7, 0)");
        reselectLines();
        for (bool all : s.runs) ASSERT_TRUE(OrderDeliver(dm, all));
        EXPECT_EQ(product("A"), s.stockA);
        EXPECT_EQ(product("B"), s.stockB);
        EXPECT_EQ(scalar("SELECT CONCAT(itemdelivered,'/',itemremain) FROM items WHERE productcode='A'"), s.lineA);
        EXPECT_EQ(scalar("SELECT deliverydate=CURDATE() FROM orders"), "1");
    }
}

TEST_F(TotalsTest, ChangedCountDeliversOnlyTheDifference)
{
    sql("INSERT INTO product (productcode, instock) VALUES ('A', 100), ('C', 20)");
    openDocument(dm.OrderTable, "orders", "orderid");
    addLine("orderid", "A", 10, 0, 0);
    reselectLines();
    ASSERT_TRUE(OrderDeliver(dm, true));
    EXPECT_EQ(product("A"), "90/0");
    // Two more ordered on the line: the next full delivery takes out two.
    ASSERT_TRUE(dm.ItemsQuery.locate("productcode", "A"));
    dm.ItemsQuery.setValue("itemcount", 12.0);
    ASSERT_TRUE(dm.ItemsQuery.post());
    ASSERT_TRUE(OrderDeliver(dm, false));
    EXPECT_EQ(product("A"), "90/0");  // remainder 2 is not delivered yet
    ASSERT_TRUE(OrderDeliver(dm, true));
    EXPECT_EQ(product("A"), "88/0");
    // The line now names another product: A gets its twelve back, C gives them.
    ASSERT_TRUE(dm.ItemsQuery.locate("productcode", "A"));
    dm.ItemsQuery.setValue("productcode", "C");
    ASSERT_TRUE(dm.ItemsQuery.post());
    ASSERT_TRUE(OrderDeliver(dm, true));
    EXPECT_EQ(product("A"), "100/0");
    EXPECT_EQ(product("C"), "8/0");
}

// ---- purchase-order status ----------------------------------------------------------

TEST_F(TotalsTest, PurchaseOrderStatusRoundTrips)
{
    struct Step {
        const char* status;
        double delivered;  // set on the line before the step; < 0 leaves it
    };
    struct Scenario {
        const char* name;
        std::vector<Step> steps;
        QString product;  // instock/inorder afterwards
        QString line;     // itemdelivered/itemremain afterwards
    } scenarios[] = {
        {"ordered", {{"Bestilt", -1}}, "5/10", "0/10"},
        {"ordered twice", {{"Bestilt", -1}, {"Bestilt", -1}}, "5/10", "0/10"},
        {"ordered, received", {{"Bestilt", -1}, {"Alt mottatt", -1}}, "15/0", "10/0"},
        {"received twice", {{"Bestilt", -1}, {"Alt mottatt", -1}, {"Alt mottatt", -1}}, "15/0", "10/0"},
        {"partly", {{"Bestilt", -1}, {"Delvis mottatt", 4}}, "9/6", "4/6"},
        {"partly twice", {{"Bestilt", -1}, {"Delvis mottatt", 4}, {"Delvis mottatt", -1}}, "9/6", "4/6"},
        {"partly, more", {{"Bestilt", -1}, {"Delvis mottatt", 4}, {"Delvis mottatt", 7}}, "12/3", "7/3"},
        {"partly, then all", {{"Bestilt", -1}, {"Delvis mottatt", 4}, {"Alt mottatt", -1}}, "15/0", "10/0"},
        {"confirmed", {{"Bestilt", -1}, {"Ordrebekreftet", -1}}, "5/10", "0/10"},
        {"received unordered", {{"Alt mottatt", -1}}, "15/0", "10/0"},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        sql("DELETE FROM po");
        sql("DELETE FROM items");
        sql("DELETE FROM product");
        sql("INSERT INTO product (productcode, instock, user_favorite) VALUES ('A', 5, 1)");
        ASSERT_TRUE(dm.ProductTable.open());
        openDocument(dm.POTable, "po", "poid");
        addLine("poid", "A", 10, 0, 40);
        sql("UPDATE items SET itemremain=itemcount");
        reselectLines();
        for (const Step& st : s.steps) {
            if (st.delivered >= 0) {
                dm.ItemsQuery.first();
                dm.ItemsQuery.setValue("itemdelivered", st.delivered);
                ASSERT_TRUE(dm.ItemsQuery.post());
            }
            ASSERT_TRUE(POUpdateStatus(dm, st.status));
            EXPECT_EQ(scalar("SELECT status FROM po"), st.status);
        }
        EXPECT_EQ(product("A"), s.product);
        EXPECT_EQ(scalar("SELECT CONCAT(itemdelivered,'/',itemremain) FROM items"), s.line);
        // The product dataset shows the new figures.
        ASSERT_TRUE(dm.ProductTable.locate("productcode", "A"));
        EXPECT_EQ(dm.ProductTable.asString("instock") + "/" + dm.ProductTable.asString("inorder"), s.product);
    }
}

// ---- invoice posting ------------------------------------------------------------

class PostingTest : public TotalsTest {
protected:
    void SetUp() override
    {
        TotalsTest::SetUp();
        SetRegInt("PosteringKontoFaktura", 3000);
        SetRegInt("PosteringKontoFordring", 1500);
        sql("INSERT INTO invoice (id, ordernumber, status, companyid, ordertotal, orderVAT, vatcode, subject, "
            "projectid, systemid, assetid) VALUES (1, '1001', 'Ikke startet', 4, 1000, 250, 0, 'Mars', 5, 6, 7)");
        ASSERT_TRUE(dm.InvoiceTable.open());
        ASSERT_TRUE(dm.InvoiceTable.locate("id", 1));
    }
};

TEST_F(PostingTest, PostsOnceWithEveryField)
{
    ASSERT_TRUE(PostInvoice(dm));
    EXPECT_EQ(scalar("SELECT status FROM invoice"), "Fakturert");
    EXPECT_EQ(dm.InvoiceTable.asString("status"), "Fakturert");
    EXPECT_EQ(scalar("SELECT CONCAT_WS('|', entrydate=CURDATE(), companyid, `sum`, entrytext, vatcode, from_account, "
                     "to_account, vatsum, projectid, subprojectid, assetid, invoiceno, `user`, usergroup) FROM entries"),
              "1|4|1000|Mars|0|3000|1500|250|5|6|7|1001|7|3");
    EXPECT_EQ(EntriesDate, QDate::currentDate());
    // Approving again books nothing more.
    EXPECT_FALSE(PostInvoice(dm));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM entries"), "1");
}

// Another workstation approves the same invoice while this one still shows
// it as not invoiced.
TEST_F(PostingTest, ApprovalOnTwoWorkstationsPostsOnce)
{
    TDatabaseModule other;
    ASSERT_TRUE(other.MyConnection.open(db->params()));
    ASSERT_TRUE(other.InvoiceTable.open());
    ASSERT_TRUE(PostInvoice(other));
    EXPECT_EQ(dm.InvoiceTable.asString("status"), "Ikke startet");
    EXPECT_FALSE(PostInvoice(dm));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM entries"), "1");
    EXPECT_EQ(dm.InvoiceTable.asString("status"), "Fakturert");
}

TEST_F(PostingTest, SimultaneousApprovalsPostOnce)
{
    for (int round = 0; round < 5; ++round) {
        sql("UPDATE invoice SET status='Ikke startet'");
        sql("DELETE FROM entries");
        std::atomic<int> posted{0}, ready{0};
        const ConnectParams params = db->params();
        auto station = [&] {
            TDatabaseModule m;
            if (!m.MyConnection.open(params) || !m.InvoiceTable.open()) return;
            ++ready;
            while (ready.load() < 2) std::this_thread::yield();
            if (PostInvoice(m)) ++posted;
        };
        std::thread a(station), b(station);
        a.join();
        b.join();
        ASSERT_EQ(ready.load(), 2);
        EXPECT_EQ(posted.load(), 1);
        EXPECT_EQ(scalar("SELECT COUNT(*) FROM entries"), "1");
    }
}

TEST_F(PostingTest, OverlongTextIsShortenedNotLost)
{
    LogToFile = true;
    LogStrings.clear();
    const QString subject = QString(120, QChar(0x00E6)) + "Ærlig AS";  // 128 characters, the column takes 127
    sql("UPDATE invoice SET subject='" + subject + "'");
    ASSERT_TRUE(dm.InvoiceTable.refresh());
    ASSERT_TRUE(PostInvoice(dm));
    LogToFile = false;
    EXPECT_EQ(scalar("SELECT entrytext FROM entries"), subject.left(127));
    bool warned = false;
    for (const QString& l : LogStrings) warned |= l.contains("ADVARSEL:") && l.contains("1001");
    EXPECT_TRUE(warned);
}

TEST_F(PostingTest, UnknownVatCodePostsNothing)
{
    sql("UPDATE invoice SET vatcode=6");
    ASSERT_TRUE(dm.InvoiceTable.refresh());
    EXPECT_FALSE(PostInvoice(dm));
    EXPECT_EQ(scalar("SELECT status FROM invoice"), "Ikke startet");
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM entries"), "0");
}

// ---- bulk prices ------------------------------------------------------------------

TEST_F(TotalsTest, UpdateAllProductsRecomputesEveryProduct)
{
    sql("INSERT INTO product (productcode, cost, discount, freight, direct_cost, addpercent, addsum, value, "
        "lastpriceupdate) VALUES ('A', 100, 10, 5, 2, 20, 10, 0, '2001-01-01'), ('B', 50, 0, 0, 0, 100, 0, 80, NULL)");
    dm.ProductTable.setFilter(QString());
    ASSERT_TRUE(dm.ProductTable.open());
    UpdateAllProducts(dm);
    EXPECT_EQ(scalar("SELECT GROUP_CONCAT(CONCAT_WS('|', real_cost, price, value, `user`, usergroup, "
                     "IFNULL(lastpriceupdate,'-')) ORDER BY productcode) FROM product"),
              "97|130|0|7|3|2001-01-01 00:00:00,50|100|80|7|3|-");
    ASSERT_TRUE(dm.ProductTable.locate("productcode", "B"));
    EXPECT_DOUBLE_EQ(dm.ProductTable.asFloat("price"), 100);
}
