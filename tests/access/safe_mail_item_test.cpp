#include "corvane/access/safe_mail_item.h"
#include "corvane/access/field_values.h"
#include "corvane/access/safe_inspector.h"
#include "corvane/outlook/errors.h"
#include "corvane/sim/folder.h"
#include "corvane/sim/inspector.h"
#include "corvane/sim/item_types.h"
#include "support/platform_error.h"
#include "support/world.h"

namespace corvane::access {
namespace {

using corvane::testing::FailsWith;

constexpr mapi::PropTag kSenderAddrType = 0x0C1E001E;
constexpr mapi::PropTag kSentRepAddrType = 0x0064001E;
constexpr mapi::PropTag kSentRepAddress = 0x0065001E;
constexpr mapi::PropTag kProxyAddresses = 0x800F101E;
constexpr mapi::PropTag kDeliveryTime = 0x0E060040;
constexpr mapi::PropTag kContentId = 0x3712001E;
constexpr mapi::PropTag kDisplayName = 0x3001001E;

struct SafeMailItemTest : corvane::testing::WorldTest {
    ComponentFactory factory{app->mapiSubsystem()};
    const std::shared_ptr<sim::SimAddressEntry> john = entry("John Smith"), ann = entry("Ann Lee"),
                                                boss = entry("Bea Boss"), team = entry("Team"),
                                                friends = entry("Friends");

