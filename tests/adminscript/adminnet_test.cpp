// kvarnel-admin's vcard, format, mail, download and postal commands, run as
// a script runs them, against the test database and loopback servers.
#include "adminrun.h"

#include "net/loopback.h"

#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>

namespace {

class AdminNetTest : public AdminScriptTest {
protected:
    static void write(const QString& path, const QByteArray& data)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    static QByteArray read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
};

} // namespace

// Three workstations import the same address book at once, creating its
// companies: each company is made once.
TEST_F(AdminNetTest, ParallelVcardImportsCreateEachCompanyOnce)
{
    QByteArray cards;
    for (int i = 0; i < 12; ++i)
        cards += QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Person %1\r\nN:%1;Person;;;\r\nORG:Parallell %2 AS\r\n"
                                "END:VCARD\r\n")
                     .arg(i)
                     .arg(i % 4)
                     .toUtf8();
    const QString file = home.path() + "/parallell.vcf";
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(cards);
    }
    std::vector<std::unique_ptr<QProcess>> ps;
    for (int w = 0; w < 3; ++w) {
        ps.push_back(std::make_unique<QProcess>());
        start(*ps.back(), {"vcard", "import", file, "--create-companies"});
    }
    for (auto& p : ps) {
        const AdminRun r = finish(*p);
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
    }
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM company WHERE companyname LIKE 'Parallell %'"), "4");
    EXPECT_EQ(scalar("SELECT COUNT(DISTINCT companyname) FROM company WHERE companyname LIKE 'Parallell %'"), "4");
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM contact WHERE realname LIKE 'Person %'"), "36");
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM contact c JOIN company f ON f.id=c.companyid WHERE c.realname LIKE 'Person %' "
                     "AND f.companyname LIKE 'Parallell %'"),
              "36");
}

TEST_F(AdminNetTest, VcardExportAndImport)
{
    ASSERT_TRUE(db->admin().exec("INSERT INTO company (id, companyname) VALUES (901, 'Vcard Test AS')"));
    ASSERT_TRUE(db->admin().exec("INSERT INTO contact (realname, companyid, title) VALUES "
                                 "('Åse Ås', 901, 'Leder, salg'), ('Bjørn Berg', 901, '')"));
    const QString file = home.path() + "/firma.vcf";
    AdminRun r = admin({"vcard", "export", "--company", "901", file});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.trimmed(), "2 kontakter skrevet til " + file);
    const QByteArray bytes = read(file);
    EXPECT_EQ(bytes.count("BEGIN:VCARD"), 2);
    EXPECT_TRUE(bytes.contains("ORG:Vcard Test AS\r\n"));
    EXPECT_TRUE(bytes.contains("TITLE:Leder\\, salg\r\n"));

    const int before = scalar("SELECT COUNT(*) FROM contact").toInt();
    r = admin({"vcard", "import", file});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM contact").toInt(), before + 2);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM contact WHERE realname='Åse Ås' AND companyid=901 AND title='Leder, salg'"), "2");

    EXPECT_EQ(admin({"vcard", "export", "--contact", "x", file}).status, 1);
    // A contact or company that does not exist: exit 1, no file.
    for (const char* option : {"--contact", "--company"}) {
        SCOPED_TRACE(option);
        const QString missing = home.path() + "/mangler-" + QString(option).mid(2) + ".vcf";
        r = admin({"vcard", "export", option, "987654", missing});
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.contains("987654")) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(missing));
    }
    r = admin({"vcard", "import", home.path() + "/mangler.vcf"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.startsWith("Feil under åpning av ")) << r.err.toStdString();
}

