#include "data/timerules.h"

#include "data/dataset.h"

#include "core/dialogs.h"
#include "core/login.h"
#include "core/sysreg.h"

namespace {

const QString kNight = QStringLiteral("21:00");
const QString kNoon = QStringLiteral("12:00");

double clockHours(const QTime& t) { return t.hour() + t.minute() / 60.0; }

// Deducts from fig every break whose start the test accepts.
template <typename Test>
void deductBreaks(double& fig, const WorkTimeSettings& s, Test within)
{
    for (int i = 0; i < 4; ++i)
        if (within(s.breakStart[i])) fig -= s.breakLength[i] / 60.0;
}

} // namespace

bool ReadWorkTimeSettings(WorkTimeSettings& s, QString* badKey)
{
    bool ok = true;
    for (int i = 0; i < 4; ++i) {
        const QString lenKey = QStringLiteral("Arbeid_PauseLengd%1").arg(i + 1);
        const int len = GetRegInt(lenKey);
        if (len < 0 || len > 65535) {
            if (ok && badKey) *badKey = lenKey;
            ok = false;
        }
        s.breakLength[i] = len;
        s.breakStart[i] = GetRegStr(QStringLiteral("Arbeid_PauseTid%1").arg(i + 1));
    }
    s.endOfDay = GetRegStr(QStringLiteral("Arbeid_ArbeidsTidSlutt"));
    return ok;
}

int WeekdayNumber(const QDate& d)
{
    // Qt counts Monday 1 … Sunday 7.
    return d.dayOfWeek() % 7 + 1;
}

HourSplit SplitWorkHours(const QDateTime& from, const QDateTime& to, const WorkTimeSettings& s)
{
    const QString F = from.time().toString(QStringLiteral("HH:mm"));
    const QString T = to.time().toString(QStringLiteral("HH:mm"));
    const QString& E = s.endOfDay;
    const int day = WeekdayNumber(from.date());

    double n = clockHours(to.time()) - clockHours(from.time());
    double h50 = 0, h100 = 0;
    QString S = F, X = T;
    auto strictly = [&](const QString& p) { return S < p && X > p; };
    auto closed = [&](const QString& p) { return S <= p && X >= p; };

    if (day >= 2 && day <= 6) {
        if (F >= kNight) {
            h100 = n;
            h50 = 0;
            n = 0;
        }
        if (F >= E) {
            h50 = n;
            n = 0;
        }
        if (n > 8) {
            h50 = n - 8;
            n = 8;
        }
        if (h50 > 5) {
            h100 = h50 - 5;
            h50 = 5;
        }
        // Breaks within the normal day come off the normal hours …
        if (X > E) X = E;
        deductBreaks(n, s, strictly);
        // … those between the end of the day and 21:00 off the 50 % hours …
        X = T;
        if (X > E) {
            if (S < E) S = E;
            if (X > kNight) X = kNight;
            deductBreaks(h50, s, closed);
        }
        // … and those after 21:00 off the 100 % hours.
        X = T;
        if (X > kNight) {
            if (S < kNight) S = kNight;
            deductBreaks(h100, s, closed);
        }
    } else if (day == 1) {
        deductBreaks(n, s, strictly);
        h100 = n;
        n = 0;
        h50 = 0;
    } else {
        h50 = n;
        n = 0;
        if (h50 > 4) {
            h100 = h50 - 4;
            h50 = 4;
            X = kNoon;
        } else {
            h100 = 0;
        }
        deductBreaks(h50, s, strictly);
        X = T;
        S = kNoon;
        deductBreaks(h100, s, strictly);
    }

    if (h50 < 0) {
        n += h50;
        h50 = 0;
    }
    if (h100 < 0) {
        n += h100;
        h100 = 0;
    }
    return {n, h50, h100};
}

void CalendarTableNewRecord(Dataset& ds)
{
    ds.setValue("usergroup", MyLoginGroup);
    ds.setValue("user", MyLoginID);
    ds.setValue("time_from", QDateTime::currentDateTime());
    ds.setValue("time_to", QDateTime::currentDateTime());
    ds.setValue("userid", MyLoginID);
    for (const char* f : {"rwx_all", "allday", "outdoor", "status", "event_type", "timetype", "timetype2", "read_order"})
        ds.setValue(QLatin1String(f), 0);
}

bool CalendarTableBeforePost(Dataset& ds)
{
    if (ds.asFloat("hours") == 0 && ds.asFloat("hours_50") == 0 && ds.asFloat("hours_100") == 0) {
        const QDateTime from = ds.asDateTime("time_from");
        const QDateTime to = ds.asDateTime("time_to");
        WorkTimeSettings s;
        QString bad;
        if (!ReadWorkTimeSettings(s, &bad)) {
            CurrentDialogs()->ShowMessage(QStringLiteral("Innstillingen %1 er utenfor området 0 til 65535").arg(bad),
                                          QStringLiteral("Feil"));
            return false;
        }
        // A row without start or end has no time to split.
        if (from.isValid() && to.isValid()) {
            const HourSplit h = SplitWorkHours(from, to, s);
            ds.setValue("hours", h.normal);
            ds.setValue("hours_50", h.overtime50);
            ds.setValue("hours_100", h.overtime100);
        }
    }
    if (ds.asInt("event_type") == 0 && ds.asInt("projectid") > 0) ds.setValue("event_type", 1028);
    return true;
}
