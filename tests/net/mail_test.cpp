// Mail messages: typed address lists, safe headers, the MIME form, and
// sending to a real SMTP server on loopback (aiosmtpd) with and without
// STARTTLS and AUTH.
#include "loopback.h"

#include "core/login.h"
#include "core/textfil.h"
#include "net/mailmessage.h"
#include "net/smtp.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QTimeZone>

TEST(AddressList, ReadsTypedLists)
{
    struct Case {
        QString text;
        QList<MailAddress> want;
    };
    const QList<Case> cases = {
        {"ola@firma.no", {{"", "ola@firma.no"}}},
        {" ola@firma.no , kari@firma.no ", {{"", "ola@firma.no"}, {"", "kari@firma.no"}}},
        {"ola@firma.no; kari@firma.no;", {{"", "ola@firma.no"}, {"", "kari@firma.no"}}},
        {"Ola Nordmann <ola@firma.no>", {{"Ola Nordmann", "ola@firma.no"}}},
        {"\"Nordmann, Ola\" <ola@firma.no>, kari@firma.no", {{"Nordmann, Ola", "ola@firma.no"}, {"", "kari@firma.no"}}},
        {"\"Sa \\\"hei\\\"\" <a@b.no>", {{"Sa \"hei\"", "a@b.no"}}},
        {"Øyvind Åsen <oyvind@fjord.no>", {{"Øyvind Åsen", "oyvind@fjord.no"}}},
    };
    for (const Case& c : cases) {
        QList<MailAddress> got;
        QString err;
        EXPECT_TRUE(ParseAddressList(c.text, got, &err)) << c.text.toStdString() << err.toStdString();
        EXPECT_EQ(got, c.want) << c.text.toStdString();
    }
}

TEST(AddressList, RejectsWhatIsNotAnAddress)
{
    for (const QString& bad : QStringList{"", " , ;", "ola", "ola@", "@firma.no", "ola@@firma.no", "ola@firma..no", "ola nordmann@firma.no",
                              "ola@firma.no>", "Ola <ola@firma.no", "ola@firma.no\r\nBcc: x@y.no", "ø@firma.no",
                              "a@b.no, c"}) {
        QList<MailAddress> got;
        QString err;
        EXPECT_FALSE(ParseAddressList(bad, got, &err)) << bad.toStdString();
        EXPECT_TRUE(got.isEmpty());
        EXPECT_FALSE(err.isEmpty());
        EXPECT_FALSE(err.contains('\n'));
    }
}

TEST(MailHeaders, LineBreaksNeverReachAHeaderAndNonAsciiIsEncoded)
{
    EXPECT_EQ(EncodeHeaderText("Ordre 1007"), "Ordre 1007");
    EXPECT_EQ(EncodeHeaderText("Hei\r\nBcc: evil@x.no"), "Hei  Bcc: evil@x.no");
    // A long plain subject is folded at blanks; unfolding gives it back.
    const QString words = QString("Ordrebekreftelse 1007 ").repeated(8).trimmed();
    const QByteArray folded = EncodeHeaderText(words);
    for (const QByteArray& l : folded.split('\n')) EXPECT_LE(l.size(), 77);
    EXPECT_EQ(QString::fromLatin1(QByteArray(folded).replace("\r\n", "")), words);
    EXPECT_EQ(EncodeHeaderText("Blåbær"), "=?UTF-8?B?" + QString("Blåbær").toUtf8().toBase64() + "?=");

    // A long subject of two-byte letters: every word at most 75 characters,
    // each decodes on its own to whole characters, together to the text.
    const QString long_ = QString("æøå").repeated(40) + "€😀";
    const QByteArray enc = EncodeHeaderText(long_);
    QString back;
    for (const QByteArray& w : enc.split('\n')) {
        const QByteArray word = w.trimmed();
        ASSERT_LE(word.size(), 75);
        ASSERT_TRUE(word.startsWith("=?UTF-8?B?") && word.endsWith("?=")) << word.constData();
        const QByteArray raw = QByteArray::fromBase64(word.mid(10, word.size() - 12));
        const QString part = QString::fromUtf8(raw);
        EXPECT_EQ(part.toUtf8(), raw) << "a word splits a character";
        back += part;
    }
    EXPECT_EQ(back, long_);

    EXPECT_EQ(FormatAddress({"", "a@b.no"}), "a@b.no");
    EXPECT_EQ(FormatAddress({"Nordmann, \"Ola\"", "a@b.no"}), "\"Nordmann, \\\"Ola\\\"\" <a@b.no>");
    EXPECT_EQ(FormatAddress({"Åse", "a@b.no"}), "=?UTF-8?B?" + QString("Åse").toUtf8().toBase64() + "?= <a@b.no>");
}

