#pragma once
// The data module: the one database connection, one shared dataset per
// table, the select builders of the four built queries, single statements,
// and the values the business rules share.
#include "data/connection.h"
#include "data/dataset.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>

// The tables the login opens, in their fixed order; the index is the
// table's number in GetTableInt.
extern const QStringList TableNames;
extern const QStringList TableRealNames;

// Select settings of the built queries: column list, joined table, join
// condition, order and two conditions. Global for the whole run.
extern QString Contact_SELECTFIELD, Contact_JOINTABLE, Contact_JOINFIELD, Contact_ORDER, Contact_WHERE, Contact_AND;
extern QString Document_SELECTFIELD, Document_JOINTABLE, Document_JOINFIELD, Document_ORDER, Document_WHERE, Document_AND;
extern QString Items_SELECTFIELD, Items_JOINTABLE, Items_JOINFIELD, Items_ORDER, Items_WHERE, Items_AND;
extern QString Job_SELECTFIELD, Job_JOINTABLE, Job_JOINFIELD, Job_ORDER, Job_WHERE, Job_AND;
// Puts every select setting back to its start value.
void ResetSelectSettings();

// Shared values of the rules.
extern std::array<double, 5> VATpercent;  // per cent for VAT codes 0 to 4
extern int CurrentVATcode;
extern int CurrentOrderID, CurrentPOID, CurrentOfferID, CurrentInvoiceID;
extern int CurrentProjectID, CurrentSubProjectID, CurrentAssetID;
extern int ProjectLockId;
extern int LastOrderNumber, LastPONumber, LastOfferNumber, LastInvoiceNumber;
extern QString LastMark;
extern QDate EntriesDate;
extern bool ConfirmDelete;
void ResetSharedValues();

// kv_Select: "SELECT fields FROM table [LEFT JOIN jointable ON joinfield]
// [WHERE where] [AND and] [ORDER BY order]"; an and-condition without a
// where-condition becomes the WHERE. The text is also returned in out.
QString kv_Select(const QString& fields, const QString& table, const QString& jointable, QString& out,
                  const QString& order, const QString& andcond, const QString& wherecond, const QString& joinfield);

// Receives every text kv_Select composes (the SQL window shows the last one).
using SelectTextSink = void (*)(const QString&);
void SetSelectTextSink(SelectTextSink sink);

class TDatabaseModule : public QObject {
    Q_OBJECT
public:
    explicit TDatabaseModule(QObject* parent = nullptr);
    ~TDatabaseModule() override;

    Connection MyConnection;

    Dataset CompanyTable, ContactQuery, DocumentTable, DocumentQuery, NewsTable, ProjectTable, SubProjectTable,
        CalendarTable, UserTable, GroupTable, ProductTable, AssetTable, BannerTable, JobQuery, ItemsQuery, OrderTable,
        AccountTable, EntriesTable, POTable, OfferTable, InvoiceTable, CompanyMiniQuery;

    // The dataset the record-information and generic table windows show.
    Dataset* CommonSource = &CompanyTable;

    // Every dataset, in declaration order.
    std::vector<Dataset*> datasets();
    // The dataset of a table name ("orders", "items" …), null when none.
    Dataset* datasetOf(const QString& table);
    Dataset* datasetByNumber(int number);

    // Id -> text over whole tables, shared by every lookup column and window.
    std::shared_ptr<LookupCache> lookup(const QString& table, const QString& textField,
                                        const QString& keyField = QStringLiteral("id"));

    // Opens (refresh=false: closes first) or re-reads a table dataset; logs
    // the outcome and shows "Kan ikke åpne tabellen …" when it fails.
    bool TableOpen(Dataset& ds, bool refresh = false, bool gotoLast = false);
    // Runs one statement that returns no rows. Logs "SQL: …" with detailed
    // logging and "SQL ERROR: …" on failure; returns whether it succeeded.
    bool SQLExecute(const QString& statement);
    // The index of a table in TableNames; -1 (and an error line) when absent.
    int GetTableInt(const QString& table);

    void ContactSQLSelect();
    // Saves a pending edit of the document query first; false when that
    // save or the select fails.
    bool DocumentSQLSelect();
    void ItemsSQLSelect();
    void JobSQLSelect();

    // Copies the settings files into users.inifile and company.inifile,
    // without the lines that hold passwords.
    void UpDateIniFiles();

    QString databaseName() const { return MyConnection.params().database; }

private:
    void setupDatasets();
    bool openQuery(Dataset& q, const QString& sql);
    std::map<QString, std::shared_ptr<LookupCache>> lookups_;
};

// The settings-file text as it may be stored in the database: every line
// whose key names a password is left out.
QString StripSecrets(const QString& iniText);
