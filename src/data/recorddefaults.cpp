#include "data/recorddefaults.h"

#include "data/datamodule.h"
#include "data/timerules.h"

#include "core/dialogs.h"
#include "core/felles.h"
#include "core/login.h"
#include "core/sysreg.h"

#include <QDate>

namespace {

QDateTime todayMidnight() { return QDateTime(QDate::currentDate(), QTime(0, 0)); }

void setIfPresent(Dataset& ds, const char* field, const QVariant& v)
{
    if (ds.hasField(QLatin1String(field))) ds.setValue(QLatin1String(field), v);
}

// Defaults shared by the four document tables.
void documentDefaults(Dataset& ds, const QString& status, int lastNumber)
{
    ds.setValue("orderdate", QDate::currentDate());
    ds.setValue("userid", MyLoginID);
    ds.setValue("status", status);
    ds.setValue("ordernumber", QString::number(lastNumber + 1));
    ds.setValue("department", MyLoginDepartment);
    ds.setValue("vatcode", 0);
}

// Whether a quantity was given in this edit: a new row starts both
// quantities at 0, so there any other value was given; an edited row
// knows which of its fields changed.
bool userChanged(const Dataset& ds, const char* field)
{
    if (ds.state() == Dataset::Insert) return ds.asFloat(QLatin1String(field)) != 0;
    return ds.isModified(QLatin1String(field));
}

} // namespace

bool VatRate(qint64 code, double& percent)
{
    if (code < 0 || code >= qint64(VATpercent.size())) return false;
    percent = VATpercent[size_t(code)];
    return true;
}

QString VatCodeError(qint64 code)
{
    return QStringLiteral("Ugyldig MVA-kode %1: koden må være fra 0 til 4").arg(code);
}

QString OwnCompanyAddress()
{
    return GetRegStr("Firma_Navn") + "\r\n" + GetRegStr("Firma_PostAdresse") + "\r\n" +
           GetRegStr("Firma_GateAdresse") + "\r\n" + GetRegStr("Firma_PostNr") + " " + GetRegStr("Firma_PostSted");
}

qint64 ChangedRows(Connection& conn)
{
    return conn.affectedRows();
}

int HighestDocumentNumber(Connection& conn, const QString& table, bool* ok)
{
    // The server keeps the highest number of each table in kv_docnumber;
    // without that row (a database from before it) the table is scanned.
    if (auto kept = conn.query(QStringLiteral("SELECT highest FROM kv_docnumber WHERE tablename='%1'").arg(table));
        kept && kept->next()) {
        if (ok) *ok = true;
        return int(kept->toLongLong(0));
    }
    // Numbers are texts; only those that are plain whole numbers count, and
    // they compare as numbers ("10" above "9"). Nine digits keep the value
    // within an int.
    auto r = conn.query(QStringLiteral("SELECT MAX(CAST(TRIM(ordernumber) AS UNSIGNED)) FROM `%1` "
                                       "WHERE TRIM(ordernumber) REGEXP '^[0-9]{1,9}$'")
                            .arg(table));
    if (ok) *ok = r != nullptr;
    if (!r || !r->next() || r->isNull(0)) return 0;
    return int(r->toLongLong(0));
}

namespace {
// The number a new project was given, kept on its dataset until it is saved.
constexpr char kGivenProjectNumber[] = "kvGivenProjectNumber";
} // namespace

QString NextProjectNumber(Connection& conn)
{
    // Project numbers are texts; the whole numbers among them (the year's
    // two digits and a running number, "26003") go on by one. The first
    // project starts the current year's series.
    auto r = conn.query(QStringLiteral("SELECT MAX(CAST(TRIM(projectnumber) AS UNSIGNED)) FROM project "
                                       "WHERE TRIM(projectnumber) REGEXP '^[0-9]{1,9}$'"));
    if (r && r->next() && !r->isNull(0)) return QString::number(r->toLongLong(0) + 1);
    return QString::number(QDate::currentDate().year() % 100 * 1000 + 1);
}

