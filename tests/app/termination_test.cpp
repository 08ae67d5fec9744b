// A program asked by the system to end (SIGTERM) ends as if its main window
// were closed: the log is written and the private server, with no other
// program left, is stopped.
#include "core/cp1252.h"
#include "data/privateserver.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

TEST(Termination, SigtermEndsTheRunCleanly)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QDir().mkpath(home.path() + "/Trelvo/etc");
    {
        QFile ini(home.path() + "/Trelvo/etc/trelvo.ini");
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        // Automatic login as demo/demo on the private server ("zegps2" is
        // "demo" scrambled).
        ini.write("[STANDARD]\r\nautologon=1\r\nLogToFile=1\r\n[KVARNEL_SQL]\r\nUsername=demo\r\nPassword=zegps2\r\n"
                  "Database=kvarnel\r\nServername=\r\n");
    }
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("APPDATA", home.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(home.path());
    p.start(QStringLiteral(KVARNEL_PROGRAM));
    ASSERT_TRUE(p.waitForStarted());

    PrivateServer server(PrivateServer::DefaultFolder(home.path()));
    bool up = false;
    for (int i = 0; i < 600 && !up; ++i) {
        up = server.isRunning();
        if (!up) QThread::msleep(100);
    }
    ASSERT_TRUE(up) << "the program never started its private server";
    QThread::msleep(1500);  // let the login finish

    p.terminate();  // SIGTERM
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_FALSE(server.isRunning());

    QFile log(home.path() + "/Trelvo/log/kvarnel.log");
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QString text = FromCp1252(log.readAll());
    EXPECT_TRUE(text.contains("Avslutter etter signal fra systemet"));
    server.remove();
}
