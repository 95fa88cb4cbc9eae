#pragma once
// The send-time checks on a simulated Outlook: John's Exchange mailbox, SMTP
// correspondents, an Exchange and a personal distribution list, the add-in process with
// its access component, and a scripted Ui that must see exactly the prompts a test
// expects.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "corvane/access/factory.h"
#include "corvane/addin/addin_process.h"
#include "corvane/platform/clock.h"
#include "corvane/platform/host.h"
#include "corvane/settings/setting_keys.h"
#include "corvane/settings/setting_store.h"
#include "corvane/sim/outlook/address_book.h"
#include "corvane/sim/outlook/application.h"
#include "corvane/sim/outlook/folder.h"
#include "corvane/sim/outlook/item_types.h"
#include "corvane/sim/outlook/mapi_views.h"
#include "corvane/sim/outlook/name_space.h"
#include "corvane/sim/registry.h"
#include "corvane/sim/sim_ui.h"
#include "dialog_test_support.h"
#include "support/memory_file_system.h"

namespace corvane::testing {

namespace ol = outlook;
namespace keys = settings::keys;

class SendChecksTest : public ::testing::Test {
protected:
    struct StubShell final : platform::Shell {
        void openAddress(std::string_view) override {}
        void openHelp(std::string_view, std::string_view) override {}
    };
    struct StubHttp final : platform::Http {
        platform::HttpResponse get(std::string_view, std::chrono::milliseconds) override { return {}; }
    };
    struct StubSystem final : platform::SystemInfo {
        platform::WindowsVersion windowsVersion() override { return {}; }
        std::uint16_t nativeArchitecture() override { return platform::arch::Amd64; }
        std::string addinFolder() override { return "C:\\Corvane"; }
        platform::AddinVersion addinVersion() override { return {2, 0, 58}; }
    };

    SendChecksTest() {
        sim::OutlookOptions options;
        options.files = &files;
        options.quitWhenLastWindowCloses = false;
        app = sim::SimApplication::Create(clock, options);
        auto& book = app->profile()->addressBook();
        john = book.addExchangeUser({"John Smith", "jsmith", "john@kelderon.example", {"SMTP:john@kelderon.example"}, ""});
        ann = book.addSmtp("Ann Lee", "ann@example.com");
        bob = book.addSmtp("Bob Ray", "bob@example.org");
        team = book.addExchangeList({"Team", "team", "team@kelderon.example", {}, ""}, {john, ann, bob});
        friends = book.addPersonalList("Friends", {ann, bob});
        app->profile()->addStore({"Mailbox - John Smith", mapi::storekind::PrimaryExchangeMailbox, john, true});
        app->profile()->setCurrentUser(john);
        access = std::make_shared<access::ComponentFactory>(std::make_shared<sim::SimMapiSubsystem>(app));
        process = std::make_unique<addin::AddinProcess>(host, nullptr, access);
        process->gOutlook = app;
    }
    // Every scripted prompt came, and nothing else did.
    void TearDown() override { EXPECT_NO_THROW(ui.finish()) << ui.transcriptText(); }

    // A message being written, not sent yet.
    std::shared_ptr<sim::SimMailItem> draft(std::vector<sim::RecipientSpec> to, std::vector<sim::RecipientSpec> cc = {},
                                            std::vector<sim::RecipientSpec> bcc = {}) {
        sim::ItemSpec spec;
        spec.subject = "Hello";
        spec.sent = false;
        spec.to = std::move(to);
        spec.cc = std::move(cc);
        spec.bcc = std::move(bcc);
        return app->profile()->defaultFolder(ol::olfolder::Drafts)->addMail(spec);
    }
    void set(std::string_view key, std::string_view value) { settings::SettingStore(registry).SaveSetting(key, value); }
    std::string setting(std::string_view key) { return settings::SettingStore(registry).GetSetting(key, "<missing>"); }

    // The confirmation box, answered Yes or No.
    void expectConfirmation(const std::string& question, int answer) {
        auto step = boxStep("Confirm Email Send - Corvane",
                            question +
                                "\r\n\r\n(If you do not wish to see this message please go to the Corvane settings "
                                "screen and click Send-Confirm)",
                            platform::mb::InformationYesNo);
        step.answer = answer;
        ui.addStep(step);
    }
    // The question before delaying, and what the user does in it.
    void expectDelayPrompt(std::vector<sim::FormAction> actions) {
        ui.addStep(formStep("frmNotifyB4Delay", std::move(actions)));
    }
    // What the last delay question said is delayed.
    std::string delayStatus() const {
        const std::string label = "label lblDelayStatus \"";
        const std::string text = ui.transcriptText();
        const auto at = text.rfind(label);
        if (at == std::string::npos) return "<no question>";
        const auto from = at + label.size();
        return text.substr(from, text.find('"', from) - from);
    }

    platform::FixedClock clock{platform::DateTime::fromCivil(2026, 3, 2, 9, 30)};
    MemoryFileSystem files;
    sim::SimRegistry registry;
    sim::ScriptedUi ui;
    StubShell shell;
    StubHttp http;
    StubSystem system;
    platform::Host host{registry, ui, shell, http, system, clock, files};
    std::shared_ptr<sim::SimApplication> app;
    std::shared_ptr<sim::SimAddressEntry> john, ann, bob, team, friends;
    std::shared_ptr<access::ComponentFactory> access;
    std::unique_ptr<addin::AddinProcess> process;
};

}  // namespace corvane::testing
