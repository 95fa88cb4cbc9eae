#pragma once
// The send checks of basCorvane on a simulated Outlook without the add-in connected: one
// mailbox, Ann as correspondent, the settings in a simulated registry, Tags.txt in a
// memory file system, and a scripted Ui that each test fills and finishes.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "corvane/core/addin_process.h"
#include "corvane/platform/host.h"
#include "corvane/settings/setting_store.h"
#include "corvane/sim/application.h"
#include "corvane/sim/folder.h"
#include "corvane/sim/item_types.h"
#include "corvane/sim/name_space.h"
#include "corvane/simhost/registry.h"
#include "corvane/simhost/sim_ui.h"
#include "dialog_test_support.h"
#include "support/memory_file_system.h"

namespace corvane::testing {

inline constexpr const char* kTagsPath = "C:\\Program Files\\Corvane\\Tags.txt";

class CheckHostStubs final : public platform::Shell, public platform::Http, public platform::SystemInfo {
public:
    void openAddress(std::string_view) override {}
    void openHelp(std::string_view, std::string_view) override {}
    platform::HttpResponse get(std::string_view, std::chrono::milliseconds) override { return {}; }
    platform::WindowsVersion windowsVersion() override { return {}; }
    std::uint16_t nativeArchitecture() override { return platform::arch::Amd64; }
    std::string addinFolder() override { return "C:\\Program Files\\Corvane"; }
    platform::AddinVersion addinVersion() override { return {2, 0, 58}; }
};

class SubjectCheckTest : public ::testing::Test {
protected:
    SubjectCheckTest() {
        sim::OutlookOptions options;
        options.files = &files;
        app = sim::SimApplication::Create(clock, options);
        auto profile = app->profile();
        me = profile->addressBook().addSmtp("John Smith", "john@kelderon.example");
        ann = profile->addressBook().addSmtp("Ann Lee", "ann@example.com");
        profile->addStore({"Mailbox - John Smith", mapi::storekind::PrimaryExchangeMailbox, me, true});
        profile->setCurrentUser(me);
        process.gOutlook = app;
    }

    // A message from Ann received at that time.
    std::shared_ptr<sim::SimMailItem> receivedAt(platform::DateTime when, std::string subject = "Plans",
                                                 std::string body = "Let us meet.") {
        sim::ItemSpec spec;
        spec.subject = std::move(subject);
        spec.body = std::move(body);
        spec.from = ann;
        spec.to = {me};
        spec.received = when;
        return folder(outlook::olfolder::Inbox)->addMail(spec);
    }
    // A message being written to Ann.
    std::shared_ptr<sim::SimMailItem> draft(std::string subject, std::string body = "",
                                            std::vector<sim::AttachmentSpec> attachments = {}) {
        sim::ItemSpec spec;
        spec.subject = std::move(subject);
        spec.body = std::move(body);
        spec.sent = false;
        spec.to = {ann};
        spec.attachments = std::move(attachments);
        return folder(outlook::olfolder::Drafts)->addMail(spec);
    }
    std::shared_ptr<sim::SimFolder> folder(int type) const { return app->profile()->defaultFolder(type); }

    void set(std::string_view key, std::string_view value) { settings::SettingStore(registry).SaveSetting(key, value); }
    std::string setting(std::string_view key) { return settings::SettingStore(registry).GetSetting(key, "<missing>"); }

    void expectForm(std::string form, std::vector<simhost::FormAction> actions) {
        ui.addStep(formStep(std::move(form), std::move(actions)));
    }
    void expectBox(std::string title, std::string text, int buttons, int answer = platform::mb::IdOk) {
        auto step = boxStep(std::move(title), std::move(text), buttons);
        step.answer = answer;
        ui.addStep(step);
    }
    // Every scripted prompt came, in order, and nothing else.
    void TearDown() override { EXPECT_NO_THROW(ui.finish()); }

    platform::FixedClock clock{platform::DateTime::fromCivil(2026, 3, 2, 9, 30)};
    MemoryFileSystem files;
    simhost::SimRegistry registry;
    simhost::ScriptedUi ui;
    CheckHostStubs stubs;
    platform::Host host{registry, ui, stubs, stubs, stubs, clock, files};
    std::shared_ptr<sim::SimApplication> app;
    std::shared_ptr<sim::SimAddressEntry> me, ann;
    core::AddinProcess process{host};
};

}  // namespace corvane::testing
