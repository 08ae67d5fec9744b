#include "testsupport.h"

#include "core/dialogs.h"
#include "data/dataset.h"
#include "data/datasetmodel.h"

#include <QSignalSpy>
#include <QThread>

#include <functional>
#include <thread>

namespace {

// A small table of people with a joined company, enough to show every
// dataset behaviour.
class DatasetTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        ASSERT_TRUE(db->admin().execScript(
            "CREATE TABLE firm (id INT AUTO_INCREMENT PRIMARY KEY, name VARCHAR(20) NOT NULL DEFAULT '');\n"
            "CREATE TABLE person (id INT AUTO_INCREMENT PRIMARY KEY, name VARCHAR(10) NOT NULL DEFAULT '',"
            " firmid INT NOT NULL DEFAULT 0, amount DOUBLE NOT NULL DEFAULT 0, born DATETIME NULL,"
            " note TEXT, updated TIMESTAMP NOT NULL DEFAULT CURRENT_TIMESTAMP ON UPDATE CURRENT_TIMESTAMP,"
            " INDEX(firmid));\n"
            "INSERT INTO firm (id,name) VALUES (1,'Fjord AS'),(2,'Vidde AS');\n"
            "INSERT INTO person (name,firmid,amount,born) VALUES ('Åse',1,1234.5,'1980-05-17 00:00:00'),"
            "('Bjørn',1,-2,NULL),('O''Brien',2,0.125,NULL),('C:\\\\temp',2,7,NULL);\n"))
            << db->admin().lastError().toStdString();
        ASSERT_TRUE(conn.open(db->params()));
    }
    Connection conn;
};

} // namespace

TEST_F(DatasetTest, OpenFilterOrderLocate)
{
    Dataset ds(&conn, "person");
    ds.setOrder("name");
    ASSERT_TRUE(ds.open()) << ds.lastError().toStdString();
    EXPECT_EQ(ds.recordCount(), 4);
    EXPECT_EQ(ds.recNo(), 0);
    EXPECT_EQ(ds.asString("NAME"), "Bjørn");  // field names without regard to letter case

    // Typed text with quotes and backslashes finds its rows once escaped.
    ds.setFilter("name=" + conn.quote("O'Brien"));
    ASSERT_TRUE(ds.open());
    ASSERT_EQ(ds.recordCount(), 1);
    EXPECT_DOUBLE_EQ(ds.asFloat("amount"), 0.125);
    ds.setFilter("name LIKE '%" + conn.escapeLike("C:\\t") + "%'");
    ASSERT_TRUE(ds.open());
    ASSERT_EQ(ds.recordCount(), 1);
    EXPECT_EQ(ds.asString("name"), "C:\\temp");
    // The user's own wildcards still work.
    ds.setFilter("name LIKE '" + conn.escapeLike("_se") + "'");
    ASSERT_TRUE(ds.open());
    EXPECT_EQ(ds.recordCount(), 1);

    ds.setFilter(QString());
    ASSERT_TRUE(ds.open());
    EXPECT_TRUE(ds.locate("name", "åse"));
    EXPECT_EQ(ds.asInt("firmid"), 1);
    EXPECT_TRUE(ds.locate("firmid", 2));
    EXPECT_EQ(ds.asString("name"), "C:\\temp");
    EXPECT_TRUE(ds.locate("name", "bj", true));
    EXPECT_FALSE(ds.locate("name", "nobody"));
    EXPECT_EQ(ds.asString("name"), "Bjørn");  // a failed locate stays put

    ds.last();
    EXPECT_TRUE(ds.eof());
    EXPECT_EQ(ds.recNo(), 3);
    ds.next();
    EXPECT_EQ(ds.recNo(), 3);
    ds.first();
    EXPECT_TRUE(ds.bof());
}

TEST_F(DatasetTest, BrokenFilterFailsWithoutRows)
{
    Dataset ds(&conn, "person");
    ds.setFilter("name='unterminated");
    EXPECT_FALSE(ds.open());
    EXPECT_FALSE(ds.isOpen());
    EXPECT_EQ(ds.recordCount(), 0);
    EXPECT_FALSE(ds.lastError().isEmpty());
    EXPECT_FALSE(ds.edit());
    EXPECT_FALSE(ds.insert());
}

