#pragma once
// The unlock dialog: asks for the lock password before the lock editor opens again.
// "Temporary" lifts the locks until the wizard closes (the controls stay as they are, the
// lock editor opens without asking); "Permanently" clears Password after a question and
// unlocks every listed field, keeping LockFields for the next lock.
#include <string_view>

#include "corvane/ui/controls.h"

namespace corvane::core {
struct AddinProcess;
}

namespace corvane::wizard {

class frmIntroWizard;

class frmUnlockFields : public ui::Form {
public:
    ui::Label lblPassword{*this, "lblPassword"};
    ui::TextBox txtPassword{*this, "txtPassword"};
    ui::Label lblHowLong{*this, "lblHowLong"};
    ui::OptionButton optTemporary{*this, "optTemporary"};
    ui::OptionButton optPermanant{*this, "optPermanant"};
    ui::CommandButton cmdOK{*this, "cmdOK"};
    ui::CommandButton cmdCancel{*this, "cmdCancel"};

    frmUnlockFields(frmIntroWizard& wizard, core::AddinProcess& process);

protected:
    void design() override;

private:
    void cmdOK_Click();

    frmIntroWizard& wizard_;
    core::AddinProcess& p_;
};

}  // namespace corvane::wizard
