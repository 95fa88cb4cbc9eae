#include "corvane/update/update_check.h"

#include "corvane/settings/setting_keys.h"
#include "corvane/text/text.h"
#include "corvane/update/frmConfirmCheckUpdate.h"

namespace corvane::update {

void UpdateCheck::ShowConfirmCheckUpdate(core::AddinProcess& process) {
    frmConfirmCheckUpdate frm(process);
    frm.load();
    frm.show(process.host.ui);
    frm.unload();
}

void UpdateCheck::CommandCheckForUpdates(core::AddinProcess& process) { CheckForUpdatesCommand(process); }

void CheckForUpdatesCommand(core::AddinProcess& process) {
    process.host.ui.doEvents();
    frmConfirmCheckUpdate frm(process);
    frm.load();
    if (text::trim(process.store().GetSetting(settings::keys::LastCheckUpdateDate)) == settings::DoNotCheckMarker)
        frm.optNo.setValue(true);
    frm.show(process.host.ui);
    frm.unload();
}

}  // namespace corvane::update