// A new row holds what the server stored, also where that differs from
// what was sent (a rounded decimal, a CHAR without its trailing blanks,
// a time without its milliseconds) and for the columns it chose itself.
TEST_F(DatasetTest, NewRowHoldsWhatTheServerStored)
{
    ASSERT_TRUE(db->admin().execScript(
        "CREATE TABLE kinds (id INT AUTO_INCREMENT PRIMARY KEY, n INT NOT NULL DEFAULT 0, d DOUBLE NOT NULL DEFAULT 0,"
        " t VARCHAR(20) NOT NULL DEFAULT '', c CHAR(6) NOT NULL DEFAULT '', m DECIMAL(8,2) NOT NULL DEFAULT 0,"
        " e ENUM('ja','nei') NOT NULL DEFAULT 'nei', at DATETIME NULL, dflt INT NOT NULL DEFAULT 7,"
        " made TIMESTAMP NOT NULL DEFAULT CURRENT_TIMESTAMP, q VARCHAR(20) NOT NULL DEFAULT 'O''Brien',"
        " bs VARCHAR(10) NOT NULL DEFAULT 'a\\\\b', note TEXT NULL, neg DOUBLE NOT NULL DEFAULT -1.5,"
        " expr INT NOT NULL DEFAULT (2+3), dec0 DECIMAL(8,2) NOT NULL DEFAULT 0.5, big BIGINT NOT NULL DEFAULT -9000000000);\n"))
        << db->admin().lastError().toStdString();
    Dataset ds(&conn, "kinds");
    ASSERT_TRUE(ds.open()) << ds.lastError().toStdString();
    ds.insert();
    ds.setValue("n", 42);
    ds.setValue("d", 0.1);
    ds.setValue("t", "Åse  ");
    ds.setValue("c", "ab  ");
    ds.setValue("m", 12.345);
    ds.setValue("e", "JA");
    ds.setValue("at", QDateTime(QDate(2026, 12, 11), QTime(8, 30, 15, 750)));
    ASSERT_TRUE(ds.post()) << ds.lastError().toStdString();
    const QString stored = conn.scalar("SELECT CONCAT_WS('|', id, n, d, t, c, m, e, at, dflt, made<>0) FROM kinds");
    const QString held = QStringList{QString::number(ds.currentId()), ds.asString("n"), QString::number(ds.asFloat("d")),
                                     ds.asString("t"), ds.asString("c"), QString::number(ds.asFloat("m"), 'f', 2),
                                     ds.asString("e"), ds.asDateTime("at").toString("yyyy-MM-dd HH:mm:ss"),
                                     ds.asString("dflt"), ds.asDateTime("made").isValid() ? "1" : "0"}
                             .join('|');
    EXPECT_EQ(held, stored);
    EXPECT_EQ(ds.asDateTime("at").time().msec(), 0);
    EXPECT_EQ(ds.asString("c"), "ab");
    EXPECT_EQ(ds.asString("e"), "ja");
    EXPECT_EQ(ds.asString("dflt"), "7");
    // Columns left out hold their defaults, whether known beforehand or
    // read back: quoted texts, NULL, numbers, expressions.
    const QString defaults = conn.scalar("SELECT CONCAT_WS('|', q, bs, COALESCE(note, '-'), neg, expr, dec0, big) FROM kinds");
    const QString heldDefaults = QStringList{ds.asString("q"), ds.asString("bs"),
                                             ds.value("note").isNull() ? "-" : "?", ds.asString("neg"),
                                             ds.asString("expr"), QString::number(ds.asFloat("dec0"), 'f', 2),
                                             ds.asString("big")}
                                     .join('|');
    EXPECT_EQ(heldDefaults, defaults);
    EXPECT_EQ(heldDefaults, "O'Brien|a\\b|-|-1.5|5|0.50|-9000000000");

    // A trigger that runs before the insert may change any column, so with
    // one nothing is taken from the defaults.
    ASSERT_TRUE(db->admin().execScript("CREATE TRIGGER kinds_before BEFORE INSERT ON kinds FOR EACH ROW SET NEW.dflt=99, NEW.q='satt';\n"))
        << db->admin().lastError().toStdString();
    Connection other;
    ASSERT_TRUE(other.open(conn.params()));
    Dataset trig(&other, "kinds");
    ASSERT_TRUE(trig.open());
    trig.insert();
    trig.setValue("n", 1);
    ASSERT_TRUE(trig.post()) << trig.lastError().toStdString();
    EXPECT_EQ(trig.asString("dflt"), "99");
    EXPECT_EQ(trig.asString("q"), "satt");
}

