#pragma once
// What the calendar and time registration windows decide without widgets:
// the clock and date texts typed into the time registration window, the
// list filters, the colour marks of the time registration list and moving
// billable hours into an order. Also used by kvarnel-admin and the fuzz
// targets, so nothing here includes QtWidgets.
#include <QDate>
#include <QDateTime>
#include <QString>

#include <vector>

class TDatabaseModule;

namespace CalendarRules {

// A typed clock time as "HH:MM". Understood: "" (midnight), "8", "14"
// (whole hours), "830", "0830" (hours and minutes without separator),
// "8:30", "08:30", "8.30" (with ':' or '.'), blanks around it. False for
// anything else, or hours above 23 or minutes above 59.
bool NormaliseClock(const QString& typed, QString& out);

// A typed date: "dd.mm.yyyy", "d.m.yyyy", "dd.mm.yy" (20yy) or "dd.mm"
// (of year). False for anything that is not a real date.
bool ParseDateText(const QString& typed, int year, QDate& out);

// A fixed filter of the calendar lists: its component name, caption,
// condition and whether the rows are read under the wait cursor.
struct Filter {
    QString name;
    QString caption;
    QString condition;
    bool hourglass = false;
};
// The fixed filters in menu order ("Vis alle" is the list's own).
std::vector<Filter> Filters(int myLoginId);

// The condition "Hent til ordre" lists: the order's own registrations and,
// when the order has a project, the project's registrations not yet
// entered on any order.
QString TransferCondition(qint64 orderId, qint64 projectId);

// A colour mark of the time registration list: shown or not, and its
// colour as 0xRRGGBB.
struct Mark {
    bool shown = false;
    unsigned rgb = 0xFFFFFF;
    bool operator==(const Mark&) const = default;
};
// "." : the row belongs to an order, or to a project with a billable
// group (1 or 3): green when entered, red when not.
Mark ReadOrderMark(qint64 orderId, qint64 projectId, int timetype, int readOrder);
// "S" : green when done (20), yellow otherwise.
Mark StatusMark(int status);
// "T" : billable groups red until done, then green; 2 blue; 16 black.
Mark TimeTypeMark(int timetype, int status);

// Moves the finished, not yet entered billable hours into the order
// orderId: lists them in the calendar dataset (TransferCondition), then
// bills each through CopyCalendarToItems, which claims the row on the
// server before it copies, so a row is billed once even from two
// workstations. The order's lines (ItemsQuery) are selected for that
// order. billed counts the lines added; error is set when the order is
// unknown or a row could not be saved (rows billed before it stay billed).
struct TransferResult {
    int billed = 0;
    QString error;
    QString mark;
};
TransferResult TransferHoursToOrder(TDatabaseModule& dm, qint64 orderId);

}  // namespace CalendarRules
