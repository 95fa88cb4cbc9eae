#include <gtest/gtest.h>

#include "corvane/access/factory.h"
#include "corvane/access/mapi_utils.h"
#include "corvane/access/rdo_session.h"
#include "corvane/access/safe_inspector.h"
#include "corvane/access/safe_mail_item.h"
#include "support/platform_error.h"

namespace corvane::access {
namespace {

using corvane::testing::FailsWith;

TEST(ComponentFactory, EveryProgIdCreatesItsOwnClassIgnoringCase) {
    ComponentFactory factory;
    EXPECT_NE(CreateAccessObject<SafeMailItem>(factory, "CVREDEMPTION.cvSafeMailItem"), nullptr);
    EXPECT_NE(CreateAccessObject<SafePostItem>(factory), nullptr);
    EXPECT_NE(CreateAccessObject<SafeReportItem>(factory), nullptr);
    EXPECT_NE(CreateAccessObject<SafeInspector>(factory), nullptr);
    EXPECT_NE(CreateAccessObject<MAPIUtils>(factory), nullptr);
    EXPECT_NE(CreateAccessObject<RDOSession>(factory), nullptr);
    EXPECT_THAT([&] { CreateAccessObject<SafeMailItem>(factory, progid::RDOSession); },
                FailsWith(platform::errors::TypeMismatch.number));
}

TEST(ComponentFactory, UnregisteredOrUnknownProgIdFailsLikeAMissingComponent) {
    ComponentFactory factory;
    factory.SetRegistered(progid::SafeMailItem, false);
    EXPECT_THAT([&] { factory.CreateObject("cvRedemption.cvSafeMailItem"); },
                FailsWith(429, "ActiveX component can't create object"));
    EXPECT_THAT([&] { factory.CreateObject("Redemption.SafeMailItem"); }, FailsWith(429));
    EXPECT_NE(factory.CreateObject(progid::RDOSession), nullptr);
    factory.SetRegistered(progid::SafeMailItem, true);
    EXPECT_NE(factory.CreateObject(progid::SafeMailItem), nullptr);
}

TEST(ComponentFactory, CountsObjectsStillHeldSoReleasesCanBeChecked) {
    ComponentFactory factory;
    auto kept = factory.CreateObject(progid::MAPIUtils);
    factory.CreateObject(progid::SafeMailItem);  // released at once
    EXPECT_EQ(factory.LiveObjects(), 1u);
    kept.reset();
    EXPECT_EQ(factory.LiveObjects(), 0u);
}

TEST(ComponentFactory, CleanUpIsCountedAcrossObjectsOfOneFactory) {
    ComponentFactory factory;
    CreateAccessObject<MAPIUtils>(factory)->CleanUp();
    CreateAccessObject<MAPIUtils>(factory)->CleanUp();
    EXPECT_EQ(factory.State().cleanUps, 2);
}

}  // namespace
}  // namespace corvane::access
