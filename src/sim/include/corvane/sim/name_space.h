#pragma once
// The "MAPI" NameSpace and the profile behind it: stores, the address book, the accounts
// in their sending order and the user the profile logs on as.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/outlook/application.h"
#include "corvane/sim/account.h"
#include "corvane/sim/address_book.h"
#include "corvane/sim/folder.h"

namespace corvane::sim {

class SimNameSpace final : public outlook::NameSpace, public std::enable_shared_from_this<SimNameSpace> {
public:
    explicit SimNameSpace(std::weak_ptr<SimApplication> app);

    int Class() override;
    std::string Type() override;
    std::shared_ptr<outlook::Recipient> CurrentUser() override;
    std::shared_ptr<outlook::Folder> GetDefaultFolder(int folderType) override;
    std::shared_ptr<outlook::Item> GetItemFromID(std::string_view entryId, std::string_view storeId) override;
    std::shared_ptr<outlook::Folder> GetFolderFromID(std::string_view entryId, std::string_view storeId) override;
    std::shared_ptr<outlook::Folders> Folders() override;
    std::shared_ptr<outlook::Accounts> Accounts() override;
    std::shared_ptr<mapi::Session> MAPIOBJECT() override;

    // The profile.
    AddressBook& addressBook() { return addressBook_; }
    // A new store; the first store with default folders becomes the default store.
    std::shared_ptr<SimStore> addStore(StoreSpec spec);
    const std::vector<std::shared_ptr<SimStore>>& stores() const { return stores_; }
    std::shared_ptr<SimStore> defaultStore() const { return defaultStore_; }
    void setDefaultStore(const std::shared_ptr<SimStore>& store) { defaultStore_ = store; }
    // Accounts in sending order; the first is the default account.
    std::shared_ptr<SimAccount> addAccount(AccountSpec spec);
    const std::vector<std::shared_ptr<SimAccount>>& accounts() const { return accounts_; }
    void makeDefaultAccount(const std::shared_ptr<SimAccount>& account);
    std::shared_ptr<SimAccount> findAccount(std::string_view name) const;
    void setCurrentUser(std::shared_ptr<SimAddressEntry> user) { currentUser_ = std::move(user); }
    const std::shared_ptr<SimAddressEntry>& currentUser() const { return currentUser_; }

    // An olfolder folder of the default store, or nullptr.
    std::shared_ptr<SimFolder> defaultFolder(int folderType) const;
    std::shared_ptr<SimItem> findItem(std::string_view entryId, std::string_view storeId) const;
    std::shared_ptr<SimFolder> findFolder(std::string_view entryId, std::string_view storeId) const;
    std::shared_ptr<SimStore> findStore(std::string_view storeId) const;
    // Whether an SMTP address is the user's own (the current user or an account).
    bool isOwnAddress(std::string_view smtp) const;
    // The account a message goes out from: the one its PR_PRIMARY_SEND_ACCT names,
    // else the default account; nullptr when the profile has none.
    std::shared_ptr<SimAccount> sendingAccount(const SimItem& item) const;
    std::shared_ptr<SimAccount> accountOf(const SimItem& item) const;

private:
    std::weak_ptr<SimApplication> app_;
    AddressBook addressBook_;
    std::vector<std::shared_ptr<SimStore>> stores_;
    std::shared_ptr<SimStore> defaultStore_;
    std::vector<std::shared_ptr<SimAccount>> accounts_;
    std::shared_ptr<SimAddressEntry> currentUser_;
    std::shared_ptr<mapi::Session> session_;
};

}  // namespace corvane::sim
