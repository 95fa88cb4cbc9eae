#pragma once
// The add-in on a simulated Outlook: one Exchange mailbox with two accounts, an in-memory
// the simulated host around it, and a recorder in place of every subsystem but the
// response checks.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "corvane/addin/connect.h"
#include "corvane/addin/subsystems.h"
#include "corvane/checks/entry_points.h"
#include "corvane/platform/clock.h"
#include "corvane/platform/host.h"
#include "corvane/settings/setting_keys.h"
#include "corvane/sim/application.h"
#include "corvane/sim/explorer.h"
#include "corvane/sim/folder.h"
#include "corvane/sim/inspector.h"
#include "corvane/sim/item_types.h"
#include "corvane/sim/name_space.h"
#include "corvane/simhost/sim_host.h"

namespace corvane::addin::testing {

namespace ol = outlook;

// A list object that records what is asked of it.
class FakeSendAcct final : public core::SendAcct {
public:
    explicit FakeSendAcct(std::vector<std::string>& log) : log_(log) {}
    void CreateQuenlowFolder() override { log_.push_back("CreateQuenlowFolder"); }
    std::string strMailFolderPath() override { return path; }
    void strMailFolderPath(const std::string& p) override { path = p; }
    bool LoadList() override {
        log_.push_back("LoadList");
        return loads;
    }
    std::string LoadAccounts() override {
        log_.push_back("LoadAccounts");
        return "No Account Selected;";
    }
    std::string strChangeAcct() override { return change; }
    void strChangeAcct(const std::string& v) override { change = v; }
    std::string GetSelectedMailAccount(const std::shared_ptr<ol::Item>&) override { return selected; }
    std::string GetAccountInUse() override { return inUse; }
    bool PrefAcctExists(const std::string& a) override { return a != goneAccount; }
    bool SendUsingPrefAccount(const std::shared_ptr<ol::Item>&, const std::string& a) override {
        log_.push_back("SendUsingPrefAccount " + a);
        return true;
    }
    // The record cursor is the dialogs' business, which the recorder stands in for.
    bool Edit() override { return false; }
    bool Update() override { return false; }
    bool Delete() override { return false; }
    void AddNew() override {}
    bool Find(const std::string&) override { return false; }
    long count() override { return 0; }
    std::string strAccount() override { return {}; }
    void strAccount(const std::string&) override {}
    std::string strEmailAddress() override { return {}; }
    void strEmailAddress(const std::string&) override {}
    std::string ErrorReport() override { return {}; }
    void ErrorReport(const std::string&) override {}
    std::string AbsolutePosition() override { return {}; }
    void AbsolutePosition(const std::string&) override {}

