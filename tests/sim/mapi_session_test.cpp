// The Extended-MAPI side of the simulated profile: properties by tag on messages,
// recipients and address entries; stores, ordered accounts, messages by entry id and
// message files through the session.
#include <gtest/gtest.h>

#include "corvane/sim/mapi_views.h"
#include "corvane/sim/msg_file.h"
#include "outlook_fixture.h"

namespace corvane::sim::testing {
namespace {

template <class T>
T As(const mapi::PropValue& v) {
    return std::get<T>(v);
}

TEST(MapiProperties, ProxyAddressesOfAnExchangeSenderReadThroughFields) {
    Profile p;
    ItemSpec spec;
    spec.from = p.me;
    spec.to = {p.ann};
    auto message = p.inbox()->addMail(spec)->MAPIOBJECT();

    EXPECT_EQ(As<std::string>(message->Fields(0x0C1E001E)), "EX");
    auto sender = message->Sender();
    auto proxies = As<std::vector<std::string>>(sender->Fields(0x800F101E));
    EXPECT_EQ(proxies, (std::vector<std::string>{"smtp:js@kelderon.example", "SMTP:john@kelderon.example",
                                                 "X400:c=US;s=Smith"}));
    EXPECT_EQ(sender->SmtpAddress(), "john@kelderon.example");
    EXPECT_EQ(sender->Class(), 8);
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
    item->SetDeferredDeliveryTime(p.clock.now().addSeconds(30));
    EXPECT_EQ(As<platform::DateTime>(message->Fields(mapi::tags::DeferredDeliveryTime)), p.clock.now().addSeconds(30));
    EXPECT_EQ(As<std::string>(message->Fields(mapi::tags::DisplayTo)), "John Smith; Carol Diaz");
}

TEST(MapiProperties, SentRepresentingPropertiesNameTheOnBehalfSender) {
    Profile p;
    ItemSpec spec;
    spec.from = p.carol;
    spec.onBehalfOf = p.ann;
    auto message = p.inbox()->addMail(spec)->MAPIOBJECT();
    EXPECT_EQ(As<std::string>(message->Fields(0x0064001E)), "SMTP");
    EXPECT_EQ(As<std::string>(message->Fields(0x0065001E)), "ann@example.com");
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

TEST(MapiProperties, AnInlinePictureCarriesItsContentId) {
    Profile p;
    ItemSpec spec;
    spec.attachments = {{"logo.png", "logo01@kelderon", ""}, {"plan.doc", "", ""}};
    auto attachments = p.inbox()->addMail(spec)->MAPIOBJECT()->Attachments();
    ASSERT_EQ(attachments.size(), 2u);
    EXPECT_EQ(As<std::string>(attachments[0]->Fields(0x3712001E)), "logo01@kelderon");
    EXPECT_TRUE(std::holds_alternative<std::monostate>(attachments[1]->Fields(0x3712001E)));
    EXPECT_EQ(attachments[1]->FileName(), "plan.doc");
}

TEST(MapiSession, StoresReportKindOwnerAndRootPath) {
    Profile p;
    auto google = p.app->profile()->addStore({"Google Apps - john@gmail.example", mapi::storekind::Unknown, nullptr, false});
    auto session = p.app->Session()->MAPIOBJECT();
    auto stores = session->Stores();
    ASSERT_EQ(stores.size(), 2u);
    EXPECT_EQ(stores[0]->StoreKind(), mapi::storekind::PrimaryExchangeMailbox);
    EXPECT_TRUE(stores[0]->Default());
    EXPECT_EQ(stores[0]->Owner()->SmtpAddress(), "john@kelderon.example");
    EXPECT_EQ(stores[0]->IPMRootFolder()->FolderPath(), "\\\\Mailbox - John Smith");
    EXPECT_EQ(stores[1]->IPMRootFolder()->FolderPath(), "\\\\Google Apps - john@gmail.example");
    EXPECT_EQ(stores[1]->Owner(), nullptr);
    EXPECT_EQ(session->CurrentUser()->Type(), "EX");
    EXPECT_EQ(session, p.app->Session()->MAPIOBJECT());
}

TEST(MapiSession, MailAccountsComeInSendingOrder) {
    Profile p;
    auto accounts = p.app->Session()->MAPIOBJECT()->Accounts();
    auto order = accounts->GetOrder(mapi::accountcategory::Mail);
    ASSERT_EQ(order.size(), 2u);
    EXPECT_EQ(order[0]->Name(), "Kelderon");
    EXPECT_TRUE(order[0]->IsExchange());
    EXPECT_EQ(order[1]->SmtpAddress(), "john@home.example");
    EXPECT_NE(order[0]->Stamp(), order[1]->Stamp());
    EXPECT_TRUE(accounts->GetOrder(mapi::accountcategory::Store).empty());

    p.app->profile()->makeDefaultAccount(p.home);
    EXPECT_EQ(accounts->GetOrder(mapi::accountcategory::Mail).front()->Name(), "Kelderon");  // a snapshot
    EXPECT_EQ(p.app->Session()->MAPIOBJECT()->Accounts()->GetOrder(2).front()->Name(), "Home");
    EXPECT_EQ(accounts->Item("HOME")->Name(), "Home");
    EXPECT_EQ(FailureOf([&] { accounts->Item("Gone"); }).number(), platform::errors::MapiNotFound.number);
}

TEST(MapiSession, AMessageDeletedThroughTheSessionIsGoneForOutlookToo) {
    Profile p;
    auto item = p.received();
    auto session = p.app->Session()->MAPIOBJECT();
    auto entryId = item->EntryID();
    auto message = session->GetMessageFromID(entryId, "");
    EXPECT_FALSE(message->UnRead());
    message->Delete();
    EXPECT_EQ(FailureOf([&] { item->Subject(); }).description(), "The item has been moved or deleted.");
    EXPECT_TRUE(p.folder(ol::olfolder::DeletedItems)->items().empty());
    EXPECT_EQ(FailureOf([&] { session->GetMessageFromID(entryId, ""); }).number(),
              platform::errors::MapiNotFound.number);
}

TEST(MapiSession, AMessageFileCopiedOntoANewInboxMessage) {
    Profile p;
    p.files.files["C:\\Corvane\\Introducing_Corvane.msg"] =
        "Subject: Introducing Corvane\r\nFrom: Corvane Team <team@corvane.example>\r\nTo: John Smith\r\n"
        "Content-Type: text/html\r\n\r\n<html><body>Welcome</body></html>";
    auto session = std::make_shared<SimMapiSubsystem>(p.app)->Logon();
    auto file = session->GetMessageFromMsgFile("C:\\Corvane\\Introducing_Corvane.msg");
    auto inbox = session->GetDefaultFolder(ol::olfolder::Inbox);
    auto fresh = inbox->AddMessage("IPM.Note");
    fresh->SetSent(true);
    fresh->SetUnRead(true);
    fresh->Save();
    auto reopened = session->GetMessageFromID(fresh->EntryID(), "");
    file->CopyTo(reopened);
    reopened->SetSentOn(p.clock.now());
    reopened->Save();

    ASSERT_EQ(p.inbox()->items().size(), 1u);
    auto mail = std::dynamic_pointer_cast<ol::MailItem>(p.inbox()->items().front()->asItem());
    EXPECT_EQ(mail->Subject(), "Introducing Corvane");
    EXPECT_EQ(mail->SenderName(), "Corvane Team");
    EXPECT_TRUE(mail->UnRead());
    EXPECT_TRUE(mail->Sent());
    EXPECT_EQ(mail->Body(), "Welcome");
    EXPECT_EQ(FailureOf([&] { session->GetMessageFromMsgFile("C:\\Corvane\\missing.msg"); }).number(),
              platform::errors::StorageFileNotFound.number);
}

TEST(MapiSession, AMalformedMessageFileIsReportedWithItsLine) {
    auto e = FailureOf([] { ParseMessageFile("Subject: x\nFrom Ann\n\nbody"); });
    EXPECT_EQ(e.description(), "Message file line 2: expected \"Name: value\" but found \"From Ann\"");
    EXPECT_EQ(FailureOf([] { ParseMessageFile("Sent: yesterday\n\n"); }).description(),
              "Message file line 1: \"yesterday\" is not a date (YYYY-MM-DD HH:MM:SS)");
}

TEST(MapiSession, Outlook2000HandsOutNoNamespaceSessionButLogonWorks) {
    Profile p("9.0.0.2711");
    EXPECT_EQ(FailureOf([&] { p.app->Session()->MAPIOBJECT(); }).number(), platform::errors::NotSupported.number);
    auto session = std::make_shared<SimMapiSubsystem>(p.app)->Logon();
    EXPECT_TRUE(session->LoggedOn());
    EXPECT_EQ(session->Stores().size(), 1u);
    session->Logoff();
    EXPECT_FALSE(session->LoggedOn());
    EXPECT_THROW(session->Stores(), platform::PlatformError);
}

}  // namespace
}  // namespace corvane::sim::testing
