#pragma once
// The entry dialog of the wizard's list editors: the user types one item, which is checked
// and added straight into the wizard's list box named by TargetList. A refused entry
// keeps the dialog open with the focus in the entry field.
#include <string>
#include <string_view>

#include "corvane/ui/controls.h"

namespace corvane::wizard {

class frmIntroWizard;

class frmGetUserInput : public ui::Form {
public:
    ui::Label lblMessage{*this, "lblMessage"};
    ui::TextBox txtUserInput{*this, "txtUserInput"};
    ui::CommandButton cmdOk{*this, "cmdOk"};
    ui::CommandButton Command1{*this, "Command1"};

    // The name of the wizard's list box that receives the entry ("lstKeywords", ...).
    std::string TargetList;

    explicit frmGetUserInput(frmIntroWizard& wizard);

protected:
    void design() override;

private:
    void cmdOk_Click();
    // Shows a refusal and puts the focus back into the entry, its text selected or not.
    void Refuse(std::string_view prompt, int buttons, std::string_view shortTitle, bool selectText);

    frmIntroWizard& wizard_;
};

}  // namespace corvane::wizard
