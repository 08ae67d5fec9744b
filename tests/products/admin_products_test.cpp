// kvarnel-admin's product jobs: labels, product list and stock status to
// PDF with the windows' options, and EAN generation through the list's rule.
#include "print/print_fixture.h"
#include "qstring_print.h"

#include <QProcess>
#include <QTemporaryDir>

namespace {

class AdminProducts : public PrintTest {
protected:
    void SetUp() override
    {
        PrintTest::SetUp();
        const ConnectParams p = db->params();
        conn = {"--socket", p.socket, "--user", p.user, "--password", p.password, "--database", p.database};
        sql("INSERT INTO product (productcode, producttext, productgroup, instock, real_cost, price, EAN) VALUES "
            "('100101', 'Kabel 1,5', 'Kabel', 10, 5, 8, ''), ('100102', 'Kabel 2,5', 'Kabel', 4, 7.5, 12, ''), "
            "('200201', 'Bryter', 'Brytere', 2, 38, 68.4, '7000000000001'), ('99', 'Utenfor', 'Annet', 1, 1, 1, '')");
    }
    // Runs kvarnel-admin with args and the test database; the exit status.
    int admin(const QStringList& args)
    {
        QTemporaryDir home;
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("APPDATA", home.path());
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(KVARNEL_ADMIN), args + conn);
        if (!p.waitForFinished(60000)) return -1;
        output = QString::fromUtf8(p.readAllStandardOutput());
        errors = QString::fromUtf8(p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
    QStringList conn;
    QString output, errors;
};

}  // namespace

TEST_F(AdminProducts, ProductListAndStockStatusFollowTheSelectionAndMode)
{
    const QString list = tmpPath("liste.pdf");
    ASSERT_EQ(admin({"print", "productlist", "--pdf", list, "--filter", "100000-199999", "--mode", "lagerverdi"}), 0)
        << errors.toStdString();
    const QString t = words(pdfText(list)).join(' ');
    EXPECT_TRUE(t.contains("LAGERVERDI")) << t.toStdString();
    EXPECT_TRUE(t.contains("100101 Kabel 1,5 5,00 10,00 50,00")) << t.toStdString();
    EXPECT_FALSE(t.contains("Bryter"));
    EXPECT_TRUE(t.contains("Total kostpris av totalt 2 vareslag: 80,00")) << t.toStdString();

    ASSERT_EQ(admin({"print", "productlist", "--pdf", list, "--group", "Brytere", "--mode", "1"}), 0);
    const QString u = words(pdfText(list)).join(' ');
    EXPECT_TRUE(u.contains("UTPRISER"));
    EXPECT_TRUE(u.contains("200201 Bryter 68,40")) << u.toStdString();
    EXPECT_FALSE(u.contains("Kabel 1,5"));

    const QString status = tmpPath("status.pdf");
    ASSERT_EQ(admin({"print", "stockstatus", "--pdf", status}), 0);
    const QString s = words(pdfText(status)).join(' ');
    EXPECT_TRUE(s.contains("Varer i vareregisteret 4 stk")) << s.toStdString();
    EXPECT_TRUE(s.contains("Kostpris varelager 157,00 Kr")) << s.toStdString();

    // Errors: an unknown mode, a table that is no warehouse; nothing written.
    EXPECT_EQ(admin({"print", "productlist", "--pdf", tmpPath("x.pdf"), "--mode", "alt"}), 2);
    EXPECT_EQ(admin({"print", "productlist", "--pdf", tmpPath("x.pdf"), "--warehouse", "company"}), 1);
    EXPECT_TRUE(errors.contains("varelager")) << errors.toStdString();
    EXPECT_FALSE(QFile::exists(tmpPath("x.pdf")));
}

TEST_F(AdminProducts, LabelsCarryScannableBarcodesOnePerPage)
{
    const QString pdf = tmpPath("etiketter.pdf");
    ASSERT_EQ(admin({"print", "labels", "--pdf", pdf, "--group", "Kabel", "--fields", "barcode,ean,code,text"}), 0)
        << errors.toStdString();
    EXPECT_EQ(pdfPages(pdf), 2);
    for (int page = 1; page <= 2; ++page) {
        const QString base = tmpPath("side");
        QProcess::execute("pdftoppm", {"-r", "600", "-gray", "-png", "-f", QString::number(page), "-l",
                                       QString::number(page), "-singlefile", pdf, base});
        const QString scanned = run("zbarimg", {"--raw", "-q", base + ".png"}).trimmed();
        EXPECT_EQ(scanned, page == 1 ? "1001013" : "1001020");
    }
    EXPECT_EQ(admin({"print", "labels", "--pdf", pdf, "--fields", "strekkode"}), 2);
}

// --barcode and --ean put the barcode and its number on the labels, with
// or without --fields; without them (and without the fields) there is none.
TEST_F(AdminProducts, LabelBarcodeFlagsAreHonoured)
{
    struct Case {
        QStringList flags;
        bool barcode, number;
    } cases[] = {
        {{"--fields", "code,text"}, false, false},
        {{"--fields", "code,text", "--barcode"}, true, false},
        {{"--fields", "code,text", "--barcode", "--ean"}, true, true},
        {{"--barcode", "--ean"}, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags.join(' ').toStdString());
        const QString pdf = tmpPath("etikett.pdf");
        QFile::remove(pdf);
        ASSERT_EQ(admin(QStringList{"print", "labels", "--pdf", pdf, "--filter", "100101-100101"} + c.flags), 0)
            << errors.toStdString();
        const QString base = tmpPath("etikett");
        QProcess::execute("pdftoppm", {"-r", "600", "-gray", "-png", "-singlefile", pdf, base});
        const QString scanned = run("zbarimg", {"--raw", "-q", base + ".png"}).trimmed();
        EXPECT_EQ(scanned, c.barcode ? "1001013" : "");
        EXPECT_EQ(pdfText(pdf).contains("1001013"), c.number) << pdfText(pdf).toStdString();
    }
}

TEST_F(AdminProducts, GenerateEanFillsTheSelectionsEmptyEans)
{
    ASSERT_EQ(admin({"product", "generate-ean", "--filter", "100000-299999"}), 0) << errors.toStdString();
    EXPECT_TRUE(output.contains("EAN-nummer laget for 2 varer")) << output.toStdString();
    EXPECT_EQ(db->admin().scalar("SELECT GROUP_CONCAT(EAN ORDER BY productcode) FROM product"),
              "1001013,1001020,7000000000001,");
}