TEST_F(DatasetTest, ValuesAndNorwegianDisplay)
{
    Dataset ds(&conn, "person");
    ds.setOrder("id");
    ds.setDisplayFormat("amount", "### ##0.00");
    ASSERT_TRUE(ds.open());
    const int amount = ds.fieldIndex("amount");
    const int born = ds.fieldIndex("born");
    EXPECT_EQ(ds.displayText(0, amount), "1 234,50");
    EXPECT_EQ(ds.displayText(1, amount), "-2,00");
    EXPECT_EQ(ds.displayText(2, amount), "0,13");
    EXPECT_EQ(ds.displayText(0, born), "17.05.1980 00:00");
    EXPECT_TRUE(ds.rowValue(1, born).isNull());
    EXPECT_EQ(ds.displayText(1, born), "");
    EXPECT_EQ(ds.fieldInfo(ds.fieldIndex("name")).maxChars, 10);
    EXPECT_EQ(ds.fieldInfo(ds.fieldIndex("id")).kind, FieldKind::Integer);
}

// Rows as read are shown straight from the server's bytes; a row being
// edited goes the general way through its values. Both must show the same.
TEST_F(DatasetTest, DisplayFromStoredBytesMatchesTheGeneralWay)
{
    ASSERT_TRUE(db->admin().execScript(
        "SET SESSION sql_mode='';\n"
        "CREATE TABLE shown (id INT AUTO_INCREMENT PRIMARY KEY, t DATETIME NULL, d DATE NULL, x DOUBLE NULL,"
        " n INT NULL, s VARCHAR(20) NULL);\n"
        "INSERT INTO shown (t,d,x,n,s) VALUES ('2026-12-10 07:05:09','2026-02-28',1234567.125,-42,'Ærlig'),"
        "('0000-00-00 00:00:00','0000-00-00',-0.004,0,''),('1999-12-31 23:59:59','2000-02-29',0.005,1234567,NULL),"
        "(NULL,NULL,NULL,NULL,NULL),('2024-03-31 02:30:00','1900-01-01',-1e15,-2147483648,'ø');\n"))
        << db->admin().lastError().toStdString();
    struct Case {
        const char* field;
        const char* format;
        const char* expected[5];
    } cases[] = {
        {"t", "", {"10.12.2026 07:05", "", "31.12.1999 23:59", "", "31.03.2024 02:30"}},
        {"t", "dd.MM.yyyy", {"10.12.2026", "", "31.12.1999", "", "31.03.2024"}},
        {"t", "HH:mm", {"07:05", "", "23:59", "", "02:30"}},
        {"d", "", {"28.02.2026", "", "29.02.2000", "", "01.01.1900"}},
        {"x", "", {"1 234 567,13", "0,00", "0,01", "", "-1 000 000 000 000 000,00"}},
        {"x", "0.00", {"1234567,13", "0,00", "0,01", "", "-1000000000000000,00"}},
        {"x", "### ##0.0", {"1 234 567,1", "0,0", "0,0", "", "-1 000 000 000 000 000,0"}},
        {"n", "", {"-42", "0", "1234567", "", "-2147483648"}},
        {"n", "### ##0", {"-42", "0", "1 234 567", "", "-2 147 483 648"}},
        {"s", "", {"Ærlig", "", "", "", "ø"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " '" + c.format + "'");
        Dataset ds(&conn, "shown");
        ds.setOrder("id");
        ds.setDisplayFormat(c.field, c.format);
        ASSERT_TRUE(ds.open());
        const int col = ds.fieldIndex(c.field);
        for (int row = 0; row < 5; ++row) {
            SCOPED_TRACE(row);
            EXPECT_EQ(ds.displayText(row, col), QString::fromUtf8(c.expected[row]));
            ds.moveTo(row);
            ASSERT_TRUE(ds.edit());
            EXPECT_EQ(ds.displayText(row, col), QString::fromUtf8(c.expected[row]));
            ds.cancel();
        }
    }
}

TEST_F(DatasetTest, EventsRunInOrderAndBeforeDeleteCancels)
{
    Dataset ds(&conn, "person");
    ds.setOrder("id");
    QStringList events;
    ds.beforeInsert = [&](Dataset&) { events << "beforeInsert"; return true; };
    ds.onNewRecord = [&](Dataset& d) {
        events << "newRecord";
        d.setValue("firmid", 2);
    };
    ds.beforePost = [&](Dataset&) { events << "beforePost"; return true; };
    ds.afterPost = [&](Dataset& d) { events << "afterPost:" + QString::number(d.currentId()); };
    bool allowDelete = false;
    ds.beforeDelete = [&](Dataset&) { events << "beforeDelete"; return allowDelete; };
    ASSERT_TRUE(ds.open());

    ASSERT_TRUE(ds.insert());
    EXPECT_EQ(ds.state(), Dataset::Insert);
    ASSERT_TRUE(ds.setValue("name", "Nils"));
    ASSERT_TRUE(ds.post());
    const qint64 id = ds.currentId();
    EXPECT_GT(id, 4);
    EXPECT_EQ(events, QStringList({"beforeInsert", "newRecord", "beforePost", "afterPost:" + QString::number(id)}));
    // The insert re-read the row: server defaults are there.
    EXPECT_FALSE(ds.value("updated").isNull());
    EXPECT_EQ(ds.asInt("firmid"), 2);
    EXPECT_EQ(conn.scalar(QString("SELECT firmid FROM person WHERE id=%1").arg(id)), "2");

    events.clear();
    EXPECT_FALSE(ds.remove());  // cancelled
    EXPECT_EQ(events, QStringList({"beforeDelete"}));
    EXPECT_EQ(conn.scalar("SELECT COUNT(*) FROM person"), "5");
    allowDelete = true;
    EXPECT_TRUE(ds.remove());
    EXPECT_EQ(conn.scalar("SELECT COUNT(*) FROM person"), "4");
    EXPECT_EQ(ds.recordCount(), 4);

    // A before-post that says no keeps the row in edit state, unsaved.
    ds.first();
    ds.beforePost = [](Dataset&) { return false; };
    ds.setValue("name", "Endret");
    EXPECT_FALSE(ds.post());
    EXPECT_EQ(ds.state(), Dataset::Edit);
    ds.cancel();
    EXPECT_EQ(ds.asString("name"), "Åse");
    EXPECT_EQ(conn.scalar("SELECT name FROM person WHERE id=1"), "Åse");
}

TEST_F(DatasetTest, CancelInsertRemovesTheRow)
{
    Dataset ds(&conn, "person");
    ASSERT_TRUE(ds.open());
    ds.moveTo(2);
    ASSERT_TRUE(ds.insert());
    EXPECT_EQ(ds.recordCount(), 5);
    ds.cancel();
    EXPECT_EQ(ds.recordCount(), 4);
    EXPECT_EQ(ds.state(), Dataset::Browse);
    EXPECT_EQ(conn.scalar("SELECT COUNT(*) FROM person"), "4");
}

// Saving writes only the columns that changed: a change another workstation
// made to a different column of the same row survives.
TEST_F(DatasetTest, WritesOnlyChangedColumns)
{
    Dataset ds(&conn, "person");
    ds.setOrder("id");
    ASSERT_TRUE(ds.open());
    Connection other;
    ASSERT_TRUE(other.open(db->params()));
    ASSERT_TRUE(other.exec("UPDATE person SET amount=99 WHERE id=1"));

    ASSERT_TRUE(ds.setValue("name", "Åse K"));
    EXPECT_TRUE(ds.isModified("name"));
    EXPECT_FALSE(ds.isModified("amount"));
    ASSERT_TRUE(ds.post());
    EXPECT_EQ(other.scalar("SELECT CONCAT(name,'|',amount) FROM person WHERE id=1"), "Åse K|99");
    // Until a re-read the dataset shows what it read; afterwards the other change.
    EXPECT_DOUBLE_EQ(ds.asFloat("amount"), 1234.5);
    ASSERT_TRUE(ds.refresh());
    EXPECT_DOUBLE_EQ(ds.asFloat("amount"), 99);
    EXPECT_EQ(ds.currentId(), 1);
}

TEST_F(DatasetTest, MovingPostsThePendingEdit)
{
    Dataset ds(&conn, "person");
    ds.setOrder("id");
    ASSERT_TRUE(ds.open());
    ds.setValue("amount", "12,5");  // typed the Norwegian way
    ds.next();
    EXPECT_EQ(ds.state(), Dataset::Browse);
    EXPECT_EQ(conn.scalar("SELECT amount FROM person WHERE id=1"), "12.5");
}

TEST_F(DatasetTest, TooLongTextAndBadNumberAreRefused)
{
    ScriptedDialogs dialogs;
    Dataset ds(&conn, "person");
    ASSERT_TRUE(ds.open());
    EXPECT_FALSE(ds.setValue("name", "Elleve tegn"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, "Feil");
    EXPECT_TRUE(dialogs.lastMessage().contains("for lang"));
    EXPECT_TRUE(ds.setValue("name", "Ti tegn ok"));
    EXPECT_FALSE(ds.setValue("amount", "tolv"));
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(ds.post());
}

TEST_F(DatasetTest, MasterDetailFollowsTheMaster)
{
    Dataset firms(&conn, "firm");
    firms.setOrder("id");
    Dataset people(&conn, "person");
    people.setOrder("id");
    people.setMaster(&firms, "firmid");
    ASSERT_TRUE(firms.open());
    ASSERT_TRUE(people.open());
    EXPECT_EQ(people.recordCount(), 2);
    EXPECT_EQ(people.asString("name"), "Åse");
    firms.next();
    EXPECT_EQ(people.recordCount(), 2);
    EXPECT_EQ(people.asString("name"), "O'Brien");
    // A new detail row belongs to the master's current row.
    ASSERT_TRUE(people.insert());
    people.setValue("name", "Ny");
    ASSERT_TRUE(people.post());
    EXPECT_EQ(conn.scalar("SELECT firmid FROM person WHERE name='Ny'"), "2");
    EXPECT_EQ(people.asString("firmid"), "2");  // the row as shown holds it too
}

// A detail row is never saved under master id 0: a new master row is saved
// first and its id taken; without any master row the new row is refused; a
// pending detail row is saved under its own master before the master moves.
TEST_F(DatasetTest, DetailRowWaitsForItsMastersId)
{
    ScriptedDialogs dialogs;
    Dataset firms(&conn, "firm");
    firms.setOrder("id");
    Dataset people(&conn, "person");
    people.setOrder("id");
    people.setMaster(&firms, "firmid");
    ASSERT_TRUE(firms.open());
    ASSERT_TRUE(people.open());
    ASSERT_TRUE(firms.insert());
    firms.setValue("name", "Ny AS");
    ASSERT_TRUE(people.insert());
    EXPECT_EQ(firms.state(), Dataset::Browse);
    const QString firm = conn.scalar("SELECT id FROM firm WHERE name='Ny AS'");
    ASSERT_FALSE(firm.isEmpty());
    people.setValue("name", "Første");
    ASSERT_TRUE(people.post());
    EXPECT_EQ(conn.scalar("SELECT firmid FROM person WHERE name='Første'"), firm);

    ASSERT_TRUE(people.insert());
    people.setValue("name", "Andre");
    firms.first();
    EXPECT_EQ(conn.scalar("SELECT firmid FROM person WHERE name='Andre'"), firm);
    EXPECT_EQ(people.asInt("firmid"), 1);

    firms.setFilter("id=0");
    ASSERT_TRUE(firms.open());
    EXPECT_FALSE(people.insert());
    EXPECT_FALSE(dialogs.lastMessage().isEmpty());
    EXPECT_EQ(conn.scalar("SELECT COUNT(*) FROM person WHERE firmid=0"), "0");
}

// A query with a joined column writes back to its base table only, and a
// lookup column resolves over the whole table.
TEST_F(DatasetTest, UpdatableQueryAndLookup)
{
    Dataset q(&conn, "person");
    q.setSql("SELECT person.*, firm.name AS firmname FROM person LEFT JOIN firm ON person.firmid=firm.id ORDER BY person.id");
    auto firms = std::make_shared<LookupCache>(&conn, "firm", "id", "name");
    q.addLookupField("firm_lookup", "firmid", firms);
    ASSERT_TRUE(q.open()) << q.lastError().toStdString();
    EXPECT_EQ(q.asString("firmname"), "Fjord AS");
    EXPECT_EQ(q.asString("firm_lookup"), "Fjord AS");
    q.setValue("firmname", "Ignored");
    q.setValue("amount", 5);
    ASSERT_TRUE(q.post()) << q.lastError().toStdString();
    EXPECT_EQ(conn.scalar("SELECT name FROM firm WHERE id=1"), "Fjord AS");
    EXPECT_EQ(conn.scalar("SELECT amount FROM person WHERE id=1"), "5");
    q.setValue("firmid", 2);
    EXPECT_EQ(q.asString("firm_lookup"), "Vidde AS");
}

TEST_F(DatasetTest, LostConnectionGivesAnErrorNotACrash)
{
    Dataset ds(&conn, "person");
    ASSERT_TRUE(ds.open());
    const QString id = conn.scalar("SELECT CONNECTION_ID()");
    ASSERT_TRUE(db->admin().exec("KILL " + id));
    ScriptedDialogs dialogs;
    ds.setValue("name", "Etter");
    EXPECT_FALSE(ds.post());  // a write is never run again blindly
    EXPECT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(ds.recordCount(), 4);  // what was read stays readable
    // The connection was made again: the list reads as the server has it.
    ds.cancel();
    EXPECT_TRUE(ds.refresh());
    EXPECT_EQ(ds.recordCount(), 4);
    EXPECT_NE(conn.scalar("SELECT COUNT(*) FROM person WHERE name='Etter'"), "1");
}

// A transaction the server rolled back as a deadlock victim stays given up:
// a statement after it (even when the caller let the failure pass) fails
// with the same error instead of running on its own and being kept, and the
// commit says so.
TEST_F(DatasetTest, StatementsAfterTheServerEndedTheTransactionAreNotKept)
{
    ASSERT_TRUE(db->admin().execScript("CREATE TABLE dl (id INT PRIMARY KEY, v INT NOT NULL DEFAULT 0);\n"
                                       "INSERT INTO dl (id) SELECT seq FROM seq_1_to_60;\n"));
    Connection other;
    ASSERT_TRUE(other.open(conn.params()));
    // The other transaction is the larger one, so the server picks this
    // connection's as the victim.
    ASSERT_TRUE(other.begin());
    ASSERT_TRUE(other.exec("UPDATE dl SET v=2 WHERE id>=2"));
    ASSERT_TRUE(conn.begin());
    ASSERT_TRUE(conn.exec("UPDATE dl SET v=1 WHERE id=1"));
    std::thread waiter([&] { other.exec("UPDATE dl SET v=2 WHERE id=1"); });  // waits for this connection
    QThread::msleep(300);
    EXPECT_FALSE(conn.exec("UPDATE dl SET v=1 WHERE id=2"));  // the deadlock
    EXPECT_EQ(conn.lastErrno(), 1213u);
    waiter.join();
    ASSERT_TRUE(other.commit());

    EXPECT_FALSE(conn.exec("INSERT INTO dl (id, v) VALUES (100, 1)"));
    EXPECT_TRUE(Connection::isRetryable(conn.lastErrno()));
    EXPECT_TRUE(conn.scalar("SELECT COUNT(*) FROM dl").isEmpty());
    EXPECT_FALSE(conn.commit());
    EXPECT_TRUE(Connection::isRetryable(conn.lastErrno()));  // so the caller runs it all again
    EXPECT_FALSE(conn.inTransaction());
    EXPECT_EQ(conn.scalar("SELECT COUNT(*) FROM dl WHERE id=100 OR v=1"), "0");
    // The next transaction runs as usual.
    ASSERT_TRUE(conn.begin());
    ASSERT_TRUE(conn.exec("INSERT INTO dl (id, v) VALUES (100, 1)"));
    ASSERT_TRUE(conn.commit());
    EXPECT_EQ(conn.scalar("SELECT COUNT(*) FROM dl WHERE id=100"), "1");
}

TEST_F(DatasetTest, ModelFollowsTheDataset)
{
    Dataset ds(&conn, "person");
    ds.setOrder("id");
    DatasetModel model(&ds);
    model.setColumns({"name", "amount"}, {"Navn", "Beløp"});
    ASSERT_TRUE(ds.open());
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Beløp");
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), "1 234,50");
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    ds.setValue("name", "Åsa");
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), "Åsa");
    ds.insert();
    EXPECT_EQ(model.rowCount(), 5);
    ds.cancel();
    EXPECT_EQ(model.rowCount(), 4);
}

