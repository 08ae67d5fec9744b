// What the product windows add: the list's filters, keys, stock items,
// warehouse switch, copy items and status bar; the record window's price
// rule, published box and barcode; the technical window's picture; the
// stock status window's filter.
#include "products_fixture.h"

#include "admin/inputform.h"
#include "data/itemcopy.h"
#include "data/productrules.h"
#include "products/productdataform.h"
#include "products/productlistform.h"
#include "products/productprintforms.h"

#include "print/utskrift.h"

#include <QAction>
#include <QProcess>
#include <QRegularExpression>
#include <QImage>
#include <QMenu>
#include <QStatusBar>

class ProductWindowsTest : public ProductsTest {
protected:
    void SetUp() override
    {
        ProductsTest::SetUp();
        SetInputStrFunction(nullptr);  // the scripted dialogs answer the input questions
        Windows().add<TProductListForm>();
        Windows().add<TProductDataForm>();
        Windows().add<TProductTecDataForm>();
        Windows().add<TProductStatusForm>();
        Windows().createAll();
        list = Windows().get<TProductListForm>();
        data = Windows().get<TProductDataForm>();
        addProduct("100", "Hundre", "Kabel", "user_favorite=1, vendor=10, instock=5, minstock=10, cost=100, addpercent=50, price=150");
        addProduct("200", "To hundre", "Brytere", "vendor=11, instock=0, minstock=0");
        addProduct("300", "Tre hundre", "", "vendor=10, instock=3, minstock=1, ownproduction=1, value=50");
    }
    void TearDown() override
    {
        AddingProduct = false;
        ProductsTest::TearDown();
    }
    TProductListForm* list = nullptr;
    TProductDataForm* data = nullptr;
};

