#include "corvane/accounts/frmSelectSendAcct.h"

#include "corvane/accounts/preferred_account.h"
#include "corvane/platform/conventions.h"
#include "corvane/text/text.h"
#include "dialog_support.h"

namespace corvane::accounts {

frmSelectSendAcct::frmSelectSendAcct(core::AddinProcess& process) : Form("frmSelectSendAcct"), p_(process) {
    optChange.onClick = [this] { enableOther(false); };
    optCancel.onClick = [this] { enableOther(false); };
    optSelected.onClick = [this] { enableOther(true); };
    cmdOK.onClick = [this] { cmdOK_Click(); };
    applyDesign();
}

void frmSelectSendAcct::design() {
    setCaption("Corvane");
    move(0, 0, 5400, 3960);
    Label1.setCaption("Select Account");
    Label1.move(120, 120, 2000, 240);
    lblPrefAcct.move(2880, 480, 2400, 240);
    optChange.setCaption("&Use Your Preferred Account");
    optChange.setValue(true);
    optChange.move(240, 480, 2600, 240);
    optSelected.setCaption("&Another Account");
    optSelected.move(240, 900, 2600, 240);
    cmbAccts.setStyle(ui::ComboStyle::DropDownList);
    cmbAccts.setEnabled(false);
    cmbAccts.move(480, 1200, 3000, 300);
    chkSetDefault.setCaption("Set this account as Preferred Account");
    chkSetDefault.setEnabled(false);
    chkSetDefault.move(480, 1620, 3600, 240);
    optCancel.setCaption("Go back to e-mail so that I can change myself");
    optCancel.move(240, 2040, 4800, 240);
    chkDoNotShow.move(240, 2520, 4800, 480);
    cmdOK.setCaption("&OK");
    cmdOK.setDefault(true);
    cmdOK.move(4080, 3180, 1080, 360);
}

void frmSelectSendAcct::onLoad() {
    lblPrefAcct.setCaption("(" + strPrefAcct + ")");
    chkDoNotShow.setCaption(
        "Do not ask me this again.\r\nAutomatically use preferred accounts for all future e-mails.");
    cmbAccts.clear();
    auto pieces = text::split(SendAcctOf(p_).LoadAccounts(), ";");
    if (!pieces.empty()) pieces.pop_back();
    for (const auto& name : pieces) {
        if (name.empty() || name == strPrefAcct || name == NoAccountSelected) continue;
        cmbAccts.addItem(name);
    }
    SelectExact(cmbAccts, strDefault);
    strChange.clear();
}

void frmSelectSendAcct::enableOther(bool on) {
    cmbAccts.setEnabled(on);
    chkSetDefault.setEnabled(on);
}

void frmSelectSendAcct::cmdOK_Click() {
    if (optChange.value()) {
        strChange = strPrefAcct;
    } else if (optSelected.value()) {
        const std::string chosen = text::trim(cmbAccts.text());
        if (chkSetDefault.ticked()) {
            auto& list = SendAcctOf(p_);
            list.AbsolutePosition("1");
            if (list.Find(text::trim(strEmailAddr))) {
                list.Edit();
                list.strAccount(chosen);
                if (!list.Update())
                    platform::ShowMessageBox(p_.host.ui, list.ErrorReport(), platform::mb::ExclamationOk, p_.appTitle);
            }
        }
        strChange = chosen;
    } else if (optCancel.value()) {
        strChange = "CANCEL";
    }
    p_.regKeys().DoNotShowSelect(chkDoNotShow.ticked() ? 1 : 0);
    hide();
}

}  // namespace corvane::accounts
