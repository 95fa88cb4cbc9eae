// Checks the simulated Outlook's COM face under Wine, with a profile built in code:
//   simcom_check faces     reached through the add-in's own late binding (comoutlook)
//   simcom_check startup   Corvane.dll (registered) loaded by its ProgId, started with two
//                          Explorers and shut down by the simulated Outlook
// The faces count every call and reference.
#include <windows.h>

#include <cstdio>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "corvane/comoutlook/objects.h"
#include "corvane/mapi/objects.h"
#include "corvane/outlook/explorer.h"
#include "corvane/outlook/folders.h"
#include "corvane/outlook/items.h"
#include "corvane/outlook/recipients.h"
#include "corvane/platform/error.h"
#include "corvane/settings/setting_keys.h"
#include "corvane/settings/setting_store.h"
#include "corvane/sim/application.h"
#include "corvane/sim/mapi_views.h"
#include "corvane/sim/name_space.h"
#include "corvane/simcom/com_addin.h"
#include "corvane/simcom/faces.h"
#include "corvane/text/wide.h"

#include "expect.h"

using namespace corvane;
using corvane::winecheck::Expect;
namespace ol = outlook;

namespace {

// Outlook 2013 with two Explorers, a POP account and a message in the Inbox.
std::shared_ptr<sim::SimApplication> Outlook2013(platform::Clock& clock, std::string version = "15.0.0.4420") {
    sim::OutlookOptions options;
    options.version = std::move(version);
    auto app = sim::SimApplication::Create(clock, options);
    auto session = app->profile();
    sim::EntrySpec ann;
    ann.name = "Ann Archer", ann.address = ann.smtpAddress = "ann@example.com";
    sim::EntrySpec bob;
    bob.name = "Bob Baker", bob.address = bob.smtpAddress = "bob@example.com";
    auto user = session->addressBook().addEntry(ann);
    session->addressBook().addEntry(bob);
    session->setCurrentUser(user);
    session->addStore({});
    session->addAccount({"Work", "ann@example.com", ol::olaccount::Pop3, "Ann Archer"});
    sim::ItemSpec plans;
    plans.subject = "Plans", plans.from = user, plans.to = {"Bob Baker"};
    session->defaultFolder(ol::olfolder::Inbox)->addItem(plans);
    return app;
}

// Outlook starts on the Inbox; the user opens a second Explorer on Drafts.
void StartWithTwoExplorers(sim::SimApplication& app) {
    app.start();
    app.openExplorer(app.profile()->defaultFolder(ol::olfolder::Drafts));
}

struct SendWatch final : ol::ApplicationEvents {
    bool cancel = true;
    std::shared_ptr<ol::Item> seen;
    void ItemSend(const std::shared_ptr<ol::Item>& item, bool& cancelSend) override {
        seen = item;
        cancelSend = cancel;
    }
};

// The error a call fails with, or none.
template <class F>
platform::PlatformError FailureOf(F call) {
    try {
        call();
    } catch (const platform::PlatformError& e) {
        return e;
    }
    return platform::PlatformError(0, "no failure");
}

void CheckRoundTrips(const std::shared_ptr<sim::SimApplication>& simApp, simcom::Faces& faces) {
    IDispatch* face = faces.faceOf(simApp);
    auto app = comoutlook::ApplicationOf(face);
    face->Release();

    Expect(app->Version() == "15.0.0.4420" && app->Explorers()->Count() == 2, "the profile is seen through COM");
    // The Explorer opened last is the active one.
    Expect(app->Explorers()->Item(2) == app->ActiveExplorer() && app->Session() == app->GetNamespace("MAPI"),
           "one Outlook object gives one wrapper: the face keeps COM identity");
    auto inbox = app->Session()->GetDefaultFolder(ol::olfolder::Inbox);
    Expect(inbox->Items()->Item(1)->Subject() == "Plans" && inbox->Name() == "Inbox", "collections and Item(n)");

    // Outlook's failures come back with its number and text.
    auto direct = FailureOf([&] { simApp->GetNamespace("LDAP"); });
    auto overCom = FailureOf([&] { app->GetNamespace("LDAP"); });
    Expect(overCom.number() == direct.number() && overCom.description() == direct.description(),
           "a failure crosses as Outlook's exception: " + overCom.description());
    Expect(FailureOf([&] { app->Session()->GetDefaultFolder(ol::olfolder::Inbox)->Items()->Item(9); }).number() ==
               platform::errors::IndexOutOfBounds.number,
           "an index out of bounds fails as in Outlook");

    // ItemSend with Cancel by reference: the add-in's answer reaches the simulated Outlook.
    auto watch = std::make_shared<SendWatch>();
    auto connection = app->Advise(watch);
    auto mail = std::dynamic_pointer_cast<ol::MailItem>(app->CreateItem(ol::olitem::Mail));
    mail->SetSubject("Numbers");
    mail->Recipients()->Add("Bob Baker");
    auto outbox = app->Session()->GetDefaultFolder(ol::olfolder::Outbox);
    mail->Send();
    Expect(watch->seen == mail && simApp->sentLog().empty() && outbox->Items()->Count() == 0,
           "a Cancel set in ItemSend stops the send");
    watch->cancel = false;
    mail->Send();
    Expect(simApp->sentLog().size() == 1 && simApp->sentLog()[0].subject == "Numbers",
           "ItemSend left alone lets the message go");
    Expect(faces.callsByMember().at("_MailItem.Send") == 2 && faces.callsByMember().at("_Application.CreateItem") == 1,
           "each member's calls are counted");
}

// Extended MAPI through the add-in's own layer (commapi) over the face: the session's
// accounts through the account manager, a message's attachments, the sending account.
void CheckMapiThroughCommapi(const std::shared_ptr<sim::SimApplication>& simApp, simcom::Faces& faces) {
    auto profile = simApp->profile();
    profile->addAccount({"Kelderon", "ann@kelderon.example", ol::olaccount::Exchange, "Ann Archer"});
    profile->makeDefaultAccount(profile->addAccount({"Home", "ann@home.example", ol::olaccount::Pop3, "Ann"}));
    sim::ItemSpec report;
    report.subject = "Report", report.attachments = {{"report.pdf", "", ""}, {"logo.png", "logo@1", ""}};
    profile->defaultFolder(ol::olfolder::Inbox)->addItem(report);
    IDispatch* face = faces.faceOf(simApp);
    auto app = comoutlook::ApplicationOf(face);
    face->Release();
    faces.resetCounts();

    auto accounts = app->Session()->MAPIOBJECT()->Accounts();
    std::string order;
    for (const auto& account : accounts->GetOrder(mapi::accountcategory::Mail)) order += account->Name() + ";";
    Expect(order == "Home;Work;Kelderon;", "the session's accounts come in sending order: " + order);
    Expect(faces.mapiCallsByMethod().at("IOlkAccountManager.Init") == 1 &&
               faces.mapiCallsByMethod().at("IOlkAccount.GetProp") == 6,
           "the account manager is made once, each account's id and name read once");

    auto inbox = app->Session()->GetDefaultFolder(ol::olfolder::Inbox)->Items();
    std::string attached;
    for (const auto& attachment : inbox->Item(inbox->Count())->MAPIOBJECT()->Attachments()) {
        auto id = attachment->Fields(mapi::String8Tag(mapi::tags::AttachContentId));
        attached += attachment->FileName() + "<" + (id.index() == 0 ? "" : std::get<std::string>(id)) + ">";
    }
    Expect(attached == "report.pdf<>logo.png<logo@1>", "the attachment table and each attachment read: " + attached);

    auto mail = std::dynamic_pointer_cast<ol::MailItem>(app->CreateItem(ol::olitem::Mail));
    mail->Recipients()->Add("Bob Baker");
    auto message = mail->MAPIOBJECT();
    message->SetFields(mapi::String8Tag(mapi::tags::PrimarySendAccount),
                       accounts->Item("Work")->Fields(mapi::tags::AccountSendStamp));
    message->Save();
    Expect(message->Account() && message->Account()->Name() == "Work", "the sending account written is read back");
    mail->Send();
    Expect(simApp->sentLog().back().account == "Work", "the simulated Outlook sends from the account written");

    // The add-in's own logon: the stores table, the default store and a folder it names.
    auto own = simcom::LogonSubsystem(faces.shared_from_this(), std::make_shared<sim::SimMapiSubsystem>(simApp));
    Expect(own->Logon()->DefaultStore()->GetDefaultFolder(ol::olfolder::Outbox)->Name() == "Outbox",
           "a session logged on through the faces opens the default store's folders");
}

void SetSettings(std::initializer_list<std::pair<std::string_view, std::string_view>> settings) {
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, text::WideFromUtf8(settings::UserSettingsPath).c_str(), 0, nullptr, 0,
                    KEY_SET_VALUE, nullptr, &key, nullptr);
    for (auto [name, value] : settings) {
        std::wstring data = text::WideFromUtf8(value);
        RegSetValueExW(key, text::WideFromUtf8(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                       static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(key);
}

// The settings that keep start-up and sending quiet: no wizard, no update question, no
// question about adding an address.
void QuietSettings() {
    namespace keys = settings::keys;
    SetSettings({{keys::ShowStartupWizard, "False"},
                 {keys::LastCheckUpdateDate, settings::DoNotCheckMarker},
                 {keys::MsgAddAddress, "1"}});
}

// The checks that walk every recipient of a message sent and ask nothing when none of
// them is listed: the delay list, the addresses that need confirming, the recipient count.
void RecipientWalkingSettings() {
    namespace keys = settings::keys;
    SetSettings({{keys::DelayEmails, "True"},
                 {keys::DelayTime, "60"},
                 {keys::AutoDelayAll, "0"},
                 {keys::DelayedEmailAddrs, "nobody@elsewhere.example"},
                 {keys::DisplayConfirmation, "2"},
                 {keys::ConfirmEmailAddrs, "nobody@elsewhere.example"},
                 {keys::ConfirmForXRecipients, "True"},
                 {keys::XRecipients, "5000"}});
}

void PrintCalls(const std::map<std::string, std::uint64_t>& calls) {
    for (const auto& [member, times] : calls)
        std::printf("  %s %llu\n", member.c_str(), static_cast<unsigned long long>(times));
}

struct SendCost {
    std::uint64_t objectModel = 0;  // Invoke and GetIDsOfNames calls
    std::uint64_t mapi = 0;         // calls on the MAPI objects behind MAPIOBJECT
};

// The calls the add-in makes on Outlook while a message to `count` recipients is sent
// (each is a crossing into Outlook's process on a real Outlook). The message is sent from
// its window, as only such a send is checked.
SendCost CallsToSend(sim::SimApplication& app, simcom::Faces& faces, int count) {
    auto mail = std::dynamic_pointer_cast<ol::MailItem>(app.CreateItem(ol::olitem::Mail));
    mail->SetSubject("Numbers");
    mail->Display(false);
    auto recipients = mail->Recipients();
    for (int i = 0; i < count; ++i) recipients->Add("person" + std::to_string(i) + "@example.com");
    faces.resetCounts();
    mail->Send();
    SendCost cost{faces.counts().invokes + faces.counts().nameLookups, faces.counts().mapiCalls};
    std::printf("ItemSend to %d recipients: %llu object-model calls (%llu name lookups), %llu MAPI calls\n", count,
                static_cast<unsigned long long>(cost.objectModel),
                static_cast<unsigned long long>(faces.counts().nameLookups),
                static_cast<unsigned long long>(cost.mapi));
    PrintCalls(faces.callsByMember());
    PrintCalls(faces.mapiCallsByMethod());
    return cost;
}

void CheckStartUp(sim::SimApplication& app, const std::shared_ptr<simcom::Faces>& faces) {
    QuietSettings();
    RecipientWalkingSettings();
    app.registerAddin("Corvane.Connect", simcom::ComAddinClient::Create(faces, "Corvane.Connect"));
    StartWithTwoExplorers(app);
    Expect(app.isConnected("Corvane.Connect") && app.explorers().size() == 2, "Corvane.dll starts with Outlook");
    Expect(!app.ribbonXml("Corvane.Connect", "Microsoft.Outlook.Explorer").empty() && app.ribbonErrors().empty(),
           "the Explorer's ribbon is read and loaded");
    std::printf("start-up: %llu calls, %llu name lookups, %llu MAPI calls, %zu objects held\n",
                static_cast<unsigned long long>(faces->counts().invokes),
                static_cast<unsigned long long>(faces->counts().nameLookups),
                static_cast<unsigned long long>(faces->counts().mapiCalls), faces->live());
    PrintCalls(faces->callsByMember());
    PrintCalls(faces->mapiCallsByMethod());
    const SendCost ten = CallsToSend(app, *faces, 10);
    const SendCost hundred = CallsToSend(app, *faces, 100);
    const SendCost thousand = CallsToSend(app, *faces, 1000);
    Expect(app.sentLog().size() == 3, "the three messages are sent");
    Expect(ten.mapi > 0, "the recipient checks read the message through MAPI");
    Expect(hundred.objectModel <= 10 * ten.objectModel + 50 && thousand.objectModel <= 10 * hundred.objectModel + 50,
           "the send pipeline's object-model calls grow at most linearly with the recipients");
    Expect(hundred.mapi <= 10 * ten.mapi + 50 && thousand.mapi <= 10 * hundred.mapi + 50,
           "the send pipeline's MAPI calls grow at most linearly with the recipients");
    app.quit();
    Expect(!app.isConnected("Corvane.Connect"), "shut-down disconnects the add-in");
}

// Outlook 2000 has only the first application events: the add-in falls back to them.
void CheckOutlook2000Events(platform::Clock& clock) {
    auto simApp = Outlook2013(clock, "9.0.0.3011");
    StartWithTwoExplorers(*simApp);
    auto faces = simcom::Faces::Create(9);
    IDispatch* face = faces->faceOf(simApp);
    auto app = comoutlook::ApplicationOf(face);
    face->Release();
    auto watch = std::make_shared<SendWatch>();
    auto connection = app->Advise(watch);
    auto mail = std::dynamic_pointer_cast<ol::MailItem>(simApp->CreateItem(ol::olitem::Mail));
    mail->Recipients()->Add("Bob Baker");
    mail->Send();
    Expect(watch->seen && simApp->sentLog().empty(), "Outlook 2000's ItemSend reaches the add-in and is cancelled");
    simApp->quit();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring mode = argc == 2 ? argv[1] : L"";
    if (mode != L"faces" && mode != L"startup") {
        std::printf("usage: simcom_check faces|startup\n");
        return 2;
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    {
        platform::FixedClock clock;
        auto app = Outlook2013(clock);
        auto faces = simcom::Faces::Create();
        if (mode == L"faces") {
            StartWithTwoExplorers(*app);
            CheckRoundTrips(app, *faces);
            CheckMapiThroughCommapi(app, *faces);
            app->quit();
            CheckOutlook2000Events(clock);
        } else {
            CheckStartUp(*app, faces);
        }
        Expect(faces->live() == 0 && faces->references() == 0 && faces->mapiLive() == 0,
               "every reference taken on a face or a MAPI object is released");
    }
    CoUninitialize();
    return corvane::winecheck::ExitCode();
}
