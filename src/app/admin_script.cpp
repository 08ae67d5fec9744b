#include "admin_script.h"

#include "admin_options.h"

#include "core/dialogs.h"
#include "core/felles.h"
#include "core/login.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "data/datamodule.h"
#include "data/terminal.h"
#include "data/itemcopy.h"
#include "data/ordertotals.h"
#include "data/privateserver.h"

#include <QJsonDocument>
#include <QFileInfo>
#include <QJsonObject>
#include <QTextStream>

#include <functional>

namespace {

QTextStream& out()
{
    static QTextStream s(stdout);
    return s;
}

// A failure: the program's own message on standard error, exit status 1.
int fail(const QString& message)
{
    QTextStream err(stderr);
    err << message << "\n";
    return 1;
}

// Messages of the rules go to standard error; questions are answered by
// --yes (every question yes) or no.
class ScriptDialogs : public Dialogs {
public:
    explicit ScriptDialogs(bool yes) : yes_(yes) { previous_ = SetDialogs(this); }
    ~ScriptDialogs() override { SetDialogs(previous_); }
    void ShowMessage(const QString& text, const QString&) override
    {
        QTextStream(stderr) << text << "\n";
        last = text;
    }
    bool AskYesNo(const QString& question) override
    {
        QTextStream(stderr) << question << (yes_ ? " Ja\n" : " Nei\n");
        return yes_;
    }
    bool InputText(const QString&, const QString&, QString&) override { return false; }
    bool ChooseFolder(const QString&, const QString&, QString&) override { return false; }
    QString last;

private:
    bool yes_;
    Dialogs* previous_ = nullptr;
};

QString option(const QStringList&, const QString& name, const QString& def = QString())
{
    return AdminOption(name.mid(2), def);
}

// The words of the command without the options and their values.
QStringList positional(const QStringList&) { return AdminWords(); }

// Opens the module's connection from the options and takes the identity
// of --login.
QString connectModule(const QStringList& args, TDatabaseModule& dm)
{
    // The rules read the company's settings (prices, accounts, working hours).
    OpenSettingsStore();
    if (const QString e = ConnectFromOptions(args, dm.MyConnection, option(args, "--database", PrivateServer::DefaultDatabase()));
        !e.isEmpty())
        return e;
    MyLoginStatus = 1;
    const QString login = option(args, "--login");
    if (!login.isEmpty()) {
        auto r = dm.MyConnection.query("SELECT id, defaultgroup, initials, username, realname, department, companyid "
                                       "FROM users WHERE username=" + dm.MyConnection.quote(login));
        if (!r || !r->next()) return "Finner ikke brukeren " + login;
        MyLoginID = int(r->toLongLong(0));
        MyLoginGroup = int(r->toLongLong(1));
        MyLoginInitials = r->value(2);
        MyLoginUsername = r->value(3);
        MyLoginRealName = r->value(4);
        MyLoginDepartment = r->value(5);
        if (r->toLongLong(6) != 0) MyLoginCompany = int(r->toLongLong(6));
    }
    return {};
}

// One row of a table as one JSON object: numbers as numbers, NULL as null.
bool rowJson(Connection& c, const QString& table, qint64 id, QJsonObject& o)
{
    Dataset row(&c, table);
    row.setFilter("id=" + QString::number(id));
    if (!row.open() || row.isEmpty()) return false;
    for (int col = 0; col < row.fieldCount(); ++col) {
        const QVariant v = row.value(col);
        const QString name = row.fieldName(col);
        if (v.isNull()) {
            o.insert(name, QJsonValue::Null);
            continue;
        }
        switch (row.fieldInfo(col).kind) {
        case FieldKind::Integer: o.insert(name, qint64(v.toLongLong())); break;
        case FieldKind::Float: o.insert(name, v.toDouble()); break;
        case FieldKind::DateTime: o.insert(name, v.toDateTime().toString("yyyy-MM-dd HH:mm:ss")); break;
        case FieldKind::Date: o.insert(name, v.toDate().toString("yyyy-MM-dd")); break;
        case FieldKind::Blob: o.insert(name, QString::fromLatin1(v.toByteArray().toBase64())); break;
        case FieldKind::Text: o.insert(name, v.toString()); break;
        }
    }
    return true;
}

void printJson(const QJsonObject& o)
{
    out() << QJsonDocument(o).toJson(QJsonDocument::Compact) << "\n";
    out().flush();
}

bool printRow(Connection& c, const QString& table, qint64 id)
{
    QJsonObject o;
    if (!rowJson(c, table, id, o)) return false;
    printJson(o);
    return true;
}

// Selects the rows of a table's shared dataset by a condition: table
// datasets by their filter, the built queries by their where-condition.
bool selectRows(TDatabaseModule& dm, Dataset& ds, const QString& where)
{
    const QString t = ds.tableName();
    if (&ds == &dm.ItemsQuery) {
        Items_WHERE = where;
        dm.ItemsSQLSelect();
    } else if (&ds == &dm.ContactQuery) {
        Contact_WHERE = where.isEmpty() ? where : "contact." + where;
        dm.ContactSQLSelect();
    } else if (&ds == &dm.DocumentQuery) {
        Document_WHERE = where.isEmpty() ? where : "document." + where;
        Document_ORDER = "document.id";
        dm.DocumentSQLSelect();
    } else if (&ds == &dm.JobQuery) {
        Job_WHERE = where;
        dm.JobSQLSelect();
    } else {
        ds.setFilter(where);
        ds.close();
        ds.open();
    }
    return ds.isOpen();
}

// A typed value for a column, read the way the windows read it.
bool typedValue(const FieldInfo& f, const QString& text, QVariant& v)
{
    const QString t = text.trimmed();
    switch (f.kind) {
    case FieldKind::Integer:
    case FieldKind::Float: {
        double d = 0;
        if (t.isEmpty()) {
            v = 0;
            return true;
        }
        if (!TryTypedToDouble(t, d) || !NumberFits(t, d)) return false;
        if (f.kind == FieldKind::Integer && (d != std::floor(d) || std::fabs(d) >= 9.2e18)) return false;
        v = f.kind == FieldKind::Integer ? QVariant(qlonglong(d)) : QVariant(d);
        return true;
    }
    case FieldKind::DateTime:
    case FieldKind::Date: {
        if (t.isEmpty()) {
            v = QVariant();
            return true;
        }
        static const char* forms[] = {"dd.MM.yyyy HH:mm:ss", "dd.MM.yyyy HH:mm", "dd.MM.yyyy", "yyyy-MM-dd HH:mm:ss",
                                      "yyyy-MM-dd HH:mm",    "yyyy-MM-ddTHH:mm:ss", "yyyy-MM-ddTHH:mm", "yyyy-MM-dd"};
        for (const char* form : forms) {
            const QDateTime d = QDateTime::fromString(t, QString::fromLatin1(form));
            if (d.isValid()) {
                v = f.kind == FieldKind::Date ? QVariant(d.date()) : QVariant(d);
                return true;
            }
        }
        // A time alone ("hh:mm") is today at that time.
        const QTime time = QTime::fromString(t, "HH:mm");
        if (time.isValid() && f.kind == FieldKind::DateTime) {
            v = QDateTime(QDate::currentDate(), time);
            return true;
        }
        return false;
    }
    default:
        v = text;
        return true;
    }
}

// Sets col=value pairs on the dataset's current row.
QString assign(Dataset& ds, const QStringList& pairs)
{
    for (const QString& pair : pairs) {
        const qsizetype eq = pair.indexOf('=');
        if (eq <= 0) return "Forventet kolonne=verdi, fikk «" + pair + "»";
        const QString col = pair.left(eq).trimmed();
        const int c = ds.fieldIndex(col);
        if (c < 0 || ds.fieldInfo(c).lookup || (!ds.fieldInfo(c).table.isEmpty() && ds.fieldInfo(c).table != ds.tableName()))
            return "Ukjent kolonne " + col + " i tabellen " + ds.tableName();
        if (ds.fieldInfo(c).primaryKey) return "Kolonnen id kan ikke endres";
        QVariant v;
        if (!typedValue(ds.fieldInfo(c), pair.mid(eq + 1), v))
            return "Ugyldig verdi for " + col + ": «" + pair.mid(eq + 1).left(80) + "»";
        if (!ds.setValue(c, v)) return ds.lastError().isEmpty() ? "Ugyldig verdi for " + col : ds.lastError();
    }
    return {};
}

Dataset* datasetFor(TDatabaseModule& dm, const QString& table)
{
    if (dm.GetTableInt(table) < 0) return nullptr;
    return dm.datasetOf(table);
}

qint64 parseId(const QString& text)
{
    bool ok = false;
    const qint64 id = text.toLongLong(&ok);
    return ok && id > 0 ? id : -1;
}

struct DocKind {
    QString table, key;
    Dataset* ds;
    std::function<bool(TDatabaseModule&)> update;
    int* current;
};

bool docKind(TDatabaseModule& dm, const QString& kind, DocKind& k)
{
    if (kind == "order") k = {"orders", "orderid", &dm.OrderTable, OrderUpdate, &CurrentOrderID};
    else if (kind == "offer") k = {"offer", "offerid", &dm.OfferTable, OfferUpdate, &CurrentOfferID};
    else if (kind == "invoice") k = {"invoice", "invoiceid", &dm.InvoiceTable, InvoiceUpdate, &CurrentInvoiceID};
    else if (kind == "po") k = {"po", "poid", &dm.POTable, POUpdate, &CurrentPOID};
    else return false;
    return true;
}

// Makes the document of that number current with its lines selected, as
// the document window does.
QString openDocument(TDatabaseModule& dm, const DocKind& k, const QString& number)
{
    k.ds->setFilter("ordernumber=" + dm.MyConnection.quote(number));
    k.ds->close();
    if (!k.ds->open()) return DbFailure("Kan ikke åpne tabellen " + k.table, dm.MyConnection);
    if (k.ds->isEmpty()) return "Finner ikke nummer " + number + " i " + k.table;
    *k.current = int(k.ds->currentId());
    Items_WHERE = k.key + "=" + QString::number(k.ds->currentId());
    dm.ItemsSQLSelect();
    if (!dm.ItemsQuery.isOpen()) return DbFailure("Kan ikke lese varelinjene", dm.MyConnection);
    return {};
}

} // namespace

