// New-row defaults, document numbers, the item-line, product and posting
// rules on save, and the questions before a deletion.
#include "rules_fixture.h"

#include "core/felles.h"
#include "data/recorddefaults.h"

#include <atomic>
#include <thread>
#include <vector>

namespace {

QString today() { return DateStr(QDate::currentDate()); }
QString todayMidnight() { return today() + " 00:00:00"; }

} // namespace

TEST_F(RulesTest, NewRowDefaultsPerTable)
{
    CurrentVATcode = 2;
    CurrentOrderID = 11;
    CurrentPOID = 12;
    CurrentOfferID = 13;
    CurrentInvoiceID = 14;
    CurrentProjectID = 15;
    CurrentSubProjectID = 16;
    CurrentAssetID = 17;
    SetRegStr("FakturaDager", "14 dager");
    SetRegStr("Firma_Navn", "Bakeri Ærlig AS");
    SetRegStr("Firma_PostAdresse", "Postboks 5");
    SetRegStr("Firma_GateAdresse", "Storgata 2");
    SetRegStr("Firma_PostNr", "0150");
    SetRegStr("Firma_PostSted", "Oslo");

    struct Case {
        Dataset TDatabaseModule::*ds;
        const char* field;
        QString want;
    } cases[] = {
        {&TDatabaseModule::CompanyTable, "usergroup", "3"},
        {&TDatabaseModule::CompanyTable, "user", "7"},
        {&TDatabaseModule::DocumentQuery, "created", today()},
        {&TDatabaseModule::JobQuery, "allday", "0"},
        {&TDatabaseModule::JobQuery, "outdoor", "0"},
        {&TDatabaseModule::JobQuery, "userid", "7"},
        {&TDatabaseModule::NewsTable, "newsdate", todayMidnight()},
        {&TDatabaseModule::NewsTable, "author", "7"},
        {&TDatabaseModule::NewsTable, "status", "1"},
        {&TDatabaseModule::ProductTable, "value", "100"},
        {&TDatabaseModule::ProductTable, "web", "0"},
        {&TDatabaseModule::ProductTable, "sale", "0"},
        {&TDatabaseModule::ProductTable, "user_favorite", "0"},
        {&TDatabaseModule::ProductTable, "lastpriceupdate", todayMidnight()},
        {&TDatabaseModule::ProductTable, "ownproduction", "0"},
        {&TDatabaseModule::ItemsQuery, "date", todayMidnight()},
        {&TDatabaseModule::ItemsQuery, "VATcode", "2"},
        {&TDatabaseModule::ItemsQuery, "orderid", "11"},
        {&TDatabaseModule::ItemsQuery, "poid", "12"},
        {&TDatabaseModule::ItemsQuery, "offerid", "13"},
        {&TDatabaseModule::ItemsQuery, "invoiceid", "14"},
        {&TDatabaseModule::ItemsQuery, "projectid", "15"},
        {&TDatabaseModule::ItemsQuery, "subprojectid", "16"},
        {&TDatabaseModule::ItemsQuery, "assetid", "17"},
        {&TDatabaseModule::ItemsQuery, "itemremain", "0"},
        {&TDatabaseModule::ItemsQuery, "itemdelivered", "0"},
        {&TDatabaseModule::EntriesTable, "entrydate", today()},
        {&TDatabaseModule::EntriesTable, "vatcode", "0"},
        {&TDatabaseModule::OrderTable, "orderdate", today()},
        {&TDatabaseModule::OrderTable, "userid", "7"},
        {&TDatabaseModule::OrderTable, "status", "Ikke startet"},
        {&TDatabaseModule::OrderTable, "ordernumber", "1"},
        {&TDatabaseModule::OrderTable, "department", "Salg"},
        {&TDatabaseModule::OrderTable, "vatcode", "0"},
        {&TDatabaseModule::OfferTable, "status", "Ikke bestilt"},
        {&TDatabaseModule::OfferTable, "ordernumber", "1"},
        {&TDatabaseModule::InvoiceTable, "status", "Ikke startet"},
        {&TDatabaseModule::InvoiceTable, "payment", "14 dager"},
        {&TDatabaseModule::POTable, "status", "Ikke bestilt"},
        {&TDatabaseModule::POTable, "department", "Salg"},
        {&TDatabaseModule::POTable, "deliveryaddress", "Bakeri Ærlig AS\r\nPostboks 5\r\nStorgata 2\r\n0150 Oslo"},
        {&TDatabaseModule::CalendarTable, "userid", "7"},
        {&TDatabaseModule::CalendarTable, "event_type", "0"},
        {&TDatabaseModule::CalendarTable, "read_order", "0"},
    };
    for (const Case& c : cases) {
        Dataset& ds = dm.*c.ds;
        SCOPED_TRACE(ds.tableName().toStdString() + "." + c.field);
        ASSERT_TRUE(ds.isOpen() || ds.open()) << ds.lastError().toStdString();
        ASSERT_TRUE(ds.insert());
        EXPECT_EQ(ds.asString(c.field), c.want);
        ds.cancel();
    }
}

