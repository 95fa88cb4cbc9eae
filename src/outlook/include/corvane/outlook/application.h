#pragma once
// Outlook's Application, its "MAPI" NameSpace and the window collections.
#include <memory>
#include <string>
#include <string_view>

#include "corvane/outlook/events.h"
#include "corvane/outlook/object.h"

namespace corvane::outlook {

class Application : public Object {
public:
    // Outlook's version text, e.g. "11.0.0.8010"; the major version is the text before
    // the first ".".
    virtual std::string Version() = 0;
    virtual std::string Name() = 0;
    virtual std::shared_ptr<outlook::NameSpace> Session() = 0;
    // Only "MAPI" is known; any other type fails.
    virtual std::shared_ptr<outlook::NameSpace> GetNamespace(std::string_view type) = 0;
    virtual std::shared_ptr<outlook::Explorers> Explorers() = 0;
    virtual std::shared_ptr<outlook::Inspectors> Inspectors() = 0;
    // The topmost Explorer / Inspector, or nullptr when there is none.
    virtual std::shared_ptr<Explorer> ActiveExplorer() = 0;
    virtual std::shared_ptr<Inspector> ActiveInspector() = 0;
    // A new, unsaved item of an olitem type (0 mail, 2 contact, 5 note, 6 post).
    virtual std::shared_ptr<Item> CreateItem(int itemType) = 0;
    // Creates a registered class by ProgId inside Outlook's process; an unknown ProgId
    // fails with errors::CannotCreateObject.
    virtual std::shared_ptr<Dispatch> CreateObject(std::string_view progId) = 0;
    virtual Connection Advise(std::shared_ptr<ApplicationEvents> sink) = 0;
};

class NameSpace : public Object {
public:
    virtual std::string Type() = 0;  // "MAPI"
    // The user the profile logs on as; nullptr when Outlook has no logged-on user.
    virtual std::shared_ptr<Recipient> CurrentUser() = 0;
    // An olfolder folder of the default store; fails for a type the store lacks.
    virtual std::shared_ptr<Folder> GetDefaultFolder(int folderType) = 0;
    // The item with that entry identifier; an empty store identifier searches every
    // store. Fails when there is no such item.
    virtual std::shared_ptr<Item> GetItemFromID(std::string_view entryId, std::string_view storeId) = 0;
    virtual std::shared_ptr<Folder> GetFolderFromID(std::string_view entryId, std::string_view storeId) = 0;
    // The root folders of the profile's stores.
    virtual std::shared_ptr<outlook::Folders> Folders() = 0;
    // The profile's accounts (Outlook 2007 and later; earlier versions fail with
    // errors::NotSupported).
    virtual std::shared_ptr<outlook::Accounts> Accounts() = 0;
    // The Extended-MAPI session behind the namespace (not available in Outlook 2000).
    virtual std::shared_ptr<mapi::Session> MAPIOBJECT() = 0;
};

class Explorers : public Object {
public:
    virtual int Count() = 0;
    virtual std::shared_ptr<Explorer> Item(int index) = 0;  // 1-based
    // A new Explorer on the folder, not yet shown; NewExplorer is raised.
    virtual std::shared_ptr<Explorer> Add(const std::shared_ptr<Folder>& folder, int displayMode) = 0;
    virtual Connection Advise(std::shared_ptr<ExplorersEvents> sink) = 0;
};

class Inspectors : public Object {
public:
    virtual int Count() = 0;
    virtual std::shared_ptr<Inspector> Item(int index) = 0;  // 1-based
    virtual Connection Advise(std::shared_ptr<InspectorsEvents> sink) = 0;
};

}  // namespace corvane::outlook
