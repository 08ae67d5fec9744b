// Data safety of the engine as scripts and several workstations meet it:
// separate kvarnel-admin processes (each with its own data module), values
// that must arrive exactly or be refused, and commands that fail having
// written nothing.
#include "adminrun.h"

#include <QDir>
#include <QFile>
#include <QThread>

#include <atomic>
#include <csignal>
#include <map>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

// No English server text and no message said twice.
void expectOneNorwegianSentence(const QString& err)
{
    const QStringList lines = err.trimmed().split('\n', Qt::SkipEmptyParts);
    EXPECT_LE(lines.size(), 1) << err.toStdString();
    for (const char* english : {"Deadlock", "Lock wait", "You have an error", "Out of range", "Incorrect", "Duplicate",
                                "Lost connection", "denied"})
        EXPECT_FALSE(err.contains(QLatin1String(english))) << err.toStdString();
}

} // namespace

// Text with %-signs, quotes and backslashes reaches the posting exactly as
// typed: values are bound, never substituted into the statement.
TEST_F(AdminScriptTest, PostingTextArrivesAsTyped)
{
    const QString subjects[] = {"Montering %14", "Pakke %9 stk", "%1%2%3 '%7', %8) -- \\", "x'), ('y"};
    for (const QString& subject : subjects) {
        SCOPED_TRACE(subject.toStdString());
        AdminRun r = admin({"row", "insert", "invoice", "companyid=2", "subject=" + subject});
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        const QString number = r.json()["ordernumber"].toString();
        r = admin({"document", "post-invoice", number});
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_EQ(scalar("SELECT entrytext FROM entries WHERE invoiceno='" + number + "'"), subject);
        EXPECT_EQ(scalar("SELECT COUNT(*) FROM entries WHERE invoiceno='" + number + "'"), "1");
    }
}

