#pragma once
// Calendar entries and time registrations: the defaults of a new row and
// the split of worked time into normal hours and hours at 50 % and 100 %
// overtime, less the company's fixed breaks.
#include <QDate>
#include <QDateTime>
#include <QString>

class Dataset;

// The working-time settings ("Arbeid" in the settings dialog).
struct WorkTimeSettings {
    int breakLength[4] = {0, 0, 0, 0};  // minutes
    QString breakStart[4];              // clock texts "HH:MM" as stored
    QString endOfDay;                   // end of the normal working day, "HH:MM"
};

// Reads the settings afresh. False when a break length lies outside 0 to
// 65535 (badKey then names it); the other values are read all the same.
bool ReadWorkTimeSettings(WorkTimeSettings& s, QString* badKey = nullptr);

struct HourSplit {
    double normal = 0;
    double overtime50 = 0;
    double overtime100 = 0;
};

// Weekday of a date, 1 = Sunday, 2 = Monday … 7 = Saturday.
int WeekdayNumber(const QDate& d);

// The split of the time from `from` to `to` (only the clock time of `to`
// counts; the weekday is that of `from`). Clock times compare as their
// five-character texts. Public holidays count as the weekday they fall on.
HourSplit SplitWorkHours(const QDateTime& from, const QDateTime& to, const WorkTimeSettings& s);

// New calendar row: owner, group and employee from the login, start and end
// now, the flags 0.
void CalendarTableNewRecord(Dataset& ds);
// Calendar row on save: the hour split when all three hour fields are 0,
// and a plain entry that names a project becomes a project entry. False
// (save refused, row unchanged) when a break length setting is out of range.
bool CalendarTableBeforePost(Dataset& ds);
