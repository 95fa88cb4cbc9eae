#pragma once
// The members each face answers for, by the seam interface its object implements: a
// table per interface of Outlook's member names, each read (a property or a method) and,
// for a property that can be set, written. One dispatch identifier per name across every
// table, so a name means the same member on every object (Class above all).
#include <oaidl.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/outlook/object.h"
#include "corvane/simcom/faces.h"

namespace corvane::simcom {

// ASCII names compared ignoring case, as GetIDsOfNames does.
struct NameLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const noexcept;
};

// A call Automation itself refuses (a missing argument): Invoke answers the HRESULT.
struct DispatchFailure {
    HRESULT hr;
};

// One Invoke's arguments, first first; a property put's value apart.
class Call {
public:
    Call(Faces& faces, DISPPARAMS& params);

    std::size_t count() const noexcept { return positional_; }
    Faces& faces() const noexcept { return *faces_; }
    // Given and not left out (VT_ERROR DISP_E_PARAMNOTFOUND).
    bool given(std::size_t index) const;
    bool isText(std::size_t index) const;
    std::string text(std::size_t index) const;
    std::int32_t number(std::size_t index) const;
    bool flag(std::size_t index) const;
    platform::DateTime date(std::size_t index) const;
    std::shared_ptr<outlook::Dispatch> object(std::size_t index) const;
    template <class T>
    std::shared_ptr<T> objectAs(std::size_t index) const {
        auto found = object(index);
        auto typed = std::dynamic_pointer_cast<T>(found);
        if (found && !typed) TypeMismatch();
        return typed;
    }
    outlook::Variant variant(std::size_t index) const;
    // Writes a by-reference argument back (ignored for one passed by value).
    void writeBack(std::size_t index, const outlook::Variant& value) const;
    // The index of the value a property put assigns.
    static constexpr std::size_t Assigned = static_cast<std::size_t>(-1);

    [[noreturn]] static void TypeMismatch();

private:
    const VARIANT& arg(std::size_t index) const;
    Faces* faces_;
    DISPPARAMS* params_;
    std::size_t positional_;
};

using Getter = std::function<outlook::Variant(outlook::Dispatch&, const Call&)>;
using Putter = std::function<void(outlook::Dispatch&, const Call&)>;

struct Member {
    Getter get;
    Putter put;  // empty: read-only
};

struct Kind {
    std::string_view typeName;  // Outlook's name of the interface
    std::function<bool(outlook::Dispatch&)> is;
    std::map<std::string, Member, NameLess> members;
};

// Every interface's table, the general ones first (Object, then Item before MailItem).
const std::vector<Kind>& AllKinds();
// The one dispatch identifier of a member name, and the name of one.
DISPID DispIdOf(std::string_view name);
const std::string* NameOf(DISPID id);

// A value of the seam as a VARIANT the caller owns (objects as their faces), and back.
void ToVariant(Faces& faces, const outlook::Variant& value, VARIANT& out);
outlook::Variant FromVariant(const Faces& faces, const VARIANT& value);

}  // namespace corvane::simcom
