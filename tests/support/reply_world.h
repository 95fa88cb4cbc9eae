#pragma once
// A simulated Outlook for the reply checks: John Smith's Exchange mailbox with a work
// (Exchange) and a home (POP3) account, colleagues and outside correspondents in the
// address book, and a host whose Ui is answered from a script.
#include <memory>
#include <string>
#include <vector>

#include "corvane/platform/clock.h"
#include "corvane/platform/host.h"
#include "corvane/settings/setting_keys.h"
#include "corvane/settings/setting_store.h"
#include "corvane/sim/application.h"
#include "corvane/sim/folder.h"
#include "corvane/sim/inspector.h"
#include "corvane/sim/item_types.h"
#include "corvane/sim/name_space.h"
#include "corvane/simhost/registry.h"
#include "corvane/simhost/sim_ui.h"
#include "support/memory_file_system.h"

namespace corvane::testing {

class ReplyWorld {
public:
    // workAddress: the SMTP address the Exchange account itself names.
    explicit ReplyWorld(std::string version = "11.0.0.8010", std::string workAddress = "john@kelderon.example") {
        sim::OutlookOptions options;
        options.version = std::move(version);
        options.files = &files;
        options.quitWhenLastWindowCloses = false;
        app = sim::SimApplication::Create(clock, options);
        auto profile = app->profile();
        auto& book = profile->addressBook();
        me = book.addExchangeUser({"John Smith", "jsmith", "john@kelderon.example", {"SMTP:john@kelderon.example"}, ""});
        carol = book.addExchangeUser({"Carol Diaz", "cdiaz", "carol@kelderon.example", {"SMTP:carol@kelderon.example"}, ""});
        ann = book.addSmtp("Ann Lee", "ann@example.com");
        bob = book.addSmtp("Bob Ray", "bob@example.org");
        team = book.addExchangeList({"Team", "team", "team@kelderon.example", {}, ""}, {carol, me});
        profile->addStore({"Mailbox - John Smith", mapi::storekind::PrimaryExchangeMailbox, me, true});
        profile->setCurrentUser(me);
        work = profile->addAccount({"Kelderon", std::move(workAddress), outlook::olaccount::Exchange, "John Smith"});
        home = profile->addAccount({"Home", "john@home.example", outlook::olaccount::Pop3, "John at home"});
    }

    void set(std::string_view key, std::string_view value) { settings::SettingStore(registry).SaveSetting(key, value); }
    std::shared_ptr<sim::SimFolder> folder(int type) const { return app->profile()->defaultFolder(type); }

    // "Plans", received from Ann (or `from`) an hour ago.
    std::shared_ptr<sim::SimMailItem> received(std::vector<sim::RecipientSpec> to, std::vector<sim::RecipientSpec> cc = {},
                                               std::shared_ptr<sim::SimAddressEntry> from = nullptr) {
        sim::ItemSpec spec;
        spec.subject = "Plans";
        spec.from = from ? std::move(from) : ann;
        spec.to = std::move(to);
        spec.cc = std::move(cc);
        spec.received = clock.now().addSeconds(-3600);
        return folder(outlook::olfolder::Inbox)->addMail(spec);
    }

    class QuietShell final : public platform::Shell {
    public:
        void openAddress(std::string_view) override {}
        void openHelp(std::string_view, std::string_view) override {}
    };
    class NoHttp final : public platform::Http {
    public:
        platform::HttpResponse get(std::string_view, std::chrono::milliseconds) override { return {}; }
    };
    class PlainSystem final : public platform::SystemInfo {
    public:
        platform::WindowsVersion windowsVersion() override { return {}; }
        std::uint16_t nativeArchitecture() override { return platform::arch::Amd64; }
        std::string addinFolder() override { return "C:\\Program Files\\Corvane"; }
        platform::AddinVersion addinVersion() override { return {2, 0, 58}; }
    };

    platform::FixedClock clock{platform::DateTime::fromCivil(2026, 3, 2, 9, 30)};
    MemoryFileSystem files;
    simhost::SimRegistry registry;
    simhost::ScriptedUi ui;
    QuietShell shell;
    NoHttp http;
    PlainSystem system;
    platform::Host host{registry, ui, shell, http, system, clock, files};
    std::shared_ptr<sim::SimApplication> app;
    std::shared_ptr<sim::SimAddressEntry> me, carol, ann, bob, team;
    std::shared_ptr<sim::SimAccount> work, home;
};

// The frmReplyMultRecipt step of a script.
inline simhost::UiStep recipientDialog(std::vector<simhost::FormAction> actions) {
    simhost::UiStep step{std::in_place_type<simhost::FormStep>};
    std::get<simhost::FormStep>(step).form = "frmReplyMultRecipt";
    std::get<simhost::FormStep>(step).actions = std::move(actions);
    return step;
}
inline simhost::FormAction ticking(std::vector<std::string> rows, bool ticked = true) {
    return simhost::action::TickRows{"lstVRecipients", std::move(rows), ticked};
}
inline const simhost::FormAction kOK = simhost::action::Click{"cmdOK"};
inline const simhost::FormAction kCancel = simhost::action::Click{"cmdCancel"};

// A message box step: its title, a part of its text, its buttons and the answer.
inline simhost::MessageBoxStep box(std::string title, std::string textPart, int buttons, int answer) {
    simhost::MessageBoxStep step;
    step.title = std::move(title);
    step.textContains = std::move(textPart);
    step.buttons = buttons;
    step.answer = answer;
    return step;
}

}  // namespace corvane::testing