// Values of every length come back as stored, NULLs stay NULL, and a row
// written here keeps its place among the rows as read.
TEST_F(DatasetTest, LongShortAndNullValuesRoundTrip)
{
    const QString mid(253, QChar(u'ø'));   // 506 bytes in UTF-8
    const QString big(60000, 'x');  // near the TEXT column's limit
    ASSERT_TRUE(conn.exec("UPDATE person SET note=" + conn.quote(mid) + " WHERE id=1"));
    ASSERT_TRUE(conn.exec("UPDATE person SET note=" + conn.quote(big) + " WHERE id=2"));
    ASSERT_TRUE(conn.exec("UPDATE person SET note='' WHERE id=3"));
    Dataset ds(&conn, "person");
    ds.setOrder("id");
    ASSERT_TRUE(ds.open());
    const int note = ds.fieldIndex("note"), name = ds.fieldIndex("name"), born = ds.fieldIndex("born");
    EXPECT_EQ(ds.rowValue(0, note).toString(), mid);
    EXPECT_EQ(ds.rowValue(1, note).toString(), big);
    EXPECT_EQ(ds.rowValue(1, name).toString(), "Bjørn");  // after a long value
    EXPECT_TRUE(ds.rowValue(2, note).toString().isEmpty());
    EXPECT_FALSE(ds.rowValue(2, note).isNull());
    EXPECT_TRUE(ds.rowValue(3, note).isNull());
    EXPECT_TRUE(ds.rowValue(3, born).isNull());
    EXPECT_EQ(ds.rowValue(3, name).toString(), "C:\\temp");
    ds.moveTo(1);
    ASSERT_TRUE(ds.setValue("amount", 3));
    ASSERT_TRUE(ds.post());
    EXPECT_EQ(ds.rowValue(1, note).toString(), big);
    EXPECT_EQ(ds.rowValue(2, name).toString(), "O'Brien");
}

