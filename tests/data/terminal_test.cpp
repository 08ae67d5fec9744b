// The handheld terminal: line splitting, stock and document targets, the
// error file and its re-run, and that no file is ever counted twice.
#include "rules_fixture.h"

#include "core/cp1252.h"
#include "data/itemcopy.h"
#include "data/rules.h"
#include "data/terminal.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class TerminalTest : public RulesTest {
protected:
    void SetUp() override
    {
        RulesTest::SetUp();
        setup.folder = dir.path() + "/";
        sql("INSERT INTO product (id, productcode, EAN, producttext, price, instock) VALUES "
            "(501, '300301', '7038010000010', 'Stikkontakt', 100, 10), (502, '300302', '', 'Bryter', 50, 5)");
    }
    void terminalFile(const QStringList& lines) { ASSERT_EQ(WriteCp1252Lines(setup.sourcePath(), lines), 0); }
    QString stock() { return scalar("SELECT GROUP_CONCAT(instock ORDER BY id) FROM product WHERE id IN (501, 502)"); }
    QStringList errorFile()
    {
        QStringList l;
        ReadCp1252Lines(setup.errorPath(), l);
        return l;
    }
    QTemporaryDir dir;
    TerminalSetup setup;
};

} // namespace

TEST(TerminalLineTest, CodeQuantityAndTheRestIgnored)
{
    struct Case {
        const char *line, *sep, *code, *quantity;
        bool found;
    } cases[] = {
        {"3003011,3", ",", "3003011", "3", true},
        {"3003011,2,5,kommentar", ",", "3003011", "2", true},
        {"3003011;2,5", ";", "3003011", "2,5", true},
        {"3003011\t4", "\t", "3003011", "4", true},
        {"3003011 4", " ", "3003011", "4", true},
        {"uten skille", ";", "", "", false},
        {"3003011,", ",", "3003011", "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const TerminalLine l = ConvertTerminalLine(QString::fromUtf8(c.line), QString::fromUtf8(c.sep));
        EXPECT_EQ(l.code, QString::fromUtf8(c.code));
        EXPECT_EQ(l.quantity, QString::fromUtf8(c.quantity));
        EXPECT_EQ(l.separatorFound, c.found);
    }
}

TEST_F(TerminalTest, StockModesFindCodesAndEanAndNeverCountAFileTwice)
{
    struct Case {
        int mode;
        const char* stock;
    } cases[] = {{2, "13,7"}, {1, "7,3"}, {0, "3,2"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        sql("UPDATE product SET instock=IF(id=501, 10, 5)");
        // A scanned product code carries a check digit; an EAN is whole.
        terminalFile({"3003019,3", "3003024,2", "9999999,1", "feil linje"});
        QFile::remove(setup.errorPath());
        TerminalResult r;
        ASSERT_TRUE(ReadTerminalToStock(dm.MyConnection, setup, c.mode, r)) << r.error.toStdString();
        EXPECT_EQ(stock(), c.stock);
        EXPECT_EQ(r.applied, 2);
        EXPECT_TRUE(r.messages.contains("Finner ikke varenummer eller EAN-nummer 9999999, 1 ENH"));
        EXPECT_TRUE(r.messages.contains("FEIL I LINJE: feil linje"));
        EXPECT_EQ(errorFile(), QStringList{"9999999,1"});
        // Neither deleted nor archived, the applied file stays; reading it
        // again changes nothing.
        EXPECT_TRUE(QFile::exists(setup.sourcePath()));
        EXPECT_TRUE(r.archivedAs.isEmpty());
        TerminalResult again;
        EXPECT_FALSE(ReadTerminalToStock(dm.MyConnection, setup, c.mode, again));
        EXPECT_TRUE(again.alreadyRead);
        EXPECT_EQ(stock(), c.stock);
    }
    EXPECT_NE(scalar("SELECT lastorder IS NOT NULL AND lastsale IS NOT NULL FROM product WHERE id=501"), "0");
}

// "Slett fil etter innlasting" and "Lag arkivkopi" do what they say and no
// more: the file goes only when it is to be deleted, a dated copy is made
// only when asked for, and a file is never applied twice either way. A new
// file from the terminal under the same name is read.
TEST_F(TerminalTest, DeleteAndArchiveCopyOnlyWhenChosen)
{
    struct Case {
        bool deleteOnDone, saveCopy;
        bool fileStays, copyMade;
    } cases[] = {{false, false, true, false}, {false, true, true, true}, {true, false, false, false}, {true, true, false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("slett %1, arkivkopi %2").arg(c.deleteOnDone).arg(c.saveCopy).toStdString());
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        sql("UPDATE product SET instock=IF(id=501, 10, 5)");
        setup.deleteOnDone = c.deleteOnDone;
        setup.saveCopy = c.saveCopy;
        terminalFile({"3003019,3"});
        TerminalResult r;
        ASSERT_TRUE(ReadTerminalToStock(dm.MyConnection, setup, 2, r)) << r.error.toStdString();
        EXPECT_EQ(QFile::exists(setup.sourcePath()), c.fileStays);
        EXPECT_EQ(!r.archivedAs.isEmpty() && QFile::exists(r.archivedAs), c.copyMade);
        if (c.copyMade) {
            QStringList copy;
            ASSERT_EQ(ReadCp1252Lines(r.archivedAs, copy), 0);
            EXPECT_EQ(copy, QStringList{"3003019,3"});
        }
        EXPECT_EQ(QDir(dir.path()).entryList({"*FORM.DAT"}, QDir::Files).size(), int(c.fileStays) + int(c.copyMade));
        TerminalResult again;
        EXPECT_FALSE(ReadTerminalToStock(dm.MyConnection, setup, 2, again));
        EXPECT_EQ(stock(), "13,5");
        // The terminal writes a new file: it is read.
        terminalFile({"3003019,1"});
        ASSERT_TRUE(ReadTerminalToStock(dm.MyConnection, setup, 2, r)) << r.error.toStdString();
        EXPECT_EQ(stock(), "14,5");
    }
}

// A count that is not plainly one number from 0 to a million leaves its line
// out, named by its number, and keeps it in the error file; the other lines
// are applied.
TEST_F(TerminalTest, MalformedCountsAreLeftOutAndKept)
{
    terminalFile({"3003019,1e308", "3003019,0x10", "3003024,-3", "3003019,12 34", "3003019;2", "3003019,2",
                  "3003024,1,5", "3003019,2000000"});
    TerminalResult r;
    ASSERT_TRUE(ReadTerminalToStock(dm.MyConnection, setup, 2, r)) << r.error.toStdString();
    EXPECT_EQ(stock(), "12,6");  // 2 added to 501, 1 to 502 ("1,5": the second comma ends the count)
    EXPECT_EQ(r.applied, 2);
    EXPECT_EQ(r.skipped, 5);
    for (const char* m : {"linje 1: antallet «1e308» er ikke et tall", "linje 2: antallet «0x10» er ikke et tall",
                          "linje 3: antallet «-3» kan ikke være negativ", "linje 4: antallet «12 34» har blanke tegn som ikke skiller tusener",
                          "linje 8: antallet «2000000» er ikke mellom 0 og 1000000"})
        EXPECT_TRUE(r.messages.contains(QString::fromUtf8(m))) << m << "\n" << r.messages.join('\n').toStdString();
    EXPECT_EQ(errorFile(), (QStringList{"3003019,1e308", "3003019,0x10", "3003024,-3", "3003019,12 34", "3003019,2000000"}));
}

TEST_F(TerminalTest, ErrorListRunsAgainOnceTheProductExists)
{
    terminalFile({"7038010000010,2", "NY1234,4"});
    TerminalResult r;
    setup.deleteOnDone = true;
    ASSERT_TRUE(ReadTerminalToStock(dm.MyConnection, setup, 2, r));
    EXPECT_EQ(stock(), "12,5");
    EXPECT_EQ(errorFile(), QStringList{"NY1234,4"});
    EXPECT_TRUE(r.archivedAs.isEmpty());

    // A terminal file still waiting stops the re-run; then the product is made.
    terminalFile({"3003019,1"});
    QString why;
    EXPECT_FALSE(ErrorFileToTerminalFile(setup, why));
    ASSERT_TRUE(ReadTerminalToStock(dm.MyConnection, setup, 2, r));
    EXPECT_EQ(errorFile(), QStringList{"NY1234,4"});  // not applied yet, so kept
    sql("INSERT INTO product (id, productcode, EAN) VALUES (503, 'X', 'NY1234')");
    ASSERT_TRUE(ErrorFileToTerminalFile(setup, why)) << why.toStdString();
    ASSERT_TRUE(ReadTerminalToStock(dm.MyConnection, setup, 2, r));
    EXPECT_EQ(scalar("SELECT instock FROM product WHERE id=503"), "4");
    EXPECT_FALSE(QFile::exists(setup.errorPath()));
}

TEST_F(TerminalTest, DocumentLinesReplacedOnlyForAnOpenDocumentWithAFile)
{
    InstallRecordRules(dm);
    sql("INSERT INTO orders (id, ordernumber, companyid) VALUES (1, '1001', 0), (2, '1002', 0)");
    sql("INSERT INTO items (orderid, productcode, itemcount) VALUES (1, 'GAMMEL', 1), (2, 'ANNEN', 1)");
    dm.OrderTable.setFilter("id=1");
    ASSERT_TRUE(dm.TableOpen(dm.OrderTable));
    CurrentOrderID = 1;
    Items_WHERE = "orderid=1";
    dm.ItemsSQLSelect();

    // No file: nothing is deleted. No document: nothing either.
    TerminalResult r;
    EXPECT_FALSE(ReadTerminalToItems(dm, setup, 1, 0, 1, r));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM items"), "2");
    terminalFile({"300301,2", "7038010000010,1", "300302,0x10", "UKJENT,1"});
    EXPECT_FALSE(ReadTerminalToItems(dm, setup, 1, 0, 0, r));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM items"), "2");

    ASSERT_TRUE(ReadTerminalToItems(dm, setup, 1, 0, 1, r)) << r.error.toStdString();
    EXPECT_EQ(scalar("SELECT GROUP_CONCAT(CONCAT(productcode, ':', itemcount) ORDER BY id) FROM items WHERE orderid=1"),
              "300301:2,300301:1");
    EXPECT_EQ(scalar("SELECT productcode FROM items WHERE orderid=2"), "ANNEN");
    EXPECT_EQ(errorFile(), (QStringList{"300302,0x10", "UKJENT,1"}));  // a count that is no number is kept, not added
    EXPECT_EQ(r.skipped, 1);

    // A return adds the quantities negated.
    terminalFile({"300302,2"});
    ASSERT_TRUE(ReadTerminalToItems(dm, setup, 1, 1, 1, r));
    EXPECT_EQ(scalar("SELECT itemcount FROM items WHERE orderid=1 AND productcode='300302'"), "-2");
    CurrentOrderID = 0;
}
