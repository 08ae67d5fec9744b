#include "testsupport.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#ifndef KV_TESTS_DIR
#define KV_TESTS_DIR "."
#endif

// The created schema matches the column listing table by table, column by
// column: names, order, types and lengths.
TEST_F(DbTest, SchemaMatchesColumnListing)
{
    QFile f(QStringLiteral(KV_TESTS_DIR "/data/schema_columns.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList want;
    QTextStream in(&f);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (!line.isEmpty() && !line.startsWith('#')) want << line;
    }
    auto r = db->admin().query(
        "SELECT table_name, ordinal_position, column_name, column_type FROM information_schema.columns "
        "WHERE table_schema=DATABASE() ORDER BY table_name, ordinal_position");
    ASSERT_TRUE(r);
    QStringList got;
    // Integer display widths ("int(11)") are left out: servers differ in showing them.
    static const QRegularExpression width(QStringLiteral("^((tiny|small|medium|big)?int)\\(\\d+\\)"));
    while (r->next())
        got << r->value(0) + '\t' + r->value(1) + '\t' + r->value(2) + '\t' + r->value(3).replace(width, "\\1");
    QStringList missing, extra;
    for (const QString& w : want)
        if (!got.contains(w)) missing << w;
    for (const QString& g : got)
        if (!want.contains(g)) extra << g;
    EXPECT_TRUE(missing.isEmpty()) << "missing or different:\n" << missing.join('\n').toStdString();
    EXPECT_TRUE(extra.isEmpty()) << "not in the listing:\n" << extra.join('\n').toStdString();
    EXPECT_EQ(got.size(), want.size());
}

// Numbers never hold NULL, and the server stamps `updated`.
TEST_F(DbTest, NumericColumnsAreNotNullAndUpdatedIsStamped)
{
    EXPECT_EQ(db->admin().scalar(
                  "SELECT COUNT(*) FROM information_schema.columns WHERE table_schema=DATABASE() AND "
                  "data_type IN ('int','smallint','bigint','double','tinyint') AND is_nullable='YES'"),
              "0");
    ASSERT_TRUE(db->admin().exec("INSERT INTO orders (ordernumber) VALUES (1)"));
    EXPECT_EQ(db->admin().scalar("SELECT updated IS NOT NULL AND status=0 FROM orders"), "1");
    // Strict mode: an overlong text is refused, not cut.
    Connection c;
    ASSERT_TRUE(c.open(db->params()));
    EXPECT_FALSE(c.exec("INSERT INTO accounts (header) VALUES ('" + QString(200, 'x') + "')"));
}

TEST(DemoData, LoadsIntoAFreshDatabase)
{
    TestDatabase demo(true);
    ASSERT_TRUE(demo.ok());
    EXPECT_EQ(demo.admin().scalar("SELECT COUNT(*) FROM users WHERE username='demo'"), "1");
    EXPECT_GT(demo.admin().scalar("SELECT COUNT(*) FROM items").toInt(), 20);
}
