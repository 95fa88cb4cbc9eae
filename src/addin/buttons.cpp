#include "corvane/addin/buttons.h"

#include "corvane/addin/connect.h"
#include "corvane/addin/word_macro.h"
#include "corvane/core/vb_errors.h"
#include "corvane/outlook/application.h"
#include "corvane/outlook/items.h"
#include "corvane/platform/conventions.h"
#include "corvane/text/text.h"

namespace corvane::addin {
namespace {

// A Connect living in Outlook's process, created through Outlook: the add-in's own object
// where Outlook runs in this process, else one reached over COM.
std::shared_ptr<core::WordEditorVariables> ConnectInOutlook(Process& p) {
    auto object = core::EnsureOutlook(p)->CreateObject(ConnectProgId);
    return core::vb::Need(std::dynamic_pointer_cast<core::WordEditorVariables>(object));
}

// A by-reference item argument: the item, or Nothing.
std::shared_ptr<outlook::Item> VariantItem(const outlook::Variant& v) {
    if (const auto* d = std::get_if<std::shared_ptr<outlook::Dispatch>>(&v))
        return std::dynamic_pointer_cast<outlook::Item>(*d);
    if (std::holds_alternative<std::monostate>(v)) return nullptr;
    throw platform::PlatformError(platform::errors::TypeMismatch);
}

std::int16_t VariantInteger(const outlook::Variant& v) {
    if (const auto* n = std::get_if<std::int32_t>(&v); n && *n >= INT16_MIN && *n <= INT16_MAX)
        return static_cast<std::int16_t>(*n);
    if (std::holds_alternative<std::monostate>(v)) return 0;
    throw platform::PlatformError(platform::errors::TypeMismatch);
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

bool Buttons::Invoke(std::string_view method, std::vector<outlook::Variant>& args) {
    const auto is = [&](std::string_view name, std::size_t count) {
        if (!text::equalsNoCase(method, name)) return false;
        if (args.size() < count) throw platform::PlatformError(platform::errors::InvalidCall);
        return true;
    };
    // Each argument is read, handed over by reference and written back.
    if (is("EmptySubjectCheck", 2) || is("DelayEmailSending", 2)) {
        auto item = VariantItem(args[0]);
        bool cancel = VariantBool(args[1]);
        if (text::equalsNoCase(method, "EmptySubjectCheck"))
            EmptySubjectCheck(item, cancel);
        else
            DelayEmailSending(item, cancel);
        args[0] = std::shared_ptr<outlook::Dispatch>(item);
        args[1] = cancel;
        return true;
    }
    if (is("AddEmailAddressToList", 2)) {
        std::string address = VariantText(args[0]), account = VariantText(args[1]);
        AddEmailAddressToList(address, account);
        args[0] = address;
        args[1] = account;
        return true;
    }
    if (is("PrefAcctExistsFalse", 4)) {
        std::int16_t mode = VariantInteger(args[0]);
        std::string account = VariantText(args[1]), address = VariantText(args[2]), message = VariantText(args[3]);
        PrefAcctExistsFalse(mode, account, address, message);
        args = {std::int32_t{mode}, account, address, message};
        return true;
    }
    if (is("SelQuenlow", 4)) {
        std::string change = VariantText(args[0]), current = VariantText(args[1]), pref = VariantText(args[2]),
                    address = VariantText(args[3]);
        SelQuenlow(change, current, pref, address);
        args = {change, current, pref, address};
        return true;
    }
    return false;
}

}  // namespace corvane::addin
