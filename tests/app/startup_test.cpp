// The whole run: start-up, automatic login, closing the main window, and
// what the end writes.
#include "apptest.h"

#include "app/mainform.h"
#include "app/startup.h"
#include "app/translations.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>
#include <QTimer>

#include <functional>
#include <memory>

namespace {
// Calls step every few milliseconds until it returns true; after 20 s the
// run is ended with code 99.
void poll(std::function<bool()> step)
{
    auto* timer = new QTimer;
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(timer, &QTimer::timeout, [timer, started, step] {
        const bool done = step();
        const bool late = !done && started->elapsed() > 20000;
        if (done || late) {
            timer->stop();
            timer->deleteLater();
        }
        if (late)
            QCoreApplication::exit(99);
    });
    timer->start(20);
}
} // namespace

class RunTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        // The run makes its own data module.
        SetDataModule(nullptr);
        dm.reset();
    }
    void writeSettings(bool autologon)
    {
        writeBytes(workDir() + "/trelvo.ini",
                   ("[STANDARD]\r\nLogToFile=1\r\nautologon=" + QByteArray(autologon ? "1" : "0") +
                    "\r\n[KVARNEL_SQL]\r\nUsername=demo\r\nPassword=" + EnkelKryptStr("demo").toUtf8() +
                    "\r\nDatabase=" + db->name().toUtf8() + "\r\n"));
    }
    QString logFile() const { return base() + "log/kvarnel.log"; }
};

TEST_F(RunTest, AutomaticLoginThenClosingWritesCopiesSettingsAndLog)
{
    writeSettings(true);
    QString status;
    poll([&] {
        auto* main = Windows().get<TMainform>();
        if (!main || main->statusText().isEmpty())
            return false;
        status = main->statusText();
        main->close();
        return true;
    });
    EXPECT_EQ(RunKvarnel(*qApp), 0);
    EXPECT_EQ(status, QStringLiteral("demo@   Kari Nordvik"));
    EXPECT_TRUE(Windows().created().isEmpty());  // every window gone at the end
    // The log file is Windows-1252, which agrees with Latin-1 on "Å".
    const QString log = QString::fromLatin1(readBytes(logFile()));
    EXPECT_TRUE(log.contains("START: " + ProgramFilePath()));
    EXPECT_TRUE(log.contains("Åpner tabellen " + db->name() + ".invoice"));
    EXPECT_TRUE(scalar("SELECT inifile FROM users WHERE username='demo'").contains("VINDU-MainForm6"));
    EXPECT_TRUE(QString::fromUtf8(readBytes(workDir() + "/trelvo.ini")).contains("[INI_SELF]"));
}

TEST_F(RunTest, CancelInTheLoginWindowEndsWithoutConnecting)
{
    writeSettings(false);
    bool sawLogin = false;
    poll([&] {
        auto* login = Windows().get<TDatabaseConnectForm>();
        if (!login || !login->isVisible())
            return false;
        sawLogin = true;
        login->BitBtn1->click();
        return true;
    });
    EXPECT_EQ(RunKvarnel(*qApp), 0);
    EXPECT_TRUE(sawLogin);
    EXPECT_EQ(MyLoginStatus, 0);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM users WHERE inifile IS NOT NULL AND inifile<>''"), "0");
    EXPECT_TRUE(QFileInfo::exists(logFile()));
}

TEST(Translations, QtDialogsSpeakNorwegian)
{
    ASSERT_TRUE(LoadQtTranslations(*qApp));
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QStringList texts;
    for (auto b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
        texts << box.button(b)->text().remove('&');
    EXPECT_EQ(texts, QStringList({"Ja", "Nei", "Avbryt"}));
    for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}
