#include <gtest/gtest.h>

#include "corvane/platform/version.h"

namespace platform = corvane::platform;

TEST(OutlookMajorVersion, IsTheTextBeforeTheFirstDot) {
    EXPECT_EQ(platform::OutlookMajorVersion("9.0.0.2711"), "9");
    EXPECT_EQ(platform::OutlookMajorVersion("10.0.0.6515"), "10");
    EXPECT_EQ(platform::OutlookMajorVersion("15.0.0.4420"), "15");
    EXPECT_EQ(platform::OutlookMajorVersion("14."), "14");
}

TEST(OutlookMajorVersion, TextWithoutDotIsTakenAsItIs) {
    EXPECT_EQ(platform::OutlookMajorVersion(""), "");
    EXPECT_EQ(platform::OutlookMajorVersion("abc"), "abc");
    EXPECT_EQ(platform::OutlookMajorVersion("12"), "12");
    EXPECT_EQ(platform::OutlookMajorVersion(".5"), "");
}

TEST(OutlookMajorVersionNumber, ReadsTheMajorVersionForBoundComparisons) {
    EXPECT_EQ(platform::OutlookMajorVersionNumber("11.0.0.8312"), 11);
    EXPECT_EQ(platform::OutlookMajorVersionNumber("15.0.0.4420"), 15);
    EXPECT_LT(*platform::OutlookMajorVersionNumber("9.0.0.2711"), 12);
    EXPECT_FALSE(platform::OutlookMajorVersionNumber(""));
    EXPECT_FALSE(platform::OutlookMajorVersionNumber("abc"));
    EXPECT_FALSE(platform::OutlookMajorVersionNumber("abc.1"));
    EXPECT_FALSE(platform::OutlookMajorVersionNumber("99999999999.0"));
}
