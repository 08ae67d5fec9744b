// The four document lists, the item-line list, the product picker and the
// invoice printout's header block.
#include "sales/salestest.h"

#include <QFile>
#include <QMenu>

// Every list shows its documents newest last, numbers compared as numbers.
TEST_F(SalesTest, ListsShowTheNewestDocumentLast)
{
    struct Case {
        const char* list;
        const char* table;
    };
    const Case cases[] = {{"TOrderListForm", "orders"},
                          {"TOfferListForm", "offer"},
                          {"TInvoiceListForm", "invoice"},
                          {"TPOListForm", "po"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        makeDocument(c.table, "999");
        makeDocument(c.table, "10000");
        makeDocument(c.table, "9999");
        auto* l = static_cast<TDocumentListForm*>(Windows().find(c.list));
        l->show();
        EXPECT_EQ(l->dataset()->asString("ordernumber"), "10000");
        EXPECT_EQ(l->Grid->currentIndex().row(), l->dataset()->recordCount() - 1);
        l->close();
    }
}

// Fixed filters, the company item and the search in the order list.
TEST_F(SalesTest, OrderListFiltersAndSearch)
{
    makeDocument("orders", "2001", 3);  // empty status
    sql("UPDATE orders SET subject='Tak O''Brien' WHERE ordernumber='1003'");
    orders->show();
    Dataset& ds = dm->OrderTable;
    struct Case {
        const char* item;
        QStringList numbers;
    };
    const Case cases[] = {
        {"Ikke startet", {"1003"}},
        {"Pågående", {"1001", "1004"}},
        {"Ferdig", {"1002"}},
        {"Ikke ferdig", {"1001", "1003", "1004", "1005", "2001"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        QAction* a = nullptr;
        for (QAction* x : orders->Filter1->actions())
            if (x->text() == QString::fromUtf8(c.item)) a = x;
        ASSERT_NE(a, nullptr);
        a->trigger();
        EXPECT_EQ(column(ds, "ordernumber"), c.numbers);
    }
    orders->Alle1->trigger();
    ASSERT_TRUE(ds.locate("ordernumber", "1001"));
    orders->PopupMenu1Popup();
    EXPECT_EQ(orders->CompanyFilter1->text(), "Bragernes Eiendom AS");
    orders->CompanyFilter1->trigger();
    EXPECT_EQ(ds.filter(), "companyid=2");
    EXPECT_EQ(column(ds, "ordernumber"), QStringList{"1001"});

    dialogs().inputAnswers = {"O'Brien"};
    orders->Sketter1->trigger();
    EXPECT_EQ(column(ds, "ordernumber"), QStringList{"1003"});

    // On an empty list the company item has nothing to filter on.
    orders->ApplyFilter("status='Ingen slik'");
    orders->PopupMenu1Popup();
    EXPECT_FALSE(orders->CompanyFilter1->isEnabled());
    orders->CompanyFilter1Click();
    EXPECT_EQ(ds.filter(), "status='Ingen slik'");
}

// "Mine ikke levert" shows only the logged-in user's ordered purchase
// orders; the purchase-order list sorts its contact columns by their keys.
TEST_F(SalesTest, PurchaseOrderListMineNotDelivered)
{
    MyLoginID = 3;
    sql("DELETE FROM po");
    sql("INSERT INTO po (ordernumber, status, userid) VALUES ('1','Bestilt',3), ('2','Ordrebekreftet',3), "
        "('3','Bestilt',4), ('4','Alt mottatt',3)");
    auto* list = Windows().get<TPOListForm>();
    list->show();
    for (QAction* a : list->Filter1->actions())
        if (a->text() == "Mine ikke levert") a->trigger();
    EXPECT_EQ(column(dm->POTable, "ordernumber"), (QStringList{"1", "2"}));
    list->Grid->TitleClick(6);  // "Vår kontakt"
    EXPECT_EQ(dm->POTable.order(), "userid");
    MyLoginID = 0;
}

// The order list prints itself with its filter: one line per order and
// the count in the total line.
TEST_F(SalesTest, OrderListPrintsItsFilteredRows)
{
    orders->show();
    orders->ApplyFilter("status='Pågående'");
    ASSERT_TRUE(orders->PrintList());
    const QString text = pdfText(pdfDir() + "Ordreliste.PDF");
    EXPECT_TRUE(text.contains("Ordreliste"));
    EXPECT_TRUE(text.contains("1001"));
    EXPECT_FALSE(text.contains("1002"));
    EXPECT_TRUE(text.contains("av totalt 2 poster")) << text.toStdString();
}

// The item-line list: every line with its document numbers, a search on a
// product number through the product-code index, title sorting by the
// document ids, and a double click on a number opening that document.
TEST_F(SalesTest, ItemLinesListSearchSortAndJump)
{
    auto* list = Windows().get<TItemsListForm>();
    Items_WHERE.clear();
    list->show();
    Dataset& items = dm->ItemsQuery;
    EXPECT_EQ(items.recordCount(), scalar("SELECT COUNT(*) FROM items").toInt());

    dialogs().inputAnswers = {"100102"};
    list->Sketter1->trigger();
    EXPECT_EQ(Items_WHERE, "productcode='100102'");
    const QStringList codes = column(items, "productcode");
    EXPECT_FALSE(codes.isEmpty());
    EXPECT_EQ(QSet<QString>(codes.begin(), codes.end()), QSet<QString>{"100102"});

    dialogs().inputAnswers = {"kabel"};
    list->Sketter1->trigger();
    EXPECT_TRUE(Items_WHERE.contains("producttext like '%kabel%'"));
    EXPECT_GT(items.recordCount(), 1);

    list->ItemsTitleClick(8);  // "Ordre"
    EXPECT_EQ(Items_ORDER, "orderid");

    // A line of order 1001 with no invoice: the empty "Faktura" cell does nothing.
    Items_WHERE = "orderid=1";
    list->OpenData();
    ASSERT_GT(items.recordCount(), 0);
    list->OpenDocument(0, 10);
    EXPECT_FALSE(order->isVisible());
    EXPECT_FALSE(invoice->isVisible());

    QTimer::singleShot(0, order, [this] {
        EXPECT_TRUE(order->isVisible());
        EXPECT_EQ(order->shownId(), 1);
        order->close();
    });
    list->OpenDocument(0, 8);
    EXPECT_EQ(dm->OrderTable.filter(), "id=1");
    EXPECT_EQ(Items_WHERE, "orderid=1");  // the list's own lines again
}

// The picker in keyboard mode: an unknown number shows the red mark and
// adds nothing; a known one adds a line with the count and mark and hides
// it; a count that is not a whole number counts as 1.
TEST_F(SalesTest, PickerAddsTypedProductNumbers)
{
    const qint64 id = makeDocument("orders", "2001");
    openDocument(order, dm->OrderTable, id);
    auto* picker = Windows().get<TItemsAddForm>();
    ItemsAddMode = 1;
    picker->show();
    EXPECT_TRUE(picker->Edit2->isEnabled());
    EXPECT_TRUE(picker->Shape1->isHidden());

    picker->Edit2->setText("123-finnes-ikke");
    picker->Edit1->setText("3");
    EXPECT_FALSE(picker->AddItem());
    EXPECT_FALSE(picker->Shape1->isHidden());
    EXPECT_TRUE(shownLines().isEmpty());

    picker->Edit2->setText("100104");
    picker->Edit3->setEditText("Kjeller");
    EXPECT_TRUE(picker->AddItem());
    EXPECT_TRUE(picker->Shape1->isHidden());
    picker->Edit2->setText("100105");
    picker->Edit1->setText("to");
    EXPECT_TRUE(picker->AddItem());
    EXPECT_TRUE(picker->isVisible());
    picker->close();
    EXPECT_EQ(shownLines(), (QStringList{"100104:3", "100105:1"}));
    EXPECT_EQ(scalar(QString("SELECT GROUP_CONCAT(mark) FROM items WHERE orderid=%1").arg(id)), "Kjeller,Kjeller");
    EXPECT_DOUBLE_EQ(number(QString("SELECT ordertotal FROM orders WHERE id=%1").arg(id)), 197.4);
}

// With no document open the picker refuses with a message.
TEST_F(SalesTest, PickerWithoutAnOpenDocumentRefuses)
{
    auto* picker = Windows().get<TItemsAddForm>();
    ItemsAddMode = 1;
    picker->Edit2->setText("100104");
    const int lines = scalar("SELECT COUNT(*) FROM items").toInt();
    EXPECT_FALSE(picker->AddItem());
    EXPECT_TRUE(dialogs().lastMessage().startsWith(QStringLiteral("Åpne en ordre")));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM items").toInt(), lines);
}

namespace {
// The top and bottom of each word of a PDF's first page, from pdftotext -bbox.
struct Word {
    QString text;
    double yMin, yMax;
};
QList<Word> words(const QString& file)
{
    QProcess pr;
    pr.start("pdftotext", {"-bbox", "-f", "1", "-l", "1", file, "-"});
    pr.waitForFinished(30000);
    QList<Word> out;
    static const QRegularExpression re("<word xMin=\"[^\"]+\" yMin=\"([^\"]+)\" xMax=\"[^\"]+\" yMax=\"([^\"]+)\">([^<]*)</word>");
    auto it = re.globalMatch(QString::fromUtf8(pr.readAllStandardOutput()));
    while (it.hasNext()) {
        const auto m = it.next();
        out.push_back({m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return out;
}
} // namespace

// The invoice's header block ends above the item table's heading bar,
// whatever rows it has: its last row ("Avdeling:") included.
TEST_F(SalesTest, InvoiceHeaderNeverOverlapsTheItemTable)
{
    struct Case {
        const char* name;
        const char* set;
    };
    const Case cases[] = {
        {"department last", "projectid=1, systemid=2, department='Service'"},
        {"department, long address",
         "projectid=1, systemid=2, department='Service', deliveryaddress='A\\r\\nB\\r\\nC\\r\\nD\\r\\nE\\r\\nF'"},
        {"no project", "department='Service'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const qint64 id = makeDocument("invoice", "6001");
        makeLine("invoiceid", id, "100101", 1, 10);
        sql(QString("UPDATE invoice SET %1 WHERE id=%2").arg(c.set).arg(id));
        openDocument(invoice, dm->InvoiceTable, id);
        dialogs().yesNoAnswers = {false};
        invoice->Utskrift1Click();
        const QList<Word> w = words(pdfDir() + "F6001.PDF");
        double headerBottom = 0, tableTop = 1e9;
        for (const Word& x : w) {
            if (x.text == "Varenr.") tableTop = std::min(tableTop, x.yMin);
            if (x.text == "Avdeling:" || x.text == "Systemnr:" || x.text == "Prosjektnr:" || x.text == "Valuta:")
                headerBottom = std::max(headerBottom, x.yMax);
        }
        ASSERT_GT(headerBottom, 0);
        ASSERT_LT(tableTop, 1e9);
        // The heading bar sits on the line above its titles: a whole line
        // of room between the last header row and the titles.
        EXPECT_LT(headerBottom + 8, tableTop) << headerBottom << " " << tableTop;
        invoice->close();
        sql(QString("DELETE FROM items WHERE invoiceid=%1").arg(id));
        sql(QString("DELETE FROM invoice WHERE id=%1").arg(id));
        QFile::remove(pdfDir() + "F6001.PDF");
    }
}
