#pragma once
// Late binding over IDispatch, the way Outlook and Word are reached: a member's name is
// resolved to its dispatch identifier once per type (the NameCache the caller keeps for
// that type) and remembered; properties are read and written and methods called with
// Values; a failure throws platform::PlatformError with the object's own number (the
// EXCEPINFO's scode read as a signed 32-bit value) and its own text, so the add-in's
// conventions see the same failures as they see from the simulated Outlook.
#include <oaidl.h>

#include <cstddef>
#include <map>
#include <span>
#include <string>
#include <string_view>

#include "corvane/comoutlook/com_ptr.h"
#include "corvane/comoutlook/value.h"

namespace corvane::comoutlook {

// The dispatch identifiers of one type's members, by name as the code spells them.
class NameCache {
public:
    // The member's identifier, asking `object` (GetIDsOfNames) only the first time. A
    // name the object does not know fails with errors::NotSupported.
    DISPID idOf(IDispatch* object, std::string_view name);

private:
    std::map<std::string, DISPID, std::less<>> ids_;
};

// The failure of a call on `member`: the exception the object raised (DISP_E_EXCEPTION
// with its EXCEPINFO, which is cleared), or the HRESULT with the text Automation gives
// it. Automation's own dispatch failures become the runtime errors a late-bound caller
// sees (an unknown member errors::NotSupported, a wrong type errors::TypeMismatch).
[[noreturn]] void ThrowCallFailure(HRESULT hr, EXCEPINFO& info, std::string_view member);
// Throws for a failed HRESULT of a call that raises no exception.
void Check(HRESULT hr, std::string_view member);

// One object reached by name. The NameCache belongs to the object's type and outlives it.
class LateBound {
public:
    LateBound(ComPtr<IDispatch> object, NameCache& names) : object_(std::move(object)), names_(&names) {}

    IDispatch* dispatch() const noexcept { return object_.get(); }

    // Whether the object has a member of that name (resolved and remembered as by a call).
    bool knows(std::string_view name) const;
    // A property (with its arguments, as Items.Item(1)) or a method's result.
    Value get(std::string_view name, std::span<const Value> args = {}) const;
    void put(std::string_view name, const Value& value) const;
    // A method. The arguments from `byRefFrom` on are passed by reference (VT_BYREF |
    // VT_VARIANT) and what the callee left in them is written back into `args`.
    Value call(std::string_view name, std::span<Value> args, std::size_t byRefFrom = NoneByRef) const;

    static constexpr std::size_t NoneByRef = static_cast<std::size_t>(-1);

private:
    Value invoke(std::string_view name, WORD flags, std::span<VARIANT> reversedArgs, bool put) const;

    ComPtr<IDispatch> object_;
    NameCache* names_;
};

}  // namespace corvane::comoutlook
