#pragma once
// Folders of the profile's stores and the items in them.
#include <memory>
#include <string>
#include <string_view>

#include "corvane/outlook/object.h"

namespace corvane::outlook {

class Folder : public Object {
public:
    virtual std::string Name() = 0;
    virtual std::string EntryID() = 0;
    virtual std::string StoreID() = 0;
    // "\\<store root>\<folder>\<subfolder>".
    virtual std::string FolderPath() = 0;
    // The parent folder, or the NameSpace for a store's root folder.
    virtual std::shared_ptr<Object> Parent() = 0;
    virtual std::shared_ptr<outlook::Folders> Folders() = 0;
    virtual std::shared_ptr<outlook::Items> Items() = 0;
    virtual int DefaultItemType() = 0;
    // Moves the folder with everything in it below the destination.
    virtual void MoveTo(const std::shared_ptr<Folder>& destination) = 0;
    // Moves the folder to Deleted Items (removes it when it already is there).
    virtual void Delete() = 0;
    virtual std::shared_ptr<mapi::Folder> MAPIOBJECT() = 0;
};

class Folders : public Object {
public:
    virtual int Count() = 0;
    virtual std::shared_ptr<Folder> Item(int index) = 0;  // 1-based
    // By name, ignoring case; a missing name fails with errors::ObjectNotFound.
    virtual std::shared_ptr<Folder> Item(std::string_view name) = 0;
    // A new subfolder; -1 takes the parent's default item type. A name already present
    // fails with errors::CannotCreateFolder.
    virtual std::shared_ptr<Folder> Add(std::string_view name, int folderType) = 0;
};

class Items : public Object {
public:
    virtual int Count() = 0;
    virtual std::shared_ptr<outlook::Item> Item(int index) = 0;  // 1-based, in folder order
};

}  // namespace corvane::outlook
