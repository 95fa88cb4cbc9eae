#include "corvane/comoutlook/late.h"

#include <windows.h>

#include <vector>

#include "corvane/platform/error.h"
#include "corvane/text/wide.h"

namespace corvane::comoutlook {

namespace {

// The system's text for an HRESULT, without its line end; "Automation error" when the
// system has none.
std::string SystemText(HRESULT hr) {
    wchar_t* buffer = nullptr;
    DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer != nullptr ? buffer : L"", length);
    if (buffer != nullptr) LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) text.pop_back();
    return text.empty() ? std::string("Automation error") : text::Utf8FromWide(text);
}

std::string BstrText(BSTR text) {
    return text == nullptr ? std::string() : text::Utf8FromWide(std::wstring_view(text, SysStringLen(text)));
}

// Automation's dispatch failures as a late-bound caller meets them.
const platform::ErrorCode* RuntimeErrorOf(HRESULT hr) {
    namespace errors = platform::errors;
    switch (hr) {
        case DISP_E_UNKNOWNNAME:
        case DISP_E_MEMBERNOTFOUND: return &errors::NotSupported;
        case DISP_E_TYPEMISMATCH: return &errors::TypeMismatch;
        case DISP_E_OVERFLOW: return &errors::Overflow;
        case E_UNEXPECTED: return &errors::Unexpected;
        case E_FAIL: return &errors::Fail;
        case E_ACCESSDENIED: return &errors::AccessDenied;
        case RPC_S_SERVER_UNAVAILABLE:
        case HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE): return &errors::HostGone;
        default: return nullptr;
    }
}

[[noreturn]] void ThrowHresult(HRESULT hr) {
    if (const platform::ErrorCode* code = RuntimeErrorOf(hr)) throw platform::PlatformError(*code);
    throw platform::PlatformError(static_cast<std::int32_t>(hr), SystemText(hr));
}

}  // namespace

void ThrowCallFailure(HRESULT hr, EXCEPINFO& info, std::string_view /*member*/) {
    if (hr != DISP_E_EXCEPTION) ThrowHresult(hr);
    if (info.pfnDeferredFillIn != nullptr) info.pfnDeferredFillIn(&info);
    std::string description = BstrText(info.bstrDescription);
    HRESULT number = info.scode != 0 ? info.scode : static_cast<HRESULT>(info.wCode);
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
    info = EXCEPINFO{};
    if (number == 0) number = DISP_E_EXCEPTION;
    if (description.empty()) {
        const platform::ErrorCode* code = RuntimeErrorOf(number);
        description = code != nullptr ? std::string(code->description) : SystemText(number);
    }
    throw platform::PlatformError(static_cast<std::int32_t>(number), std::move(description));
}

void Check(HRESULT hr, std::string_view /*member*/) {
    if (FAILED(hr)) ThrowHresult(hr);
}

DISPID NameCache::idOf(IDispatch* object, std::string_view name) {
    if (auto found = ids_.find(name); found != ids_.end()) return found->second;
    std::wstring wide = text::WideFromUtf8(name);
    LPOLESTR names[] = {wide.data()};
    DISPID id = DISPID_UNKNOWN;
    Check(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), name);
    ids_.emplace(name, id);
    return id;
}

bool LateBound::knows(std::string_view name) const {
    if (!object_) return false;
    try {
        names_->idOf(object_.get(), name);
        return true;
    } catch (const platform::PlatformError& e) {
        if (e.number() == platform::errors::NotSupported.number) return false;
        throw;
    }
}

Value LateBound::invoke(std::string_view name, WORD flags, std::span<VARIANT> reversedArgs, bool put) const {
    if (!object_) throw platform::PlatformError(platform::errors::ObjectNotSet);
    DISPID id = names_->idOf(object_.get(), name);
    DISPID propertyPut = DISPID_PROPERTYPUT;
    DISPPARAMS params{reversedArgs.data(), put ? &propertyPut : nullptr, static_cast<UINT>(reversedArgs.size()),
                      put ? 1U : 0U};
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO info{};
    UINT argError = 0;
    HRESULT hr = object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, put ? nullptr : &result, &info,
                                 &argError);
    if (FAILED(hr)) {
        VariantClear(&result);
        ThrowCallFailure(hr, info, name);
    }
    return Value::adopt(result);
}

Value LateBound::get(std::string_view name, std::span<const Value> args) const {
    // COM takes the arguments last first; the callee does not change them.
    std::vector<VARIANT> reversed;
    for (auto arg = args.rbegin(); arg != args.rend(); ++arg) reversed.push_back(arg->raw());
    return invoke(name, DISPATCH_PROPERTYGET | DISPATCH_METHOD, reversed, false);
}

void LateBound::put(std::string_view name, const Value& value) const {
    VARIANT arg = value.raw();
    if (value.type() != VT_DISPATCH) {
        invoke(name, DISPATCH_PROPERTYPUT, std::span<VARIANT>(&arg, 1), true);
        return;
    }
    // An object is assigned by reference (Set); an object that only takes the plain
    // assignment gets that.
    try {
        invoke(name, DISPATCH_PROPERTYPUTREF, std::span<VARIANT>(&arg, 1), true);
    } catch (const platform::PlatformError& e) {
        if (e.number() != platform::errors::NotSupported.number) throw;
        invoke(name, DISPATCH_PROPERTYPUT, std::span<VARIANT>(&arg, 1), true);
    }
}

Value LateBound::call(std::string_view name, std::span<Value> args, std::size_t byRefFrom) const {
    std::vector<VARIANT> reversed;
    for (std::size_t i = args.size(); i-- > 0;) {
        Value* arg = &args[i];
        if (i < byRefFrom) {
            reversed.push_back(arg->raw());
            continue;
        }
        VARIANT ref;
        VariantInit(&ref);
        V_VT(&ref) = VT_BYREF | VT_VARIANT;
        V_VARIANTREF(&ref) = &arg->raw();
        reversed.push_back(ref);
    }
    return invoke(name, DISPATCH_METHOD | DISPATCH_PROPERTYGET, reversed, false);
}

}  // namespace corvane::comoutlook