bool ProjectBeforePost(Dataset& ds)
{
    if (ds.state() != Dataset::Insert) return true;
    // Another workstation may have taken the number shown since: the number
    // the new row was given is then replaced by the next free one. A number
    // the user typed is kept as typed.
    Connection& conn = *ds.connection();
    const QString number = ds.asString("projectnumber").trimmed();
    if (number.isEmpty() || number != ds.property(kGivenProjectNumber).toString()) return true;
    const QString used =
        conn.scalar(QStringLiteral("SELECT COUNT(*) FROM project WHERE TRIM(projectnumber)=") + conn.quote(number));
    if (used != QLatin1String("0") && !used.isEmpty()) ds.setValue("projectnumber", NextProjectNumber(conn));
    return true;
}

void ApplyNewRecordDefaults(TDatabaseModule& dm, Dataset& ds)
{
    if (&ds == &dm.CalendarTable) {
        CalendarTableNewRecord(ds);
        return;
    }
    setIfPresent(ds, "usergroup", MyLoginGroup);
    setIfPresent(ds, "user", MyLoginID);
    setIfPresent(ds, "rwx_all", 0);

    const QDate today = QDate::currentDate();
    if (&ds == &dm.DocumentQuery) {
        ds.setValue("created", DateStr(today));
    } else if (&ds == &dm.JobQuery) {
        ds.setValue("allday", 0);
        ds.setValue("outdoor", 0);
        ds.setValue("userid", MyLoginID);
    } else if (&ds == &dm.NewsTable) {
        ds.setValue("newsdate", todayMidnight());
        ds.setValue("author", MyLoginID);
        ds.setValue("status", 1);
    } else if (&ds == &dm.ProductTable) {
        ds.setValue("value", 100.0);
        ds.setValue("web", 0);
        ds.setValue("sale", 0);
        ds.setValue("user_favorite", 0);
        ds.setValue("lastpriceupdate", todayMidnight());
        ds.setValue("ownproduction", 0);
    } else if (&ds == &dm.ItemsQuery) {
        ds.setValue("date", todayMidnight());
        ds.setValue("VATcode", CurrentVATcode);
        ds.setValue("orderid", CurrentOrderID);
        ds.setValue("poid", CurrentPOID);
        ds.setValue("offerid", CurrentOfferID);
        ds.setValue("invoiceid", CurrentInvoiceID);
        ds.setValue("projectid", CurrentProjectID);
        ds.setValue("subprojectid", CurrentSubProjectID);
        ds.setValue("assetid", CurrentAssetID);
        ds.setValue("itemremain", 0.0);
        ds.setValue("itemdelivered", 0.0);
        // A line of the open document carries that document's references
        // from the start, as the document's recompute gives them to it.
        const std::pair<Dataset*, int> docs[] = {{&dm.OrderTable, CurrentOrderID},
                                                 {&dm.POTable, CurrentPOID},
                                                 {&dm.OfferTable, CurrentOfferID},
                                                 {&dm.InvoiceTable, CurrentInvoiceID}};
        for (const auto& [doc, current] : docs) {
            if (current <= 0 || !doc->isOpen() || doc->currentId() != current) continue;
            setIfPresent(ds, "projectid", doc->asInt("projectid"));
            setIfPresent(ds, "subprojectid", doc->asInt("systemid"));
            setIfPresent(ds, "assetid", doc->asInt("assetid"));
            setIfPresent(ds, "jobid", doc->asInt("jobid"));
            setIfPresent(ds, "customerid", doc->asInt("companyid"));
            break;
        }
    } else if (&ds == &dm.ProjectTable) {
        // A new project is "Ikke startet" and has the next project number.
        ds.setValue("projectstatus", 5);
        if (ds.connection()) {
            const QString number = NextProjectNumber(*ds.connection());
            ds.setValue("projectnumber", number);
            ds.setProperty(kGivenProjectNumber, number);
        }
    } else if (&ds == &dm.SubProjectTable) {
        ds.setValue("systemstatus", 5);
    } else if (&ds == &dm.EntriesTable) {
        ds.setValue("entrydate", EntriesDate.isValid() ? EntriesDate : today);
        ds.setValue("vatcode", 0);
    } else if (&ds == &dm.OrderTable) {
        documentDefaults(ds, QStringLiteral("Ikke startet"), LastOrderNumber);
    } else if (&ds == &dm.OfferTable) {
        documentDefaults(ds, QStringLiteral("Ikke bestilt"), LastOfferNumber);
    } else if (&ds == &dm.InvoiceTable) {
        documentDefaults(ds, QStringLiteral("Ikke startet"), LastInvoiceNumber);
        ds.setValue("payment", GetRegStr("FakturaDager"));
    } else if (&ds == &dm.POTable) {
        documentDefaults(ds, QStringLiteral("Ikke bestilt"), LastPONumber);
        ds.setValue("deliveryaddress", OwnCompanyAddress());
    }
}

