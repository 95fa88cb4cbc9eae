// Outlook's Application, its NameSpace and the window collections over IDispatch.
#include "wrap.h"

namespace corvane::comoutlook {

namespace ol = outlook;

namespace {

class ComApplication final : public ol::Application, public Wrapped {
public:
    static constexpr std::string_view TypeName{"Application"};
    using Wrapped::Wrapped;

    int Class() override { return number("Class"); }
    std::string Version() override { return text("Version"); }
    std::string Name() override { return text("Name"); }
    std::shared_ptr<ol::NameSpace> Session() override { return WrapNameSpace(objects(), get("Session").object()); }
    std::shared_ptr<ol::NameSpace> GetNamespace(std::string_view type) override {
        return WrapNameSpace(objects(), call("GetNamespace", {Value(type)}).object());
    }
    std::shared_ptr<ol::Explorers> Explorers() override { return WrapExplorers(objects(), get("Explorers").object()); }
    std::shared_ptr<ol::Inspectors> Inspectors() override {
        return WrapInspectors(objects(), get("Inspectors").object());
    }
    std::shared_ptr<ol::Explorer> ActiveExplorer() override {
        return WrapExplorer(objects(), call("ActiveExplorer").object());
    }
    std::shared_ptr<ol::Inspector> ActiveInspector() override {
        return WrapInspector(objects(), call("ActiveInspector").object());
    }
    std::shared_ptr<ol::Item> CreateItem(int itemType) override {
        return objects().item(call("CreateItem", {Value(itemType)}).object());
    }
    // CreateObject runs in Outlook's process, where the add-in lives: the DLL's own
    // classes answer directly, anything else is created through COM.
    std::shared_ptr<ol::Dispatch> CreateObject(std::string_view progId) override { return objects().create(progId); }
    ol::Connection Advise(std::shared_ptr<ol::ApplicationEvents> sink) override {
        return AdviseEvents(objects(), dispatch(), sink);
    }
};

class ComNameSpace final : public ol::NameSpace, public Wrapped {
public:
    static constexpr std::string_view TypeName{"NameSpace"};
    using Wrapped::Wrapped;

    int Class() override { return number("Class"); }
    std::string Type() override { return text("Type"); }
    std::shared_ptr<ol::Recipient> CurrentUser() override {
        return WrapRecipient(objects(), get("CurrentUser").object());
    }
    std::shared_ptr<ol::Folder> GetDefaultFolder(int folderType) override {
        return WrapFolder(objects(), call("GetDefaultFolder", {Value(folderType)}).object());
    }
    std::shared_ptr<ol::Item> GetItemFromID(std::string_view entryId, std::string_view storeId) override {
        return objects().item(call("GetItemFromID", ByIds(entryId, storeId)).object());
    }
    std::shared_ptr<ol::Folder> GetFolderFromID(std::string_view entryId, std::string_view storeId) override {
        return WrapFolder(objects(), call("GetFolderFromID", ByIds(entryId, storeId)).object());
    }
    std::shared_ptr<ol::Folders> Folders() override { return WrapFolders(objects(), get("Folders").object()); }
    // Outlook before 2007 has no Accounts: the unknown name fails with NotSupported.
    std::shared_ptr<ol::Accounts> Accounts() override { return WrapAccounts(objects(), get("Accounts").object()); }
    // Outlook 2000 has no MAPIOBJECT here: the unknown name fails with NotSupported.
    std::shared_ptr<mapi::Session> MAPIOBJECT() override { return commapi::SessionOf(mapiObject().get()); }

private:
    // An empty store identifier leaves the argument out: Outlook then searches every store.
    static std::vector<Value> ByIds(std::string_view entryId, std::string_view storeId) {
        std::vector<Value> args{Value(entryId)};
        if (!storeId.empty()) args.emplace_back(storeId);
        return args;
    }
};

class ComExplorers final : public ol::Explorers, public Wrapped {
public:
    static constexpr std::string_view TypeName{"Explorers"};
    using Wrapped::Wrapped;

