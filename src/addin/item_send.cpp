// Stage 2 of the send pipeline: Outlook's application send event. Any step may set
// Cancel; none clears it.
#include "corvane/access/address_entry.h"
#include "corvane/access/safe_mail_item.h"
#include "corvane/addin/out_addin.h"
#include "corvane/addin/word_macro.h"
#include "corvane/checks/entry_points.h"
#include "corvane/core/vb_errors.h"
#include "corvane/outlook/items.h"
#include "corvane/outlook/recipients.h"
#include "corvane/platform/conventions.h"
#include "corvane/platform/error.h"
#include "corvane/text/text.h"

namespace corvane::addin {
namespace {

constexpr const char* Change = "CHANGE";
constexpr const char* NoAccountSelected = "No Account Selected";
constexpr std::int16_t AddingAtSendTime = 3;
constexpr std::int16_t ReplacingGoneAccount = 4;

std::string Folded(const std::string& s) { return text::toLower(text::trim(s)); }

}  // namespace

void OutAddIn::objOutlook_ItemSend(const std::shared_ptr<outlook::Item>& Item, bool& Cancel) {
    auto self = shared_from_this();
    try {
        if (!checkBeforeAccounts(Item, Cancel)) return;
    } catch (const platform::PlatformError& e) {
        platform::ReportSendEventError(process_.host.ui, process_.appTitle, e);
        Cancel = true;
        platform::IgnoreErrors([&] { process_.subsystems.resolution->ResetMapiUtils(process_); });
        return;
    }
    try {
        accountSteps(Item, Cancel);
    } catch (const platform::PlatformError&) {
        // An account step that fails keeps the message open, without a word.
        Cancel = true;
    }
}

bool OutAddIn::checkBeforeAccounts(const std::shared_ptr<outlook::Item>& item, bool& cancel) {
    auto& sub = process_.subsystems;
    // A message sent without any message window (by another program) is not checked.
    if (core::NoActiveInspector(process_)) return false;
    if (!core::vb::Need(process_.gSendAcct)->LoadList()) return false;
    if (core::vb::Need(item)->Class() != outlook::olclass::Mail) return false;
    if (cancel) return false;

    const checks::Confirmation confirmed = sub.sendChecks->ConfirmSend(process_, item);
    if (confirmed == checks::Confirmation::No) {
        cancel = true;
        return false;
    }
    if (confirmed != checks::Confirmation::Yes && !sub.sendChecks->ConfirmRecipientCount(process_, item)) {
        cancel = true;
        return false;
    }
    if (!sub.resolution->EntryIdFails(process_, item)) {
        if (WordEditorMode(process_)) {
            if (core::OutlookMajorVersion(process_) != "9") {
                std::vector<outlook::Variant> args{std::shared_ptr<outlook::Dispatch>(item), cancel};
                RunWordMacro(process_, "cvDelayEmailSendingWord", args);
                cancel = cancel || VariantBool(args[1]);
            }
        } else {
            sub.sendChecks->cvDelayEmailSending(process_, item, cancel);
        }
    }
    return true;
}

void OutAddIn::accountSteps(const std::shared_ptr<outlook::Item>& item, bool& cancel) {
    // Outlook 2000 and 2002 cannot choose the sending account.
    const std::string major = core::OutlookMajorVersion(process_);
    if (major == "9" || major == "10") return;

    int displayType = 0;
    {
        auto safe = access::CreateAccessObject<access::SafeMailItem>(*process_.access);
        safe->SetItem(item);
        safe->Save();
        displayType = core::vb::Need(safe->Recipients()->Item(1)->AddressEntry())->DisplayType();
    }
    if (displayType == outlook::oldisplay::DistList || displayType == outlook::oldisplay::PrivateDistList) return;

    std::string address;
    if (!process_.subsystems.prefAccount->IsFirstRecipientListed(process_, item, address))
        offerToAddAddress(item, address, cancel);
    else
        usePreferredAccount(item, address, cancel);
}

void OutAddIn::offerToAddAddress(const std::shared_ptr<outlook::Item>& item, const std::string& address,
                                 bool& cancel) {
    auto& sub = process_.subsystems;
    if (address.empty()) return;
    if (process_.regKeys().MsgAddAddress() == 1) return;

    const std::string account = GetItemAccount(item);
    if (WordEditorMode(process_)) {
        std::vector<outlook::Variant> args{address, account};
        RunWordMacro(process_, "cvAddEmail", args);
    } else {
        sub.prefAccount->ShowAddEmailToList(process_, address, account);
    }
    if (process_.gCancelSend) {
        process_.gCancelSend = false;
        cancel = true;
        return;
    }
    if (core::vb::Need(process_.gSendAcct)->strChangeAcct() == Change && process_.gPrefAcctMode != AddingAtSendTime)
        SendFromAccount(item, sub.prefAccount->PrefAccountFor(process_, address));
}

void OutAddIn::usePreferredAccount(const std::shared_ptr<outlook::Item>& item, const std::string& address,
                                   bool& cancel) {
    auto& sub = process_.subsystems;
    const std::string pref = sub.prefAccount->PrefAccountFor(process_, address);
    if (text::trim(pref) == NoAccountSelected) return;
    if (sub.prefAccount->OrderedAccountsCount(process_) <= 1) return;
    const std::string current = GetItemAccount(item);
    if (Folded(current) == Folded(pref)) return;

    if (!core::vb::Need(process_.gSendAcct)->PrefAcctExists(pref)) {
        const std::string message = sub.prefAccount->PrefAcctMissingMessage(process_, pref, address);
        process_.gPrefAcctMode = ReplacingGoneAccount;
        if (WordEditorMode(process_)) {
            std::vector<outlook::Variant> args{std::int32_t{process_.gPrefAcctMode}, current, address, message};
            RunWordMacro(process_, "cvPrefAcctExistsFalse", args);
        } else {
            sub.prefAccount->ShowEmailAddressEdit(process_, current, message, address);
        }
        // The dialog may have stored a new preferred account: read it again.
        if (core::vb::Need(process_.gSendAcct)->strChangeAcct() == Change)
            SendFromAccount(item, sub.prefAccount->PrefAccountFor(process_, address));
        return;
    }
    if (process_.regKeys().DoNotShowSelect() == 1) {
        SendFromAccount(item, pref);
        return;
    }

    std::string chosen;
    std::string macroResult;
    if (WordEditorMode(process_)) {
        std::vector<outlook::Variant> args{std::string(), current, pref, address};
        RunWordMacro(process_, "cvSelQuenlow", args);
        macroResult = VariantText(args[0]);
    } else {
        chosen = sub.prefAccount->ShowSelectSendAcct(process_, current, pref, address);
    }
    if (chosen.empty() && macroResult.empty()) return;
    if (chosen == "CANCEL" || macroResult == "CANCEL") {
        cancel = true;
        return;
    }
    SendFromAccount(item, chosen.empty() ? macroResult : chosen);
}

}  // namespace corvane::addin