// Every dataset that can take a new row stamps it with its owner.
TEST_F(RulesTest, EveryNewRowCarriesItsOwner)
{
    for (Dataset* ds : dm.datasets()) {
        if (ds == &dm.CompanyMiniQuery || ds == &dm.SubProjectTable) continue;
        SCOPED_TRACE(ds->tableName().toStdString());
        ASSERT_TRUE(ds->open()) << ds->lastError().toStdString();
        ASSERT_TRUE(ds->insert());
        EXPECT_EQ(ds->asInt("usergroup"), 3);
        EXPECT_EQ(ds->asInt("user"), 7);
        EXPECT_EQ(ds->asString("rwx_all"), "0");
        ds->cancel();
    }
}

TEST_F(RulesTest, SavedDocumentKeepsItsDefaults)
{
    ASSERT_TRUE(dm.OrderTable.open());
    ASSERT_TRUE(dm.OrderTable.insert());
    ASSERT_TRUE(dm.OrderTable.post());
    EXPECT_EQ(scalar("SELECT CONCAT(ordernumber,'|',status,'|',userid,'|',department,'|',`user`) FROM orders"),
              "1|Ikke startet|7|Salg|7");
    EXPECT_EQ(scalar("SELECT orderdate=CURDATE() FROM orders"), "1");
}

// ---- document numbers ----------------------------------------------------

TEST_F(RulesTest, DocumentNumbersFollowTheNumericMaximumOfEachTable)
{
    struct Case {
        Dataset TDatabaseModule::*ds;
        const char* table;
        int* last;
    } cases[] = {{&TDatabaseModule::OrderTable, "orders", &LastOrderNumber},
                 {&TDatabaseModule::OfferTable, "offer", &LastOfferNumber},
                 {&TDatabaseModule::InvoiceTable, "invoice", &LastInvoiceNumber},
                 {&TDatabaseModule::POTable, "po", &LastPONumber}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.table);
        Dataset& ds = dm.*c.ds;
        // "9" sorts after "10" as text; "A-77" and the blank are no numbers.
        sql(QStringLiteral("INSERT INTO `%1` (ordernumber) VALUES ('57'),('9'),('10'),('A-77'),(''),(' 12 ')")
                .arg(c.table));
        // A filter that hides the highest number changes nothing.
        ds.setFilter("ordernumber='9'");
        ASSERT_TRUE(ds.open());
        ASSERT_TRUE(ds.insert());
        EXPECT_EQ(ds.asString("ordernumber"), "58");
        EXPECT_EQ(*c.last, 57);
        ASSERT_TRUE(ds.post());
        EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM `%1` WHERE ordernumber='58'").arg(c.table)), "1");
        ds.setFilter(QString());
    }
}

