// Reading a profile file (docs/profiles.md) into the profile model.
#include <algorithm>
#include <set>

#include "corvane/platform/file_system.h"
#include "corvane/profile/profile_file.h"
#include "corvane/simhost/sim_system_info.h"
#include "profile_internal.h"

namespace corvane::profile {

namespace {

using namespace detail;

ProfileAddress parseAddress(const YamlInput& in, const YAML::Node& node, const std::string& what) {
    if (node.IsMap()) {
        YamlMap map(in, node, what);
        ProfileAddress a{in.text(map.require("typed"), what + " (typed)"), true};
        map.done();
        return a;
    }
    ProfileAddress a{in.text(node, what), false};
    if (a.text.empty()) in.fail(node, what + " is empty");
    return a;
}

std::vector<ProfileAddress> parseAddresses(const YamlInput& in, const YAML::Node& node, const std::string& what) {
    std::vector<ProfileAddress> out;
    if (!node.IsSequence()) {
        out.push_back(parseAddress(in, node, what));
        return out;
    }
    for (const auto& element : node) out.push_back(parseAddress(in, element, "each of " + what));
    return out;
}

ProfileAttachment parseAttachment(const YamlInput& in, const YAML::Node& node, const std::string& what) {
    if (!node.IsMap()) return {in.text(node, what), "", ""};
    YamlMap map(in, node, what);
    ProfileAttachment a;
    a.fileName = in.text(map.require("name"), "the name of " + what);
    if (auto v = map.get("content_id")) a.contentId = in.text(*v, "the content_id of " + what);
    if (auto v = map.get("display_name")) a.displayName = in.text(*v, "the display_name of " + what);
    map.done();
    return a;
}

ProfileItem parseItem(const YamlInput& in, const YAML::Node& node, const std::string& folder) {
    ProfileItem item;
    item.at = in.at(node);
    YamlMap map(in, node, "an item of folder " + inQuotes(folder));
    if (auto v = map.get("id")) {
        item.id = in.text(*v, "the id of an item");
        if (item.id.empty()) in.fail(*v, "an item id must not be empty");
    }
    const std::string self = item.id.empty() ? "the item at line " + std::to_string(item.at.line) : "item " + item.id;
    if (auto v = map.get("class")) item.objectClass = ClassNumbers[in.choice(*v, "the class of " + self, ClassWords)];
    if (auto v = map.get("message_class")) item.messageClass = in.text(*v, "the message_class of " + self);
    if (auto v = map.get("subject")) item.subject = in.text(*v, "the subject of " + self);
    if (auto v = map.get("body")) item.body = in.text(*v, "the body of " + self);
    if (auto v = map.get("html")) item.html = in.text(*v, "the html of " + self);
    if (auto v = map.get("from")) item.from = parseAddress(in, *v, "the sender of " + self);
    if (auto v = map.get("on_behalf_of")) item.onBehalfOf = parseAddress(in, *v, "on_behalf_of of " + self);
    if (auto v = map.get("to")) item.to = parseAddresses(in, *v, "the to recipients of " + self);
    if (auto v = map.get("cc")) item.cc = parseAddresses(in, *v, "the cc recipients of " + self);
    if (auto v = map.get("bcc")) item.bcc = parseAddresses(in, *v, "the bcc recipients of " + self);
    if (auto v = map.get("reply_to")) item.replyTo = parseAddresses(in, *v, "reply_to of " + self);
    if (auto v = map.get("received")) item.received = in.time(*v, "the received time of " + self);
    if (auto v = map.get("sent_on")) item.sentOn = in.time(*v, "the sent_on time of " + self);
    if (auto v = map.get("deferred_delivery")) {
        if (v->IsScalar() && v->Scalar() == "none") {
            item.deferredDelivery = platform::DateTime::none();
        } else {
            item.deferredDelivery = in.time(*v, "the deferred_delivery of " + self);
        }
    }
    if (auto v = map.get("draft")) item.draft = in.boolean(*v, "draft of " + self);
    if (auto v = map.get("unread")) item.unread = in.boolean(*v, "unread of " + self);
    if (auto v = map.get("attachments")) {
        in.requireSequence(*v, "the attachments of " + self);
        for (const auto& a : *v) item.attachments.push_back(parseAttachment(in, a, "an attachment of " + self));
    }
    if (auto v = map.get("user_properties")) {
        YamlMap props(in, *v, "the user_properties of " + self);
        for (const auto& [name, value] : props.entries())
            item.userProperties.emplace_back(name, in.text(value, "user property " + inQuotes(name) + " of " + self));
    }
    if (auto v = map.get("full_name")) item.fullName = in.text(*v, "the full_name of " + self);
    if (auto v = map.get("email")) item.email = in.text(*v, "the email of " + self);
    map.done();
    if (item.draft && (item.received || item.sentOn))
        in.fail(node, self + " is a draft and cannot have a received or sent_on time");
    return item;
}

std::vector<ProfileFolder> parseFolders(const YamlInput& in, const YAML::Node& node, const std::string& what) {
    std::vector<ProfileFolder> out;
    YamlMap map(in, node, what);
    auto keys = map.keyNodes();
    for (std::size_t i = 0; i < map.entries().size(); ++i) {
        const auto& [path, items] = map.entries()[i];
        ProfileFolder folder;
        folder.at = in.at(keys[i]);
        folder.path = path;
        if (path.empty() || path.front() == '/' || path.back() == '/' || path.find("//") != std::string::npos)
            in.fail(keys[i],
                    "the folder path " + inQuotes(path) + " must name folders joined by \"/\", as Inbox/Projects");
        if (!items.IsNull()) {
            in.requireSequence(items, "the items of folder " + inQuotes(path));
            for (const auto& item : items) folder.items.push_back(parseItem(in, item, path));
        }
        out.push_back(std::move(folder));
    }
    return out;
}

ProfileEntry parseEntry(const YamlInput& in, const YAML::Node& node) {
    ProfileEntry e;
    e.at = in.at(node);
    YamlMap map(in, node, "an address book entry");
    e.name = in.text(map.require("name"), "the name of an address book entry");
    const std::string self = "address book entry " + inQuotes(e.name);
    if (auto v = map.get("type")) e.type = in.text(*v, "the type of " + self);
    if (auto v = map.get("smtp")) e.smtp = in.text(*v, "the smtp address of " + self);
    if (auto v = map.get("address")) e.address = in.text(*v, "the address of " + self);
    if (auto v = map.get("alias")) e.alias = in.text(*v, "the alias of " + self);
    if (auto v = map.get("proxies")) e.proxies = in.texts(*v, "the proxies of " + self);
    if (auto v = map.get("display_type"))
        e.displayType = static_cast<int>(in.integer(*v, "the display_type of " + self, 0, 6));
    if (auto v = map.get("members")) e.members = in.texts(*v, "the members of " + self);
    map.done();
    if (e.type.empty()) in.fail(node, "the type of " + self + " is empty");
    if (e.type == "SMTP" && e.smtp.empty() && e.address.empty()) in.fail(node, self + " needs its smtp address");
    if (e.type == "SMTP" && e.members) in.fail(node, self + " is an SMTP entry and cannot have members");
    if (e.type == "MAPIPDL" && !e.members) in.fail(node, self + " is a personal distribution list and needs members");
    return e;
}

ProfileAccount parseAccount(const YamlInput& in, const YAML::Node& node) {
    ProfileAccount a;
    a.at = in.at(node);
    YamlMap map(in, node, "an account");
    a.name = in.text(map.require("name"), "the name of an account");
    const std::string self = "account " + inQuotes(a.name);
    a.smtp = in.text(map.require("smtp"), "the smtp address of " + self);
    if (auto v = map.get("type")) a.type = AccountNumbers[in.choice(*v, "the type of " + self, AccountWords)];
    if (auto v = map.get("user_name")) a.userName = in.text(*v, "the user_name of " + self);
    map.done();
    return a;
}

ProfileStore parseStore(const YamlInput& in, const YAML::Node& node) {
    ProfileStore s;
    s.at = in.at(node);
    YamlMap map(in, node, "a store");
    s.name = in.text(map.require("name"), "the name of a store");
    const std::string self = "store " + inQuotes(s.name);
    if (auto v = map.get("kind")) s.kind = static_cast<int>(in.choice(*v, "the kind of " + self, StoreWords));
    if (auto v = map.get("owner")) s.owner = in.text(*v, "the owner of " + self);
    if (auto v = map.get("default_folders")) s.defaultFolders = in.boolean(*v, "default_folders of " + self);
    if (auto v = map.get("default")) s.isDefault = in.boolean(*v, "default of " + self);
    if (auto v = map.get("folders")) s.folders = parseFolders(in, *v, "the folders of " + self);
    map.done();
    return s;
}

ProfileWindows parseWindows(const YamlInput& in, const YAML::Node& node) {
    ProfileWindows w;
    w.at = in.at(node);
    w.given = true;
    YamlMap map(in, node, "windows");
    if (auto v = map.get("explorers")) {
        if (v->IsScalar()) {
            auto n = in.integer(*v, "the number of explorers", 0, 20);
            w.explorers.assign(static_cast<std::size_t>(n), "Inbox");
        } else {
            w.explorers = in.texts(*v, "the explorers (folder paths)");
        }
    } else {
        w.explorers = {"Inbox"};
    }
    if (auto v = map.get("inspectors")) w.inspectors = in.texts(*v, "the inspectors (item ids)");
    map.done();
    return w;
}

platform::RegValue parseRegValue(const YamlInput& in, const YAML::Node& node, const std::string& name,
                                 const std::string& what) {
    if (!node.IsMap()) return platform::RegValue::string(name, in.text(node, what));
    YamlMap map(in, node, what);
    platform::RegValue value;
    if (auto v = map.get("dword")) {
        value = platform::RegValue::dwordValue(name,
                                               static_cast<std::uint32_t>(in.integer(*v, what, 0, 0xFFFFFFFFLL)));
    } else if (auto t = map.get("sz")) {
        value = platform::RegValue::string(name, in.text(*t, what));
    } else if (auto h = map.get("hex")) {
        value.name = name;
        value.type = platform::regtype::Binary;
        if (auto type = map.get("type"))
            value.type = static_cast<std::uint32_t>(in.integer(*type, what + " (type)", 0, 0xFFFF));
        const std::string bytes = in.text(*h, what);
        std::size_t i = 0;
        while (i < bytes.size()) {
            if (bytes[i] == ',' || bytes[i] == ' ') {
                ++i;
                continue;
            }
            auto hexDigit = [&](char c) -> int {
                if (c >= '0' && c <= '9') return c - '0';
                if (c >= 'a' && c <= 'f') return c - 'a' + 10;
                if (c >= 'A' && c <= 'F') return c - 'A' + 10;
                in.fail(*h, what + " must be bytes in hex, as \"01,ff,2a\"");
            };
            if (i + 1 >= bytes.size()) in.fail(*h, what + " must be bytes in hex, as \"01,ff,2a\"");
            value.bytes.push_back(static_cast<std::uint8_t>(hexDigit(bytes[i]) * 16 + hexDigit(bytes[i + 1])));
            i += 2;
        }
    } else {
        in.fail(node, what + " must be a text, {dword: N}, {sz: text} or {hex: \"..\", type: N}");
    }
    map.done();
    return value;
}

}  // namespace

void ParseRegistryValues(const YamlInput& in, const YAML::Node& node, platform::Hive hive, const std::string& key,
                         std::vector<RegistryEdit>& out) {
    const std::string self = "key " + inQuotes(HiveName(hive) + "\\" + key);
    if (node.IsNull()) {
        out.push_back({in.at(node), hive, key, std::nullopt, std::nullopt, true});
        return;
    }
    YamlMap values(in, node, "the values of " + self);
    out.push_back({in.at(node), hive, key, std::nullopt, std::nullopt, false});  // the key exists
    auto keys = values.keyNodes();
    for (std::size_t i = 0; i < values.entries().size(); ++i) {
        const auto& [written, value] = values.entries()[i];
        const std::string name = written == "@" ? std::string() : written;
        RegistryEdit edit{in.at(keys[i]), hive, key, name, std::nullopt, false};
        if (!value.IsNull()) edit.value = parseRegValue(in, value, name, "value " + inQuotes(written) + " of " + self);
        out.push_back(std::move(edit));
    }
}

void ParseRegistry(const YamlInput& in, const YAML::Node& node, std::vector<RegistryEdit>& out) {
    YamlMap hives(in, node, "registry");
    auto hiveKeys = hives.keyNodes();
    for (std::size_t h = 0; h < hives.entries().size(); ++h) {
        const auto& [hiveName, keys] = hives.entries()[h];
        auto hive = HiveNamed(hiveName);
        if (!hive) in.fail(hiveKeys[h], "unknown hive " + inQuotes(hiveName) + " in registry (known: HKCU, HKLM)");
        YamlMap keyMap(in, keys, "registry " + hiveName);
        auto keyNodes = keyMap.keyNodes();
        for (std::size_t k = 0; k < keyMap.entries().size(); ++k) {
            const auto& [key, values] = keyMap.entries()[k];
            if (key.empty() || key.front() == '\\' || key.find("\\\\") != std::string::npos)
                in.fail(keyNodes[k], "the registry key " + inQuotes(key) +
                                         " must be a path below the hive, its names joined by one backslash");
            ParseRegistryValues(in, values, *hive, key, out);
        }
    }
}

void ParseFiles(const YamlInput& in, const YAML::Node& node, const std::string& folder, std::vector<FileEdit>& out) {
    YamlMap files(in, node, folder.empty() ? "files" : "addin_files");
    auto keys = files.keyNodes();
    for (std::size_t i = 0; i < files.entries().size(); ++i) {
        const auto& [name, value] = files.entries()[i];
        if (name.empty()) in.fail(keys[i], "a file name must not be empty");
        if (folder.empty() && (name.size() < 3 || name[1] != ':' || name[2] != '\\'))
            in.fail(keys[i], "the file " + inQuotes(name) + " must be a full Windows path, as C:\\Data\\list.txt");
        if (!folder.empty() && name.find_first_of("\\/") != std::string::npos)
            in.fail(keys[i], "the add-in file " + inQuotes(name) + " must be a file name without a folder");
        FileEdit edit{in.at(keys[i]), folder.empty() ? name : platform::JoinPath(folder, name), std::nullopt};
        if (value.IsMap()) {
            YamlMap from(in, value, "file " + inQuotes(name));
            const std::string source = in.text(from.require("from"), "the file to copy into " + inQuotes(name));
            from.done();
            edit.content = ReadTextFile(in.relative(source), source);
        } else if (!value.IsNull()) {
            edit.content = in.text(value, "the content of file " + inQuotes(name));
        }
        out.push_back(std::move(edit));
    }
}

void ParseDirectories(const YamlInput& in, const YAML::Node& node, std::vector<DirectoryEdit>& out) {
    in.requireSequence(node, "directories");
    for (const auto& d : node) {
        const std::string path = in.text(d, "a directory");
        if (path.size() < 3 || path[1] != ':' || path[2] != '\\')
            in.fail(d, "the directory " + inQuotes(path) + " must be a full Windows path, as C:\\Export");
        out.push_back({in.at(d), path});
    }
}

Profile ParseProfile(const YamlInput& in, const YAML::Node& node) {
    Profile p;
    p.file = in.file();
    YamlMap map(in, node, "the profile");
    if (auto v = map.get("address_book")) {
        in.requireSequence(*v, "address_book");
        for (const auto& e : *v) p.addressBook.push_back(parseEntry(in, e));
    }
    if (auto v = map.get("user")) {
        p.user = in.text(*v, "the user");
        p.userAt = in.at(*v);
    }
    if (auto v = map.get("accounts")) {
        in.requireSequence(*v, "accounts");
        for (const auto& a : *v) p.accounts.push_back(parseAccount(in, a));
    }
    if (auto v = map.get("stores")) {
        in.requireSequence(*v, "stores");
        for (const auto& s : *v) p.stores.push_back(parseStore(in, s));
    }
    if (auto v = map.get("folders")) p.folders = parseFolders(in, *v, "folders");
    if (auto v = map.get("windows")) p.windows = parseWindows(in, *v);
    if (auto v = map.get("registry")) ParseRegistry(in, *v, p.registry);
    if (auto v = map.get("addin_files")) ParseFiles(in, *v, std::string(simhost::AddinFolder), p.files);
    if (auto v = map.get("files")) ParseFiles(in, *v, "", p.files);
    if (auto v = map.get("directories")) ParseDirectories(in, *v, p.directories);
    map.done();

    // Ids name one item each, across all stores.
    std::set<std::string> ids;
    auto checkIds = [&](const std::vector<ProfileFolder>& folders) {
        for (const auto& f : folders)
            for (const auto& item : f.items)
                if (!item.id.empty() && !ids.insert(item.id).second)
                    throw FormatError(item.at, "the item id " + inQuotes(item.id) + " is given to two items");
    };
    checkIds(p.folders);
    for (const auto& s : p.stores) checkIds(s.folders);
    return p;
}

Profile LoadProfileFile(const std::filesystem::path& path) {
    const std::string name = path.string();
    auto docs = LoadYamlDocuments(ReadTextFile(path, name), name);
    if (docs.size() != 1) throw FormatError({name, 0}, "a profile file holds exactly one YAML document");
    return ParseProfile(YamlInput(name), docs.front());
}

}  // namespace corvane::profile
