// Reading the expectations of an expect step.
#include "corvane/platform/file_system.h"
#include "corvane/scenario/parse.h"
#include "corvane/settings/basPreInitializeSetup.h"
#include "corvane/settings/setting_store.h"

namespace corvane::scenario {

namespace {

using profile::YamlInput;
using profile::YamlMap;

std::optional<platform::DateTime> timeOrNone(const YamlInput& in, const YAML::Node& node, const std::string& what) {
    if (node.IsScalar() && node.Scalar() == "none") return platform::DateTime::none();
    return in.time(node, what);
}

RecipientExpect parseRecipient(const YamlInput& in, const YAML::Node& node, const std::string& what) {
    if (!node.IsMap()) return {in.text(node, what), std::nullopt};
    YamlMap map(in, node, what);
    if (map.entries().size() != 1) in.fail(node, what + " is a text, or {to: text}, {cc: text} or {bcc: text}");
    const auto& [type, text] = map.entries().front();
    int t = type == "to" ? 1 : type == "cc" ? 2 : type == "bcc" ? 3 : 0;
    if (t == 0) in.fail(map.keyNodes().front(), what + " is a text, or {to: text}, {cc: text} or {bcc: text}");
    return {in.text(text, what), t};
}

ItemExpect parseItem(const YamlInput& in, const std::string& id, const YAML::Node& keyNode, const YAML::Node& node) {
    ItemExpect e;
    e.at = in.at(keyNode);
    e.id = id;
    const std::string self = "item " + id;
    YamlMap map(in, node, "the expectations on " + self);
    if (auto v = map.get("exists")) e.exists = in.boolean(*v, "exists of " + self);
    if (auto v = map.get("open")) e.open = in.boolean(*v, "open of " + self);
    if (auto v = map.get("unread")) e.unread = in.boolean(*v, "unread of " + self);
    if (auto v = map.get("sent")) e.sent = in.boolean(*v, "sent of " + self);
    if (auto v = map.get("subject")) e.subject = in.text(*v, "the subject of " + self);
    if (auto v = map.get("body")) e.body = in.text(*v, "the body of " + self);
    if (auto v = map.get("body_contains")) e.bodyContains = in.text(*v, "body_contains of " + self);
    if (auto v = map.get("to")) e.to = in.text(*v, "the To text of " + self);
    if (auto v = map.get("cc")) e.cc = in.text(*v, "the CC text of " + self);
    if (auto v = map.get("bcc")) e.bcc = in.text(*v, "the BCC text of " + self);
    if (auto v = map.get("recipients")) {
        in.requireSequence(*v, "the recipients of " + self);
        e.recipients.emplace();
        for (const auto& r : *v) e.recipients->push_back(parseRecipient(in, r, "a recipient of " + self));
    }
    if (auto v = map.get("user_properties")) {
        YamlMap props(in, *v, "the user_properties of " + self);
        for (const auto& [name, value] : props.entries()) {
            if (value.IsNull()) {
                e.userProperties.emplace_back(name, std::nullopt);
            } else {
                e.userProperties.emplace_back(name, in.text(value, "user property \"" + name + "\" of " + self));
            }
        }
    }
    if (auto v = map.get("deferred_delivery")) e.deferredDelivery = timeOrNone(in, *v, "deferred_delivery of " + self);
    if (auto v = map.get("folder")) e.folder = in.text(*v, "the folder of " + self);
    if (auto v = map.get("account")) e.account = in.text(*v, "the sending account of " + self);
    if (auto v = map.get("attachments")) e.attachments = in.texts(*v, "the attachments of " + self);
    map.done();
    return e;
}

FolderExpect parseFolder(const YamlInput& in, const std::string& path, const YAML::Node& keyNode,
                         const YAML::Node& node) {
    FolderExpect f;
    f.at = in.at(keyNode);
    f.path = path;
    YamlMap map(in, node, "the expectations on folder \"" + path + "\"");
    if (auto v = map.get("exists")) f.exists = in.boolean(*v, "exists of folder " + path);
    if (auto v = map.get("count"))
        f.count = static_cast<int>(in.integer(*v, "the count of folder " + path, 0, 100000));
    if (auto v = map.get("subjects")) f.subjects = in.texts(*v, "the subjects of folder " + path);
    if (auto v = map.get("bodies")) f.bodies = in.texts(*v, "the bodies of folder " + path);
    if (auto v = map.get("unread"))
        f.unread = static_cast<int>(in.integer(*v, "the unread count of folder " + path, 0, 100000));
    map.done();
    return f;
}

// Registry edits read as expectations: a value that must be so, or be missing.
void registryExpects(const std::vector<profile::RegistryEdit>& edits, std::vector<RegistryExpect>& out) {
    for (std::size_t i = 0; i < edits.size(); ++i) {
        const auto& e = edits[i];
        if (e.deleteKey) {
            out.push_back({e.at, e.hive, e.key, std::nullopt, std::nullopt, false});
        } else if (e.valueName) {
            out.push_back({e.at, e.hive, e.key, e.valueName, e.value, false});
        } else if (i + 1 == edits.size() || !edits[i + 1].valueName) {
            out.push_back({e.at, e.hive, e.key, std::nullopt, std::nullopt, true});  // {}: the key exists
        }
    }
}

FileExpect parseFile(const YamlInput& in, const std::string& path, const YAML::Node& keyNode, const YAML::Node& node) {
    FileExpect f;
    f.at = in.at(keyNode);
    f.path = path;
    if (node.IsNull()) {
        f.absent = true;
    } else if (node.IsMap()) {
        YamlMap map(in, node, "the expectations on file \"" + path + "\"");
        if (auto v = map.get("contains")) f.contains = in.text(*v, "the text file " + path + " must contain");
        if (auto v = map.get("lines")) f.lines = in.texts(*v, "the lines of file " + path);
        if (!f.contains && !f.lines) in.fail(node, "the expectations on file \"" + path + "\" need contains or lines");
        map.done();
    } else {
        f.content = in.text(node, "the content of file " + path);
    }
    return f;
}

std::vector<std::string> addressList(const YamlInput& in, const YAML::Node& node, const std::string& what) {
    if (node.IsSequence() && node.size() == 0) return {};
    return in.texts(node, what);
}

SentExpect parseSent(const YamlInput& in, const YAML::Node& node) {
    SentExpect s;
    s.at = in.at(node);
    YamlMap map(in, node, "a sent message");
    if (auto v = map.get("subject")) s.subject = in.text(*v, "the subject of a sent message");
    if (auto v = map.get("account")) s.account = in.text(*v, "the account of a sent message");
    if (auto v = map.get("to")) s.to = addressList(in, *v, "the to addresses of a sent message");
    if (auto v = map.get("cc")) s.cc = addressList(in, *v, "the cc addresses of a sent message");
    if (auto v = map.get("bcc")) s.bcc = addressList(in, *v, "the bcc addresses of a sent message");
    if (auto v = map.get("deferred_delivery"))
        s.deferredDelivery = timeOrNone(in, *v, "deferred_delivery of a sent message");
    map.done();
    return s;
}

void texts(const YamlInput& in, const YAML::Node& node, const std::string& what,
           std::vector<std::pair<Where, std::string>>& out) {
    if (node.IsScalar()) {
        out.emplace_back(in.at(node), node.Scalar());
        return;
    }
    in.requireSequence(node, what);
    for (const auto& t : node) out.emplace_back(in.at(t), in.text(t, "each of " + what));
}

}  // namespace

std::string SettingsKey(platform::Hive hive) {
    return std::string(hive == platform::Hive::CurrentUser ? settings::UserSettingsPath : settings::PresetKeyPath);
}

void ParseSettings(const YamlInput& in, const YAML::Node& node, platform::Hive hive,
                   std::vector<profile::RegistryEdit>& out) {
    if (!node.IsMap())
        in.fail(node, std::string(hive == platform::Hive::CurrentUser ? "settings" : "preset") +
                          " must be a mapping of setting names to values");
    profile::ParseRegistryValues(in, node, hive, SettingsKey(hive), out);
}

Expectations ParseExpectations(const YamlInput& in, const YAML::Node& node) {
    Expectations e;
    YamlMap map(in, node, "expect");
    if (auto v = map.get("items")) {
        YamlMap items(in, *v, "the expected items");
        auto keys = items.keyNodes();
        for (std::size_t i = 0; i < keys.size(); ++i)
            e.items.push_back(parseItem(in, items.entries()[i].first, keys[i], items.entries()[i].second));
    }
    if (auto v = map.get("folders")) {
        YamlMap folders(in, *v, "the expected folders");
        auto keys = folders.keyNodes();
        for (std::size_t i = 0; i < keys.size(); ++i)
            e.folders.push_back(parseFolder(in, folders.entries()[i].first, keys[i], folders.entries()[i].second));
    }
    if (auto v = map.get("registry")) {
        std::vector<profile::RegistryEdit> edits;
        profile::ParseRegistry(in, *v, edits);
        registryExpects(edits, e.registry);
    }
    if (auto v = map.get("settings")) {
        std::vector<profile::RegistryEdit> edits;
        ParseSettings(in, *v, platform::Hive::CurrentUser, edits);
        registryExpects(edits, e.registry);
    }
    for (const char* key : {"files", "addin_files"}) {
        auto v = map.get(key);
        if (!v) continue;
        YamlMap files(in, *v, std::string("the expected ") + key);
        auto keys = files.keyNodes();
        for (std::size_t i = 0; i < keys.size(); ++i) {
            std::string path = files.entries()[i].first;
            if (std::string_view(key) == "addin_files") path = platform::JoinPath(simhost::AddinFolder, path);
            e.files.push_back(parseFile(in, path, keys[i], files.entries()[i].second));
        }
    }
    if (auto v = map.get("sent")) {
        e.sentAt = in.at(*v);
        in.requireSequence(*v, "sent (the messages the transport sent, in order)");
        e.sent.emplace();
        for (const auto& s : *v) e.sent->push_back(parseSent(in, s));
    }
    if (auto v = map.get("transcript_contains")) texts(in, *v, "transcript_contains", e.transcriptContains);
    if (auto v = map.get("transcript_lacks")) texts(in, *v, "transcript_lacks", e.transcriptLacks);
    if (auto v = map.get("outlook")) {
        e.outlookAt = in.at(*v);
        YamlMap o(in, *v, "the expectations on Outlook");
        if (auto r = o.get("running")) e.running = in.boolean(*r, "running");
        if (auto a = o.get("addin_connected")) e.addinConnected = in.boolean(*a, "addin_connected");
        if (auto n = o.get("explorers"))
            e.explorers = static_cast<int>(in.integer(*n, "the number of explorers", 0, 1000));
        if (auto n = o.get("inspectors"))
            e.inspectors = static_cast<int>(in.integer(*n, "the number of inspectors", 0, 1000));
        if (auto n = o.get("application_sinks"))
            e.applicationSinks = static_cast<int>(in.integer(*n, "the number of application event sinks", 0, 1000));
        if (auto m = o.get("menu_bar")) e.menuBar = in.texts(*m, "the items of the menu bar");
        o.done();
    }
    map.done();
    return e;
}

}  // namespace corvane::scenario
