#include "data/datamodule.h"

#include "data/rules.h"

#include "core/cp1252.h"
#include "core/dialogs.h"
#include "core/login.h"
#include "core/sysreg.h"
#include "core/textfil.h"

#include <QFile>
#include <QRegularExpression>

const QStringList TableNames = {"users",   "document", "invoice", "company",  "groups",  "po",      "jobs",
                                "calendar", "contact", "accounts", "news",    "orders",  "entries", "project",
                                "subproject", "banner", "offer",   "asset",    "product", "items"};
const QStringList TableRealNames = {"Brukere",   "Dokumenter", "Faktura",   "Firmaer", "Grupper",
                                    "Innkjøp",   "Jobber",     "Kalender",  "Kontakter", "Kontoer",
                                    "Nyheter",   "Ordrer",     "Posteringer", "Prosjekt", "System",
                                    "Reklame",   "Tilbud",     "Utstyr",    "Varer",   "Varetransaksjoner"};

QString Contact_SELECTFIELD, Contact_JOINTABLE, Contact_JOINFIELD, Contact_ORDER, Contact_WHERE, Contact_AND;
QString Document_SELECTFIELD, Document_JOINTABLE, Document_JOINFIELD, Document_ORDER, Document_WHERE, Document_AND;
QString Items_SELECTFIELD, Items_JOINTABLE, Items_JOINFIELD, Items_ORDER, Items_WHERE, Items_AND;
QString Job_SELECTFIELD, Job_JOINTABLE, Job_JOINFIELD, Job_ORDER, Job_WHERE, Job_AND;

std::array<double, 5> VATpercent{25, 13, 12, 11, 0};
int CurrentVATcode = 0;
int CurrentOrderID = 0, CurrentPOID = 0, CurrentOfferID = 0, CurrentInvoiceID = 0;
int CurrentProjectID = 0, CurrentSubProjectID = 0, CurrentAssetID = 0;
int ProjectLockId = 0;
int LastOrderNumber = 0, LastPONumber = 0, LastOfferNumber = 0, LastInvoiceNumber = 0;
QString LastMark;
QDate EntriesDate;
bool ConfirmDelete = true;

void ResetSelectSettings()
{
    Contact_SELECTFIELD = "contact.*, companyname";
    Contact_JOINTABLE = "company";
    Contact_JOINFIELD = "contact.companyid=company.id";
    Contact_ORDER = "realname";
    Contact_WHERE.clear();
    Contact_AND.clear();
    Document_SELECTFIELD =
        "document.created,document.document_created,document.updated,document.subject,document.category,"
        "document.userid,document.companyid,document.document_name,document.document_path,document.user,"
        "document.usergroup,document.id,document.systemid,document.jobid,document.productid,document.assetid,"
        "document.projectid,document.persons,document.document_size,document.document_type,document.regnumber,"
        "document.object_text,document.document_info,document.dataincluded,document.document_mime,"
        "document.document_info, document.rwx_all, initials";
    Document_JOINTABLE = "users";
    Document_JOINFIELD = "document.user=users.id";
    Document_ORDER = "updated DESC LIMIT 10";
    Document_WHERE.clear();
    Document_AND.clear();
    Items_SELECTFIELD = "*";
    Items_JOINTABLE.clear();
    Items_JOINFIELD.clear();
    Items_ORDER = "date,mark";
    Items_WHERE.clear();
    Items_AND.clear();
    Job_SELECTFIELD = "*";
    Job_JOINTABLE.clear();
    Job_JOINFIELD.clear();
    Job_ORDER = "job";
    Job_WHERE.clear();
    Job_AND.clear();
}

void ResetSharedValues()
{
    VATpercent = {25, 13, 12, 11, 0};
    CurrentVATcode = 0;
    CurrentOrderID = CurrentPOID = CurrentOfferID = CurrentInvoiceID = 0;
    CurrentProjectID = CurrentSubProjectID = CurrentAssetID = 0;
    ProjectLockId = 0;
    LastOrderNumber = LastPONumber = LastOfferNumber = LastInvoiceNumber = 0;
    LastMark.clear();
    EntriesDate = QDate();
    ConfirmDelete = true;
}

namespace {
SelectTextSink g_selectSink = nullptr;
struct SelectInit {
    SelectInit() { ResetSelectSettings(); }
} g_selectInit;
} // namespace

void SetSelectTextSink(SelectTextSink sink) { g_selectSink = sink; }

