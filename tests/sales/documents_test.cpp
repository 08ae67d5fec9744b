// The invoice's approval flow, copying lines between documents, the
// purchase order's status, the offer printout and the memo windows.
#include "sales/salestest.h"

#include "data/ordertotals.h"
#include "printui/printoptionforms.h"

#include <QFile>
#include <QStandardItemModel>

// "Utskrift" prints the invoice and asks "Godkjenne faktura?": "Ja" posts
// it once and sets its status; a second approval is refused with a
// message and posts nothing; "Nei" leaves it as it was.
TEST_F(SalesTest, InvoiceApprovalPostsOnce)
{
    const qint64 id = makeDocument("invoice", "6001");
    makeLine("invoiceid", id, "100101", 10, 100);
    openDocument(invoice, dm->InvoiceTable, id);
    const int entries = scalar("SELECT COUNT(*) FROM entries").toInt();

    dialogs().yesNoAnswers = {false};
    EXPECT_FALSE(invoice->Utskrift1Click());
    EXPECT_EQ(dialogs().questions.value(0), "Godkjenne faktura?");
    EXPECT_EQ(scalar(QString("SELECT status FROM invoice WHERE id=%1").arg(id)), "");
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM entries").toInt(), entries);
    EXPECT_TRUE(QFile::exists(pdfDir() + "F6001.PDF"));

    dialogs().yesNoAnswers = {true};
    EXPECT_TRUE(invoice->Utskrift1Click());
    EXPECT_EQ(scalar(QString("SELECT status FROM invoice WHERE id=%1").arg(id)), "Fakturert");
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM entries").toInt(), entries + 1);
    EXPECT_DOUBLE_EQ(number("SELECT `sum` FROM entries WHERE invoiceno='6001'"), 1000);
    EXPECT_EQ(invoice->StatusCombo->currentText(), "Fakturert");

    dialogs().yesNoAnswers = {true};
    const size_t messages = dialogs().messages.size();
    EXPECT_FALSE(invoice->Utskrift1Click());
    ASSERT_EQ(dialogs().messages.size(), messages + 1);
    EXPECT_TRUE(dialogs().lastMessage().contains("allerede godkjent")) << dialogs().lastMessage().toStdString();
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM entries").toInt(), entries + 1);
}

// A new invoice's status "Ikke startet" is not in the pick list: it is shown
// as stored, cannot be picked again, and is kept when the invoice is saved.
TEST_F(SalesTest, InvoiceStatusOutsideTheListIsShownAndKept)
{
    auto* list = Windows().get<TInvoiceListForm>();
    list->show();
    list->Ny1->trigger();
    ASSERT_TRUE(invoice->isVisible());
    EXPECT_EQ(invoice->StatusCombo->currentText(), "Ikke startet");
    const int i = invoice->StatusCombo->currentIndex();
    auto* model = qobject_cast<QStandardItemModel*>(invoice->StatusCombo->model());
    ASSERT_NE(model, nullptr);
    EXPECT_FALSE(model->item(i)->isEnabled());
    invoice->Lagre1Click();
    EXPECT_EQ(scalar(QString("SELECT status FROM invoice WHERE id=%1").arg(invoice->shownId())), "Ikke startet");
    // A status from the list replaces it, and the stray entry goes.
    const int picked = invoice->StatusCombo->findText("Forfalt");
    invoice->StatusCombo->setCurrentIndex(picked);
    emit invoice->StatusCombo->activated(picked);
    invoice->Lagre1Click();
    EXPECT_EQ(scalar(QString("SELECT status FROM invoice WHERE id=%1").arg(invoice->shownId())), "Forfalt");
    EXPECT_EQ(invoice->StatusCombo->findText("Ikke startet"), -1);
}

