// Upgrading a database made by an older program: the new columns arrive
// empty, old rows keep their values, and running the upgrade again, or
// after a crash half-way, changes nothing more.
#include "testsupport.h"

#include "data/schemaupgrade.h"

namespace {

// Puts the test database back to version 1 as the older program made it.
void downgrade(Connection& c)
{
    ASSERT_TRUE(c.exec("ALTER TABLE invoice DROP INDEX kid, DROP COLUMN kid")) << c.lastError().toStdString();
    ASSERT_TRUE(c.exec("ALTER TABLE calendar DROP INDEX ix_calendar_published"));
    ASSERT_TRUE(c.exec("DROP FUNCTION kv_take_docnumber"));
    ASSERT_TRUE(c.exec("UPDATE kv_schema SET version=1"));
}

QString columnsOfInvoice(Connection& c)
{
    return c.scalar("SELECT GROUP_CONCAT(COLUMN_NAME ORDER BY ORDINAL_POSITION) FROM information_schema.COLUMNS "
                    "WHERE TABLE_SCHEMA=DATABASE() AND TABLE_NAME='invoice'");
}

} // namespace

TEST_F(DbTest, NewDatabaseIsAtTheCurrentVersion)
{
    EXPECT_EQ(SchemaVersion(db->admin()), kSchemaVersion);
    EXPECT_EQ(db->admin().scalar("SELECT COUNT(*) FROM kv_schema"), "1");
    EXPECT_TRUE(columnsOfInvoice(db->admin()).endsWith(",vatcode,kid"));
}

TEST_F(DbTest, UpgradeAddsTheKidAndKeepsOldInvoices)
{
    Connection& c = db->admin();
    const QString fresh = columnsOfInvoice(c);
    downgrade(c);
    ASSERT_TRUE(c.exec("INSERT INTO invoice (ordernumber, ordertotal, status) VALUES ('5001', 1250.5, 'Fakturert')"));
    EXPECT_EQ(SchemaVersion(c), 1);

    QString error;
    ASSERT_TRUE(UpgradeSchema(c, &error)) << error.toStdString();
    EXPECT_EQ(SchemaVersion(c), kSchemaVersion);
    EXPECT_EQ(columnsOfInvoice(c), fresh);  // same place as in a new database
    EXPECT_EQ(c.scalar("SELECT CONCAT(ordernumber, '|', ordertotal, '|', status, '|', kid) FROM invoice"),
              "5001|1250.5|Fakturert|");
    EXPECT_EQ(c.scalar("SELECT COUNT(*) FROM information_schema.STATISTICS WHERE TABLE_SCHEMA=DATABASE() "
                       "AND TABLE_NAME='invoice' AND INDEX_NAME='kid'"),
              "1");
    EXPECT_EQ(c.scalar("SELECT COUNT(*) FROM information_schema.STATISTICS WHERE TABLE_SCHEMA=DATABASE() "
                       "AND TABLE_NAME='calendar' AND INDEX_NAME='ix_calendar_published'"),
              "1");
    EXPECT_EQ(c.scalar("SELECT COUNT(*) FROM information_schema.ROUTINES WHERE ROUTINE_SCHEMA=DATABASE() "
                       "AND ROUTINE_NAME='kv_take_docnumber'"),
              "1");

    // Again: nothing to do, nothing changes.
    ASSERT_TRUE(UpgradeSchema(c, &error)) << error.toStdString();
    EXPECT_EQ(columnsOfInvoice(c), fresh);
    EXPECT_EQ(c.scalar("SELECT COUNT(*) FROM kv_schema"), "1");

    // A numbering function the server could not make then comes at a later run.
    ASSERT_TRUE(c.exec("DROP FUNCTION kv_take_docnumber"));
    ASSERT_TRUE(UpgradeSchema(c, &error)) << error.toStdString();
    EXPECT_EQ(c.scalar("SELECT COUNT(*) FROM information_schema.ROUTINES WHERE ROUTINE_SCHEMA=DATABASE() "
                       "AND ROUTINE_NAME='kv_take_docnumber'"),
              "1");
}

// A crash between adding the column and recording the version: the next
// run finds the column there and finishes the step.
TEST_F(DbTest, UpgradeFinishesAStepLeftHalfDone)
{
    Connection& c = db->admin();
    downgrade(c);
    ASSERT_TRUE(c.exec("ALTER TABLE invoice ADD COLUMN kid VARCHAR(25) NOT NULL DEFAULT '' AFTER vatcode"));
    QString error;
    ASSERT_TRUE(UpgradeSchema(c, &error)) << error.toStdString();
    EXPECT_EQ(SchemaVersion(c), kSchemaVersion);
    EXPECT_EQ(c.scalar("SELECT COUNT(*) FROM information_schema.STATISTICS WHERE TABLE_SCHEMA=DATABASE() "
                       "AND TABLE_NAME='invoice' AND INDEX_NAME='kid'"),
              "1");
}

TEST_F(DbTest, UpgradeRefusesADatabaseThatIsNotKvarnels)
{
    Connection& c = db->admin();
    ASSERT_TRUE(c.exec("CREATE DATABASE IF NOT EXISTS `" + db->name() + "_x`"));
    ASSERT_TRUE(c.exec("USE `" + db->name() + "_x`"));
    QString error;
    EXPECT_FALSE(UpgradeSchema(c, &error));
    EXPECT_TRUE(error.contains("ikke Kvarnels tabeller"));
    EXPECT_EQ(SchemaVersion(c), 0);
    // Every Kvarnel database of the server is upgraded; this one is not one.
    ASSERT_TRUE(c.exec("USE `" + db->name() + "`"));
    downgrade(c);
    EXPECT_FALSE(KvarnelDatabases(c).contains(db->name() + "_x"));
    // Other tests' databases on the same server may come and go meanwhile;
    // only this one's upgrade is judged here.
    error.clear();
    if (!UpgradeAllDatabases(c, &error)) {
        EXPECT_FALSE(error.contains("databasen " + db->name() + ":")) << error.toStdString();
    }
    EXPECT_EQ(c.scalar("SELECT DATABASE()"), db->name());
    EXPECT_EQ(SchemaVersion(c), kSchemaVersion);
    c.exec("DROP DATABASE `" + db->name() + "_x`");
}
