#pragma once
// The points where the add-in proper calls the subsystems that sit beside it: the settings
// file and wizard, the settings mail folder and its list, the send checks, address
// resolution, the preferred account and its dialogs, the Word template, the ribbon and
// menus, and the update check. Each call does nothing, or returns its neutral value, until
// the subsystem behind it fills it in; tests and the host may derive to observe them.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "corvane/core/send_acct.h"
#include "corvane/outlook/fwd.h"
#include "corvane/resources/resource_library.h"

namespace corvane::core {

struct AddinProcess;

// The subject routines' marker for "subject left alone".
inline constexpr std::string_view NoSubjectChange = "CV_NoChange_CV";

// The outcome of the send confirmation.
enum class Confirmation { NotAsked, Yes, No };

class Hooks {
public:
    virtual ~Hooks() = default;

    // ---- start-up and shut-down
    // Settings file: read at start-up right after the machine-wide preset is applied.
    virtual void LoadSettingsFile(AddinProcess&) {}
    // Settings mail folder: moves the old data folder under "Kelderon Settings" (once, at
    // start-up); true when it was moved.
    virtual bool MoveCorvaneDataFolder(AddinProcess&, const std::shared_ptr<outlook::Folder>&) { return false; }
    // Settings mail folder: a new preferred-account list object (at start-up, and when the
    // Word editor hands the list back).
    virtual std::shared_ptr<SendAcct> NewSendAcct(AddinProcess&) { return std::make_shared<NeutralSendAcct>(); }
    // Settings mail folder: the path text of a folder, kept as DataFolderPath at start-up.
    virtual std::string FolderPathText(AddinProcess&, const std::shared_ptr<outlook::Folder>&) { return ""; }
    // Settings wizard: shown modally at the first start, with the start-page picture.
    virtual void ShowStartupWizard(AddinProcess&, const std::optional<resources::ResourceBitmap>&) {}
    // Reply checks: the user's account addresses joined by ";", stored as EmailList at
    // start-up and read for EmailList while it was never stored.
    virtual std::string cvAccountsEmailAddress(AddinProcess&) { return ""; }
    // Update check: the question dialog, shown at start-up when the reminder date passed.
    virtual void ShowConfirmCheckUpdate(AddinProcess&) {}

    // ---- ribbon and menus
    // Removes the product submenu from every registered Explorer (add-in switched off).
    virtual void SendTo_RemoveExplMenu(AddinProcess&, const std::string& /*name*/) {}
    // Builds the menu of a newly registered Explorer; what it returns (the buttons and their
    // click sinks) lives as long as the Explorer's wrapper.
    virtual std::shared_ptr<void> BuildExplorerMenu(AddinProcess&, const std::shared_ptr<outlook::Explorer>&) {
        return nullptr;
    }
    // The ribbon XML Outlook asks for, "" for ribbons the add-in leaves alone.
    virtual std::string GetCustomUI(AddinProcess&, std::string_view /*ribbonId*/) { return ""; }
    // The six commands of the ribbon and the menu.
    virtual void CommandQuenlowList(AddinProcess&) {}
    virtual void CommandSettings(AddinProcess&) {}
    virtual void CommandCheckForUpdates(AddinProcess&) {}
    virtual void CommandContactSupport(AddinProcess&) {}
    virtual void CommandHelp(AddinProcess&) {}
    virtual void CommandAbout(AddinProcess&) {}

    // ---- when a reply or forward is created
    // Subject checks: the old-message prompt; returns the subject text or NoSubjectChange.
    virtual std::string cvOldSubject(AddinProcess&, const std::shared_ptr<outlook::MailItem>& /*mail*/,
                                     const std::shared_ptr<outlook::Item>& /*response*/) {
        return std::string(NoSubjectChange);
    }
    // Subject checks: spam marks and repeated prefixes; returns the subject written to the item
    // (the reply check puts it on a reply to all that replaces the reply), NoSubjectChange
    // when nothing was written.
    virtual std::string cvRemoveSpamMarks(AddinProcess&, const std::shared_ptr<outlook::Item>&) {
        return std::string(NoSubjectChange);
    }
    // Reply checks, on Reply and on Reply to All.
    virtual void cvReplyCheck(AddinProcess&, const std::shared_ptr<outlook::MailItem>&, bool& /*cancel*/,
                              const std::string& /*newSubject*/) {}
    virtual void cvReplyAllCheck(AddinProcess&, const std::shared_ptr<outlook::MailItem>&, bool& /*cancel*/,
                                 const std::shared_ptr<outlook::Item>& /*response*/) {}
    // Reply checks: deletes a user property of that name (saving the item) when present;
    // called when the reply's window applies the pending removals.
    virtual void DeleteUserProperties(AddinProcess&, const std::shared_ptr<outlook::Item>&,
                                      const std::string& /*name*/) {}

