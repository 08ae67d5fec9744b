// The "Ny epost" window, SendEpost's way to external mail programs, the
// mail set-up window, the download window and "Last ned postfil".
#include "ui/uitest.h"

#include "net/loopback.h"

#include "core/felles.h"
#include "crm/postnummer.h"
#include "crm/postnummerform.h"
#include "net/smtp.h"
#include "netui/fmsetup.h"
#include "netui/httpdownloadform.h"
#include "netui/sendsmtpform.h"

#include <QComboBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

namespace {
QString g_program;
QStringList g_args;
bool g_startWorks = true;
bool fakeStarter(const QString& program, const QStringList& args)
{
    g_program = program;
    g_args = args;
    return g_startWorks;
}
} // namespace

class MailWindowTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        SetProgramStarter(&fakeStarter);
        g_program.clear();
        g_args.clear();
        g_startWorks = true;
    }
    void TearDown() override
    {
        SetProgramStarter(nullptr);
        UiTest::TearDown();
    }
    void setup(int port, bool external = false, const QString& program = QString())
    {
        MailSetup s;
        s.externalProgram = external;
        s.mailProgram = program;
        s.senderAddress = "demo@kvarnel.no";
        s.senderName = "Demo";
        s.smtp.host = "127.0.0.1";
        s.smtp.port = port;
        s.smtp.connectTimeout = 5;
        WriteMailSetup(s);
    }
};

TEST_F(MailWindowTest, FailedSendKeepsTheMessageAndSuccessClosesTheWindow)
{
    const QString pdf = QDir::currentPath() + "/F5005.PDF";
    {
        QFile f(pdf);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("%PDF-1.4 test ").repeated(500));
    }
    setup(1);  // nothing listens there
    TSendSMTPForm f;
    f.Prepare("kunde@firma.no", "Faktura 5005", "Hei", pdf);
    f.show();
    EXPECT_TRUE(f.SendKnapp->isEnabled());
    EXPECT_FALSE(f.SendKnappClick());
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.MottagerCombo->currentText(), "kunde@firma.no");
    EXPECT_EQ(f.EmneEdit->text(), "Faktura 5005");
    EXPECT_EQ(f.Memo1->toPlainText(), "Hei");
    EXPECT_EQ(f.VedleggEdit->text(), pdf);
    EXPECT_EQ(f.StatusLabel->text(), "Sending mislyktes: Kan ikke koble til: 127.0.0.1:1");
    ASSERT_FALSE(dialogs().messages.empty());
    EXPECT_EQ(dialogs().messages.back().caption, "FEIL");

    const QString out = QDir::currentPath() + "/mail";
    QDir().mkpath(out);
    LoopbackServer srv("smtpserver.py", {out});
    ASSERT_GT(srv.port(), 0);
    setup(srv.port());
    f.MottagerCombo->setCurrentText("kunde@firma.no, Kari <kari@firma.no>");
    EXPECT_TRUE(f.SendKnappClick());
    EXPECT_FALSE(f.isVisible());
    const QJsonObject m = ReceivedMail(out);
    EXPECT_EQ(m["rcpt_tos"].toArray().size(), 2);
    EXPECT_EQ(m["subject"].toString(), "Faktura 5005");
    ASSERT_EQ(m["attachments"].toArray().size(), 1);
    EXPECT_EQ(m["attachments"].toArray()[0].toObject()["filename"].toString(), "F5005.PDF");

    // The last recipient comes back for an empty one; clearing it disables Send.
    TSendSMTPForm g;
    g.Prepare("", "", "", "");
    g.show();
    EXPECT_EQ(g.MottagerCombo->currentText(), "kunde@firma.no, Kari <kari@firma.no>");
    g.MottagerCombo->setCurrentText("");
    EXPECT_FALSE(g.SendKnapp->isEnabled());
}

