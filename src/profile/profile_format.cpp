// Writing a profile as a YAML file that reads back into the same profile.
#include <algorithm>
#include <cstdio>
#include <map>
#include <system_error>

#include "corvane/profile/profile_file.h"
#include "corvane/sim/body_text.h"
#include "corvane/simhost/atomic_file.h"
#include "corvane/simhost/sim_system_info.h"
#include "profile_internal.h"

namespace corvane::profile {

namespace {

using namespace detail;

std::string accountWord(int type) {
    for (std::size_t i = 0; i < AccountNumbers.size(); ++i)
        if (AccountNumbers[i] == type) return std::string(AccountWords[i]);
    return std::string(AccountWords.back());
}

// Free text always in double quotes, so that no text reads back as something else.
void text(YAML::Emitter& out, const std::string& s) { out << YAML::DoubleQuoted << s; }

// A plain "key: value" key may be at most 1024 characters long as written, or a reader takes it
// for something else. The emitter writes a key longer than that in bytes as an explicit "? key"
// itself, but not one that only grows past it when its control characters are escaped (\x01 is
// four characters); such a key is measured as written. No character is written as more than ten.
void key(YAML::Emitter& out, const std::string& k) {
    if (k.size() > 100) {
        YAML::Emitter probe;
        probe << k;
        if (probe.size() > 1000) out << YAML::LongKey;
    }
    out << YAML::Key << k << YAML::Value;
}

void textField(YAML::Emitter& out, const char* name, const std::string& value) {
    if (value.empty()) return;
    key(out, name);
    text(out, value);
}

void address(YAML::Emitter& out, const ProfileAddress& a) {
    if (a.typed) {
        out << YAML::Flow << YAML::BeginMap;
        key(out, "typed");
        text(out, a.text);
        out << YAML::EndMap;
    } else {
        text(out, a.text);
    }
}

void addresses(YAML::Emitter& out, const char* name, const std::vector<ProfileAddress>& list) {
    if (list.empty()) return;
    key(out, name);
    out << YAML::Flow << YAML::BeginSeq;
    for (const auto& a : list) address(out, a);
    out << YAML::EndSeq;
}

void entry(YAML::Emitter& out, const ProfileEntry& e) {
    out << YAML::Flow << YAML::BeginMap;
    textField(out, "name", e.name);
    if (e.type != "SMTP") textField(out, "type", e.type);
    textField(out, "smtp", e.smtp);
    textField(out, "address", e.address);
    textField(out, "alias", e.alias);
    if (!e.proxies.empty()) {
        key(out, "proxies");
        out << YAML::Flow << YAML::BeginSeq;
        for (const auto& p : e.proxies) text(out, p);
        out << YAML::EndSeq;
    }
    if (e.displayType) out << YAML::Key << "display_type" << YAML::Value << *e.displayType;
    if (e.members) {
        key(out, "members");
        out << YAML::Flow << YAML::BeginSeq;
        for (const auto& m : *e.members) text(out, m);
        out << YAML::EndSeq;
    }
    out << YAML::EndMap;
}

void item(YAML::Emitter& out, const ProfileItem& i) {
    out << YAML::BeginMap;
    textField(out, "id", i.id);
    for (std::size_t c = 0; c < std::size(ClassNumbers); ++c)
        if (ClassNumbers[c] == i.objectClass && i.objectClass != 43)
            out << YAML::Key << "class" << YAML::Value << std::string(ClassWords[c]);
    textField(out, "message_class", i.messageClass);
    key(out, "subject");
    text(out, i.subject);
    if (i.from) {
        key(out, "from");
        address(out, *i.from);
    }
    if (i.onBehalfOf) {
        key(out, "on_behalf_of");
        address(out, *i.onBehalfOf);
    }
    addresses(out, "to", i.to);
    addresses(out, "cc", i.cc);
    addresses(out, "bcc", i.bcc);
    addresses(out, "reply_to", i.replyTo);
    if (i.received) out << YAML::Key << "received" << YAML::Value << i.received->iso();
    if (i.sentOn && i.sentOn != i.received) out << YAML::Key << "sent_on" << YAML::Value << i.sentOn->iso();
    if (i.deferredDelivery)
        out << YAML::Key << "deferred_delivery" << YAML::Value
            << (*i.deferredDelivery == platform::DateTime::none() ? std::string("none") : i.deferredDelivery->iso());
    if (i.draft) out << YAML::Key << "draft" << YAML::Value << "true";
    if (i.unread) out << YAML::Key << "unread" << YAML::Value << "true";
    // An HTML item's text is derived from its HTML unless it was given apart.
    textField(out, "body", i.html.empty() || i.body != sim::HtmlToText(i.html) ? i.body : std::string());
    textField(out, "html", i.html);
    if (!i.attachments.empty()) {
        key(out, "attachments");
        out << YAML::BeginSeq;
        for (const auto& a : i.attachments) {
            out << YAML::Flow << YAML::BeginMap;
            textField(out, "name", a.fileName);
            textField(out, "content_id", a.contentId);
            if (a.displayName != a.fileName) textField(out, "display_name", a.displayName);
            out << YAML::EndMap;
        }
        out << YAML::EndSeq;
    }
    if (!i.userProperties.empty()) {
        key(out, "user_properties");
        out << YAML::BeginMap;
        for (const auto& [name, value] : i.userProperties) {
            key(out, name);
            text(out, value);
        }
        out << YAML::EndMap;
    }
    textField(out, "full_name", i.fullName);
    textField(out, "email", i.email);
    out << YAML::EndMap;
}

void folders(YAML::Emitter& out, const std::vector<ProfileFolder>& list) {
    out << YAML::BeginMap;
    for (const auto& f : list) {
        key(out, f.path);
        if (f.items.empty()) {
            out << YAML::Flow << YAML::BeginSeq << YAML::EndSeq;
            continue;
        }
        out << YAML::BeginSeq;
        for (const auto& i : f.items) item(out, i);
        out << YAML::EndSeq;
    }
    out << YAML::EndMap;
}

std::string hexBytes(const std::vector<std::uint8_t>& bytes) {
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char b[4];
        std::snprintf(b, sizeof b, "%02x", bytes[i]);
        if (i > 0) out += ",";
        out += b;
    }
    return out;
}

void registry(YAML::Emitter& out, const std::vector<RegistryEdit>& edits) {
    // Grouped by hive and key, in the order the keys first appear.
    out << YAML::BeginMap;
    for (auto hive : {platform::Hive::CurrentUser, platform::Hive::LocalMachine}) {
        std::vector<std::string> keys;
        std::map<std::string, std::vector<const RegistryEdit*>> values;
        for (const auto& e : edits) {
            if (e.hive != hive || e.deleteKey) continue;
            if (!values.contains(e.key)) keys.push_back(e.key);
            auto& list = values[e.key];
            if (e.valueName && e.value) list.push_back(&e);
        }
        if (keys.empty()) continue;
        key(out, HiveName(hive));
        out << YAML::BeginMap;
        for (const auto& k : keys) {
            key(out, k);
            if (values[k].empty()) {
                out << YAML::Flow << YAML::BeginMap << YAML::EndMap;
                continue;
            }
            out << YAML::BeginMap;
            for (const RegistryEdit* e : values[k]) {
                const auto& v = *e->value;
                key(out, v.name.empty() ? std::string("@") : v.name);
                if (v.type == platform::regtype::String) {
                    text(out, v.text);
                } else if (v.type == platform::regtype::DWord) {
                    out << YAML::Flow << YAML::BeginMap << YAML::Key << "dword" << YAML::Value << v.dword
                        << YAML::EndMap;
                } else {
                    out << YAML::Flow << YAML::BeginMap;
                    key(out, "hex");
                    text(out, hexBytes(v.bytes));
                    out << YAML::Key << "type" << YAML::Value << v.type << YAML::EndMap;
                }
            }
            out << YAML::EndMap;
        }
        out << YAML::EndMap;
    }
    out << YAML::EndMap;
}

}  // namespace

