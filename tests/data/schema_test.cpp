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

// The demo company holds together: whatever names a project part names one
// of its own project's parts, and postings move their sums the one way a
// posting does (from the account credited to the account debited), so no
// cost or expense account is ever credited by a purchase or a payment.
TEST(DemoData, PartsBelongToTheirProjectAndPostingsDebitCosts)
{
    TestDatabase demo(true);
    ASSERT_TRUE(demo.ok());
    Connection& c = demo.admin();
    const std::pair<const char*, const char*> links[] = {
        {"calendar", "systemid"}, {"items", "subprojectid"}, {"orders", "systemid"}, {"offer", "systemid"},
        {"invoice", "systemid"},  {"po", "systemid"},        {"asset", "systemid"},  {"document", "systemid"},
        {"jobs", "systemid"},
    };
    for (const auto& [table, column] : links) {
        SCOPED_TRACE(table);
        EXPECT_EQ(c.scalar(QString("SELECT GROUP_CONCAT(t.id) FROM `%1` t JOIN subproject s ON s.id=t.`%2` "
                                   "WHERE t.`%2`<>0 AND s.project<>t.projectid")
                               .arg(table, column)),
                  "");
    }
    EXPECT_EQ(c.scalar("SELECT COUNT(*) FROM calendar WHERE projectid=2 AND systemid IN (4, 5)"), "4");
    // Purchases go from the payable to the cost account, payments from the
    // bank; sales from the sales account to receivables.
    EXPECT_EQ(c.scalar("SELECT GROUP_CONCAT(id) FROM entries WHERE from_account BETWEEN 4000 AND 8999"), "");
    EXPECT_EQ(c.scalar("SELECT GROUP_CONCAT(CONCAT(from_account, '>', to_account) ORDER BY id) FROM entries"),
              "3000>1500,3000>1500,3000>1500,1500>1921,2400>4300,1921>6300,2400>6700,1921>7000,1921>6900");
}