    // ---- address resolution
    // The SMTP address of the recipient at a 1-based position, "" when none is found.
    virtual std::string RecipientEmail(AddinProcess&, const std::shared_ptr<outlook::Item>&, int /*index*/) {
        return "";
    }
    // Whether the item can no longer be used (reading its EntryID fails).
    virtual bool EntryIdFails(AddinProcess&, const std::shared_ptr<outlook::Item>&) { return false; }
    // Drops the access component's cached MAPI state (after the send event failed).
    virtual void ResetMapiUtils(AddinProcess&) {}

    // ---- Word as the editor
    // Loads the template into the Inspector's Word (when a wrapper is made or first activated).
    virtual void LoadAddin(AddinProcess&, const std::shared_ptr<outlook::Inspector>&,
                           const std::string& /*templateName*/) {}
    // Marks the template unchanged (on every activation of a Word-edited window).
    virtual void TemplateMarkSaved(AddinProcess&, const std::shared_ptr<outlook::Inspector>&,
                                   const std::string& /*templateName*/) {}
    // Outlook 2002 at build 6515 or later.
    virtual bool IsOutlook2002LateBuild(AddinProcess&) { return false; }

    // ---- when the message window sends
    virtual void cvEmptySubjectCheck(AddinProcess&, const std::shared_ptr<outlook::Item>&, bool& /*cancel*/) {}
    virtual void cvAttachMissingCheck(AddinProcess&, const std::shared_ptr<outlook::Item>&, bool& /*cancel*/) {}

    // ---- when Outlook sends the item
    // Send confirmation: whether a box was shown and what was answered.
    virtual Confirmation ConfirmSend(AddinProcess&, const std::shared_ptr<outlook::Item>&) {
        return Confirmation::NotAsked;
    }
    // Recipient-count confirmation: false when the user answered No.
    virtual bool ConfirmRecipientCount(AddinProcess&, const std::shared_ptr<outlook::Item>&) { return true; }
    // Delayed sending.
    virtual void cvDelayEmailSending(AddinProcess&, const std::shared_ptr<outlook::Item>&, bool& /*cancel*/) {}
    // Preferred account: whether the first recipient is in the list; its address comes back.
    virtual bool IsFirstRecipientListed(AddinProcess&, const std::shared_ptr<outlook::Item>&,
                                        std::string& /*address*/) {
        return false;
    }
    // Preferred account: the account stored for an address, "" when not listed.
    virtual std::string PrefAccountFor(AddinProcess&, const std::string& /*address*/) { return ""; }
    // Preferred account: how many mail accounts the profile has.
    virtual int OrderedAccountsCount(AddinProcess&) { return 0; }
    // Preferred account: the message telling that a preferred account has gone.
    virtual std::string PrefAcctMissingMessage(AddinProcess&, const std::string& /*account*/,
                                               const std::string& /*address*/) {
        return "";
    }
    // Preferred account: the account-selection dialog (shown, read and unloaded); returns
    // its result: "", "CANCEL" or the account to send from.
    virtual std::string ShowSelectSendAcct(AddinProcess&, const std::string& /*currentAccount*/,
                                           const std::string& /*prefAccount*/, const std::string& /*address*/) {
        return "";
    }
    // Address list dialogs: the offer to add an unlisted first recipient.
    virtual void ShowAddEmailToList(AddinProcess&, const std::string& /*address*/, const std::string& /*account*/) {}
    // Address list dialogs: the edit dialog asking for a replacement preferred account.
    virtual void ShowEmailAddressEdit(AddinProcess&, const std::string& /*account*/,
                                      const std::string& /*message*/, const std::string& /*address*/) {}
};

}  // namespace corvane::core
