#pragma once
// The names of every stored setting, so that no caller retypes one. The first group has a
// typed read and write in modRegKeys; the others are read and written in place by the
// subsystem that owns them.
#include <string_view>

namespace corvane::settings::keys {

// Reply checks
inline constexpr std::string_view ReplyMultiple = "ReplyMultiple";
inline constexpr std::string_view ReplyALL_BCC = "ReplyALL_BCC";
inline constexpr std::string_view ReplyAllAny = "ReplyAllAny";
inline constexpr std::string_view ReplyInternalCheck = "ReplyInternalCheck";
inline constexpr std::string_view DomainName = "DomainName";
inline constexpr std::string_view ReplyAllAutoRemove = "ReplyAllAutoRemove";
inline constexpr std::string_view UseOutlookSettings = "UseOutlookSettings";
inline constexpr std::string_view EmailList = "EmailList";
// Prompts
inline constexpr std::string_view PlaySound = "PlaySound";
// Subject checks
inline constexpr std::string_view CheckEmptySubject = "CheckEmptySubject";
inline constexpr std::string_view RemoveSpamWords = "RemoveSpamWords";
inline constexpr std::string_view AutoRemoveSpamWords = "AutoRemoveSpamWords";
inline constexpr std::string_view SpamKeyWords = "SpamKeyWords";
inline constexpr std::string_view CheckMultipleReFwd = "CheckMultipleReFwd";
inline constexpr std::string_view PromptReplyOnOlderEmails = "PromptReplyOnOlderEmails";
inline constexpr std::string_view OldEmailDays = "OldEmailDays";
// Missing-attachment check
inline constexpr std::string_view CheckAttachMissing = "CheckAttachMissing";
inline constexpr std::string_view AttachKeyWords = "AttachKeyWords";
inline constexpr std::string_view IgnoreText = "IgnoreText";
inline constexpr std::string_view IgnoreAttach = "IgnoreAttach";
// Preferred sending account
inline constexpr std::string_view MsgAddAddress = "MsgAddAddress";
inline constexpr std::string_view DoNotShowSelect = "DoNotShowSelect";
// Send confirmation
inline constexpr std::string_view DisplayConfirmation = "DisplayConfirmation";
inline constexpr std::string_view ConfirmEmailAddrs = "ConfirmEmailAddrs";
inline constexpr std::string_view ConfirmForXRecipients = "ConfirmForXRecipients";
inline constexpr std::string_view XRecipients = "XRecipients";
// Delayed sending
inline constexpr std::string_view DelayEmails = "DelayEmails";
inline constexpr std::string_view DelayTime = "DelayTime";
inline constexpr std::string_view AutoDelayAll = "AutoDelayAll";
inline constexpr std::string_view DelayedEmailAddrs = "DelayedEmailAddrs";
inline constexpr std::string_view NotifyBeforeDelaying = "NotifyBeforeDelaying";

// Read and written in place by their owners.
inline constexpr std::string_view IgnoreTextValue = "IgnoreTextValue";      // text, may span lines
inline constexpr std::string_view IgnoreAttachValue = "IgnoreAttachValue";  // list
inline constexpr std::string_view ShowStartupWizard = "ShowStartupWizard";  // missing/""/"True": show
inline constexpr std::string_view IntroEmailCreated = "IntroEmailCreated";  // "CREATED"
inline constexpr std::string_view SettingsID = "SettingsID";
inline constexpr std::string_view CV_Settings_FilePath = "CV_Settings_FilePath";
inline constexpr std::string_view LockFields = "LockFields";  // "<field>=Yes;<field>=No..."
inline constexpr std::string_view Password = "Password";
inline constexpr std::string_view PreSetupID = "PreSetupID";
inline constexpr std::string_view blnMoveCV = "blnMoveCV";
inline constexpr std::string_view LastCheckUpdateDate = "LastCheckUpdateDate";  // date or "DoNotCheck"
inline constexpr std::string_view Tutorial = "Tutorial";
// The update check's own state.
inline constexpr std::string_view blnAutomaticUpdate = "blnAutomaticUpdate";
inline constexpr std::string_view intNumDayUpdate = "intNumDayUpdate";
inline constexpr std::string_view dtmLastUpdateDate = "dtmLastUpdateDate";
inline constexpr std::string_view blnNotNotify = "blnNotNotify";
inline constexpr std::string_view strVersionNotNotify = "strVersionNotNotify";
inline constexpr std::string_view strRegistryInitialise = "strRegistryInitialise";

}  // namespace corvane::settings::keys

namespace corvane::settings {

// Asked for as the default by reads that must tell a missing value from an empty one.
inline constexpr std::string_view KeyNotInReg = "KeyNotInReg";

// Stored marker texts.
inline constexpr std::string_view IntroEmailCreatedMarker = "CREATED";
inline constexpr std::string_view DoNotCheckMarker = "DoNotCheck";

}  // namespace corvane::settings