    std::shared_ptr<SafeMailItem> Wrap(const std::shared_ptr<outlook::Item>& item) {
        auto safe = CreateAccessObject<SafeMailItem>(factory);
        safe->SetItem(item);
        return safe;
    }
    // A message from `from` to John (or to `to`).
    std::shared_ptr<SafeMailItem> Received(sim::ItemSpec msg) {
        if (msg.to.empty()) msg.to = {john};
        return Wrap(received(msg));
    }
};

TEST_F(SafeMailItemTest, ExchangeSenderGivesItsProxyAddressesInStoreOrder) {
    auto safe = Received({.from = john});
    EXPECT_EQ(AsText(safe->Fields(kSenderAddrType)), "EX");
    auto proxies = AsTexts(safe->Sender()->Fields(kProxyAddresses));
    ASSERT_EQ(proxies.size(), 3u);
    EXPECT_EQ(proxies[0], "smtp:js@kelderon.example");
    EXPECT_EQ(proxies[1], "SMTP:john@kelderon.example");
}

TEST_F(SafeMailItemTest, SmtpSenderHasNoProxyAddressesToScan) {
    auto safe = Received({.from = ann});
    EXPECT_EQ(AsText(safe->Fields(kSenderAddrType)), "SMTP");
    EXPECT_EQ(safe->Sender()->Address(), "ann@example.com");
    auto proxies = safe->Sender()->Fields(kProxyAddresses);
    EXPECT_TRUE(IsEmpty(proxies));
    EXPECT_THAT([&] { AsTexts(proxies); }, FailsWith(platform::errors::TypeMismatch.number));
}

TEST_F(SafeMailItemTest, OnBehalfSenderTypeAndAddressReadThroughBothStringTags) {
    auto safe = Received({.from = ann, .onBehalfOf = boss});
    EXPECT_EQ(AsText(safe->Fields(kSentRepAddrType)), "SMTP");
    EXPECT_EQ(AsText(safe->Fields(kSentRepAddress)), "bea@example.com");
    EXPECT_EQ(AsText(safe->Fields(mapi::tags::SentRepresentingEmailAddress)), "bea@example.com");
    EXPECT_EQ(safe->Sender()->SmtpAddress(), "ann@example.com");
}

TEST_F(SafeMailItemTest, DeliveryTimeIsADateAndADraftHasNone) {
    const auto when = platform::DateTime::fromCivil(2013, 4, 20, 17, 5);
    EXPECT_EQ(AsDate(Received({.from = ann, .received = when})->Fields(kDeliveryTime)), when);
    auto draft = Wrap(app->CreateItem(outlook::olitem::Mail));
    EXPECT_TRUE(IsEmpty(draft->Fields(kDeliveryTime)));
    EXPECT_EQ(draft->Sender(), nullptr);
}

TEST_F(SafeMailItemTest, AttachmentsGiveFileNamesAndContentIds) {
    auto safe = Received({.from = ann, .attachments = {{"logo.png", "logo@01D2", ""}, {"report.pdf", "", ""}}});
    auto attachments = safe->Attachments();
    ASSERT_EQ(attachments->Count(), 2);
    EXPECT_EQ(attachments->Item(1)->FileName(), "logo.png");
    EXPECT_EQ(AsText(attachments->Item(1)->Fields(kContentId)), "logo@01D2");
    EXPECT_TRUE(IsEmpty(attachments->Item(2)->Fields(kContentId)));
    EXPECT_THAT([&] { attachments->Item(3); }, FailsWith(platform::errors::IndexOutOfBounds.number));
}

TEST_F(SafeMailItemTest, DistributionListsShowTheirDisplayTypeAndMembers) {
    auto recipients = Received({.from = ann, .to = {team, friends, ann}})->Recipients();
    auto list = recipients->Item(1)->AddressEntry();
    EXPECT_EQ(list->DisplayType(), outlook::oldisplay::DistList);
    EXPECT_EQ(list->Class(), 8);
    ASSERT_NE(list->Members(), nullptr);
    EXPECT_EQ(list->Members()->Count(), 2);
    EXPECT_EQ(list->Members()->Item(2)->SmtpAddress(), "john@kelderon.example");
    EXPECT_EQ(recipients->Item(2)->AddressEntry()->DisplayType(), outlook::oldisplay::PrivateDistList);
    EXPECT_EQ(recipients->Item(2)->AddressEntry()->Type(), "MAPIPDL");
    EXPECT_EQ(recipients->Item(3)->AddressEntry()->Members(), nullptr);
}

TEST_F(SafeMailItemTest, TypedRecipientsResolveAfterSave) {
    auto safe = Wrap(app->CreateItem(outlook::olitem::Mail));
    safe->SetTo("Ann Lee; bea@example.com");
    safe->Save();
    auto recipients = safe->Recipients();
    ASSERT_EQ(recipients->Count(), 2);
    EXPECT_FALSE(recipients->Item(1)->Resolved());
    EXPECT_EQ(recipients->Item(1)->AddressEntry(), nullptr);
    EXPECT_EQ(recipients->Item(1)->SmtpAddress(), "");
    EXPECT_TRUE(recipients->ResolveAll());
    EXPECT_EQ(recipients->Item(1)->SmtpAddress(), "ann@example.com");
    EXPECT_EQ(recipients->Item(2)->AddressEntry()->Type(), "SMTP");
    EXPECT_EQ(safe->To(), "Ann Lee; Bea Boss");
}

TEST_F(SafeMailItemTest, DeletingARecipientMovesTheLaterOnesUp) {
    auto safe = Received({.from = ann, .to = {john, ann, boss}});
    auto recipients = safe->Recipients();
    auto third = recipients->Item(3);
    recipients->Item(1)->Delete();
    safe->Save();
    ASSERT_EQ(recipients->Count(), 2);
    EXPECT_EQ(recipients->Item(2)->Name(), "Bea Boss");
    EXPECT_EQ(AsText(third->Fields(kDisplayName)), "Bea Boss");
    EXPECT_EQ(third->Type(), outlook::olrecipient::To);
}

TEST_F(SafeMailItemTest, DeferredDeliveryTimeRoundTripsAndNoneIsYear4501) {
    auto safe = Wrap(app->CreateItem(outlook::olitem::Mail));
    EXPECT_EQ(safe->DeferredDeliveryTime().iso(), "4501-01-01 00:00:00");
    auto later = clock().now().addSeconds(60);
    safe->SetDeferredDeliveryTime(later);
    safe->Save();
    EXPECT_EQ(safe->DeferredDeliveryTime(), later);
    safe->SetDeferredDeliveryTime(platform::DateTime::none());
    EXPECT_EQ(safe->DeferredDeliveryTime(), platform::DateTime::none());
}

TEST_F(SafeMailItemTest, FieldsWrittenByString8TagAreSavedWithTheItem) {
    auto item = app->CreateItem(outlook::olitem::Mail);
    auto safe = Wrap(item);
    safe->SetFields(0x812C001E, std::string("Home"));
    safe->Save();
    EXPECT_TRUE(item->Saved());
    EXPECT_EQ(AsText(Wrap(item)->Fields(mapi::tags::OutlookAccountName)), "Home");
}

TEST_F(SafeMailItemTest, MembersBeforeBindingFailNamingTheMember) {
    auto unbound = CreateAccessObject<SafeMailItem>(factory);
    EXPECT_THAT([&] { unbound->Recipients(); },
                FailsWith(platform::errors::ObjectNotSet.number,
                          ::testing::HasSubstr("SafeMailItem.Item before calling Recipients")));
    EXPECT_THAT([&] { CreateAccessObject<SafeInspector>(factory)->WordEditor(); },
                FailsWith(platform::errors::ObjectNotSet.number));
}

TEST_F(SafeMailItemTest, DeletedItemFailsAsOutlookReportsIt) {
    auto item = received({.from = ann});
    auto safe = Wrap(item);
    item->Delete();
    const auto deleted = platform::errors::ItemMovedOrDeleted.number;
    EXPECT_THAT([&] { safe->Fields(kSenderAddrType); }, FailsWith(deleted));
    EXPECT_THAT([&] { safe->Recipients(); }, FailsWith(deleted));
    EXPECT_THAT([&] { safe->Save(); }, FailsWith(deleted));
}

TEST_F(SafeMailItemTest, PostItemReadsItsSenderButNoMailMembers) {
    auto post = folder(outlook::olfolder::Inbox)->addItem({.objectClass = outlook::olclass::Post, .from = ann});
    auto safePost = CreateAccessObject<SafePostItem>(factory);
    safePost->SetItem(post->asItem());
    EXPECT_EQ(safePost->Sender()->Address(), "ann@example.com");
    EXPECT_THAT([&] { Wrap(post->asItem())->To(); }, FailsWith(platform::errors::NotSupported.number));
}

TEST(SafeInspector, GivesTheWordDocumentOnlyWhenWordEdits) {
    corvane::testing::World word({.wordEditor = true}), plain;
    ComponentFactory factory;
    auto safe = CreateAccessObject<SafeInspector>(factory);
    safe->SetItem(word.app->composeMail());
    EXPECT_NE(safe->WordEditor(), nullptr);
    safe->SetItem(plain.app->composeMail());
    EXPECT_EQ(safe->WordEditor(), nullptr);
}

}  // namespace
}  // namespace corvane::access
