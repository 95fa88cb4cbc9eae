// Add, Delete and Reset of the wizard's five lists. The lists change only in the list
// boxes; Finish stores them.
#include "corvane/core/addin_process.h"
#include "corvane/platform/conventions.h"
#include "corvane/wizard/frmGetUserInput.h"
#include "corvane/wizard/frmIntroWizard.h"

namespace corvane::wizard {

void frmIntroWizard::AddToList(ui::ListBox& list, ui::CommandButton& deleteButton, std::string_view message,
                               std::string_view caption) {
    frmGetUserInput entry(*this);
    entry.load();
    entry.TargetList = list.name();
    entry.lblMessage.setCaption(std::string(message));
    entry.setCaption(std::string(caption));
    entry.show(p_.host.ui);
    entry.unload();
    if (list.listCount() > 0) deleteButton.setEnabled(true);
}

void frmIntroWizard::DeleteFromList(ui::ListBox& list, ui::CommandButton& deleteButton, std::string_view ending) {
    if (list.listCount() == 0) return;
    if (list.selCount() == 0) {
        ShowMessage("Please select an item from the list", platform::mb::InformationOk, "No item selected");
        return;
    }
    if (ShowMessage("Are you sure you want to delete the selected " + std::string(ending), platform::mb::QuestionYesNo,
                    "Confirm delete") != platform::mb::IdYes)
        return;
    // From the last item down, so that a removal does not move the items still to visit.
    for (int i = list.listCount() - 1; i >= 0; --i)
        if (list.selected(i)) list.removeItem(i);
    if (list.listCount() == 0) deleteButton.setEnabled(false);
}

void frmIntroWizard::ResetList(ui::ListBox& list, ui::CommandButton& deleteButton, std::string_view defaults) {
    TextToList(list, defaults);
    deleteButton.setEnabled(true);
}

}  // namespace corvane::wizard
