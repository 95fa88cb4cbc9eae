#include "corvane/profile/mailbox.h"

#include "corvane/mapi/props.h"
#include "corvane/sim/address_book.h"
#include "corvane/sim/application.h"
#include "corvane/sim/folder.h"
#include "corvane/sim/inspector.h"
#include "corvane/sim/item.h"
#include "corvane/sim/name_space.h"
#include "corvane/text/text.h"

namespace corvane::profile {

namespace {

// PR_SEARCH_KEY: stays with a message through moves and sends.
constexpr mapi::PropTag SearchKey = mapi::MakeTag(0x300B, mapi::pt::Binary);

std::vector<std::string> splitPath(std::string_view path, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        auto end = path.find(separator, start);
        if (end == std::string_view::npos) end = path.size();
        if (end > start) parts.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::shared_ptr<sim::SimFolder> walk(std::shared_ptr<sim::SimFolder> folder, const std::vector<std::string>& names,
                                     std::size_t from) {
    for (std::size_t i = from; folder && i < names.size(); ++i) folder = folder->child(names[i]);
    return folder;
}

std::shared_ptr<sim::SimItem> findIn(const sim::SimFolder& folder, std::string_view id) {
    for (const auto& item : folder.items())
        if (!item->gone() && ItemIdOf(*item) == id) return item;
    for (const auto& child : folder.children())
        if (auto found = findIn(*child, id)) return found;
    return nullptr;
}

void collect(const sim::SimFolder& folder, std::vector<std::shared_ptr<sim::SimFolder>>& out) {
    for (const auto& child : folder.children()) {
        out.push_back(child);
        collect(*child, out);
    }
}

}  // namespace

std::shared_ptr<sim::SimFolder> FindFolder(const sim::SimNameSpace& profile, std::string_view path) {
    if (path.starts_with("\\\\")) {
        auto names = splitPath(path.substr(2), '\\');
        if (names.empty()) return nullptr;
        for (const auto& store : profile.stores())
            if (text::equalsNoCase(store->name(), names.front())) return walk(store->root(), names, 1);
        return nullptr;
    }
    auto store = profile.defaultStore();
    if (!store) return nullptr;
    auto names = splitPath(path, '/');
    if (names.empty()) return nullptr;
    return walk(store->root(), names, 0);
}

std::string FolderPathOf(const sim::SimNameSpace& profile, const sim::SimFolder& folder) {
    auto store = folder.store();
    if (!store || store != profile.defaultStore()) return folder.path();
    std::string path;
    for (auto f = folder.shared_from_this(); f && f != store->root(); f = f->parentFolder())
        path = path.empty() ? f->name() : f->name() + "/" + path;
    return path;
}

std::shared_ptr<sim::SimFolder> EnsureFolder(const std::shared_ptr<sim::SimFolder>& root, std::string_view path) {
    auto folder = root;
    for (const auto& name : splitPath(path, '/')) {
        auto next = folder->child(name);
        folder = next ? next : folder->addFolder(name);
    }
    return folder;
}

std::vector<std::shared_ptr<sim::SimFolder>> FoldersBelow(const sim::SimFolder& root) {
    std::vector<std::shared_ptr<sim::SimFolder>> out;
    collect(root, out);
    return out;
}

std::shared_ptr<sim::SimAddressEntry> FindEntry(const sim::AddressBook& book, std::string_view ref,
                                                std::string& problem) {
    const std::string wanted = text::trim(ref);
    if (wanted.find('@') != std::string::npos) {
        std::shared_ptr<sim::SimAddressEntry> found;
        for (const auto& e : book.entries()) {
            if (!e->hasSmtpAddress(wanted)) continue;
            if (found) {
                problem = "two address book entries have the address \"" + wanted + "\"";
                return nullptr;
            }
            found = e;
        }
        if (!found)
            problem = "no address book entry has the address \"" + wanted + "\" (write \"Name <" + wanted +
                      ">\" for someone outside the address book)";
        return found;
    }
    std::shared_ptr<sim::SimAddressEntry> found;
    for (const auto& e : book.entries()) {
        const auto& spec = e->spec();
        if (!text::equalsNoCase(spec.name, wanted) && (spec.alias.empty() || !text::equalsNoCase(spec.alias, wanted)))
            continue;
        if (found) {
            problem = "two address book entries are named \"" + wanted + "\": name one by its address";
            return nullptr;
        }
        found = e;
    }
    if (!found) problem = "no address book entry is named \"" + wanted + "\"";
    return found;
}

std::string EntryRef(const sim::AddressBook& book, const sim::SimAddressEntry& entry) {
    const auto& spec = entry.spec();
    std::string smtp = entry.smtpAddress();
    bool inBook = false;
    for (const auto& e : book.entries()) inBook = inBook || e.get() == &entry;
    if (inBook) {
        std::string problem;
        if (!smtp.empty() && FindEntry(book, smtp, problem).get() == &entry) return smtp;
        if (spec.name.find('@') == std::string::npos && FindEntry(book, spec.name, problem).get() == &entry)
            return spec.name;
    }
    return spec.name + " <" + (smtp.empty() ? spec.address : smtp) + ">";
}

void StampItemId(sim::SimItem& item, std::string_view id) {
    item.props().set(SearchKey, mapi::Binary(id.begin(), id.end()));
}

std::string ItemIdOf(const sim::SimItem& item) {
    const auto value = item.props().get(SearchKey);
    const auto* bytes = std::get_if<mapi::Binary>(&value);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

std::shared_ptr<sim::SimItem> FindItemById(const sim::SimApplication& app, std::string_view id) {
    if (id.empty()) return nullptr;
    for (const auto& inspector : app.inspectors()) {
        auto item = inspector->item();
        if (item && !item->gone() && ItemIdOf(*item) == id) return item;
    }
    for (const auto& store : app.profile()->stores())
        if (auto found = findIn(*store->root(), id)) return found;
    return nullptr;
}

}  // namespace corvane::profile
