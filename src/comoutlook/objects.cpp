#include "corvane/comoutlook/objects.h"

#include <objbase.h>

#include "corvane/platform/error.h"
#include "corvane/text/wide.h"
#include "wrap.h"

namespace corvane::comoutlook {

namespace {

// An object of no known type, reached by name (a class CreateObject made, a macro's
// argument): its names are its own.
class LateDispatch final : public outlook::Invocable, public Wrapped {
public:
    static constexpr std::string_view TypeName{};
    using Wrapped::Wrapped;

    bool Invoke(std::string_view method, std::vector<outlook::Variant>& args) override {
        std::vector<Value> values;
        values.reserve(args.size());
        for (const auto& arg : args) values.push_back(Objects::fromVariant(arg));
        if (!late().knows(method)) return false;
        late().call(method, values, 0);
        for (std::size_t i = 0; i < args.size(); ++i) args[i] = objects().toVariant(values[i]);
        return true;
    }
};

// The OlObjectClass of an object, or -1 for an object without one (Word's, Office's).
int ObjectClassOf(Objects& objects, const ComPtr<IDispatch>& object) {
    LateBound late(object, objects.names("Object"));
    return late.knows("Class") ? late.get("Class").number() : -1;
}

}  // namespace

Wrapped::Wrapped(Parts parts)
    : objects_(std::move(parts.objects)),
      identity_(parts.identity),
      late_(std::move(parts.object), parts.names != nullptr ? *parts.names : ownNames_) {}

Wrapped::~Wrapped() { objects_->forget(identity_, this); }

Value Wrapped::Pass(const std::shared_ptr<outlook::Dispatch>& object) { return Value(Objects::dispatchOf(object)); }

NameCache& Objects::names(std::string_view type) {
    auto found = names_.find(type);
    if (found == names_.end()) found = names_.emplace(std::string(type), NameCache()).first;
    return found->second;
}

std::shared_ptr<outlook::Dispatch> Objects::find(IUnknown* identity) const {
    auto found = wrappers_.find(identity);
    return found == wrappers_.end() ? nullptr : found->second.wrapper.lock();
}

void Objects::remember(IUnknown* identity, const std::shared_ptr<outlook::Dispatch>& wrapper, const Wrapped* owner) {
    wrappers_[identity] = Entry{wrapper, owner};
}

void Objects::forget(IUnknown* identity, const Wrapped* owner) {
    // A wrapper replaced by another of a different type leaves the newer one's entry.
    auto found = wrappers_.find(identity);
    if (found != wrappers_.end() && found->second.owner == owner) wrappers_.erase(found);
}

std::shared_ptr<outlook::Dispatch> Objects::any(const ComPtr<IDispatch>& object) {
    if (!object) return nullptr;
    if (auto found = known(object)) return found;
    namespace olclass = outlook::olclass;
    switch (int objectClass = ObjectClassOf(*this, object)) {
        case -1: return wrap<LateDispatch>(object);
        case olclass::Application: return WrapApplication(*this, object);
        case olclass::NameSpace: return WrapNameSpace(*this, object);
        case olclass::Folder: return WrapFolder(*this, object);
        case olclass::Folders: return WrapFolders(*this, object);
        case olclass::Items: return WrapItems(*this, object);
        case olclass::Recipient: return WrapRecipient(*this, object);
        case olclass::Recipients: return WrapRecipients(*this, object);
        case olclass::Attachment: return WrapAttachment(*this, object);
        case olclass::Attachments: return WrapAttachments(*this, object);
        case olclass::AddressEntry: return WrapAddressEntry(*this, object);
        case olclass::AddressEntries: return WrapAddressEntries(*this, object);
        case olclass::Explorer: return WrapExplorer(*this, object);
        case olclass::Explorers: return WrapExplorers(*this, object);
        case olclass::Inspector: return WrapInspector(*this, object);
        case olclass::Inspectors: return WrapInspectors(*this, object);
        case olclass::Selection: return WrapSelection(*this, object);
        case olclass::UserProperty: return WrapUserProperty(*this, object);
        case olclass::UserProperties: return WrapUserProperties(*this, object);
        case olclass::Account: return WrapAccount(*this, object);
        case olclass::Accounts: return WrapAccounts(*this, object);
        default: return WrapItemOfClass(*this, object, objectClass);
    }
}

std::shared_ptr<outlook::Object> Objects::object(const ComPtr<IDispatch>& object) {
    auto wrapper = any(object);
    if (!wrapper) return nullptr;
    if (auto typed = std::dynamic_pointer_cast<outlook::Object>(wrapper)) return typed;
    throw platform::PlatformError(platform::errors::TypeMismatch);
}

std::shared_ptr<outlook::Item> Objects::item(const ComPtr<IDispatch>& object) {
    auto wrapper = any(object);
    if (!wrapper) return nullptr;
    if (auto typed = std::dynamic_pointer_cast<outlook::Item>(wrapper)) return typed;
    throw platform::PlatformError(platform::errors::TypeMismatch);
}

IDispatch* Objects::dispatchOf(const std::shared_ptr<outlook::Dispatch>& object) {
    if (!object) return nullptr;
    if (const auto* wrapped = dynamic_cast<const Wrapped*>(object.get())) return wrapped->dispatch();
    throw platform::PlatformError(platform::errors::TypeMismatch);
}

outlook::Variant Objects::toVariant(const Value& value) {
    return VariantOf(value, [this](const ComPtr<IDispatch>& object) { return any(object); });
}

Value Objects::fromVariant(const outlook::Variant& value) {
    return ValueOf(value, [](const std::shared_ptr<outlook::Dispatch>& object) { return Value(dispatchOf(object)); });
}

outlook::Variant Objects::VariantOf(const Value& value, const ObjectOfCom& objectOf) {
    switch (value.type()) {
        case VT_EMPTY:
        case VT_NULL: return std::monostate();
        case VT_BOOL: return value.boolean();
        case VT_I1:
        case VT_I2:
        case VT_I4:
        case VT_UI1:
        case VT_UI2:
        case VT_INT: return value.number();
        case VT_UI4:
        case VT_UINT:
        case VT_I8:
        case VT_UI8:
        case VT_R4:
        case VT_R8:
        case VT_CY:
        case VT_DECIMAL: return value.real();
        case VT_BSTR: return value.text();
        case VT_DATE: return value.date();
        case VT_DISPATCH:
        case VT_UNKNOWN: return objectOf(value.object());
        default: break;
    }
    if ((value.type() & VT_BYREF) != 0 && (value.type() & VT_ARRAY) == 0) {
        Value direct;
        if (SUCCEEDED(VariantCopyInd(&direct.raw(), const_cast<VARIANT*>(&value.raw()))))
            return VariantOf(direct, objectOf);
    }
    throw platform::PlatformError(platform::errors::TypeMismatch);
}

Value Objects::ValueOf(const outlook::Variant& value, const ComOfObject& comOf) {
    struct Visitor {
        const ComOfObject& comOf;
        Value operator()(std::monostate) const { return Value(); }
        Value operator()(bool v) const { return Value(v); }
        Value operator()(std::int32_t v) const { return Value(v); }
        Value operator()(double v) const { return Value(v); }
        Value operator()(const std::string& v) const { return Value(std::string_view(v)); }
        Value operator()(const platform::DateTime& v) const { return Value(v); }
        Value operator()(const std::shared_ptr<outlook::Dispatch>& v) const { return comOf(v); }
    };
    return std::visit(Visitor{comOf}, value);
}

std::shared_ptr<outlook::Dispatch> Objects::create(std::string_view progId) {
    if (creator_) {
        if (auto own = creator_(progId)) return own;
    }
    std::wstring wide = text::WideFromUtf8(progId);
    CLSID classId{};
    ComPtr<IDispatch> object;
    if (FAILED(CLSIDFromProgID(wide.c_str(), &classId)) ||
        FAILED(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                reinterpret_cast<void**>(object.put()))))
        throw platform::PlatformError(platform::errors::CannotCreateObject);
    return any(object);
}

ComPtr<IUnknown> MapiSessionOf(const LateBound& item) {
    try {
        auto session = item.get("Session").object();
        if (!session) return {};
        NameCache names;
        return LateBound(session, names).get("MAPIOBJECT").unknown();
    } catch (const platform::PlatformError&) {
        return {};
    }
}

std::shared_ptr<outlook::Application> ApplicationOf(IDispatch* application, Objects::Creator creator) {
    auto objects = Objects::Create();
    objects->setCreator(std::move(creator));
    return WrapApplication(*objects, ComPtr<IDispatch>(application));
}

}  // namespace corvane::comoutlook
