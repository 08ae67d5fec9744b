// The order and invoice list printouts, and headless printing.
#include "print_fixture.h"

#include "data/privateserver.h"

#include <QProcess>
#include <QTemporaryDir>

namespace {

using Lists = PrintTest;

// Runs "kvarnel-admin args…" (args[0] is the program's name) and returns
// its exit status; its settings live in a folder of their own.
int AdminPrint(const QStringList& args)
{
    QTemporaryDir home;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("APPDATA", home.path());
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(KVARNEL_ADMIN), args.mid(1));
    if (!p.waitForFinished(60000)) return -1;
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

}  // namespace

TEST_F(Lists, OrderListFollowsFilterAndSortAndKeepsTheCurrentRow)
{
    sql("INSERT INTO orders (id, companyid, ordernumber, orderdate, subject, status, ordertotal) VALUES "
        "(1, 2, '1001', '2026-10-26', 'El-anlegg', 'Pågående', 1000.5),"
        "(2, 2, '1002', '2026-11-04', 'Service', 'Ferdig', 250),"
        "(3, 2, '1003', '2026-11-25', 'LED-belysning', 'Pågående', 99.25)");
    Dataset& o = dm.OrderTable;
    o.setFilter("status='Pågående'");
    o.setOrder("ordernumber DESC");
    ASSERT_TRUE(o.open());
    ASSERT_TRUE(o.locate("ordernumber", "1001"));
    const int row = o.recNo();

    PrinterTitle = "Ordreliste";
    PrintPreView = OrderListPrint(dm);
    ASSERT_TRUE(LPTPrint());
    EXPECT_EQ(o.recNo(), row);
    const QString t = pdfText(PdfFileName("Ordreliste"));
    const QStringList w = words(t);
    EXPECT_TRUE(t.contains("Ordreliste"));
    EXPECT_TRUE(QRegularExpression("Nummer\\s+Dato\\s+Navn\\s+Tekst\\s+Status\\s+Pris eks\\. mva").match(t).hasMatch());
    EXPECT_TRUE(QRegularExpression("1003\\s+25\\.11\\.2026\\s+Bragernes Eiendom AS\\s+LED-belysning\\s+Pågående\\s+99\\.25")
                    .match(t)
                    .hasMatch());
    EXPECT_LT(t.indexOf("1003"), t.indexOf("1001"));
    EXPECT_FALSE(t.contains("1002"));
    EXPECT_TRUE(QRegularExpression("Total utpris eks\\. mva av totalt 2 poster:\\s+1099\\.75").match(t).hasMatch());
}

TEST_F(Lists, EmptyInvoiceListPrintsHeadingsAndAZeroTotal)
{
    ASSERT_TRUE(dm.InvoiceTable.open());
    PrinterTitle = "Fakturaliste";
    PrintPreView = InvoiceListPrint(dm);
    ASSERT_TRUE(LPTPrint());
    const QString t = pdfText(PdfFileName("Fakturaliste"));
    EXPECT_TRUE(t.contains("Fakturaliste"));
    EXPECT_TRUE(t.contains("Pris eks. mva")) << t.toStdString();
    EXPECT_TRUE(QRegularExpression("av totalt 0 poster:\\s+0\\.00").match(t).hasMatch());
}

TEST_F(Lists, LongListContinuesWithHeadings)
{
    QStringList v;
    for (int i = 1; i <= 120; ++i) v << QString("(%1, 2, '%2', 'Pågående', 10)").arg(i).arg(1000 + i);
    sql("INSERT INTO invoice (id, companyid, ordernumber, status, ordertotal) VALUES " + v.join(','));
    ASSERT_TRUE(dm.InvoiceTable.open());
    PrinterTitle = "Fakturaliste";
    PrintPreView = InvoiceListPrint(dm);
    ASSERT_TRUE(LPTPrint());
    const QString file = PdfFileName("Fakturaliste");
    ASSERT_EQ(pdfPages(file), 2);
    for (int p = 1; p <= 2; ++p) EXPECT_TRUE(pdfText(file, p).contains("Pris eks. mva"));
    EXPECT_TRUE(QRegularExpression("av totalt 120 poster:\\s+1200\\.00").match(pdfText(file, 2)).hasMatch());
}

TEST_F(Lists, AdminPrintsDocumentsAndListsToPdf)
{
    sql("INSERT INTO orders (id, companyid, userid, ordernumber, orderdate, subject) VALUES "
        "(1, 2, 4, '1001', '2026-11-04', 'Nye utestikk')");
    line("orderid", "300301", "Stikkontakt dobbel", 1, 100, 60, 0);
    line("orderid", "300302", "Stikkontakt utendørs", 2, 100, 60, 2);
    const ConnectParams p = db->params();
    const QStringList conn = {"--socket", p.socket, "--user", p.user, "--password", p.password, "--database", p.database};
    struct Case {
        QStringList what;
        QString expect;
    } cases[] = {{{"order", "1001"}, "ORDRE"},
                 {{"delivery", "1001"}, "PAKKSEDDEL"},
                 {{"picking", "1001"}, "PLUKKLISTE"},
                 {{"orderlist"}, "Ordreliste"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expect.toStdString());
        const QString file = tmpPath(c.expect + ".pdf");
        EXPECT_EQ(AdminPrint(QStringList{"kvarnel-admin", "print"} + c.what + QStringList{"--pdf", file} + conn), 0);
        EXPECT_TRUE(pdfText(file).contains(c.expect));
        if (!qEnvironmentVariableIsEmpty("KV_PRINT_SHOTS")) QFile::copy(file, qEnvironmentVariable("KV_PRINT_SHOTS") + "/" + c.expect + ".pdf");
    }
    EXPECT_TRUE(QRegularExpression("300\\.00\\s+49\\.00\\s+349\\.00").match(pdfText(tmpPath("ORDRE.pdf"))).hasMatch());
    EXPECT_EQ(pdfInfo(tmpPath("ORDRE.pdf"), "Title"), "O1001");

    // An unknown number or kind writes nothing.
    EXPECT_EQ(AdminPrint(QStringList{"kvarnel-admin", "print", "order", "999", "--pdf", tmpPath("x.pdf")} + conn), 1);
    EXPECT_EQ(AdminPrint({"kvarnel-admin", "print", "brev", "1", "--pdf", tmpPath("x.pdf")}), 2);
    EXPECT_FALSE(QFile::exists(tmpPath("x.pdf")));
}
