#include "testsupport.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <unistd.h>

QString TestRoot()
{
#ifdef KV_TEST_ROOT
    return QStringLiteral(KV_TEST_ROOT);
#else
    return qEnvironmentVariable("KVARNEL_TEST_ROOT");
#endif
}

PrivateServer& TestServer()
{
    static PrivateServer server = [] {
        return PrivateServer(PrivateServer::DefaultFolder(TestRoot()));
    }();
    return server;
}

TestDatabase::TestDatabase(bool withDemo)
{
    static QAtomicInt counter;
    name_ = QStringLiteral("t_%1_%2").arg(::getpid()).arg(counter.fetchAndAddOrdered(1));
    if (!admin_.open(TestServer().adminParams())) {
        ADD_FAILURE() << "cannot reach the test server: " << admin_.lastError().toStdString();
        return;
    }
    admin_.exec("DROP DATABASE IF EXISTS `" + name_ + "`");
    ok_ = TestServer().provision(name_, false) && admin_.exec("USE `" + name_ + "`");
    if (ok_ && withDemo) ok_ = admin_.execScript(DemoDataScript());
    if (!ok_) ADD_FAILURE() << "cannot create test database: " << TestServer().error().toStdString()
                            << admin_.lastError().toStdString();
}

TestDatabase::~TestDatabase()
{
    if (admin_.isOpen()) admin_.exec("DROP DATABASE IF EXISTS `" + name_ + "`");
}

ConnectParams TestDatabase::params() const { return TestServer().adminParams(name_); }

void DbTest::SetUp()
{
    db = std::make_unique<TestDatabase>();
    ASSERT_TRUE(db->ok());
}