// With a first batch, opening reads only the first rows; whatever needs the
// rest (count, last row, a search, a new row, the grid at its end) reads it,
// and the current record keeps its place.
TEST_F(DatasetTest, FirstBatchThenTheRest)
{
    struct Step {
        const char* what;
        std::function<void(Dataset&)> run;
        int loadedAfter;
    } steps[] = {
        {"count", [](Dataset& d) { EXPECT_EQ(d.recordCount(), 4); }, 4},
        {"last", [](Dataset& d) { d.last(); EXPECT_EQ(d.asString("name"), "C:\\temp"); }, 4},
        {"next past the batch", [](Dataset& d) { d.next(); d.next(); EXPECT_EQ(d.asString("name"), "O'Brien"); }, 4},
        {"locate", [](Dataset& d) { EXPECT_TRUE(d.locate("firmid", 2)); }, 4},
        {"moveTo", [](Dataset& d) { EXPECT_TRUE(d.moveTo(3)); }, 4},
        {"insert", [](Dataset& d) { EXPECT_TRUE(d.insert()); EXPECT_EQ(d.recNo(), 4); d.cancel(); }, 4},
        {"read shown rows", [](Dataset& d) { EXPECT_EQ(d.displayText(1, d.fieldIndex("name")), "Bjørn"); }, 2},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        Dataset ds(&conn, "person");
        ds.setOrder("id");
        ds.setFirstBatch(2);
        ASSERT_TRUE(ds.open());
        EXPECT_EQ(ds.loadedCount(), 2);
        EXPECT_FALSE(ds.isComplete());
        EXPECT_FALSE(ds.eof());
        s.run(ds);
        EXPECT_EQ(ds.loadedCount(), s.loadedAfter);
    }

    // A current record and its pending edit survive reading the rest.
    Dataset ds(&conn, "person");
    ds.setOrder("id");
    ds.setFirstBatch(2);
    ASSERT_TRUE(ds.open());
    ds.next();
    ASSERT_TRUE(ds.setValue("name", "Bjørnar"));
    EXPECT_EQ(ds.recordCount(), 4);
    EXPECT_EQ(ds.recNo(), 1);
    EXPECT_EQ(ds.state(), Dataset::Edit);
    ASSERT_TRUE(ds.post());
    EXPECT_EQ(conn.scalar("SELECT name FROM person WHERE id=2"), "Bjørnar");

    // A refresh of an unfinished dataset stays unfinished and on its record.
    Dataset again(&conn, "person");
    again.setOrder("id");
    again.setFirstBatch(2);
    ASSERT_TRUE(again.open());
    again.next();
    ASSERT_TRUE(again.refresh());
    EXPECT_EQ(again.loadedCount(), 2);
    EXPECT_EQ(again.asString("name"), "Bjørnar");

    // A batch as large as the table reads it whole at once.
    Dataset whole(&conn, "person");
    whole.setFirstBatch(4);
    ASSERT_TRUE(whole.open());
    EXPECT_TRUE(whole.isComplete());
}