// An order's lines copied with "Kopier" and pasted into a new invoice with
// "Lim inn" come back as they were: text, count, unit, price, discount, VAT
// code and cost, also a line whose code is no product (billed hours), so
// the invoice's totals and VAT are the order's. "Klipp ut" copies and
// empties; "Slett" empties.
TEST_F(SalesTest, CopyAndPasteLinesFromOrderToInvoiceKeepsEachLine)
{
    const qint64 o = makeDocument("orders", "2001");
    // code, text, count, unit, price, discount, VAT code, cost
    sql(QString("INSERT INTO items (orderid, productcode, producttext, itemcount, piece, price, discount, VATcode, cost) "
                "VALUES (%1, '100102', 'Kabel 3G2,5 kappet', 50, 'm', 14.24, 10, 0, 8.01), "
                "(%1, '900903', 'Arbeid elektriker', 2, 'TIM', 745, 5, 0, 450), "
                "(%1, '02.11.2026', 'Feilsøking kurs 4', 3.5, 'TIM', 745, 0, 0, 450), "
                "(%1, '100105', 'Datakabel', 12.5, 'm', 8.4, 12.5, 2, 4.2), "
                "(%1, '600603', 'Strips, avgiftsfri', 1, 'pk', 68, 0, 4, 34)")
            .arg(o));
    sql(QString("UPDATE items SET `sum`=itemcount*(price-price/100*discount), sumcost=itemcount*cost WHERE orderid=%1")
            .arg(o));
    openDocument(order, dm->OrderTable, o);
    ASSERT_TRUE(OrderUpdate(*dm));
    order->Kopier1Click();

    const qint64 i = makeDocument("invoice", "6001");
    openDocument(invoice, dm->InvoiceTable, i);
    EXPECT_FALSE(order->isVisible());
    EXPECT_TRUE(invoice->LimInn1->isEnabled());
    invoice->LimInn1Click();
    const QString line = "GROUP_CONCAT(CONCAT_WS('|', productcode, producttext, itemcount, piece, price, discount, VATcode, "
                         "cost, ROUND(`sum`, 4)) ORDER BY id SEPARATOR ';') FROM items WHERE ";
    EXPECT_EQ(scalar("SELECT " + line + QString("invoiceid=%1").arg(i)),
              scalar("SELECT " + line + QString("orderid=%1").arg(o)));
    // 50 x 12.816 + 2 x 707.75 + 3.5 x 745 + 12.5 x 7.35 + 68
    EXPECT_NEAR(number(QString("SELECT ordertotal FROM orders WHERE id=%1").arg(o)), 4823.675, 1e-6);
    for (const char* column : {"ordertotal", "orderVAT", "ordercost"})
        EXPECT_EQ(scalar(QString("SELECT ROUND(%1, 4) FROM invoice WHERE id=%2").arg(column).arg(i)),
                  scalar(QString("SELECT ROUND(%1, 4) FROM orders WHERE id=%2").arg(column).arg(o)))
            << column;
    // The order's lines are untouched.
    EXPECT_EQ(scalar(QString("SELECT COUNT(*) FROM items WHERE orderid=%1").arg(o)), "5");

    invoice->KlippUt1Click();
    EXPECT_EQ(scalar(QString("SELECT COUNT(*) FROM items WHERE invoiceid=%1").arg(i)), "0");
    invoice->LimInn1Click();
    EXPECT_EQ(scalar(QString("SELECT COUNT(*) FROM items WHERE invoiceid=%1").arg(i)), "5");
    invoice->SlettAlle1Click();
    EXPECT_EQ(scalar(QString("SELECT COUNT(*) FROM items WHERE invoiceid=%1").arg(i)), "0");
    EXPECT_NEAR(number(QString("SELECT ordertotal FROM invoice WHERE id=%1").arg(i)), 4823.675, 1e-6)
        << "a document without lines keeps its totals";
}

// The purchase order's status: "Bestilt" puts the lines on order, "Delvis
// mottatt" receives what was received, "Alt mottatt" the rest; "Nei" to
// the question only changes the field.
TEST_F(SalesTest, PurchaseOrderStatusMovesStockAsAnswered)
{
    const qint64 id = makeDocument("po", "4001", 10);
    sql(QString("INSERT INTO items (poid, productcode, itemcount, cost) VALUES (%1, '100103', 10, 18.5)").arg(id));
    auto stock = [this] {
        return scalar("SELECT CONCAT(instock,'/',inorder) FROM product WHERE productcode='100103'");
    };
    const double instock = number("SELECT instock FROM product WHERE productcode='100103'");
    const double inorder = number("SELECT inorder FROM product WHERE productcode='100103'");
    auto want = [&](double s, double o) { return SqlNum(instock + s) + "/" + SqlNum(inorder + o); };
    openDocument(po, dm->POTable, id);
    EXPECT_DOUBLE_EQ(number(QString("SELECT ordercost FROM po WHERE id=%1").arg(id)), 185);

    auto pick = [this](const QString& status, bool answer) {
        const int i = po->StatusCombo->findText(status);
        po->StatusCombo->setCurrentIndex(i);
        dialogs().yesNoAnswers = {answer};
        emit po->StatusCombo->activated(i);
    };
    pick("Bestilt", false);
    EXPECT_EQ(dialogs().questions.back(), "Oppdatere bestilling til Bestilt");
    EXPECT_EQ(stock(), want(0, 0));
    po->Lagre1Click();
    EXPECT_EQ(scalar(QString("SELECT status FROM po WHERE id=%1").arg(id)), "Bestilt");

    pick("Ordrebekreftet", true);
    pick("Bestilt", true);
    EXPECT_EQ(stock(), want(0, 10));
    sql(QString("UPDATE items SET itemdelivered=4 WHERE poid=%1").arg(id));
    pick("Delvis mottatt", true);
    EXPECT_EQ(stock(), want(4, 6));
    pick("Alt mottatt", true);
    EXPECT_EQ(stock(), want(10, 0));
    EXPECT_EQ(scalar(QString("SELECT status FROM po WHERE id=%1").arg(id)), "Alt mottatt");
    EXPECT_EQ(shownLines(), QStringList{"100103:10"});
}

