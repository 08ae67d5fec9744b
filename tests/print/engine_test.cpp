// The print engine: page geometry, the line cursor, rounding, pens, the
// PDF printer, the printer dialog and jobs that fail while drawing.
#include "core/dialogs.h"
#include "core/felles.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "print/utskrift.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class Engine : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp_.isValid());
        oldAppData_ = qgetenv("APPDATA");
        qputenv("APPDATA", QFile::encodeName(tmp_.path() + "/appdata"));
        InitTextfil();
        LogToFile = true;
        OpenSettingsStore();
        for (const char* k : {"Skriver_VenstreMarg", "Skriver_ToppMarg", "Skriver_HoyreMarg", "Skriver_BunnMarg"})
            SetRegInt(k, 25);
        SetRegStr("PDF-mappe", tmp_.path() + "/pdf/");
        PrinterTitle.clear();
        SelectedPrinter.clear();
        PrinterSetupDialog = nullptr;
        PrintPreView = nopaint;
    }
    void TearDown() override
    {
        PrintPreView = nopaint;
        PrinterSetupDialog = nullptr;
        PrinterTitle.clear();
        CloseSettingsStore();
        qputenv("APPDATA", oldAppData_);
    }
    // Runs body inside a preview rendering at zoom 5, where the page is
    // computed as for the screen.
    static void onPreviewPage(const std::function<void()>& body)
    {
        PrintPreView = body;
        RenderPreviewPages(5, false);
    }
    static QString pdfText(const QString& file)
    {
        QProcess p;
        p.start("pdftotext", {"-layout", file, "-"});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    QString dir() const { return tmp_.path(); }

    ScriptedDialogs dialogs;

private:
    QTemporaryDir tmp_;
    QByteArray oldAppData_;
};

}  // namespace

TEST_F(Engine, PageGeometryOnScreenWithMargins25)
{
    PixRect view;
    int xc = 0, xe = 0, ye = 0, xp = 0, yp = 0;
    double pix = 0;
    onPreviewPage([&] {
        view = PView;
        xc = XCenter;
        xe = XplussEnd;
        ye = YplussEnd;
        xp = Xpluss;
        yp = Ypluss;
        pix = PixPrMM;
    });
    EXPECT_EQ(pix, 5);
    EXPECT_EQ(view, (PixRect{125, 125, 924, 1359}));
    EXPECT_EQ(xc, 80);
    EXPECT_EQ(xe, 185);
    EXPECT_EQ(ye, 272);
    EXPECT_EQ(xp, 25);
    EXPECT_EQ(yp, 25);
}

TEST_F(Engine, RoundingTakesHalvesToEvenAndRefusesHugeLengths)
{
    struct Case {
        double in;
        int out;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {2.4999, 2}, {25.5, 26}, {26.5, 26}};
    for (const Case& c : cases) EXPECT_EQ(rnd(c.in), c.out) << c.in;
    EXPECT_THROW(rnd(3e9), PrintRangeError);
    EXPECT_THROW(rnd(std::nan("")), PrintRangeError);
}

TEST_F(Engine, LineCursorAndEndOfPage)
{
    onPreviewPage([&] {
        Yheight = 3;
        Ypluss = 24;
        Linjened(0.5);
        EXPECT_EQ(Ypluss, 26);
        Ypluss = 25;
        Linjened(0.5);
        EXPECT_EQ(Ypluss, 26);
        LinjeOpp(2);
        EXPECT_EQ(Ypluss, 20);

        // The bottom margin edge is pixel row 1359: 271.8 mm.
        Ypluss = 271;
        EXPECT_FALSE(EndOfPage(0));
        Ypluss = 272;
        EXPECT_TRUE(EndOfPage(0));
        Ypluss = 265;
        EXPECT_TRUE(EndOfPage(3));
        EXPECT_FALSE(EndOfPage(2));

        setXPluss(10);
        setYPluss(7);
        EXPECT_EQ(Xpluss, 35);
        EXPECT_EQ(Ypluss, 32);
        NextPage();
        EXPECT_EQ(Xpluss, 25);
        EXPECT_EQ(Ypluss, 25);
    });
}

TEST_F(Engine, PenWidthInThirdsOfAMillimetreAtLeastOnePixel)
{
    std::vector<int> widths;
    onPreviewPage([&] {
        for (int w : {0, 1, 3}) {
            SetPen(w);
            widths.push_back(PrintCanvas->pen().width());
        }
    });
    EXPECT_EQ(widths, (std::vector<int>{1, 2, 6}));  // rnd(5 / 3) = 2 pixels per third
}

TEST_F(Engine, TextPositionsWidthsAndLineHeight)
{
    onPreviewPage([&] {
        SetFont("Arial", 10);
        // 10 points is 3.53 mm: a line of Arial is 4 mm.
        EXPECT_EQ(Yheight, 4);
        MaxXWidth = 0;
        const int w = TextWidthMM("Kvarnel");
        EXPECT_GT(w, 8);
        EXPECT_LT(w, 20);
        WriteFromLeft(0, "Kvarnel");
        EXPECT_EQ(MaxXWidth, w);
        IncYOn = true;
        const int y = Ypluss;
        EXPECT_TRUE(OkPrintNext("a"));
        EXPECT_EQ(Ypluss, y + 4);
        Ypluss = 268;
        EXPECT_FALSE(OkPrintNext("b"));
        IncYOn = false;
    });
}

