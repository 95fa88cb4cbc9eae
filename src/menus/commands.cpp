// The six commands of the ribbon and the menu.
#include "corvane/core/addin_process.h"
#include "corvane/menus/menus.h"
#include "corvane/platform/conventions.h"
#include "corvane/support/frmAbout.h"
#include "corvane/support/help.h"
#include "corvane/support/support_mail.h"

namespace corvane::menus {

void Menus::CommandQuenlowList(core::AddinProcess& p) {
    const std::string major = core::OutlookMajorVersion(p);
    if (major == "9" || major == "10") {
        platform::ShowMessageBox(p.host.ui, "Account Vane is only supported in Outlook 2003 and above.",
                                 platform::mb::InformationOk, platform::MessageTitle("Account Vane", p.appTitle));
        return;
    }
    if (auto list = targets_.prefAccount.lock()) list->ShowEmailAddress(p);
}

void Menus::CommandSettings(core::AddinProcess& p) {
    if (auto wizard = targets_.wizard.lock()) wizard->ShowSettings(p);
}

void Menus::CommandCheckForUpdates(core::AddinProcess& p) {
    if (auto update = targets_.updateCheck.lock()) update->CommandCheckForUpdates(p);
}

void Menus::CommandContactSupport(core::AddinProcess& p) { support::ComposeSupportMail(p); }

void Menus::CommandHelp(core::AddinProcess& p) { support::ShowHelpTopic(p, support::topic::Introduction); }

void Menus::CommandAbout(core::AddinProcess& p) {
    support::frmAbout form(p);
    form.show(p.host.ui);
    form.unload();
}

}  // namespace corvane::menus
