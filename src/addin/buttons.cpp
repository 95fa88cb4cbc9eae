#include "corvane/addin/buttons.h"

#include "corvane/addin/connect.h"
#include "corvane/core/vb_errors.h"
#include "corvane/outlook/application.h"
#include "corvane/platform/conventions.h"

namespace corvane::addin {
namespace {

// A Connect living in Outlook's process, created through Outlook.
std::shared_ptr<Connect> ConnectInOutlook(Process& p) {
    auto object = core::EnsureOutlook(p)->CreateObject(ConnectProgId);
    return core::vb::Need(std::dynamic_pointer_cast<Connect>(object));
}

}  // namespace

void Buttons::GetVariablesFromOutlook() {
    auto& p = *process_;
    p.gSendAcct = p.subsystems.mailFolder->NewSendAcct(p);
    ConnectInOutlook(p)->WordEditorVariablesGet(p.gSendAcct);
}

void Buttons::PutVariablesToOutlook() {
    auto& p = *process_;
    ConnectInOutlook(p)->WordEditorVariablesSet(p.gSendAcct, p.gCancelSend);
}

void Buttons::SelQuenlow(std::string& strChange, std::string& strDefault, std::string& strPrefAcct,
                         std::string& strEmailAddr) {
    auto& p = *process_;
    p.gOutlook.reset();
    core::EnsureOutlook(p);
    GetVariablesFromOutlook();
    strChange = p.subsystems.prefAccount->ShowSelectSendAcct(p, strDefault, strPrefAcct, strEmailAddr);
    PutVariablesToOutlook();
}

void Buttons::AddEmailAddressToList(std::string& strToAddress, std::string& strSelectedAcct) {
    auto& p = *process_;
    p.gOutlook.reset();
    core::EnsureOutlook(p);
    // Yes and Never change the add-in's list: Word works on Outlook's list object and hands
    // it back, with the edit dialog's cancel, afterwards.
    GetVariablesFromOutlook();
    p.subsystems.prefAccount->ShowAddEmailToList(p, strToAddress, strSelectedAcct);
    PutVariablesToOutlook();
}

void Buttons::PrefAcctExistsFalse(std::int16_t& intMode, std::string& strSelectedAcct, std::string& strSenderEmail,
                                  std::string& strMsg) {
    auto& p = *process_;
    p.gOutlook.reset();
    core::EnsureOutlook(p);
    GetVariablesFromOutlook();
    p.gPrefAcctMode = intMode;
    p.subsystems.prefAccount->ShowEmailAddressEdit(p, strSelectedAcct, strMsg, strSenderEmail);
    p.gOutlook.reset();
    core::EnsureOutlook(p);
    PutVariablesToOutlook();
}

void Buttons::DelayEmailSending(std::shared_ptr<outlook::Item>& Item, bool& Cancel) {
    // Looking up listed recipients from Word borrows Outlook's MAPI session, so Outlook is
    // reached first; without it the delay still works for every message.
    platform::IgnoreErrors([&] { core::EnsureOutlook(*process_); });
    process_->subsystems.sendChecks->cvDelayEmailSending(*process_, Item, Cancel);
}

void Buttons::EmptySubjectCheck(std::shared_ptr<outlook::Item>& Item, bool& Cancel) {
    process_->subsystems.windowChecks->cvEmptySubjectCheck(*process_, Item, Cancel);
}

}  // namespace corvane::addin
