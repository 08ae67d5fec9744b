#include "testsupport.h"

#include "core/sysreg.h"
#include "data/schemaupgrade.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QProcess>
#include <QThread>
#include <csignal>
#include <unistd.h>

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
    // Loading the demo company gives this workstation its hourly rate where
    // none is set, so its hours moved into an order are priced.
    OpenSettingsStore();
    {
        MainIniSection st("STANDARD");
        SetRegStr("Arbeid_Timepris", "");
        SetRegStr("Arbeid_Kostpris", "500");
    }
    PrivateServer s(dir.path() + "/db");
    ASSERT_TRUE(s.start()) << s.error().toStdString();
    EXPECT_TRUE(s.createdNow());
    {
        MainIniSection st("STANDARD");
        EXPECT_EQ(GetRegStr("Arbeid_Timepris"), "745");
        EXPECT_EQ(GetRegStr("Arbeid_Kostpris"), "500");
    }

    {
        Connection demo;
        ASSERT_TRUE(demo.open(s.params("demo", "demo"))) << demo.lastError().toStdString();
        EXPECT_EQ(demo.scalar("SELECT DATABASE()"), "kvarnel");
    }
    {
        // The database as an older program left it: the next start upgrades it.
        Connection admin;
        ASSERT_TRUE(admin.open(s.adminParams("kvarnel")));
        ASSERT_TRUE(admin.exec("ALTER TABLE invoice DROP INDEX kid, DROP COLUMN kid"));
        ASSERT_TRUE(admin.exec("UPDATE kv_schema SET version=1"));
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
        EXPECT_EQ(demo.scalar("SELECT version FROM kv_schema"), QString::number(kSchemaVersion));
        EXPECT_EQ(demo.scalar("SELECT COUNT(*) FROM invoice WHERE kid<>''"), "0");
    }

    // A server that is there but does not answer (stopped): no second one is
    // started on its folder, the time-out is kept and the message says so.
    const qint64 running = again.runningPid();
    ASSERT_GT(running, 0);
    ::kill(pid_t(running), SIGSTOP);
    qputenv("KVARNEL_DB_TIMEOUT", "2");
    {
        PrivateServer third(dir.path() + "/db");
        QElapsedTimer t;
        t.start();
        EXPECT_FALSE(third.start());
        EXPECT_LT(t.elapsed(), 15000);
        EXPECT_TRUE(third.error().contains("svarer ikke")) << third.error().toStdString();
        EXPECT_TRUE(third.error().contains(QString::number(running))) << third.error().toStdString();
        // The pid file gone too: the lock on the data still tells.
        QFile::rename(again.pidFile(), again.pidFile() + ".bak");
        EXPECT_FALSE(third.start());
        EXPECT_TRUE(third.error().contains(QString::number(running))) << third.error().toStdString();
        QFile::rename(again.pidFile() + ".bak", again.pidFile());
    }
    qunsetenv("KVARNEL_DB_TIMEOUT");
    ::kill(pid_t(running), SIGCONT);
    EXPECT_EQ(again.runningPid(), running);
    EXPECT_TRUE(again.isRunning());

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

namespace {
// Runs a shell command line; its exit status.
int shell(const QString& command)
{
    QProcess p;
    p.start("/bin/sh", {"-c", command});
    p.waitForFinished(60000);
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}
} // namespace

// Only the owner gets in: the socket (also for a folder too deep for a
// socket name) sits in a folder only the owner can enter, the
// administrator's password is random and private to the owner, and
// another system user cannot connect.
TEST(PrivateServer, OnlyTheOwnerGetsIn)
{
    QTemporaryDir dir("/tmp/kvtest-XXXXXX");
    ASSERT_TRUE(dir.isValid());
    const QString deep = dir.path() + "/" + QString(100, 'd') + "/db";
    PrivateServer s(deep);
    ASSERT_TRUE(s.start()) << s.error().toStdString();
    struct Remove {
        PrivateServer& s;
        ~Remove() { s.remove(); }
    } removeAtEnd{s};
    const QFileInfo socketDir(s.socketFolder());
    EXPECT_NE(s.socketFolder(), s.folder());
    EXPECT_EQ(socketDir.ownerId(), ::geteuid());
    EXPECT_EQ(socketDir.permissions() & (QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther |
                                         QFile::WriteGroup | QFile::WriteOther),
              QFile::Permissions());
    EXPECT_EQ(QFileInfo(s.adminKeyFile()).permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
    EXPECT_GE(s.adminPassword().size(), 20);

    {
        ConnectParams open = s.adminParams();
        Connection c;
        EXPECT_TRUE(c.open(open)) << c.lastError().toStdString();
        open.password.clear();
        EXPECT_FALSE(c.open(open));  // no way in without the secret
        EXPECT_EQ(c.lastErrno(), 1045u);
    }

    if (::geteuid() == 0) {
        const QString user = QStringLiteral("kvfremmed%1").arg(::getpid() % 100000);
        ASSERT_EQ(shell("useradd --no-create-home --shell /usr/sbin/nologin " + user), 0);
        // Even told the socket and the password, the other user gets nowhere.
        const QString tryIt = QStringLiteral("runuser -u %1 -- mariadb --no-defaults --socket='%2' -uroot -p'%3' "
                                             "-e 'SELECT 1' >/dev/null 2>&1")
                                  .arg(user, s.socketPath(), s.adminPassword());
        EXPECT_NE(shell(tryIt), 0);
        // While the owner can, with the same command.
        EXPECT_EQ(shell(QStringLiteral("mariadb --no-defaults --socket='%1' -uroot -p'%2' -e 'SELECT 1' >/dev/null 2>&1")
                            .arg(s.socketPath(), s.adminPassword())),
                  0);
        shell("userdel " + user);
    } else {
        GTEST_SKIP() << "not root: no throwaway system user to try the socket with";
    }
}
