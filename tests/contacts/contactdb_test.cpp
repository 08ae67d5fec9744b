// vCard files and bulk formatting on a real database.
#include "data/rules_fixture.h"

#include "contacts/contactformat.h"
#include "contacts/contactio.h"
#include "contacts/postnummer.h"
#include "core/cp1252.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {

class ContactDbTest : public RulesTest {
protected:
    void SetUp() override
    {
        RulesTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        sql("INSERT INTO company (id, companyname, telefax, homepage, phone, postalcode, city) VALUES "
            "(1, 'Fjord Bygg AS', '22 33 44 56', 'http://fjord.no', '22334455', '5003', 'bergen'),"
            "(2, 'Annet Firma', '', '', '12-34-56-78', '', 'Sted')");
        sql("INSERT INTO contact (id, realname, title, email, mobilephone, companyid, object_text, postalcode, city) VALUES "
            "(10, 'Kari Nordmann', 'Daglig leder, salg', 'kari@fjord.no', '91234567', 1, 'Første\r\nandre', '0301', ''),"
            "(11, 'ØYVIND ÅSEN', '', '', '912-34-567', 0, NULL, '', ''),"
            "(12, 'Per på Bruket', 'Sjef; \\\\ alt', '', '', 2, NULL, '', '')");
    }
    void selectContacts(const QString& where)
    {
        Contact_WHERE = where;
        dm.ContactSQLSelect();
        ASSERT_TRUE(dm.ContactQuery.isOpen());
    }
    // The file as python3-vobject reads it: per card FN, N, ORG, TITLE, NOTE.
    QJsonArray readByVobject(const QString& file)
    {
        QProcess p;
        p.start("/usr/bin/python3",
                {"-c",
                 "import sys, json, vobject\n"
                 "out = []\n"
                 "for c in vobject.readComponents(open(sys.argv[1], encoding='utf-8').read()):\n"
                 "    d = {'fn': c.fn.value, 'n': [c.n.value.family, c.n.value.given]}\n"
                 "    for k in ('org', 'title', 'note'):\n"
                 "        if hasattr(c, k): d[k] = getattr(c, k).value\n"
                 "    d['tel'] = sorted(t.value for t in c.contents.get('tel', []))\n"
                 "    out.append(d)\n"
                 "print(json.dumps(out))\n",
                 file});
        p.waitForFinished(30000);
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return QJsonDocument::fromJson(p.readAllStandardOutput()).array();
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(ContactDbTest, ExportWritesTheListedContactsWithTheirCompanies)
{
    dm.CompanyTable.setFilter("id=2");  // a filtered company list must not hide a contact's company
    dm.TableOpen(dm.CompanyTable);
    selectContacts("contact.id IN (10, 12)");
    const QString file = dir.path() + "/contacts.vcf";
    int seen = 0;
    const VCardExportResult r = ExportVCardFile(dm.ContactQuery, file, [&](int, int, const QString&) { ++seen; });
    ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
    EXPECT_EQ(r.written, 2);
    EXPECT_EQ(seen, 2);
    const QJsonArray cards = readByVobject(file);
    ASSERT_EQ(cards.size(), 2);
    EXPECT_EQ(cards[0]["fn"].toString(), "Kari Nordmann");
    EXPECT_EQ(cards[0]["n"].toArray()[0].toString(), "Nordmann");
    EXPECT_EQ(cards[0]["title"].toString(), "Daglig leder, salg");
    EXPECT_EQ(cards[0]["note"].toString(), "Første\nandre");
    EXPECT_EQ(cards[0]["org"].toArray()[0].toString(), "Fjord Bygg AS");
    EXPECT_EQ(cards[1]["fn"].toString(), "Per på Bruket");
    EXPECT_EQ(cards[1]["title"].toString(), "Sjef; \\ alt");
    EXPECT_EQ(cards[1]["org"].toArray()[0].toString(), "Annet Firma");

    // An export that cannot be written leaves no file and says so.
    const VCardExportResult bad = ExportVCardFile(dm.ContactQuery, dir.path() + "/mangler/x.vcf");
    EXPECT_TRUE(bad.error.startsWith("Feil under oppretting av ny fil: "));
}

TEST_F(ContactDbTest, ImportFindsCompaniesIgnoringCaseAndCreatesOnlyWhenAsked)
{
    const QString file = dir.path() + "/in.vcf";
    const QByteArray cards = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ny Person\r\nORG:FJORD bygg as\r\nTITLE:A\\,B\r\nEND:VCARD\r\n"
                             "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ola Ukjent\r\nORG:Helt Nytt AS;Lager\r\n"
                             "TEL;TYPE=WORK;TYPE=FAX:55 55 55 55\r\nURL;TYPE=WORK:http://nytt.no\r\n"
                             "TEL;TYPE=WORK:11 11 11 11\r\nEND:VCARD\r\n";
    ASSERT_EQ(WriteFileAtomic(file, cards), 0);
    dm.CompanyTable.setFilter("id=2");
    dm.TableOpen(dm.CompanyTable);

    VCardImportResult r = ImportVCardFile(dm, file, false);
    ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
    EXPECT_EQ(r.imported, 2);
    EXPECT_EQ(r.companiesCreated, 0);
    EXPECT_EQ(scalar("SELECT companyid FROM contact WHERE realname='Ny Person'"), "1");
    EXPECT_EQ(scalar("SELECT title FROM contact WHERE realname='Ny Person'"), "A,B");
    EXPECT_EQ(scalar("SELECT companyid FROM contact WHERE realname='Ola Ukjent'"), "0");
    EXPECT_EQ(scalar("SELECT department FROM contact WHERE realname='Ola Ukjent'"), "Lager");
    // The company's fax and home page are not taken as the person's own.
    EXPECT_EQ(scalar("SELECT internalphone FROM contact WHERE realname='Ola Ukjent'"), "11 11 11 11");
    EXPECT_EQ(scalar("SELECT homepage FROM contact WHERE realname='Ola Ukjent'"), "");
    // New contacts get the defaults of a new row.
    EXPECT_EQ(scalar("SELECT user FROM contact WHERE realname='Ny Person'"), "7");

    r = ImportVCardFile(dm, file, true);
    EXPECT_EQ(r.companiesCreated, 1);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM company WHERE companyname='Helt Nytt AS' AND telefax='55 55 55 55' "
                     "AND homepage='http://nytt.no'"),
              "1");
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM contact c JOIN company f ON f.id=c.companyid "
                     "WHERE c.realname='Ola Ukjent' AND f.companyname='Helt Nytt AS'"),
              "1");
}

