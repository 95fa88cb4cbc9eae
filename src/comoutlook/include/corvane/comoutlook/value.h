#pragma once
// A VARIANT owned by the add-in, read as the types the object model seam uses: BSTR as
// UTF-8 text (corvane/text/wide.h), VT_I2/VT_I4 and the other integers as numbers,
// VT_BOOL, VT_DATE as platform::DateTime, VT_DISPATCH/VT_UNKNOWN as objects, VT_EMPTY as
// nothing, and SAFEARRAYs of them.
#include <oaidl.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/comoutlook/com_ptr.h"
#include "corvane/platform/datetime.h"

namespace corvane::comoutlook {

class Value {
public:
    Value();  // VT_EMPTY
    explicit Value(bool value);
    explicit Value(std::int32_t value);
    explicit Value(double value);
    explicit Value(std::string_view text);
    // A literal is text, never a flag.
    explicit Value(const char* text) : Value(std::string_view(text)) {}
    explicit Value(const platform::DateTime& value);
    // VT_DISPATCH holding a new reference (null is Nothing).
    explicit Value(IDispatch* object);
    // An optional argument left out (VT_ERROR, DISP_E_PARAMNOTFOUND).
    static Value Missing();
    // A one-dimensional SAFEARRAY of VARIANTs (VT_ARRAY | VT_VARIANT), lower bound 0.
    static Value Array(const std::vector<Value>& elements);
    // Takes over a VARIANT the caller owns (cleared in the source).
    static Value adopt(VARIANT& raw);

    Value(const Value& other);
    Value(Value&& other) noexcept;
    Value& operator=(Value other) noexcept;
    ~Value();

    VARTYPE type() const noexcept { return V_VT(&v_); }
    bool empty() const noexcept { return V_VT(&v_) == VT_EMPTY || V_VT(&v_) == VT_NULL; }
    // The value converted as Automation converts it; a value that does not convert fails
    // with errors::TypeMismatch (errors::Overflow when a number is out of range). Empty is
    // "", 0, false and the Automation zero date.
    std::string text() const;
    std::int32_t number() const;
    double real() const;
    bool boolean() const;
    platform::DateTime date() const;
    // The object; nullptr for Nothing and empty. Anything else fails with TypeMismatch.
    ComPtr<IDispatch> object() const;
    // The object as it is (VT_UNKNOWN or VT_DISPATCH), for interfaces other than
    // IDispatch (a MAPIOBJECT); nullptr for Nothing and empty, TypeMismatch otherwise.
    ComPtr<IUnknown> unknown() const;
    // The elements of a one-dimensional array, each as a Value; fails with TypeMismatch
    // for anything else.
    std::vector<Value> elements() const;

    const VARIANT& raw() const noexcept { return v_; }
    VARIANT& raw() noexcept { return v_; }

private:
    VARIANT v_;
};

// Automation dates (days since 1899-12-30, the time as the fraction) and DateTime.
double AutomationDate(const platform::DateTime& value);
platform::DateTime FromAutomationDate(double date);

}  // namespace corvane::comoutlook
