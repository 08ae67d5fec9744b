// The preview window "Forhåndsvisning".
#include "print_fixture.h"

#include "printui/printform.h"
#include "printui/printoptionforms.h"

#include <QCheckBox>
#include <QPrinter>

#include <QAction>
#include <QApplication>
#include <QMenu>

namespace {

using Preview = PrintTest;

}  // namespace

TEST_F(Preview, ShowsTheSamePagesAsThePdfAndZoomsAndTurns)
{
    document("orders", "1001", "object_text", "'Levering avtales.'");
    QStringList values;
    for (int i = 1; i <= 90; ++i)
        values << QString("(1, 'V%1', 'Vare nummer %1', 1, 2, 'stk', '%2')").arg(i).arg(i <= 40 ? "Etg 1" : "Etg 2");
    sql("INSERT INTO items (orderid, productcode, producttext, itemcount, price, piece, mark) VALUES " +
        values.join(','));
    PrintPreView = OrderPrint(dm, OrderPrintOptions("ORDRE", true, false, false, false));
    PrinterTitle = "O1001";
    InstallPrintWindows();
    ScreenPrint();
    TPrintForm* f = PrintForm();
    ASSERT_TRUE(f->isVisible());
    EXPECT_EQ(f->windowTitle(), "Forhåndsvisning");
    QStringList captions;
    for (QAction* a : f->popupMenu()->actions()) captions << a->text();
    EXPECT_EQ(captions, (QStringList{"Oppdater", "Utskrift", "Zoom", "Roter"}));

    const int shown = f->pages().size();
    ZoomSize = 5;
    f->Refresh();
    EXPECT_EQ(f->pages()[0].size(), QSize(1050, 1485));
    if (!qEnvironmentVariableIsEmpty("KV_PRINT_SHOTS")) {
        const QString d = qEnvironmentVariable("KV_PRINT_SHOTS");
        f->resize(1100, 900);
        QApplication::processEvents();
        f->grab().save(d + "/preview.png");
        f->pages()[0].save(d + "/preview_page1.png");
    }

    // "Utskrift" prints the previewed printout under its own title; no
    // printer dialog is asked for here.
    PrinterSetupDialog = nullptr;
    f->Utskrift1Click();
    const QString file = PdfFileName("O1001");
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_EQ(pdfPages(file), shown);
    EXPECT_EQ(f->pages().size(), shown);
    if (!qEnvironmentVariableIsEmpty("KV_PRINT_SHOTS")) QFile::copy(file, qEnvironmentVariable("KV_PRINT_SHOTS") + "/O1001.PDF");

    ZoomSize = 1;
    f->Zoomut1Click();
    EXPECT_EQ(ZoomSize, 1);
    f->Zoomin1Click();
    EXPECT_EQ(ZoomSize, 2);
    EXPECT_EQ(f->pages()[0].size(), QSize(420, 594));

    f->Roter1Click();
    EXPECT_TRUE(RotatedView);
    EXPECT_EQ(f->pages()[0].size(), QSize(594, 420));
    EXPECT_EQ(GetRegStr("RotatedView"), "1");
    f->Roter1Click();
    EXPECT_EQ(GetRegStr("RotatedView"), "0");
    f->hide();
    ShowPreviewWindow = nullptr;
}

TEST_F(Preview, OrderOptionWindowSetsTheOptionsAndPrints)
{
    document("orders", "1001", "pricelock, lockedprice", "1, 250");
    line("orderid", "A1", "Kabel", 2, 100, 60);
    setSetting("ShowPriceInOrder", "1");
    struct Case {
        bool cost;
        QString heading;
        bool linePrices;
    } cases[] = {{false, "ORDRE", false}, {true, "ORDRE KOSTPRIS", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.heading.toStdString());
        TOrderPrintForm f(dm);
        f.show();
        EXPECT_EQ(f.windowTitle(), "Ordreutskrift");
        EXPECT_TRUE(f.PrintPriceCheck->isChecked());
        f.PrintCostCheck->setChecked(c.cost);
        f.BigListFont->setChecked(true);
        EXPECT_TRUE(f.BitBtn1Click());
        EXPECT_FALSE(f.isVisible());
        const QString t = pdfText(PdfFileName("O1001"));
        EXPECT_TRUE(QRegularExpression("Kvarnel Elektro AS\\s+" + c.heading + "\\n").match(t).hasMatch()) << t.toStdString();
        EXPECT_EQ(t.contains(QRegularExpression("\\bPris\\b")), c.linePrices);
        EXPECT_EQ(GetRegStr("Salgutskrift_Or_FontSize"), "9");
    }

    // A cancelled printer dialog prints nothing; the choices stay stored.
    QFile::remove(PdfFileName("O1001"));
    PrinterSetupDialog = [](QPrinter&) { return false; };
    TOfferPrintForm offer(dm);
    document("offer", "2001");
    offer.show();
    offer.PrintPriceCheck->setChecked(false);
    EXPECT_FALSE(offer.BitBtn1Click());
    EXPECT_EQ(GetRegStr("ShowPriceInOrder"), "0");
    EXPECT_FALSE(QFile::exists(PdfFileName("T2001")));
}