int AdminRowCommand(const QStringList& args)
{
    const QStringList w = positional(args);  // row VERB TABLE [ID] pairs…
    if (w.size() < 3) return fail("Bruk: kvarnel-admin row insert|update|get|delete TABLE [ID] [kolonne=verdi …]");
    const QString verb = w[1];
    ScriptDialogs dialogs(AdminFlag("yes"));
    TDatabaseModule dm;
    if (const QString e = connectModule(args, dm); !e.isEmpty()) return fail(e);
    Dataset* ds = datasetFor(dm, w[2]);
    if (!ds) return fail("Ukjent tabell: " + w[2]);
    // The table's own name from here on, whatever letter case was typed.
    const QString table = ds->tableName();
    Connection& c = dm.MyConnection;

    // Writes and reads the row back as one transaction: a command that
    // reports failure has written nothing. A transaction the server refused
    // because another workstation (or another server of a cluster) wrote
    // the same rows at the same moment runs again from the start: prepare
    // sets the dataset up anew, write saves it.
    auto writeAndShow = [&](const std::function<QString()>& prepare, const std::function<bool()>& write,
                            const std::function<qint64()>& id, const QString& notSaved) {
        for (int attempt = 1;; ++attempt) {
            if (const QString e = prepare(); !e.isEmpty()) return e == QLatin1String("-") ? 1 : fail(e);
            QString message;
            bool again = false;  // the transaction no longer stands: run it again
            QJsonObject row;
            if (!c.begin()) {
                message = DbFailure(notSaved, c);
                again = Connection::isRetryable(c.lastErrno());
            } else if (!write()) {
                again = Connection::isRetryable(c.lastErrno());  // before cancel() runs statements of its own
                if (c.inTransaction()) c.rollback();
                ds->cancel();
                if (!again || attempt >= Connection::kAttempts) return dialogs.last.isEmpty() ? fail(notSaved) : 1;
            } else if (!rowJson(c, table, id(), row)) {
                // The row just written is missing from its own transaction
                // only when the server ended that transaction (a cluster
                // gives way to another server's write this way).
                message = DbFailure("Kan ikke lese raden tilbake", c);
                again = true;
                c.rollback();
            } else if (!c.commit()) {
                message = DbFailure(notSaved, c);
                again = Connection::isRetryable(c.lastErrno());
                if (c.inTransaction()) c.rollback();
            } else {
                printJson(row);
                return 0;
            }
            if (!message.isEmpty() && (!again || attempt >= Connection::kAttempts)) return fail(message);
            Connection::pauseBeforeRetry(attempt + 1);
        }
    };

    if (verb == "insert") {
        return writeAndShow(
            [&]() -> QString {
                // An empty selection gives the dataset its columns without reading the table.
                if (!selectRows(dm, *ds, "id=0")) return DbFailure("Kan ikke åpne tabellen " + table, c);
                if (!ds->insert()) return dialogs.last.isEmpty() ? "Kan ikke lage en ny rad i " + table : QStringLiteral("-");
                if (const QString e = assign(*ds, w.mid(3)); !e.isEmpty()) {
                    ds->cancel();
                    return e;
                }
                return {};
            },
            [&] { return ds->post(); }, [&] { return ds->currentId(); }, "Raden ble ikke lagret");
    }
    if (w.size() < 4) return fail("Mangler id");
    const qint64 id = parseId(w[3]);
    if (id < 0) return fail("Ugyldig id: " + w[3]);
    if (verb == "get") return printRow(c, table, id) ? 0 : fail(QStringLiteral("Finner ikke rad %1 i %2").arg(id).arg(table));
    auto selectRow = [&]() -> QString {
        if (!selectRows(dm, *ds, "id=" + QString::number(id))) return DbFailure("Kan ikke åpne tabellen " + table, c);
        if (ds->isEmpty()) return QStringLiteral("Finner ikke rad %1 i %2").arg(id).arg(table);
        return {};
    };
    if (verb == "update") {
        return writeAndShow(
            [&]() -> QString {
                if (const QString e = selectRow(); !e.isEmpty()) return e;
                if (const QString e = assign(*ds, w.mid(4)); !e.isEmpty()) {
                    ds->cancel();
                    return e;
                }
                return {};
            },
            [&] { return ds->post(); }, [&] { return id; }, "Endringen ble ikke lagret");
    }
    if (const QString e = selectRow(); !e.isEmpty()) return fail(e);
    if (verb == "delete") {
        if (!ds->remove()) return dialogs.last.isEmpty() ? fail("Raden ble ikke slettet") : 1;
        out() << QJsonDocument(QJsonObject{{"deleted", id}, {"table", table}}).toJson(QJsonDocument::Compact) << "\n";
        return 0;
    }
    return fail("Ukjent handling: row " + verb);
}

