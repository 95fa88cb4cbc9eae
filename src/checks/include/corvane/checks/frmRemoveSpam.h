#pragma once
// Offers the subject with the anti-spam marks removed. Yes accepts the new subject (and,
// with the box ticked, stops asking from now on); No keeps the old one, as does closing
// the window.
//
// The caller: frm.load(); frm.fill(before, proposed); frm.show(ui);
//     subject = frm.accepted ? trim(frm.txtNewSubject.text()) : before; frm.unload();
#include <string>

#include "corvane/platform/ui_services.h"
#include "corvane/settings/setting_store.h"
#include "corvane/ui/controls.h"

namespace corvane::checks {

class frmRemoveSpam : public ui::Form {
public:
    ui::Image imgCorner{*this, "imgCorner"};
    ui::Label Label1{*this, "Label1"};
    ui::Label lblOldSubject{*this, "lblOldSubject"};
    ui::TextBox txtOldSubject{*this, "txtOldSubject"};
    ui::Label lblNewSubject{*this, "lblNewSubject"};
    ui::TextBox txtNewSubject{*this, "txtNewSubject"};
    ui::CheckBox chkAutoCorrect{*this, "chkAutoCorrect"};
    ui::CommandButton cmdYes{*this, "cmdYes"};
    ui::CommandButton cmdNo{*this, "cmdNo"};

    // Set by Yes; false from the load on, after No and after a close from the window's X.
    // It outlives the unload; the controls do not.
    bool accepted = false;

    // ui: for the message when the choice cannot be stored; settings: where Yes stores
    // AutoRemoveSpamWords; appTitle: the application title the caption ends with.
    frmRemoveSpam(platform::Ui& ui, settings::SettingStore settings, std::string appTitle);

    // The subject as it came (read-only) and the proposed one (editable); loads the form
    // when needed.
    void fill(std::string oldSubject, std::string newSubject);

protected:
    void design() override;
    void onLoad() override { accepted = false; }

private:
    void cmdYes_Click();
    void cmdNo_Click();

    platform::Ui& ui_;
    settings::SettingStore settings_;
    std::string appTitle_;
};

}  // namespace corvane::checks
