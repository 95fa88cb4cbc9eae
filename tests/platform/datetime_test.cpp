#include <gtest/gtest.h>

#include "corvane/platform/datetime.h"

using corvane::platform::calendarDaysBetween;
using corvane::platform::DateTime;

TEST(DateTime, CalendarDayDifferenceCountsDayBoundariesNotHours) {
    auto late = DateTime::fromCivil(2026, 3, 1, 23, 59);
    auto early = DateTime::fromCivil(2026, 3, 2, 0, 1);
    EXPECT_EQ(calendarDaysBetween(late, early), 1);
    EXPECT_EQ(calendarDaysBetween(early, late), -1);
    EXPECT_EQ(calendarDaysBetween(early, early.addSeconds(3600 * 23)), 0);
}

TEST(DateTime, ParsesAndPrintsIsoText) {
    auto t = DateTime::parseIso("2026-02-28 17:05:09");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->iso(), "2026-02-28 17:05:09");
    EXPECT_EQ(t->addDays(1).isoDate(), "2026-03-01");
    EXPECT_FALSE(DateTime::parseIso("2026-02-30"));
    EXPECT_FALSE(DateTime::parseIso("yesterday"));
}

TEST(DateTime, OutlooksNoDateIsFirstOfJanuary4501) {
    EXPECT_EQ(DateTime::none().iso(), "4501-01-01 00:00:00");
    EXPECT_EQ(DateTime().iso(), "1899-12-30 00:00:00");
}
