// The typed clock times and dates of the time registration window and the
// colour marks of its list.
#include "calendar/calendarrules.h"

#include <gtest/gtest.h>

using namespace CalendarRules;

TEST(CalendarTyping, ClockTextsAreCompletedOrRefused)
{
    struct Case {
        const char* typed;
        const char* clock;  // nullptr: refused
    } cases[] = {
        {"", "00:00"},       {"  ", "00:00"},     {"8", "08:00"},      {"14", "14:00"},    {"0830", "08:30"},
        {"830", "08:30"},    {"8:30", "08:30"},   {"08:30", "08:30"},  {"8.30", "08:30"},  {" 16:45 ", "16:45"},
        {"23:59", "23:59"},  {"0", "00:00"},      {"24", nullptr},     {"2400", nullptr},  {"8:60", nullptr},
        {"8:3", nullptr},    {"08:300", nullptr}, {"12345", nullptr},  {"8::30", nullptr}, {"ab", nullptr},
        {"-1", nullptr},     {":30", nullptr},    {"8:", nullptr},     {"１４", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        QString out;
        EXPECT_EQ(NormaliseClock(QString::fromUtf8(c.typed), out), c.clock != nullptr);
        if (c.clock) {
            EXPECT_EQ(out, QString::fromLatin1(c.clock));
        }
    }
}

TEST(CalendarTyping, DateTextsWithAndWithoutYear)
{
    struct Case {
        const char* typed;
        QDate date;  // invalid: refused
    } cases[] = {
        {"05.03", QDate(2026, 3, 5)},         {"5.3", QDate(2026, 3, 5)},
        {"05.03.2024", QDate(2024, 3, 5)},    {"5.3.24", QDate(2024, 3, 5)},
        {" 29.02.2024 ", QDate(2024, 2, 29)}, {"29.02.2023", QDate()},
        {"31.04", QDate()},                   {"01.13.2024", QDate()},
        {"", QDate()},                        {"05", QDate()},
        {"05.03.2024.1", QDate()},            {"a.b.c", QDate()},
        {"05.03.202", QDate()},               {"05-03-2024", QDate()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        QDate out;
        EXPECT_EQ(ParseDateText(QString::fromLatin1(c.typed), 2026, out), c.date.isValid());
        if (c.date.isValid()) {
            EXPECT_EQ(out, c.date);
        }
    }
}

TEST(CalendarMarks, ColoursOfTheThreeMarkColumns)
{
    const Mark none, red{true, 0xFF0000}, green{true, 0x00FF00}, dark{true, 0x008000}, yellow{true, 0xFFFF00},
        blue{true, 0x0000FF}, black{true, 0x000000};
    // "." : an order alone is enough; a project only with a billable group.
    EXPECT_EQ(ReadOrderMark(7, 0, 0, 0), red);
    EXPECT_EQ(ReadOrderMark(7, 0, 16, 1), green);
    EXPECT_EQ(ReadOrderMark(0, 3, 1, 0), red);
    EXPECT_EQ(ReadOrderMark(0, 3, 3, 1), green);
    for (int t : {0, 2, 4, 16}) EXPECT_EQ(ReadOrderMark(0, 3, t, 0), none) << t;
    EXPECT_EQ(ReadOrderMark(0, 0, 1, 0), none);
    // "S"
    EXPECT_EQ(StatusMark(20), dark);
    EXPECT_EQ(StatusMark(0), yellow);
    EXPECT_EQ(StatusMark(25), yellow);
    // "T"
    EXPECT_EQ(TimeTypeMark(1, 0), red);
    EXPECT_EQ(TimeTypeMark(3, 20), dark);
    EXPECT_EQ(TimeTypeMark(2, 20), blue);
    EXPECT_EQ(TimeTypeMark(16, 0), black);
    EXPECT_EQ(TimeTypeMark(0, 20), none);
    EXPECT_EQ(TimeTypeMark(4, 0), none);
}

TEST(CalendarTransfer, ProjectConditionTakesOnlyUnbilledRows)
{
    EXPECT_EQ(TransferCondition(12, 0), "orderid=12");
    EXPECT_EQ(TransferCondition(12, 4), "orderid=12 OR (projectid=4 AND read_order<>1)");
}
