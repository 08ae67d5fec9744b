// Calendar defaults and the split of worked hours into normal, 50 % and
// 100 % with the company's four breaks.
#include "rules_fixture.h"

#include "data/timerules.h"

namespace {

// A week of January 2024: Sunday the 7th to Saturday the 13th.
const QDate kSunday(2024, 1, 7), kMonday(2024, 1, 8), kTuesday(2024, 1, 9), kSaturday(2024, 1, 13);

QDateTime at(const QDate& d, const char* hhmm) { return QDateTime(d, QTime::fromString(hhmm, "HH:mm")); }

WorkTimeSettings standardDay()
{
    WorkTimeSettings s;
    s.endOfDay = "16:00";
    s.breakStart[0] = "11:30";
    s.breakLength[0] = 30;
    for (int i = 1; i < 4; ++i) s.breakStart[i] = "  :  ";  // left empty in the settings dialog
    return s;
}

} // namespace

TEST(WorkHours, WeekdayNumberingStartsOnSunday)
{
    for (int i = 0; i < 7; ++i) EXPECT_EQ(WeekdayNumber(kSunday.addDays(i)), i + 1) << i;
    EXPECT_EQ(WeekdayNumber(QDate(2023, 5, 17)), 4);  // a Wednesday
}

TEST(WorkHours, SplitAcrossBreaksWeekendsAndOvertime)
{
    const WorkTimeSettings std = standardDay();
    WorkTimeSettings noBreaks;
    noBreaks.endOfDay = "16:00";
    WorkTimeSettings threeBreaks = std;
    threeBreaks.breakStart[1] = "18:00";
    threeBreaks.breakLength[1] = 30;
    threeBreaks.breakStart[2] = "21:00";
    threeBreaks.breakLength[2] = 15;
    WorkTimeSettings fourBreaks = std;
    fourBreaks.breakStart[1] = "09:00";
    fourBreaks.breakLength[1] = 15;
    fourBreaks.breakStart[2] = "18:00";
    fourBreaks.breakLength[2] = 30;
    fourBreaks.breakStart[3] = "22:00";
    fourBreaks.breakLength[3] = 15;
    WorkTimeSettings noEnd = std;
    noEnd.endOfDay.clear();
    WorkTimeSettings longBreak = std;
    longBreak.breakLength[0] = 60;
    WorkTimeSettings blankHour = noBreaks;
    blankHour.breakStart[0] = " 9:00";  // the time mask's form of 9:00
    blankHour.breakLength[0] = 30;
    WorkTimeSettings atNight = noBreaks;
    atNight.breakStart[0] = "21:00";
    atNight.breakLength[0] = 15;
    WorkTimeSettings saturdayAfternoon = noBreaks;
    saturdayAfternoon.breakStart[0] = "12:30";
    saturdayAfternoon.breakLength[0] = 30;
    WorkTimeSettings earlyBreak = noBreaks;
    earlyBreak.breakStart[0] = "10:15";
    earlyBreak.breakLength[0] = 60;

    struct Case {
        const char* name;
        const WorkTimeSettings& s;
        QDate day;
        const char *from, *to;
        double normal, h50, h100;
    } cases[] = {
        {"day within eight hours", std, kMonday, "07:00", "15:00", 7.5, 0, 0},
        {"eight normal, rest 50 %", std, kMonday, "07:00", "19:00", 7.5, 4, 0},
        {"over five at 50 % goes to 100 %", std, kMonday, "07:00", "23:00", 7.5, 5, 3},
        {"ends at the end of the day", std, kMonday, "06:00", "16:00", 7.5, 2, 0},
        {"starts after the end of the day", std, kMonday, "17:00", "20:00", 0, 3, 0},
        {"starts at the end of the day", std, kMonday, "16:00", "23:00", 0, 5, 2},
        {"starts at night", std, kMonday, "21:30", "23:00", 0, 0, 1.5},
        {"starts at 21:00", std, kMonday, "21:00", "22:00", 0, 0, 1},
        {"break at the end", std, kMonday, "08:00", "11:30", 3.5, 0, 0},
        {"break at the start", std, kMonday, "11:30", "15:00", 3.5, 0, 0},
        {"exactly eight", noBreaks, kMonday, "08:00", "16:00", 8, 0, 0},
        {"eight and a minute", noBreaks, kMonday, "07:59", "16:00", 8, 1.0 / 60, 0},
        {"exactly five at 50 %", noBreaks, kMonday, "16:00", "21:00", 0, 5, 0},
        {"three breaks", threeBreaks, kTuesday, "07:00", "23:00", 7.5, 4.25, 2.75},
        {"four breaks", fourBreaks, kMonday, "07:00", "23:00", 7.25, 4.5, 2.75},
        {"break at 21:00 counts in both segments", atNight, kMonday, "16:00", "23:00", 0, 4.75, 1.75},
        {"long break counts in full", longBreak, kMonday, "07:00", "12:00", 4, 0, 0},
        {"blank-led break time never counts", blankHour, kMonday, "07:00", "15:00", 8, 0, 0},
        {"no end of day set", noEnd, kMonday, "07:00", "15:00", 0, 4.5, 3},
        {"end before start", std, kMonday, "10:00", "09:00", -1, 0, 0},
        {"Saturday past four hours", std, kSaturday, "08:00", "14:00", 0, 3.5, 2},
        {"Saturday within four hours", std, kSaturday, "10:00", "13:00", 0, 2.5, 0},
        {"Saturday exactly four", noBreaks, kSaturday, "08:00", "12:00", 0, 4, 0},
        {"Saturday afternoon break counts twice", saturdayAfternoon, kSaturday, "10:00", "14:00", -0.5, 3.5, 0},
        {"break larger than the 50 % hours", earlyBreak, kSaturday, "10:00", "10:30", -0.5, 0, 0},
        {"Sunday", std, kSunday, "10:00", "14:00", 0, 0, 3.5},
        {"Sunday break at the start", std, kSunday, "11:30", "14:00", 0, 0, 2.5},
        // Public holidays count as the weekday they fall on.
        {"17 May on a Wednesday", std, QDate(2023, 5, 17), "07:00", "15:00", 7.5, 0, 0},
        {"Christmas Day on a Sunday", std, QDate(2022, 12, 25), "07:00", "15:00", 0, 0, 7.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const HourSplit h = SplitWorkHours(at(c.day, c.from), at(c.day, c.to), c.s);
        EXPECT_NEAR(h.normal, c.normal, 1e-9);
        EXPECT_NEAR(h.overtime50, c.h50, 1e-9);
        EXPECT_NEAR(h.overtime100, c.h100, 1e-9);
    }
}

TEST(WorkHours, SecondsAreIgnored)
{
    const HourSplit h = SplitWorkHours(QDateTime(kMonday, QTime(8, 0, 59)), QDateTime(kMonday, QTime(12, 0, 1)),
                                       standardDay());
    EXPECT_DOUBLE_EQ(h.normal, 3.5);
}

// ---- through the calendar dataset ---------------------------------------------------

class CalendarRulesTest : public RulesTest {
protected:
    void SetUp() override
    {
        RulesTest::SetUp();
        // The settings dialog writes the end of the day with a small "t".
        SetRegStr("Arbeid_ArbeidstidSlutt", "16:00");
        SetRegStr("Arbeid_PauseTid1", "11:30");
        SetRegInt("Arbeid_PauseLengd1", 30);
        for (int i = 2; i <= 4; ++i) {
            SetRegStr(QStringLiteral("Arbeid_PauseTid%1").arg(i), "  :  ");
            SetRegInt(QStringLiteral("Arbeid_PauseLengd%1").arg(i), 0);
        }
        ASSERT_TRUE(dm.CalendarTable.open());
    }
    void TearDown() override
    {
        SetRegInt("Arbeid_PauseLengd1", 0);
        SetRegInt("Arbeid_PauseLengd2", 0);
        RulesTest::TearDown();
    }
    QString hours() { return scalar("SELECT CONCAT_WS('|', hours, hours_50, hours_100) FROM calendar"); }
    Dataset& cal() { return dm.CalendarTable; }
};

TEST_F(CalendarRulesTest, NewEntryDefaults)
{
    MyLoginGroup = 4;
    ASSERT_TRUE(cal().insert());
    EXPECT_EQ(cal().asInt("usergroup"), 4);
    EXPECT_EQ(cal().asInt("user"), 7);
    EXPECT_EQ(cal().asInt("userid"), 7);
    EXPECT_LT(qAbs(cal().asDateTime("time_from").secsTo(QDateTime::currentDateTime())), 5);
    EXPECT_LT(qAbs(cal().asDateTime("time_to").secsTo(QDateTime::currentDateTime())), 5);
    for (const char* f : {"rwx_all", "allday", "outdoor", "status", "event_type", "timetype", "timetype2", "read_order"})
        EXPECT_EQ(cal().asString(f), "0") << f;
    EXPECT_TRUE(cal().isNull("hours"));
}

TEST_F(CalendarRulesTest, HoursAreSplitOnlyWhenAllAreZero)
{
    ASSERT_TRUE(cal().insert());
    cal().setValue("time_from", at(kMonday, "07:00"));
    cal().setValue("time_to", at(kMonday, "19:00"));
    ASSERT_TRUE(cal().post());
    EXPECT_EQ(hours(), "7.5|4|0");
    // New times alone do not recompute stored hours …
    cal().setValue("time_to", at(kMonday, "15:00"));
    ASSERT_TRUE(cal().post());
    EXPECT_EQ(hours(), "7.5|4|0");
    // … clearing all three does.
    cal().setValue("hours", 0.0);
    cal().setValue("hours_50", 0.0);
    ASSERT_TRUE(cal().post());
    EXPECT_EQ(hours(), "7.5|0|0");
    // Hours typed by hand stay as typed.
    cal().setValue("hours", 0.0);
    cal().setValue("hours_100", 2.0);
    ASSERT_TRUE(cal().post());
    EXPECT_EQ(hours(), "0|0|2");
}

TEST_F(CalendarRulesTest, PlainEntryWithProjectBecomesProjectEntry)
{
    struct Case {
        int type, project, want;
    } cases[] = {{0, 4, 1028}, {0, 0, 0}, {5, 4, 5}, {1028, 0, 1028}};
    for (const Case& c : cases) {
        ASSERT_TRUE(cal().insert());
        cal().setValue("event_type", c.type);
        cal().setValue("projectid", c.project);
        ASSERT_TRUE(cal().post());
        EXPECT_EQ(cal().asInt("event_type"), c.want) << c.type << "/" << c.project;
    }
}

TEST_F(CalendarRulesTest, BreakLengthOutOfRangeRefusesTheSave)
{
    SetRegStr("Arbeid_PauseLengd2", "70000");
    ASSERT_TRUE(cal().insert());
    cal().setValue("time_from", at(kMonday, "07:00"));
    cal().setValue("time_to", at(kMonday, "15:00"));
    EXPECT_FALSE(cal().post());
    EXPECT_EQ(cal().state(), Dataset::Insert);
    EXPECT_TRUE(dialogs.lastMessage().contains("Arbeid_PauseLengd2"));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM calendar"), "0");
}
