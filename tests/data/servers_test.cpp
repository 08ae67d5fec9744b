// Several servers behind one login: the list is read one way, the first
// server that answers is used, and a connection that breaks moves on.
#include "testsupport.h"

#include "core/textfil.h"
#include "data/connection.h"

#include <gtest/gtest.h>

TEST(ServerList, ReadOneWay)
{
    struct Case {
        const char* text;
        unsigned defaultPort;
        std::vector<std::pair<QString, unsigned>> want;
    } cases[] = {
        {"", 0, {}},
        {"db1", 0, {{"db1", 0}}},
        {"db1", 3307, {{"db1", 3307}}},
        {"db1:3308", 3307, {{"db1", 3308}}},
        {" db1 , db2:3307 ;db3\ndb4\r\n", 0, {{"db1", 0}, {"db2", 3307}, {"db3", 0}, {"db4", 0}}},
        {"[::1]:3310,[fe80::1]", 0, {{"::1", 3310}, {"fe80::1", 0}}},
        {",,;", 0, {}},
        {"db1:0,db2:70000,db3:x", 0, {{"db1:0", 0}, {"db2:70000", 0}, {"db3:x", 0}}},  // not ports: kept as names
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto got = ParseServerList(QString::fromUtf8(c.text), c.defaultPort);
        ASSERT_EQ(got.size(), c.want.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].host, c.want[i].first);
            EXPECT_EQ(got[i].port, c.want[i].second);
        }
    }
    EXPECT_EQ((ServerAddress{"::1", 3310}).text(), "[::1]:3310");
    EXPECT_EQ((ServerAddress{"db2", 3307}).text(), "db2:3307");
}

class ServersTest : public DbTest {
protected:
    // A server that refuses at once (nothing listens on the discard port),
    // then the test server on its socket.
    ConnectParams listed()
    {
        ConnectParams p = db->params();
        p.host = QStringLiteral("127.0.0.1:9,localhost");
        p.connectTimeout = 2;
        return p;
    }
    void killConnection(Connection& c)
    {
        const QString id = c.scalar(QStringLiteral("SELECT CONNECTION_ID()"));
        ASSERT_FALSE(id.isEmpty());
        ASSERT_TRUE(db->admin().exec("KILL CONNECTION " + id));
    }
};

TEST_F(ServersTest, FirstServerThatAnswersIsUsedAndTheMoveIsLogged)
{
    LogToFile = true;
    LogStrings.clear();
    Connection c;
    ASSERT_TRUE(c.open(listed())) << c.lastError().toStdString();
    EXPECT_EQ(c.currentServer(), "localhost");
    EXPECT_EQ(c.scalar("SELECT 1+1"), "2");
    EXPECT_TRUE(LogStrings.join('\n').contains("ADVARSEL: databaseserveren 127.0.0.1:9 svarer ikke"));

    ConnectParams none = listed();
    none.host = QStringLiteral("127.0.0.1:9,127.0.0.1:7");
    Connection d;
    EXPECT_FALSE(d.open(none));
    EXPECT_GE(d.lastErrno(), 2000u);  // the client's own "cannot connect"
}

TEST_F(ServersTest, BrokenConnectionMovesOnReadsRunAgainWritesAreReported)
{
    Connection c;
    ASSERT_TRUE(c.open(listed()));
    ASSERT_TRUE(c.exec("CREATE TABLE t (id INT PRIMARY KEY, v INT)"));

    // A read on a connection the server dropped: answered on a new one.
    killConnection(c);
    EXPECT_EQ(c.scalar("SELECT COUNT(*) FROM t"), "0");

    // A write is not run again (it may have been done before the line
    // broke): reported, and the next statement works.
    killConnection(c);
    EXPECT_FALSE(c.exec("INSERT INTO t VALUES (1, 1)"));
    EXPECT_EQ(db->admin().scalar("SELECT COUNT(*) FROM t"), "0");
    EXPECT_TRUE(c.exec("INSERT INTO t VALUES (1, 1)"));

    // A transaction broken off before its COMMIT runs again as a whole.
    int runs = 0;
    EXPECT_TRUE(c.transaction([&] {
        if (++runs == 1) killConnection(c);
        return c.exec("UPDATE t SET v=v+1 WHERE id=1");
    }));
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(db->admin().scalar("SELECT v FROM t WHERE id=1"), "2");

    // A connection closed on purpose stays closed.
    c.close();
    EXPECT_FALSE(c.exec("SELECT 1"));
}
