// Recipients, address entries, attachments and user properties over IDispatch.
#include "wrap.h"

namespace corvane::comoutlook {

namespace ol = outlook;

namespace {

class ComRecipients final : public ol::Recipients, public Wrapped {
public:
    static constexpr std::string_view TypeName{"Recipients"};
    using Wrapped::Wrapped;

    int Class() override { return number("Class"); }
    int Count() override { return number("Count"); }
    std::shared_ptr<ol::Recipient> Item(int index) override {
        return WrapRecipient(objects(), call("Item", {Value(index)}).object());
    }
    std::shared_ptr<ol::Recipient> Add(std::string_view name) override {
        return WrapRecipient(objects(), call("Add", {Value(name)}).object());
    }
    void Remove(int index) override { call("Remove", {Value(index)}); }
    bool ResolveAll() override { return call("ResolveAll").boolean(); }
};

class ComRecipient final : public ol::Recipient, public Wrapped {
public:
    static constexpr std::string_view TypeName{"Recipient"};
    using Wrapped::Wrapped;

    int Class() override { return number("Class"); }
    std::string Name() override { return text("Name"); }
    std::string Address() override { return text("Address"); }
    int Type() override { return number("Type"); }
    void SetType(int type) override { set("Type", Value(type)); }
    bool Resolve() override { return call("Resolve").boolean(); }
    bool Resolved() override { return flag("Resolved"); }
    std::shared_ptr<ol::AddressEntry> AddressEntry() override {
        return WrapAddressEntry(objects(), get("AddressEntry").object());
    }
    void Delete() override { call("Delete"); }
};

class ComAddressEntry final : public ol::AddressEntry, public Wrapped {
public:
    static constexpr std::string_view TypeName{"AddressEntry"};
    using Wrapped::Wrapped;

    int Class() override { return number("Class"); }
    std::string Name() override { return text("Name"); }
    std::string Address() override { return text("Address"); }
    std::string Type() override { return text("Type"); }
    int DisplayType() override { return number("DisplayType"); }
    std::shared_ptr<ol::AddressEntries> Members() override {
        return WrapAddressEntries(objects(), get("Members").object());
    }
    std::shared_ptr<mapi::AddressEntry> MAPIOBJECT() override { return commapi::AddressEntryOf(mapiObject().get()); }
};

class ComAddressEntries final : public ol::AddressEntries, public Wrapped {
public:
    static constexpr std::string_view TypeName{"AddressEntries"};
    using Wrapped::Wrapped;

    int Class() override { return number("Class"); }
    int Count() override { return number("Count"); }
    std::shared_ptr<ol::AddressEntry> Item(int index) override {
        return WrapAddressEntry(objects(), call("Item", {Value(index)}).object());
    }
};

class ComAttachments final : public ol::Attachments, public Wrapped {
public:
    static constexpr std::string_view TypeName{"Attachments"};
    using Wrapped::Wrapped;

    int Class() override { return number("Class"); }
    int Count() override { return number("Count"); }
    std::shared_ptr<ol::Attachment> Item(int index) override {
        return WrapAttachment(objects(), call("Item", {Value(index)}).object());
    }
    std::shared_ptr<ol::Attachment> Add(std::string_view sourcePath) override {
        return WrapAttachment(objects(), call("Add", {Value(sourcePath)}).object());
    }
    void Remove(int index) override { call("Remove", {Value(index)}); }
};

class ComAttachment final : public ol::Attachment, public Wrapped {
public:
    static constexpr std::string_view TypeName{"Attachment"};
    using Wrapped::Wrapped;

    int Class() override { return number("Class"); }
    std::string FileName() override { return text("FileName"); }
    std::string DisplayName() override { return text("DisplayName"); }
    int Index() override { return number("Index"); }
    void Delete() override { call("Delete"); }
};

class ComUserProperties final : public ol::UserProperties, public Wrapped {
public:
    static constexpr std::string_view TypeName{"UserProperties"};
    using Wrapped::Wrapped;

    int Class() override { return number("Class"); }
    int Count() override { return number("Count"); }
    std::shared_ptr<ol::UserProperty> Item(int index) override {
        return WrapUserProperty(objects(), call("Item", {Value(index)}).object());
    }
    std::shared_ptr<ol::UserProperty> Add(std::string_view name, int type) override {
        return WrapUserProperty(objects(), call("Add", {Value(name), Value(type)}).object());
    }
    std::shared_ptr<ol::UserProperty> Find(std::string_view name) override {
        return WrapUserProperty(objects(), call("Find", {Value(name)}).object());
    }
    void Remove(int index) override { call("Remove", {Value(index)}); }
};

class ComUserProperty final : public ol::UserProperty, public Wrapped {
public:
    static constexpr std::string_view TypeName{"UserProperty"};
    using Wrapped::Wrapped;

    int Class() override { return number("Class"); }
    std::string Name() override { return text("Name"); }
    int Type() override { return number("Type"); }
    std::string Value() override { return text("Value"); }
    void SetValue(const std::string& value) override { set("Value", comoutlook::Value(value)); }
    void Delete() override { call("Delete"); }
};

}  // namespace

std::shared_ptr<ol::Recipients> WrapRecipients(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComRecipients>(object);
}
std::shared_ptr<ol::Recipient> WrapRecipient(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComRecipient>(object);
}
std::shared_ptr<ol::AddressEntry> WrapAddressEntry(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComAddressEntry>(object);
}
std::shared_ptr<ol::AddressEntries> WrapAddressEntries(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComAddressEntries>(object);
}
std::shared_ptr<ol::Attachments> WrapAttachments(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComAttachments>(object);
}
std::shared_ptr<ol::Attachment> WrapAttachment(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComAttachment>(object);
}
std::shared_ptr<ol::UserProperties> WrapUserProperties(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComUserProperties>(object);
}
std::shared_ptr<ol::UserProperty> WrapUserProperty(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComUserProperty>(object);
}

}  // namespace corvane::comoutlook
