#pragma once
// Projects and standard jobs below the windows: the status codes of
// projects and project parts, the hours and costs registered on a project
// and its parts (summed on the server), and the calendar entry made from a
// standard job. Used by the windows and by kvarnel-admin alike.
#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <map>

class Connection;
class TDatabaseModule;

namespace Projects {

// 5 "Ikke startet", 10 "Pågående", 15 "Midlertidig stoppet", 20 "Ferdigstilt".
QStringList StatusCaptions();
QVariantList StatusValues();

struct Figures {
    double hours = 0;
    double cost = 0;
};

// What has been registered on a project so far: the hours of its time
// registrations (normal and overtime; calendar-only entries and absence do
// not count) and their cost at the hourly cost, plus the cost of the
// goods taken out for it (item lines of orders and lines outside any
// document, at their cost price; offers, purchase orders and invoices are
// not spending). Per part by id; part 0 holds what belongs to no part.
struct Registered {
    Figures total;
    std::map<qint64, Figures> parts;
    Figures part(qint64 id) const
    {
        const auto it = parts.find(id);
        return it == parts.end() ? Figures{} : it->second;
    }
};

// Hours moved into an order ("Hent til ordre") count once, as hours: the
// order lines made from them are not goods. The SQL condition on `items`
// that leaves those lines out.
QString NotBilledHoursCondition();

// Two grouped sums on the server. False (error set) when a select fails.
bool ReadRegistered(Connection& c, qint64 projectId, double hourCost, Registered& out, QString* error = nullptr);

// Writes the registered figures into acc_hours and acc_cost of the project
// and of each of its parts (parts without registrations get 0), as one
// transaction. False (nothing written, error set) when it fails.
bool StoreRegistered(Connection& c, qint64 projectId, const Registered& r, QString* error = nullptr);

// "Lag kalenderoppføring": a new calendar entry in the calendar dataset from
// the standard job jobId, through CopyJobToCalendar and the calendar's own
// rules. With a valid date the entry starts and ends on that day (at the
// current time of day); otherwise now. Returns the new entry's id, or 0
// with error set (nothing saved).
qint64 MakeCalendarEntryFromJob(TDatabaseModule& dm, qint64 jobId, const QDate& date, QString* error = nullptr);

}  // namespace Projects
