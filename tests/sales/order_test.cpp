// The order window and its item grid: the whole order cycle, the grid's key
// rules, the company choice, delivery and the printouts.
#include "sales/salestest.h"

#include "printui/printoptionforms.h"

#include <QFile>
#include <QFileInfo>
#include <QMenu>

// "Ny" in the list makes a saved order with a number; the customer, lines
// typed by product number, changed counts and a deleted line end up as
// totals on the server.
TEST_F(SalesTest, NewOrderFromTheListWithCustomerAndTypedLines)
{
    orders->show();
    const int before = scalar("SELECT COUNT(*) FROM orders").toInt();
    orders->Ny1->trigger();
    ASSERT_TRUE(order->isVisible());
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM orders").toInt(), before + 1);
    const qint64 id = order->shownId();
    ASSERT_GT(id, 0);
    EXPECT_EQ(CurrentOrderID, id);
    EXPECT_EQ(order->windowTitle(), "Ordredata [" + QString::number(id) + "]");
    EXPECT_EQ(dm->OrderTable.asString("ordernumber"), "1006");
    EXPECT_TRUE(shownLines().isEmpty());

    order->CompanyCombo->chooseKey(2);
    EXPECT_EQ(dm->OrderTable.asString("deliveryaddress"), "Bragernes Eiendom AS\r\nTollbugata 8\r\n3001 DRAMMEN");
    EXPECT_EQ(dm->OrderTable.asInt("external_contact"), 1);

    TItemGrid* g = order->ItemGrid;
    ASSERT_TRUE(g->AddLine());
    ASSERT_TRUE(type(g, 0, "productcode", "100102"));
    // Filled from the product and saved: text, price, unit, cost, count 1.
    EXPECT_EQ(dm->ItemsQuery.state(), Dataset::Browse);
    EXPECT_EQ(dm->ItemsQuery.asString("producttext"), "Installasjonskabel PFSP 3G2,5 mm²");
    EXPECT_DOUBLE_EQ(dm->ItemsQuery.asFloat("price"), 14.24);
    EXPECT_EQ(dm->ItemsQuery.asString("piece"), "m");
    EXPECT_DOUBLE_EQ(dm->ItemsQuery.asFloat("cost"), 8.01);
    EXPECT_DOUBLE_EQ(dm->ItemsQuery.asFloat("itemcount"), 1);
    EXPECT_EQ(dm->ItemsQuery.asInt("orderid"), id);

    ASSERT_TRUE(type(g, 0, "itemcount", "10"));
    ASSERT_TRUE(type(g, 0, "discount", "10"));
    QTest::keyClick(g, Qt::Key_Return);  // leaves the line: saved, totals recomputed
    EXPECT_DOUBLE_EQ(number(QString("SELECT `sum` FROM items WHERE orderid=%1").arg(id)), 128.16);
    EXPECT_DOUBLE_EQ(number(QString("SELECT ordertotal FROM orders WHERE id=%1").arg(id)), 128.16);
    EXPECT_EQ(order->TotalEdit->text(), "128,16");

    ASSERT_TRUE(g->AddLine());
    ASSERT_TRUE(type(g, 1, "productcode", "100105"));
    ASSERT_TRUE(type(g, 1, "price", "9,5"));
    ASSERT_TRUE(type(g, 1, "itemcount", "2"));
    ASSERT_TRUE(g->PostLine());
    EXPECT_DOUBLE_EQ(number(QString("SELECT ordertotal FROM orders WHERE id=%1").arg(id)), 147.16);
    EXPECT_DOUBLE_EQ(number(QString("SELECT orderVAT FROM orders WHERE id=%1").arg(id)), 36.79);

    order->SlettVare1Click();  // the current line: the second
    EXPECT_EQ(shownLines(), QStringList{"100102:10"});
    EXPECT_DOUBLE_EQ(number(QString("SELECT ordertotal FROM orders WHERE id=%1").arg(id)), 128.16);
}

