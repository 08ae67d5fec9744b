// The GS1-128 product barcode: encoded symbols, and labels printed to PDF,
// rendered with pdftoppm and read back with zbarimg.
#include "print/print_fixture.h"
#include "qstring_print.h"

#include "print/barcode.h"
#include "print/productprint.h"

#include <QDir>
#include <QFileInfo>

TEST(Code128, SymbolsHaveTheStandardShape)
{
    // Every value is 11 modules, the stop 13; set C packs digit pairs.
    struct Case {
        const char* data;
        std::vector<int> values;  // start, FNC1, data, check, stop
    };
    const Case cases[] = {
        // Start C, FNC1, 12 34 56 78 90 12, Code B, '8', check, stop.
        {"1234567890128", {105, 102, 12, 34, 56, 78, 90, 12, 100, 24, 0, 106}},
        // Start B, FNC1, 'A' 'B' 'C' '1'.
        {"ABC1", {104, 102, 33, 34, 35, 17, 0, 106}},
        // A backslash is data, not an escape.
        {"A\\1", {104, 102, 33, 60, 17, 0, 106}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.data);
        const Code128Symbol s = EncodeCode128(QString::fromLatin1(c.data), true);
        ASSERT_TRUE(s.ok);
        std::vector<int> want = c.values;
        long sum = want[0];
        for (size_t i = 1; i + 2 < want.size(); ++i) sum += long(i) * want[i];
        want[want.size() - 2] = int(sum % 103);
        EXPECT_EQ(s.values, want);
        EXPECT_EQ(s.moduleCount(), int(11 * (s.values.size() - 1) + 13));
    }
}

TEST(Code128, CharactersOutsideGs1GetNoSymbolAndAReason)
{
    for (const QString& t : {QStringLiteral("KAFFE-Ø"), QStringLiteral("Blåbær"), QStringLiteral("A\tB"),
                             QStringLiteral("é")}) {
        const Code128Symbol s = EncodeCode128(t, true);
        EXPECT_FALSE(s.ok) << t.toStdString();
        EXPECT_TRUE(s.modules.empty());
        EXPECT_TRUE(s.error.startsWith("Ingen strekkode")) << s.error.toStdString();
    }
}

class BarcodePrintTest : public PrintTest {
protected:
    // The codes zbarimg finds on the first page of pdf.
    QStringList scan(const QString& pdf)
    {
        const QString base = tmpPath("scan");
        QProcess::execute("pdftoppm", {"-r", "600", "-gray", "-png", "-f", "1", "-l", "1", pdf, base});
        QDir dir(QFileInfo(base).path());
        const QStringList pngs = dir.entryList({"scan*.png"});
        if (pngs.isEmpty()) return {"(ingen side)"};
        const QString png = dir.filePath(pngs.first());
        const QString out = run("zbarimg", {"--raw", "-q", png});
        for (const QString& p : pngs) QFile::remove(dir.filePath(p));
        return out.split('\n', Qt::SkipEmptyParts);
    }
    QString label(const QString& code, const LabelOptions& o)
    {
        LabelProduct p;
        p.productcode = code;
        p.producttext = "Testvare";
        p.productgroup = "Gruppe";
        p.price = 1234.5;
        const QString pdf = tmpPath("label.pdf");
        PrintPreView = ProductPrintLabel(p, o);
        PrinterTitle = "ProduktEtikett";
        EXPECT_TRUE(PrintToPdfFile(pdf));
        return pdf;
    }
    static LabelOptions withBarcode(bool ean)
    {
        LabelOptions o;
        o.MarginLeft = 10;
        o.MarginTop = 10;
        o.BarcodeHeight = 12;
        o.PosTop = 25;
        o.PrintBarcode = true;
        o.PrintBarcodeEAN = ean;
        o.PrintProductCode = true;
        return o;
    }
};

TEST_F(BarcodePrintTest, LabelsScanAsTheCodeWithItsCheckDigit)
{
    struct Case {
        const char* code;
        const char* scanned;
    };
    const Case cases[] = {
        {"123456789012", "1234567890128"},
        {"9638507", "96385074"},
        {"100101", "1001013"},
        {"ABC-12", "ABC-12"},
        {"A\\B", "A\\B"},
        {"Kabel 3x1,5", "Kabel 3x1,5"},
        {"7", "7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const QString full = MakeProductBarcode(c.code).fullEncoded;
        ASSERT_TRUE(full.startsWith(QString::fromLatin1(c.scanned)));
        const QString pdf = label(c.code, withBarcode(true));
        EXPECT_EQ(scan(pdf), QStringList{full});
        // The human-readable text under the bars.
        EXPECT_TRUE(pdfText(pdf).contains(full));
    }
}

TEST_F(BarcodePrintTest, ACodeWithoutASymbolPrintsTheReasonAndNoBars)
{
    const QString pdf = label("KAFFE-Ø", withBarcode(true));
    EXPECT_TRUE(scan(pdf).isEmpty());
    EXPECT_TRUE(pdfText(pdf).contains("Ingen strekkode")) << pdfText(pdf).toStdString();
    EXPECT_TRUE(pdfText(pdf).contains("KAFFE-Ø"));
}

TEST_F(BarcodePrintTest, LabelLinesFollowTheBoxes)
{
    LabelOptions o;
    o.PrintProductCode = true;
    o.PrintPrice = true;
    const QString text = pdfText(label("4711", o));
    EXPECT_TRUE(scan(tmpPath("label.pdf")).isEmpty());
    const QStringList lines = text.split('\n', Qt::SkipEmptyParts);
    QStringList nonBlank;
    for (const QString& l : lines)
        if (!l.trimmed().isEmpty()) nonBlank << l.simplified();
    EXPECT_EQ(nonBlank, (QStringList{"4711", "Pris: 1 234,50"}));
    EXPECT_EQ(pdfPages(tmpPath("label.pdf")), 1);

    // A barcode height of 0 gives bars three lines high and still scans.
    LabelOptions z = withBarcode(false);
    z.BarcodeHeight = 0;
    EXPECT_EQ(scan(label("123456789012", z)), QStringList{"1234567890128"});
}
