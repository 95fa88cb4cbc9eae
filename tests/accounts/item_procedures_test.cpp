#include "corvane/access/mapi_utils.h"
#include "corvane/accounts/address_resolution.h"
#include "corvane/outlook/application.h"
#include "resolution_fixture.h"

namespace corvane::accounts::testing {
namespace {

using ItemProcedures = ResolutionTest;

TEST_F(ItemProcedures, EntryIdFailsOnlyForAnItemThatHasGone) {
    auto mail = mailTo({boss});
    EXPECT_FALSE(EntryIdFails(mail));
    EXPECT_FALSE(EntryIdFails(app->CreateItem(ol::olitem::Mail)));  // empty until saved, but readable
    mail->asItem()->Delete();
    EXPECT_TRUE(EntryIdFails(mail));
    EXPECT_TRUE(EntryIdFails(nullptr));
}

TEST_F(ItemProcedures, ResetMapiUtilsDropsTheAttachedSessionAndNeverFails) {
    access::CreateAccessObject<access::MAPIUtils>(access())->SetMAPIOBJECT(app->Session()->MAPIOBJECT());
    ResetMapiUtils(process());
    EXPECT_EQ(access().State().attachedSession, nullptr);
    EXPECT_EQ(access().LiveObjects(), 0u);
    access().SetRegistered("cvRedemption.cvMAPIUtils", false);
    EXPECT_NO_THROW(ResetMapiUtils(process()));
}

}  // namespace
}  // namespace corvane::accounts::testing
