#include "corvane/wizard/wizard.h"

#include "corvane/core/addin_process.h"
#include "corvane/wizard/frmIntroWizard.h"

namespace corvane::wizard {

void Wizard::ShowStartupWizard(core::AddinProcess& p, const std::optional<resources::ResourceBitmap>& picture) {
    frmIntroWizard frm(p);
    frm.load();
    frm.ApplyFirstRunMode(picture);
    frm.show(p.host.ui);
    frm.unload();
}

void Wizard::ShowSettings(core::AddinProcess& p) {
    frmIntroWizard frm(p);
    frm.load();
    frm.ApplySettingsMode();
    frm.show(p.host.ui);
    frm.unload();
}

}  // namespace corvane::wizard
