// Clock times and dates as typed into the time registration window: a text
// is refused or read as one real time or date, and what the window writes
// back into the edit reads again as the same value.
#include "calendar/calendarrules.h"
#include "fuzz_check.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));

    QString clock;
    if (CalendarRules::NormaliseClock(text, clock)) {
        FUZZ_CHECK(clock.size() == 5 && clock.at(2) == QLatin1Char(':'));
        const QTime t = QTime::fromString(clock, QStringLiteral("HH:mm"));
        FUZZ_CHECK(t.isValid());
        QString again;
        FUZZ_CHECK(CalendarRules::NormaliseClock(clock, again) && again == clock);
    }
    QDate date;
    if (CalendarRules::ParseDateText(text, 2026, date)) {
        FUZZ_CHECK(date.isValid() && date.year() >= 1900 && date.year() <= 9999);
        QDate again;
        FUZZ_CHECK(CalendarRules::ParseDateText(date.toString(QStringLiteral("dd.MM.yyyy")), 2026, again) &&
                   again == date);
    }
    return 0;
}
