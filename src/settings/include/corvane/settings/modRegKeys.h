#pragma once
// The typed options of the send checks. Each option has a read, which turns the stored
// text into its value with the option's own default and repair rule (reads never fail and
// never write back), and a write, which turns a dialog control's state into the stored
// text. Both are named after the stored key. Nothing is cached.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "corvane/settings/setting_store.h"

namespace corvane::settings {

// Defaults of the options that are not a plain true, false or 0.
namespace defaults {
inline constexpr std::string_view OldEmailDays = "28";
inline constexpr std::string_view XRecipients = "5";
inline constexpr std::string_view DelayTimeMissing = "60";
inline constexpr std::string_view DelayTimeEmpty = "0";
inline constexpr std::string_view SpamKeyWords = "SPAM-LOW:;SPAM-MED:;SPAM-HIGH:";
inline constexpr std::string_view AttachKeyWords = "attach;attached;attachment;enclose;enclosed;enclosing";
}  // namespace defaults

class modRegKeys {
public:
    // The user's own addresses from the Outlook accounts, joined by ";": EmailList's
    // value while it has never been stored.
    using AccountsEmailAddress = std::function<std::string()>;

    explicit modRegKeys(SettingStore store, AccountsEmailAddress accountsEmailAddress = {});

    // Flags that are on unless stored as exactly "False". Writes take a check box state:
    // 1 stores "True"; 0, 2 (greyed) and anything else store "False".
    bool ReplyMultiple() const;
    void ReplyMultiple(int checkBoxState);
    bool ReplyALL_BCC() const;
    void ReplyALL_BCC(int checkBoxState);
    bool ReplyAllAny() const;
    void ReplyAllAny(int checkBoxState);
    bool ReplyAllAutoRemove() const;
    void ReplyAllAutoRemove(int checkBoxState);
    bool CheckEmptySubject() const;
    void CheckEmptySubject(int checkBoxState);
    bool RemoveSpamWords() const;
    void RemoveSpamWords(int checkBoxState);
    bool CheckMultipleReFwd() const;
    void CheckMultipleReFwd(int checkBoxState);
    bool PromptReplyOnOlderEmails() const;
    void PromptReplyOnOlderEmails(int checkBoxState);
    bool CheckAttachMissing() const;
    void CheckAttachMissing(int checkBoxState);
    bool NotifyBeforeDelaying() const;
    void NotifyBeforeDelaying(int checkBoxState);
    bool UseOutlookSettings() const;
    void UseOutlookSettings(int checkBoxState);

    // Flags that are off unless stored as exactly "True".
    bool ReplyInternalCheck() const;
    void ReplyInternalCheck(int checkBoxState);
    bool PlaySound() const;
    void PlaySound(int checkBoxState);
    bool ConfirmForXRecipients() const;
    void ConfirmForXRecipients(int checkBoxState);
    bool DelayEmails() const;
    void DelayEmails(int checkBoxState);
    bool IgnoreText() const;
    void IgnoreText(int checkBoxState);
    bool IgnoreAttach() const;
    void IgnoreAttach(int checkBoxState);

    // Choices 0/1: missing or "0" reads 0, any other text (empty included) reads 1.
    int AutoRemoveSpamWords() const;
    void AutoRemoveSpamWords(int value);
    int MsgAddAddress() const;
    void MsgAddAddress(int value);
    int DoNotShowSelect() const;
    void DoNotShowSelect(int value);
    // "0" reads 0; anything else, missing and empty included, reads 1.
    int AutoDelayAll() const;
    void AutoDelayAll(int value);
    // "1" reads 1, "2" reads 2; anything else reads 0.
    int DisplayConfirmation() const;
    void DisplayConfirmation(int value);

    // Counts as decimal text: a stored number is cut down to a whole number; empty,
    // missing, not a number or below 1 reads the default ("28", "5").
    std::string OldEmailDays() const;
    void OldEmailDays(std::string_view text);
    std::string XRecipients() const;
    void XRecipients(std::string_view text);
    // Missing reads "60", empty reads "0"; any other text is returned as stored (trimmed).
    std::string DelayTime() const;
    void DelayTime(std::string_view text);

    // Text and lists ("a;b;c"), trimmed; missing reads "".
    std::string DomainName() const;
    void DomainName(std::string_view text);
    std::string ConfirmEmailAddrs() const;
    void ConfirmEmailAddrs(std::string_view text);
    std::string DelayedEmailAddrs() const;
    void DelayedEmailAddrs(std::string_view text);
    // Lists with a default: missing reads the default list; a stored empty text is the
    // empty list.
    std::string SpamKeyWords() const;
    void SpamKeyWords(std::string_view text);
    std::string AttachKeyWords() const;
    void AttachKeyWords(std::string_view text);
    // Missing reads the addresses of the Outlook accounts; empty reads "".
    std::string EmailList() const;
    void EmailList(std::string_view text);

    const SettingStore& store() const { return store_; }

private:
    bool flagDefaultOn(std::string_view key) const;
    bool flagDefaultOff(std::string_view key) const;
    void writeFlag(std::string_view key, int checkBoxState);
    int choiceDefaultZero(std::string_view key) const;
    void writeChoice(std::string_view key, int value);
    std::string count(std::string_view key, std::string_view fallback) const;
    std::string plainText(std::string_view key) const;
    std::string listWithDefault(std::string_view key, std::string_view fallback) const;
    void writeTrimmed(std::string_view key, std::string_view text);
    // The trimmed stored text, or nothing when the value is missing (or holds the
    // missing-key sentinel itself).
    std::optional<std::string> present(std::string_view key) const;

    SettingStore store_;
    AccountsEmailAddress accountsEmailAddress_;
};

}  // namespace corvane::settings
