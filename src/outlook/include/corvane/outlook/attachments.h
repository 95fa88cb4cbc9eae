#pragma once
// Attachments and user-defined properties of an item.
#include <memory>
#include <string>
#include <string_view>

#include "corvane/outlook/object.h"

namespace corvane::outlook {

class Attachments : public Object {
public:
    virtual int Count() = 0;
    virtual std::shared_ptr<Attachment> Item(int index) = 0;  // 1-based
    // Attaches a file by its path; the attachment is named after the file.
    virtual std::shared_ptr<Attachment> Add(std::string_view sourcePath) = 0;
    virtual void Remove(int index) = 0;
};

class Attachment : public Object {
public:
    virtual std::string FileName() = 0;
    virtual std::string DisplayName() = 0;
    virtual int Index() = 0;
    virtual void Delete() = 0;
};

class UserProperties : public Object {
public:
    virtual int Count() = 0;
    virtual std::shared_ptr<UserProperty> Item(int index) = 0;  // 1-based
    // Adds a property of an olprop type; a name already present fails.
    virtual std::shared_ptr<UserProperty> Add(std::string_view name, int type) = 0;
    // nullptr when the item has no property of that name (names ignore case).
    virtual std::shared_ptr<UserProperty> Find(std::string_view name) = 0;
    virtual void Remove(int index) = 0;
};

class UserProperty : public Object {
public:
    virtual std::string Name() = 0;
    virtual int Type() = 0;
    // The value as text (empty for a new property).
    virtual std::string Value() = 0;
    virtual void SetValue(const std::string& value) = 0;
    virtual void Delete() = 0;
};

}  // namespace corvane::outlook
