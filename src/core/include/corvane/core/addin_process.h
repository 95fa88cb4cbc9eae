#pragma once
// Everything the add-in keeps per Outlook process (and, for the code that runs inside
// Word, per Word process). Connect objects created in one process share one AddinProcess;
// every procedure reaches the state through it.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "corvane/access/factory.h"
#include "corvane/core/send_acct.h"
#include "corvane/outlook/fwd.h"
#include "corvane/platform/host.h"
#include "corvane/resources/cls_resource.h"
#include "corvane/settings/modRegKeys.h"
#include "corvane/settings/setting_store.h"

namespace corvane::outlook {
class RibbonUI;
}

namespace corvane::core {

// The vendor texts of the resource library.
struct BrandStrings {
    std::string noticeLine;    // 524, the About box's notice line
    std::string orderPage;     // 512
    std::string homePage;      // 511
    std::string supportEmail;  // 513
    std::string downloadPage;  // 514
};

// What the settings file reader keeps between lines while it reads.
struct SettingsFileReaderState {
    std::string settingsId;
    bool inLockSection = false;
    std::string lockItems;
};

struct AddinProcess {
    explicit AddinProcess(const platform::Host& host, std::shared_ptr<access::ComponentFactory> access = nullptr);
    AddinProcess(const AddinProcess&) = delete;
    AddinProcess& operator=(const AddinProcess&) = delete;
    ~AddinProcess();

    platform::Host host;  // the seams, each a reference to the host's own object
    // The secure mail access component's classes ("cvRedemption..."), created per use.
    std::shared_ptr<access::ComponentFactory> access;  // never null
    // "Outlook.Application" obtained through COM on the local machine: the running
    // Outlook, or nullptr when there is none.
    std::function<std::shared_ptr<outlook::Application>()> runningOutlook;
    // The user's account addresses joined by ";": what EmailList reads while it was never
    // stored, and what start-up stores there. The reply checks fill it in; "" until then.
    std::function<std::string(AddinProcess&)> cvAccountsEmailAddress = [](AddinProcess&) { return std::string(); };

    std::shared_ptr<outlook::Application> gOutlook;
    std::unique_ptr<resources::clsResource> gResource;
    std::shared_ptr<SendAcct> gSendAcct;
    std::string gProgId;
    bool gIsGoogleApps = false;
    bool gStartingUp = false;
    bool gCancelSend = false;
    std::int16_t gPrefAcctMode = 0;

    BrandStrings brand;
    std::string appTitle = "Corvane";  // resource 515
    std::string helpFile;              // the add-in folder + "\Corvane.chm"
    std::string DataFolderPath;        // path text of the settings mail folder

    bool gblnReplyReplacing = false;
    bool delayDecision = true;  // the delay prompt's answer
    SettingsFileReaderState settingsFile;
    std::shared_ptr<outlook::RibbonUI> gobjRibbon;
    std::shared_ptr<void> gAutoUpdate;  // the update check's object while it lives

    // Outlook's Version as read from the Outlook it was read from (see OutlookVersion).
    std::weak_ptr<outlook::Application> versionReadFrom;
    std::string versionRead;

    // The per-user settings, read at each use.
    settings::SettingStore store() const { return settings::SettingStore(host.registry); }
    settings::modRegKeys regKeys();
};

// Outlook's Version ("15.0.0.4420"), read once from each Outlook the add-in holds in
// gOutlook: it does not change while Outlook runs, and each read is a call into Outlook.
// Fails as gOutlook does when it is Nothing.
const std::string& OutlookVersion(AddinProcess& process);
// The text of Outlook's Version before the first "." ("9", "10", ... "15").
std::string OutlookMajorVersion(AddinProcess& process);
// The same as a number, for comparisons with a bound; 0 when it is not a number.
int OutlookMajorVersionNumber(AddinProcess& process);

// gOutlook, obtained from the running Outlook first when it is not set. Fails with error
// 429 when no Outlook runs.
const std::shared_ptr<outlook::Application>& EnsureOutlook(AddinProcess& process);

// True when no message window can be activated: asking the active Inspector to activate
// itself fails.
bool NoActiveInspector(AddinProcess& process);

}  // namespace corvane::core
