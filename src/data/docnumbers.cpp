#include "data/docnumbers.h"

#include "data/connection.h"
#include "data/dataset.h"
#include "data/recorddefaults.h"

#include "core/dialogs.h"
#include "core/textfil.h"

#include <QThread>

#include <utility>

namespace {
// Server errors after which a statement that changed nothing may simply run
// again: a deadlock or lock wait, or a cluster that refused the write because
// another server's conflicting write came first.
bool worthRetrying(unsigned err) { return Connection::isRetryable(err); }
constexpr int kAttempts = 8;
constexpr unsigned kNoSuchFunction = 1305;  // a database not yet upgraded
} // namespace

int AllocateDocumentNumber(Connection& conn, const QString& table)
{
    const QString name = conn.quote(table);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (attempt > 0) QThread::msleep(5 + 10 * attempt);
        // LAST_INSERT_ID(expr) hands this connection the value it wrote.
        if (!conn.exec(QStringLiteral("UPDATE kv_docnumber SET highest=LAST_INSERT_ID(highest+1) WHERE tablename=%1")
                           .arg(name))) {
            // Inside a transaction the server has undone all of it: the
            // transaction as a whole is the one to run again.
            if (worthRetrying(conn.lastErrno()) && !conn.inTransaction()) continue;
            return 0;
        }
        if (conn.affectedRows() == 1) return int(conn.lastInsertId());
        // No counter row yet (a database from before it): made from the
        // table's highest number, then stepped as usual.
        bool ok = false;
        const int highest = HighestDocumentNumber(conn, table, &ok);
        if (!ok) return 0;
        if (!conn.exec(QStringLiteral("INSERT IGNORE INTO kv_docnumber (tablename, highest) VALUES (%1, %2)")
                           .arg(name)
                           .arg(highest)) &&
            (!worthRetrying(conn.lastErrno()) || conn.inTransaction()))
            return 0;
    }
    return 0;
}

DocumentNumbering::DocumentNumbering(Dataset& ds, int& lastNumber, QObject* parent)
    : QObject(parent), ds_(ds), last_(lastNumber)
{
    connect(&ds_, &Dataset::stateChanged, this, [this](int state) {
        if (state != Dataset::Insert) settle();
    });
}

bool DocumentNumbering::beforeInsert(Dataset&)
{
    bool ok = false;
    const int highest = HighestDocumentNumber(*ds_.connection(), ds_.tableName(), &ok);
    if (ok) last_ = highest;
    return true;
}

void DocumentNumbering::newRecord(Dataset& ds) { provisional_ = ds.asString("ordernumber").trimmed(); }

bool DocumentNumbering::beforePost(Dataset& ds)
{
    const QString typed = ds.asString("ordernumber").trimmed();
    Connection& conn = *ds.connection();
    // A number typed by hand, new or changed, must not be another
    // document's of the same kind.
    const bool ownNumber = ds.state() == Dataset::Insert ? !typed.isEmpty() && typed != provisional_
                                                          : ds.isModified(QStringLiteral("ordernumber"));
    if (ownNumber && !typed.isEmpty()) {
        const qint64 id = ds.state() == Dataset::Insert ? 0 : ds.currentId();
        const QString used = conn.scalar("SELECT COUNT(*) FROM `" + ds.tableName() + "` WHERE TRIM(ordernumber)=" +
                                         conn.quote(typed) + " AND id<>" + QString::number(id));
        if (used != QLatin1String("0")) {
            LogLine("FEIL: nummer " + typed + " er brukt fra før i " + ds.tableName() + " " + conn.lastError());
            CurrentDialogs()->ShowMessage(
                used.isEmpty() ? DbFailure(QStringLiteral("Kan ikke sjekke nummeret"), conn)
                               : QStringLiteral("Nummer %1 er allerede brukt av et annet dokument.").arg(typed),
                QStringLiteral("Feil"));
            return false;
        }
    }
    if (ds.state() != Dataset::Insert) return true;
    if (!typed.isEmpty() && typed != provisional_) return true;
    // A second try at saving keeps its number, unless it was taken inside a
    // transaction: a transaction run again has undone the step.
    if (taken_ > 0 && !takenInTransaction_) return true;

    // Where the server has the numbering function, the insert steps the
    // counter itself: one statement, and a row the server refuses takes no
    // number. Refused, the number is taken on its own as below.
    if (ds.insertRefused() == kNoSuchFunction && std::exchange(serverSide_, false))
        LogLine(QStringLiteral("ADVARSEL: databasen mangler nummerfunksjonen kv_take_docnumber; "
                               "numrene tas som før (kjør kvarnel-admin upgrade)"));
    if (serverSide_ && ds.insertRefused() == 0 && conn.insertReturnsRows()) {
        ds.setInsertExpression(QStringLiteral("ordernumber"),
                               QStringLiteral("`kv_take_docnumber`(%1)").arg(conn.quote(ds.tableName())));
        return true;
    }
    takenInTransaction_ = conn.inTransaction();
    const int number = AllocateDocumentNumber(conn, ds.tableName());
    if (number <= 0) {
        ShowDbFailure(QStringLiteral("Kan ikke tildele nytt nummer i ") + ds.tableName(), conn);
        return false;
    }
    taken_ = number;
    last_ = number - 1;
    provisional_ = QString::number(number);
    ds.setValue("ordernumber", provisional_);
    return true;
}

void DocumentNumbering::settle()
{
    if (taken_ <= 0) return;
    const int number = std::exchange(taken_, 0);
    // Saved: the current row carries the number. Given up: the number goes
    // back, unless a later one has been taken since or a row has it.
    if (ds_.state() == Dataset::Browse && ds_.asString("ordernumber").trimmed() == QString::number(number)) return;
    Connection& conn = *ds_.connection();
    if (!conn.isOpen()) return;
    conn.exec(QStringLiteral("UPDATE kv_docnumber SET highest=highest-1 WHERE tablename=%1 AND highest=%2 AND NOT "
                             "EXISTS (SELECT 1 FROM `%3` WHERE ordernumber='%2')")
                  .arg(conn.quote(ds_.tableName()))
                  .arg(number)
                  .arg(ds_.tableName()));
}
