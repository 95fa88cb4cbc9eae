#pragma once
// Asks, at send time, which account a message to a listed address goes out from: the
// preferred account, another one (optionally made the preferred one), or none (back to
// the message). The caller sets the four texts, shows the form and reads strChange: ""
// (nothing changes), "CANCEL" or the account to send from; then unloads it.
#include <string>

#include "corvane/core/addin_process.h"
#include "corvane/ui/controls.h"

namespace corvane::accounts {

class frmSelectSendAcct : public ui::Form {
public:
    ui::Label Label1{*this, "Label1"};
    ui::Label lblPrefAcct{*this, "lblPrefAcct"};
    ui::OptionButton optChange{*this, "optChange"};
    ui::OptionButton optSelected{*this, "optSelected"};
    ui::ComboBox cmbAccts{*this, "cmbAccts"};
    ui::CheckBox chkSetDefault{*this, "chkSetDefault"};
    ui::OptionButton optCancel{*this, "optCancel"};
    ui::CheckBox chkDoNotShow{*this, "chkDoNotShow"};
    ui::CommandButton cmdOK{*this, "cmdOK"};

    std::string strChange;
    std::string strDefault;
    std::string strPrefAcct;
    std::string strEmailAddr;

    explicit frmSelectSendAcct(core::AddinProcess& process);

protected:
    void design() override;
    void onLoad() override;

private:
    void enableOther(bool on);
    void cmdOK_Click();

    core::AddinProcess& p_;
};

}  // namespace corvane::accounts