TEST_F(ProductWindowsTest, OpensOnFavouritesAndEveryFilterReplacesTheLast)
{
    list->show();
    EXPECT_EQ(codes(), QStringList{"100"});
    EXPECT_EQ(list->windowTitle(), "Vareliste (product)");
    EXPECT_EQ(list->StatusFilter->text(), "user_favorite=1");
    struct Case {
        QAction* item;
        QStringList codes;
    };
    const Case cases[] = {
        {list->Lagervare1, {"100", "300"}},     {list->PaLager1, {"100", "300"}},
        {list->UnderMinimum1, {"100"}},         {list->Egenproduserte1, {"300"}},
        {list->Ukurante1, {"300"}},             {list->Alle1, {"100", "200", "300"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item->text().toStdString());
        c.item->trigger();
        EXPECT_EQ(codes(), c.codes);
        EXPECT_EQ(list->StatusFilter->text(), products().filter());
    }
    // Filters that take the current row's values.
    ASSERT_TRUE(products().locate("productcode", "100"));
    list->DenneLeverandor1->trigger();
    EXPECT_EQ(codes(), (QStringList{"100", "300"}));
    list->DenneVaregruppe1->trigger();
    EXPECT_EQ(codes(), QStringList{"100"});
    list->UnderMinimumLeverandor1->trigger();
    EXPECT_EQ(codes(), QStringList{"100"});
}

TEST_F(ProductWindowsTest, SearchTakesARangeOrAFreeTextAndAnEmptyAnswerKeepsTheFilter)
{
    list->show();
    dialogs().inputAnswers = {"100 - 250"};
    list->Sketter1->trigger();
    EXPECT_EQ(codes(), (QStringList{"100", "200"}));
    dialogs().inputAnswers = {"Tre"};
    list->Sketter1->trigger();
    EXPECT_EQ(codes(), QStringList{"300"});
    list->Sketter1->trigger();  // cancelled
    EXPECT_EQ(codes(), QStringList{"300"});
}

TEST_F(ProductWindowsTest, KeysToggleTheFavouriteAndCountStock)
{
    showActive(*list);
    list->Alle1->trigger();
    ASSERT_TRUE(products().locate("productcode", "200"));
    list->Grid->setFocus();
    QTest::keyClick(list->Grid, Qt::Key_Space);
    EXPECT_EQ(scalar("SELECT user_favorite FROM product WHERE productcode='200'"), "1");
    QTest::keyClick(list->Grid, Qt::Key_Space);
    EXPECT_EQ(scalar("SELECT user_favorite FROM product WHERE productcode='200'"), "0");
    QTest::keyClick(list->Grid, Qt::Key_Plus, Qt::KeypadModifier);
    QTest::keyClick(list->Grid, Qt::Key_Plus, Qt::KeypadModifier);
    QTest::keyClick(list->Grid, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(scalar("SELECT instock FROM product WHERE productcode='200'"), "1");
    EXPECT_EQ(products().asString("productcode"), "200");
    // The plain minus key (not the keypad's) does nothing.
    QTest::keyClick(list->Grid, Qt::Key_Minus);
    EXPECT_EQ(scalar("SELECT instock FROM product WHERE productcode='200'"), "1");
}

TEST_F(ProductWindowsTest, StockResetsAskFirstAndWarehousesAreCheckedTables)
{
    list->show();
    list->Alle1->trigger();
    dialogs().yesNoAnswers = {false};
    list->SettTil01->trigger();
    EXPECT_EQ(scalar("SELECT SUM(instock) FROM product"), "8");
    EXPECT_EQ(dialogs().questions.last(), "Vil du sette varelageret til 0?");
    dialogs().yesNoAnswers = {true};
    list->SettTil01->trigger();
    EXPECT_EQ(scalar("SELECT SUM(instock) FROM product"), "0");

    sql("CREATE TABLE lager2 LIKE product");
    sql("INSERT INTO lager2 (productcode, producttext, instock) VALUES ('900', 'I lager 2', 4)");
    dialogs().inputAnswers = {"finnesikke"};
    list->SkiftLager1->trigger();
    EXPECT_EQ(products().tableName(), "product");
    EXPECT_TRUE(dialogs().lastMessage().contains("finnesikke")) << dialogs().lastMessage().toStdString();
    dialogs().inputAnswers = {"lager2"};
    list->SkiftLager1->trigger();
    EXPECT_EQ(list->windowTitle(), "Vareliste (lager2)");
    EXPECT_EQ(codes(), QStringList{"900"});
    dialogs().yesNoAnswers = {true};
    list->SettTil01->trigger();
    EXPECT_EQ(scalar("SELECT instock FROM lager2"), "0");
    list->Standardlager1->trigger();
    EXPECT_EQ(list->windowTitle(), "Vareliste (product)");
}

TEST_F(ProductWindowsTest, CopyItemsNameTheOpenDocumentThePurchaseOrderWinning)
{
    sql("INSERT INTO offer (id, ordernumber) VALUES (903, '2005')");
    sql("INSERT INTO po (id, ordernumber) VALUES (904, '3007')");
    sql("INSERT INTO orders (id, ordernumber) VALUES (905, '1009')");
    list->show();
    list->PopupMenu1Popup();
    EXPECT_FALSE(list->HentTilOrdre1->isVisible());
    EXPECT_FALSE(list->HentAlle1->isVisible());
    CurrentOrderID = 905;
    list->PopupMenu1Popup();
    EXPECT_EQ(list->HentTilOrdre1->text(), "Hent til ordre 1009 ...");
    CurrentOfferID = 903;
    CurrentPOID = 904;
    list->PopupMenu1Popup();
    EXPECT_EQ(list->HentTilOrdre1->text(), "Hent til bestilling 3007 ...");
    EXPECT_TRUE(list->HentAlle1->isVisible());
    EXPECT_EQ(list->HentAlle1->text(), "Hent alle til bestilling 3007");

    // The current product onto the order with a typed quantity.
    CurrentOfferID = 0;
    CurrentPOID = 0;
    Items_WHERE = "orderid=905";
    dm->ItemsSQLSelect();
    ASSERT_TRUE(products().locate("productcode", "100"));
    dialogs().inputAnswers = {"2,5"};
    list->HentTilOrdre1->trigger();
    EXPECT_EQ(scalar("SELECT CONCAT(productcode, ':', itemcount, ':', price, ':', sum) FROM items WHERE orderid=905"),
              "100:2.5:150:375");
}

TEST_F(ProductWindowsTest, ItemTransactionsQuoteTheProductCode)
{
    addProduct("X'1", "Rart nummer", "", "user_favorite=1");
    sql("INSERT INTO items (productcode, itemcount) VALUES ('X''1', 2), ('X', 1)");
    list->show();
    ASSERT_TRUE(products().locate("productcode", "X'1"));
    list->Varetransaksjoner1Click();
    EXPECT_EQ(Items_WHERE, "productcode='X\\'1'");
    ASSERT_TRUE(dm->ItemsQuery.isOpen());
    EXPECT_EQ(column(dm->ItemsQuery, "productcode"), QStringList{"X'1"});
}

TEST_F(ProductWindowsTest, RecordWindowComputesPricesOnSaveAndStoresPublishedAsFive)
{
    list->show();
    ASSERT_TRUE(products().locate("productcode", "100"));
    data->show();
    EXPECT_EQ(data->windowTitle(), "Varedata [" + QString::number(products().currentId()) + "]");
    EXPECT_TRUE(data->PriceEdit->isReadOnly());
    EXPECT_EQ(data->PriceEdit->text(), "150,00");
    showActive(*data);
    data->CostEdit->setFocus();
    data->CostEdit->selectAll();
    QTest::keyClicks(data->CostEdit, "200");
    data->CostEdit->commit();
    data->PublishedBox->click();
    data->Lagre1->trigger();
    EXPECT_EQ(scalar("SELECT CONCAT(price, '/', rwx_all) FROM product WHERE productcode='100'"), "300/5");
    EXPECT_EQ(data->PriceEdit->text(), "300,00");
    data->PublishedBox->click();
    data->Lagre1->trigger();
    EXPECT_EQ(scalar("SELECT rwx_all FROM product WHERE productcode='100'"), "0");
}

TEST_F(ProductWindowsTest, BarcodeFollowsTheProductCode)
{
    list->show();
    list->Alle1->trigger();
    ASSERT_TRUE(products().locate("productcode", "100"));
    data->show();
    EXPECT_EQ(data->BarcodeImage->shownText(), "1007");
    data->Nestepost1->trigger();
    EXPECT_EQ(data->BarcodeImage->shownText(), WithCheckDigit("200"));
    data->ProductCodeEdit->setText("123456789012");
    EXPECT_EQ(data->BarcodeImage->shownText(), "1234567890128");
    data->ProductCodeEdit->setText("BLÅ");
    EXPECT_TRUE(data->BarcodeImage->shownText().startsWith("Ingen strekkode"));
}

TEST_F(ProductWindowsTest, PictureIsReadOncePerRowAndABadFileKeepsTheWindowWorking)
{
    const QString dir = appData() + "/bilder";
    QDir().mkpath(dir);
    {
        MainIniSection s("STANDARD");
        SetRegStr("DOC_LOCAL", dir);
        SetRegBoolean("DOC_URL_USEIMAGES", true);
    }
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(Qt::red);
    ASSERT_TRUE(img.save(dir + "/lampe.png"));
    QFile bad(dir + "/odelagt.png");
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("dette er ikke et bilde");
    bad.close();
    sql("UPDATE product SET picture='lampe.png' WHERE productcode='100'");
    sql("UPDATE product SET picture='odelagt.png' WHERE productcode='200'");
    sql("UPDATE product SET picture='../../etc/passwd' WHERE productcode='300'");
    list->show();
    list->Alle1->trigger();
    ASSERT_TRUE(products().locate("productcode", "100"));
    auto* tec = Windows().get<TProductTecDataForm>();
    tec->show();
    EXPECT_FALSE(tec->Image1->pixmap().isNull());
    const int reads = tec->pictureReads();
    EXPECT_EQ(reads, 1);
    for (int i = 0; i < 5; ++i) tec->repaint();
    EXPECT_EQ(tec->pictureReads(), reads);
    products().next();  // the corrupt picture: the old one stays, nothing breaks
    EXPECT_EQ(tec->pictureReads(), reads + 1);
    EXPECT_FALSE(tec->Image1->pixmap().isNull());
    products().next();  // a name that leads out of the folder is not read
    EXPECT_EQ(tec->pictureReads(), reads + 1);
    EXPECT_TRUE(TProductTecDataForm::PictureFile("../../etc/passwd").isEmpty());
    EXPECT_EQ(TProductTecDataForm::PictureFile("a\\b.png"), dir + "/a/b.png");
}

TEST_F(ProductWindowsTest, StockStatusShowsProductsInStockWhileOpenAndPutsTheFilterBack)
{
    list->show();
    list->Ukurante1->trigger();
    auto* st = Windows().get<TProductStatusForm>();
    st->show();
    EXPECT_EQ(products().filter(), "instock>0");
    EXPECT_EQ(codes(), (QStringList{"100", "300"}));
    EXPECT_EQ(st->status().filtered, 1);  // the list's own filter
    EXPECT_EQ(st->lAll->text(), "3");
    EXPECT_EQ(st->lInStock->text(), "2");
    st->reject();
    EXPECT_EQ(products().filter(), "value>0 AND value<100");
    EXPECT_EQ(codes(), QStringList{"300"});
}

TEST_F(ProductWindowsTest, PrintDialogsStoreTheirSettingsAndPrintOnce)
{
    {
        MainIniSection s("STANDARD");
        SetRegStr("PDF-mappe", appData() + "/pdf/");
    }
    PrinterSetupDialog = nullptr;
    list->show();
    ASSERT_TRUE(products().locate("productcode", "100"));

    TProductLabelPrintForm label;
    label.show();
    // Never stored: the number fields are empty and the boxes unticked.
    EXPECT_TRUE(label.eBarcodeHeight->text().isEmpty());
    EXPECT_FALSE(label.cbBarcode->isChecked());
    label.cbBarcode->setChecked(true);
    label.cbProductCode->setChecked(true);
    label.eMarginLeft->setText("12");
    ASSERT_TRUE(label.UtskriftClick());
    EXPECT_TRUE(label.isVisible());  // the dialog stays open
    const QString pdf = PdfFileName("ProduktEtikett");
    ASSERT_TRUE(QFile::exists(pdf));
    QProcess info;
    info.start("pdfinfo", {pdf});
    info.waitForFinished();
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression("Pages:\\s+1\\n")));
    {
        MainIniSection s("STANDARD");
        EXPECT_EQ(GetRegStr("ProductLabelMarginLeft"), "12");
        EXPECT_TRUE(GetRegBoolean("ProductLabelPrintBarcode"));
        EXPECT_FALSE(GetRegBoolean("ProductLabelPrintPrice"));
    }
    label.close();
    label.show();
    EXPECT_EQ(label.eMarginLeft->text(), "12");
    EXPECT_TRUE(label.cbBarcode->isChecked());

    TProductPrintForm print;
    print.show();
    EXPECT_FALSE(print.cbBarCodeEAN->isEnabled());
    print.cbBarCode->setChecked(true);
    EXPECT_TRUE(print.cbBarCodeEAN->isEnabled());
    print.ModeCombo->setCurrentIndex(3);
    ASSERT_TRUE(print.UtskriftClick());
    EXPECT_FALSE(print.isVisible());
    EXPECT_TRUE(QFile::exists(PdfFileName("Lagerverdi")));
    MainIniSection s("STANDARD");
    EXPECT_EQ(GetRegInt("ProductPrintMode"), 3);
    EXPECT_TRUE(GetRegBoolean("ProductPrintBarCode"));
}
