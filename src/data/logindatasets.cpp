#include "data/logindatasets.h"

#include "core/sysreg.h"
#include "core/textfil.h"
#include "data/datamodule.h"

namespace {
bool excluded(const QString& table)
{
    MainIniSection s(QStringLiteral("KVARNEL_SQL"));
    return GetRegBoolean(QStringLiteral("NO_") + table);
}

QString contactSelect()
{
    QString sql;
    return kv_Select(Contact_SELECTFIELD, QStringLiteral("contact"), Contact_JOINTABLE, sql, Contact_ORDER, QString(),
                     QString(), Contact_JOINFIELD);
}

QString documentSelect()
{
    QString sql;
    return kv_Select(Document_SELECTFIELD, QStringLiteral("document"), Document_JOINTABLE, sql, Document_ORDER,
                     QString(), QString(), Document_JOINFIELD);
}
} // namespace

void OpenLoginDatasets(TDatabaseModule& dm, const LoginHooks& hooks)
{
    struct Step {
        Dataset* ds;
        const char* table;
        bool query;
        QString (*rebuild)();
    };
    const Step steps[] = {
        {&dm.UserTable, "users", false, nullptr},      {&dm.GroupTable, "groups", false, nullptr},
        {&dm.CompanyTable, "company", false, nullptr}, {&dm.ContactQuery, "contact", true, &contactSelect},
        {&dm.CalendarTable, "calendar", false, nullptr}, {&dm.ProductTable, "product", false, nullptr},
        {&dm.ProjectTable, "project", false, nullptr}, {&dm.SubProjectTable, "subproject", false, nullptr},
        {&dm.NewsTable, "news", false, nullptr},       {&dm.DocumentQuery, "document", true, &documentSelect},
        {&dm.AssetTable, "asset", false, nullptr},     {&dm.BannerTable, "banner", false, nullptr},
        {&dm.JobQuery, "jobs", true, nullptr},         {&dm.ItemsQuery, "items", true, nullptr},
        {&dm.OrderTable, "orders", false, nullptr},    {&dm.AccountTable, "accounts", false, nullptr},
        {&dm.EntriesTable, "entries", false, nullptr}, {&dm.POTable, "po", false, nullptr},
        {&dm.OfferTable, "offer", false, nullptr},     {&dm.InvoiceTable, "invoice", false, nullptr},
    };
    int n = 0;
    for (const Step& s : steps) {
        const QString table = QLatin1String(s.table);
        const QString label = TableRealNames.value(TableNames.indexOf(table), table);
        const bool opens = !excluded(table);
        if (hooks.step) hooks.step(++n, label, opens);
        if (opens) {
            if (s.query) {
                if (s.rebuild) s.ds->setSql(s.rebuild());
                s.ds->close();
                if (!s.ds->open()) LogLine(QStringLiteral("SQLERROR: ") + s.ds->sql());
            } else {
                dm.TableOpen(*s.ds, false, false);
            }
        }
        if (s.ds == &dm.UserTable && hooks.afterUsers) hooks.afterUsers();
    }
}