QString kv_Select(const QString& fields, const QString& table, const QString& jointable, QString& out,
                  const QString& order, const QString& andcond, const QString& wherecond, const QString& joinfield)
{
    QString s = "SELECT " + fields + " FROM " + table;
    if (!jointable.isEmpty()) s += " LEFT JOIN " + jointable + " ON " + joinfield;
    if (!wherecond.isEmpty()) s += " WHERE " + wherecond;
    if (!andcond.isEmpty()) s += (wherecond.isEmpty() ? " WHERE " : " AND ") + andcond;
    if (!order.isEmpty()) s += " ORDER BY " + order;
    out = s;
    if (g_selectSink) g_selectSink(s);
    if (VerboseLogging) LogLine(s);
    return s;
}

QString StripSecrets(const QString& iniText)
{
    static const QRegularExpression secret(QStringLiteral("^\\s*[^=\\[]*(pass(word|ord)?|pwd|secret)[^=]*="),
                                           QRegularExpression::CaseInsensitiveOption);
    QStringList kept;
    const QStringList lines = iniText.split(QRegularExpression(QStringLiteral("\r\n|\n")));
    for (const QString& l : lines)
        if (!secret.match(l).hasMatch()) kept << l;
    return kept.join(QStringLiteral("\r\n"));
}

// ---------------------------------------------------------------------------

TDatabaseModule::TDatabaseModule(QObject* parent)
    : QObject(parent),
      CompanyTable(&MyConnection, "company", 101), ContactQuery(&MyConnection, "contact", 102),
      DocumentTable(&MyConnection, "document", 103), DocumentQuery(&MyConnection, "document", 103),
      NewsTable(&MyConnection, "news", 104), ProjectTable(&MyConnection, "project", 105),
      SubProjectTable(&MyConnection, "subproject", 106), CalendarTable(&MyConnection, "calendar", 107),
      UserTable(&MyConnection, "users", 108), GroupTable(&MyConnection, "groups", 109),
      ProductTable(&MyConnection, "product", 110), AssetTable(&MyConnection, "asset", 111),
      BannerTable(&MyConnection, "banner", 112), JobQuery(&MyConnection, "jobs", 113),
      ItemsQuery(&MyConnection, "items", 114), OrderTable(&MyConnection, "orders", 115),
      AccountTable(&MyConnection, "accounts", 116), EntriesTable(&MyConnection, "entries", 117),
      POTable(&MyConnection, "po", 118), OfferTable(&MyConnection, "offer", 119),
      InvoiceTable(&MyConnection, "invoice", 120), CompanyMiniQuery(&MyConnection, "product", 0)
{
    setupDatasets();
    InstallRecordRules(*this);
}

TDatabaseModule::~TDatabaseModule() = default;

std::vector<Dataset*> TDatabaseModule::datasets()
{
    return {&CompanyTable, &ContactQuery, &DocumentTable, &DocumentQuery, &NewsTable,   &ProjectTable,
            &SubProjectTable, &CalendarTable, &UserTable, &GroupTable,   &ProductTable, &AssetTable,
            &BannerTable,  &JobQuery,      &ItemsQuery,   &OrderTable,    &AccountTable, &EntriesTable,
            &POTable,      &OfferTable,    &InvoiceTable, &CompanyMiniQuery};
}

Dataset* TDatabaseModule::datasetOf(const QString& table)
{
    for (Dataset* d : datasets())
        if (d != &DocumentTable && d != &CompanyMiniQuery && d->tableName().compare(table, Qt::CaseInsensitive) == 0)
            return d;
    return nullptr;
}

Dataset* TDatabaseModule::datasetByNumber(int number)
{
    for (Dataset* d : datasets())
        if (d->tableNumber() == number && d != &DocumentTable) return d;
    return nullptr;
}

std::shared_ptr<LookupCache> TDatabaseModule::lookup(const QString& table, const QString& textField,
                                                     const QString& keyField)
{
    const QString key = table + '.' + keyField + '.' + textField;
    auto it = lookups_.find(key);
    if (it != lookups_.end()) return it->second;
    auto cache = std::make_shared<LookupCache>(&MyConnection, table, keyField, textField);
    lookups_.emplace(key, cache);
    return cache;
}

