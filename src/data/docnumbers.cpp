#include "data/docnumbers.h"

#include "data/dataset.h"
#include "data/recorddefaults.h"

#include "core/dialogs.h"
#include "core/textfil.h"

namespace {
// How long a save waits for another workstation's save of the same kind of
// document, in seconds.
constexpr int kLockWait = 10;
} // namespace

DocumentNumbering::DocumentNumbering(Dataset& ds, int& lastNumber, QObject* parent)
    : QObject(parent), ds_(ds), last_(lastNumber)
{
    // The lock is held from the number's choice until the row is written
    // (or the insert is given up); whatever ends the insert releases it.
    connect(&ds_, &Dataset::stateChanged, this, [this](int state) {
        if (state != Dataset::Insert) release();
    });
}

QString DocumentNumbering::lockName() const
{
    // Locks are server-wide: the database name keeps companies apart.
    return QStringLiteral("LEFT(CONCAT('kvarnel.', DATABASE(), '.%1'), 64)").arg(ds_.tableName());
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
    // A number typed by hand, new or changed, must not be another
    // document's of the same kind.
    const bool ownNumber = ds.state() == Dataset::Insert ? !typed.isEmpty() && typed != provisional_
                                                          : ds.isModified(QStringLiteral("ordernumber"));
    if (ownNumber && !typed.isEmpty()) {
        Connection& conn = *ds.connection();
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

    Connection& conn = *ds.connection();
    if (!held_) {
        const QString got = conn.scalar(QStringLiteral("SELECT GET_LOCK(%1, %2)").arg(lockName()).arg(kLockWait));
        if (got != QLatin1String("1")) {
            LogLine("FEIL: fikk ikke tildelt nytt nummer i " + ds.tableName() + " " + conn.lastError());
            CurrentDialogs()->ShowMessage(QStringLiteral("Kan ikke tildele nytt nummer nå. Prøv å lagre igjen."),
                                          QStringLiteral("Feil"));
            return false;
        }
        held_ = true;
    }
    bool ok = false;
    const int highest = HighestDocumentNumber(conn, ds.tableName(), &ok);
    if (!ok) {
        release();
        CurrentDialogs()->ShowMessage(DbFailure(QStringLiteral("Kan ikke tildele nytt nummer"), conn),
                                      QStringLiteral("Feil"));
        return false;
    }
    last_ = highest;
    provisional_ = QString::number(highest + 1);
    ds.setValue("ordernumber", provisional_);
    return true;
}

void DocumentNumbering::release()
{
    if (!held_) return;
    held_ = false;
    // Inside a transaction the new number is not visible to others until
    // it ends, so the lock is kept until then.
    Connection* conn = ds_.connection();
    const QString name = lockName();
    conn->whenTransactionEnds([conn, name] {
        if (conn->isOpen()) conn->exec(QStringLiteral("DO RELEASE_LOCK(%1)").arg(name));
    });
}
