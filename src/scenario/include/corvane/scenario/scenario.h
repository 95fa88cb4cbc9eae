#pragma once
// A scenario as docs/scenarios.md describes it: the Outlook, the machine, the clock and
// the profile it starts from, then the user's steps, each with the prompts it must raise
// and how they are answered, and expectations on what results.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "corvane/platform/datetime.h"
#include "corvane/profile/profile.h"
#include "corvane/sim/item.h"
#include "corvane/sim/item_parts.h"
#include "corvane/simhost/sim_http.h"
#include "corvane/simhost/sim_system_info.h"
#include "corvane/simhost/ui_script.h"

namespace corvane::scenario {

using profile::Where;

// Expectations ------------------------------------------------------------------------

struct RecipientExpect {
    std::string text;         // a name, an address, or "Name <address>"
    std::optional<int> type;  // olrecipient To 1, CC 2, BCC 3
};

struct ItemExpect {
    Where at;
    std::string id;
    std::optional<bool> exists;
    std::optional<bool> open;
    std::optional<bool> unread;
    std::optional<bool> sent;
    std::optional<std::string> subject;
    std::optional<std::string> body;
    std::optional<std::string> bodyContains;
    std::optional<std::string> to;
    std::optional<std::string> cc;
    std::optional<std::string> bcc;
    std::optional<std::vector<RecipientExpect>> recipients;
    std::vector<std::pair<std::string, std::optional<std::string>>> userProperties;  // nothing: absent
    std::optional<platform::DateTime> deferredDelivery;                              // DateTime::none() for none
    std::optional<std::string> folder;                                               // "none" when in no folder
    std::optional<std::string> account;
    std::optional<std::vector<std::string>> attachments;
};

struct FolderExpect {
    Where at;
    std::string path;
    std::optional<bool> exists;
    std::optional<int> count;
    std::optional<std::vector<std::string>> subjects;
    std::optional<std::vector<std::string>> bodies;  // every item's plain-text body, in order
    std::optional<int> unread;                       // how many items are unread
};

// A registry value (or, without a value name, a key) that must be so, or be missing.
struct RegistryExpect {
    Where at;
    platform::Hive hive = platform::Hive::CurrentUser;
    std::string key;
    std::optional<std::string> valueName;
    std::optional<platform::RegValue> value;  // nothing: missing
    bool keyExists = false;                   // without a value name: the key must exist (else be missing)
};

struct FileExpect {
    Where at;
    std::string path;
    std::optional<std::string> content;
    std::optional<std::string> contains;
    // The file's text in the machine's ANSI code page, line by line (each ended by CR LF).
    std::optional<std::vector<std::string>> lines;
    bool absent = false;
};

struct SentExpect {
    Where at;
    std::optional<std::string> subject;
    std::optional<std::string> account;
    std::optional<std::vector<std::string>> to;
    std::optional<std::vector<std::string>> cc;
    std::optional<std::vector<std::string>> bcc;
    std::optional<platform::DateTime> deferredDelivery;
};

struct Expectations {
    std::vector<ItemExpect> items;
    std::vector<FolderExpect> folders;
    std::vector<RegistryExpect> registry;
    std::vector<FileExpect> files;
    std::optional<std::vector<SentExpect>> sent;
    Where sentAt;
    std::vector<std::pair<Where, std::string>> transcriptContains;
    std::vector<std::pair<Where, std::string>> transcriptLacks;
    Where outlookAt;
    std::optional<bool> running;
    std::optional<bool> addinConnected;
    std::optional<int> explorers;
    std::optional<int> inspectors;
    std::optional<int> applicationSinks;              // sinks connected to the Application's events
    std::optional<std::vector<std::string>> menuBar;  // the menu bar's items, as paths
};

// Steps -------------------------------------------------------------------------------

namespace step {

struct Start {
    std::optional<std::vector<std::string>> explorers;   // folder paths; nothing: the profile's
    std::optional<std::vector<std::string>> inspectors;  // item ids
    bool addin = true;
};
struct Connect {
    int mode = 0;  // ext_ConnectMode: AfterStartup 0, Startup 1, External 2, CommandLine 3
};
struct Disconnect {
    int removeMode = 1;  // ext_DisconnectMode: HostShutdown 0, UserClosed 1
};
struct Quit {};
struct OpenExplorer {
    std::string folder = "Inbox";
};
struct CloseExplorer {
    std::optional<int> index;  // from 1 in Outlook's Explorers; nothing: the active one
};
struct Open {
    std::optional<std::string> item;  // nothing: the first selected item of the active explorer
};
struct Close {
    std::string item;
};
struct Activate {
    std::optional<std::string> item;
    std::optional<int> explorer;
};
struct Select {
    std::vector<std::string> items;
};
struct SwitchFolder {
    std::string folder;
};
struct Respond {
    sim::ResponseKind kind = sim::ResponseKind::Reply;
    std::optional<std::string> item;      // given: from the item's Inspector; else the active explorer
    std::optional<std::string> selected;  // the selected item answered (else the first selected)
};
struct Edit {
    std::string item;
    std::optional<std::string> subject;
    std::optional<std::string> body;
    std::optional<std::string> html;
    std::optional<std::vector<std::string>> to;
    std::optional<std::vector<std::string>> cc;
    std::optional<std::vector<std::string>> bcc;
    std::vector<std::pair<int, std::string>> add;  // recipient type, typed text
    std::vector<std::string> removeRecipients;     // a name, an address, or "#n"
    std::vector<sim::AttachmentSpec> attachments;
    std::vector<std::string> removeAttachments;
    std::optional<platform::DateTime> deferredDelivery;
    std::vector<std::pair<std::string, std::optional<std::string>>> userProperties;
};
struct NewMail {
    Edit edit;  // its item is the new mail
};
struct Send {
    std::string item;
    std::optional<std::string> outcome;  // sent, queued, cancelled or refused
};
// Another program sends a message through Outlook's object model, without a window: an
// existing item, or (without item) a new mail it writes with `edit`.
struct SendFromProgram {
    std::optional<std::string> item;
    Edit edit;
    std::optional<std::string> outcome;
};
// Another program takes hold of Outlook (starting it without a window when it is not
// running), or lets go of it.
struct Hold {};
struct Release {};
struct ContextMenu {};
struct Ribbon {
    std::string id;
};
struct Menu {
    std::vector<std::string> captions;
};
struct Http {
    simhost::HttpReply reply;
};
struct Clock {
    std::optional<std::int64_t> advance;
    std::optional<platform::DateTime> set;
};
struct Change {
    std::vector<profile::RegistryEdit> registry;
    std::vector<profile::FileEdit> files;
    std::vector<profile::DirectoryEdit> directories;
};
struct Expect {
    Expectations what;
};

}  // namespace step

using Action =
    std::variant<step::Start, step::Connect, step::Disconnect, step::Quit, step::OpenExplorer, step::CloseExplorer,
                 step::Open, step::Close, step::Activate, step::Select, step::SwitchFolder, step::Respond,
                 step::NewMail, step::Edit, step::Send, step::SendFromProgram, step::Hold, step::Release,
                 step::ContextMenu, step::Ribbon, step::Menu, step::Http, step::Clock, step::Change, step::Expect>;

struct Step {
    Where at;
    int number = 0;    // from 1
    std::string kind;  // the action's key: "reply_all"
    Action action;
    std::vector<simhost::UiStep> prompts;
    std::string as;  // the id the message this step opens goes by from here on
    std::vector<std::string> notes;
};

struct OutlookSetup {
    std::string version = "11.0.0.8010";
    bool wordEditor = false;
};

struct Scenario {
    Where at;
    std::string name;
    std::string description;
    OutlookSetup outlook;
    platform::DateTime clock = platform::DateTime::fromCivil(2026, 3, 2, 9);
    simhost::SystemSettings system;
    // The profile, with the scenario's own registry values and files after its own.
    profile::Profile profile;
    std::vector<Step> steps;
};

// The ProgId under which the add-in's connection class is registered.
inline constexpr const char* AddinProgId = "Corvane.Connect";

}  // namespace corvane::scenario
