#include <gtest/gtest.h>

#include "access_profile.h"
#include "corvane/access/field_values.h"
#include "corvane/access/safe_inspector.h"
#include "corvane/access/safe_mail_item.h"
#include "corvane/platform/error.h"
#include "corvane/sim/inspector.h"
#include "error_number.h"

namespace corvane::access {
namespace {

using testing::ErrorNumber;

constexpr mapi::PropTag kSenderAddrType = 0x0C1E001E;
constexpr mapi::PropTag kSentRepAddrType = 0x0064001E;
constexpr mapi::PropTag kSentRepAddress = 0x0065001E;
constexpr mapi::PropTag kProxyAddresses = 0x800F101E;
constexpr mapi::PropTag kDeliveryTime = 0x0E060040;
constexpr mapi::PropTag kContentId = 0x3712001E;
constexpr mapi::PropTag kDisplayName = 0x3001001E;

struct SafeMailItemTest : ::testing::Test {
    testing::AccessProfile p;
    ComponentFactory factory{p.subsystem};

    std::shared_ptr<SafeMailItem> Wrap(const std::shared_ptr<outlook::Item>& item) {
        auto safe = CreateAccessObject<SafeMailItem>(factory);
        safe->SetItem(item);
        return safe;
    }
    std::shared_ptr<SafeMailItem> Received(const sim::ItemSpec& msg) { return Wrap(p.mail(msg)); }
};

TEST_F(SafeMailItemTest, ExchangeSenderGivesItsProxyAddressesInStoreOrder) {
    auto safe = Received(p.message(p.john));
    EXPECT_EQ(AsText(safe->Fields(kSenderAddrType)), "EX");
    auto proxies = AsTexts(safe->Sender()->Fields(kProxyAddresses));
    ASSERT_EQ(proxies.size(), 3u);
    EXPECT_EQ(proxies[0], "smtp:js@kelderon.example");
    EXPECT_EQ(proxies[1], "SMTP:john@kelderon.example");
}

TEST_F(SafeMailItemTest, SmtpSenderHasNoProxyAddressesToScan) {
    auto safe = Received(p.message(p.ann));
    EXPECT_EQ(AsText(safe->Fields(kSenderAddrType)), "SMTP");
    EXPECT_EQ(safe->Sender()->Address(), "ann@example.com");
    auto proxies = safe->Sender()->Fields(kProxyAddresses);
    EXPECT_TRUE(IsEmpty(proxies));
    EXPECT_EQ(ErrorNumber([&] { AsTexts(proxies); }), platform::errors::TypeMismatch.number);
}

TEST_F(SafeMailItemTest, OnBehalfSenderTypeAndAddressReadThroughBothStringTags) {
    auto msg = p.message(p.ann);
    msg.onBehalfOf = p.boss;
    auto safe = Received(msg);
    EXPECT_EQ(AsText(safe->Fields(kSentRepAddrType)), "SMTP");
    EXPECT_EQ(AsText(safe->Fields(kSentRepAddress)), "bea@example.com");
    EXPECT_EQ(AsText(safe->Fields(mapi::tags::SentRepresentingEmailAddress)), "bea@example.com");
    EXPECT_EQ(safe->Sender()->SmtpAddress(), "ann@example.com");
}

TEST_F(SafeMailItemTest, DeliveryTimeIsADateAndADraftHasNone) {
    auto received = platform::DateTime::fromCivil(2013, 4, 20, 17, 5);
    auto msg = p.message(p.ann);
    msg.received = received;
    EXPECT_EQ(AsDate(Received(msg)->Fields(kDeliveryTime)), received);
    auto draft = Wrap(p.app->CreateItem(outlook::olitem::Mail));
    EXPECT_TRUE(IsEmpty(draft->Fields(kDeliveryTime)));
    EXPECT_EQ(draft->Sender(), nullptr);
}

TEST_F(SafeMailItemTest, AttachmentsGiveFileNamesAndContentIds) {
    auto msg = p.message(p.ann);
    msg.attachments = {{"logo.png", "logo@01D2", ""}, {"report.pdf", "", ""}};
    auto safe = Received(msg);
    auto attachments = safe->Attachments();
    ASSERT_EQ(attachments->Count(), 2);
    EXPECT_EQ(attachments->Item(1)->FileName(), "logo.png");
    EXPECT_EQ(AsText(attachments->Item(1)->Fields(kContentId)), "logo@01D2");
    EXPECT_TRUE(IsEmpty(attachments->Item(2)->Fields(kContentId)));
    EXPECT_EQ(ErrorNumber([&] { attachments->Item(3); }), platform::errors::IndexOutOfBounds.number);
}

TEST_F(SafeMailItemTest, DistributionListsShowTheirDisplayTypeAndMembers) {
    auto recipients = Received(p.message(p.ann, {p.team, p.friends, p.ann}))->Recipients();
    auto team = recipients->Item(1)->AddressEntry();
    EXPECT_EQ(team->DisplayType(), outlook::oldisplay::DistList);
    EXPECT_EQ(team->Class(), 8);
    ASSERT_NE(team->Members(), nullptr);
    EXPECT_EQ(team->Members()->Count(), 2);
    EXPECT_EQ(team->Members()->Item(2)->SmtpAddress(), "ann@example.com");
    EXPECT_EQ(recipients->Item(2)->AddressEntry()->DisplayType(), outlook::oldisplay::PrivateDistList);
    EXPECT_EQ(recipients->Item(2)->AddressEntry()->Type(), "MAPIPDL");
    EXPECT_EQ(recipients->Item(3)->AddressEntry()->Members(), nullptr);
}

TEST_F(SafeMailItemTest, TypedRecipientsResolveAfterSave) {
    auto safe = Wrap(p.app->CreateItem(outlook::olitem::Mail));
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
    auto safe = Received(p.message(p.ann, {p.john, p.ann, p.boss}));
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
    auto safe = Wrap(p.app->CreateItem(outlook::olitem::Mail));
    EXPECT_EQ(safe->DeferredDeliveryTime().iso(), "4501-01-01 00:00:00");
    auto later = p.clock.now().addSeconds(60);
    safe->SetDeferredDeliveryTime(later);
    safe->Save();
    EXPECT_EQ(safe->DeferredDeliveryTime(), later);
    safe->SetDeferredDeliveryTime(platform::DateTime::none());
    EXPECT_EQ(safe->DeferredDeliveryTime(), platform::DateTime::none());
}

TEST_F(SafeMailItemTest, FieldsWrittenByString8TagAreSavedWithTheItem) {
    auto item = p.app->CreateItem(outlook::olitem::Mail);
    auto safe = Wrap(item);
    safe->SetFields(0x812C001E, std::string("Home"));
    safe->Save();
    EXPECT_TRUE(item->Saved());
    EXPECT_EQ(AsText(Wrap(item)->Fields(mapi::tags::OutlookAccountName)), "Home");
}

TEST_F(SafeMailItemTest, MembersBeforeBindingFailNamingTheMember) {
    auto unbound = CreateAccessObject<SafeMailItem>(factory);
    try {
        unbound->Recipients();
        FAIL() << "an unbound wrapper answered";
    } catch (const platform::PlatformError& e) {
        EXPECT_EQ(e.number(), platform::errors::ObjectNotSet.number);
        EXPECT_NE(e.description().find("SafeMailItem.Item before calling Recipients"), std::string::npos);
    }
    EXPECT_EQ(ErrorNumber([&] { CreateAccessObject<SafeInspector>(factory)->WordEditor(); }), platform::errors::ObjectNotSet.number);
}

TEST_F(SafeMailItemTest, DeletedItemFailsAsOutlookReportsIt) {
    auto item = p.mail(p.message(p.ann));
    auto safe = Wrap(item);
    item->Delete();
    const auto deleted = platform::errors::ItemMovedOrDeleted.number;
    EXPECT_EQ(ErrorNumber([&] { safe->Fields(kSenderAddrType); }), deleted);
    EXPECT_EQ(ErrorNumber([&] { safe->Recipients(); }), deleted);
    EXPECT_EQ(ErrorNumber([&] { safe->Save(); }), deleted);
}

TEST_F(SafeMailItemTest, PostItemReadsItsSenderButNoMailMembers) {
    auto msg = p.message(p.ann);
    msg.objectClass = outlook::olclass::Post;
    auto post = p.inbox()->addItem(msg);
    auto safePost = CreateAccessObject<SafePostItem>(factory);
    safePost->SetItem(post->asItem());
    EXPECT_EQ(safePost->Sender()->Address(), "ann@example.com");
    EXPECT_EQ(ErrorNumber([&] { Wrap(post->asItem())->To(); }), platform::errors::NotSupported.number);
}

TEST(SafeInspector, GivesTheWordDocumentOnlyWhenWordEdits) {
    testing::AccessProfile word("11.0.0.8010", true), plain("11.0.0.8010", false);
    ComponentFactory factory;
    auto safe = CreateAccessObject<SafeInspector>(factory);
    safe->SetItem(word.app->composeMail());
    EXPECT_NE(safe->WordEditor(), nullptr);
    safe->SetItem(plain.app->composeMail());
    EXPECT_EQ(safe->WordEditor(), nullptr);
}

}  // namespace
}  // namespace corvane::access