int AdminDocumentCommand(const QStringList& args)
{
    const QStringList w = positional(args);  // document VERB …
    if (w.size() < 3) return fail("Bruk: kvarnel-admin document VERB …");
    const QString verb = w[1];
    ScriptDialogs dialogs(AdminFlag("yes"));
    TDatabaseModule dm;
    if (const QString e = connectModule(args, dm); !e.isEmpty()) return fail(e);
    // The rules have told what went wrong already when they said anything;
    // otherwise the command's own sentence.
    auto failWith = [&](const QString& what) { return dialogs.last.isEmpty() ? fail(what) : 1; };
    DocKind k;

    if (verb == "update" || verb == "items-copy" || verb == "items-paste") {
        if (w.size() < 4 || !docKind(dm, w[2], k)) return fail("Bruk: kvarnel-admin document " + verb + " order|offer|invoice|po NUMMER");
        if (const QString e = openDocument(dm, k, w[3]); !e.isEmpty()) return fail(e);
        if (verb == "items-copy") {
            if (!CopyItemsToFile(dm)) return failWith("Kan ikke kopiere varelinjene");
            out() << QJsonDocument(QJsonObject{{"copied", dm.ItemsQuery.recordCount()}, {"file", ItemsTempFile()}})
                         .toJson(QJsonDocument::Compact) << "\n";
            return 0;
        }
        if (verb == "items-paste") {
            // Every product can be pasted, not only the favourites.
            dm.ProductTable.setFilter(QString());
            dm.TableOpen(dm.ProductTable);
            int skipped = 0;
            const int added = PasteItemsFromFile(dm, &skipped);
            if (added < 0) return failWith("Kan ikke lime inn varelinjene");
            QTextStream(stderr) << added << " varelinjer limt inn"
                                << (skipped > 0 ? QStringLiteral(", %1 linjer uten kjent varekode hoppet over").arg(skipped)
                                                : QString())
                                << "\n";
        }
        if (!k.update(dm)) return failWith("Kan ikke summere dokumentet");
        return printRow(dm.MyConnection, k.table, k.ds->currentId()) ? 0 : 1;
    }
    if (verb == "deliver" || verb == "hours-to-order") {
        docKind(dm, "order", k);
        if (const QString e = openDocument(dm, k, w[2]); !e.isEmpty()) return fail(e);
        if (verb == "deliver") {
            if (!OrderDeliver(dm, true)) return failWith("Kan ikke levere ordren");
        } else {
            // Every finished, not yet billed registration of the order's
            // project (or, without a project, of its customer).
            Dataset& cal = dm.CalendarTable;
            const qint64 project = k.ds->asInt("projectid");
            cal.setFilter(project > 0 ? "projectid=" + QString::number(project)
                                      : "external_company=" + QString::number(k.ds->asInt("companyid")));
            if (!dm.TableOpen(cal)) return failWith("Kan ikke lese timeregistreringene");
            int billed = 0;
            for (cal.first(); !cal.isEmpty();) {
                if (CopyCalendarToItems(dm, QString())) ++billed;
                if (cal.eof()) break;
                cal.next();
            }
            if (!OrderUpdate(dm)) return failWith("Kan ikke summere ordren");
            QTextStream(stderr) << billed << " timeregistreringer overført\n";
        }
        return printRow(dm.MyConnection, k.table, k.ds->currentId()) ? 0 : 1;
    }
    if (verb == "deliver-line") {
        if (w.size() < 4) return fail("Bruk: kvarnel-admin document deliver-line LINJE-ID ANTALL");
        const qint64 line = parseId(w[2]);
        double qty = 0;
        if (line < 0) return fail("Ugyldig linje-id: " + w[2]);
        if (!TryTypedToDouble(w[3], qty) || qty < 0) return fail("Ugyldig antall: " + w[3]);
        const QString order = dm.MyConnection.scalar(
            QStringLiteral("SELECT o.ordernumber FROM items i JOIN orders o ON o.id=i.orderid WHERE i.id=%1").arg(line));
        if (order.isNull()) return fail(QStringLiteral("Finner ikke ordrelinje %1").arg(line));
        docKind(dm, "order", k);
        if (const QString e = openDocument(dm, k, order); !e.isEmpty()) return fail(e);
        if (!dm.ItemsQuery.locate("id", line)) return fail(QStringLiteral("Finner ikke ordrelinje %1").arg(line));
        if (qty > dm.ItemsQuery.asFloat("itemcount")) return fail("Kan ikke levere mer enn bestilt antall");
        if (!dm.ItemsQuery.setValue("itemdelivered", qty) || !dm.ItemsQuery.post()) return failWith("Kan ikke lagre linjen");
        if (!OrderDeliver(dm, false)) return failWith("Kan ikke levere ordren");
        return printRow(dm.MyConnection, "items", line) ? 0 : 1;
    }
    if (verb == "po-status") {
        if (w.size() < 4) return fail("Bruk: kvarnel-admin document po-status NUMMER STATUS");
        docKind(dm, "po", k);
        if (const QString e = openDocument(dm, k, w[2]); !e.isEmpty()) return fail(e);
        if (!POUpdateStatus(dm, w[3])) return failWith("Kan ikke endre status");
        return printRow(dm.MyConnection, k.table, k.ds->currentId()) ? 0 : 1;
    }
    if (verb == "post-invoice") {
        docKind(dm, "invoice", k);
        if (const QString e = openDocument(dm, k, w[2]); !e.isEmpty()) return fail(e);
        if (!PostInvoice(dm)) return failWith("Fakturaen ble ikke bokført");
        return printRow(dm.MyConnection, k.table, k.ds->currentId()) ? 0 : 1;
    }
    return fail("Ukjent handling: document " + verb);
}