    int Class() override { return number("Class"); }
    int Count() override { return number("Count"); }
    std::shared_ptr<ol::Explorer> Item(int index) override {
        return WrapExplorer(objects(), call("Item", {Value(index)}).object());
    }
    std::shared_ptr<ol::Explorer> Add(const std::shared_ptr<ol::Folder>& folder, int displayMode) override {
        return WrapExplorer(objects(), call("Add", {Pass(folder), Value(displayMode)}).object());
    }
    ol::Connection Advise(std::shared_ptr<ol::ExplorersEvents> sink) override {
        return AdviseEvents(objects(), dispatch(), sink);
    }
};

class ComExplorer final : public ol::Explorer, public Wrapped {
public:
    static constexpr std::string_view TypeName{"Explorer"};
    using Wrapped::Wrapped;

    int Class() override { return number("Class"); }
    std::string Caption() override { return text("Caption"); }
    std::shared_ptr<ol::Folder> CurrentFolder() override {
        return WrapFolder(objects(), get("CurrentFolder").object());
    }
    void SetCurrentFolder(const std::shared_ptr<ol::Folder>& folder) override { set("CurrentFolder", Pass(folder)); }
    std::shared_ptr<ol::Selection> Selection() override { return WrapSelection(objects(), get("Selection").object()); }
    std::shared_ptr<ol::CommandBars> CommandBars() override {
        return WrapCommandBars(objects(), get("CommandBars").object());
    }
    void Display() override { call("Display"); }
    void Activate() override { call("Activate"); }
    void Close() override { call("Close"); }
    ol::Connection Advise(std::shared_ptr<ol::ExplorerEvents> sink) override {
        return AdviseEvents(objects(), dispatch(), sink);
    }
};

class ComSelection final : public ol::Selection, public Wrapped {
public:
    static constexpr std::string_view TypeName{"Selection"};
    using Wrapped::Wrapped;

    int Class() override { return number("Class"); }
    int Count() override { return number("Count"); }
    std::shared_ptr<ol::Item> Item(int index) override {
        return objects().item(call("Item", {Value(index)}).object());
    }
};

class ComInspectors final : public ol::Inspectors, public Wrapped {
public:
    static constexpr std::string_view TypeName{"Inspectors"};
    using Wrapped::Wrapped;

    int Class() override { return number("Class"); }
    int Count() override { return number("Count"); }
    std::shared_ptr<ol::Inspector> Item(int index) override {
        return WrapInspector(objects(), call("Item", {Value(index)}).object());
    }
    ol::Connection Advise(std::shared_ptr<ol::InspectorsEvents> sink) override {
        return AdviseEvents(objects(), dispatch(), sink);
    }
};

class ComInspector final : public ol::Inspector, public Wrapped {
public:
    static constexpr std::string_view TypeName{"Inspector"};
    using Wrapped::Wrapped;

    int Class() override { return number("Class"); }
    std::string Caption() override { return text("Caption"); }
    std::shared_ptr<ol::Item> CurrentItem() override { return objects().item(get("CurrentItem").object()); }
    int EditorType() override { return number("EditorType"); }
    bool IsWordMail() override { return flag("IsWordMail"); }
    // Outlook gives Nothing for an editor other than Word.
    std::shared_ptr<ol::word::Document> WordEditor() override {
        return WrapWordDocument(objects(), get("WordEditor").object());
    }
    void Activate() override { call("Activate"); }
    void Display(bool modal) override { call("Display", {Value(modal)}); }
    void Close(int saveMode) override { call("Close", {Value(saveMode)}); }
    ol::Connection Advise(std::shared_ptr<ol::InspectorEvents> sink) override {
        return AdviseEvents(objects(), dispatch(), sink);
    }
};

}  // namespace

std::shared_ptr<ol::Application> WrapApplication(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComApplication>(object);
}
std::shared_ptr<ol::NameSpace> WrapNameSpace(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComNameSpace>(object);
}
std::shared_ptr<ol::Explorers> WrapExplorers(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComExplorers>(object);
}
std::shared_ptr<ol::Explorer> WrapExplorer(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComExplorer>(object);
}
std::shared_ptr<ol::Selection> WrapSelection(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComSelection>(object);
}
std::shared_ptr<ol::Inspectors> WrapInspectors(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComInspectors>(object);
}
std::shared_ptr<ol::Inspector> WrapInspector(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComInspector>(object);
}

}  // namespace corvane::comoutlook
