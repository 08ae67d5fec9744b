// The income statement read back from its PDF: groups, result, percentages,
// the VAT lines of the short balance, page breaks, and kvarnel-admin.
#include "print_fixture.h"

#include "print/accountprint.h"

#include <QProcess>
#include <QTemporaryDir>

namespace {

class IncomeStatementTest : public PrintTest {
protected:
    void account(int number, const QString& name, double sum, double budget, int vatcode = 0)
    {
        sql(QStringLiteral("INSERT INTO accounts (account, accountname, `sum`, budget, vatcode) VALUES (%1, '%2', %3, "
                           "%4, %5)")
                .arg(number)
                .arg(name, SqlNum(sum), SqlNum(budget))
                .arg(vatcode));
    }
    QString printed()
    {
        IncomeStatement st;
        EXPECT_TRUE(ReadIncomeStatement(dm.MyConnection, st));
        return print(PrintAccountResult(st), "Resultatregnskap");
    }
    // The line that starts with the first word of phrase, squeezed.
    static QString lineWith(const QString& text, const QString& start)
    {
        for (const QString& l : text.split('\n')) {
            const QString s = l.simplified();
            if (s.startsWith(start)) return s;
        }
        return {};
    }
};

} // namespace

TEST_F(IncomeStatementTest, GroupsResultAndVatFollowTheStoredBalances)
{
    account(3000, "Salgsinntekt, avgiftspliktig", -1000, -2000, 4);
    account(3100, "Salgsinntekt, avgiftsfri", -500, 0);
    account(4300, "Innkjøp av varer", 400, 500, 1);
    account(5500, "Lønn", 999, 1000);  // in no group
    account(6300, "Leie lokaler", 200, 250);
    account(1500, "Kundefordringer", 1234.5, 0);
    account(1920, "Bank drift", 800, 0);
    account(1921, "Bank skatt", 111, 0);
    account(2740, "Oppgjørskonto mva", -50, 0);
    setSetting("PosteringKontoBank", "1920");

    const QString file = printed();
    const QString t = pdfText(file);
    struct Expect {
        const char* start;
        const char* line;
    } expected[] = {
        {"REGNSKAP I PERIODEN", nullptr},
        {"nr. tekst", "nr. tekst sum budsjett %"},
        {"3000", "3000 Salgsinntekt, avgiftspliktig -1000.00 -2000.00 50.0"},
        {"3100", "3100 Salgsinntekt, avgiftsfri -500.00 0.00 0.0"},
        {"salg", "salg -1500.00 -2000.00 75.0"},
        {"varekjøp", "varekjøp 400.00 500.00 80.0"},
        {"andre kostnader", "andre kostnader 200.00 250.00 80.0"},
        {"RESULTAT", "RESULTAT -900.00 -1250.00 72.0"},
        {"1500 Kundefordringer", "1500 Kundefordringer 1234.50"},
        {"1921 Bankkonto", "1921 Bankkonto 800.00"},  // the account the settings name, under the fixed text
        {"2700", "2700 Utgående mva -250.00"},
        {"2710", "2710 Inngående mva 100.00"},
        {"2740", "2740 Oppgjørskonto mva -50.00"},
        {"Skyldig mva", "Skyldig mva -200.00"},
        {"EGENKAPITAL", "EGENKAPITAL 1834.50"},
    };
    for (const Expect& e : expected) {
        SCOPED_TRACE(e.start);
        const QString l = lineWith(t, QString::fromUtf8(e.start));
        ASSERT_FALSE(l.isEmpty()) << t.toStdString();
        if (e.line) {
            EXPECT_EQ(l, QString::fromUtf8(e.line));
        }
    }
    EXPECT_FALSE(t.contains("5500"));
    EXPECT_FALSE(t.contains("Lønn"));
}

TEST_F(IncomeStatementTest, LongChartContinuesOnNewPagesWithTheHeading)
{
    for (int i = 0; i < 150; ++i) account(6000 + i, QStringLiteral("Kostnad %1").arg(i), 10, 20);
    const QString file = printed();
    const int pages = pdfPages(file);
    ASSERT_GE(pages, 3);
    int lines = 0;
    for (int p = 1; p <= pages; ++p) {
        SCOPED_TRACE(p);
        const QString t = pdfText(file, p);
        if (p < pages || t.contains("Kostnad")) {
            EXPECT_FALSE(lineWith(t, "nr. tekst").isEmpty());
        }
        for (const QString& l : t.split('\n'))
            if (l.simplified().contains(QRegularExpression("^6\\d\\d\\d Kostnad"))) ++lines;
    }
    EXPECT_EQ(lines, 150);  // every account once, none lost at a page end
    EXPECT_EQ(lineWith(pdfText(file, pages), "EGENKAPITAL"), "EGENKAPITAL 0.00");
    bool result = false;
    for (int p = 1; p <= pages; ++p) result = result || lineWith(pdfText(file, p), "RESULTAT") == "RESULTAT 1500.00 3000.00 50.0";
    EXPECT_TRUE(result);
}

TEST_F(IncomeStatementTest, KvarnelAdminPrintsTheSameStatement)
{
    account(3000, "Salg", -100, -400, 4);
    QTemporaryDir home;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("APPDATA", home.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    const ConnectParams c = db->params();
    const QString pdf = home.path() + "/res.pdf";
    p.start(QStringLiteral(KVARNEL_ADMIN), {"print", "income-statement", "--pdf", pdf, "--socket", c.socket, "--user",
                                            c.user, "--password", c.password, "--database", c.database});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QString t = pdfText(pdf);
    EXPECT_EQ(lineWith(t, "salg"), "salg -100.00 -400.00 25.0");
    EXPECT_EQ(lineWith(t, "2700"), "2700 Utgående mva -25.00");
}