// Table names in any letter case mean the table itself: the command works
// and reports success.
TEST_F(AdminScriptTest, TableNameInAnyCase)
{
    const QString orders = scalar("SELECT COUNT(*) FROM orders");
    AdminRun r = admin({"row", "insert", "ORDERS", "companyid=2", "subject=Stor"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM orders").toInt(), orders.toInt() + 1);
    const qint64 id = r.json()["id"].toInteger();

    r = admin({"row", "get", "COMPANY", "1"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.json()["id"].toInteger(), 1);
    r = admin({"row", "update", "Orders", QString::number(id), "subject=Liten"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.json()["subject"].toString(), "Liten");
    r = admin({"row", "delete", "OrDeRs", QString::number(id), "--yes"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM orders"), orders);
}

// A number another document of the same kind has is refused, on a new
// document and on a changed one; the other kinds keep their own numbers.
TEST_F(AdminScriptTest, DuplicateDocumentNumbersAreRefused)
{
    const QString orders = scalar("SELECT COUNT(*) FROM orders");
    AdminRun r = admin({"row", "insert", "orders", "ordernumber=1002", "subject=Kopi"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("1002")) << r.err.toStdString();
    expectOneNorwegianSentence(r.err);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM orders"), orders);

    r = admin({"row", "update", "orders", "1", "ordernumber=1002"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(scalar("SELECT ordernumber FROM orders WHERE id=1"), "1001");

    // Its own number, another kind's number and a new number are all fine.
    EXPECT_EQ(admin({"row", "update", "orders", "1", "ordernumber=1001", "subject=Samme"}).status, 0);
    EXPECT_EQ(admin({"row", "insert", "offer", "ordernumber=1002"}).status, 0);
    r = admin({"row", "insert", "orders", "ordernumber=77777"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM orders WHERE ordernumber='1002'"), "1");
}

// Values are stored exactly or refused naming the column, never changed.
TEST_F(AdminScriptTest, ValuesAreStoredExactlyOrRefused)
{
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    const struct {
        QString pair;
        const char* column;  // the refused column, or null when it is stored
        QString stored;      // as the server gives it back
    } cases[] = {
        {"ordertotal=1e82", nullptr, "1e82"},
        {"ordertotal=-2.5e300", nullptr, "-2.5e300"},
        {"ordertotal=1e-80", nullptr, "1e-80"},
        {"ordertotal=1e400", "ordertotal", {}},
        {"ordertotal=1e-400", "ordertotal", {}},
        {"companyid=1e30", "companyid", {}},
        {"subject=" + QString(128, QChar(0x00E6)), nullptr, QString(128, QChar(0x00E6))},
        {"subject=" + emoji.repeated(128), nullptr, emoji.repeated(128)},
        {"subject=" + emoji.repeated(129), "subject", {}},
        {"subject=" + QString(QChar(0xFEFF)) + "Med BOM", nullptr, QString(QChar(0xFEFF)) + "Med BOM"},
        {"subject=Ugyldig " + QString(QChar(0xFFFD)), nullptr, "Ugyldig " + QString(QChar(0xFFFD))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pair.left(40).toStdString());
        const QString orders = scalar("SELECT COUNT(*) FROM orders");
        const AdminRun r = admin({"row", "insert", "orders", c.pair});
        const QString column = c.pair.left(c.pair.indexOf('='));
        if (c.column) {
            EXPECT_EQ(r.status, 1);
            EXPECT_TRUE(r.err.contains("Ugyldig verdi") || r.err.contains("for lang")) << r.err.toStdString();
            EXPECT_TRUE(r.err.contains(QLatin1String(c.column))) << r.err.toStdString();
            EXPECT_EQ(scalar("SELECT COUNT(*) FROM orders"), orders);
            continue;
        }
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        const QString id = QString::number(r.json()["id"].toInteger());
        if (column == "ordertotal")
            EXPECT_EQ(scalar("SELECT ordertotal=" + c.stored + " FROM orders WHERE id=" + id), "1");
        else  // compared as bytes, so no conversion on the way back hides a change
            EXPECT_EQ(scalar("SELECT HEX(" + column + ") FROM orders WHERE id=" + id),
                      QString::fromLatin1(c.stored.toUtf8().toHex().toUpper()));
    }

    // Bytes that are not UTF-8 never become replacement characters.
    QProcess p;
    p.setProcessEnvironment(environment());
    p.start("/bin/sh", QStringList{"-c", "exec \"$0\" \"$@\" \"$(printf 'subject=Ugyldig \\377\\376')\"",
                                   QStringLiteral(KVARNEL_ADMIN)} +
                           withDatabase({"row", "insert", "orders"}));
    const QString orders = scalar("SELECT COUNT(*) FROM orders");
    const AdminRun r = finish(p);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("Ugyldig verdi for subject")) << r.err.toStdString();
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM orders"), orders);
}

// Eight workstations at once, each entering 25 orders: 200 orders with 200
// different numbers.
TEST_F(AdminScriptTest, EightProcessesNumberTwoHundredOrders)
{
    const int before = scalar("SELECT COUNT(*) FROM orders").toInt();
    std::vector<std::thread> workers;
    std::atomic<int> failures{0};
    for (int w = 0; w < 8; ++w)
        workers.emplace_back([&, w] {
            for (int i = 0; i < 25; ++i) {
                QProcess p;
                start(p, {"row", "insert", "orders", QStringLiteral("subject=Stasjon %1 nr %2").arg(w).arg(i)});
                const AdminRun r = finish(p);
                if (r.status != 0) ++failures;
            }
        });
    for (auto& t : workers) t.join();
    EXPECT_EQ(failures.load(), 0);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM orders").toInt(), before + 200);
    EXPECT_EQ(scalar("SELECT COUNT(DISTINCT ordernumber) FROM orders").toInt(), before + 200);
}

// Eight workstations deliver at the same time orders whose lines share
// products in different orders: every delivery goes through, no deadlock
// reaches a user, and every product's stock moves by exactly what left.
TEST_F(AdminScriptTest, ParallelDeliveriesSharingProductsKeepStockExact)
{
    const QStringList codes{"100101", "100102", "100103", "100104", "100105", "100106"};
    QString stockBefore = scalar("SELECT GROUP_CONCAT(instock ORDER BY productcode) FROM product WHERE productcode "
                                 "IN ('100101','100102','100103','100104','100105','100106')");
    QStringList numbers;
    std::map<QString, double> leaving;
    Connection& c = db->admin();
    constexpr int kRounds = 7, kProcesses = 8;
    std::vector<qint64> ids;
    for (int o = 0; o < kRounds * kProcesses; ++o) {
        const QString number = QString::number(90000 + o);
        ASSERT_TRUE(c.exec("INSERT INTO orders (ordernumber, companyid, subject) VALUES ('" + number + "', 2, 'Deling')"));
        ids.push_back(c.lastInsertId());
        numbers << number;
    }
    // Every order takes every product, each starting somewhere else, and
    // the lines of the orders are entered in turns, as several people do.
    for (int k = 0; k < codes.size(); ++k)
        for (int o = 0; o < kRounds * kProcesses; ++o) {
            const QString code = codes[(o + k * (o % 2 ? 1 : -1) + 12) % codes.size()];
            const int count = 1 + (o + k) % 3;
            ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO items (orderid, productcode, itemcount) VALUES (%1, '%2', %3)")
                                   .arg(ids[size_t(o)])
                                   .arg(code)
                                   .arg(count)));
            leaving[code] += count;
        }
    for (int round = 0; round < kRounds; ++round) {
        std::vector<std::unique_ptr<QProcess>> ps;
        for (int w = 0; w < kProcesses; ++w) {
            ps.push_back(std::make_unique<QProcess>());
            start(*ps.back(), {"document", "deliver", numbers[round * kProcesses + w]});
        }
        for (auto& p : ps) {
            const AdminRun r = finish(*p);
            EXPECT_EQ(r.status, 0) << r.err.toStdString();
            expectOneNorwegianSentence(r.err);
        }
    }
    const QStringList before = stockBefore.split(',');
    for (int k = 0; k < codes.size(); ++k) {
        SCOPED_TRACE(codes[k].toStdString());
        EXPECT_DOUBLE_EQ(scalar("SELECT instock FROM product WHERE productcode='" + codes[k] + "'").toDouble(),
                         before[k].toDouble() - leaving[codes[k]]);
    }
}

// Four workstations approve the same invoice at once: one posting. The
// status text does not decide: set back, the invoice is not posted again;
// marked "Fakturert" by hand without a posting, it can still be posted.
TEST_F(AdminScriptTest, InvoicePostedOnceJudgedByItsPosting)
{
    AdminRun r = admin({"row", "insert", "invoice", "companyid=2", "subject=Samtidig"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QString number = r.json()["ordernumber"].toString();
    const QString id = QString::number(r.json()["id"].toInteger());
    std::vector<std::unique_ptr<QProcess>> ps;
    for (int w = 0; w < 4; ++w) {
        ps.push_back(std::make_unique<QProcess>());
        start(*ps.back(), {"document", "post-invoice", number});
    }
    int ok = 0;
    for (auto& p : ps) {
        const AdminRun run = finish(*p);
        if (run.status == 0) ++ok;
        else EXPECT_TRUE(run.err.contains("bokført fra før")) << run.err.toStdString();
        expectOneNorwegianSentence(run.err);
    }
    EXPECT_EQ(ok, 1);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM entries WHERE invoiceno='" + number + "'"), "1");

    EXPECT_EQ(admin({"row", "update", "invoice", id, "status=Ikke fakturert"}).status, 0);
    r = admin({"document", "post-invoice", number});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM entries WHERE invoiceno='" + number + "'"), "1");

    r = admin({"row", "insert", "invoice", "companyid=2", "subject=For hånd", "status=Fakturert"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QString byHand = r.json()["ordernumber"].toString();
    r = admin({"document", "post-invoice", byHand});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM entries WHERE invoiceno='" + byHand + "'"), "1");
}

// A paste is all or nothing: killed half-way it leaves no line, and a
// paste of the same file afterwards adds every line once. Lines without a
// known code are counted, an overlong line is one of them.
TEST_F(AdminScriptTest, PasteIsAllOrNothing)
{
    AdminRun r = admin({"row", "insert", "invoice", "companyid=2", "subject=Lim inn"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QString number = r.json()["ordernumber"].toString();
    const QString id = QString::number(r.json()["id"].toInteger());
    const QString file = home.path() + "/Trelvo/tmp/Items.TXT";
    ASSERT_TRUE(QDir().mkpath(home.path() + "/Trelvo/tmp"));
    auto writeFile = [&](const QByteArray& text) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    };
    QByteArray many;
    for (int i = 0; i < 20000; ++i) many += (i % 2 ? "100101,1\r\n" : "100102,2\r\n");
    writeFile(many);

    // Killed while the lines go in: the server has started writing them.
    QProcess p;
    start(p, {"document", "items-paste", "invoice", number});
    // A reader that sees what is not committed yet watches the lines go in.
    Connection watch;
    ASSERT_TRUE(watch.open(db->params()));
    ASSERT_TRUE(watch.exec("SET SESSION TRANSACTION ISOLATION LEVEL READ UNCOMMITTED"));
    bool writing = false;
    for (int i = 0; i < 1500 && !writing && !p.waitForFinished(10); ++i)
        writing = watch.scalar("SELECT COUNT(*) FROM items WHERE invoiceid=" + id).toInt() > 500;
    ASSERT_TRUE(writing) << "the paste never got going: " << p.readAllStandardError().toStdString();
    ::kill(pid_t(p.processId()), SIGKILL);
    p.waitForFinished(10000);
    for (int i = 0; i < 200 && scalar("SELECT COUNT(*) FROM information_schema.innodb_trx") != "0"; ++i)
        QThread::msleep(20);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM items WHERE invoiceid=" + id), "0");

    // Unknown codes and an overlong line are counted, the rest goes in once.
    writeFile("100101,1\r\nFINNES-IKKE,2\r\n" + QByteArray(2'000'000, 'x') + "\r\n100102,3\r\n");
    r = admin({"document", "items-paste", "invoice", number});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("2 varelinjer limt inn, 2 linjer")) << r.err.toStdString();
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM items WHERE invoiceid=" + id), "2");
}

// The stock bookkeeping table belongs to the schema: a user who may only
// read and write rows can deliver. The password comes from the environment.
TEST_F(AdminScriptTest, DeliveryNeedsNoCreateRight)
{
    Connection& c = db->admin();
    const QString user = "lager" + QString::number(::getpid());
    ASSERT_TRUE(c.exec("CREATE USER '" + user + "'@'localhost' IDENTIFIED BY 'hemmelig'"));
    ASSERT_TRUE(c.exec("GRANT SELECT, INSERT, UPDATE, DELETE ON `" + db->name() + "`.* TO '" + user + "'@'localhost'"));
    const QString before = scalar("SELECT instock FROM product WHERE productcode='100101'");
    ASSERT_TRUE(c.exec("INSERT INTO items (orderid, productcode, itemcount) SELECT id, '100101', 4 FROM orders WHERE "
                       "ordernumber='1003'"));

    QProcess p;
    QProcessEnvironment env = environment();
    env.insert("KVARNEL_PASSWORD", "hemmelig");
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(KVARNEL_ADMIN), {"document", "deliver", "1003", "--socket", TestServer().socketPath(), "--user",
                                            user, "--database", db->name()});
    const AdminRun r = finish(p);
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(scalar("SELECT instock FROM product WHERE productcode='100101'").toDouble(), before.toDouble() - 4);

    // Or typed at a prompt ("--password -"), here on standard input as
    // there is no terminal.
    QProcess prompted;
    QProcessEnvironment quiet = environment();
    quiet.remove("KVARNEL_PASSWORD");
    prompted.setProcessEnvironment(quiet);
    prompted.setChildProcessModifier([] { ::setsid(); });
    prompted.start(QStringLiteral(KVARNEL_ADMIN), {"row", "get", "company", "1", "--socket", TestServer().socketPath(),
                                                   "--user", user, "--password", "-", "--database", db->name()});
    prompted.write("hemmelig\n");
    prompted.closeWriteChannel();
    const AdminRun typed = finish(prompted);
    EXPECT_EQ(typed.status, 0) << typed.err.toStdString();
    EXPECT_EQ(typed.json()["id"].toInteger(), 1);

    // A wrong password is one sentence, without the server's English.
    env.insert("KVARNEL_PASSWORD", "feil");
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(KVARNEL_ADMIN), {"row", "get", "company", "1", "--socket", TestServer().socketPath(), "--user",
                                            user, "--database", db->name()});
    const AdminRun wrong = finish(p);
    EXPECT_EQ(wrong.status, 1);
    EXPECT_TRUE(wrong.err.contains("feil brukernavn eller passord")) << wrong.err.toStdString();
    expectOneNorwegianSentence(wrong.err);
    c.exec("DROP USER '" + user + "'@'localhost'");
}

// A server that accepts the connection and then says nothing does not hang
// the command: it gives up after the time-out with a clear message.
TEST_F(AdminScriptTest, FrozenServerTimesOut)
{
    QTemporaryDir dir;
    // Listens, so connections are taken, and never answers.
    const QByteArray path = QFile::encodeName(dir.path() + "/frozen.sock");
    const int frozen = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(frozen, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    ::strncpy(addr.sun_path, path.constData(), sizeof addr.sun_path - 1);
    ASSERT_EQ(::bind(frozen, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ASSERT_EQ(::listen(frozen, 8), 0);
    QProcess p;
    QProcessEnvironment env = environment();
    env.insert("KVARNEL_DB_TIMEOUT", "2");
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(KVARNEL_ADMIN), {"row", "get", "company", "1", "--socket", dir.path() + "/frozen.sock"});
    const AdminRun r = finish(p, 40000);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("svarer ikke")) << r.err.toStdString();
    expectOneNorwegianSentence(r.err);
    ::close(frozen);
}

// A command that had to start the private server stops it again when no
// other program uses it; one started with "server start" keeps running.
TEST(AdminPrivateServer, StoppedWhenTheLastProgramLeaves)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    auto run = [&](const QStringList& args) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("APPDATA", home.path());
        env.insert("KVARNEL_DB_FAST", "1");
        env.remove("KVARNEL_PASSWORD");
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(KVARNEL_ADMIN), args);
        p.waitForFinished(240000);
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    };
    PrivateServer server(PrivateServer::DefaultFolder(home.path()));
    run({"row", "get", "company", "1"});
    EXPECT_FALSE(server.isRunning());
    EXPECT_EQ(server.runningPid(), 0);

    run({"server", "start"});
    run({"row", "get", "company", "1"});
    EXPECT_TRUE(server.isRunning());
    run({"server", "stop", "--remove"});
    EXPECT_FALSE(server.isRunning());
}

// A delivery the server picks as deadlock victim is run again and goes
// through; the user never sees the deadlock.
TEST_F(AdminScriptTest, DeadlockVictimIsRetried)
{
    Connection& c = db->admin();
    ASSERT_TRUE(c.exec("INSERT INTO orders (ordernumber, companyid, subject) VALUES ('95000', 2, 'Offer')"));
    const qint64 order = c.lastInsertId();
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO items (orderid, productcode, itemcount) VALUES (%1, '100101', 2), "
                                      "(%1, '100102', 3)")
                           .arg(order)));
    const double a = scalar("SELECT instock FROM product WHERE productcode='100101'").toDouble();
    const double b = scalar("SELECT instock FROM product WHERE productcode='100102'").toDouble();

    // Another workstation with much written already holds product 100102.
    Connection other;
    ASSERT_TRUE(other.open(db->params()));
    ASSERT_TRUE(other.begin());
    ASSERT_TRUE(other.exec("INSERT INTO calendar (subject) SELECT CONCAT('Rad ', seq) FROM seq_1_to_2000"));
    ASSERT_TRUE(other.exec("SELECT id FROM product WHERE productcode='100102' FOR UPDATE"));

    QProcess p;
    start(p, {"document", "deliver", "95000"});
    bool waiting = false;
    for (int i = 0; i < 1000 && !waiting && !p.waitForFinished(10); ++i)
        waiting = scalar("SELECT COUNT(*) FROM information_schema.processlist WHERE command='Query' AND "
                         "id<>CONNECTION_ID() AND info LIKE '%product%' AND time_ms>300") != "0";
    ASSERT_TRUE(waiting) << "the delivery never waited for the product";
    // Now the other one wants what the delivery holds: a deadlock, and the
    // delivery, with less written, is the victim.
    EXPECT_TRUE(other.exec("SELECT id FROM product WHERE productcode='100101' FOR UPDATE")) << other.lastError().toStdString();
    QThread::msleep(200);
    ASSERT_TRUE(other.commit());

    const AdminRun r = finish(p);
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    expectOneNorwegianSentence(r.err);
    EXPECT_DOUBLE_EQ(scalar("SELECT instock FROM product WHERE productcode='100101'").toDouble(), a - 2);
    EXPECT_DOUBLE_EQ(scalar("SELECT instock FROM product WHERE productcode='100102'").toDouble(), b - 3);
}
