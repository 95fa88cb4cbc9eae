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

TEST(DateTime, ShortDatesFollowThePicturesOrderAndReadBackLeniently) {
    const auto day = DateTime::fromCivil(2026, 3, 2);
    EXPECT_EQ(day.format("M/d/yyyy"), "3/2/2026");
    EXPECT_EQ(day.format("dd.MM.yy"), "02.03.26");
    EXPECT_EQ(day.format("dddd, MMMM d, yyyy"), "Monday, March 2, 2026");
    EXPECT_EQ(day.format("d 'de' MMM yyyy"), "2 de Mar 2026");
    EXPECT_EQ(DateTime::parse("03/02/2026", "M/d/yyyy"), day);
    EXPECT_EQ(DateTime::parse("2.3.26", "dd.MM.yy"), day);
    EXPECT_EQ(DateTime::parse("Monday, March 2, 2026", "dddd, MMMM d, yyyy"), day);
    EXPECT_EQ(DateTime::parse("2-3-1999", "d/M/yyyy"), DateTime::fromCivil(1999, 3, 2));
    for (const char* text : {"2/30/2026", "259/2/2026", "3/2", "3/2/2026/1", "3/2/2026 10:00", "soon", "2026-03-02"})
        EXPECT_FALSE(DateTime::parse(text, "M/d/yyyy")) << text;
}
