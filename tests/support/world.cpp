#include "support/world.h"

#include "corvane/access/factory.h"
#include "corvane/profile/mailbox.h"
#include "corvane/profile/profile_build.h"
#include "corvane/profile/profile_file.h"
#include "corvane/settings/setting_store.h"
#include "corvane/sim/address_book.h"
#include "corvane/sim/folder.h"
#include "corvane/sim/item_types.h"
#include "corvane/sim/name_space.h"

namespace corvane::testing {

profile::Profile ReadProfile(std::string_view yaml) {
    const auto documents = profile::LoadYamlDocuments(std::string(yaml), "profile.yaml");
    return profile::ParseProfile(profile::YamlInput("profile.yaml"),
                                 documents.empty() ? YAML::Node(YAML::NodeType::Map) : documents.front());
}

World::World(std::string_view profileYaml, OutlookSetup outlook)
    : World(ReadProfile(profileYaml), std::move(outlook)) {}

World::World(const profile::Profile& profile, OutlookSetup outlook) : host_(simhost::SimHost::Temporary(outlook.now)) {
    profile::ApplyProfile(profile, *host_);
    sim::OutlookOptions options;
    options.version = outlook.version;
    options.wordEditor = outlook.wordEditor;
    options.files = &host_->files();
    app = sim::SimApplication::Create(host_->clock(), options);
    profile::BuildMailbox(profile, *app);
}

World::~World() {
    // A connected add-in holds Outlook until it is disconnected; quitting ends that.
    if (app && app->running()) {
        try {
            app->quit();
        } catch (...) {
        }
    }
}

std::shared_ptr<sim::SimAddressEntry> World::entry(std::string_view ref) const {
    std::string problem;
    auto found = profile::FindEntry(app->profile()->addressBook(), ref, problem);
    EXPECT_TRUE(found) << problem;
    return found;
}

std::shared_ptr<sim::SimFolder> World::folder(int defaultFolder) const {
    return app->profile()->defaultFolder(defaultFolder);
}

std::shared_ptr<sim::SimMailItem> World::draft(sim::ItemSpec spec) const {
    spec.sent = false;
    return folder(outlook::olfolder::Drafts)->addMail(spec);
}

std::shared_ptr<sim::SimMailItem> World::received(sim::ItemSpec spec) const {
    if (!spec.received) spec.received = host_->clock().now().addSeconds(-3600);
    return folder(outlook::olfolder::Inbox)->addMail(spec);
}

std::string World::addinFile(std::string_view name) {
    return std::string(simhost::AddinFolder) + "\\" + std::string(name);
}

void World::makeUnreadable(std::string_view path) {
    if (host_->files().fileExists(path)) host_->files().removeFile(path);
    std::filesystem::create_directories(*host_->files().realPath(path));
}

void World::set(std::string_view key, std::string_view value) {
    settings::SettingStore(host_->registry()).SaveSetting(key, value);
}

std::string World::setting(std::string_view key) {
    return settings::SettingStore(host_->registry()).GetSetting(key, "<missing>");
}

void World::expectBox(std::string title, std::string text, int buttons, int answer) {
    host_->ui().addStep(simhost::MessageBoxStep{std::move(title), std::move(text), std::nullopt, buttons, answer});
}

void World::expectBoxContaining(std::string title, std::string textPart, int buttons, int answer) {
    host_->ui().addStep(simhost::MessageBoxStep{std::move(title), std::nullopt, std::move(textPart), buttons, answer});
}

void World::expectForm(std::string form, std::vector<simhost::FormAction> actions) {
    host_->ui().addStep(simhost::FormStep{std::move(form), {}, std::move(actions)});
}

core::AddinProcess& World::process() {
    if (!process_) {
        process_ = std::make_shared<core::AddinProcess>(host_->host(), std::make_shared<access::ComponentFactory>(
                                                                           app->mapiSubsystem()));
        process_->gOutlook = app;
    }
    return *process_;
}

void WorldTest::TearDown() { EXPECT_NO_THROW(ui().finish()) << transcript(); }

}  // namespace corvane::testing
