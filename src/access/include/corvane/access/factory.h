#pragma once
// The one way the add-in gets the component's objects: by ProgId, one object per use.
// The factory belongs to the add-in process; its ProgIds can be taken out of the
// registration, so that a host or a test sees creation fail the way it fails on a machine
// without the component (429, "ActiveX component can't create object").
//
//   auto safe = CreateAccessObject<SafeMailItem>(factory);   // create
//   safe->SetItem(item);                                     // bind
//   safe->Save();                                            // where recipients matter
//   ... read or write ...                                    // use
//   safe.reset();                                            // release
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/access/access_object.h"
#include "corvane/access/component_state.h"
#include "corvane/access/errors.h"

namespace corvane::access {

class ComponentFactory {
public:
    // subsystem: where RDOSession.Logon opens a session; may be empty (Logon then fails).
    explicit ComponentFactory(std::shared_ptr<mapi::Subsystem> subsystem = nullptr);
    ComponentFactory(const ComponentFactory&) = delete;
    ComponentFactory& operator=(const ComponentFactory&) = delete;

    // A new object of the class registered under the ProgId (compared ignoring case).
    std::shared_ptr<AccessObject> CreateObject(std::string_view progId);

    void SetRegistered(std::string_view progId, bool registered);
    bool IsRegistered(std::string_view progId) const;

    // How many objects created here are still held by someone.
    std::size_t LiveObjects() const;
    const ComponentState& State() const noexcept { return *state_; }

private:
    struct Entry {
        std::string_view progId;
        std::function<std::shared_ptr<AccessObject>(const std::shared_ptr<ComponentState>&)> create;
        bool registered = true;
    };
    Entry* Find(std::string_view progId);
    const Entry* Find(std::string_view progId) const;

    std::shared_ptr<ComponentState> state_;
    std::vector<Entry> entries_;
    std::vector<std::weak_ptr<AccessObject>> made_;
};

// The object of class T, created through its ProgId (or another one that makes a T).
template <class T>
std::shared_ptr<T> CreateAccessObject(ComponentFactory& factory, std::string_view progId = T::ProgId) {
    auto object = std::dynamic_pointer_cast<T>(factory.CreateObject(progId));
    if (!object) errors::ThrowTypeMismatch(std::string(progId) + " does not create that class");
    return object;
}

}  // namespace corvane::access
