#include "addin_fixture.h"

#include "corvane/outlook/folders.h"
#include "corvane/settings/setting_store.h"

namespace corvane::addin::testing {

bool RecordingHooks::MoveCorvaneDataFolder(core::AddinProcess&, const std::shared_ptr<ol::Folder>& old) {
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

AddinTest::AddinTest(OutlookSetup setup) {
    sim::OutlookOptions options;
    options.version = setup.version;
    options.wordEditor = setup.wordEditor;
    options.files = &files;
    options.quitWhenLastWindowCloses = false;
    app = sim::SimApplication::Create(clock, options);
    auto profile = app->profile();
    auto& book = profile->addressBook();
    me = book.addExchangeUser({"John Smith", "jsmith", "john@kelderon.example", {"SMTP:john@kelderon.example"}, ""});
    carol = book.addExchangeUser({"Carol Diaz", "cdiaz", "carol@kelderon.example", {}, ""});
    ann = book.addSmtp("Ann Lee", "ann@example.com");
    bob = book.addSmtp("Bob Ray", "bob@example.org");
    team = book.addExchangeList({"Team", "team", "team@kelderon.example", {}, ""}, {carol, me});
    profile->addStore({"Mailbox - John Smith", mapi::storekind::PrimaryExchangeMailbox, me, true});
    profile->setCurrentUser(me);
    profile->addAccount({"Kelderon", "john@kelderon.example", ol::olaccount::Exchange, "John Smith"});
    profile->addAccount({"Home", "john@home.example", ol::olaccount::Pop3, "John at home"});

    process = std::make_shared<core::AddinProcess>(host, hooks);
    process->runningOutlook = [a = std::weak_ptr<sim::SimApplication>(app)] { return a.lock(); };
    connect = Connect::Create(process);
    app->registerClass(ConnectProgId, [p = std::weak_ptr<core::AddinProcess>(process)] {
        return std::shared_ptr<ol::Dispatch>(Connect::Create(p.lock()));
    });
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

std::shared_ptr<sim::SimFolder> AddinTest::inbox() const {
    return app->profile()->defaultFolder(ol::olfolder::Inbox);
}

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