// The server keeps the highest number as rows come, change and go, from
// any program; without its record the table itself is read.
TEST_F(RulesTest, HighestNumberFollowsEveryChange)
{
    auto next = [this] {
        dm.OrderTable.close();
        EXPECT_TRUE(dm.OrderTable.open());
        EXPECT_TRUE(dm.OrderTable.insert());
        const QString n = dm.OrderTable.asString("ordernumber");
        dm.OrderTable.cancel();
        return n;
    };
    sql("INSERT INTO orders (ordernumber) VALUES ('7'),('30'),('x')");
    EXPECT_EQ(next(), "31");
    sql("UPDATE orders SET ordernumber='40' WHERE ordernumber='7'");
    EXPECT_EQ(next(), "41");
    sql("DELETE FROM orders WHERE ordernumber='40'");  // the highest goes: the next below counts
    EXPECT_EQ(next(), "31");
    sql("DELETE FROM orders WHERE ordernumber='x'");
    EXPECT_EQ(next(), "31");
    sql("DELETE FROM kv_docnumber");
    sql("INSERT INTO orders (ordernumber) VALUES ('3')");  // a record of '3' alone would be wrong
    sql("DELETE FROM kv_docnumber");
    EXPECT_EQ(next(), "31");
}

TEST_F(RulesTest, FirstDocumentIsNumberOne)
{
    ASSERT_TRUE(dm.InvoiceTable.open());
    ASSERT_TRUE(dm.InvoiceTable.insert());
    EXPECT_EQ(dm.InvoiceTable.asString("ordernumber"), "1");
    ASSERT_TRUE(dm.InvoiceTable.post());
    ASSERT_TRUE(dm.InvoiceTable.insert());
    EXPECT_EQ(dm.InvoiceTable.asString("ordernumber"), "2");
}

TEST_F(RulesTest, TypedNumberIsKept)
{
    sql("INSERT INTO orders (ordernumber) VALUES ('5')");
    ASSERT_TRUE(dm.OrderTable.open());
    ASSERT_TRUE(dm.OrderTable.insert());
    dm.OrderTable.setValue("ordernumber", "2024-17");
    ASSERT_TRUE(dm.OrderTable.post());
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM orders WHERE ordernumber='2024-17'"), "1");
}

// Two workstations open a new order at the same time; both are shown 1,
// and the second to save gets 2.
TEST_F(RulesTest, TwoWorkstationsNeverSaveTheSameNumber)
{
    TDatabaseModule other;
    ASSERT_TRUE(other.MyConnection.open(db->params()));
    ASSERT_TRUE(dm.OrderTable.open());
    ASSERT_TRUE(other.OrderTable.open());
    ASSERT_TRUE(dm.OrderTable.insert());
    ASSERT_TRUE(other.OrderTable.insert());
    EXPECT_EQ(dm.OrderTable.asString("ordernumber"), "1");
    EXPECT_EQ(other.OrderTable.asString("ordernumber"), "1");
    ASSERT_TRUE(other.OrderTable.post());
    ASSERT_TRUE(dm.OrderTable.post());
    EXPECT_EQ(dm.OrderTable.asString("ordernumber"), "2");
    EXPECT_EQ(scalar("SELECT GROUP_CONCAT(ordernumber ORDER BY id) FROM orders"), "1,2");
    // The other workstation goes on numbering after it.
    ASSERT_TRUE(other.OrderTable.insert());
    ASSERT_TRUE(other.OrderTable.post());
    EXPECT_EQ(other.OrderTable.asString("ordernumber"), "3");
}

TEST_F(RulesTest, SimultaneousSavesGetDistinctNumbers)
{
    // Four workstations save 50 orders each at the same moment: the numbers
    // are 1 to 200, each once.
    constexpr int stations = 4, perStation = 50;
    std::atomic<int> failures{0};
    const ConnectParams params = db->params();
    auto station = [&] {
        TDatabaseModule m;
        if (!m.MyConnection.open(params) || !m.OrderTable.open()) {
            ++failures;
            return;
        }
        for (int i = 0; i < perStation; ++i)
            if (!m.OrderTable.insert() || !m.OrderTable.post()) ++failures;
    };
    std::vector<std::thread> threads;
    for (int i = 0; i < stations; ++i) threads.emplace_back(station);
    for (auto& t : threads) t.join();
    EXPECT_EQ(failures.load(), 0);
    EXPECT_EQ(scalar("SELECT COUNT(DISTINCT ordernumber) FROM orders"), QString::number(stations * perStation));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM orders"), QString::number(stations * perStation));
    EXPECT_EQ(scalar("SELECT MIN(CAST(ordernumber AS UNSIGNED)) FROM orders"), "1");
    EXPECT_EQ(scalar("SELECT MAX(CAST(ordernumber AS UNSIGNED)) FROM orders"), QString::number(stations * perStation));
}