TEST_F(MailWindowTest, ExternalProgramsGetTheirCommandLines)
{
    struct Case {
        const char* program;
        const char* wantProgram;
        QStringList wantArgs;
    };
    const Case cases[] = {
        {"Thunderbird", "thunderbird",
         {"-compose", "to='kunde@firma.no',subject='Faktura 5005, kopi',attachment='/tmp/F5005.PDF'"}},
        {"SeaMonkey", "seamonkey", {"-compose", "to='kunde@firma.no',subject='Faktura 5005, kopi',attachment='file:///tmp/F5005.PDF'"}},
        {"Outlook", "xdg-open", {"mailto:kunde@firma.no?subject=Faktura%205005%2C%20kopi"}},
        {"", "xdg-open", {"mailto:kunde@firma.no?subject=Faktura%205005%2C%20kopi"}},
        {"Lotus Notes", "notes", {"mailto:kunde@firma.no"}},
    };
    for (const Case& c : cases) {
        setup(25, true, c.program);
        SendEpost("kunde@firma.no", "Faktura 5005, kopi", "", "/tmp/F5005.PDF");
        EXPECT_EQ(g_program, c.wantProgram) << c.program;
        EXPECT_EQ(g_args, c.wantArgs) << c.program;
    }
    // A program that does not start is logged and said.
    g_startWorks = false;
    LogStrings.clear();
    SendEpost("kunde@firma.no");
    EXPECT_TRUE(dialogs().lastMessage().startsWith("Kan ikke starte epostprogrammet Lotus Notes"));
    EXPECT_TRUE(LogStrings.join("\n").contains("FEIL: kan ikke starte epostprogrammet Lotus Notes"));
}

TEST_F(MailWindowTest, SetupStoresThePasswordScrambledAndShowsLoginFieldsOnlyWithLogin)
{
    {
        TfmSetup f;
        f.show();
        f.SmtpRadio->setChecked(true);
        EXPECT_TRUE(f.UserEdit->isHidden());
        f.LoginCombo->setCurrentIndex(1);
        EXPECT_FALSE(f.UserEdit->isHidden());
        f.ExternalRadio->setChecked(true);
        EXPECT_TRUE(f.ServerEdit->isHidden());
        EXPECT_FALSE(f.eMailProgramName->isHidden());
        f.SmtpRadio->setChecked(true);
        f.ServerEdit->setText("smtp.firma.no");
        f.PortSpin->setValue(587);
        f.UserEdit->setText("ola");
        f.PasswordEdit->setText("hemmelig æ");
        f.close();
    }
    ASSERT_TRUE(FlushSettings());
    QFile ini(UserIniFileName());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray text = ini.readAll();
    EXPECT_FALSE(text.contains("hemmelig")) << "password stored as typed";
    EXPECT_EQ(ini.permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther), 0);
    const MailSetup s = ReadMailSetup();
    EXPECT_EQ(s.smtp.host, "smtp.firma.no");
    EXPECT_EQ(s.smtp.port, 587);
    EXPECT_EQ(s.smtp.user, "ola");
    EXPECT_EQ(s.smtp.password, "hemmelig æ");
}

TEST_F(MailWindowTest, DownloadWindowAndPostalRegisterDownload)
{
    const QString www = QDir::currentPath() + "/www";
    QDir().mkpath(www);
    auto write = [](const QString& path, const QByteArray& data) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    };
    write(www + "/tilbud5.txt", ShippedPostRegister());
    write(www + "/feil.html", "<html></html>\r\n");
    LoopbackServer srv("httpserver.py", {www});
    ASSERT_GT(srv.port(), 0);
    const QString base = QString("http://127.0.0.1:%1/files/").arg(srv.port());

    PostRegister::instance().reset();
    QFile::remove(PostRegisterPath());
    TPostnummerForm p;
    p.show();
    EXPECT_TRUE(p.LastNedButton->isVisible());
    {
        MainIniSection sec("STANDARD");
        SetRegStr("PostRegisterURL", base + "feil.html");
    }
    EXPECT_FALSE(p.LastNedClick());
    EXPECT_FALSE(QFile::exists(PostRegisterPath()));
    EXPECT_TRUE(dialogs().lastMessage().contains("ikke et postnummerregister")) << dialogs().lastMessage().toStdString();
    {
        MainIniSection sec("STANDARD");
        SetRegStr("PostRegisterURL", base + "tilbud5.txt");
    }
    EXPECT_TRUE(p.LastNedClick());
    EXPECT_FALSE(p.LastNedButton->isVisible());
    p.ePostNr->setText("5003");
    EXPECT_EQ(p.PoststedLabel->text(), "BERGEN");
    EXPECT_EQ(FinnPostSted("5003"), "BERGEN");
    PostRegister::instance().reset();

    // The window shows the percentage as it goes.
    QByteArray big(3 * 1024 * 1024, 'x');
    write(www + "/big.bin", big);
    THttpDownloadForm w;
    QStringList seen;
    DownloadOptions o;
    o.progress = [&](qint64, qint64) {
        seen << w.PercentLabel->text();
        return true;
    };
    EXPECT_TRUE(w.Download(QDir::currentPath() + "/big.bin", base + "big.bin", o));
    EXPECT_FALSE(w.isVisible());
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen.back(), "100%");
    EXPECT_EQ(w.DownLoadSize, big.size());
}
