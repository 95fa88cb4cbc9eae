#include "corvane/settings/modRegKeys.h"

#include <utility>

#include "corvane/platform/error.h"
#include "corvane/settings/classic_conversion.h"
#include "corvane/settings/setting_keys.h"
#include "corvane/text/text.h"

namespace corvane::settings {

modRegKeys::modRegKeys(SettingStore store, AccountsEmailAddress accountsEmailAddress)
    : store_(store), accountsEmailAddress_(std::move(accountsEmailAddress)) {}

// --- the families ---------------------------------------------------------------------

std::optional<std::string> modRegKeys::present(std::string_view key) const {
    std::string v = text::trim(store_.GetSetting(key, KeyNotInReg));
    if (v == KeyNotInReg) return std::nullopt;
    return v;
}

bool modRegKeys::flagDefaultOn(std::string_view key) const { return store_.GetSetting(key) != "False"; }

bool modRegKeys::flagDefaultOff(std::string_view key) const { return store_.GetSetting(key) == "True"; }

void modRegKeys::writeFlag(std::string_view key, int checkBoxState) {
    store_.SaveSetting(key, checkBoxState == 1 ? "True" : "False");
}

int modRegKeys::choiceDefaultZero(std::string_view key) const {
    auto v = present(key);
    return (!v || *v == "0") ? 0 : 1;
}

void modRegKeys::writeChoice(std::string_view key, int value) { store_.SaveSetting(key, std::to_string(value)); }

std::string modRegKeys::count(std::string_view key, std::string_view fallback) const {
    auto v = present(key);
    if (!v || v->empty()) return std::string(fallback);
    auto whole = classicWholeNumber(*v);
    if (!whole || *whole < 1) return std::string(fallback);
    return std::to_string(*whole);
}

std::string modRegKeys::plainText(std::string_view key) const { return text::trim(store_.GetSetting(key)); }

std::string modRegKeys::listWithDefault(std::string_view key, std::string_view fallback) const {
    auto v = present(key);
    return v ? *v : std::string(fallback);
}

void modRegKeys::writeTrimmed(std::string_view key, std::string_view text) {
    store_.SaveSetting(key, text::trim(text));
}

// --- flags, on by default -------------------------------------------------------------

bool modRegKeys::ReplyMultiple() const { return flagDefaultOn(keys::ReplyMultiple); }
void modRegKeys::ReplyMultiple(int checkBoxState) { writeFlag(keys::ReplyMultiple, checkBoxState); }
bool modRegKeys::ReplyALL_BCC() const { return flagDefaultOn(keys::ReplyALL_BCC); }
void modRegKeys::ReplyALL_BCC(int checkBoxState) { writeFlag(keys::ReplyALL_BCC, checkBoxState); }
bool modRegKeys::ReplyAllAny() const { return flagDefaultOn(keys::ReplyAllAny); }
void modRegKeys::ReplyAllAny(int checkBoxState) { writeFlag(keys::ReplyAllAny, checkBoxState); }
bool modRegKeys::ReplyAllAutoRemove() const { return flagDefaultOn(keys::ReplyAllAutoRemove); }
void modRegKeys::ReplyAllAutoRemove(int checkBoxState) { writeFlag(keys::ReplyAllAutoRemove, checkBoxState); }
bool modRegKeys::CheckEmptySubject() const { return flagDefaultOn(keys::CheckEmptySubject); }
void modRegKeys::CheckEmptySubject(int checkBoxState) { writeFlag(keys::CheckEmptySubject, checkBoxState); }
bool modRegKeys::RemoveSpamWords() const { return flagDefaultOn(keys::RemoveSpamWords); }
void modRegKeys::RemoveSpamWords(int checkBoxState) { writeFlag(keys::RemoveSpamWords, checkBoxState); }
bool modRegKeys::CheckMultipleReFwd() const { return flagDefaultOn(keys::CheckMultipleReFwd); }
void modRegKeys::CheckMultipleReFwd(int checkBoxState) { writeFlag(keys::CheckMultipleReFwd, checkBoxState); }
bool modRegKeys::PromptReplyOnOlderEmails() const { return flagDefaultOn(keys::PromptReplyOnOlderEmails); }
void modRegKeys::PromptReplyOnOlderEmails(int checkBoxState) {
    writeFlag(keys::PromptReplyOnOlderEmails, checkBoxState);
}
bool modRegKeys::CheckAttachMissing() const { return flagDefaultOn(keys::CheckAttachMissing); }
void modRegKeys::CheckAttachMissing(int checkBoxState) { writeFlag(keys::CheckAttachMissing, checkBoxState); }
bool modRegKeys::NotifyBeforeDelaying() const { return flagDefaultOn(keys::NotifyBeforeDelaying); }
void modRegKeys::NotifyBeforeDelaying(int checkBoxState) { writeFlag(keys::NotifyBeforeDelaying, checkBoxState); }
bool modRegKeys::UseOutlookSettings() const { return flagDefaultOn(keys::UseOutlookSettings); }
void modRegKeys::UseOutlookSettings(int checkBoxState) { writeFlag(keys::UseOutlookSettings, checkBoxState); }

// --- flags, off by default ------------------------------------------------------------

bool modRegKeys::ReplyInternalCheck() const { return flagDefaultOff(keys::ReplyInternalCheck); }
void modRegKeys::ReplyInternalCheck(int checkBoxState) { writeFlag(keys::ReplyInternalCheck, checkBoxState); }
bool modRegKeys::PlaySound() const { return flagDefaultOff(keys::PlaySound); }
void modRegKeys::PlaySound(int checkBoxState) { writeFlag(keys::PlaySound, checkBoxState); }
bool modRegKeys::ConfirmForXRecipients() const { return flagDefaultOff(keys::ConfirmForXRecipients); }
void modRegKeys::ConfirmForXRecipients(int checkBoxState) { writeFlag(keys::ConfirmForXRecipients, checkBoxState); }
bool modRegKeys::DelayEmails() const { return flagDefaultOff(keys::DelayEmails); }
void modRegKeys::DelayEmails(int checkBoxState) { writeFlag(keys::DelayEmails, checkBoxState); }
bool modRegKeys::IgnoreText() const { return flagDefaultOff(keys::IgnoreText); }
void modRegKeys::IgnoreText(int checkBoxState) { writeFlag(keys::IgnoreText, checkBoxState); }
bool modRegKeys::IgnoreAttach() const { return flagDefaultOff(keys::IgnoreAttach); }
void modRegKeys::IgnoreAttach(int checkBoxState) { writeFlag(keys::IgnoreAttach, checkBoxState); }

// --- choices --------------------------------------------------------------------------

int modRegKeys::AutoRemoveSpamWords() const { return choiceDefaultZero(keys::AutoRemoveSpamWords); }
void modRegKeys::AutoRemoveSpamWords(int v) { writeChoice(keys::AutoRemoveSpamWords, v); }
int modRegKeys::MsgAddAddress() const { return choiceDefaultZero(keys::MsgAddAddress); }
void modRegKeys::MsgAddAddress(int v) { writeChoice(keys::MsgAddAddress, v); }
int modRegKeys::DoNotShowSelect() const { return choiceDefaultZero(keys::DoNotShowSelect); }
void modRegKeys::DoNotShowSelect(int v) { writeChoice(keys::DoNotShowSelect, v); }

int modRegKeys::AutoDelayAll() const {
    auto v = present(keys::AutoDelayAll);
    return (v && *v == "0") ? 0 : 1;
}
void modRegKeys::AutoDelayAll(int v) { writeChoice(keys::AutoDelayAll, v); }

int modRegKeys::DisplayConfirmation() const {
    auto v = present(keys::DisplayConfirmation);
    if (v && *v == "1") return 1;
    if (v && *v == "2") return 2;
    return 0;
}
void modRegKeys::DisplayConfirmation(int v) { writeChoice(keys::DisplayConfirmation, v); }

// --- counts ---------------------------------------------------------------------------

std::string modRegKeys::OldEmailDays() const { return count(keys::OldEmailDays, defaults::OldEmailDays); }
void modRegKeys::OldEmailDays(std::string_view t) { writeTrimmed(keys::OldEmailDays, t); }
std::string modRegKeys::XRecipients() const { return count(keys::XRecipients, defaults::XRecipients); }
void modRegKeys::XRecipients(std::string_view t) { writeTrimmed(keys::XRecipients, t); }

std::string modRegKeys::DelayTime() const {
    // Unchecked on purpose: the wizard's field check keeps it numeric.
    auto v = present(keys::DelayTime);
    if (!v) return std::string(defaults::DelayTimeMissing);
    if (v->empty()) return std::string(defaults::DelayTimeEmpty);
    return *v;
}
void modRegKeys::DelayTime(std::string_view t) { writeTrimmed(keys::DelayTime, t); }

// --- text and lists -------------------------------------------------------------------

std::string modRegKeys::DomainName() const { return plainText(keys::DomainName); }
void modRegKeys::DomainName(std::string_view t) { writeTrimmed(keys::DomainName, t); }
std::string modRegKeys::ConfirmEmailAddrs() const { return plainText(keys::ConfirmEmailAddrs); }
void modRegKeys::ConfirmEmailAddrs(std::string_view t) { writeTrimmed(keys::ConfirmEmailAddrs, t); }
std::string modRegKeys::DelayedEmailAddrs() const { return plainText(keys::DelayedEmailAddrs); }
void modRegKeys::DelayedEmailAddrs(std::string_view t) { writeTrimmed(keys::DelayedEmailAddrs, t); }

std::string modRegKeys::SpamKeyWords() const { return listWithDefault(keys::SpamKeyWords, defaults::SpamKeyWords); }
void modRegKeys::SpamKeyWords(std::string_view t) { writeTrimmed(keys::SpamKeyWords, t); }
std::string modRegKeys::AttachKeyWords() const {
    return listWithDefault(keys::AttachKeyWords, defaults::AttachKeyWords);
}
void modRegKeys::AttachKeyWords(std::string_view t) { writeTrimmed(keys::AttachKeyWords, t); }

std::string modRegKeys::EmailList() const {
    if (auto v = present(keys::EmailList)) return *v;
    if (!accountsEmailAddress_) return {};
    // A read never fails; the account walk reports its own errors.
    try {
        return accountsEmailAddress_();
    } catch (const platform::PlatformError&) {
        return {};
    }
}
void modRegKeys::EmailList(std::string_view t) { writeTrimmed(keys::EmailList, t); }

}  // namespace corvane::settings
