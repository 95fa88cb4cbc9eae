#pragma once
// The two refinements of the missing-attachment check: a block of text (a signature or
// disclaimer) whose words do not count, and attachment names that do not count. The form
// reads the settings when it loads and writes them on Save; Cancel and closing the window
// store nothing. Save and Cancel unload the form.
//
// The caller (the settings wizard): frm.show(ui); nothing to read afterwards.
#include <string>

#include "corvane/platform/ui_services.h"
#include "corvane/settings/setting_store.h"
#include "corvane/ui/controls.h"

namespace corvane::checks {

class frmSigDisclaimer : public ui::Form {
public:
    ui::Label lblIgnoreText{*this, "lblIgnoreText"};
    ui::Label Label1{*this, "Label1"};
    ui::CheckBox chkIgnoreText{*this, "chkIgnoreText"};
    ui::Label lblTextContent{*this, "lblTextContent"};
    ui::TextBox txtSigDisclaimer{*this, "txtSigDisclaimer"};
    ui::Label lblIgnoreAttach{*this, "lblIgnoreAttach"};
    ui::Label Label5{*this, "Label5"};
    ui::CheckBox chkIgnoreAttach{*this, "chkIgnoreAttach"};
    ui::Label lblAttachContent{*this, "lblAttachContent"};
    ui::TextBox txtIgnoreAttach{*this, "txtIgnoreAttach"};
    ui::CommandButton cmdSave{*this, "cmdSave"};
    ui::CommandButton cmdCancel{*this, "cmdCancel"};

    // ui: for the messages that refuse a blank text; settings: where the refinements are
    // read and stored; appTitle: the application title those messages' titles end with.
    frmSigDisclaimer(platform::Ui& ui, settings::SettingStore settings, std::string appTitle);

protected:
    void design() override;
    void onLoad() override;

private:
    void chkIgnoreText_Click();
    void chkIgnoreAttach_Click();
    void cmdSave_Click();
    // Stores the four settings; false (after the message) when the registry refused.
    bool store();

    platform::Ui& ui_;
    settings::SettingStore settings_;
    std::string appTitle_;
};

}  // namespace corvane::checks
