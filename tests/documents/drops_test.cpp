// The data tool's drop rules: pure functions (kind, x, row) -> condition or
// sort, tested by tables; the order rule; values in conditions.
#include "documents/qstring_print.h"
#include "documents/documentrules.h"
#include "products/productlistform.h"
#include "ui/datadrop.h"

#include <QDateTime>
#include <QMimeData>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

// A row made of field -> value.
DropRow rowOf(std::map<QString, QVariant> values)
{
    auto shared = std::make_shared<std::map<QString, QVariant>>(std::move(values));
    return [shared](const QString& f) -> QVariant {
        auto it = shared->find(f);
        return it == shared->end() ? QVariant() : it->second;
    };
}

DropEvent ev(DropKind k, int x, DropRow row, const QString& text = {}, const QString& column = {})
{
    DropEvent e;
    e.kind = k;
    e.x = x;
    e.row = std::move(row);
    e.text = text;
    e.column = column;
    return e;
}

} // namespace

TEST(DataToolDrops, DocumentGrid)
{
    const DropRow row = rowOf({{"subject", "Tilbud"}, {"companyid", 4}});
    struct Case {
        DropKind kind;
        int x;
        const char* text;
        const char* result;
    };
    const Case cases[] = {
        {DropKind::Order, 0, "", "sort:subject"},
        {DropKind::Order, 300, "", "sort:subject"},
        {DropKind::Order, 301, "", "sort:document_name"},
        {DropKind::Search, 10, "plan",
         "filter:document.document_name like '%plan%' OR document.subject like '%plan%' OR document.category like '%plan%'"},
        {DropKind::Search, 10, "O'Brien\\",
         "filter:document.document_name like '%O\\'Brien\\\\\\\\%' OR document.subject like '%O\\'Brien\\\\\\\\%' OR "
         "document.category like '%O\\'Brien\\\\\\\\%'"},
        {DropKind::Search, 10, "", "filter:"},
        {DropKind::All, 500, "", "filter:"},
        {DropKind::Where, 10, "", "refuse"},
        {DropKind::Lock, 10, "", "refuse"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DocumentGridDrop(ev(c.kind, c.x, row, c.text)).describe(), QString(c.result)) << c.result;
}

TEST(DataToolDrops, DocumentRecordFields)
{
    const DropRow row = rowOf({{"category", "Tegning's"},
                               {"user", 3},
                               {"document_path", "plan/2026"},
                               {"companyid", 0},
                               {"userid", QVariant()},
                               {"productid", 12},
                               {"assetid", "7"},
                               {"systemid", 2},
                               {"jobid", 9},
                               {"projectid", 5}});
    const DropRow noProject = rowOf({{"projectid", QVariant()}});
    struct Case {
        const char* field;
        DropKind kind;
        const char* result;
        bool useNoProject = false;
    };
    const Case cases[] = {
        {"subject", DropKind::Order, "sort:subject"},
        {"subject", DropKind::Where, "refuse"},
        {"document_name", DropKind::Order, "sort:document_name"},
        {"document_created", DropKind::Order, "sort:document_created"},
        {"updated", DropKind::Order, "sort:updated"},
        {"document_size", DropKind::Order, "sort:document_size"},
        {"regnumber", DropKind::Order, "sort:regnumber"},
        {"regnumber", DropKind::All, "refuse"},
        {"category", DropKind::Where, "filter:document.category='Tegning\\'s'"},
        {"category", DropKind::Order, "refuse"},
        {"user", DropKind::Order, "sort:document.user"},
        {"user", DropKind::Where, "filter:document.user=3"},
        {"user", DropKind::All, "reread"},
        {"user", DropKind::Lock, "reread"},
        {"document_path", DropKind::Order, "sort:document.document_path"},
        {"document_path", DropKind::Where, "filter:document.document_path='plan/2026'"},
        {"document_path", DropKind::Lock, "reread"},
        // Link fields: their id, 0 when empty, never "companyid=" with nothing.
        {"companyid", DropKind::Where, "filter:document.companyid=0"},
        {"userid", DropKind::Where, "filter:document.userid=0"},
        {"productid", DropKind::Where, "filter:document.productid=12"},
        {"assetid", DropKind::Where, "filter:document.assetid=7"},
        {"systemid", DropKind::Where, "filter:document.systemid=2"},
        {"jobid", DropKind::Where, "filter:document.jobid=9"},
        {"companyid", DropKind::Order, "refuse"},
        {"projectid", DropKind::Where, "filter:document.projectid=5"},
        {"projectid", DropKind::Lock, "lock:5 filter:document.projectid=5"},
        {"projectid", DropKind::Lock, "lock:0 filter:document.projectid=0", true},
        {"projectid", DropKind::Order, "refuse"},
        {"subject", DropKind::Search, "refuse"},
        {"persons", DropKind::Where, "refuse"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DocumentFieldDrop(c.field, ev(c.kind, 0, c.useNoProject ? noProject : row)).describe(),
                  QString(c.result))
            << c.field << " " << c.result;
}

TEST(DataToolDrops, ProductGrid)
{
    const DropRow row = rowOf({{"vendor", 17}});
    const DropRow noVendor = rowOf({{"vendor", QVariant()}});
    struct Case {
        DropKind kind;
        int x;
        const char* text;
        const char* result;
        bool empty = false;
    };
    const Case cases[] = {
        {DropKind::Order, 0, "", "sort:productcode"},
        {DropKind::Order, 100, "", "sort:productcode"},
        {DropKind::Order, 101, "", "sort:producttext"},
        {DropKind::Order, 350, "", "sort:producttext"},
        {DropKind::Order, 351, "", "none"},
        {DropKind::Where, 575, "", "refuse"},
        {DropKind::Where, 576, "", "filter:vendor=17"},
        {DropKind::Where, 900, "", "filter:vendor=0", true},
        {DropKind::Search, 5, "kabel 3x", "filter:producttext like '%kabel 3x%' OR productcode like '%kabel 3x%'"},
        {DropKind::All, 5, "", "filter:"},
        {DropKind::Lock, 700, "", "refuse"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TProductListForm::GridDrop(ev(c.kind, c.x, c.empty ? noVendor : row, c.text)).describe(),
                  QString(c.result))
            << c.result;
}

TEST(DataToolDrops, ColumnUnderTheDropPoint)
{
    const DropRow row = rowOf({{"companyname", "Brødrene O'Hara AS"},
                               {"author", 4},
                               {"newsdate", QDateTime(QDate(2026, 3, 1), QTime(0, 0))},
                               {"stopptime", QVariant()},
                               {"status", 10}});
    const QStringList search = {"companyname", "city"};
    const QHash<QString, QString> keys = {{"news_initials", "author"}};
    struct Case {
        DropKind kind;
        const char* column;
        const char* text;
        const char* result;
    };
    const Case cases[] = {
        {DropKind::Order, "companyname", "", "sort:companyname"},
        {DropKind::Order, "news_initials", "", "sort:author"},
        {DropKind::Order, "", "", "none"},
        {DropKind::Where, "companyname", "", "filter:companyname='Brødrene O\\'Hara AS'"},
        {DropKind::Where, "news_initials", "", "filter:author=4"},
        {DropKind::Where, "newsdate", "", "filter:newsdate='2026-03-01 00:00:00'"},
        {DropKind::Where, "stopptime", "", "filter:(stopptime IS NULL OR stopptime='')"},
        {DropKind::Where, "status", "", "filter:status=10"},
        {DropKind::Where, "", "", "none"},
        {DropKind::All, "city", "", "filter:"},
        {DropKind::Search, "city", "Ås", "filter:companyname like '%Ås%' OR city like '%Ås%'"},
        {DropKind::Search, "city", "  ", "filter:"},
        {DropKind::Lock, "companyname", "", "refuse"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColumnDrop(ev(c.kind, 0, row, c.text, c.column), search, keys).describe(), QString(c.result))
            << c.result;
    EXPECT_EQ(ColumnDrop(ev(DropKind::Search, 0, row, "x", "city"), {}, keys).describe(), "refuse");
}

TEST(DataToolDrops, OrderRuleTogglesOnlyItsOwnField)
{
    struct Case {
        const char* order;
        const char* field;
        const char* result;
    };
    const Case cases[] = {
        {"updated DESC LIMIT 10", "subject", "subject"},
        {"subject", "subject", "subject DESC"},
        {"subject DESC", "subject", "subject"},
        {"", "subject", "subject"},
        {"subject,updated", "subject", "subject,updated"},
        {"updated DESC LIMIT 10", "updated", "updated DESC LIMIT 10"},
        {"document.user", "document.user", "document.user DESC"},
    };
    for (const Case& c : cases) EXPECT_EQ(ToggledOrder(c.order, c.field), QString(c.result)) << c.order;
    // Three drops: ascending, descending, ascending.
    QString order = "updated DESC LIMIT 10";
    QStringList seen;
    for (int i = 0; i < 3; ++i) seen << (order = ToggledOrder(order, "subject"));
    EXPECT_EQ(seen, QStringList({"subject", "subject DESC", "subject"}));
}

TEST(DataToolDrops, DragDataCarriesTheSourceAndTheText)
{
    for (DropKind k : {DropKind::Where, DropKind::Order, DropKind::Lock, DropKind::All, DropKind::Search}) {
        std::unique_ptr<QMimeData> m(DataToolMimeData(k, "søk\netter"));
        DropKind read;
        QString text;
        ASSERT_TRUE(ReadDataToolMime(m.get(), &read, &text));
        EXPECT_EQ(read, k);
        EXPECT_EQ(text, k == DropKind::Search ? QString("søk\netter") : QString());
    }
    QMimeData other;
    other.setText("where");
    DropKind k;
    EXPECT_FALSE(ReadDataToolMime(&other, &k, nullptr));
    QMimeData forged;
    forged.setData(kDataToolMime, "drop table");
    EXPECT_FALSE(ReadDataToolMime(&forged, &k, nullptr));
}

TEST(DocumentRules, FiltersAndTheLimitOfTheLatestTen)
{
    EXPECT_EQ(DocumentSearchCondition("a'b"),
              "document.category like '%a\\'b%' OR document.subject like '%a\\'b%' OR document.document_name like "
              "'%a\\'b%'");
    EXPECT_EQ(OrderWithoutLimit("updated DESC LIMIT 10"), "updated DESC");
    EXPECT_EQ(OrderWithoutLimit("subject DESC"), "subject DESC");
}