TEST(MailMime, AttachmentsAreBase64PartsInLinesOf76)
{
    MailMessage m;
    m.from = {"Kvarnel AS", "post@kvarnel.no"};
    m.to = {{"", "kunde@firma.no"}};
    m.subject = "Faktura 5005";
    m.body = "Hei\nVedlagt faktura.";
    QByteArray pdf;
    for (int i = 0; i < 1000; ++i) pdf += char(i * 7);
    m.attachments = {{"F5005.PDF", pdf, {}}};
    const QByteArray msg = BuildMimeMessage(m, QDateTime(QDate(2026, 12, 10), QTime(15, 0), QTimeZone(3600)), "BOUNDARY");
    EXPECT_TRUE(msg.contains("Date: Thu, 10 Dec 2026 15:00:00 +0100\r\n"));
    EXPECT_TRUE(msg.contains("Content-Type: multipart/mixed; boundary=\"BOUNDARY\"\r\n"));
    EXPECT_TRUE(msg.contains("Content-Type: application/pdf; name=\"F5005.PDF\"\r\n"));
    EXPECT_TRUE(msg.contains(Base64Lines(pdf)));
    EXPECT_TRUE(msg.endsWith("--BOUNDARY--\r\n"));
    for (const QByteArray& line : msg.split('\n')) {
        EXPECT_LE(line.size(), 78);
        EXPECT_TRUE(line.isEmpty() || line.endsWith('\r')) << "bare LF";
    }
}

namespace {

class SmtpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        out_ = dir_.path() + "/out";
        QDir().mkpath(out_);
        LogToFile = true;
        LogStrings.clear();
        qputenv("USER", "testuser");
        ResetLoginIdentity();
    }
    void TearDown() override { LogToFile = false; }
    MailMessage message()
    {
        MailMessage m;
        m.from = {"Kvarnel Demo", "demo@kvarnel.no"};
        m.to = {{"", "kunde@firma.no"}, {"Kari Åsen", "kari@firma.no"}};
        m.subject = "Faktura 5005 – blåbær";
        m.body = "Hei,\r\nvedlagt er fakturaen.\r\n.\r\nEn linje med bare punktum over.";
        for (int i = 0; i < 300000; ++i) pdf_ += char((i * 131) ^ (i >> 8));
        m.attachments = {{"F5005.PDF", pdf_, {}}};
        return m;
    }
    void expectDelivered(const QJsonObject& r, bool tls, bool auth)
    {
        ASSERT_FALSE(r.isEmpty()) << "nothing received";
        EXPECT_EQ(r["mail_from"].toString(), "demo@kvarnel.no");
        EXPECT_EQ(r["rcpt_tos"].toArray().size(), 2);
        EXPECT_EQ(r["rcpt_tos"].toArray()[1].toString(), "kari@firma.no");
        EXPECT_EQ(r["tls"].toBool(), tls);
        EXPECT_EQ(r["auth"].toBool(), auth);
        EXPECT_EQ(r["subject"].toString(), "Faktura 5005 – blåbær");
        EXPECT_EQ(r["from"].toString(), "Kvarnel Demo <demo@kvarnel.no>");
        EXPECT_TRUE(r["to"].toString().contains("Kari Åsen <kari@firma.no>")) << r["to"].toString().toStdString();
        EXPECT_EQ(r["body"].toString(), "Hei,\r\nvedlagt er fakturaen.\r\n.\r\nEn linje med bare punktum over.");
        EXPECT_TRUE(r["defects"].toArray().isEmpty());
        const QJsonArray atts = r["attachments"].toArray();
        ASSERT_EQ(atts.size(), 1);
        EXPECT_EQ(atts[0]["filename"].toString(), "F5005.PDF");
        EXPECT_EQ(atts[0]["content_type"].toString(), "application/pdf");
        EXPECT_EQ(atts[0]["cte"].toString(), "base64");
        EXPECT_TRUE(QByteArray::fromHex(atts[0]["data"].toString().toLatin1()) == pdf_) << "attachment differs";
    }
    QTemporaryDir dir_;
    QString out_;
    QByteArray pdf_;
};

} // namespace