TEST_F(ContactDbTest, ImportShortensOverlongValuesAndRoundTripsAnExport)
{
    LogToFile = true;
    LogStrings.clear();
    const QString file = dir.path() + "/long.vcf";
    // Windows-1252 file (not valid UTF-8) with a name longer than the column.
    const QByteArray card = "BEGIN:VCARD\r\nFN:" + QByteArray(70, 'x') + "\r\nTITLE:Kj\xF8pmann\r\nEND:VCARD\r\n";
    ASSERT_EQ(WriteFileAtomic(file, card), 0);
    const VCardImportResult r = ImportVCardFile(dm, file, false);
    ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
    EXPECT_EQ(r.shortened, 1);
    EXPECT_EQ(scalar("SELECT LENGTH(realname) FROM contact WHERE title='Kjøpmann'"), "60");
    EXPECT_TRUE(LogStrings.join("\n").contains("ADVARSEL: vCard-import: realname for"));

    // Export all, import again: the same fields.
    selectContacts("contact.id IN (10, 11, 12)");
    const QString out = dir.path() + "/all.vcf";
    ASSERT_EQ(ExportVCardFile(dm.ContactQuery, out).written, 3);
    sql("DELETE FROM contact");
    ASSERT_EQ(ImportVCardFile(dm, out, false).imported, 3);
    EXPECT_EQ(scalar("SELECT CONCAT_WS('|', title, email, mobilephone, companyid, REPLACE(object_text, '\\r\\n', '/'), postalcode) "
                     "FROM contact WHERE realname='Kari Nordmann'"),
              "Daglig leder, salg|kari@fjord.no|91234567|1|Første/andre|0301");
    EXPECT_EQ(scalar("SELECT CONCAT_WS('|', title, companyid) FROM contact WHERE realname='Per på Bruket'"), "Sjef; \\ alt|2");

    // A file without cards, and one that is not there.
    ASSERT_EQ(WriteFileAtomic(file, "ikke et kort\r\n"), 0);
    EXPECT_FALSE(ImportVCardFile(dm, file, false).error.isEmpty());
    EXPECT_TRUE(ImportVCardFile(dm, dir.path() + "/nei.vcf", false).error.startsWith("Feil under åpning av "));
}

