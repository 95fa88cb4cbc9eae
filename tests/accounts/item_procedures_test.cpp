#include "corvane/access/mapi_utils.h"
#include "corvane/accounts/address_resolution.h"
#include "corvane/platform/outlook/application.h"
#include "corvane/platform/outlook/items.h"
#include "resolution_fixture.h"

namespace corvane::accounts::testing {
namespace {

using ItemProcedures = ResolutionTest;

TEST_F(ItemProcedures, EntryIdFailsOnlyForAnItemThatHasGone) {
    auto mail = received(ann);
    EXPECT_FALSE(EntryIdFails(mail));
    EXPECT_FALSE(EntryIdFails(app->CreateItem(ol::olitem::Mail)));  // not saved: empty, but readable
    mail->asItem()->Delete();
    EXPECT_TRUE(EntryIdFails(mail));
    EXPECT_TRUE(EntryIdFails(nullptr));
}

TEST_F(ItemProcedures, ResetMapiUtilsDropsTheAttachedSession) {
    auto utils = access::CreateAccessObject<access::MAPIUtils>(*access);
    utils->SetMAPIOBJECT(app->Session()->MAPIOBJECT());
    utils.reset();
    const int before = cleanUps();
    ResetMapiUtils(*process);
    EXPECT_EQ(cleanUps(), before + 1);
    EXPECT_EQ(access->State().attachedSession, nullptr);
    EXPECT_EQ(access->LiveObjects(), 0u);
}

TEST_F(ItemProcedures, ResetMapiUtilsIsSilentWithoutTheComponent) {
    access->SetRegistered("cvRedemption.cvMAPIUtils", false);
    EXPECT_NO_THROW(ResetMapiUtils(*process));
    EXPECT_TRUE(ui.boxes.empty());
}

}  // namespace
}  // namespace corvane::accounts::testing
