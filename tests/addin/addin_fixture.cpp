#include "addin_fixture.h"

#include "corvane/outlook/folders.h"
#include "corvane/profile/mailbox.h"
#include "corvane/profile/profile_build.h"
#include "corvane/profile/profile_file.h"
#include "corvane/settings/setting_store.h"
#include "corvane/simaddin/addin_wiring.h"

namespace corvane::addin::testing {

bool Recorder::MoveCorvaneDataFolder(core::AddinProcess&, const std::shared_ptr<ol::Folder>& old) {
    log.push_back("MoveCorvaneDataFolder " + old->Name());
    if (!moveWorks) return false;
    auto root = std::dynamic_pointer_cast<ol::Folder>(std::dynamic_pointer_cast<ol::Folder>(old->Parent())->Parent());
    std::shared_ptr<ol::Folder> target;
    try {
        target = root->Folders()->Item("Kelderon Settings");
    } catch (const platform::PlatformError&) {
        target = root->Folders()->Add("Kelderon Settings", -1);
    }
    old->MoveTo(target);
    return true;
}

Subsystems Recorder::subsystems() {
    auto self = shared_from_this();
    Subsystems s;
    s.mailFolder = self;
    s.resolution = self;
    s.prefAccount = self;
    s.windowChecks = self;
    s.sendChecks = self;
    s.menus = self;
    s.settingsFile = self;
    s.wizard = self;
    s.updateCheck = self;
    s.wordTemplate = self;
    return s;
}

namespace {

// One Exchange mailbox with two accounts, written as scenarios write profiles.
constexpr const char* ProfileText = R"(
address_book:
  - {name: John Smith, type: EX, smtp: john@kelderon.example, alias: jsmith, proxies: ["SMTP:john@kelderon.example"]}
  - {name: Carol Diaz, type: EX, smtp: carol@kelderon.example, alias: cdiaz}
  - {name: Ann Lee, smtp: ann@example.com}
  - {name: Bob Ray, smtp: bob@example.org}
  - {name: Team, type: EX, smtp: team@kelderon.example, alias: team, members: [Carol Diaz, John Smith]}
user: john@kelderon.example
accounts:
  - {name: Kelderon, smtp: john@kelderon.example, type: exchange, user_name: John Smith}
  - {name: Home, smtp: john@home.example, type: pop3, user_name: John at home}
)";

std::shared_ptr<sim::SimAddressEntry> Entry(const sim::AddressBook& book, std::string_view name) {
    std::string problem;
    return profile::FindEntry(book, name, problem);
}

}  // namespace

AddinTest::AddinTest(OutlookSetup setup) {
    const profile::YamlInput in("addin_fixture profile");
    const profile::Profile prof = profile::ParseProfile(in, profile::LoadYamlDocuments(ProfileText, in.file()).at(0));
    profile::ApplyProfile(prof, *sim);
    sim::OutlookOptions options;
    options.version = setup.version;
    options.wordEditor = setup.wordEditor;
    options.files = &sim->files();
    options.quitWhenLastWindowCloses = false;
    app = sim::SimApplication::Create(clock, options);
    profile::BuildMailbox(prof, *app);
    const auto& book = app->profile()->addressBook();
    me = Entry(book, "John Smith");
    carol = Entry(book, "Carol Diaz");
    ann = Entry(book, "Ann Lee");
    bob = Entry(book, "Bob Ray");
    team = Entry(book, "Team");

    process = simaddin::RegisterAddin(*app, *sim, hooks->subsystems());
    connect = Connect::Create(process);
    // The first start is over: no wizard, no reminder unless a test asks for them.
    setSetting(settings::keys::ShowStartupWizard, "False");
    setSetting(settings::keys::LastCheckUpdateDate, "DoNotCheck");
    setSetting(settings::keys::blnMoveCV, "1");
}

AddinTest::~AddinTest() {
    if (app->isConnected(ConnectProgId)) disconnectAddin();
}

void AddinTest::connectAddin() { app->connectAddin(ConnectProgId, connect, ol::extconnect::Startup); }

void AddinTest::disconnectAddin(int removeMode) { app->disconnectAddin(ConnectProgId, removeMode); }

std::shared_ptr<sim::SimFolder> AddinTest::inbox() const { return app->profile()->defaultFolder(ol::olfolder::Inbox); }

std::shared_ptr<sim::SimMailItem> AddinTest::received(const std::string& subject) {
    sim::ItemSpec spec;
    spec.subject = subject;
    spec.body = "Let us meet.";
    spec.from = ann;
    spec.to = {me, carol};
    spec.cc = {bob};
    spec.received = clock.now().addSeconds(-3600);
    return inbox()->addMail(spec);
}

std::string AddinTest::setting(std::string_view key) {
    return settings::SettingStore(registry).GetSetting(key, "<missing>");
}

void AddinTest::setSetting(std::string_view key, std::string_view value) {
    settings::SettingStore(registry).SaveSetting(key, value);
}

void AddinTest::removeSetting(std::string_view key) {
    if (auto k = registry.openKey(platform::Hive::CurrentUser, settings::UserSettingsPath)) k->deleteValue(key);
}

}  // namespace corvane::addin::testing
