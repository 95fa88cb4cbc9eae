#pragma once
// The Outlook (and Word) objects of one connection, each COM object wrapped once: a map
// from the object's IUnknown identity to its wrapper, held weakly, so the same Outlook
// object always gives the same shared_ptr (the seam's identity is pointer identity) and a
// wrapper released by the add-in releases the COM object. Every wrapper holds the map;
// the map holds the dispatch identifiers of each type (NameCache) for all of them.
#include <oaidl.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "corvane/comoutlook/com_ptr.h"
#include "corvane/comoutlook/late.h"
#include "corvane/comoutlook/value.h"
#include "corvane/outlook/application.h"
#include "corvane/outlook/object.h"

namespace corvane::comoutlook {

class Objects;

// What every wrapper is built on: the object, its type's names, the map it is kept in.
class Wrapped {
public:
    struct Parts {
        std::shared_ptr<Objects> objects;
        ComPtr<IDispatch> object;
        IUnknown* identity;
        NameCache* names;  // nullptr: the object's own (its type is not known)
    };
    explicit Wrapped(Parts parts);
    virtual ~Wrapped();
    Wrapped(const Wrapped&) = delete;
    Wrapped& operator=(const Wrapped&) = delete;

    IDispatch* dispatch() const noexcept { return late_.dispatch(); }

protected:
    Objects& objects() const noexcept { return *objects_; }
    const LateBound& late() const noexcept { return late_; }
    Value get(std::string_view name, std::span<const Value> args = {}) const { return late_.get(name, args); }
    std::string text(std::string_view name) const { return get(name).text(); }
    std::int32_t number(std::string_view name) const { return get(name).number(); }
    bool flag(std::string_view name) const { return get(name).boolean(); }
    platform::DateTime date(std::string_view name) const { return get(name).date(); }
    void set(std::string_view name, const Value& value) const { late_.put(name, value); }
    Value call(std::string_view name, std::vector<Value> args = {}) const { return late_.call(name, args); }
    // The Extended-MAPI object behind this one (its MAPIOBJECT property, an IUnknown).
    ComPtr<IUnknown> mapiObject() const { return get("MAPIOBJECT").unknown(); }
    // The COM object of an object of the seam (see Objects::dispatchOf).
    static Value Pass(const std::shared_ptr<outlook::Dispatch>& object);

private:
    std::shared_ptr<Objects> objects_;
    IUnknown* identity_;
    NameCache ownNames_;
    LateBound late_;
};

class Objects : public std::enable_shared_from_this<Objects> {
public:
    static std::shared_ptr<Objects> Create() { return std::shared_ptr<Objects>(new Objects()); }

    // The names of one type (a wrapper class's TypeName).
    NameCache& names(std::string_view type);

    // The wrapper of type W for the object (nullptr for Nothing): the one already made for
    // the same COM object, or a new one.
    template <class W>
    std::shared_ptr<W> wrap(const ComPtr<IDispatch>& object) {
        if (!object) return nullptr;
        ComPtr<IUnknown> identity = object.as<IUnknown>();
        if (auto found = std::dynamic_pointer_cast<W>(find(identity.get()))) return found;
        NameCache* typeNames = W::TypeName.empty() ? nullptr : &names(W::TypeName);
        auto made = std::make_shared<W>(Wrapped::Parts{shared_from_this(), object, identity.get(), typeNames});
        remember(identity.get(), made, static_cast<const Wrapped*>(made.get()));
        return made;
    }

    // The wrapper already made for the object, or nullptr.
    std::shared_ptr<outlook::Dispatch> known(const ComPtr<IDispatch>& object) const {
        return object ? find(object.as<IUnknown>().get()) : nullptr;
    }

    // An object whose type the caller does not know (Item.Parent, Selection.Item, a
    // macro's argument): an Outlook item, folder or namespace by its Class, anything else
    // late-bound (outlook::Invocable). These are defined beside the wrappers.
    std::shared_ptr<outlook::Dispatch> any(const ComPtr<IDispatch>& object);
    std::shared_ptr<outlook::Object> object(const ComPtr<IDispatch>& object);
    std::shared_ptr<outlook::Item> item(const ComPtr<IDispatch>& object);

    // The seam's late-bound values and Values: an object of the seam passes its own COM
    // object; one that is no COM object fails with errors::TypeMismatch.
    outlook::Variant toVariant(const Value& value);
    static Value fromVariant(const outlook::Variant& value);
    // The same conversions with the objects mapped by the caller (a value of another
    // VARIANT type fails with errors::TypeMismatch).
    using ObjectOfCom = std::function<std::shared_ptr<outlook::Dispatch>(const ComPtr<IDispatch>&)>;
    using ComOfObject = std::function<Value(const std::shared_ptr<outlook::Dispatch>&)>;
    static outlook::Variant VariantOf(const Value& value, const ObjectOfCom& objectOf);
    static Value ValueOf(const outlook::Variant& value, const ComOfObject& comOf);

    // The COM object behind an object of the seam; nullptr for Nothing. One that is no
    // COM object fails with errors::TypeMismatch.
    static IDispatch* dispatchOf(const std::shared_ptr<outlook::Dispatch>& object);

    // Answers CreateObject for the ProgIds the DLL serves itself with its own objects
    // (nullptr: create through COM).
    using Creator = std::function<std::shared_ptr<outlook::Dispatch>(std::string_view progId)>;
    void setCreator(Creator creator) { creator_ = std::move(creator); }
    std::shared_ptr<outlook::Dispatch> create(std::string_view progId);

    // How many wrappers are alive.
    std::size_t live() const noexcept { return wrappers_.size(); }

    // For Wrapped only.
    void forget(IUnknown* identity, const Wrapped* owner);

private:
    Objects() = default;
    std::shared_ptr<outlook::Dispatch> find(IUnknown* identity) const;
    void remember(IUnknown* identity, const std::shared_ptr<outlook::Dispatch>& wrapper, const Wrapped* owner);

    struct Entry {
        std::weak_ptr<outlook::Dispatch> wrapper;
        const Wrapped* owner;
    };
    std::map<IUnknown*, Entry> wrappers_;
    std::map<std::string, NameCache, std::less<>> names_;
    Creator creator_;
};

// Outlook's Application as the seam (the object OnConnection receives), in a new map.
std::shared_ptr<outlook::Application> ApplicationOf(IDispatch* application, Objects::Creator creator = {});

}  // namespace corvane::comoutlook
