// Items of the simulated Outlook: recipients and the lines Outlook derives from them,
// user properties, saving, moving and deleting, and the failures of gone items.
#include <gtest/gtest.h>

#include "outlook_fixture.h"

namespace corvane::sim::testing {
namespace {

using corvane::testing::FailsWith;

std::shared_ptr<ol::MailItem> NewMail(Profile& p) {
    return std::dynamic_pointer_cast<ol::MailItem>(p.app->CreateItem(ol::olitem::Mail));
}

TEST(OutlookItems, ToCcAndBccAreTheNamesOfTheRecipientsOfEachType) {
    Profile p;
    auto mail = p.received();
    EXPECT_EQ(mail->To(), "John Smith; Carol Diaz");
    EXPECT_EQ(mail->CC(), "Bob Ray");
    EXPECT_EQ(mail->BCC(), "");
    EXPECT_EQ(mail->Class(), ol::olclass::Mail);
}

TEST(OutlookItems, SettingToReplacesTheToRecipientsByUnresolvedEntries) {
    Profile p;
    auto mail = NewMail(p);
    mail->Recipients()->Add("Bob Ray")->SetType(ol::olrecipient::CC);
    mail->SetTo("Ann Lee; Zed <zed@example.net> ;nobody");
    auto recipients = mail->Recipients();
    ASSERT_EQ(recipients->Count(), 4);
    EXPECT_EQ(recipients->Item(1)->Type(), ol::olrecipient::CC);
    EXPECT_EQ(recipients->Item(2)->Name(), "Ann Lee");
    EXPECT_FALSE(recipients->Item(2)->Resolved());
    EXPECT_EQ(recipients->Item(2)->AddressEntry(), nullptr);

    EXPECT_FALSE(recipients->ResolveAll());  // "nobody" is in no address book

    EXPECT_EQ(recipients->Item(2)->Address(), "ann@example.com");
    EXPECT_EQ(recipients->Item(3)->Name(), "Zed");
    EXPECT_EQ(recipients->Item(3)->AddressEntry()->Type(), "SMTP");
    EXPECT_EQ(recipients->Item(3)->Address(), "zed@example.net");
    EXPECT_FALSE(recipients->Item(4)->Resolved());
}

TEST(OutlookItems, ResolvingAnExchangeUserByAnySmtpAddressGivesItsEntry) {
    Profile p;
    auto mail = NewMail(p);
    auto r = mail->Recipients()->Add("js@kelderon.example");
    ASSERT_TRUE(r->Resolve());
    EXPECT_EQ(r->Name(), "John Smith");
    EXPECT_EQ(r->AddressEntry(), p.me);
    EXPECT_EQ(r->Address().substr(0, 3), "/o=");
}

TEST(OutlookItems, AnIndexOutsideTheCollectionFailsWithOutlooksNumber) {
    Profile p;
    auto mail = p.received();
    for (int index : {0, 4})
        EXPECT_THAT([&] { mail->Recipients()->Item(index); }, FailsWith(platform::errors::IndexOutOfBounds)) << index;
}

TEST(OutlookItems, RemovingRecipientsShiftsThePositionsOfTheLaterOnes) {
    Profile p;
    auto mail = p.received();
    auto first = mail->Recipients()->Item(1);
    mail->Recipients()->Item(3)->Delete();
    mail->Recipients()->Remove(1);
    ASSERT_EQ(mail->Recipients()->Count(), 1);
    EXPECT_EQ(mail->Recipients()->Item(1)->Name(), "Carol Diaz");
    EXPECT_THAT([&] { first->Name(); }, FailsWith(platform::errors::OperationFailed));
}

TEST(OutlookItems, UserPropertiesAreAddedFoundIgnoringCaseAndRemoved) {
    Profile p;
    auto mail = p.received();
    auto props = mail->UserProperties();
    props->Add("ReplyToAllRemoveReciptAt", ol::olprop::Text)->SetValue("3;1;");
    EXPECT_EQ(props->Find("replytoallremovereciptat")->Value(), "3;1;");
    EXPECT_EQ(props->Find("ReplyToAllCLearMyEmail"), nullptr);
    EXPECT_THROW(props->Add("ReplyToAllRemoveReciptAt", ol::olprop::Text), platform::PlatformError);
    props->Remove(1);
    EXPECT_EQ(props->Count(), 0);
    EXPECT_EQ(props->Find("ReplyToAllRemoveReciptAt"), nullptr);
}

TEST(OutlookItems, ANewItemGetsItsEntryIdWhenSavedIntoDrafts) {
    Profile p;
    auto mail = NewMail(p);
    EXPECT_EQ(mail->EntryID(), "");
    EXPECT_FALSE(mail->Saved());
    EXPECT_EQ(mail->Parent(), p.folder(ol::olfolder::Drafts));

    mail->Save();

    EXPECT_NE(mail->EntryID(), "");
    EXPECT_TRUE(mail->Saved());
    EXPECT_EQ(p.app->Session()->GetItemFromID(mail->EntryID(), ""), mail);
    auto store = std::dynamic_pointer_cast<ol::Folder>(mail->Parent())->StoreID();
    EXPECT_EQ(p.app->Session()->GetItemFromID(mail->EntryID(), store), mail);
    EXPECT_THAT([&] { p.app->Session()->GetItemFromID("00FF", ""); },
                FailsWith(platform::errors::ObjectNotFound.number));
}

TEST(OutlookItems, AMovedItemIsANewObjectAndTheOldOneIsGone) {
    Profile p;
    auto mail = p.received();
    auto archive = p.inbox()->addFolder("Archive");
    auto oldId = mail->EntryID();

    auto moved = mail->Move(archive);

    EXPECT_NE(moved, mail);
    EXPECT_EQ(moved->Subject(), "Plans");
    EXPECT_EQ(moved->Parent(), archive);
    EXPECT_NE(moved->EntryID(), oldId);
    EXPECT_THAT([&] { mail->Subject(); }, FailsWith(platform::errors::ItemMovedOrDeleted));
    EXPECT_EQ(p.inbox()->Items()->Count(), 0);
}

TEST(OutlookItems, DeleteMovesToDeletedItemsAndFromThereAwayForGood) {
    Profile p;
    auto mail = p.received();
    auto deleted = p.folder(ol::olfolder::DeletedItems);
    mail->Delete();
    EXPECT_THROW(mail->EntryID(), platform::PlatformError);
    ASSERT_EQ(deleted->Items()->Count(), 1);
    auto inTrash = deleted->Items()->Item(1);
    inTrash->Delete();
    EXPECT_EQ(deleted->Items()->Count(), 0);
    EXPECT_THAT([&] { inTrash->Class(); }, FailsWith(platform::errors::ItemMovedOrDeleted.number));
}

TEST(OutlookItems, NoDeferredDeliveryTimeReadsAsTheFirstOfJanuary4501) {
    Profile p;
    auto mail = NewMail(p);
    EXPECT_EQ(mail->DeferredDeliveryTime().iso(), "4501-01-01 00:00:00");
    auto later = p.clock().now().addSeconds(60);
    mail->SetDeferredDeliveryTime(later);
    EXPECT_EQ(mail->DeferredDeliveryTime(), later);
}

TEST(OutlookItems, ReceivedItemsCarryTheirSenderAndTimes) {
    Profile p;
    ItemSpec spec;
    spec.subject = "On behalf";
    spec.from = p.carol;
    spec.onBehalfOf = p.ann;
    spec.to = {p.me};
    spec.received = platform::DateTime::fromCivil(2026, 2, 1, 8);
    auto mail = p.inbox()->addMail(spec);
    EXPECT_EQ(mail->SenderName(), "Carol Diaz");
    EXPECT_EQ(mail->SenderEmailType(), "EX");
    EXPECT_EQ(mail->SentOnBehalfOfName(), "Ann Lee");
    EXPECT_EQ(mail->ReceivedTime(), platform::DateTime::fromCivil(2026, 2, 1, 8));
    EXPECT_TRUE(mail->Sent());
}

TEST(OutlookItems, HtmlBodyGivesATextBodyWithNoBreakSpaces) {
    Profile p;
    auto mail = NewMail(p);
    mail->SetHTMLBody("<html><body><p>See&nbsp;attached</p><img src=\"cid:logo\"></body></html>");
    EXPECT_EQ(mail->Body(),
              "See\xC2\xA0"
              "attached\r\n");
    EXPECT_EQ(mail->BodyFormat(), ol::olformat::HTML);
}

TEST(OutlookItems, ItemClassesAreToldApartByTheirInterfaces) {
    Profile p;
    ItemSpec report;
    report.objectClass = ol::olclass::Report;
    auto r = p.inbox()->addItem(report)->asItem();
    EXPECT_EQ(r->Class(), ol::olclass::Report);
    EXPECT_EQ(std::dynamic_pointer_cast<ol::MailItem>(r), nullptr);
    EXPECT_NE(std::dynamic_pointer_cast<ol::ReportItem>(r), nullptr);
    auto contact = p.app->CreateItem(ol::olitem::Contact);
    EXPECT_EQ(contact->Class(), ol::olclass::Contact);
    EXPECT_EQ(contact->Parent(), p.folder(ol::olfolder::Contacts));
    EXPECT_EQ(p.app->CreateItem(ol::olitem::Post)->MessageClass(), "IPM.Post");
}

}  // namespace
}  // namespace corvane::sim::testing

