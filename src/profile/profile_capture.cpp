// Capturing the simulated host's state as a profile, for saving.
#include <algorithm>
#include <fstream>
#include <iterator>

#include "corvane/outlook/object.h"
#include "corvane/profile/mailbox.h"
#include "corvane/profile/profile_build.h"
#include "corvane/sim/application.h"
#include "corvane/sim/explorer.h"
#include "corvane/sim/folder.h"
#include "corvane/sim/inspector.h"
#include "corvane/sim/item.h"
#include "corvane/sim/name_space.h"
#include "corvane/text/text.h"

namespace corvane::profile {

namespace ol = outlook;

namespace {

constexpr int DefaultFolderTypes[] = {ol::olfolder::DeletedItems, ol::olfolder::Outbox,   ol::olfolder::SentMail,
                                      ol::olfolder::Inbox,        ol::olfolder::Calendar, ol::olfolder::Contacts,
                                      ol::olfolder::Journal,      ol::olfolder::Notes,    ol::olfolder::Tasks,
                                      ol::olfolder::Drafts};

// The entry with only what differs from the defaults of its type.
ProfileEntry captureEntry(const sim::AddressBook& book, const sim::SimAddressEntry& entry) {
    const auto& spec = entry.spec();
    ProfileEntry e;
    e.name = spec.name;
    e.type = spec.type;
    if (spec.isList) {
        e.members.emplace();
        for (const auto& m : entry.members()) e.members->push_back(EntryRef(book, *m));
    }
    if (spec.type == "SMTP") {
        e.smtp = spec.address;
    } else {
        e.smtp = spec.smtpAddress;
    }
    sim::EntrySpec defaults = EntrySpecOf(e);
    if (spec.alias != defaults.alias) {
        e.alias = spec.alias;
        defaults = EntrySpecOf(e);  // an Exchange address follows the alias
    }
    if (spec.address != defaults.address) e.address = spec.address;
    if (spec.proxyAddresses != defaults.proxyAddresses) e.proxies = spec.proxyAddresses;
    if (spec.displayType != defaults.displayType) e.displayType = spec.displayType;
    return e;
}

ProfileAddress captureAddress(const sim::AddressBook& book, const sim::RecipientSpec& r) {
    if (r.entry) return {EntryRef(book, *r.entry), false};
    return {r.text, true};
}

ProfileItem captureItem(const sim::AddressBook& book, sim::SimItem& item) {
    const sim::ItemSpec spec = SpecOf(item);
    ProfileItem p;
    p.id = ItemIdOf(item);
    p.objectClass = spec.objectClass;
    p.messageClass = spec.messageClass;
    p.subject = spec.subject;
    p.html = spec.html;
    p.body = spec.body;
    if (spec.from) p.from = ProfileAddress{EntryRef(book, *spec.from), false};
    if (spec.onBehalfOf && spec.onBehalfOf != spec.from)
        p.onBehalfOf = ProfileAddress{EntryRef(book, *spec.onBehalfOf), false};
    for (const auto& r : spec.to) p.to.push_back(captureAddress(book, r));
    for (const auto& r : spec.cc) p.cc.push_back(captureAddress(book, r));
    for (const auto& r : spec.bcc) p.bcc.push_back(captureAddress(book, r));
    for (const auto& r : spec.replyTo) p.replyTo.push_back({EntryRef(book, *r), false});
    p.draft = !spec.sent;
    if (spec.sent) {
        p.received = spec.received;
        p.sentOn = spec.sentOn;
    }
    p.deferredDelivery = spec.deferredDelivery;
    p.unread = spec.unread;
    for (const auto& a : spec.attachments) p.attachments.push_back({a.fileName, a.contentId, a.displayName});
    p.userProperties = spec.userProperties;
    p.fullName = spec.fullName;
    p.email = spec.email1Address;
    return p;
}

std::vector<ProfileFolder> captureFolders(const sim::AddressBook& book, const sim::SimStore& store) {
    std::vector<ProfileFolder> out;
    auto root = store.root();
    for (const auto& folder : FoldersBelow(*root)) {
        bool isDefault = false;
        for (int type : DefaultFolderTypes) isDefault = isDefault || store.defaultFolder(type) == folder;
        if (folder->items().empty() && (isDefault || !folder->children().empty())) continue;
        ProfileFolder f;
        for (auto p = folder; p && p != root; p = p->parentFolder())
            f.path = f.path.empty() ? p->name() : p->name() + "/" + f.path;
        for (const auto& item : folder->items()) f.items.push_back(captureItem(book, *item));
        out.push_back(std::move(f));
    }
    return out;
}

void captureKey(platform::Hive hive, const simhost::RegKeyNode& node, const std::string& path,
                std::vector<RegistryEdit>& out) {
    if (!path.empty() && (!node.values.empty() || node.children.empty())) {
        RegistryEdit key;
        key.hive = hive;
        key.key = path;
        out.push_back(key);
        for (const auto& v : node.values) {
            RegistryEdit value = key;
            value.valueName = v.name;
            value.value = v;
            out.push_back(std::move(value));
        }
    }
    for (const auto& child : node.children)
        captureKey(hive, *child, path.empty() ? child->name : path + "\\" + child->name, out);
}

std::string readAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The Windows path of a real path below a mount.
std::string windowsPath(const simhost::Mount& mount, const std::filesystem::path& real) {
    std::string rel = std::filesystem::relative(real, mount.folder).generic_string();
    std::replace(rel.begin(), rel.end(), '/', '\\');
    return platform::JoinPath(mount.windowsPrefix, rel);
}

void captureFiles(const std::vector<simhost::Mount>& mounts, Profile& p) {
    for (const auto& mount : mounts) {
        std::error_code ec;
        if (!std::filesystem::is_directory(mount.folder, ec)) continue;
        std::vector<std::filesystem::path> entries;
        for (auto it = std::filesystem::recursive_directory_iterator(mount.folder, ec);
             !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
            entries.push_back(it->path());
        std::sort(entries.begin(), entries.end());
        for (const auto& real : entries) {
            // A folder mounted elsewhere is captured from its own mount.
            bool other = false;
            for (const auto& m : mounts)
                other = other ||
                        (m.folder != mount.folder && m.folder.string().size() > mount.folder.string().size() &&
                         real.string().starts_with(m.folder.string()));
            if (other) continue;
            if (std::filesystem::is_directory(real, ec)) {
                if (std::filesystem::is_empty(real, ec)) {
                    DirectoryEdit folder;
                    folder.path = windowsPath(mount, real);
                    p.directories.push_back(std::move(folder));
                }
            } else if (real.filename().string().find(".tmp-") == std::string::npos) {
                FileEdit file;
                file.path = windowsPath(mount, real);
                file.content = readAll(real);
                p.files.push_back(std::move(file));
            }
        }
    }
}

}  // namespace

Profile CaptureProfile(sim::SimApplication& app, simhost::SimRegistry& registry,
                       const std::vector<simhost::Mount>& mounts) {
    Profile p;
    auto session = app.profile();
    const auto& book = session->addressBook();
    for (const auto& entry : book.entries()) p.addressBook.push_back(captureEntry(book, *entry));
    if (const auto& user = session->currentUser()) p.user = EntryRef(book, *user);
    for (const auto& account : session->accounts()) {
        const auto& spec = account->spec();
        ProfileAccount a;
        a.name = spec.name;
        a.smtp = spec.smtpAddress;
        a.type = spec.type;
        a.userName = spec.userName;
        p.accounts.push_back(std::move(a));
    }
    for (const auto& store : session->stores()) {
        ProfileStore s;
        s.name = store->name();
        s.kind = store->kind();
        if (store->owner()) s.owner = EntryRef(book, *store->owner());
        s.defaultFolders = store->defaultFolder(ol::olfolder::Inbox) != nullptr;
        s.isDefault = store == session->defaultStore();
        s.folders = captureFolders(book, *store);
        p.stores.push_back(std::move(s));
    }
    for (const auto& explorer : app.explorers()) {
        if (explorer->closed() || !explorer->folder()) continue;
        p.windows.explorers.push_back(FolderPathOf(*session, *explorer->folder()));
    }
    for (const auto& inspector : app.inspectors()) {
        if (inspector->closed() || !inspector->item() || !inspector->item()->folder()) continue;
        const std::string id = ItemIdOf(*inspector->item());
        if (!id.empty()) p.windows.inspectors.push_back(id);
    }
    p.windows.given = !p.windows.explorers.empty() || !p.windows.inspectors.empty();

    for (auto hive : {platform::Hive::CurrentUser, platform::Hive::LocalMachine})
        if (const simhost::RegKeyNode* root = registry.find(hive, "")) captureKey(hive, *root, "", p.registry);
    captureFiles(mounts, p);
    return p;
}

Profile CaptureProfile(sim::SimApplication& app, simhost::SimHost& host) {
    return CaptureProfile(app, host.registry(), host.mounts());
}

}  // namespace corvane::profile