TEST_F(SmtpTest, PlainServerWithoutLogin)
{
    LoopbackServer srv("smtpserver.py", {out_});
    ASSERT_GT(srv.port(), 0);
    SmtpSettings s;
    s.host = "127.0.0.1";
    s.port = srv.port();
    s.log = true;
    const SmtpResult r = SmtpSend(s, message());
    ASSERT_TRUE(r.ok) << r.error.toStdString() << " " << r.detail.toStdString();
    expectDelivered(ReceivedMail(out_), false, false);
    const QString log = LogStrings.join('\n');
    for (const char* step : {"SMTP: TESTUSER tillates tilgang", "SMTP: fra demo@kvarnel.no til kunde@firma.no, kari@firma.no via 127.0.0.1",
                             "SMTP: tilkoblet 127.0.0.1", "SMTP: melding sendt", "SMTP: koblet fra 127.0.0.1"})
        EXPECT_TRUE(log.contains(step)) << step;
    EXPECT_LT(log.indexOf("tilkoblet"), log.indexOf("melding sendt"));
}

TEST_F(SmtpTest, StartTlsAndLoginAndTheirFailures)
{
    QString cert, key;
    ASSERT_TRUE(MakeSelfSignedCert(dir_.path(), cert, key));
    LoopbackServer srv("smtpserver.py", {out_, "--tls", cert, key, "--auth", "ola", "hemmelig æ"});
    ASSERT_GT(srv.port(), 0);
    SmtpSettings s;
    s.host = "127.0.0.1";
    s.port = srv.port();
    s.caFile = cert;
    s.user = "ola";
    s.password = "hemmelig æ";
    SmtpResult r = SmtpSend(s, message());
    ASSERT_TRUE(r.ok) << r.error.toStdString() << " " << r.detail.toStdString();
    QJsonObject got = ReceivedMail(out_);
    expectDelivered(got, true, true);
    EXPECT_EQ(got["login"].toString(), "ola");

    // A wrong password is refused and said so.
    s.password = "feil";
    r = SmtpSend(s, message());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "Epostserveren avviste brukernavn eller passord");
    EXPECT_TRUE(LogStrings.join('\n').contains("SMTP: Kan ikke sende melding til 127.0.0.1"));

    // A certificate nobody vouches for is not trusted.
    s.password = "hemmelig æ";
    s.caFile.clear();
    r = SmtpSend(s, message());
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.startsWith("Den krypterte forbindelsen")) << r.error.toStdString();
}

TEST_F(SmtpTest, PasswordIsNeverSentWithoutEncryption)
{
    // A server without STARTTLS: with a user name nothing is sent.
    LoopbackServer srv("smtpserver.py", {out_});
    ASSERT_GT(srv.port(), 0);
    SmtpSettings s;
    s.host = "127.0.0.1";
    s.port = srv.port();
    s.user = "ola";
    s.password = "hemmelig";
    const SmtpResult r = SmtpSend(s, message());
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.contains("tilbyr ikke kryptert forbindelse")) << r.error.toStdString();
    EXPECT_TRUE(ReceivedMail(out_, 1, 0).isEmpty());
}

TEST_F(SmtpTest, UnreachableServerAndBadInputAreReported)
{
    SmtpSettings s;
    s.host = "127.0.0.1";
    s.port = 1;  // nothing listens there
    s.connectTimeout = 5;
    SmtpResult r = SmtpSend(s, message());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "Kan ikke koble til: 127.0.0.1:1");

    s.host = "evil.no/x@y";
    r = SmtpSend(s, message());
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.startsWith("Ugyldig navn på epostserveren"));

    s.host.clear();
    EXPECT_FALSE(SmtpSend(s, message()).ok);

    s.host = "127.0.0.1";
    MailMessage m = message();
    m.from.address.clear();
    r = SmtpSend(s, m);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.startsWith("Avsenderadressen"));
}