TEST_F(RulesTest, NumberOfAGivenUpRowGoesBack)
{
    ASSERT_TRUE(dm.OrderTable.open());
    ASSERT_TRUE(dm.OrderTable.insert());
    ASSERT_TRUE(dm.OrderTable.post());
    EXPECT_EQ(dm.OrderTable.asString("ordernumber"), "1");

    // The server refuses the next row after its number was taken; the user
    // gives the row up, and the number is free again.
    ASSERT_TRUE(db->admin().exec("CREATE TRIGGER refuse BEFORE INSERT ON orders FOR EACH ROW "
                                 "SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='nei'"));
    ASSERT_TRUE(dm.OrderTable.insert());
    EXPECT_FALSE(dm.OrderTable.post());
    EXPECT_FALSE(dm.OrderTable.post());  // a second try keeps the same number
    EXPECT_EQ(scalar("SELECT highest FROM kv_docnumber WHERE tablename='orders'"), "2");
    dm.OrderTable.cancel();
    EXPECT_EQ(scalar("SELECT highest FROM kv_docnumber WHERE tablename='orders'"), "1");

    ASSERT_TRUE(db->admin().exec("DROP TRIGGER refuse"));
    ASSERT_TRUE(dm.OrderTable.insert());
    ASSERT_TRUE(dm.OrderTable.post());
    EXPECT_EQ(dm.OrderTable.asString("ordernumber"), "2");

    // Without its counter row (a database from before it) the table's
    // highest number is the start.
    ASSERT_TRUE(db->admin().exec("DELETE FROM kv_docnumber WHERE tablename='orders'"));
    ASSERT_TRUE(db->admin().exec("UPDATE orders SET ordernumber='41' WHERE ordernumber='2'"));
    ASSERT_TRUE(dm.OrderTable.insert());
    ASSERT_TRUE(dm.OrderTable.post());
    EXPECT_EQ(dm.OrderTable.asString("ordernumber"), "42");
}

// A database not upgraded yet has no numbering function on the server; the
// numbers are taken as before, and a row refused then takes none.
TEST_F(RulesTest, NumbersWithoutTheServerFunction)
{
    LogToFile = true;
    LogStrings.clear();
    ASSERT_TRUE(db->admin().exec("DROP FUNCTION kv_take_docnumber"));
    ASSERT_TRUE(dm.InvoiceTable.open());
    for (const char* expected : {"1", "2"}) {
        ASSERT_TRUE(dm.InvoiceTable.insert());
        ASSERT_TRUE(dm.InvoiceTable.post());
        EXPECT_EQ(dm.InvoiceTable.asString("ordernumber"), expected);
    }
    EXPECT_EQ(LogStrings.filter("mangler nummerfunksjonen").size(), 1);  // said once, not at every row
    ASSERT_TRUE(db->admin().exec("CREATE TRIGGER refuse BEFORE INSERT ON invoice FOR EACH ROW "
                                 "SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='nei'"));
    ASSERT_TRUE(dm.InvoiceTable.insert());
    EXPECT_FALSE(dm.InvoiceTable.post());
    dm.InvoiceTable.cancel();
    ASSERT_TRUE(db->admin().exec("DROP TRIGGER refuse"));
    EXPECT_EQ(scalar("SELECT highest FROM kv_docnumber WHERE tablename='invoice'"), "2");
    EXPECT_EQ(scalar("SELECT GROUP_CONCAT(ordernumber ORDER BY id) FROM invoice"), "1,2");
}

// ---- item lines ------------------------------------------------------------