std::string FormatProfile(const Profile& p) {
    YAML::Emitter out;
    out.SetIndent(2);
    out << YAML::BeginMap;
    if (!p.addressBook.empty()) {
        key(out, "address_book");
        out << YAML::BeginSeq;
        for (const auto& e : p.addressBook) entry(out, e);
        out << YAML::EndSeq;
    }
    if (p.user) {
        key(out, "user");
        text(out, *p.user);
    }
    if (!p.accounts.empty()) {
        key(out, "accounts");
        out << YAML::BeginSeq;
        for (const auto& a : p.accounts) {
            out << YAML::Flow << YAML::BeginMap;
            textField(out, "name", a.name);
            key(out, "smtp");
            text(out, a.smtp);
            out << YAML::Key << "type" << YAML::Value << accountWord(a.type);
            textField(out, "user_name", a.userName);
            out << YAML::EndMap;
        }
        out << YAML::EndSeq;
    }
    if (!p.stores.empty()) {
        key(out, "stores");
        out << YAML::BeginSeq;
        for (const auto& s : p.stores) {
            out << YAML::BeginMap;
            textField(out, "name", s.name);
            out << YAML::Key << "kind" << YAML::Value
                << std::string(s.kind >= 0 && s.kind < 6 ? StoreWords[static_cast<std::size_t>(s.kind)]
                                                         : StoreWords[0]);
            textField(out, "owner", s.owner);
            if (!s.defaultFolders) out << YAML::Key << "default_folders" << YAML::Value << "false";
            if (s.isDefault) out << YAML::Key << "default" << YAML::Value << "true";
            if (!s.folders.empty()) {
                key(out, "folders");
                folders(out, s.folders);
            }
            out << YAML::EndMap;
        }
        out << YAML::EndSeq;
    }
    if (!p.folders.empty()) {
        key(out, "folders");
        folders(out, p.folders);
    }
    if (p.windows.given) {
        key(out, "windows");
        out << YAML::BeginMap;
        key(out, "explorers");
        out << YAML::Flow << YAML::BeginSeq;
        for (const auto& e : p.windows.explorers) text(out, e);
        out << YAML::EndSeq;
        if (!p.windows.inspectors.empty()) {
            key(out, "inspectors");
            out << YAML::Flow << YAML::BeginSeq;
            for (const auto& i : p.windows.inspectors) text(out, i);
            out << YAML::EndSeq;
        }
        out << YAML::EndMap;
    }
    // Deletions are not written (a profile is a state), so a registry of deletions only
    // writes nothing, as files that are absent do.
    if (std::any_of(p.registry.begin(), p.registry.end(), [](const RegistryEdit& e) { return !e.deleteKey; })) {
        key(out, "registry");
        registry(out, p.registry);
    }
    const std::string addinPrefix = std::string(simhost::AddinFolder) + "\\";
    std::vector<const FileEdit*> addinFiles;
    std::vector<const FileEdit*> otherFiles;
    for (const auto& f : p.files) {
        if (!f.content) continue;
        bool inAddin = f.path.size() > addinPrefix.size() && f.path.compare(0, addinPrefix.size(), addinPrefix) == 0 &&
                       f.path.find('\\', addinPrefix.size()) == std::string::npos;
        (inAddin ? addinFiles : otherFiles).push_back(&f);
    }
    if (!addinFiles.empty()) {
        key(out, "addin_files");
        out << YAML::BeginMap;
        for (const FileEdit* f : addinFiles) {
            key(out, f->path.substr(addinPrefix.size()));
            text(out, *f->content);
        }
        out << YAML::EndMap;
    }
    if (!otherFiles.empty()) {
        key(out, "files");
        out << YAML::BeginMap;
        for (const FileEdit* f : otherFiles) {
            key(out, f->path);
            text(out, *f->content);
        }
        out << YAML::EndMap;
    }
    if (!p.directories.empty()) {
        key(out, "directories");
        out << YAML::BeginSeq;
        for (const auto& d : p.directories) text(out, d.path);
        out << YAML::EndSeq;
    }
    out << YAML::EndMap;
    return std::string("# A profile of the simulated Outlook host (docs/profiles.md)\n") + out.c_str() + "\n";
}

void SaveProfileFile(const Profile& profile, const std::filesystem::path& path) {
    try {
        simhost::replaceFileAtomically(path, FormatProfile(profile));
    } catch (const std::system_error& e) {
        throw FormatError({path.string(), 0}, std::string("cannot save the profile: ") + e.what());
    }
}

}  // namespace corvane::profile
