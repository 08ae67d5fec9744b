#include "core/localzone.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

namespace {

// Local times on both sides of the summer-time changes and at the turn of
// the year, as seconds since the epoch.
std::string conversions()
{
    std::string out;
    for (const auto& [d, t] : {std::pair{QDate(2026, 3, 29), QTime(1, 30)}, {QDate(2026, 3, 29), QTime(3, 30)},
                               {QDate(2026, 10, 25), QTime(1, 30)}, {QDate(2026, 10, 25), QTime(3, 30)},
                               {QDate(1999, 12, 31), QTime(23, 59)}, {QDate(2026, 7, 1), QTime(12, 0)}})
        out += std::to_string(QDateTime(d, t).toSecsSinceEpoch()) + " ";
    return out;
}

struct SavedTz {
    const char* old = std::getenv("TZ");
    std::string value = old ? old : "";
    ~SavedTz()
    {
        if (old) ::setenv("TZ", value.c_str(), 1);
        else ::unsetenv("TZ");
        ::tzset();
    }
};

} // namespace

TEST(LocalZoneTest, ZoneReadOnceGivesTheSameLocalTimes)
{
    if (!QFileInfo::exists("/etc/localtime")) GTEST_SKIP() << "no /etc/localtime on this machine";
    SavedTz saved;
    ::unsetenv("TZ");
    ::tzset();
    const std::string before = conversions();
    const QByteArray zoneBefore = QTimeZone::systemTimeZoneId();

    ReadLocalTimeZoneOnce();
    EXPECT_STREQ(std::getenv("TZ"), ":/etc/localtime");
    EXPECT_EQ(conversions(), before);
    EXPECT_EQ(QTimeZone::systemTimeZoneId(), zoneBefore);

    // A zone the user set is left as it is.
    ::setenv("TZ", "America/New_York", 1);
    ReadLocalTimeZoneOnce();
    EXPECT_STREQ(std::getenv("TZ"), "America/New_York");
}