void TDatabaseModule::setupDatasets()
{
    CompanyTable.setOrder("companyname");
    DocumentTable.setOrder("subject");
    NewsTable.setOrder("newsdate");
    NewsTable.setFilter("status=1");
    ProjectTable.setOrder("startdate,projectnumber");
    ProjectTable.setFilter("projectstatus<20");
    SubProjectTable.setOrder("systemnumber");
    SubProjectTable.setMaster(&ProjectTable, "project", "id");
    CalendarTable.setOrder("time_from");
    CalendarTable.setFilter("status<20");
    UserTable.setOrder("realname");
    GroupTable.setOrder("group_id");
    ProductTable.setOrder("productcode");
    ProductTable.setFilter("user_favorite=1");
    AssetTable.setOrder("assetnumber");
    BannerTable.setOrder("time_from");
    OrderTable.setOrder("ordernumber");
    AccountTable.setOrder("account");
    EntriesTable.setOrder("id");
    InvoiceTable.setOrder("ordernumber");

    QString dummy;
    ContactQuery.setSql(kv_Select(Contact_SELECTFIELD, "contact", Contact_JOINTABLE, dummy, Contact_ORDER, "", "",
                                  Contact_JOINFIELD));
    DocumentQuery.setSql(kv_Select(Document_SELECTFIELD, "document", Document_JOINTABLE, dummy, Document_ORDER, "",
                                   "", Document_JOINFIELD));
    JobQuery.setSql("select * from jobs");
    ItemsQuery.setSql("select * from items");
    // One row per supplier: grouped by the supplier's id as well as its name,
    // so two suppliers of the same name are not counted as one.
    CompanyMiniQuery.setSql("select product.vendor,companyname, COUNT(*) from product "
                            "LEFT JOIN company ON product.vendor=company.id "
                            "group by product.vendor,companyname");

    // Lookup columns, resolved over whole tables.
    for (Dataset* doc : {&OrderTable, &OfferTable, &InvoiceTable, &POTable}) {
        doc->addLookupField("companyname", "companyid", lookup("company", "companyname"));
        doc->addLookupField("contact_ex", "external_contact", lookup("contact", "realname"));
        doc->addLookupField("contact_int", "userid", lookup("users", "realname"));
    }
    ItemsQuery.addLookupField("ordernumber", "orderid", lookup("orders", "ordernumber"));
    ItemsQuery.addLookupField("ponumber", "poid", lookup("po", "ordernumber"));
    ItemsQuery.addLookupField("offernumber", "offerid", lookup("offer", "ordernumber"));
    ItemsQuery.addLookupField("invoicenumber", "invoiceid", lookup("invoice", "ordernumber"));
    ItemsQuery.addLookupField("projectnumber", "projectid", lookup("project", "projectnumber"));
    ProductTable.addLookupField("product_companyname", "vendor", lookup("company", "companyname"));
    CalendarTable.addLookupField("calendar_initials", "userid", lookup("users", "initials"));
    CalendarTable.addLookupField("projectnumber", "projectid", lookup("project", "projectnumber"));
    CalendarTable.addLookupField("systemnumber", "systemid", lookup("subproject", "systemnumber"));
    CalendarTable.addLookupField("ordernumber", "orderid", lookup("orders", "ordernumber"));
    CalendarTable.addLookupField("assetnumber", "assetid", lookup("asset", "assetnumber"));
    DocumentTable.addLookupField("document_initials", "user", lookup("users", "initials"));
    NewsTable.addLookupField("news_initials", "author", lookup("users", "initials"));
    EntriesTable.addLookupField("companyname", "companyid", lookup("company", "companyname"));

    // Screen formats of the amounts.
    for (Dataset* doc : {&OrderTable, &OfferTable, &InvoiceTable, &POTable})
        for (const char* f : {"ordertotal", "ordercost", "orderVAT", "sum", "profit", "lockedprice", "discount"})
            doc->setDisplayFormat(f, "### ##0.00");
    for (const char* f : {"price", "sum", "cost", "sumcost"}) ItemsQuery.setDisplayFormat(f, "### ##0.00");
    for (const char* f : {"cost", "price", "freight", "addsum", "direct_cost", "real_cost"})
        ProductTable.setDisplayFormat(f, "0.00");
    for (const char* f : {"hours", "hours_50", "hours_100"}) CalendarTable.setDisplayFormat(f, "#0.0");
    for (const char* f : {"sum", "budget", "credit", "lastyearsum"}) AccountTable.setDisplayFormat(f, "# ### ##0.00");
    AccountTable.setDisplayFormat("mortage", "0.00");
    for (const char* f : {"sum", "vatsum"}) EntriesTable.setDisplayFormat(f, "### ##0.00");

    // Lists show their first screen at once; the rest is read when needed.
    for (Dataset* d : datasets()) d->setFirstBatch(200);

    // A saved or deleted row makes the names of its table stale.
    for (Dataset* d : datasets()) {
        connect(d, &Dataset::written, this, [this, d] {
            const QString prefix = d->tableName() + '.';
            for (auto& [key, cache] : lookups_)
                if (key.startsWith(prefix)) cache->invalidate();
        });
    }
}