bool ItemsBeforePost(Dataset& ds)
{
    const qint64 vat = ds.asInt("VATcode");
    double rate = 0;
    if (!VatRate(vat, rate)) {
        CurrentDialogs()->ShowMessage(VatCodeError(vat), QStringLiteral("Feil"));
        return false;
    }
    const double count = ds.asFloat("itemcount");
    const double price = ds.asFloat("price");
    ds.setValue("sum", count * (price - price / 100 * ds.asFloat("discount")));
    ds.setValue("sumcost", count * ds.asFloat("cost"));
    LastMark = ds.asString("mark");

    // Delivered and remaining quantities: whichever of the two was changed in
    // this edit decides the other; when neither was (or both were), the
    // delivered quantity stands and the remainder follows the count, so a
    // changed count never makes up a delivery.
    const bool remainChanged = userChanged(ds, "itemremain");
    const bool deliveredChanged = userChanged(ds, "itemdelivered");
    if (remainChanged && !deliveredChanged)
        ds.setValue("itemdelivered", count - ds.asFloat("itemremain"));
    else
        ds.setValue("itemremain", count - ds.asFloat("itemdelivered"));
    return true;
}

bool ProductBeforePost(Dataset& ds)
{
    const double cost = ds.asFloat("cost");
    ds.setValue("real_cost", cost - cost / 100 * ds.asFloat("discount") + ds.asFloat("freight") +
                                 ds.asFloat("direct_cost"));
    ds.setValue("price", ds.asFloat("addsum") + cost + cost / 100 * ds.asFloat("addpercent"));
    if (ds.asFloat("value") == 0) ds.setValue("value", 100.0);
    ds.setValue("lastpriceupdate", todayMidnight());
    ds.setValue("usergroup", MyLoginGroup);
    ds.setValue("user", MyLoginID);
    if (ds.asFloat("maxstock") < ds.asFloat("minstock")) ds.setValue("maxstock", ds.asFloat("minstock"));
    return true;
}

bool EntriesBeforePost(Dataset& ds)
{
    const qint64 vat = ds.asInt("vatcode");
    double rate = 0;
    if (!VatRate(vat, rate)) {
        CurrentDialogs()->ShowMessage(VatCodeError(vat), QStringLiteral("Feil"));
        return false;
    }
    ds.setValue("vatsum", ds.asFloat("sum") / 100 * rate);
    return true;
}

void EntriesAfterPost(Dataset& ds)
{
    const QDate d = ds.asDateTime("entrydate").date();
    if (d.isValid()) EntriesDate = d;
}

bool ConfirmRowDelete(Dataset&)
{
    if (!ConfirmDelete) return true;
    return CurrentDialogs()->AskYesNo(QStringLiteral("Slette denne posten?"));
}

bool ConfirmInvoiceDelete(Dataset& ds)
{
    if (ds.asString("status") == QLatin1String("Fakturert")) return false;
    return CurrentDialogs()->AskYesNo(QStringLiteral("Slette denne fakturaen?"));
}