// Only the product-number column is looked up, and only an exact number.
TEST_F(SalesTest, OnlyTheProductNumberCellIsLookedUp)
{
    const qint64 id = makeDocument("orders", "2001");
    openDocument(order, dm->OrderTable, id);
    TItemGrid* g = order->ItemGrid;
    ASSERT_TRUE(g->AddLine());
    struct Case {
        const char* field;
        const char* text;
        const char* wantText;  // the line's text afterwards
    };
    const Case cases[] = {
        {"producttext", "100102", "100102"},  // a product number typed as text stays text
        {"mark", "100105", "100102"},
        {"productcode", "1001", "100102"},     // no product has exactly this number
        {"productcode", "100105", "Datakabel Cat6 U/UTP"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field + std::string(" ") + c.text);
        ASSERT_TRUE(type(g, 0, c.field, c.text));
        EXPECT_EQ(dm->ItemsQuery.asString("producttext"), c.wantText);
    }
    EXPECT_DOUBLE_EQ(dm->ItemsQuery.asFloat("price"), 8.4);
}

// The grid's keys: Esc drops the line's changes, Enter saves, Down on the
// last line makes a new one; titles sort by mark first.
TEST_F(SalesTest, ItemGridKeysAndTitleSorting)
{
    const qint64 id = makeDocument("orders", "2001");
    makeLine("orderid", id, "100101", 2);
    openDocument(order, dm->OrderTable, id);
    showActive(*order);
    TItemGrid* g = order->ItemGrid;
    g->setFocus();
    ASSERT_TRUE(type(g, 0, "itemcount", "7"));
    EXPECT_EQ(dm->ItemsQuery.state(), Dataset::Edit);
    QTest::keyClick(g, Qt::Key_Escape);
    EXPECT_EQ(dm->ItemsQuery.state(), Dataset::Browse);
    EXPECT_DOUBLE_EQ(dm->ItemsQuery.asFloat("itemcount"), 2);

    ASSERT_TRUE(type(g, 0, "itemcount", "3"));
    QTest::keyClick(g, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(number(QString("SELECT itemcount FROM items WHERE orderid=%1").arg(id)), 3);

    g->setCurrentIndex(cell(g, 0, "productcode"));
    QTest::keyClick(g, Qt::Key_Down);
    EXPECT_EQ(dm->ItemsQuery.state(), Dataset::Insert);
    EXPECT_EQ(dm->ItemsQuery.asInt("orderid"), id);
    QTest::keyClick(g, Qt::Key_Down);  // an empty new line makes no second one
    EXPECT_EQ(dm->ItemsQuery.recordCount(), 2);
    QTest::keyClick(g, Qt::Key_Escape);
    EXPECT_EQ(dm->ItemsQuery.recordCount(), 1);

    g->TitleClick(cell(g, 0, "mark").column());
    EXPECT_EQ(Items_ORDER, "mark");
    g->TitleClick(cell(g, 0, "price").column());
    EXPECT_EQ(Items_ORDER, "mark,price");
    EXPECT_EQ(shownLines(), QStringList{"100101:3"});
}

// Choosing the customer: the delivery address and contact are written only
// when the company actually changes.
TEST_F(SalesTest, ChoosingTheSameCustomerKeepsTheTypedAddress)
{
    const qint64 id = makeDocument("orders", "2001", 2);
    sql(QString("UPDATE orders SET deliveryaddress='Byggeplass Strømsø', external_contact=2 WHERE id=%1").arg(id));
    openDocument(order, dm->OrderTable, id);
    order->CompanyCombo->chooseKey(2);
    EXPECT_EQ(dm->OrderTable.asString("deliveryaddress"), "Byggeplass Strømsø");
    EXPECT_EQ(dm->OrderTable.asInt("external_contact"), 2);
    // The contact list now holds that company's contacts.
    const QStringList companies = column(dm->ContactQuery, "companyid");
    EXPECT_EQ(QSet<QString>(companies.begin(), companies.end()), QSet<QString>{"2"});

    order->CompanyCombo->chooseKey(4);
    EXPECT_EQ(dm->OrderTable.asString("deliveryaddress"), "Holmestrand Bakeri AS\r\nLanggaten 31\r\n3080 HOLMESTRAND");
    EXPECT_EQ(dm->OrderTable.asInt("external_contact"), 4);
    order->Avbryt1Click();
    EXPECT_EQ(dm->OrderTable.asString("deliveryaddress"), "Byggeplass Strømsø");
    order->CompanyCombo->chooseKey(2);  // back to the stored company: nothing overwritten
    EXPECT_EQ(dm->OrderTable.asString("deliveryaddress"), "Byggeplass Strømsø");
}

// Partial, then full delivery: stock moves once per delivered quantity, and
// only for this order's lines even when the item query held other lines.
TEST_F(SalesTest, PartialThenFullDeliveryMovesStockOnce)
{
    const qint64 id = makeDocument("orders", "2001");
    makeLine("orderid", id, "100103", 5, 27.75, 2);  // Rest 2 of 5
    makeLine("orderid", id, "100104", 4, 63, 0);
    const qint64 other = makeDocument("orders", "2002");
    makeLine("orderid", other, "100103", 9);
    const double stock3 = number("SELECT instock FROM product WHERE productcode='100103'");
    const double stock4 = number("SELECT instock FROM product WHERE productcode='100104'");
    openDocument(order, dm->OrderTable, id);

    // Another window selects other lines meanwhile.
    Items_WHERE = "orderid=" + QString::number(other);
    dm->ItemsSQLSelect();

    ASSERT_TRUE(order->Deliver(false));
    EXPECT_EQ(shownLines(), (QStringList{"100103:5", "100104:4"}));
    EXPECT_DOUBLE_EQ(number("SELECT instock FROM product WHERE productcode='100103'"), stock3 - 3);
    EXPECT_DOUBLE_EQ(number("SELECT instock FROM product WHERE productcode='100104'"), stock4 - 4);
    EXPECT_EQ(scalar(QString("SELECT itemdelivered FROM items WHERE orderid=%1 AND productcode='100103'").arg(id)), "3");
    EXPECT_EQ(scalar(QString("SELECT itemdelivered FROM items WHERE orderid=%1").arg(other)), "0");
    EXPECT_EQ(scalar(QString("SELECT deliverydate=CURDATE() FROM orders WHERE id=%1").arg(id)), "1");

    ASSERT_TRUE(order->Deliver(true));
    ASSERT_TRUE(order->Deliver(true));  // a repeat moves nothing more
    EXPECT_DOUBLE_EQ(number("SELECT instock FROM product WHERE productcode='100103'"), stock3 - 5);
    EXPECT_DOUBLE_EQ(number("SELECT instock FROM product WHERE productcode='100104'"), stock4 - 4);
}

// Opening one document window closes the other three; the closed one is
// saved and recomputed and no longer the open document.
TEST_F(SalesTest, OneDocumentWindowAtATime)
{
    const qint64 o = makeDocument("orders", "2001");
    makeLine("orderid", o, "100101", 2, 50);
    const qint64 i = makeDocument("invoice", "6001");
    const qint64 t = makeDocument("offer", "3001");
    const qint64 b = makeDocument("po", "4001");
    struct Step {
        TDocumentDataForm* w;
        Dataset* ds;
        qint64 id;
    };
    const Step steps[] = {{order, &dm->OrderTable, o}, {invoice, &dm->InvoiceTable, i}, {offer, &dm->OfferTable, t},
                          {po, &dm->POTable, b},       {order, &dm->OrderTable, o},     {offer, &dm->OfferTable, t}};
    for (const Step& s : steps) {
        SCOPED_TRACE(s.w->objectName().toStdString());
        openDocument(s.w, *s.ds, s.id);
        for (TDocumentDataForm* w : std::initializer_list<TDocumentDataForm*>{order, invoice, offer, po}) EXPECT_EQ(w->isVisible(), w == s.w);
        EXPECT_EQ(CurrentOrderID != 0, s.w == order);
        EXPECT_EQ(CurrentInvoiceID != 0, s.w == invoice);
        EXPECT_EQ(CurrentOfferID != 0, s.w == offer);
        EXPECT_EQ(CurrentPOID != 0, s.w == po);
        EXPECT_TRUE(s.w->OwnLinesSelected());
    }
    // The order was recomputed when it was shown and closed.
    EXPECT_DOUBLE_EQ(number(QString("SELECT ordertotal FROM orders WHERE id=%1").arg(o)), 100);
}

// The menus' enabled items follow the row live, without opening a menu.
TEST_F(SalesTest, MenuItemsFollowTheRowsLive)
{
    const qint64 id = makeDocument("orders", "2001");
    openDocument(order, dm->OrderTable, id);
    EXPECT_FALSE(order->Lagre1->isEnabled());
    EXPECT_FALSE(order->SlettVare1->isEnabled());
    EXPECT_FALSE(order->Kopier1->isEnabled());
    order->SubjectEdit->setText("Ny tekst");
    emit order->SubjectEdit->textEdited("Ny tekst");
    EXPECT_TRUE(order->Lagre1->isEnabled());
    EXPECT_FALSE(order->Nypost1->isEnabled());
    order->Lagre1->trigger();
    EXPECT_FALSE(order->Lagre1->isEnabled());
    EXPECT_EQ(scalar(QString("SELECT subject FROM orders WHERE id=%1").arg(id)), "Ny tekst");

    ASSERT_TRUE(order->ItemGrid->AddLine());
    ASSERT_TRUE(type(order->ItemGrid, 0, "productcode", "100101"));
    EXPECT_TRUE(order->SlettVare1->isEnabled());
    EXPECT_TRUE(order->Kopier1->isEnabled());
}

// "Ordreutskrift" prints the order as "O<number>.PDF"; the delivery note and
// picking list print under their own titles, and a cancelled job leaves no
// title behind for the list printout that follows.
TEST_F(SalesTest, OrderDeliveryNoteAndPickingListPrintToPdf)
{
    const qint64 id = makeDocument("orders", "2001");
    makeLine("orderid", id, "100104", 4, 63, 1);
    openDocument(order, dm->OrderTable, id);

    auto* options = static_cast<TDocPrintOptionsForm*>(Windows().find("TOrderPrintForm"));
    ASSERT_NE(options, nullptr);
    options->show();
    options->PrintPriceCheck->setChecked(true);
    ASSERT_TRUE(options->BitBtn1Click());
    const QString text = pdfText(pdfDir() + "O2001.PDF");
    EXPECT_TRUE(text.contains("ORDRE")) << text.toStdString();
    EXPECT_TRUE(text.contains("Linje 100104"));
    EXPECT_TRUE(text.contains("252.00"));

    ASSERT_TRUE(order->PrintDeliveryNote(false));
    EXPECT_TRUE(pdfText(pdfDir() + "OP2001.PDF").contains("PAKKSEDDEL"));
    ASSERT_TRUE(order->PrintDeliveryNote(true));
    EXPECT_TRUE(pdfText(pdfDir() + "OPL2001.PDF").contains("PLUKKLISTE"));

    QFile::remove(pdfDir() + "OP2001.PDF");
    PrinterSetupDialog = [](QPrinter&) { return false; };
    EXPECT_FALSE(order->PrintDeliveryNote(false));
    PrinterSetupDialog = nullptr;
    order->close();
    orders->show();
    ASSERT_TRUE(orders->PrintList());
    EXPECT_TRUE(QFile::exists(pdfDir() + "Ordreliste.PDF"));
    EXPECT_FALSE(QFile::exists(pdfDir() + "OP2001.PDF"));
}

// "Send på epost" mails the printed order to the order's own contact, found
// by its id, whatever row the contact list stands on; without the PDF it
// stays disabled.
TEST_F(SalesTest, MailGoesToTheOrdersContactById)
{
    const qint64 id = makeDocument("orders", "2001", 2);
    sql(QString("UPDATE orders SET external_contact=2 WHERE id=%1").arg(id));
    QStringList sent;
    TDocumentDataForm::SendEpost = [&sent](const QString& to, const QString& subject, const QString&,
                                           const QString& file) {
        sent << to << subject << QFileInfo(file).fileName();
        return true;
    };
    openDocument(order, dm->OrderTable, id);
    order->UpdateMenu();
    EXPECT_FALSE(order->SendEpost1->isEnabled());
    writeBytes(pdfDir() + "O2001.PDF", "%PDF-1.4");
    order->UpdateMenu();
    EXPECT_TRUE(order->SendEpost1->isEnabled());

    Contact_WHERE.clear();
    dm->ContactSQLSelect();
    ASSERT_TRUE(dm->ContactQuery.locate("id", 1));
    order->SendEpost1Click();
    EXPECT_EQ(sent, (QStringList{"hilde.strand@bragernes-eiendom.example", "Ordre 2001", "O2001.PDF"}));
}