TEST_F(RulesTest, ItemLineSumsOnSave)
{
    struct Case {
        double count, price, discount, cost, sum, sumcost;
    } cases[] = {
        {3, 100, 10, 60, 270, 180},
        {2.5, 40, 0, 10, 100, 25},
        {1, 200, 100, 50, 0, 50},
        {0, 100, 10, 60, 0, 0},
        {-2, 50, 0, 30, -100, -60},
    };
    ASSERT_TRUE(dm.ItemsQuery.open());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        ASSERT_TRUE(dm.ItemsQuery.insert());
        dm.ItemsQuery.setValue("itemcount", c.count);
        dm.ItemsQuery.setValue("price", c.price);
        dm.ItemsQuery.setValue("discount", c.discount);
        dm.ItemsQuery.setValue("cost", c.cost);
        ASSERT_TRUE(dm.ItemsQuery.post());
        const QString id = QString::number(dm.ItemsQuery.currentId());
        EXPECT_DOUBLE_EQ(number("SELECT `sum` FROM items WHERE id=" + id), c.sum);
        EXPECT_DOUBLE_EQ(number("SELECT sumcost FROM items WHERE id=" + id), c.sumcost);
    }
}

TEST_F(RulesTest, ItemLineMarkBecomesLastMark)
{
    ASSERT_TRUE(dm.ItemsQuery.open());
    ASSERT_TRUE(dm.ItemsQuery.insert());
    dm.ItemsQuery.setValue("mark", "Etasje 2");
    ASSERT_TRUE(dm.ItemsQuery.post());
    EXPECT_EQ(LastMark, "Etasje 2");
}

// Of delivered and remaining, the one changed wins; when neither changed
// the remainder follows the count and no delivery is made up.
TEST_F(RulesTest, DeliveredAndRemainingFollowWhatTheUserChanged)
{
    ASSERT_TRUE(dm.ItemsQuery.open());
    ASSERT_TRUE(dm.ItemsQuery.insert());
    dm.ItemsQuery.setValue("itemcount", 10.0);
    ASSERT_TRUE(dm.ItemsQuery.post());
    struct Step {
        const char* field;
        double value;
        double delivered, remain;
    } steps[] = {
        {"itemdelivered", 4, 4, 6},
        {"itemremain", 2, 8, 2},
        {"itemcount", 12, 8, 4},   // more ordered: still 8 delivered
        {"itemcount", 9, 8, 1},
        {"itemremain", 0, 9, 0},
        {"itemdelivered", 0, 0, 9},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(std::string(s.field) + "=" + std::to_string(s.value));
        dm.ItemsQuery.setValue(s.field, s.value);
        ASSERT_TRUE(dm.ItemsQuery.post());
        EXPECT_DOUBLE_EQ(dm.ItemsQuery.asFloat("itemdelivered"), s.delivered);
        EXPECT_DOUBLE_EQ(dm.ItemsQuery.asFloat("itemremain"), s.remain);
    }
    EXPECT_EQ(scalar("SELECT CONCAT(itemdelivered,'/',itemremain) FROM items"), "0/9");
}

TEST_F(RulesTest, NewLineWithARemainderTypedIn)
{
    ASSERT_TRUE(dm.ItemsQuery.open());
    ASSERT_TRUE(dm.ItemsQuery.insert());
    dm.ItemsQuery.setValue("itemcount", 10.0);
    dm.ItemsQuery.setValue("itemremain", 3.0);
    ASSERT_TRUE(dm.ItemsQuery.post());
    EXPECT_DOUBLE_EQ(dm.ItemsQuery.asFloat("itemdelivered"), 7);
}

TEST_F(RulesTest, ItemLineWithUnknownVatCodeIsRefused)
{
    ASSERT_TRUE(dm.ItemsQuery.open());
    ASSERT_TRUE(dm.ItemsQuery.insert());
    dm.ItemsQuery.setValue("VATcode", 5);
    EXPECT_FALSE(dm.ItemsQuery.post());
    EXPECT_EQ(dm.ItemsQuery.state(), Dataset::Insert);
    EXPECT_TRUE(dialogs.lastMessage().contains("MVA-kode 5"));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM items"), "0");
}

// ---- products and postings ----------------------------------------------------