    std::string path;
    bool loads = true;
    std::string change;
    std::string selected;
    std::string inUse = "Kelderon";
    std::string goneAccount = "<none>";

private:
    std::vector<std::string>& log_;
};

// Every subsystem the add-in proper calls, except the response checks: each call is
// logged ("name arg...") and answered from the fields.
class Recorder : public accounts::MailFolder,
                 public accounts::Resolution,
                 public accounts::PreferredAccount,
                 public checks::MessageWindowChecks,
                 public checks::SendEventChecks,
                 public menus::Menus,
                 public settingsfile::SettingsFile,
                 public wizard::Wizard,
                 public update::UpdateCheck,
                 public wordmail::WordTemplate,
                 public std::enable_shared_from_this<Recorder> {
public:
    // The add-in's subsystems with this recorder in every place but the response checks.
    Subsystems subsystems();

    std::shared_ptr<core::SendAcct> NewSendAcct(core::AddinProcess&) override {
        log.push_back("NewSendAcct");
        auto list = std::make_shared<FakeSendAcct>(log);
        list->loads = listLoads;
        lastList = list;
        return list;
    }
    void LoadSettingsFile(core::AddinProcess&) override { log.push_back("LoadSettingsFile"); }
    bool MoveCorvaneDataFolder(core::AddinProcess&, const std::shared_ptr<ol::Folder>& old) override;
    void ShowStartupWizard(core::AddinProcess&, const std::optional<resources::ResourceBitmap>&) override {
        log.push_back("ShowStartupWizard");
    }
    void ShowConfirmCheckUpdate(core::AddinProcess&) override { log.push_back("ShowConfirmCheckUpdate"); }
    void SendTo_RemoveExplMenu(core::AddinProcess& p, const std::vector<std::shared_ptr<ol::Explorer>>&,
                               const std::string& name) override {
        log.push_back("SendTo_RemoveExplMenu " + name);
        wrappersAtMenuRemoval = static_cast<Process&>(p).explorerWrappers().Count();
    }
    std::shared_ptr<menus::ExplorerButtons> BuildExplorerMenu(core::AddinProcess&,
                                                              const std::shared_ptr<ol::Explorer>&) override {
        log.push_back("BuildExplorerMenu");
        return nullptr;
    }
    bool EntryIdFails(core::AddinProcess&, const std::shared_ptr<ol::Item>&) override { return entryIdFails; }
    void ResetMapiUtils(core::AddinProcess&) override { log.push_back("ResetMapiUtils"); }
    void LoadAddin(core::AddinProcess&, const std::shared_ptr<ol::Inspector>&, const std::string& t) override {
        log.push_back("LoadAddin " + t);
    }
    void TemplateMarkSaved(core::AddinProcess&, const std::shared_ptr<ol::Inspector>&, const std::string& t) override {
        log.push_back("TemplateMarkSaved " + t);
    }
    bool IsOutlook2002LateBuild(core::AddinProcess&) override { return lateBuild; }
    void cvEmptySubjectCheck(core::AddinProcess&, const std::shared_ptr<ol::Item>&, bool&) override {
        log.push_back("cvEmptySubjectCheck");
    }
    void cvAttachMissingCheck(core::AddinProcess&, const std::shared_ptr<ol::Item>&, bool&) override {
        log.push_back("cvAttachMissingCheck");
    }
    checks::Confirmation ConfirmSend(core::AddinProcess&, const std::shared_ptr<ol::Item>&) override {
        log.push_back("ConfirmSend");
        if (failIn == "ConfirmSend") throw platform::PlatformError(13, "Type mismatch");
        return checks::Confirmation::NotAsked;
    }
    void cvDelayEmailSending(core::AddinProcess&, const std::shared_ptr<ol::Item>&, bool&) override {
        log.push_back("cvDelayEmailSending");
    }
    bool IsFirstRecipientListed(core::AddinProcess&, const std::shared_ptr<ol::Item>&, std::string& address) override {
        log.push_back("IsFirstRecipientListed");
        if (failIn == "IsFirstRecipientListed") throw platform::PlatformError(91, "Object variable not set");
        address = firstAddress;
        return listed;
    }
    std::string PrefAccountFor(core::AddinProcess&, const std::string&) override { return prefAccount; }
    int OrderedAccountsCount(core::AddinProcess&) override { return accountCount; }
    std::string PrefAcctMissingMessage(core::AddinProcess&, const std::string& a, const std::string&) override {
        return "gone " + a;
    }
    std::string ShowSelectSendAcct(core::AddinProcess&, const std::string& cur, const std::string& pref,
                                   const std::string&) override {
        log.push_back("ShowSelectSendAcct " + cur + "/" + pref);
        return selectAnswer;
    }
    void ShowAddEmailToList(core::AddinProcess& p, const std::string& address, const std::string& account) override {
        log.push_back("ShowAddEmailToList " + address + "/" + account);
        answerEditDialog(p);
    }
    void ShowEmailAddressEdit(core::AddinProcess& p, const std::string& account, const std::string& message,
                              const std::string&) override {
        log.push_back("ShowEmailAddressEdit " + account + "/" + message);
        answerEditDialog(p);
    }
    // What the address edit dialog hands back: Cancel, or an address stored with a new account.
    void answerEditDialog(core::AddinProcess& p) {
        if (dialogCancels) p.gCancelSend = true;
        if (!dialogStores.empty()) {
            prefAccount = dialogStores;
            p.gSendAcct->strChangeAcct("CHANGE");
            p.gPrefAcctMode = 0;
        }
    }

    std::vector<std::string> log;
    std::shared_ptr<FakeSendAcct> lastList;
    bool listLoads = true;
    bool moveWorks = true;
    bool entryIdFails = false;
    bool lateBuild = false;
    std::string failIn;
    bool listed = true;
    std::string firstAddress = "ann@example.com";
    std::string prefAccount = "Home";
    int accountCount = 2;
    std::string selectAnswer;
    int wrappersAtMenuRemoval = -1;
    bool dialogCancels = false;
    std::string dialogStores;

    int count(const std::string& entry) const { return static_cast<int>(std::count(log.begin(), log.end(), entry)); }
};

struct OutlookSetup {
    std::string version = "11.0.0.8010";
    bool wordEditor = false;
};

class AddinTest : public ::testing::Test {
protected:
    explicit AddinTest(OutlookSetup setup = {});
    // Outlook ends: the add-in is disconnected, as Outlook does when it quits.
    ~AddinTest() override;

    // Outlook loads the add-in now (after any windows the test opened).
    void connectAddin();
    void disconnectAddin(int removeMode = ol::extdisconnect::HostShutdown);

    std::shared_ptr<sim::SimFolder> inbox() const;
    std::shared_ptr<sim::SimMailItem> received(const std::string& subject = "Plans");
    std::shared_ptr<sim::SimExplorer> openExplorer() { return app->openExplorer(inbox()); }
    std::string setting(std::string_view key);
    void setSetting(std::string_view key, std::string_view value);
    void removeSetting(std::string_view key);
    int explorerWrappers() const { return process->gcolExplWrap ? process->gcolExplWrap->Count() : 0; }
    int inspectorWrappers() const { return process->gcolInspWrap ? process->gcolInspWrap->Count() : 0; }
    // The add-in's folder as the add-in sees it.
    std::string addinFile(std::string_view name) const {
        return std::string(simhost::AddinFolder) + "\\" + std::string(name);
    }

    std::unique_ptr<simhost::SimHost> sim = simhost::SimHost::Temporary(
        platform::DateTime::fromCivil(2026, 3, 2, 9, 30));
    platform::FixedClock& clock = sim->clock();
    simhost::FileRegistry& registry = sim->registry();
    simhost::ScriptedUi& ui = sim->ui();
    std::shared_ptr<sim::SimApplication> app;
    std::shared_ptr<sim::SimAddressEntry> me, carol, ann, bob, team;
    std::shared_ptr<Recorder> hooks = std::make_shared<Recorder>();
    std::shared_ptr<Process> process;
    std::shared_ptr<Connect> connect;
};

}  // namespace corvane::addin::testing
