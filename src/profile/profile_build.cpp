// Building a profile's mailbox, registry values and files into the simulated host.
#include <system_error>

#include "corvane/outlook/object.h"
#include "corvane/platform/error.h"
#include "corvane/profile/mailbox.h"
#include "corvane/profile/profile_build.h"
#include "corvane/sim/application.h"
#include "corvane/sim/folder.h"
#include "corvane/sim/item.h"
#include "corvane/sim/name_space.h"
#include "profile_internal.h"

namespace corvane::profile {

namespace ol = outlook;

namespace {

using detail::inQuotes;

std::shared_ptr<sim::SimAddressEntry> entryOrFail(const sim::AddressBook& book, const std::string& ref,
                                                  const Where& at, const std::string& what) {
    std::string problem;
    auto entry = FindEntry(book, ref, problem);
    if (!entry) throw FormatError(at, what + ": " + problem);
    return entry;
}

// A sender or recipient: an entry of the book, or "Name <address>" for anyone else.
std::shared_ptr<sim::SimAddressEntry> addressEntry(const sim::AddressBook& book, const ProfileAddress& a,
                                                   const Where& at, const std::string& what) {
    if (a.typed)
        throw FormatError(at, what + " must name an address book entry or \"Name <address>\", not a typed text");
    if (auto parts = sim::SplitNameAndAddress(a.text)) {
        std::string problem;
        if (auto entry = FindEntry(book, parts->second, problem)) return entry;
        if (parts->second.find('@') == std::string::npos)
            throw FormatError(at, what + ": " + inQuotes(a.text) + " has no SMTP address between < and >");
        return sim::AddressBook::oneOff(parts->first, parts->second);
    }
    return entryOrFail(book, a.text, at, what);
}

std::vector<sim::RecipientSpec> recipients(const sim::AddressBook& book, const std::vector<ProfileAddress>& list,
                                           const Where& at, const std::string& what) {
    std::vector<sim::RecipientSpec> out;
    for (const auto& a : list) {
        if (a.typed) {
            out.emplace_back(a.text);
        } else {
            out.emplace_back(addressEntry(book, a, at, what));
        }
    }
    return out;
}

}  // namespace

sim::EntrySpec EntrySpecOf(const ProfileEntry& e) {
    sim::EntrySpec spec;
    spec.name = e.name;
    spec.type = e.type;
    spec.alias = e.alias;
    spec.proxyAddresses = e.proxies;
    spec.isList = e.members.has_value();
    if (e.type == "SMTP") {
        if (!e.smtp.empty() && !e.address.empty() && e.smtp != e.address)
            throw FormatError(e.at, "address book entry " + inQuotes(e.name) +
                                        " is an SMTP entry: give its address once, as smtp");
        spec.address = e.smtp.empty() ? e.address : e.smtp;
        spec.displayType = e.displayType.value_or(spec.isList ? ol::oldisplay::DistList : ol::oldisplay::User);
    } else if (e.type == "EX") {
        spec.smtpAddress = e.smtp;
        if (spec.alias.empty()) spec.alias = e.smtp.empty() ? e.name : e.smtp.substr(0, e.smtp.find('@'));
        if (spec.proxyAddresses.empty() && !e.smtp.empty()) spec.proxyAddresses.push_back("SMTP:" + e.smtp);
        spec.address = !e.address.empty()
                           ? e.address
                           : "/o=Kelderon/ou=Exchange Administrative Group (FYDIBOHF23SPDLT)/cn=Recipients/cn=" +
                                 spec.alias;
        spec.displayType = e.displayType.value_or(spec.isList ? ol::oldisplay::DistList : ol::oldisplay::User);
    } else if (e.type == "MAPIPDL") {
        spec.address = e.address.empty() ? e.name : e.address;
        spec.smtpAddress = e.smtp;
        spec.displayType = e.displayType.value_or(ol::oldisplay::PrivateDistList);
    } else {
        spec.address = e.address;
        spec.smtpAddress = e.smtp;
        spec.displayType = e.displayType.value_or(spec.isList ? ol::oldisplay::DistList : ol::oldisplay::User);
    }
    return spec;
}

namespace {

void addItems(sim::SimApplication& app, const std::shared_ptr<sim::SimFolder>& root, const ProfileFolder& folder) {
    auto target = EnsureFolder(root, folder.path);
    const auto& book = app.profile()->addressBook();
    for (const auto& item : folder.items) {
        const std::string self = item.id.empty() ? "the item" : "item " + item.id;
        sim::ItemSpec spec;
        spec.objectClass = item.objectClass;
        spec.messageClass = item.messageClass;
        spec.subject = item.subject;
        spec.body = item.body;
        spec.html = item.html;
        if (item.from) spec.from = addressEntry(book, *item.from, item.at, "the sender of " + self);
        if (item.onBehalfOf)
            spec.onBehalfOf = addressEntry(book, *item.onBehalfOf, item.at, "on_behalf_of of " + self);
        spec.to = recipients(book, item.to, item.at, "a to recipient of " + self);
        spec.cc = recipients(book, item.cc, item.at, "a cc recipient of " + self);
        spec.bcc = recipients(book, item.bcc, item.at, "a bcc recipient of " + self);
        for (const auto& r : item.replyTo)
            spec.replyTo.push_back(addressEntry(book, r, item.at, "reply_to of " + self));
        spec.received = item.received;
        spec.sentOn = item.sentOn;
        spec.deferredDelivery = item.deferredDelivery;
        spec.sent = !item.draft;
        spec.unread = item.unread;
        for (const auto& a : item.attachments) spec.attachments.push_back({a.fileName, a.contentId, a.displayName});
        spec.userProperties = item.userProperties;
        spec.fullName = item.fullName;
        spec.email1Address = item.email;
        auto built = target->addItem(spec);
        if (!item.id.empty()) {
            StampItemId(*built, item.id);
            built->saveQuietly();
        }
    }
}

}  // namespace

void BuildMailbox(const Profile& profile, sim::SimApplication& app) {
    auto session = app.profile();
    auto& book = session->addressBook();
    for (const auto& e : profile.addressBook) {
        std::vector<std::shared_ptr<sim::SimAddressEntry>> members;
        if (e.members) {
            for (const auto& m : *e.members)
                members.push_back(
                    entryOrFail(book, m, e.at,
                                "a member of " + inQuotes(e.name) + " (members must be written before their list)"));
        }
        auto entry = book.addEntry(EntrySpecOf(e));
        for (auto& m : members) entry->addMember(std::move(m));
    }

    std::shared_ptr<sim::SimAddressEntry> user;
    if (profile.user) {
        user = entryOrFail(book, *profile.user, profile.userAt, "the user");
        session->setCurrentUser(user);
    }

    if (profile.stores.empty()) {
        const bool exchange = user && user->spec().type == "EX";
        if (exchange) {
            session->addStore({"Mailbox - " + user->spec().name, mapi::storekind::PrimaryExchangeMailbox, user, true});
        } else {
            session->addStore({"Personal Folders", mapi::storekind::PstUnicode, nullptr, true});
        }
    }
    std::vector<std::shared_ptr<sim::SimStore>> stores;
    for (const auto& s : profile.stores) {
        for (const auto& existing : session->stores())
            if (existing->name() == s.name) throw FormatError(s.at, "two stores are named " + inQuotes(s.name));
        std::shared_ptr<sim::SimAddressEntry> owner;
        if (!s.owner.empty()) owner = entryOrFail(book, s.owner, s.at, "the owner of store " + inQuotes(s.name));
        auto store = session->addStore({s.name, s.kind, owner, s.defaultFolders});
        stores.push_back(store);
        if (s.isDefault) session->setDefaultStore(store);
    }
    if (!session->defaultStore() && !profile.folders.empty())
        throw FormatError(profile.folders.front().at, "the profile has no default store for its folders");

    for (const auto& a : profile.accounts) {
        if (session->findAccount(a.name)) throw FormatError(a.at, "two accounts are named " + inQuotes(a.name));
        session->addAccount({a.name, a.smtp, a.type, a.userName});
    }

    for (const auto& f : profile.folders) addItems(app, session->defaultStore()->root(), f);
    for (std::size_t i = 0; i < stores.size(); ++i)
        for (const auto& f : profile.stores[i].folders) addItems(app, stores[i]->root(), f);

    for (const auto& path : profile.windows.explorers)
        if (!FindFolder(*session, path))
            throw FormatError(profile.windows.at, "the explorer's folder " + inQuotes(path) + " does not exist");
    for (const auto& id : profile.windows.inspectors)
        if (!FindItemById(app, id)) throw FormatError(profile.windows.at, "no item has the id " + inQuotes(id));
}

void ApplyRegistryEdits(const std::vector<RegistryEdit>& edits, platform::Registry& registry) {
    for (const auto& edit : edits) {
        try {
            if (edit.deleteKey) {
                registry.deleteKey(edit.hive, edit.key);
                continue;
            }
            auto key = registry.createKey(edit.hive, edit.key);
            if (edit.valueName) {
                if (edit.value) {
                    key->setValue(*edit.value);
                } else {
                    key->deleteValue(*edit.valueName);
                }
            }
            key->close();
        } catch (const platform::PlatformError& e) {
            throw FormatError(edit.at, "the registry refuses this value: " + e.description());
        }
    }
}

void ApplyFileEdits(const std::vector<FileEdit>& files, const std::vector<DirectoryEdit>& directories,
                    simhost::SimFileSystem& fs) {
    auto real = [&](const std::string& path, const Where& at) {
        auto p = fs.realPath(path);
        if (!p) throw FormatError(at, "the path " + inQuotes(path) + " lies outside the simulated disk C:\\");
        return *p;
    };
    for (const auto& d : directories) {
        std::error_code ec;
        std::filesystem::create_directories(real(d.path, d.at), ec);
        if (ec) throw FormatError(d.at, "cannot create the folder " + inQuotes(d.path) + ": " + ec.message());
    }
    for (const auto& f : files) {
        auto target = real(f.path, f.at);
        try {
            if (f.content) {
                std::filesystem::create_directories(target.parent_path());
                fs.writeFile(f.path, *f.content);
            } else if (fs.fileExists(f.path)) {
                fs.removeFile(f.path);
            }
        } catch (const std::exception& e) {
            throw FormatError(f.at, "cannot write the file " + inQuotes(f.path) + ": " + e.what());
        }
    }
}

void ApplyProfile(const Profile& profile, simhost::SimHost& host) {
    ApplyRegistryEdits(profile.registry, host.registry());
    ApplyFileEdits(profile.files, profile.directories, host.files());
}

}  // namespace corvane::profile