// Choosing the supplier of a purchase order sets its contact but keeps our
// own delivery address.
TEST_F(SalesTest, PurchaseOrderSupplierKeepsOurDeliveryAddress)
{
    auto* list = Windows().get<TPOListForm>();
    list->show();
    list->Ny1->trigger();
    ASSERT_TRUE(po->isVisible());
    const QString address = dm->POTable.asString("deliveryaddress");
    po->CompanyCombo->chooseKey(2);
    EXPECT_EQ(dm->POTable.asString("deliveryaddress"), address);
    EXPECT_EQ(dm->POTable.asInt("external_contact"), 1);
}

// An offer printed with and without prices; its lines copied into an order.
TEST_F(SalesTest, OfferPrintsWithAndWithoutPricesAndItsLinesGoToAnOrder)
{
    const qint64 t = makeDocument("offer", "3001");
    makeLine("offerid", t, "500501", 4, 232.2);
    openDocument(offer, dm->OfferTable, t);
    EXPECT_DOUBLE_EQ(number(QString("SELECT ordertotal FROM offer WHERE id=%1").arg(t)), 928.8);

    auto* options = static_cast<TDocPrintOptionsForm*>(Windows().find("TOfferPrintForm"));
    ASSERT_NE(options, nullptr);
    offer->Utskrift1Click();
    ASSERT_TRUE(options->isVisible());
    options->PrintPriceCheck->setChecked(true);
    ASSERT_TRUE(options->BitBtn1Click());
    const QString with = pdfText(pdfDir() + "T3001.PDF");
    EXPECT_TRUE(with.contains("TILBUD"));
    EXPECT_TRUE(with.contains("928.80")) << with.toStdString();

    options->show();
    options->HeaderCombo->setCurrentText(QStringLiteral("Foreløbig tilbud"));
    options->PrintPriceCheck->setChecked(false);
    ASSERT_TRUE(options->BitBtn1Click());
    const QString without = pdfText(pdfDir() + "T3001.PDF");
    EXPECT_TRUE(without.contains(QStringLiteral("Foreløbig tilbud")));
    EXPECT_FALSE(without.contains("928.80")) << without.toStdString();
    EXPECT_TRUE(without.contains("Linje 500501"));

    offer->Kopier1Click();
    const qint64 o = makeDocument("orders", "2001");
    openDocument(order, dm->OrderTable, o);
    EXPECT_FALSE(offer->isVisible());
    order->LimInn1Click();
    EXPECT_EQ(shownLines(), QStringList{"500501:4"});
    EXPECT_EQ(scalar(QString("SELECT COUNT(*) FROM items WHERE offerid=%1").arg(t)), "1");
}

// The memo window edits the open document's note, saved with the document.
TEST_F(SalesTest, MemoWindowEditsTheDocumentsNote)
{
    const qint64 id = makeDocument("orders", "2001");
    openDocument(order, dm->OrderTable, id);
    ASSERT_TRUE(order->VisNotat1->isEnabled());
    order->VisNotat1->trigger();
    auto* memo = static_cast<TDocMemoForm*>(Windows().find("TOrderMemoForm"));
    ASSERT_TRUE(memo->isVisible());
    EXPECT_EQ(memo->windowTitle(), "Ordrenotat");
    memo->Memo->setPlainText("Ring før levering");
    memo->close();
    order->Lagre1Click();
    EXPECT_EQ(scalar(QString("SELECT object_text FROM orders WHERE id=%1").arg(id)), "Ring før levering");
}
