// The export: the settings file's layout, written in the ANSI code page and put in place
// in one step, and the wizard's "Export Settings" with its folder chooser and messages.
#include <array>
#include <string>

#include "corvane/platform/conventions.h"
#include "corvane/platform/error.h"
#include "corvane/platform/file_system.h"
#include "corvane/settings/setting_keys.h"
#include "corvane/settingsfile/mod_load_settings.h"
#include "corvane/text/code_page.h"
#include "corvane/text/text.h"

namespace corvane::settingsfile::modLoadSettings {

namespace {

namespace keys = settings::keys;

// The settings the export writes, in its order; IgnoreTextValue stands between its
// markers.
constexpr std::array<std::string_view, 35> ExportedSettings = {
    keys::AttachKeyWords,
    keys::AutoDelayAll,
    keys::AutoRemoveSpamWords,
    keys::CheckAttachMissing,
    keys::CheckEmptySubject,
    keys::CheckMultipleReFwd,
    keys::ConfirmEmailAddrs,
    keys::ConfirmForXRecipients,
    keys::DelayedEmailAddrs,
    keys::DelayEmails,
    keys::DelayTime,
    keys::DisplayConfirmation,
    keys::DomainName,
    keys::DoNotShowSelect,
    keys::EmailList,
    keys::IntroEmailCreated,
    keys::IgnoreAttach,
    keys::IgnoreAttachValue,
    keys::IgnoreText,
    keys::IgnoreTextValue,
    keys::MsgAddAddress,
    keys::NotifyBeforeDelaying,
    keys::OldEmailDays,
    keys::PlaySound,
    keys::PromptReplyOnOlderEmails,
    keys::RemoveSpamWords,
    keys::ReplyALL_BCC,
    keys::ReplyAllAny,
    keys::ReplyAllAutoRemove,
    keys::ReplyInternalCheck,
    keys::ReplyMultiple,
    keys::ShowStartupWizard,
    keys::SpamKeyWords,
    keys::UseOutlookSettings,
    keys::XRecipients,
};

constexpr std::string_view Heading =
    "' Corvane Settings\r\n"
    "' ===================\r\n"
    "'\r\n"
    "' If SettingsID is nothing or different than the one provided last time, then these\r\n"
    "' settings will be applied to the Corvane settings on the destination users.\r\n"
    "' If the SettingsID is same as the last time, the Settings will not be applied.\r\n"
    "'\r\n";

void AddLine(std::string& out, std::string_view a, std::string_view b = {}, std::string_view c = {}) {
    out.append(a).append(b).append(c).append(text::CrLf);
}

}  // namespace

std::string SettingsFileText(const settings::SettingStore& store) {
    std::string out(Heading);
    const std::string id = store.GetSetting(keys::SettingsID);
    AddLine(out, "SettingsID=", id.empty() ? "100" : id);
    AddLine(out, "'");
    for (const std::string_view key : ExportedSettings) {
        const std::string value = store.GetSetting(key);
        if (key == keys::IgnoreTextValue)
            AddLine(out, "IgnoreTextValue=<CVSig>", value, "</CVSig>");
        else
            AddLine(out, key, "=", value);
    }
    AddLine(out, "'");
    AddLine(out, "'[Enable Fields]");
    AddLine(out, "Password=", store.GetSetting(keys::Password));
    for (const std::string& item : text::split(store.GetSetting(keys::LockFields))) AddLine(out, item);
    AddLine(out, "'[/Enable Fields]");
    AddLine(out, "'");
    return out;
}

bool WriteSettingsFile(core::AddinProcess& p, std::string_view folder) {
    return platform::IgnoreErrors([&] {
        const std::string path = std::string(folder) + std::string(FileName);
        const unsigned codePage = p.host.system.ansiCodePage();
        const auto bytes = text::toCodePage(SettingsFileText(p.store()), codePage);
        if (!bytes)
            throw platform::PlatformError(platform::errors::InvalidCall,
                                          ": code page " + std::to_string(codePage) + " is not known");
        // The new file replaces the old one whole, or the old one stays as it was.
        p.host.files.writeFile(path, *bytes);
    });
}

std::string ChooseFolder(core::AddinProcess& p, std::string_view prompt) {
    return p.host.ui.browseForFolder(prompt).value_or(std::string());
}

void ExportSettings(core::AddinProcess& p) {
    std::string folder = ChooseFolder(p, ChooseFolderPrompt);
    if (folder.empty()) return;
    if (folder.back() != '\\') folder += '\\';
    const std::string path = folder + std::string(FileName);
    const std::string title = "Export " + p.appTitle + " settings";
    if (WriteSettingsFile(p, folder))
        platform::ShowMessageBox(p.host.ui,
                                 "Corvane settings have been saved in a .ini file at" + std::string(text::CrLf) + path,
                                 platform::mb::InformationOk, title);
    else
        platform::ShowMessageBox(p.host.ui, "Corvane settings could not be saved at" + std::string(text::CrLf) + path,
                                 platform::mb::CriticalOk, title + " - Error");
}

}  // namespace corvane::settingsfile::modLoadSettings