TEST_F(DatasetTest, GridFetchesTheRestAtItsEnd)
{
    Dataset ds(&conn, "person");
    ds.setOrder("id");
    ds.setFirstBatch(3);
    DatasetModel model(&ds);
    ASSERT_TRUE(ds.open());
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_TRUE(model.canFetchMore(QModelIndex()));
    // The rest arrives as added rows, so a view keeps its place.
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    model.fetchMore(QModelIndex());
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_FALSE(model.canFetchMore(QModelIndex()));
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted[0][1].toInt(), 3);
    EXPECT_EQ(inserted[0][2].toInt(), 3);
    EXPECT_EQ(reset.count(), 0);
    EXPECT_EQ(model.data(model.index(3, ds.fieldIndex("name"))).toString(), "C:\\temp");
}

// A list that opens on its newest row reads only the last batch; the rows
// before it come when something needs them, the current record kept.
TEST_F(DatasetTest, OpenAtEndReadsTheLastBatchFirst)
{
    struct Step {
        const char* what;
        std::function<void(Dataset&)> run;
        int loadedAfter;
        const char* currentAfter;
    } steps[] = {
        {"nothing more", [](Dataset&) {}, 2, "C:\\temp"},
        {"last and next stay", [](Dataset& d) { d.last(); d.next(); EXPECT_TRUE(d.eof()); }, 2, "C:\\temp"},
        {"prior within the batch", [](Dataset& d) { d.prior(); }, 2, "O'Brien"},
        {"prior before the batch", [](Dataset& d) { d.prior(); d.prior(); }, 4, "Bjørn"},
        {"count", [](Dataset& d) { EXPECT_EQ(d.recordCount(), 4); }, 4, "C:\\temp"},
        {"insert after the last", [](Dataset& d) { EXPECT_TRUE(d.insert()); EXPECT_EQ(d.recNo(), 2); d.cancel(); }, 2,
         "C:\\temp"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        Dataset ds(&conn, "person");
        ds.setOrder("id");
        ds.setFirstBatch(2);
        ASSERT_TRUE(ds.openAtEnd());
        EXPECT_TRUE(ds.readFromEnd());
        EXPECT_EQ(ds.asString("name"), "C:\\temp");
        EXPECT_EQ(ds.displayText(0, ds.fieldIndex("name")), "O'Brien");
        s.run(ds);
        EXPECT_EQ(ds.loadedCount(), s.loadedAfter);
        EXPECT_EQ(ds.asString("name"), QString::fromUtf8(s.currentAfter));
    }
    // An order of several terms, some descending, turned for the last rows.
    Dataset ds(&conn, "person");
    // firm 2 first (O'Brien 0.125, C:\temp 7), then firm 1 (Bjørn -2, Åse 1234.5)
    ds.setOrder("firmid DESC, (amount) ASC");
    ds.setFirstBatch(1);
    ASSERT_TRUE(ds.openAtEnd());
    EXPECT_EQ(ds.asString("name"), "Åse");
    EXPECT_EQ(ds.recordCount(), 4);
    EXPECT_EQ(ds.displayText(0, ds.fieldIndex("name")), "O'Brien");
    EXPECT_EQ(ds.recNo(), 3);
    // The grid asks for earlier rows at its top, never at its bottom.
    Dataset tail(&conn, "person");
    tail.setOrder("id");
    tail.setFirstBatch(2);
    DatasetModel model(&tail);
    ASSERT_TRUE(tail.openAtEnd());
    EXPECT_FALSE(model.canFetchMore(QModelIndex()));
}