TEST_F(ContactDbTest, BulkFormattingWritesOnlyChangedRowsAndColumns)
{
    // Count the row updates the server sees.
    sql("CREATE TABLE upd (n INT NOT NULL)");
    sql("INSERT INTO upd VALUES (0)");
    sql("CREATE TRIGGER company_upd AFTER UPDATE ON company FOR EACH ROW UPDATE upd SET n=n+1");
    PostRegister::instance().reset();
    ASSERT_EQ(WriteCp1252Lines(PostRegisterPath(), {"5003\tBERGEN\t4601\tBERGEN\tG"}), 0);
    dm.CompanyTable.setFilter("");
    dm.TableOpen(dm.CompanyTable);

    FormatRules rules;
    rules.rmHyphen = true;
    rules.updateCity = true;
    // Dry run: the preview, nothing written.
    FormatResult r = FormatDataset(dm.CompanyTable, FormatTarget::Companies, rules, true);
    EXPECT_EQ(r.rows, 2);
    EXPECT_EQ(r.changedRows, 2);
    QStringList preview;
    for (const FormatChange& c : r.changes) preview << QString("%1 %2: %3 -> %4").arg(c.id).arg(c.field, c.before, c.after);
    preview.sort();
    EXPECT_EQ(preview, QStringList({"1 city: bergen -> BERGEN", "2 city: Sted -> ", "2 phone: 12-34-56-78 -> 12345678"}));
    EXPECT_EQ(scalar("SELECT n FROM upd"), "0");

    r = FormatDataset(dm.CompanyTable, FormatTarget::Companies, rules, false);
    EXPECT_TRUE(r.error.isEmpty());
    EXPECT_EQ(scalar("SELECT n FROM upd"), "2");
    EXPECT_EQ(scalar("SELECT CONCAT(city, '|', phone) FROM company WHERE id=2"), "|12345678");
    EXPECT_EQ(scalar("SELECT city FROM company WHERE id=1"), "BERGEN");

    // A second run changes nothing and writes nothing.
    r = FormatDataset(dm.CompanyTable, FormatTarget::Companies, rules, false);
    EXPECT_EQ(r.changedRows, 0);
    EXPECT_EQ(scalar("SELECT n FROM upd"), "2");

    // Without a register the cities stay as they are.
    QFile::remove(PostRegisterPath());
    PostRegister::instance().reset();
    sql("UPDATE company SET city='Sted' WHERE id=2");
    dm.TableOpen(dm.CompanyTable, true);
    r = FormatDataset(dm.CompanyTable, FormatTarget::Companies, rules, false);
    EXPECT_TRUE(r.noRegister);
    EXPECT_EQ(scalar("SELECT city FROM company WHERE id=2"), "Sted");
    PostRegister::instance().reset();
}