TEST_F(RulesTest, ProductPriceFollowsCostOnSave)
{
    sql("INSERT INTO product (productcode, value, lastpriceupdate, maxstock, minstock) "
        "VALUES ('P1', 0, '2001-01-01', 2, 5)");
    dm.ProductTable.setFilter(QString());
    ASSERT_TRUE(dm.ProductTable.open());
    dm.ProductTable.setValue("cost", 100.0);
    dm.ProductTable.setValue("discount", 10.0);
    dm.ProductTable.setValue("freight", 5.0);
    dm.ProductTable.setValue("direct_cost", 2.0);
    dm.ProductTable.setValue("addpercent", 20.0);
    dm.ProductTable.setValue("addsum", 10.0);
    dm.ProductTable.setValue("price", 999.0);  // a typed price gives way
    ASSERT_TRUE(dm.ProductTable.post());
    EXPECT_EQ(scalar("SELECT CONCAT_WS('|', real_cost, price, value, maxstock, `user`, usergroup, "
                     "lastpriceupdate=CURDATE()) FROM product"),
              "97|130|100|5|7|3|1");
}

TEST_F(RulesTest, PostingVatAndDateCarryOver)
{
    ASSERT_TRUE(dm.EntriesTable.open());
    struct Case {
        int code;
        double sum, vatsum;
    } cases[] = {{0, 1000, 250}, {1, 100, 13}, {2, 200, 24}, {3, 100, 11}, {4, 1000, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        ASSERT_TRUE(dm.EntriesTable.insert());
        dm.EntriesTable.setValue("sum", c.sum);
        dm.EntriesTable.setValue("vatcode", c.code);
        ASSERT_TRUE(dm.EntriesTable.post());
        EXPECT_DOUBLE_EQ(dm.EntriesTable.asFloat("vatsum"), c.vatsum);
    }
    // The next posting of the run starts on the date of the last one saved.
    ASSERT_TRUE(dm.EntriesTable.insert());
    dm.EntriesTable.setValue("entrydate", QDate(2024, 3, 1));
    ASSERT_TRUE(dm.EntriesTable.post());
    ASSERT_TRUE(dm.EntriesTable.insert());
    EXPECT_EQ(dm.EntriesTable.asString("entrydate"), "01.03.2024");
    // A VAT code outside 0 to 4 keeps the row in edit state.
    dm.EntriesTable.setValue("vatcode", 9);
    EXPECT_FALSE(dm.EntriesTable.post());
    EXPECT_EQ(dm.EntriesTable.state(), Dataset::Insert);
}

// ---- deleting ----------------------------------------------------------------

TEST_F(RulesTest, DeleteAsksUnlessConfirmationIsOff)
{
    struct Case {
        bool confirm;
        bool answer;
        bool asked, deleted;
    } cases[] = {{true, true, true, true}, {true, false, true, false}, {false, false, false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.confirm) + std::to_string(c.answer));
        sql("INSERT INTO company (companyname) VALUES ('Firma')");
        ASSERT_TRUE(dm.CompanyTable.open());
        ConfirmDelete = c.confirm;
        dialogs.questions.clear();
        dialogs.yesNoAnswers = {c.answer};
        dm.CompanyTable.remove();
        EXPECT_EQ(dialogs.questions.size(), c.asked ? 1 : 0);
        if (c.asked) {
            EXPECT_EQ(dialogs.questions.value(0), "Slette denne posten?");
        }
        EXPECT_EQ(scalar("SELECT COUNT(*) FROM company"), c.deleted ? "0" : "1");
        sql("DELETE FROM company");
    }
}

TEST_F(RulesTest, InvoicedInvoiceCannotBeDeleted)
{
    ConfirmDelete = false;  // invoices ask all the same
    sql("INSERT INTO invoice (ordernumber, status) VALUES ('1', 'Fakturert'), ('2', 'Ikke startet')");
    ASSERT_TRUE(dm.InvoiceTable.open());
    ASSERT_TRUE(dm.InvoiceTable.locate("ordernumber", "1"));
    dialogs.yesNoAnswers = {true};
    EXPECT_FALSE(dm.InvoiceTable.remove());
    EXPECT_TRUE(dialogs.questions.isEmpty());

    ASSERT_TRUE(dm.InvoiceTable.locate("ordernumber", "2"));
    EXPECT_TRUE(dm.InvoiceTable.remove());
    EXPECT_EQ(dialogs.questions, QStringList{"Slette denne fakturaen?"});
    EXPECT_EQ(scalar("SELECT GROUP_CONCAT(ordernumber) FROM invoice"), "1");
}