TEST_F(Engine, FontsResolveToTheirMetricTwins)
{
    InstallFontSubstitutes();
    struct Case {
        const char *name, *family;
    } cases[] = {{"Arial", "Liberation Sans"}, {"Times New Roman", "Liberation Serif"}, {"Courier New", "Liberation Mono"}};
    for (const Case& c : cases) EXPECT_EQ(QFontInfo(QFont(c.name)).family(), c.family) << c.name;
}

TEST_F(Engine, PdfPrinterWritesTheJobTitleFileAndTheTestPrintout)
{
    PrinterTitle = "Test/utskrift";
    ASSERT_TRUE(LPTPrint());
    const QString file = dir() + "/pdf/Test_utskrift.PDF";
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_TRUE(PrinterTitle.isEmpty());
    EXPECT_FALSE(QFile::exists(file + ".part"));
    if (!qEnvironmentVariableIsEmpty("KV_PRINT_SHOTS")) QFile::copy(file, qEnvironmentVariable("KV_PRINT_SHOTS") + "/test.PDF");
    const QString t = pdfText(file);
    for (const char* s : {"Test utskrift", "TESTING", "Testing 1234", "Samme vertikale linje", "tegningskilde: TEST",
                          "123456789012345678901234567890", "Dette er en test 123 ÆØÅ", "Rotert"})
        EXPECT_TRUE(t.contains(QString::fromUtf8(s))) << s;
    EXPECT_EQ(PrintCanvas, nullptr);
    EXPECT_FALSE(PrintOutPut);

    // Without a title the job is "utskrift".
    ASSERT_TRUE(LPTPrint());
    EXPECT_TRUE(QFile::exists(dir() + "/pdf/utskrift.PDF"));
}

TEST_F(Engine, CancelledPrinterDialogPrintsNothing)
{
    int asked = 0;
    PrinterSetupDialog = [&](QPrinter& p) {
        ++asked;
        EXPECT_EQ(p.outputFileName(), dir() + "/pdf/O1001.PDF");
        return false;
    };
    PrinterTitle = "O1001";
    EXPECT_FALSE(LPTPrint());
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(PrinterTitle, "O1001");
    EXPECT_FALSE(QFile::exists(dir() + "/pdf/O1001.PDF"));

    // "Direkte utskrift" skips the dialog.
    SetRegInt("Skriver_VisDialog", 1);
    EXPECT_TRUE(LPTPrint());
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(QFile::exists(dir() + "/pdf/O1001.PDF"));
}

TEST_F(Engine, JobThatFailsWhileDrawingIsEndedAndLeavesTheOldFile)
{
    const QString file = dir() + "/pdf/O7.PDF";
    QDir().mkpath(dir() + "/pdf");
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old");
    }
    PrintPreView = [] {
        PrintXY(10, 10, "halvveis");
        NextPage();
        PrintXY(int(3e9 / 1000), 0, "for langt");
        PrintLine(0, 0, 2000000000, 0);
    };
    PrinterTitle = "O7";
    EXPECT_FALSE(LPTPrint());
    EXPECT_EQ(PrintCanvas, nullptr);
    EXPECT_FALSE(PrintOutPut);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "old");
    EXPECT_FALSE(QFile::exists(file + ".part"));

    // The next job runs normally.
    PrintPreView = [] { PrintXY(10, 10, "neste jobb"); };
    PrinterTitle = "O7";
    EXPECT_TRUE(LPTPrint());
    EXPECT_TRUE(pdfText(file).contains("neste jobb"));
}

TEST_F(Engine, UnwritableFolderReportsThatTheCanvasCannotBeMade)
{
    PrintPreView = [] { PrintXY(0, 0, "x"); };
    EXPECT_FALSE(PrintToPdfFile("/proc/nope/x.pdf"));
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back().text, "Kan ikke opprette nytt printcanvas");
    EXPECT_EQ(dialogs.messages.back().caption, "FEIL");
    EXPECT_EQ(PrintCanvas, nullptr);
}

TEST_F(Engine, PreviewHasThePagesOfThePrinterAndScalesWithZoom)
{
    PrintPreView = [] {
        for (int p = 0; p < 3; ++p) {
            if (p) NextPage();
            PrintMiniHeader(QString("Side %1").arg(p + 1), true);
        }
    };
    const auto small = RenderPreviewPages(2, false);
    ASSERT_EQ(small.size(), 3);
    EXPECT_EQ(small[0].size(), QSize(420, 594));
    const auto turned = RenderPreviewPages(2, true);
    EXPECT_EQ(turned[0].size(), QSize(594, 420));
    PrinterTitle = "sider";
    ASSERT_TRUE(LPTPrint());
    QProcess p;
    p.start("pdfinfo", {dir() + "/pdf/sider.PDF"});
    p.waitForFinished();
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardOutput()).contains(QRegularExpression("Pages:\\s+3")));
    // Something was drawn on every page.
    for (const QImage& img : small) {
        bool ink = false;
        for (int y = 0; y < img.height() && !ink; ++y)
            for (int x = 0; x < img.width() && !ink; ++x) ink = img.pixel(x, y) != qRgb(255, 255, 255);
        EXPECT_TRUE(ink);
    }
}
