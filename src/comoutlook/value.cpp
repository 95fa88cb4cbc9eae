#include "corvane/comoutlook/value.h"

#include <oleauto.h>

#include <cmath>
#include <utility>

#include "corvane/platform/error.h"
#include "corvane/text/wide.h"

namespace corvane::comoutlook {

namespace {

constexpr std::int64_t SecondsPerDay = 86400;

// The value converted to `type` as Automation converts it, or the seam's failure.
Value ConvertedTo(const VARIANT& from, VARTYPE type) {
    Value to;
    HRESULT hr = VariantChangeType(&to.raw(), const_cast<VARIANT*>(&from), 0, type);
    if (hr == DISP_E_OVERFLOW) throw platform::PlatformError(platform::errors::Overflow);
    if (FAILED(hr)) throw platform::PlatformError(platform::errors::TypeMismatch);
    return to;
}

}  // namespace

double AutomationDate(const platform::DateTime& value) {
    std::int64_t seconds = value.secondsSinceEpoch() - platform::DateTime().secondsSinceEpoch();
    std::int64_t days = seconds / SecondsPerDay;
    std::int64_t time = seconds % SecondsPerDay;
    if (time < 0) {
        time += SecondsPerDay;
        --days;
    }
    // Before the zero the day counts down but the time of day still counts up.
    double fraction = static_cast<double>(time) / SecondsPerDay;
    return days < 0 ? static_cast<double>(days) - fraction : static_cast<double>(days) + fraction;
}

platform::DateTime FromAutomationDate(double date) {
    double day = std::trunc(date);
    auto seconds = static_cast<std::int64_t>(std::llround(std::fabs(date - day) * SecondsPerDay));
    return platform::DateTime().addDays(static_cast<std::int64_t>(day)).addSeconds(seconds);
}

Value::Value() { VariantInit(&v_); }

Value::Value(bool value) : Value() {
    V_VT(&v_) = VT_BOOL;
    V_BOOL(&v_) = value ? VARIANT_TRUE : VARIANT_FALSE;
}

Value::Value(std::int32_t value) : Value() {
    V_VT(&v_) = VT_I4;
    V_I4(&v_) = value;
}

Value::Value(double value) : Value() {
    V_VT(&v_) = VT_R8;
    V_R8(&v_) = value;
}

Value::Value(std::string_view text) : Value() {
    std::wstring wide = text::WideFromUtf8(text);
    V_VT(&v_) = VT_BSTR;
    V_BSTR(&v_) = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    if (V_BSTR(&v_) == nullptr) throw std::bad_alloc();
}

Value::Value(const platform::DateTime& value) : Value() {
    V_VT(&v_) = VT_DATE;
    V_DATE(&v_) = AutomationDate(value);
}

Value::Value(IDispatch* object) : Value() {
    V_VT(&v_) = VT_DISPATCH;
    V_DISPATCH(&v_) = object;
    if (object != nullptr) object->AddRef();
}

Value Value::Missing() {
    Value made;
    V_VT(&made.v_) = VT_ERROR;
    V_ERROR(&made.v_) = DISP_E_PARAMNOTFOUND;
    return made;
}

Value Value::Array(const std::vector<Value>& elements) {
    SAFEARRAY* array = SafeArrayCreateVector(VT_VARIANT, 0, static_cast<ULONG>(elements.size()));
    if (array == nullptr) throw std::bad_alloc();
    Value made;
    V_VT(&made.v_) = VT_ARRAY | VT_VARIANT;
    V_ARRAY(&made.v_) = array;
    for (LONG i = 0; i < static_cast<LONG>(elements.size()); ++i) {
        // SafeArrayPutElement copies the VARIANT.
        HRESULT hr = SafeArrayPutElement(array, &i, const_cast<VARIANT*>(&elements[static_cast<std::size_t>(i)].v_));
        if (FAILED(hr)) throw platform::PlatformError(platform::errors::TypeMismatch);
    }
    return made;
}

Value Value::adopt(VARIANT& raw) {
    Value made;
    made.v_ = raw;
    VariantInit(&raw);
    return made;
}

Value::Value(const Value& other) : Value() {
    if (FAILED(VariantCopy(&v_, const_cast<VARIANT*>(&other.v_)))) throw std::bad_alloc();
}

Value::Value(Value&& other) noexcept : v_(other.v_) { VariantInit(&other.v_); }

Value& Value::operator=(Value other) noexcept {
    std::swap(v_, other.v_);
    return *this;
}

Value::~Value() { VariantClear(&v_); }

std::string Value::text() const {
    if (empty()) return {};
    if (type() == VT_BSTR) {
        BSTR text = V_BSTR(&v_);
        return text == nullptr ? std::string() : text::Utf8FromWide(std::wstring_view(text, SysStringLen(text)));
    }
    return ConvertedTo(v_, VT_BSTR).text();
}

std::int32_t Value::number() const {
    if (type() == VT_I4) return V_I4(&v_);
    if (empty()) return 0;
    return ConvertedTo(v_, VT_I4).number();
}

double Value::real() const {
    if (type() == VT_R8) return V_R8(&v_);
    if (empty()) return 0;
    return ConvertedTo(v_, VT_R8).real();
}

bool Value::boolean() const {
    if (type() == VT_BOOL) return V_BOOL(&v_) != VARIANT_FALSE;
    if (empty()) return false;
    return ConvertedTo(v_, VT_BOOL).boolean();
}

platform::DateTime Value::date() const {
    if (type() == VT_DATE) return FromAutomationDate(V_DATE(&v_));
    if (empty()) return {};
    return ConvertedTo(v_, VT_DATE).date();
}

ComPtr<IDispatch> Value::object() const {
    switch (type()) {
        case VT_EMPTY:
        case VT_NULL: return {};
        case VT_DISPATCH: return ComPtr<IDispatch>(V_DISPATCH(&v_));
        case VT_DISPATCH | VT_BYREF:
            return V_DISPATCHREF(&v_) == nullptr ? ComPtr<IDispatch>() : ComPtr<IDispatch>(*V_DISPATCHREF(&v_));
        case VT_UNKNOWN: {
            if (V_UNKNOWN(&v_) == nullptr) return {};
            ComPtr<IDispatch> object = ComPtr<IUnknown>(V_UNKNOWN(&v_)).as<IDispatch>();
            if (object) return object;
            break;
        }
        case VT_VARIANT | VT_BYREF:
            if (V_VARIANTREF(&v_) != nullptr) {
                Value inner;
                if (SUCCEEDED(VariantCopy(&inner.v_, V_VARIANTREF(&v_)))) return inner.object();
            }
            break;
        default: break;
    }
    throw platform::PlatformError(platform::errors::TypeMismatch);
}

ComPtr<IUnknown> Value::unknown() const {
    switch (type()) {
        case VT_EMPTY:
        case VT_NULL: return {};
        case VT_UNKNOWN: return ComPtr<IUnknown>(V_UNKNOWN(&v_));
        case VT_DISPATCH: return ComPtr<IUnknown>(V_DISPATCH(&v_));
        default: throw platform::PlatformError(platform::errors::TypeMismatch);
    }
}

std::vector<Value> Value::elements() const {
    if ((type() & VT_ARRAY) == 0) throw platform::PlatformError(platform::errors::TypeMismatch);
    SAFEARRAY* array = (type() & VT_BYREF) != 0 ? *V_ARRAYREF(&v_) : V_ARRAY(&v_);
    LONG lower = 0;
    LONG upper = -1;
    if (array == nullptr || SafeArrayGetDim(array) != 1 || FAILED(SafeArrayGetLBound(array, 1, &lower)) ||
        FAILED(SafeArrayGetUBound(array, 1, &upper)))
        throw platform::PlatformError(platform::errors::TypeMismatch);
    VARTYPE elementType = static_cast<VARTYPE>(type() & VT_TYPEMASK);
    std::vector<Value> out;
    for (LONG i = lower; i <= upper; ++i) {
        Value element;
        if (elementType == VT_VARIANT) {
            if (FAILED(SafeArrayGetElement(array, &i, &element.v_)))
                throw platform::PlatformError(platform::errors::TypeMismatch);
        } else {
            // SafeArrayGetElement writes the bare element (a BSTR, a LONG, ...) into the
            // VARIANT's value; the type is the array's. Elements wider than the value
            // (DECIMAL, records) are not read.
            if (SafeArrayGetElemsize(array) > sizeof(LONGLONG) || elementType == VT_RECORD ||
                FAILED(SafeArrayGetElement(array, &i, &V_NONE(&element.v_))))
                throw platform::PlatformError(platform::errors::TypeMismatch);
            V_VT(&element.v_) = elementType;
        }
        out.push_back(std::move(element));
    }
    return out;
}

}  // namespace corvane::comoutlook
