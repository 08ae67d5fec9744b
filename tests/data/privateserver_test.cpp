#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>

// The shared test server is up (started by the test run) and answers.
TEST(PrivateServer, TestServerAnswers)
{
    EXPECT_TRUE(TestServer().isRunning());
    EXPECT_GT(TestServer().runningPid(), 0);
}

// A server of its own in a fresh folder: first start creates it with the
// demo account, a crash leaves a stale pid and socket that the next start
// cleans up, and stop shuts it down.
TEST(PrivateServer, CreateCrashRecoverStop)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    PrivateServer s(dir.path() + "/db");
    ASSERT_TRUE(s.start()) << s.error().toStdString();
    EXPECT_TRUE(s.createdNow());

    {
        Connection demo;
        ASSERT_TRUE(demo.open(s.params("demo", "demo"))) << demo.lastError().toStdString();
        EXPECT_EQ(demo.scalar("SELECT DATABASE()"), "kvarnel");
    }

    const qint64 pid = s.runningPid();
    ASSERT_GT(pid, 0);
    ::kill(pid_t(pid), SIGKILL);
    for (int i = 0; i < 100 && ::kill(pid_t(pid), 0) == 0; ++i) QThread::msleep(20);
    EXPECT_FALSE(s.isRunning());
    EXPECT_TRUE(QFile::exists(s.pidFile()));  // left behind by the crash

    PrivateServer again(dir.path() + "/db");
    ASSERT_TRUE(again.start()) << again.error().toStdString();
    EXPECT_FALSE(again.createdNow());
    EXPECT_NE(again.runningPid(), pid);
    {
        Connection demo;
        EXPECT_TRUE(demo.open(again.params("demo", "demo")));
    }

    EXPECT_TRUE(again.stop());
    EXPECT_FALSE(again.isRunning());
    EXPECT_FALSE(QFile::exists(again.pidFile()));
    EXPECT_FALSE(QFile::exists(again.socketPath()));
}

// A folder too deep for a Unix socket name still gets a usable socket.
TEST(PrivateServer, LongFolderGetsShortSocket)
{
    const QString deep = "/tmp/" + QString(120, 'x') + "/db";
    PrivateServer s(deep);
    EXPECT_LT(QFile::encodeName(s.socketPath()).size(), 100);
    EXPECT_EQ(s.socketPath(), PrivateServer(deep).socketPath());
}