bool TDatabaseModule::TableOpen(Dataset& ds, bool refresh, bool gotoLast)
{
    bool ok;
    if (gotoLast) {
        // Lists that open on their newest row read the last rows first.
        if (!refresh) ds.close();
        ok = ds.openAtEnd();
    } else if (refresh && ds.isOpen()) {
        ok = ds.refresh();
    } else {
        ds.close();
        ok = ds.open();
    }
    const QString full = databaseName() + '.' + ds.tableName();
    if (!ok) {
        LogLine("FEIL: kan ikke åpne tabellen " + full);
        CurrentDialogs()->ShowMessage("Kan ikke åpne tabellen " + ds.tableName(), QStringLiteral("Feil"));
        return false;
    }
    LogLine(QStringLiteral("Åpner tabellen ") + full);
    return true;
}

bool TDatabaseModule::SQLExecute(const QString& statement)
{
    if (VerboseLogging) LogLine("SQL: " + statement);
    if (MyConnection.exec(statement)) return true;
    LogLine("SQL ERROR: " + statement);
    return false;
}

int TDatabaseModule::GetTableInt(const QString& table)
{
    for (int i = 0; i < TableNames.size(); ++i)
        if (TableNames[i].compare(table, Qt::CaseInsensitive) == 0) return i;
    LogLine("FEIL: ukjent tabell " + table);
    return -1;
}

bool TDatabaseModule::openQuery(Dataset& q, const QString& sql)
{
    q.close();
    q.setSql(sql);
    if (q.open()) return true;
    q.close();
    return false;
}

void TDatabaseModule::ContactSQLSelect()
{
    QString sql;
    kv_Select(Contact_SELECTFIELD, "contact", Contact_JOINTABLE, sql, Contact_ORDER, Contact_AND, Contact_WHERE,
              Contact_JOINFIELD);
    openQuery(ContactQuery, sql);
}

bool TDatabaseModule::DocumentSQLSelect()
{
    // Re-reading closes the query: a pending edit of a document is saved
    // first, and a save that fails keeps the edit and the rows as they are.
    if ((DocumentQuery.state() == Dataset::Edit || DocumentQuery.state() == Dataset::Insert) &&
        !DocumentQuery.post())
        return false;
    if (ProjectLockId != 0 && !Document_WHERE.contains("projectid=")) {
        const QString cond = "document.projectid=" + QString::number(ProjectLockId);
        Document_WHERE = Document_WHERE.isEmpty() ? cond : "(" + Document_WHERE + ") and " + cond;
    }
    QString sql;
    kv_Select(Document_SELECTFIELD, "document", Document_JOINTABLE, sql, Document_ORDER, Document_AND,
              Document_WHERE, Document_JOINFIELD);
    return openQuery(DocumentQuery, sql);
}

void TDatabaseModule::ItemsSQLSelect()
{
    QString sql;
    kv_Select(Items_SELECTFIELD, "items", Items_JOINTABLE, sql, Items_ORDER, Items_AND, Items_WHERE, Items_JOINFIELD);
    openQuery(ItemsQuery, sql);
}

void TDatabaseModule::JobSQLSelect()
{
    QString sql;
    kv_Select(Job_SELECTFIELD, "jobs", Job_JOINTABLE, sql, Job_ORDER, Job_AND, Job_WHERE, Job_JOINFIELD);
    openQuery(JobQuery, sql);
}

namespace {
QString settingsFileText(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return StripSecrets(FromCp1252(f.readAll()));
}
} // namespace

void TDatabaseModule::UpDateIniFiles()
{
    if (MyLoginStatus <= 0) return;
    FlushSettings();
    UserTable.setFilter("username=" + MyConnection.quote(MyLoginUsername));
    if (TableOpen(UserTable) && !UserTable.isEmpty()) {
        UserTable.setValue("inifile", settingsFileText(UserIniFileName()));
        UserTable.post();
    }
    CompanyTable.setFilter("id=" + QString::number(MyLoginCompany));
    if (TableOpen(CompanyTable) && !CompanyTable.isEmpty()) {
        CompanyTable.setValue("inifile", settingsFileText(InifilNavn));
        CompanyTable.post();
    }
}
