#include "corvane/sim/folder.h"

#include <algorithm>
#include <cstdio>

#include "corvane/platform/error.h"
#include "corvane/sim/application.h"
#include "corvane/sim/failure.h"
#include "corvane/sim/item.h"
#include "corvane/sim/item_types.h"
#include "corvane/sim/mapi_views.h"
#include "corvane/sim/name_space.h"
#include "corvane/text/text.h"

namespace corvane::sim {

namespace ol = outlook;

namespace {

class SimFolders final : public ol::Folders {
public:
    explicit SimFolders(std::shared_ptr<SimFolder> folder) : folder_(std::move(folder)) {}
    int Class() override { return check(), ol::olclass::Folders; }
    int Count() override { return check(), static_cast<int>(folder_->children().size()); }
    std::shared_ptr<ol::Folder> Item(int index) override {
        check();
        return ItemAt(folder_->children(), index);
    }
    std::shared_ptr<ol::Folder> Item(std::string_view name) override {
        check();
        auto child = folder_->child(name);
        if (!child) Raise(errors::ObjectNotFound);
        return child;
    }
    std::shared_ptr<ol::Folder> Add(std::string_view name, int folderType) override {
        check();
        return folder_->addFolder(std::string(name), folderType < 0 ? -1 : FolderItemType(folderType));
    }

private:
    // The default item type of a folder created with an olfolder type.
    static int FolderItemType(int folderType) {
        switch (folderType) {
            case ol::olfolder::Contacts: return ol::olitem::Contact;
            case ol::olfolder::Notes: return ol::olitem::Note;
            case ol::olfolder::Calendar: return 1;
            case ol::olfolder::Tasks: return 3;
            case ol::olfolder::Journal: return 4;
            default: return ol::olitem::Mail;
        }
    }
    void check() const { folder_->checkLive(); }
    std::shared_ptr<SimFolder> folder_;
};

class SimItems final : public ol::Items {
public:
    explicit SimItems(std::shared_ptr<SimFolder> folder) : folder_(std::move(folder)) {}
    int Class() override { return check(), ol::olclass::Items; }
    int Count() override { return check(), static_cast<int>(folder_->items().size()); }
    std::shared_ptr<ol::Item> Item(int index) override {
        check();
        return ItemAt(folder_->items(), index)->asItem();
    }

private:
    void check() const { folder_->checkLive(); }
    std::shared_ptr<SimFolder> folder_;
};

}  // namespace

SimFolder::SimFolder(std::weak_ptr<SimStore> store, std::string name, int defaultItemType, std::string entryId)
    : store_(std::move(store)),
      name_(std::move(name)),
      defaultItemType_(defaultItemType),
      entryId_(std::move(entryId)) {}

void SimFolder::checkLive() const {
    if (gone_) Raise(errors::ObjectNotFound);
}

int SimFolder::Class() { return checkLive(), ol::olclass::Folder; }
std::string SimFolder::Name() { return checkLive(), name_; }
std::string SimFolder::EntryID() { return checkLive(), entryId_; }
std::string SimFolder::StoreID() {
    checkLive();
    auto s = store();
    return s ? s->storeId() : std::string();
}
std::string SimFolder::FolderPath() { return checkLive(), path(); }

std::shared_ptr<ol::Object> SimFolder::Parent() {
    checkLive();
    if (auto p = parentFolder()) return p;
    auto s = store();
    if (!s) Raise(errors::ObjectNotFound);
    return s->app()->profile();
}

std::shared_ptr<ol::Folders> SimFolder::Folders() {
    return checkLive(), std::make_shared<SimFolders>(shared_from_this());
}
std::shared_ptr<ol::Items> SimFolder::Items() { return checkLive(), std::make_shared<SimItems>(shared_from_this()); }
int SimFolder::DefaultItemType() { return checkLive(), defaultItemType_; }

void SimFolder::MoveTo(const std::shared_ptr<ol::Folder>& destination) {
    checkLive();
    auto dest = std::dynamic_pointer_cast<SimFolder>(destination);
    if (!dest) Raise(errors::InvalidCall);
    dest->checkLive();
    auto parent = parentFolder();
    if (!parent || dest->isWithin(*this) || dest->store() != store() || dest->child(name_)) {
        Raise(errors::CannotMoveFolder);
    }
    auto self = shared_from_this();
    parent->releaseFolder(*this);
    dest->adoptFolder(self);
}

void SimFolder::Delete() {
    checkLive();
    auto parent = parentFolder();
    auto s = store();
    if (!parent || !s) Raise(errors::CannotDeleteFolder);
    for (int special : {ol::olfolder::Inbox, ol::olfolder::Outbox, ol::olfolder::SentMail, ol::olfolder::DeletedItems,
                        ol::olfolder::Drafts}) {
        if (s->defaultFolder(special).get() == this) Raise(errors::CannotDeleteFolder);
    }
    auto deleted = s->defaultFolder(ol::olfolder::DeletedItems);
    auto self = shared_from_this();
    if (!deleted || isWithin(*deleted)) {
        parent->releaseFolder(*this);
        markGone();
        return;
    }
    // Deleted Items keeps one folder of a name; a second one is renamed as Outlook does.
    std::string name = name_;
    for (int n = 1; deleted->child(name); ++n) name = name_ + " (" + std::to_string(n) + ")";
    name_ = name;
    parent->releaseFolder(*this);
    deleted->adoptFolder(self);
}

std::shared_ptr<mapi::Folder> SimFolder::MAPIOBJECT() {
    return checkLive(), std::make_shared<SimMapiFolder>(shared_from_this());
}

std::shared_ptr<SimFolder> SimFolder::child(std::string_view name) const {
    for (const auto& c : children_) {
        if (text::equalsNoCase(c->name_, name)) return c;
    }
    return nullptr;
}

std::shared_ptr<SimFolder> SimFolder::addFolder(std::string name, int defaultItemType) {
    checkLive();
    if (text::trim(name).empty() || child(name)) Raise(errors::CannotCreateFolder);
    auto s = store();
    if (!s) Raise(errors::ObjectNotFound);
    auto folder = std::make_shared<SimFolder>(store_, std::move(name),
                                              defaultItemType < 0 ? defaultItemType_ : defaultItemType,
                                              s->newEntryId());
    adoptFolder(folder);
    return folder;
}

std::shared_ptr<SimItem> SimFolder::addItem(const ItemSpec& spec) {
    checkLive();
    auto s = store();
    if (!s) Raise(errors::ObjectNotFound);
    auto item = BuildItem(s->app(), spec);
    insert(item);
    item->saveQuietly();
    return item;
}

std::shared_ptr<SimMailItem> SimFolder::addMail(const ItemSpec& spec) {
    auto copy = spec;
    copy.objectClass = ol::olclass::Mail;
    return std::static_pointer_cast<SimMailItem>(addItem(copy));
}

std::string SimFolder::path() const {
    std::string p = "\\" + name_;
    for (auto f = parentFolder(); f; f = f->parentFolder()) p = "\\" + f->name_ + p;
    return "\\" + p;
}

bool SimFolder::isWithin(const SimFolder& other) const {
    for (const SimFolder* f = this; f;) {
        if (f == &other) return true;
        auto parent = f->parentFolder();
        f = parent.get();
    }
    return false;
}

void SimFolder::insert(const std::shared_ptr<SimItem>& item) {
    auto s = store();
    if (!s) Raise(errors::ObjectNotFound);
    item->placeIn(shared_from_this(), s->newEntryId());
    items_.push_back(item);
}

void SimFolder::erase(const SimItem& item) {
    std::erase_if(items_, [&](const auto& i) { return i.get() == &item; });
}

void SimFolder::adoptFolder(const std::shared_ptr<SimFolder>& folder) {
    folder->parent_ = weak_from_this();
    children_.push_back(folder);
}

void SimFolder::releaseFolder(const SimFolder& folder) {
    std::erase_if(children_, [&](const auto& c) { return c.get() == &folder; });
}

void SimFolder::markGone() {
    gone_ = true;
    for (const auto& item : items_) item->markGone();
    for (const auto& c : children_) c->markGone();
}

// Stores -------------------------------------------------------------------------------

SimStore::SimStore(std::weak_ptr<SimApplication> app, StoreSpec spec, std::string storeId)
    : app_(std::move(app)), spec_(std::move(spec)), storeId_(std::move(storeId)) {}

std::shared_ptr<SimApplication> SimStore::app() const {
    auto a = app_.lock();
    if (!a) Raise(errors::HostGone);
    return a;
}

void SimStore::createRoot() {
    root_ = std::make_shared<SimFolder>(weak_from_this(), spec_.name, ol::olitem::Mail, newEntryId());
    if (!spec_.withDefaultFolders) return;
    struct Default {
        int type;
        const char* name;
        int itemType;
    };
    static constexpr Default defaults[] = {
        {ol::olfolder::DeletedItems, "Deleted Items", ol::olitem::Mail},
        {ol::olfolder::Inbox, "Inbox", ol::olitem::Mail},
        {ol::olfolder::Outbox, "Outbox", ol::olitem::Mail},
        {ol::olfolder::SentMail, "Sent Items", ol::olitem::Mail},
        {ol::olfolder::Drafts, "Drafts", ol::olitem::Mail},
        {ol::olfolder::Calendar, "Calendar", 1},
        {ol::olfolder::Contacts, "Contacts", ol::olitem::Contact},
        {ol::olfolder::Journal, "Journal", 4},
        {ol::olfolder::Notes, "Notes", ol::olitem::Note},
        {ol::olfolder::Tasks, "Tasks", 3},
    };
    for (const auto& d : defaults) setDefaultFolder(d.type, root_->addFolder(d.name, d.itemType));
}

std::shared_ptr<SimFolder> SimStore::defaultFolder(int folderType) const {
    auto it = defaults_.find(folderType);
    if (it == defaults_.end()) return nullptr;
    auto folder = it->second.lock();
    return folder && !folder->gone() ? folder : nullptr;
}

void SimStore::setDefaultFolder(int folderType, const std::shared_ptr<SimFolder>& folder) {
    defaults_[folderType] = folder;
}

std::string SimStore::newEntryId() {
    char buffer[17];
    std::snprintf(buffer, sizeof buffer, "%016llX", nextId_++);
    return "00000000" + storeId_.substr(storeId_.size() - 16) + buffer;
}

namespace {

std::shared_ptr<SimFolder> FindFolderIn(const std::shared_ptr<SimFolder>& folder, std::string_view entryId) {
    if (!folder) return nullptr;
    if (text::equalsNoCase(folder->entryId(), entryId)) return folder;
    for (const auto& c : folder->children()) {
        if (auto f = FindFolderIn(c, entryId)) return f;
    }
    return nullptr;
}

std::shared_ptr<SimItem> FindItemIn(const std::shared_ptr<SimFolder>& folder, std::string_view entryId) {
    if (!folder) return nullptr;
    for (const auto& i : folder->items()) {
        if (text::equalsNoCase(i->entryId(), entryId)) return i;
    }
    for (const auto& c : folder->children()) {
        if (auto i = FindItemIn(c, entryId)) return i;
    }
    return nullptr;
}

}  // namespace

std::shared_ptr<SimFolder> SimStore::findFolder(std::string_view entryId) const {
    return FindFolderIn(root_, entryId);
}
std::shared_ptr<SimItem> SimStore::findItem(std::string_view entryId) const { return FindItemIn(root_, entryId); }

}  // namespace corvane::sim
