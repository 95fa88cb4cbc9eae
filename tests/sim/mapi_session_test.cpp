// The Extended-MAPI side of the simulated profile: properties by tag on messages and
// recipients, lists; the session, its account order and messages deleted through it.
// Senders, attachments, stores, logons and message files are seen through the access
// component.
#include <gtest/gtest.h>

#include "corvane/sim/mapi_views.h"
#include "corvane/sim/msg_file.h"
#include "outlook_fixture.h"

namespace corvane::sim::testing {
namespace {

using corvane::testing::FailsWith;

template <class T>
T As(const mapi::PropValue& v) {
    return std::get<T>(v);
}

TEST(MapiProperties, AStringPropertyAnswersToItsAnsiAndUnicodeTags) {
    Profile p;
    auto message = p.received("Plans")->MAPIOBJECT();
    EXPECT_EQ(As<std::string>(message->Fields(0x0037001E)), "Plans");
    EXPECT_EQ(As<std::string>(message->Fields(0x0037001F)), "Plans");
    EXPECT_TRUE(std::holds_alternative<std::monostate>(message->Fields(0x00370003)));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(message->Fields(0x3FEF0040)));  // not deferred
}

TEST(MapiProperties, ItemAndMessageAreTwoViewsOfOneMessage) {
    Profile p;
    auto item = p.received();
    auto message = item->MAPIOBJECT();
    EXPECT_EQ(As<platform::DateTime>(message->Fields(0x0E060040)), item->ReceivedTime());
    message->SetFields(mapi::tags::Subject, std::string("Changed below"));
    EXPECT_EQ(item->Subject(), "Changed below");
    item->SetDeferredDeliveryTime(p.clock().now().addSeconds(30));
    EXPECT_EQ(As<platform::DateTime>(message->Fields(mapi::tags::DeferredDeliveryTime)),
              p.clock().now().addSeconds(30));
    EXPECT_EQ(As<std::string>(message->Fields(mapi::tags::DisplayTo)), "John Smith; Carol Diaz");
}

TEST(MapiProperties, DistributionListsHaveMembersAndPersonalListsNoSmtpAddress) {
    Profile p;
    ItemSpec spec;
    spec.from = p.ann;
    spec.to = {p.team, p.friends, p.bob};
    auto item = p.inbox()->addMail(spec);
    auto recipients = item->MAPIOBJECT()->Recipients();
    ASSERT_EQ(recipients.size(), 3u);

    auto team = recipients[0]->AddressEntry();
    EXPECT_EQ(team->DisplayType(), ol::oldisplay::DistList);
    EXPECT_EQ(team->Type(), "EX");
    ASSERT_TRUE(team->Members().has_value());
    EXPECT_EQ(team->Members()->size(), 2u);
    EXPECT_EQ(team->SmtpAddress(), "team@kelderon.example");

    auto friends = recipients[1]->AddressEntry();
    EXPECT_EQ(friends->Type(), "MAPIPDL");
    EXPECT_EQ(friends->DisplayType(), ol::oldisplay::PrivateDistList);
    EXPECT_EQ(friends->SmtpAddress(), "");

    EXPECT_FALSE(recipients[2]->AddressEntry()->Members().has_value());
    EXPECT_EQ(item->Recipients()->Item(3)->AddressEntry()->Members(), nullptr);
    EXPECT_EQ(item->Recipients()->Item(1)->AddressEntry()->Members()->Count(), 2);
    EXPECT_EQ(As<std::int32_t>(recipients[0]->Fields(0x0C150003)), ol::olrecipient::To);
}

TEST(MapiSession, IsOutlooksOwnAndItsAccountOrderASnapshot) {
    Profile p;
    auto session = p.app->Session()->MAPIOBJECT();
    EXPECT_EQ(session, p.app->Session()->MAPIOBJECT());
    auto accounts = session->Accounts();
    auto order = accounts->GetOrder(mapi::accountcategory::Mail);
    ASSERT_EQ(order.size(), 2u);
    EXPECT_TRUE(order[0]->IsExchange());
    EXPECT_NE(order[0]->Stamp(), order[1]->Stamp());
    EXPECT_TRUE(accounts->GetOrder(mapi::accountcategory::Store).empty());
    p.app->profile()->makeDefaultAccount(p.home);
    EXPECT_EQ(accounts->GetOrder(mapi::accountcategory::Mail).front()->Name(), "Kelderon");
    EXPECT_EQ(session->Accounts()->GetOrder(mapi::accountcategory::Mail).front()->Name(), "Home");
    EXPECT_THAT([&] { accounts->Item("Gone"); }, FailsWith(platform::errors::MapiNotFound.number));
}

TEST(MapiSession, AMessageDeletedThroughTheSessionIsGoneForOutlookToo) {
    Profile p;
    auto item = p.received();
    auto session = p.app->Session()->MAPIOBJECT();
    auto entryId = item->EntryID();
    auto message = session->GetMessageFromID(entryId, "");
    EXPECT_FALSE(message->UnRead());
    message->Delete();
    EXPECT_THAT([&] { item->Subject(); }, FailsWith(platform::errors::ItemMovedOrDeleted));
    EXPECT_TRUE(p.folder(ol::olfolder::DeletedItems)->items().empty());
    EXPECT_THAT([&] { session->GetMessageFromID(entryId, ""); }, FailsWith(platform::errors::MapiNotFound.number));
}

TEST(MapiSession, AMalformedMessageFileIsReportedWithItsLine) {
    const auto corrupt = static_cast<std::int32_t>(0x8004011Bu);
    EXPECT_THAT([] { ParseMessageFile("Subject: x\nFrom Ann\n\nbody"); },
                FailsWith(corrupt, "Message file line 2: expected \"Name: value\" but found \"From Ann\""));
    EXPECT_THAT([] { ParseMessageFile("Sent: yesterday\n\n"); },
                FailsWith(corrupt, "Message file line 1: \"yesterday\" is not a date (YYYY-MM-DD HH:MM:SS)"));
}

}  // namespace
}  // namespace corvane::sim::testing
