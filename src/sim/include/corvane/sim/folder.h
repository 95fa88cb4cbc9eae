#pragma once
// Stores and their folders. A store has a root folder (the top of its folder list) and,
// when it is a mailbox, the default folders below it. Folder objects stay the same while
// the folder exists; a folder deleted for good fails on every member.
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/mapi/objects.h"
#include "corvane/outlook/folders.h"
#include "corvane/sim/fwd.h"
#include "corvane/sim/item_spec.h"

namespace corvane::sim {

class SimFolder final : public outlook::Folder, public std::enable_shared_from_this<SimFolder> {
public:
    SimFolder(std::weak_ptr<SimStore> store, std::string name, int defaultItemType, std::string entryId);

    int Class() override;
    std::string Name() override;
    std::string EntryID() override;
    std::string StoreID() override;
    std::string FolderPath() override;
    std::shared_ptr<outlook::Object> Parent() override;
    std::shared_ptr<outlook::Folders> Folders() override;
    std::shared_ptr<outlook::Items> Items() override;
    int DefaultItemType() override;
    void MoveTo(const std::shared_ptr<outlook::Folder>& destination) override;
    void Delete() override;
    std::shared_ptr<mapi::Folder> MAPIOBJECT() override;

    // Building and inspecting the profile.
    const std::string& name() const { return name_; }
    const std::string& entryId() const { return entryId_; }
    int defaultItemType() const { return defaultItemType_; }
    std::shared_ptr<SimStore> store() const { return store_.lock(); }
    std::shared_ptr<SimFolder> parentFolder() const { return parent_.lock(); }
    const std::vector<std::shared_ptr<SimFolder>>& children() const { return children_; }
    const std::vector<std::shared_ptr<SimItem>>& items() const { return items_; }
    // The child of that name (ignoring case), or nullptr.
    std::shared_ptr<SimFolder> child(std::string_view name) const;
    // A new subfolder; -1 takes this folder's default item type. Fails when the name is
    // taken.
    std::shared_ptr<SimFolder> addFolder(std::string name, int defaultItemType = -1);
    // A new item in this folder, saved.
    std::shared_ptr<SimItem> addItem(const ItemSpec& spec);
    std::shared_ptr<SimMailItem> addMail(const ItemSpec& spec);
    // "\\<root>\<folder>..."
    std::string path() const;
    // Whether this folder is `other` or lies below it.
    bool isWithin(const SimFolder& other) const;
    bool gone() const { return gone_; }
    void checkLive() const;

    // Used by items and folders as they move.
    void insert(const std::shared_ptr<SimItem>& item);
    void erase(const SimItem& item);
    void adoptFolder(const std::shared_ptr<SimFolder>& folder);
    void releaseFolder(const SimFolder& folder);
    void markGone();

private:
    std::weak_ptr<SimStore> store_;
    std::weak_ptr<SimFolder> parent_;
    std::string name_;
    int defaultItemType_;
    std::string entryId_;
    bool gone_ = false;
    std::vector<std::shared_ptr<SimFolder>> children_;
    std::vector<std::shared_ptr<SimItem>> items_;
};

struct StoreSpec {
    std::string name = "Personal Folders";  // also the root folder's name
    int kind = mapi::storekind::PstUnicode;
    std::shared_ptr<SimAddressEntry> owner;  // the mailbox owner of an Exchange store
    bool withDefaultFolders = true;          // Inbox, Outbox, Sent Items, Deleted Items, Drafts...
};

class SimStore final : public std::enable_shared_from_this<SimStore> {
public:
    SimStore(std::weak_ptr<SimApplication> app, StoreSpec spec, std::string storeId);

    const std::string& name() const { return spec_.name; }
    int kind() const { return spec_.kind; }
    const std::shared_ptr<SimAddressEntry>& owner() const { return spec_.owner; }
    const std::string& storeId() const { return storeId_; }
    std::shared_ptr<SimApplication> app() const;
    std::shared_ptr<SimFolder> root() const { return root_; }
    // An olfolder folder of this store, or nullptr.
    std::shared_ptr<SimFolder> defaultFolder(int folderType) const;
    void setDefaultFolder(int folderType, const std::shared_ptr<SimFolder>& folder);
    std::string newEntryId();
    std::shared_ptr<SimFolder> findFolder(std::string_view entryId) const;
    std::shared_ptr<SimItem> findItem(std::string_view entryId) const;

    // Called once after construction.
    void createRoot();

private:
    std::weak_ptr<SimApplication> app_;
    StoreSpec spec_;
    std::string storeId_;
    std::shared_ptr<SimFolder> root_;
    std::map<int, std::weak_ptr<SimFolder>> defaults_;
    unsigned long long nextId_ = 1;
};

}  // namespace corvane::sim
