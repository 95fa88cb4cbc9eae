// Start-up: what Connect does when Outlook connects the add-in.
#include "corvane/addin/connect.h"
#include "corvane/addin/window_registry.h"
#include "corvane/core/google_apps.h"
#include "corvane/core/short_date.h"
#include "corvane/core/vb_errors.h"
#include "corvane/outlook/folders.h"
#include "corvane/outlook/items.h"
#include "corvane/platform/conventions.h"
#include "corvane/resources/resource_defaults.h"
#include "corvane/settings/basPreInitializeSetup.h"
#include "corvane/settings/bln_move_cv.h"
#include "corvane/settings/setting_keys.h"
#include "corvane/text/text.h"

namespace corvane::addin {
namespace {

using platform::IgnoreErrors;
namespace rid = resources::resource_id;

constexpr const char* OldDataParent = "Brackenfold Settings";
constexpr const char* OldDataFolder = "Corvane";
constexpr const char* ListSubject = "Email Address";

// Start-up steps that ignore their errors until a folder move has been announced; from
// then on an error ends the connection.
class Steps {
public:
    template <class Step>
    void run(Step&& step) {
        if (ignoring_)
            IgnoreErrors(step);
        else
            step();
    }
    void stopIgnoring() { ignoring_ = false; }
    bool ignoring() const { return ignoring_; }

private:
    bool ignoring_ = true;
};

std::shared_ptr<outlook::Folder> AsFolder(const std::shared_ptr<outlook::Object>& o) {
    return core::vb::Need(std::dynamic_pointer_cast<outlook::Folder>(o));
}

// The root of the default store: the parent of the Inbox.
std::shared_ptr<outlook::Folder> MailboxRoot(Process& p) {
    auto inbox = core::vb::Need(
        core::vb::Need(p.gOutlook)->GetNamespace("MAPI")->GetDefaultFolder(outlook::olfolder::Inbox));
    return AsFolder(inbox->Parent());
}

std::string ResourceText(Process& p, int id) { return resources::LoadResourceString(*p.gResource, id); }

}  // namespace

void Connect::AddinInstance_OnConnection(const std::shared_ptr<outlook::Application>& Application, int,
                                         const std::shared_ptr<outlook::AddInInstance>& AddInInst) {
    auto self = shared_from_this();
    auto& p = *process_;
    applicationObject_ = Application;
    addInInstance_ = AddInInst;
    p.gStartingUp = true;

    const std::string folder = p.host.system.addinFolder();
    std::string resourcePath = folder;
    if (resourcePath.empty() || resourcePath.back() != '\\') resourcePath += '\\';
    resourcePath += "Resource.dll";
    p.gResource = std::make_unique<resources::clsResource>(p.host.files);
    p.gResource->LibraryFilePath(resourcePath);
    p.brand.noticeLine = ResourceText(p, rid::NoticeLine);
    p.brand.orderPage = ResourceText(p, rid::OrderPage);
    p.brand.homePage = ResourceText(p, rid::HomePage);
    p.brand.supportEmail = ResourceText(p, rid::SupportAddress);
    p.brand.downloadPage = ResourceText(p, rid::DownloadPage);
    p.appTitle = ResourceText(p, rid::ApplicationTitle);

    p.helpFile = folder + "\\Corvane.chm";

    settings::InitializeSetup(p.host.registry, p.host.ui, p.appTitle);
    p.subsystems.settingsFile->LoadSettingsFile(p);

    startWithOutlook();
}

void Connect::startWithOutlook() {
    auto& p = *process_;
    Steps steps;
    int explorers = 0;
    int inspectors = 0;
    steps.run([&] { p.gOutlook = applicationObject_; });
    steps.run([&] { colExpl.set(core::vb::Need(p.gOutlook)->Explorers(), explorersSink_); });
    steps.run([&] { colInsp.set(core::vb::Need(p.gOutlook)->Inspectors(), inspectorsSink_); });
    steps.run([&] { explorers = core::vb::Need(colExpl.get())->Count(); });
    steps.run([&] { inspectors = core::vb::Need(colInsp.get())->Count(); });
    // Outlook driven by another program, without any window: nothing is set up.
    if (explorers == 0 && inspectors == 0) return;

    std::string progId;
    steps.run([&] { objExpl.set(colExpl->Item(1), explorerSink_); });
    steps.run([&] { progId = core::vb::Need(addInInstance_)->ProgId(); });
    steps.run([&] { outAddIn_ = OutAddIn::Create(p); });
    steps.run([&] { outAddIn_->Init(p.gOutlook, progId); });
    steps.run([&] { p.gProgId = progId; });
    steps.run([&] { p.gIsGoogleApps = core::IsGoogleAppsProfile(p); });

    if (explorers >= 1) {
        steps.run([&] { registerOpenExplorers(); });
        bool announced = false;
        steps.run([&] { announced = moveOldDataFolder(); });
        if (announced) steps.stopIgnoring();
        steps.run([&] { createSendAcct(steps.ignoring()); });
        steps.run([&] { firstRunWizard(); });
    } else {
        // Without a main window the list object is still made, so that sending from a
        // message window finds it.
        steps.run([&] { createSendAcct(); });
    }
    steps.run([&] {
        auto keys = p.regKeys();
        if (keys.UseOutlookSettings()) keys.EmailList(p.cvAccountsEmailAddress(p));
    });
    steps.run([&] { updateReminder(); });
    p.gStartingUp = false;
}

void Connect::registerOpenExplorers() {
    auto& p = *process_;
    const int count = core::vb::Need(colExpl.get())->Count();
    for (int i = 1; i <= count; ++i) IgnoreErrors([&] { AddExpl(p, colExpl->Item(i)); });
}

// The one-time move of the settings mail folder from "Brackenfold Settings\Corvane".
// True when the user was told about a move.
bool Connect::moveOldDataFolder() {
    auto& p = *process_;
    const auto store = p.store();
    if (settings::blnMoveCV(store)) return false;

    std::shared_ptr<outlook::Folder> oldParent;
    std::shared_ptr<outlook::Folder> oldFolder;
    if (!IgnoreErrors([&] {
            oldParent = core::vb::Need(MailboxRoot(p)->Folders()->Item(OldDataParent));
            oldFolder = core::vb::Need(oldParent->Folders()->Item(OldDataFolder));
        }))
        return false;  // tried again at the next start

    bool hasList = false;
    auto items = oldFolder->Items();
    const int count = items->Count();
    for (int i = 1; i <= count && !hasList; ++i)
        hasList = text::equalsNoCase(text::trim(core::vb::Need(items->Item(i))->Subject()), ListSubject);
    if (!hasList) {
        store.SaveSetting(settings::keys::blnMoveCV, "1");
        return false;
    }

    bool moved = false;
    IgnoreErrors([&] { moved = p.subsystems.mailFolder->MoveCorvaneDataFolder(p, oldFolder); });
    store.SaveSetting(settings::keys::blnMoveCV, "1");
    if (!moved) return false;

    const std::string& title = p.appTitle;
    platform::ShowMessageBox(
        p.host.ui,
        "We have made a small change on how " + title +
            " saves its data. This will make no difference to the way you use " + title +
            ".\r\n\r\nYour settings have been now moved from the 'Brackenfold Settings\\Corvane' email folder to the "
            "'Kelderon Settings\\" +
            title + "' email folder.\r\nThis message will not be displayed again.",
        platform::mb::InformationOk, "Move " + title + " Settings - " + title);

    IgnoreErrors([&] {
        if (oldParent->Folders()->Count() == 0 && oldParent->Items()->Count() == 0) oldParent->Delete();
    });
    return true;
}

void Connect::createSendAcct(bool skipErrors) {
    auto& p = *process_;
    Steps steps;
    if (!skipErrors) steps.stopIgnoring();
    steps.run([&] { p.gSendAcct = p.subsystems.mailFolder->NewSendAcct(p); });
    steps.run([&] { core::vb::Need(p.gSendAcct)->CreateQuenlowFolder(); });
    steps.run([&] {
        auto parent = core::vb::Need(MailboxRoot(p)->Folders()->Item(ResourceText(p, rid::DataParentFolder)));
        auto folder = core::vb::Need(parent->Folders()->Item(ResourceText(p, rid::DataFolder)));
        p.DataFolderPath = p.subsystems.mailFolder->FolderPathText(p, folder);
    });
    steps.run([&] { core::vb::Need(p.gSendAcct)->strMailFolderPath(p.DataFolderPath); });
    steps.run([&] { core::vb::Need(p.gSendAcct)->LoadList(); });
}

void Connect::firstRunWizard() {
    auto& p = *process_;
    const std::string shown = p.store().GetSetting(settings::keys::ShowStartupWizard);
    // Only the exact "True" (or nothing) brings the wizard up.
    if (!shown.empty() && shown != "True") return;
    p.subsystems.wizard->ShowStartupWizard(p, p.gResource->DLL_LoadBitmap(rid::WizardPicture));
    p.store().SaveSetting(settings::keys::ShowStartupWizard, "False");
}

void Connect::updateReminder() {
    auto& p = *process_;
    const std::string last = text::trim(p.store().GetSetting(settings::keys::LastCheckUpdateDate));
    if (last == settings::DoNotCheckMarker) return;
    const platform::DateTime now = p.host.clock.now();
    if (const auto date = core::ReadDateText(p.host.system, last)) {
        if (platform::calendarDaysBetween(*date, now) >= 1) p.subsystems.updateCheck->ShowConfirmCheckUpdate(p);
        return;
    }
    // The first start stores yesterday, so that the next start asks.
    p.store().SaveSetting(settings::keys::LastCheckUpdateDate,
                          core::ShortDateText(p.host.system, now.dateOnly().addDays(-1)));
}

}  // namespace corvane::addin
