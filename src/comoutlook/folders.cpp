// Folders, the items in them and the profile's accounts over IDispatch.
#include "wrap.h"

namespace corvane::comoutlook {

namespace ol = outlook;

namespace {

class ComFolder final : public ol::Folder, public Wrapped {
public:
    static constexpr std::string_view TypeName{"Folder"};
    using Wrapped::Wrapped;

    int Class() override { return number("Class"); }
    std::string Name() override { return text("Name"); }
    std::string EntryID() override { return text("EntryID"); }
    std::string StoreID() override { return text("StoreID"); }
    std::string FolderPath() override { return text("FolderPath"); }
    std::shared_ptr<ol::Object> Parent() override { return objects().object(get("Parent").object()); }
    std::shared_ptr<ol::Folders> Folders() override { return WrapFolders(objects(), get("Folders").object()); }
    std::shared_ptr<ol::Items> Items() override { return WrapItems(objects(), get("Items").object()); }
    int DefaultItemType() override { return number("DefaultItemType"); }
    void MoveTo(const std::shared_ptr<ol::Folder>& destination) override { call("MoveTo", {Pass(destination)}); }
    void Delete() override { call("Delete"); }
    std::shared_ptr<mapi::Folder> MAPIOBJECT() override { return commapi::FolderOf(mapiObject().get()); }
};

class ComFolders final : public ol::Folders, public Wrapped {
public:
    static constexpr std::string_view TypeName{"Folders"};
    using Wrapped::Wrapped;

    int Class() override { return number("Class"); }
    int Count() override { return number("Count"); }
    std::shared_ptr<ol::Folder> Item(int index) override {
        return WrapFolder(objects(), call("Item", {Value(index)}).object());
    }
    std::shared_ptr<ol::Folder> Item(std::string_view name) override {
        return WrapFolder(objects(), call("Item", {Value(name)}).object());
    }
    // -1 leaves the type out: the new folder takes its parent's.
    std::shared_ptr<ol::Folder> Add(std::string_view name, int folderType) override {
        std::vector<Value> args{Value(name)};
        if (folderType != -1) args.emplace_back(folderType);
        return WrapFolder(objects(), call("Add", std::move(args)).object());
    }
};

class ComItems final : public ol::Items, public Wrapped {
public:
    static constexpr std::string_view TypeName{"Items"};
    using Wrapped::Wrapped;

    int Class() override { return number("Class"); }
    int Count() override { return number("Count"); }
    std::shared_ptr<ol::Item> Item(int index) override {
        return objects().item(call("Item", {Value(index)}).object());
    }
};

class ComAccounts final : public ol::Accounts, public Wrapped {
public:
    static constexpr std::string_view TypeName{"Accounts"};
    using Wrapped::Wrapped;

    int Class() override { return number("Class"); }
    int Count() override { return number("Count"); }
    std::shared_ptr<ol::Account> Item(int index) override {
        return WrapAccount(objects(), call("Item", {Value(index)}).object());
    }
};

class ComAccount final : public ol::Account, public Wrapped {
public:
    static constexpr std::string_view TypeName{"Account"};
    using Wrapped::Wrapped;

    int Class() override { return number("Class"); }
    std::string DisplayName() override { return text("DisplayName"); }
    std::string UserName() override { return text("UserName"); }
    std::string SmtpAddress() override { return text("SmtpAddress"); }
    int AccountType() override { return number("AccountType"); }
};

}  // namespace

std::shared_ptr<ol::Folder> WrapFolder(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComFolder>(object);
}
std::shared_ptr<ol::Folders> WrapFolders(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComFolders>(object);
}
std::shared_ptr<ol::Items> WrapItems(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComItems>(object);
}
std::shared_ptr<ol::Accounts> WrapAccounts(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComAccounts>(object);
}
std::shared_ptr<ol::Account> WrapAccount(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComAccount>(object);
}

}  // namespace corvane::comoutlook
