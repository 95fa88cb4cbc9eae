#include "settings_demo.h"

#include <functional>
#include <iomanip>
#include <string>
#include <vector>

#include "console_ui.h"
#include "corvane/settings/basPreInitializeSetup.h"
#include "corvane/settings/modRegKeys.h"
#include "corvane/settings/prompt_sound.h"
#include "corvane/settings/setting_keys.h"
#include "corvane/sim/registry.h"

namespace corvane::app {

namespace {

using platform::Hive;
using settings::modRegKeys;

struct Row {
    const char* key;
    std::function<std::string(const modRegKeys&)> read;
};

std::string yesNo(bool b) { return b ? "true" : "false"; }

#define FLAG(k) Row{#k, [](const modRegKeys& m) { return yesNo(m.k()); }}
#define CHOICE(k) Row{#k, [](const modRegKeys& m) { return std::to_string(m.k()); }}
#define TEXT(k) Row{#k, [](const modRegKeys& m) { return "\"" + m.k() + "\""; }}

std::vector<Row> accessorRows() {
    return {FLAG(ReplyMultiple),       FLAG(ReplyALL_BCC),         FLAG(ReplyAllAny),
            FLAG(ReplyInternalCheck),  TEXT(DomainName),           FLAG(ReplyAllAutoRemove),
            FLAG(PlaySound),           FLAG(CheckEmptySubject),    FLAG(RemoveSpamWords),
            CHOICE(AutoRemoveSpamWords), TEXT(SpamKeyWords),       FLAG(CheckMultipleReFwd),
            FLAG(PromptReplyOnOlderEmails), TEXT(OldEmailDays),    FLAG(CheckAttachMissing),
            TEXT(AttachKeyWords),      FLAG(IgnoreText),           FLAG(IgnoreAttach),
            CHOICE(MsgAddAddress),     CHOICE(DoNotShowSelect),    CHOICE(DisplayConfirmation),
            TEXT(ConfirmEmailAddrs),   FLAG(ConfirmForXRecipients), TEXT(XRecipients),
            FLAG(DelayEmails),         TEXT(DelayTime),            CHOICE(AutoDelayAll),
            TEXT(DelayedEmailAddrs),   FLAG(NotifyBeforeDelaying), FLAG(UseOutlookSettings),
            TEXT(EmailList)};
}
#undef FLAG
#undef CHOICE
#undef TEXT

std::string rowValue(const modRegKeys& m, std::string_view key) {
    for (const auto& r : accessorRows())
        if (key == r.key) return r.read(m);
    return "?";
}

void heading(std::ostream& out, std::string_view text) {
    out << "\n== " << text << " ==\n";
}

}  // namespace

int runSettingsDemo(std::ostream& out) {
    sim::SimRegistry registry;
    ConsoleUi ui(out);
    settings::SettingStore store(registry);
    modRegKeys options(store, [] { return std::string("pat@work.example;pat@home.example"); });
    const std::string title = "Corvane";

    out << "Corvane keeps every option as a text value under HKEY_CURRENT_USER\\"
        << settings::UserSettingsPath << ".\n"
        << "Each option is read from the registry when it is used; nothing is cached.\n";

    heading(out, "A fresh user: nothing stored, every option reads its default");
    for (const auto& r : accessorRows())
        out << "  " << std::left << std::setw(26) << r.key << r.read(options) << "\n";
    out << "  (EmailList comes from the Outlook accounts while it has never been stored.)\n";

    heading(out, "An administrator places a machine-wide preset");
    registry.setString(Hive::LocalMachine, settings::PresetKeyPath, "PreSetupID", "2026-Q1");
    registry.setString(Hive::LocalMachine, settings::PresetKeyPath, "PlaySound", "True");
    registry.setDword(Hive::LocalMachine, settings::PresetKeyPath, "XRecipients", 10);
    registry.setString(Hive::LocalMachine, settings::PresetKeyPath, "SpamKeyWords", "");
    out << "  HKLM\\" << settings::PresetKeyPath
        << ": PreSetupID=\"2026-Q1\", PlaySound=\"True\", XRecipients=dword:10, SpamKeyWords=\"\"\n";
    out << "  Start-up copies it (InitializeSetup):\n";
    settings::InitializeSetup(registry, ui, title);
    for (const char* key : {"PreSetupID", "PlaySound", "XRecipients", "SpamKeyWords"})
        out << "    stored " << std::left << std::setw(14) << key << "\"" << store.GetSetting(key) << "\"\n";
    out << "  Read back: PlaySound " << rowValue(options, "PlaySound") << ", XRecipients "
        << options.XRecipients() << " (the DWORD's \"&H\" text is a number), SpamKeyWords "
        << rowValue(options, "SpamKeyWords") << " (a stored empty list, not the default)\n";
    out << "  A prompt now beeps:\n";
    settings::PlayPromptSound(store, ui);

    out << "  The user turns the sound off; the next start-up sees the same PreSetupID and copies nothing:\n";
    options.PlaySound(0);
    settings::InitializeSetup(registry, ui, title);
    out << "    PlaySound " << rowValue(options, "PlaySound") << "\n";
    out << "  The user also sets DomainName \"pat.example\". The administrator rolls out PreSetupID\n"
        << "  \"2026-Q2\": the preset's values are copied again, the others stay:\n";
    options.DomainName(" pat.example ");
    registry.setString(Hive::LocalMachine, settings::PresetKeyPath, "PreSetupID", "2026-Q2");
    settings::InitializeSetup(registry, ui, title);
    out << "    PlaySound " << rowValue(options, "PlaySound") << ", DomainName (not in the preset) "
        << rowValue(options, "DomainName") << "\n";
    out << "  A PreSetupID stored as a DWORD reads as 7 but is copied as \"&H00000007\", so it never\n"
        << "  matches and the preset is applied at every start-up:\n";
    registry.setDword(Hive::LocalMachine, settings::PresetKeyPath, "PreSetupID", 7);
    settings::InitializeSetup(registry, ui, title);
    options.PlaySound(0);
    settings::InitializeSetup(registry, ui, title);
    out << "    user's PreSetupID \"" << store.GetSetting("PreSetupID") << "\", PlaySound after the user's change "
        << rowValue(options, "PlaySound") << "\n";
    out << "  When the machine key cannot be opened for reading its values:\n";
    registry.setString(Hive::LocalMachine, settings::PresetKeyPath, "PreSetupID", "2026-Q3");
    registry.failOpen(Hive::LocalMachine, std::string(settings::PresetKeyPath), 1);
    settings::InitializeSetup(registry, ui, title);

    heading(out, "Hand-edited values are repaired when read (and never written back)");
    struct Edit {
        const char* key;
        const char* stored;
        const char* why;
    };
    for (const Edit& e : std::vector<Edit>{
             {"OldEmailDays", "7.9", "cut down to a whole number"},
             {"OldEmailDays", " 14 ", "blanks are trimmed"},
             {"OldEmailDays", "-3", "below 1: the default"},
             {"XRecipients", "many", "not a number: the default"},
             {"ReplyMultiple", "false", "only \"False\" exactly turns it off"},
             {"ConfirmForXRecipients", "true", "only \"True\" exactly turns it on"},
             {"DelayTime", "", "empty is no delay"},
             {"AutoRemoveSpamWords", "", "anything but \"0\" means automatic"},
             {"DisplayConfirmation", "3", "only 1 and 2 are known"},
             {"EmailList", "KeyNotInReg", "the missing-key marker itself counts as missing"},
         }) {
        store.SaveSetting(e.key, e.stored);
        out << "  " << std::left << std::setw(22) << e.key << std::setw(15)
            << ("\"" + std::string(e.stored) + "\"") << "reads " << rowValue(options, e.key) << "  ("
            << e.why << ")\n";
    }
    out << "  A greyed check box (state 2) is stored as \"False\": ";
    options.CheckEmptySubject(2);
    out << "CheckEmptySubject = \"" << store.GetSetting(settings::keys::CheckEmptySubject) << "\"\n";
    return 0;
}

}  // namespace corvane::app
