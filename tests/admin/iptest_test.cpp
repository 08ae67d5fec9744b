// Connection test window and the SQL window.
#include "admin/iptestform.h"
#include "admin/sqlform.h"
#include "data/datamodule.h"

#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTcpServer>

#include <gtest/gtest.h>

namespace {
// A port on loopback that nobody listens on.
quint16 closedPort()
{
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort();  // closed again when s goes
}
} // namespace

TEST(IPTest, OpenPortSucceedsAndCloses)
{
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    TIPTestForm f;
    EXPECT_EQ(f.TestTCPConnection(QStringLiteral("127.0.0.1"), server.serverPort(), true), 0);
    EXPECT_FALSE(f.isVisible());
}

TEST(IPTest, ClosedPortShownInRedUntilOk)
{
    const quint16 port = closedPort();
    TIPTestForm f;
    EXPECT_EQ(f.TestTCPConnection(QStringLiteral("127.0.0.1"), port, true), -1);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.Label1->text(), QStringLiteral("Kan ikke koble til: 127.0.0.1:%1").arg(port));
    EXPECT_TRUE(f.OkButton->isVisible());
    EXPECT_EQ(f.OkButton->text(), QStringLiteral("O&k"));
    EXPECT_EQ(f.Panel1->palette().color(QPalette::Window), TIPTestForm::FailureColor);
    f.OkButton->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.Panel1->palette().color(QPalette::Window), TIPTestForm::NormalColor);
}

TEST(IPTest, ClosedPortWithoutShowingClosesAtOnce)
{
    TIPTestForm f;
    EXPECT_EQ(f.TestTCPConnection(QStringLiteral("127.0.0.1"), closedPort(), false), -1);
    EXPECT_FALSE(f.isVisible());
}

TEST(IPTest, UnansweredAddressGivesUpAfterTimeout)
{
    TIPTestForm f;
    f.timeoutMs = 300;
    QElapsedTimer t;
    t.start();
    // A documentation address (TEST-NET-1) that never answers.
    EXPECT_EQ(f.TestTCPConnection(QStringLiteral("192.0.2.1"), 25, false), -1);
    EXPECT_LT(t.elapsed(), 3000);
}

TEST(SQLWindow, ShowsLastSelectTextAndServerError)
{
    TSQLForm f;
    QString out;
    kv_Select(QStringLiteral("*"), QStringLiteral("jobs"), QString(), out, QStringLiteral("job"), QString(),
              QStringLiteral("jobid=3"), QString());
    EXPECT_EQ(f.SQLMemo->toPlainText(), QStringLiteral("SELECT * FROM jobs WHERE jobid=3 ORDER BY job"));
    EXPECT_TRUE(f.SQLMemo->isReadOnly());
    EXPECT_TRUE(f.ErrorMemo->isHidden());
    f.ShowSqlError(QStringLiteral("DELETE FROM x"), QStringLiteral("Table 'kvarnel.x' doesn't exist"));
    EXPECT_FALSE(f.ErrorMemo->isHidden());
    EXPECT_TRUE(f.ErrorMemo->toPlainText().contains(QStringLiteral("doesn't exist")));
}