TEST_F(AdminNetTest, FormatDryRunShowsAndChangesNothing)
{
    ASSERT_TRUE(db->admin().exec("INSERT INTO company (id, companyname, phone) VALUES (902, 'fjell bygg as', '22334455')"));
    AdminRun r = admin({"format", "phones", "companies", "--dry-run"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(R"({"after":"22 33 44 55","before":"22334455","field":"phone","id":902})")) << r.out.toStdString();
    EXPECT_EQ(scalar("SELECT phone FROM company WHERE id=902"), "22334455");
    r = admin({"format", "names", "companies"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(scalar("SELECT CONCAT(companyname, '|', phone) FROM company WHERE id=902"), "Fjell Bygg AS|22334455");
    EXPECT_EQ(admin({"format", "phones", "products"}).status, 1);

    // A new install used only from the command line has the first postal
    // register as soon as a place is looked up.
    ASSERT_TRUE(db->admin().exec("INSERT INTO company (id, companyname, postalcode, city) VALUES (903, 'Bryggen AS', "
                                 "'5003', '')"));
    QFile::remove(home.path() + "/Trelvo/import/tilbud5.txt");
    r = admin({"format", "names", "companies", "--update-city", "--dry-run"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains("Postregisteret mangler")) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(R"("after":"BERGEN")") && r.out.contains(R"("id":903)")) << r.out.toStdString();
    EXPECT_TRUE(QFile::exists(home.path() + "/Trelvo/import/tilbud5.txt"));
}

TEST_F(AdminNetTest, MailSendUsesTheUsersSmtpSettings)
{
    const QString out = home.path() + "/mail";
    QDir().mkpath(out);
    LoopbackServer srv("smtpserver.py", {out});
    ASSERT_GT(srv.port(), 0);
    write(home.path() + "/Trelvo/etc/DEMO.INI",
          QString("[Smtp]\r\nServerName=127.0.0.1\r\nServerPort=%1\r\n[Email]\r\nPersonalEmail=demo@kvarnel.no\r\n"
                  "EmailName=Demo Bruker\r\n")
              .arg(srv.port())
              .toLatin1());
    QByteArray pdf("%PDF-1.4\n");
    for (int i = 0; i < 5000; ++i) pdf += char(i);
    write(home.path() + "/O1007.PDF", pdf);
    AdminRun r = admin({"mail", "send", "--to", "kunde@firma.no, kari@firma.no", "--subject", "Ordre 1007", "--attach",
                   home.path() + "/O1007.PDF"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonObject m = ReceivedMail(out);
    EXPECT_EQ(m["subject"].toString(), "Ordre 1007");
    EXPECT_EQ(m["from"].toString(), "Demo Bruker <demo@kvarnel.no>");
    EXPECT_EQ(m["rcpt_tos"].toArray().size(), 2);
    ASSERT_EQ(m["attachments"].toArray().size(), 1);
    EXPECT_TRUE(QByteArray::fromHex(m["attachments"].toArray()[0].toObject()["data"].toString().toLatin1()) == pdf);

    r = admin({"mail", "send", "--to", "ikke en adresse", "--subject", "x"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.startsWith("Ugyldig epostadresse")) << r.err.toStdString();
}

TEST_F(AdminNetTest, DownloadAndPostalRegister)
{
    const QString www = home.path() + "/www";
    // A whole register: more than 3,000 codes, Windows-1252, CR LF.
    QByteArray full = "0301\tOSLO\t0301\tOSLO\tP\r\n5003\tBERGEN\t4601\tBERGEN\tG\r\n";
    for (int code = 6000; code < 9500; ++code) full += QByteArray::number(code) + "\tTROMS\xD8\t5401\tTROMS\xD8\tG\r\n";
    write(www + "/tilbud5.txt", full);
    write(www + "/halv.txt", full.left(full.size() / 2));
    write(www + "/feil.txt", "<html>ikke et register</html>\r\n");
    LoopbackServer srv("httpserver.py", {www});
    ASSERT_GT(srv.port(), 0);
    const QString base = QString("http://127.0.0.1:%1/").arg(srv.port());
    const QString target = home.path() + "/ned/fil.txt";

    AdminRun r = admin({"download", base + "files/tilbud5.txt", target});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(read(target), read(www + "/tilbud5.txt"));
    r = admin({"download", base + "status/404", target});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("er ikke endret"));
    EXPECT_EQ(read(target), read(www + "/tilbud5.txt"));

    const QString reg = home.path() + "/Trelvo/import/tilbud5.txt";
    write(reg, "9999\tGAMMEL\t\t\t\r\n");
    r = admin({"postal", "download", base + "files/feil.txt"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("Filen er ikke et postnummerregister")) << r.err.toStdString();
    EXPECT_EQ(read(reg), "9999\tGAMMEL\t\t\t\r\n");
    r = admin({"postal", "download", base + "files/tilbud5.txt"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(read(reg), read(www + "/tilbud5.txt"));
    // Half of it does not replace it.
    r = admin({"postal", "download", base + "files/halv.txt"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("er ikke endret")) << r.err.toStdString();
    EXPECT_EQ(read(reg), read(www + "/tilbud5.txt"));
}
