// The in-memory registry: key handles, enumeration rooms, and the injected faults.
#include <gtest/gtest.h>

#include "corvane/platform/error.h"
#include "corvane/simhost/registry.h"

using corvane::platform::Hive;
using corvane::platform::PlatformError;
using corvane::platform::RegValue;
using corvane::simhost::SimRegistry;

TEST(SimRegistry, EnumerationSkipsNothingButStopsAtAValueTooBigForTheRoom) {
    SimRegistry reg;
    auto key = reg.createKey(Hive::LocalMachine, "SOFTWARE\\Kelderon\\Corvane");
    key->setValue(RegValue::string("PreSetupID", "1"));
    key->setValue(RegValue::string("Long", std::string(1023, 'x')));  // 1024 with its zero
    key->setValue(RegValue::string("TooLong", std::string(1024, 'x')));
    EXPECT_TRUE(key->enumValue(0, 1024, 1024));
    EXPECT_TRUE(key->enumValue(1, 1024, 1024));
    EXPECT_FALSE(key->enumValue(2, 1024, 1024));
    EXPECT_FALSE(key->enumValue(3, 1024, 1024));
}

TEST(SimRegistry, SubkeysEnumerateInCreationOrderAndDeleteWithEverythingBelow) {
    SimRegistry reg;
    reg.createKey(Hive::CurrentUser, "A\\Zed\\Deep");
    reg.createKey(Hive::CurrentUser, "A\\alpha");
    auto a = reg.openKey(Hive::CurrentUser, "a");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->enumSubKey(0), "Zed");
    EXPECT_EQ(a->enumSubKey(1), "alpha");
    EXPECT_FALSE(a->enumSubKey(2));
    reg.deleteKey(Hive::CurrentUser, "A\\ZED");
    EXPECT_FALSE(reg.openKey(Hive::CurrentUser, "A\\Zed\\Deep"));
    EXPECT_EQ(a->enumSubKey(0), "alpha");
    reg.deleteKey(Hive::CurrentUser, "A\\Missing\\Below");  // not an error
}

TEST(SimRegistry, AClosedKeyIsAnInvalidHandle) {
    SimRegistry reg;
    auto key = reg.createKey(Hive::CurrentUser, "K");
    key->close();
    EXPECT_THROW(key->queryValue("x"), PlatformError);
    EXPECT_THROW(key->setValue(RegValue::string("x", "y")), PlatformError);
}

TEST(SimRegistry, InjectedFaultsFailTheChosenOpenAndClose) {
    SimRegistry reg;
    reg.createKey(Hive::LocalMachine, "SOFTWARE\\Kelderon\\Corvane");
    reg.failOpen(Hive::LocalMachine, "software\\kelderon\\corvane", 1);
    EXPECT_TRUE(reg.openKey(Hive::LocalMachine, "SOFTWARE\\Kelderon\\Corvane"));
    EXPECT_THROW(reg.openKey(Hive::LocalMachine, "SOFTWARE\\Kelderon\\Corvane"), PlatformError);
    EXPECT_TRUE(reg.openKey(Hive::LocalMachine, "SOFTWARE\\Kelderon\\Corvane"));
    reg.failClose(Hive::LocalMachine, "SOFTWARE\\Kelderon\\Corvane");
    auto key = reg.openKey(Hive::LocalMachine, "SOFTWARE\\Kelderon\\Corvane");
    EXPECT_THROW(key->close(), PlatformError);
}
