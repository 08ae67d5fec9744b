#include "projects/projectrules.h"

#include "data/datamodule.h"
#include "data/itemcopy.h"

namespace Projects {

QStringList StatusCaptions()
{
    return {QStringLiteral("Ikke startet"), QStringLiteral("Pågående"), QStringLiteral("Midlertidig stoppet"),
            QStringLiteral("Ferdigstilt")};
}

QVariantList StatusValues() { return {5, 10, 15, 20}; }

QString NotBilledHoursCondition()
{
    // A line made by "Hent til ordre" carries the registration's date as its
    // code and "TIM" as its unit, in the order the registration points at.
    return QStringLiteral("NOT (items.piece='TIM' AND items.orderid<>0 AND EXISTS (SELECT 1 FROM calendar k WHERE "
                          "k.orderid=items.orderid AND k.read_order=1 AND "
                          "items.productcode=DATE_FORMAT(k.time_from, '%d.%m.%Y')))");
}

bool ReadRegistered(Connection& c, qint64 projectId, double hourCost, Registered& out, QString* error)
{
    out = Registered{};
    const QString p = QString::number(projectId);
    auto hours = c.query(QStringLiteral("SELECT systemid, COALESCE(SUM(hours+hours_50+hours_100),0) FROM calendar "
                                        "WHERE projectid=%1 AND timetype<>0 AND timetype<>16 GROUP BY systemid")
                             .arg(p));
    if (!hours) {
        if (error) *error = c.lastError();
        return false;
    }
    while (hours->next()) {
        Figures& f = out.parts[hours->toLongLong(0)];
        f.hours += hours->toDouble(1);
        f.cost += hours->toDouble(1) * hourCost;
    }
    auto goods = c.query(QStringLiteral("SELECT subprojectid, COALESCE(SUM(itemcount*cost),0) FROM items "
                                        "WHERE projectid=%1 AND offerid=0 AND poid=0 AND invoiceid=0 AND %2 "
                                        "GROUP BY subprojectid")
                             .arg(p, NotBilledHoursCondition()));
    if (!goods) {
        if (error) *error = c.lastError();
        return false;
    }
    while (goods->next()) out.parts[goods->toLongLong(0)].cost += goods->toDouble(1);
    for (const auto& [id, f] : out.parts) {
        out.total.hours += f.hours;
        out.total.cost += f.cost;
    }
    return true;
}

bool StoreRegistered(Connection& c, qint64 projectId, const Registered& r, QString* error)
{
    const bool ok = c.transaction([&] {
        if (!c.exec(QStringLiteral("UPDATE project SET acc_hours=?, acc_cost=? WHERE id=?"),
                    {r.total.hours, r.total.cost, projectId}))
            return false;
        if (!c.exec(QStringLiteral("UPDATE subproject SET acc_hours=0, acc_cost=0 WHERE project=?"), {projectId}))
            return false;
        for (const auto& [id, f] : r.parts) {
            if (id <= 0) continue;
            if (!c.exec(QStringLiteral("UPDATE subproject SET acc_hours=?, acc_cost=? WHERE id=? AND project=?"),
                        {f.hours, f.cost, id, projectId}))
                return false;
        }
        return true;
    });
    if (!ok && error) *error = c.lastError();
    return ok;
}

qint64 MakeCalendarEntryFromJob(TDatabaseModule& dm, qint64 jobId, const QDate& date, QString* error)
{
    auto fail = [error](const QString& e) {
        if (error) *error = e;
        return qint64(0);
    };
    Dataset& jobs = dm.JobQuery;
    if (jobId <= 0) return fail(QStringLiteral("Ingen standardjobb er valgt"));
    if (!jobs.isOpen() || !jobs.locate(QStringLiteral("id"), jobId)) {
        // The job list may be filtered elsewhere: read the one job.
        const QString where = Job_WHERE;
        Job_WHERE = QStringLiteral("id=") + QString::number(jobId);
        dm.JobSQLSelect();
        Job_WHERE = where;
        if (!jobs.isOpen() || !jobs.locate(QStringLiteral("id"), jobId))
            return fail(QStringLiteral("Finner ikke standardjobb %1").arg(jobId));
    }
    Dataset& cal = dm.CalendarTable;
    if (!cal.isOpen() && !dm.TableOpen(cal)) return fail(QStringLiteral("Kan ikke åpne kalenderen"));
    // The entry's day, set right after the defaults so the rules see it on
    // the one save.
    const auto defaults = cal.onNewRecord;
    if (date.isValid()) {
        cal.onNewRecord = [defaults, date](Dataset& d) {
            if (defaults) defaults(d);
            for (const char* f : {"time_from", "time_to"}) {
                const QDateTime t = d.asDateTime(QLatin1String(f));
                d.setValue(QLatin1String(f), QDateTime(date, t.isValid() ? t.time() : QTime::currentTime()));
            }
        };
    }
    const bool ok = CopyJobToCalendar(dm, true, false);
    cal.onNewRecord = defaults;
    if (!ok) {
        if (cal.state() == Dataset::Insert) cal.cancel();
        return fail(cal.lastError().isEmpty() ? QStringLiteral("Kalenderoppføringen ble ikke lagret") : cal.lastError());
    }
    return cal.currentId();
}

}  // namespace Projects