namespace corvane::sim::testing {
namespace {

TEST(OutlookItems, AnItemsDescriptionBuildsTheSameItemAgain) {
    Profile p;
    ItemSpec spec;
    spec.subject = "Copy me";
    spec.html = "<html><body>Hi</body></html>";
    spec.from = p.carol;
    spec.to = {p.me, "Nobody Known"};
    spec.bcc = {p.friends};
    spec.attachments = {{"logo.png", "logo01", "Logo"}};
    spec.userProperties = {{"ReplyToAllCLearMyEmail", "Yes"}};
    spec.deferredDelivery = p.clock().now().addSeconds(90);
    auto original = p.inbox()->addMail(spec);

    auto again = BuildItem(p.app, SpecOf(*original));
    auto copy = std::dynamic_pointer_cast<ol::MailItem>(again->asItem());

    EXPECT_EQ(copy->Subject(), "Copy me");
    EXPECT_EQ(copy->HTMLBody(), original->HTMLBody());
    EXPECT_EQ(copy->SenderName(), "Carol Diaz");
    EXPECT_EQ(copy->To(), "John Smith; Nobody Known");
    EXPECT_FALSE(copy->Recipients()->Item(2)->Resolved());
    EXPECT_EQ(copy->BCC(), "Friends");
    EXPECT_EQ(copy->Attachments()->Item(1)->DisplayName(), "Logo");
    EXPECT_EQ(copy->UserProperties()->Find("ReplyToAllCLearMyEmail")->Value(), "Yes");
    EXPECT_EQ(copy->DeferredDeliveryTime(), p.clock().now().addSeconds(90));
    EXPECT_EQ(copy->ReceivedTime(), original->ReceivedTime());
}

}  // namespace
}  // namespace corvane::sim::testing
