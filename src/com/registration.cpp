#include "corvane/com/registration.h"

#include <olectl.h>

#include <array>

#include "corvane/com/classes.h"

namespace corvane::com {
namespace {

// Any address inside this module names it to GetModuleHandleExW.
constexpr char ModuleMarker = 0;

std::wstring ClsidText(REFCLSID clsid) {
    std::array<wchar_t, 40> text{};
    StringFromGUID2(clsid, text.data(), static_cast<int>(text.size()));
    return text.data();
}

HRESULT FromWin32(LSTATUS status) { return status == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(status); }

HRESULT WriteValue(HKEY hive, const RegistryValue& value) {
    HKEY key = nullptr;
    LSTATUS status = RegCreateKeyExW(hive, value.key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                                     nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) return FromWin32(status);
    const wchar_t* name = value.name.empty() ? nullptr : value.name.c_str();
    if (const auto* text = std::get_if<std::wstring>(&value.data)) {
        status = RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text->c_str()),
                                static_cast<DWORD>((text->size() + 1) * sizeof(wchar_t)));
    } else {
        DWORD number = std::get<DWORD>(value.data);
        status = RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    }
    RegCloseKey(key);
    return FromWin32(status);
}

// Deletes `path` when it holds neither keys nor values; false when it stays.
bool DeleteIfEmpty(HKEY hive, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(hive, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    DWORD subkeys = 0;
    DWORD values = 0;
    LSTATUS status = RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                                      nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return status == ERROR_SUCCESS && subkeys == 0 && values == 0 &&
           RegDeleteKeyW(hive, path.c_str()) == ERROR_SUCCESS;
}

}  // namespace

Registration RegistrationOf(const std::wstring& dllPath) {
    Registration out;
    for (const auto& server : ServerClasses()) {
        std::wstring progId(server.progId);
        std::wstring description(server.description);
        std::wstring clsid = ClsidText(server.clsid);
        std::wstring progIdKey = L"Software\\Classes\\" + progId;
        std::wstring clsidKey = L"Software\\Classes\\CLSID\\" + clsid;
        out.keys.push_back(progIdKey);
        out.keys.push_back(clsidKey);
        out.values.push_back({progIdKey, L"", description});
        out.values.push_back({progIdKey + L"\\CLSID", L"", clsid});
        out.values.push_back({clsidKey, L"", description});
        out.values.push_back({clsidKey + L"\\InprocServer32", L"", dllPath});
        out.values.push_back({clsidKey + L"\\InprocServer32", L"ThreadingModel", std::wstring(L"Apartment")});
        out.values.push_back({clsidKey + L"\\ProgID", L"", progId});
    }
    // LoadBehavior 3: connected at every start of Outlook.
    std::wstring addinKey = std::wstring(OutlookAddinsKey) + L"\\" + std::wstring(ConnectProgId);
    out.keys.push_back(addinKey);
    out.values.push_back({addinKey, L"FriendlyName", std::wstring(L"Corvane")});
    out.values.push_back(
        {addinKey, L"Description", std::wstring(L"Checks outgoing e-mail for sending mistakes before it leaves")});
    out.values.push_back({addinKey, L"LoadBehavior", DWORD{3}});
    return out;
}

HKEY HiveOf(RegistrationScope scope) {
    return scope == RegistrationScope::Machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

HRESULT Register(RegistrationScope scope) {
    std::wstring path = ThisModulePath();
    if (path.empty()) return SELFREG_E_CLASS;
    HKEY hive = HiveOf(scope);
    for (const auto& value : RegistrationOf(path).values) {
        HRESULT hr = WriteValue(hive, value);
        if (FAILED(hr)) {
            Unregister(scope);  // no half registration stays behind
            return hr;
        }
    }
    return S_OK;
}

HRESULT Unregister(RegistrationScope scope) {
    HKEY hive = HiveOf(scope);
    HRESULT result = S_OK;
    for (const auto& key : RegistrationOf(L"").keys) {
        LSTATUS status = RegDeleteTreeW(hive, key.c_str());
        if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) result = FromWin32(status);
    }
    // Outlook's Addins, Outlook and Office keys when registering made them and nothing else
    // is in them.
    std::wstring parent = OutlookAddinsKey;
    for (int level = 0; level < 3 && DeleteIfEmpty(hive, parent); ++level) parent.resize(parent.rfind(L'\\'));
    return result;
}

std::wstring ThisModulePath() {
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCWSTR>(&ModuleMarker), &module))
        return {};
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD size = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (size == 0) return {};
        if (size < path.size()) {
            path.resize(size);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace corvane::com
