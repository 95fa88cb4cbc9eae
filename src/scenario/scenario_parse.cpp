// Reading scenario files: the setting-up keys and the steps.
#include <cctype>
#include <cstdio>
#include <set>

#include "corvane/outlook/object.h"
#include "corvane/scenario/parse.h"

namespace corvane::scenario {

namespace {

using profile::YamlInput;
using profile::YamlMap;

const std::vector<std::string_view> StepWords = {
    "start",       "connect",  "disconnect",   "quit",   "open_explorer", "close_explorer",
    "open",        "close",    "activate",     "select", "switch_folder", "reply",
    "reply_all",   "forward",  "new_mail",     "edit",   "send",          "send_from_program",
    "hold",        "release",  "context_menu", "ribbon", "menu",          "http",
    "clock",       "registry", "settings",     "preset", "addin_files",   "files",
    "directories", "expect"};

// Steps that cannot raise a prompt.
const std::set<std::string_view> Silent = {"http",        "registry", "settings",    "preset",
                                           "addin_files", "files",    "directories", "expect"};

void noArguments(const YamlInput& in, const YAML::Node& node, const std::string& kind) {
    if (node.IsNull()) return;
    YamlMap map(in, node, "the " + kind + " step");
    map.done();
}

// An argument written alone or as the one key of a mapping: `send: r1` or `send: {item: r1}`.
std::optional<YAML::Node> mainArgument(YamlMap& map, const YAML::Node& node, const char* key) {
    if (node.IsScalar() || node.IsSequence()) return node;
    return map.get(key);
}

// What a send must come to: sent, queued, cancelled or refused.
std::optional<std::string> sendOutcome(const YamlInput& in, YamlMap& map) {
    static const std::vector<std::string_view> outcomes = {"sent", "queued", "cancelled", "refused"};
    auto o = map.get("outcome");
    if (!o) return std::nullopt;
    return std::string(outcomes[in.choice(*o, "the outcome of the send", outcomes)]);
}

std::vector<std::string> addresses(const YamlInput& in, const YAML::Node& node, const std::string& what) {
    if (node.IsSequence() && node.size() == 0) return {};
    return in.texts(node, what);
}

step::Edit parseEdit(const YamlInput& in, YamlMap& map, std::string item) {
    step::Edit e;
    e.item = std::move(item);
    const std::string self = e.item.empty() ? std::string("the new mail") : "item " + e.item;
    if (auto v = map.get("subject")) e.subject = in.text(*v, "the subject of " + self);
    if (auto v = map.get("body")) e.body = in.text(*v, "the body of " + self);
    if (auto v = map.get("html")) e.html = in.text(*v, "the html of " + self);
    if (auto v = map.get("to")) e.to = addresses(in, *v, "the to recipients of " + self);
    if (auto v = map.get("cc")) e.cc = addresses(in, *v, "the cc recipients of " + self);
    if (auto v = map.get("bcc")) e.bcc = addresses(in, *v, "the bcc recipients of " + self);
    if (auto v = map.get("add")) {
        YamlMap add(in, *v, "add (recipients added to " + self + ")");
        const std::pair<const char*, int> types[] = {{"to", 1}, {"cc", 2}, {"bcc", 3}};
        for (const auto& [name, type] : types)
            if (auto list = add.get(name))
                for (auto& t : in.texts(*list, std::string("the ") + name + " recipients added"))
                    e.add.emplace_back(type, t);
        add.done();
    }
    if (auto v = map.get("remove_recipients")) e.removeRecipients = in.texts(*v, "remove_recipients of " + self);
    if (auto v = map.get("attachments")) {
        in.requireSequence(*v, "the attachments added to " + self);
        for (const auto& a : *v) {
            if (!a.IsMap()) {
                e.attachments.push_back({in.text(a, "an attachment"), "", ""});
                continue;
            }
            YamlMap am(in, a, "an attachment");
            sim::AttachmentSpec spec;
            spec.fileName = in.text(am.require("name"), "the name of an attachment");
            if (auto c = am.get("content_id")) spec.contentId = in.text(*c, "the content_id of an attachment");
            if (auto d = am.get("display_name")) spec.displayName = in.text(*d, "the display_name of an attachment");
            am.done();
            e.attachments.push_back(spec);
        }
    }
    if (auto v = map.get("remove_attachments")) e.removeAttachments = in.texts(*v, "remove_attachments of " + self);
    if (auto v = map.get("deferred_delivery")) {
        e.deferredDelivery = v->IsScalar() && v->Scalar() == "none" ? platform::DateTime::none()
                                                                    : in.time(*v, "deferred_delivery of " + self);
    }
    if (auto v = map.get("user_properties")) {
        YamlMap props(in, *v, "the user_properties of " + self);
        for (const auto& [name, value] : props.entries()) {
            if (value.IsNull()) {
                e.userProperties.emplace_back(name, std::nullopt);
            } else {
                e.userProperties.emplace_back(name, in.text(value, "user property \"" + name + "\""));
            }
        }
    }
    return e;
}

Action parseAction(const YamlInput& in, const std::string& kind, const YAML::Node& node, std::string& as) {
    const std::string self = "the " + kind + " step";
    if (kind == "start") {
        step::Start s;
        YamlMap map(in, node, self);
        if (auto v = map.get("explorers")) {
            if (v->IsScalar()) {
                s.explorers = std::vector<std::string>(
                    static_cast<std::size_t>(in.integer(*v, "the number of explorers", 0, 20)), "Inbox");
            } else {
                s.explorers = addresses(in, *v, "the explorers (folder paths)");
            }
        }
        if (auto v = map.get("inspectors")) s.inspectors = addresses(in, *v, "the inspectors (item ids)");
        if (auto v = map.get("addin")) s.addin = in.boolean(*v, "addin (whether Outlook loads the add-in)");
        map.done();
        return s;
    }
    if (kind == "connect") {
        step::Connect c;
        YamlMap map(in, node, self);
        // ext_ConnectMode numbers, in this order.
        if (auto v = map.get("mode"))
            c.mode = static_cast<int>(
                in.choice(*v, "the connect mode", {"after_startup", "startup", "external", "command_line"}));
        map.done();
        return c;
    }
    if (kind == "disconnect") {
        step::Disconnect d;
        YamlMap map(in, node, self);
        if (auto v = map.get("remove_mode"))
            d.removeMode = in.choice(*v, "the remove mode", {"host_shutdown", "user_closed"}) == 0 ? 0 : 1;
        map.done();
        return d;
    }
    if (kind == "quit" || kind == "context_menu" || kind == "hold" || kind == "release") {
        noArguments(in, node, kind);
        if (kind == "quit") return step::Quit{};
        if (kind == "hold") return step::Hold{};
        if (kind == "release") return step::Release{};
        return step::ContextMenu{};
    }
    if (kind == "open_explorer" || kind == "switch_folder") {
        YamlMap map(in, node.IsMap() ? node : YAML::Node(), self);
        auto v = mainArgument(map, node, "folder");
        map.done();
        if (!v && kind == "switch_folder") in.fail(node, "switch_folder needs the folder path");
        std::string folder = v ? in.text(*v, "the folder path") : std::string("Inbox");
        if (kind == "switch_folder") return step::SwitchFolder{folder};
        return step::OpenExplorer{folder};
    }
    if (kind == "close_explorer") {
        step::CloseExplorer c;
        YamlMap map(in, node.IsMap() ? node : YAML::Node(), self);
        if (auto v = mainArgument(map, node, "index"))
            c.index = static_cast<int>(in.integer(*v, "the explorer's index", 1, 100));
        map.done();
        return c;
    }
    if (kind == "send_from_program") {
        step::SendFromProgram p;
        YamlMap map(in, node.IsMap() ? node : YAML::Node(), self);
        p.outcome = sendOutcome(in, map);
        if (auto v = mainArgument(map, node, "item")) {
            p.item = in.text(*v, "the item's id");
            map.done();
            return p;
        }
        auto named = map.get("as");
        if (!named)
            in.fail(node,
                    "send_from_program sends an existing message, {item: id}, or a new mail the program "
                    "writes, named by as: {as: id, to: [...], subject: ...}");
        as = in.text(*named, "the id of the program's new mail");
        p.edit = parseEdit(in, map, "");
        map.done();
        return p;
    }
    if (kind == "open" || kind == "close" || kind == "send") {
        YamlMap map(in, node.IsMap() ? node : YAML::Node(), self);
        auto v = mainArgument(map, node, "item");
        std::optional<std::string> outcome;
        if (kind == "send") outcome = sendOutcome(in, map);
        map.done();
        if (!v && kind != "open") in.fail(node, kind + " needs the item's id");
        std::optional<std::string> item;
        if (v) item = in.text(*v, "the item's id");
        if (kind == "open") return step::Open{item};
        if (kind == "close") return step::Close{*item};
        return step::Send{*item, outcome};
    }
    if (kind == "activate") {
        step::Activate a;
        YamlMap map(in, node.IsMap() ? node : YAML::Node(), self);
        if (auto v = mainArgument(map, node, "item")) a.item = in.text(*v, "the item's id");
        if (auto v = map.get("explorer"))
            a.explorer = static_cast<int>(in.integer(*v, "the explorer's index", 1, 100));
        map.done();
        if (a.item.has_value() == a.explorer.has_value())
            in.fail(node, "activate names the item whose window comes to the front, or {explorer: n}");
        return a;
    }
    if (kind == "select") {
        if (node.IsNull()) return step::Select{};
        return step::Select{addresses(in, node, "the items selected")};
    }
    if (kind == "reply" || kind == "reply_all" || kind == "forward") {
        step::Respond r;
        r.kind = kind == "reply"       ? sim::ResponseKind::Reply
                 : kind == "reply_all" ? sim::ResponseKind::ReplyAll
                                       : sim::ResponseKind::Forward;
        YamlMap map(in, node, self);
        if (auto v = map.get("item")) r.item = in.text(*v, "the item answered");
        if (auto v = map.get("selected")) r.selected = in.text(*v, "the selected item answered");
        if (auto v = map.get("as")) as = in.text(*v, "the id of the response");
        map.done();
        if (r.item && r.selected)
            in.fail(node, kind + " acts in the window of item or on a selected item of the explorer, not both");
        return r;
    }
    if (kind == "new_mail") {
        YamlMap map(in, node, self);
        if (auto v = map.get("as")) as = in.text(*v, "the id of the new mail");
        step::NewMail n{parseEdit(in, map, "")};
        map.done();
        return n;
    }
    if (kind == "edit") {
        YamlMap map(in, node, self);
        auto e = parseEdit(in, map, in.text(map.require("item"), "the item edited"));
        map.done();
        return e;
    }
    if (kind == "ribbon") {
        YamlMap map(in, node.IsMap() ? node : YAML::Node(), self);
        auto v = mainArgument(map, node, "id");
        map.done();
        if (!v) in.fail(node, "ribbon needs the control's id");
        return step::Ribbon{in.text(*v, "the ribbon control's id")};
    }
    if (kind == "menu") {
        std::vector<std::string> captions;
        if (node.IsScalar()) {
            const std::string& path = node.Scalar();
            std::size_t start = 0;
            while (start <= path.size()) {
                auto end = path.find('/', start);
                if (end == std::string::npos) end = path.size();
                captions.push_back(path.substr(start, end - start));
                start = end + 1;
            }
        } else {
            captions = in.texts(node, "the menu captions");
        }
        for (const auto& c : captions)
            if (c.empty())
                in.fail(node, "a menu path names captions joined by \"/\", as Brackenfold/Corvane/Settings");
        return step::Menu{captions};
    }
    if (kind == "http") {
        step::Http h;
        YamlMap map(in, node, self);
        if (auto v = map.get("url_contains")) h.reply.urlContains = in.text(*v, "url_contains");
        if (auto v = map.get("status")) h.reply.status = static_cast<int>(in.integer(*v, "the HTTP status", 100, 599));
        if (auto v = map.get("body")) h.reply.body = in.text(*v, "the HTTP body");
        if (auto v = map.get("unreachable")) h.reply.unreachable = in.boolean(*v, "unreachable");
        if (auto v = map.get("location")) h.reply.location = in.text(*v, "the redirect's location");
        if (auto v = map.get("delay"))
            h.reply.delay = std::chrono::seconds(in.seconds(*v, "the time the reply takes"));
        map.done();
        return h;
    }
    if (kind == "clock") {
        step::Clock c;
        YamlMap map(in, node, self);
        if (auto v = map.get("advance")) c.advance = in.seconds(*v, "the time the clock advances");
        if (auto v = map.get("set")) c.set = in.time(*v, "the time the clock is set to");
        map.done();
        if (c.advance.has_value() == c.set.has_value())
            in.fail(node, "clock takes advance: <span> (as \"1d 2h\") or set: <time>");
        return c;
    }
    if (kind == "expect") return step::Expect{ParseExpectations(in, node)};
    step::Change change;
    if (kind == "registry") profile::ParseRegistry(in, node, change.registry);
    if (kind == "settings") ParseSettings(in, node, platform::Hive::CurrentUser, change.registry);
    if (kind == "preset") ParseSettings(in, node, platform::Hive::LocalMachine, change.registry);
    if (kind == "addin_files") profile::ParseFiles(in, node, std::string(simhost::AddinFolder), change.files);
    if (kind == "files") profile::ParseFiles(in, node, "", change.files);
    if (kind == "directories") profile::ParseDirectories(in, node, change.directories);
    return change;
}

Step parseStep(const YamlInput& in, const YAML::Node& node, int number) {
    Step s;
    s.at = in.at(node);
    s.number = number;
    YamlMap map(in, node, "step " + std::to_string(number));
    std::vector<std::string> found;
    for (const auto& [key, value] : map.entries())
        for (auto word : StepWords)
            if (key == word) found.push_back(key);
    if (found.size() != 1)
        in.fail(node, "step " + std::to_string(number) + " needs exactly one action (" +
                          profile::JoinWords(StepWords) + "), " +
                          (found.empty() ? std::string("found none") : "found " + found[0] + " and " + found[1]));
    s.kind = found.front();
    s.action = parseAction(in, s.kind, *map.get(s.kind), s.as);
    if (auto v = map.get("prompts")) {
        if (Silent.contains(s.kind)) in.fail(*v, "the " + s.kind + " step raises no prompt");
        s.prompts = ParsePrompts(in, *v);
    }
    if (auto v = map.get("opens")) {
        if (!s.as.empty()) in.fail(*v, "the response is named by its as key; opens is for other steps");
        if (Silent.contains(s.kind)) in.fail(*v, "the " + s.kind + " step opens no window");
        s.as = in.text(*v, "the id of the message the step opens");
    }
    if (auto v = map.get("note")) s.notes = in.texts(*v, "the note");
    map.done();
    if (s.as == "none") in.fail(node, "\"none\" cannot be an item id");
    return s;
}

// Every item a step or an expectation names must come from the profile or an earlier step.
void checkItemReferences(const Scenario& sc) {
    std::set<std::string> known;
    auto addProfile = [&](const std::vector<profile::ProfileFolder>& folders) {
        for (const auto& f : folders)
            for (const auto& i : f.items)
                if (!i.id.empty()) known.insert(i.id);
    };
    addProfile(sc.profile.folders);
    for (const auto& st : sc.profile.stores) addProfile(st.folders);
    for (const auto& st : sc.steps) {
        auto need = [&](const std::optional<std::string>& id) {
            if (id && !known.contains(*id))
                throw profile::FormatError(st.at, "step " + std::to_string(st.number) + " (" + st.kind +
                                                      ") names item \"" + *id +
                                                      "\", which neither the profile nor an earlier step defines");
        };
        std::visit(
            [&](const auto& a) {
                using T = std::decay_t<decltype(a)>;
                if constexpr (std::is_same_v<T, step::Open> || std::is_same_v<T, step::Activate> ||
                              std::is_same_v<T, step::SendFromProgram>) {
                    need(a.item);
                } else if constexpr (std::is_same_v<T, step::Respond>) {
                    need(a.item);
                    need(a.selected);
                } else if constexpr (std::is_same_v<T, step::Close> || std::is_same_v<T, step::Edit> ||
                                     std::is_same_v<T, step::Send>) {
                    need(a.item);
                } else if constexpr (std::is_same_v<T, step::Select>) {
                    for (const auto& id : a.items) need(id);
                } else if constexpr (std::is_same_v<T, step::Start>) {
                    if (a.inspectors)
                        for (const auto& id : *a.inspectors) need(id);
                } else if constexpr (std::is_same_v<T, step::Expect>) {
                    for (const auto& i : a.what.items) {
                        if (!known.contains(i.id))
                            throw profile::FormatError(
                                i.at,
                                "item \"" + i.id + "\" is defined neither by the profile nor by an earlier step");
                    }
                }
            },
            st.action);
        if (!st.as.empty()) {
            if (known.contains(st.as))
                throw profile::FormatError(st.at, "the id \"" + st.as + "\" is already taken by another item");
            known.insert(st.as);
        }
    }
    if (sc.profile.windows.given)
        for (const auto& id : sc.profile.windows.inspectors)
            if (!known.contains(id))
                throw profile::FormatError(sc.profile.windows.at, "no item has the id \"" + id + "\"");
}

simhost::SystemSettings parseSystem(const YamlInput& in, const YAML::Node& node) {
    simhost::SystemSettings s;
    YamlMap map(in, node, "system");
    if (auto v = map.get("windows")) {
        const std::string text = in.text(*v, "the Windows version");
        unsigned major = 0, minor = 0, build = 0;
        char tail = 0;
        if (std::sscanf(text.c_str(), "%u.%u.%u%c", &major, &minor, &build, &tail) != 3)
            in.fail(*v, "the Windows version is written major.minor.build, as 6.1.7601, not \"" + text + "\"");
        s.windows.major = major;
        s.windows.minor = minor;
        s.windows.build = build;
        s.windows.servicePack = "";
        s.windows.servicePackMajor = 0;
    }
    if (auto v = map.get("service_pack")) {
        s.windows.servicePack = in.text(*v, "the service pack text");
        unsigned n = 0;
        if (std::sscanf(s.windows.servicePack.c_str(), "Service Pack %u", &n) == 1)
            s.windows.servicePackMajor = static_cast<std::uint16_t>(n);
    }
    if (auto v = map.get("platform_id"))
        s.windows.platformId = static_cast<std::uint32_t>(in.integer(*v, "platform_id", 0, 3));
    if (auto v = map.get("product_type"))
        s.windows.productType = static_cast<std::uint8_t>(in.integer(*v, "product_type", 1, 3));
    if (auto v = map.get("architecture"))
        s.architecture = std::vector<std::uint16_t>{
            platform::arch::X86, platform::arch::Amd64,
            platform::arch::Ia64}[in.choice(*v, "the architecture", {"x86", "x64", "ia64"})];
    if (auto v = map.get("addin_version")) {
        const std::string text = in.text(*v, "the add-in's version");
        int a = 0, b = 0, c = 0;
        char tail = 0;
        if (std::sscanf(text.c_str(), "%d.%d.%d%c", &a, &b, &c, &tail) != 3)
            in.fail(*v, "the add-in's version is written major.minor.revision, as 2.0.58, not \"" + text + "\"");
        s.version = {a, b, c};
    }
    if (auto v = map.get("code_page"))
        s.codePage = static_cast<unsigned>(in.integer(*v, "the ANSI code page", 37, 65001));
    if (auto v = map.get("short_date")) {
        s.shortDate = in.text(*v, "the short-date form");
        // The form must write a date that reads back as the same date.
        const auto probe = platform::DateTime::fromCivil(2026, 11, 23);
        if (platform::DateTime::parse(probe.format(s.shortDate), s.shortDate) != probe)
            in.fail(*v,
                    "the short-date form needs the day (d), the month (M) and the year (yyyy), as dd/MM/yyyy, not \"" +
                        s.shortDate + "\"");
    }
    map.done();
    return s;
}

Scenario parseScenario(const YamlInput& in, const YAML::Node& node) {
    Scenario sc;
    sc.at = in.at(node);
    YamlMap map(in, node, "a scenario");
    sc.name = in.text(map.require("name"), "the scenario's name");
    if (auto v = map.get("description")) sc.description = in.text(*v, "the description");
    if (auto v = map.get("outlook")) {
        YamlMap o(in, *v, "outlook");
        if (auto ver = o.get("version")) {
            sc.outlook.version = in.text(*ver, "Outlook's version");
            if (sc.outlook.version.empty() || !std::isdigit(static_cast<unsigned char>(sc.outlook.version[0])))
                in.fail(*ver,
                        "Outlook's version is a version text such as 11.0.0.8010, not \"" + sc.outlook.version + "\"");
        }
        if (auto ed = o.get("editor"))
            sc.outlook.wordEditor = in.choice(*ed, "the mail editor", {"outlook", "word"}) == 1;
        o.done();
    }
    if (auto v = map.get("clock")) sc.clock = in.time(*v, "the clock");
    if (auto v = map.get("system")) sc.system = parseSystem(in, *v);
    if (auto v = map.get("profile")) {
        if (v->IsScalar()) {
            const auto path = in.relative(v->Scalar());
            try {
                sc.profile = profile::LoadProfileFile(path);
            } catch (const profile::FormatError& e) {
                if (e.where().line > 0) throw;
                throw profile::FormatError(in.at(*v), "the profile " + path.string() + ": " + e.problem());
            }
        } else {
            sc.profile = profile::ParseProfile(in, *v);
        }
    }
    if (auto v = map.get("registry")) profile::ParseRegistry(in, *v, sc.profile.registry);
    if (auto v = map.get("settings")) ParseSettings(in, *v, platform::Hive::CurrentUser, sc.profile.registry);
    if (auto v = map.get("preset")) ParseSettings(in, *v, platform::Hive::LocalMachine, sc.profile.registry);
    if (auto v = map.get("addin_files"))
        profile::ParseFiles(in, *v, std::string(simhost::AddinFolder), sc.profile.files);
    if (auto v = map.get("files")) profile::ParseFiles(in, *v, "", sc.profile.files);
    if (auto v = map.get("directories")) profile::ParseDirectories(in, *v, sc.profile.directories);
    auto steps = map.require("steps");
    in.requireSequence(steps, "steps");
    int number = 0;
    for (const auto& s : steps) sc.steps.push_back(parseStep(in, s, ++number));
    map.done();
    checkItemReferences(sc);
    return sc;
}

}  // namespace

std::vector<Scenario> ParseScenarios(const std::string& text, const std::string& file) {
    std::vector<Scenario> out;
    YamlInput in(file);
    for (const auto& doc : profile::LoadYamlDocuments(text, file)) {
        if (doc.IsNull()) continue;
        out.push_back(parseScenario(in, doc));
    }
    if (out.empty()) throw profile::FormatError({file, 0}, "the file holds no scenario");
    return out;
}

std::vector<Scenario> LoadScenarioFile(const std::filesystem::path& path) {
    const std::string name = path.string();
    return ParseScenarios(profile::ReadTextFile(path, name), name);
}

}  // namespace corvane::scenario
