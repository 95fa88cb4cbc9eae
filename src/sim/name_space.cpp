#include "corvane/sim/name_space.h"

#include <algorithm>
#include <cstdio>

#include "corvane/platform/error.h"
#include "corvane/sim/application.h"
#include "corvane/sim/failure.h"
#include "corvane/sim/item.h"
#include "corvane/sim/mapi_views.h"
#include "corvane/text/text.h"

namespace corvane::sim {

namespace ol = outlook;

namespace {

class RootFolders final : public ol::Folders {
public:
    explicit RootFolders(std::vector<std::shared_ptr<SimStore>> stores) : stores_(std::move(stores)) {}
    int Class() override { return ol::olclass::Folders; }
    int Count() override { return static_cast<int>(stores_.size()); }
    std::shared_ptr<ol::Folder> Item(int index) override { return ItemAt(stores_, index)->root(); }
    std::shared_ptr<ol::Folder> Item(std::string_view name) override {
        for (const auto& s : stores_) {
            if (text::equalsNoCase(s->root()->name(), name)) return s->root();
        }
        Raise(errors::ObjectNotFound);
    }
    std::shared_ptr<ol::Folder> Add(std::string_view, int) override { Raise(errors::CannotCreateFolder); }

private:
    std::vector<std::shared_ptr<SimStore>> stores_;
};

class SimAccounts final : public ol::Accounts {
public:
    explicit SimAccounts(std::vector<std::shared_ptr<SimAccount>> accounts) : accounts_(std::move(accounts)) {}
    int Class() override { return ol::olclass::Accounts; }
    int Count() override { return static_cast<int>(accounts_.size()); }
    std::shared_ptr<ol::Account> Item(int index) override { return ItemAt(accounts_, index); }

private:
    std::vector<std::shared_ptr<SimAccount>> accounts_;
};

}  // namespace

SimNameSpace::SimNameSpace(std::weak_ptr<SimApplication> app) : app_(std::move(app)) {}

int SimNameSpace::Class() { return ol::olclass::NameSpace; }
std::string SimNameSpace::Type() { return "MAPI"; }

std::shared_ptr<ol::Recipient> SimNameSpace::CurrentUser() {
    if (!currentUser_) return nullptr;
    auto r = std::make_shared<SimRecipient>(std::weak_ptr<SimItem>(), currentUser_->spec().name, ol::olrecipient::To);
    r->resolveTo(currentUser_, currentUser_->spec().name);
    return r;
}

std::shared_ptr<ol::Folder> SimNameSpace::GetDefaultFolder(int folderType) {
    auto folder = defaultFolder(folderType);
    if (!folder) Raise(errors::ObjectNotFound);
    return folder;
}

std::shared_ptr<ol::Item> SimNameSpace::GetItemFromID(std::string_view entryId, std::string_view storeId) {
    auto item = findItem(entryId, storeId);
    if (!item) Raise(errors::ObjectNotFound);
    return item->asItem();
}

std::shared_ptr<ol::Folder> SimNameSpace::GetFolderFromID(std::string_view entryId, std::string_view storeId) {
    auto folder = findFolder(entryId, storeId);
    if (!folder) Raise(errors::ObjectNotFound);
    return folder;
}

std::shared_ptr<ol::Folders> SimNameSpace::Folders() { return std::make_shared<RootFolders>(stores_); }

std::shared_ptr<ol::Accounts> SimNameSpace::Accounts() {
    auto app = app_.lock();
    if (!app) Raise(errors::HostGone);
    if (!app->traits().hasNamespaceAccounts()) Raise(errors::NotSupported);
    return std::make_shared<SimAccounts>(accounts_);
}

std::shared_ptr<mapi::Session> SimNameSpace::MAPIOBJECT() {
    auto app = app_.lock();
    if (!app) Raise(errors::HostGone);
    if (!app->traits().hasNamespaceMapiObject()) Raise(errors::NotSupported);
    if (!session_) session_ = std::make_shared<SimMapiSession>(app_);
    return session_;
}

std::shared_ptr<SimStore> SimNameSpace::addStore(StoreSpec spec) {
    auto app = app_.lock();
    if (!app) Raise(errors::HostGone);
    bool mailbox = spec.withDefaultFolders;
    auto store = std::make_shared<SimStore>(app_, std::move(spec), app->newStoreId());
    store->createRoot();
    stores_.push_back(store);
    if (!defaultStore_ && mailbox) defaultStore_ = store;
    return store;
}

std::shared_ptr<SimAccount> SimNameSpace::addAccount(AccountSpec spec) {
    auto n = accounts_.size() + 1;
    char stamp[9];
    std::snprintf(stamp, sizeof stamp, "%08zX", n);
    char sendStamp[40];
    std::snprintf(sendStamp, sizeof sendStamp, "{A1B2C3D4-0000-0000-0000-%012zX}", n);
    auto account = std::make_shared<SimAccount>(std::move(spec), stamp, sendStamp);
    accounts_.push_back(account);
    return account;
}

void SimNameSpace::makeDefaultAccount(const std::shared_ptr<SimAccount>& account) {
    auto it = std::find(accounts_.begin(), accounts_.end(), account);
    if (it == accounts_.end()) return;
    std::rotate(accounts_.begin(), it, it + 1);
}

std::shared_ptr<SimAccount> SimNameSpace::findAccount(std::string_view name) const {
    for (const auto& a : accounts_) {
        if (text::equalsNoCase(a->spec().name, name)) return a;
    }
    return nullptr;
}

std::shared_ptr<SimFolder> SimNameSpace::defaultFolder(int folderType) const {
    return defaultStore_ ? defaultStore_->defaultFolder(folderType) : nullptr;
}

std::shared_ptr<SimStore> SimNameSpace::findStore(std::string_view storeId) const {
    for (const auto& s : stores_) {
        if (text::equalsNoCase(s->storeId(), storeId)) return s;
    }
    return nullptr;
}

std::shared_ptr<SimItem> SimNameSpace::findItem(std::string_view entryId, std::string_view storeId) const {
    if (entryId.empty()) return nullptr;
    for (const auto& s : stores_) {
        if (!storeId.empty() && !text::equalsNoCase(s->storeId(), storeId)) continue;
        if (auto item = s->findItem(entryId)) return item;
    }
    return nullptr;
}

std::shared_ptr<SimFolder> SimNameSpace::findFolder(std::string_view entryId, std::string_view storeId) const {
    if (entryId.empty()) return nullptr;
    for (const auto& s : stores_) {
        if (!storeId.empty() && !text::equalsNoCase(s->storeId(), storeId)) continue;
        if (auto folder = s->findFolder(entryId)) return folder;
    }
    return nullptr;
}

bool SimNameSpace::isOwnAddress(std::string_view smtp) const {
    if (smtp.empty()) return false;
    if (currentUser_ && currentUser_->hasSmtpAddress(smtp)) return true;
    return std::any_of(accounts_.begin(), accounts_.end(),
                       [&](const auto& a) { return text::equalsNoCase(a->spec().smtpAddress, smtp); });
}

std::shared_ptr<SimAccount> SimNameSpace::accountOf(const SimItem& item) const {
    auto named = item.props().text(mapi::tags::PrimarySendAccount);
    if (named.empty()) return nullptr;
    for (const auto& a : accounts_) {
        if (a->sendStamp() == named) return a;
    }
    return nullptr;
}

std::shared_ptr<SimAccount> SimNameSpace::sendingAccount(const SimItem& item) const {
    if (auto a = accountOf(item)) return a;
    return accounts_.empty() ? nullptr : accounts_.front();
}

}  // namespace corvane::sim
