// A server that dies in the middle of a delivery leaves the delivery either
// complete or absent after the restart, never half done.
#include "testsupport.h"

#include "core/dialogs.h"
#include "core/login.h"
#include "data/datamodule.h"
#include "data/ordertotals.h"

#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <thread>

TEST(CrashDuringDelivery, DeliveryIsAllOrNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    PrivateServer server(dir.path() + "/db");
    ASSERT_TRUE(server.start()) << server.error().toStdString();
    ASSERT_TRUE(server.provision("crash", false)) << server.error().toStdString();
    ConnectParams params = server.adminParams("crash");
    {
        Connection c;
        ASSERT_TRUE(c.open(params));
        ASSERT_TRUE(c.execScript(
            "INSERT INTO product (productcode, instock) VALUES ('A',100),('B',100),('C',100);\n"
            "INSERT INTO orders (id, ordernumber) VALUES (1,'1');\n"
            "INSERT INTO items (orderid, productcode, itemcount) VALUES (1,'A',5),(1,'B',6),(1,'C',7);\n"));
    }

    // Another workstation holds product C, so the delivery stops half-way:
    // its lines are written, the stock of A and B perhaps, C waits.
    Connection blocker;
    ASSERT_TRUE(blocker.open(params));
    ASSERT_TRUE(blocker.begin());
    ASSERT_TRUE(blocker.exec("SELECT * FROM product WHERE productcode='C' FOR UPDATE"));

    bool delivered = true;
    std::thread worker([&] {
        ScriptedDialogs dialogs;
        TDatabaseModule dm;
        if (!dm.MyConnection.open(params) || !dm.OrderTable.open()) return;
        Items_WHERE = "orderid=1";
        dm.ItemsSQLSelect();
        delivered = OrderDeliver(dm, true);
    });

    // Wait until the delivery is waiting for the lock, then kill the server.
    Connection watch;
    ASSERT_TRUE(watch.open(params));
    bool waiting = false;
    for (int i = 0; i < 400 && !waiting; ++i) {
        waiting = watch.scalar("SELECT COUNT(*) FROM information_schema.processlist WHERE (info LIKE 'UPDATE product%' OR info LIKE "
                               "'SELECT id FROM product%FOR UPDATE')",
                               "0") != "0";
        if (!waiting) QThread::msleep(25);
    }
    if (!waiting) {
        blocker.rollback();
        worker.join();
        FAIL() << "the delivery never reached the stock rows: "
               << watch.scalar("SELECT GROUP_CONCAT(CONCAT(state,':',LEFT(info,60))) FROM information_schema.processlist").toStdString();
    }
    const qint64 pid = server.runningPid();
    ASSERT_GT(pid, 0);
    ::kill(pid_t(pid), SIGKILL);
    worker.join();
    EXPECT_FALSE(delivered);

    PrivateServer again(dir.path() + "/db");
    ASSERT_TRUE(again.start()) << again.error().toStdString();
    Connection c;
    ASSERT_TRUE(c.open(params));
    // Nothing of the delivery survived: no line delivered, no stock moved.
    EXPECT_EQ(c.scalar("SELECT SUM(itemdelivered) FROM items"), "0");
    EXPECT_EQ(c.scalar("SELECT GROUP_CONCAT(instock ORDER BY productcode) FROM product"), "100,100,100");
    EXPECT_EQ(c.scalar("SELECT deliverydate IS NULL FROM orders"), "1");

    // And delivered again, it is whole.
    {
        ScriptedDialogs dialogs;
        TDatabaseModule dm;
        ASSERT_TRUE(dm.MyConnection.open(params));
        ASSERT_TRUE(dm.OrderTable.open());
        Items_WHERE = "orderid=1";
        dm.ItemsSQLSelect();
        EXPECT_TRUE(OrderDeliver(dm, true));
    }
    EXPECT_EQ(c.scalar("SELECT GROUP_CONCAT(instock ORDER BY productcode) FROM product"), "95,94,93");
    EXPECT_EQ(c.scalar("SELECT SUM(itemdelivered) FROM items"), "18");
    again.remove();
}