TEST_F(ContactDbTest, ContactNamesAndMobileNumbersAreFormatted)
{
    selectContacts("");
    FormatRules rules;
    rules.fmtName = rules.fmtPhone = true;
    const FormatResult r = FormatDataset(dm.ContactQuery, FormatTarget::Contacts, rules, false);
    ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
    EXPECT_EQ(scalar("SELECT CONCAT(realname, '|', mobilephone) FROM contact WHERE id=11"), "Øyvind Åsen|912 34 567");
    EXPECT_EQ(scalar("SELECT CONCAT(realname, '|', mobilephone) FROM contact WHERE id=10"), "Kari Nordmann|912 34 567");
}

TEST_F(ContactDbTest, NewInstallGetsTheShippedRegisterAndKeepsAnExistingOne)
{
    PostRegister::instance().reset();
    QFile::remove(PostRegisterPath());
    ASSERT_TRUE(InstallFirstPostRegister());
    EXPECT_EQ(FinnPostSted("5003"), "BERGEN");
    EXPECT_EQ(FinnPostSted("9990"), "BÅTSFJORD");
    EXPECT_EQ(FinnPostSted("0000"), "");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(CheckPostRegisterFile(PostRegisterPath()).isEmpty());
    EXPECT_TRUE(QFile::exists(TrelvoPath("import") + "tilbud5-LICENSE.txt"));

    // A register that is there (a download) is never replaced by it.
    ASSERT_EQ(WriteCp1252Lines(PostRegisterPath(), {"5003\tBERGEN SENTRUM\t4601\tBERGEN\tG"}), 0);
    EXPECT_FALSE(InstallFirstPostRegister());
    EXPECT_EQ(FinnPostSted("5003"), "BERGEN SENTRUM");
    PostRegister::instance().reset();
}

TEST_F(ContactDbTest, TheWholeFileDecidesWhetherAFileIsARegister)
{
    QTemporaryDir dir;
    // The register in use: the shipped one, of 5,132 codes.
    PostRegister::instance().reset();
    QFile::remove(PostRegisterPath());
    ASSERT_TRUE(InstallFirstPostRegister());
    // A register of n codes as the postal service writes it: Windows-1252,
    // CR LF.
    auto full = [](int n, const QByteArray& place = "TROMS\xD8") {
        QByteArray out;
        for (int i = 0; i < n; ++i)
            out += QByteArray::number(1000 + i).rightJustified(4, '0') + "\t" + place + "\t5401\tTROMS\xD8\tG\r\n";
        return out;
    };
    const QByteArray good = full(5000);
    struct Case {
        const char* what;
        QByteArray bytes;
        const char* why;  // "" when it is a register
    };
    const Case cases[] = {
        {"a full register", good, ""},
        {"LF line ends", QByteArray(good).replace("\r\n", "\n"), ""},
        {"the same in UTF-8", QString::fromLatin1(good).toUtf8(), "UTF-8"},
        {"with a UTF-8 mark", "\xEF\xBB\xBF" + good, "UTF-8"},
        {"one line", "0301\tOSLO\t0301\tOSLO\tP\r\n", "bare 1 postnumre"},
        {"cut in the middle of a line", good.left(good.size() / 2 + 7), "midt i en linje"},
        {"a bad line in the middle", full(2500) + "03a1\tOSLO\r\n" + full(2500), "linje 2501"},
        {"no place name", full(4000) + "0301\t\t0301\r\n", "linje 4001"},
        {"a web page", "<!DOCTYPE html>\n<html></html>\n", "linje 1"},
        {"empty", "", "tom"},
        {"three digits", "301\tOSLO\n", "linje 1"},
        {"much smaller than the register in use", full(4000), "registeret som brukes har 5132"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile f(dir.path() + "/r.txt");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.bytes);
        f.close();
        const QString why = CheckPostRegisterFile(f.fileName());
        if (QByteArray(c.why).isEmpty()) {
            EXPECT_TRUE(why.isEmpty()) << why.toStdString();
        } else {
            EXPECT_TRUE(why.contains(QString::fromUtf8(c.why))) << why.toStdString();
        }
    }
    EXPECT_FALSE(CheckPostRegisterFile(dir.path() + "/mangler.txt").isEmpty());
    PostRegister::instance().reset();
}
