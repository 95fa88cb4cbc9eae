#pragma once
// A profile of the simulated host as people write it (docs/profiles.md): the Outlook
// mailbox (address book, the user, accounts, stores, folders and items, the windows open
// at start), the registry values and the files around the add-in. The model keeps the
// references as written (addresses, names, item ids, folder paths) and where each thing
// was written, so that a reference to nothing is refused with its file and line when the
// profile is built. Reading and writing profile files: profile_file.h (YAML, not in the
// Windows build, where profiles are built in code).
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "corvane/platform/datetime.h"
#include "corvane/platform/registry.h"
#include "corvane/profile/where.h"

namespace corvane::profile {

struct ProfileEntry {
    Where at;
    std::string name;
    std::string type = "SMTP";  // SMTP, EX, MAPIPDL or any other address type
    std::string smtp;           // the SMTP address (PR_SMTP_ADDRESS for other types)
    std::string address;        // as the type writes it; defaults by type
    std::string alias;          // Exchange alias
    std::vector<std::string> proxies;
    std::optional<int> displayType;                   // defaults by type
    std::optional<std::vector<std::string>> members;  // a distribution list: entries written before it
};

struct ProfileAccount {
    Where at;
    std::string name;
    std::string smtp;
    int type = 2;  // outlook::olaccount: Exchange 0, IMAP 1, POP3 2, HTTP 3, other 5
    std::string userName;
};

// A recipient or sender as written: an address-book entry by its SMTP address or its name,
// "Name <address>" for someone outside the address book, or a typed text that Outlook
// resolves when it can (`typed`).
struct ProfileAddress {
    std::string text;
    bool typed = false;
};

struct ProfileAttachment {
    std::string fileName;
    std::string contentId;
    std::string displayName;
};

struct ProfileItem {
    Where at;
    std::string id;  // how scenarios name it; empty when it has none
    int objectClass = 43;
    std::string messageClass;
    std::string subject;
    std::string body;
    std::string html;
    std::optional<ProfileAddress> from;
    std::optional<ProfileAddress> onBehalfOf;
    std::vector<ProfileAddress> to;
    std::vector<ProfileAddress> cc;
    std::vector<ProfileAddress> bcc;
    std::vector<ProfileAddress> replyTo;
    std::optional<platform::DateTime> received;
    std::optional<platform::DateTime> sentOn;
    std::optional<platform::DateTime> deferredDelivery;
    bool draft = false;
    bool unread = false;
    std::vector<ProfileAttachment> attachments;
    std::vector<std::pair<std::string, std::string>> userProperties;
    std::string fullName;  // contact
    std::string email;     // contact
};

struct ProfileFolder {
    Where at;
    std::string path;  // "Inbox/Projects", below the store's root
    std::vector<ProfileItem> items;
};

struct ProfileStore {
    Where at;
    std::string name;
    int kind = 2;       // mapi::storekind
    std::string owner;  // an address-book entry; "" for none
    bool defaultFolders = true;
    bool isDefault = false;
    std::vector<ProfileFolder> folders;
};

// A change of the registry: a value set (or deleted when `value` is empty), or, without
// a value name, a key created (or deleted with everything below it).
struct RegistryEdit {
    Where at;
    platform::Hive hive = platform::Hive::CurrentUser;
    std::string key;
    std::optional<std::string> valueName;
    std::optional<platform::RegValue> value;
    bool deleteKey = false;
};

// A file set (or removed when `content` is empty). Paths are Windows paths.
struct FileEdit {
    Where at;
    std::string path;
    std::optional<std::string> content;
};

// A Windows folder that exists on the simulated disk.
struct DirectoryEdit {
    Where at;
    std::string path;
};

struct ProfileWindows {
    Where at;
    bool given = false;
    std::vector<std::string> explorers;   // folder paths
    std::vector<std::string> inspectors;  // item ids
};

struct Profile {
    std::string file;  // where it was read from, for messages
    std::vector<ProfileEntry> addressBook;
    std::optional<std::string> user;
    Where userAt;
    std::vector<ProfileAccount> accounts;
    std::vector<ProfileStore> stores;    // when empty: one mailbox with default folders
    std::vector<ProfileFolder> folders;  // of the default store
    ProfileWindows windows;
    std::vector<RegistryEdit> registry;
    std::vector<FileEdit> files;  // full Windows paths
    std::vector<DirectoryEdit> directories;
};

// "SOFTWARE\X" under a hive name: "HKCU", "HKEY_CURRENT_USER", "HKLM", "HKEY_LOCAL_MACHINE".
std::optional<platform::Hive> HiveNamed(std::string_view name);
std::string HiveName(platform::Hive hive);  // "HKCU" / "HKLM"

}  // namespace corvane::profile