QString AdminConnectModule(const QStringList& args, TDatabaseModule& dm) { return connectModule(args, dm); }

int AdminTerminalCommand(const QStringList& args)
{
    // terminal read FILE --mode N [--document order|po|invoice NUMBER]
    const QStringList w = positional(args);
    if (w.size() < 3 || w[1] != "read")
        return fail("Bruk: kvarnel-admin terminal read FIL --mode 0|1|2 [--document order|po|invoice NUMMER]");
    bool okMode = false;
    const int mode = option(args, "--mode", "2").toInt(&okMode);
    if (!okMode || mode < 0 || mode > 2) return fail("--mode må være 0, 1 eller 2");
    ScriptDialogs dialogs(true);
    TDatabaseModule dm;
    if (const QString e = connectModule(args, dm); !e.isEmpty()) return fail(e);
    TerminalSetup s = LoadTerminalSetup();
    const QFileInfo file(w[2]);
    s.folder = file.absolutePath() + "/";
    s.fileName = file.fileName();
    TerminalResult r;
    bool ok = false;
    const QStringList doc = AdminOption("document").isEmpty() ? QStringList() : QStringList{AdminOption("document")};
    if (doc.isEmpty()) {
        ok = ReadTerminalToStock(dm.MyConnection, s, mode, r);
    } else {
        const QString kind = doc[0];
        const QString number = w.value(3);
        DocKind k;
        const int program = kind == "order" ? 1 : kind == "po" ? 2 : kind == "invoice" ? 3 : 0;
        if (program == 0 || number.isEmpty() || !docKind(dm, kind, k))
            return fail("Bruk: --document order|po|invoice NUMMER");
        if (const QString e = openDocument(dm, k, number); !e.isEmpty()) return fail(e);
        ok = ReadTerminalToItems(dm, s, program, mode, k.ds->currentId(), r);
        if (ok) k.update(dm);
    }
    if (!ok) return fail(r.error);
    QJsonObject o{{"applied", r.applied}, {"skipped", r.skipped}, {"errors", int(r.errorLines.size())}};
    if (!r.archivedAs.isEmpty()) o.insert("archived", r.archivedAs);
    printJson(o);
    for (const QString& m : r.messages) printJson(QJsonObject{{"message", m}});
    return 0;
}
