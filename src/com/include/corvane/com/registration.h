#pragma once
// What registering the DLL writes, as data: the classes under their ProgIds and class
// identifiers (in-process server, apartment threaded) and Outlook's add-in key, which makes
// Outlook load Corvane.Connect at start-up. Per user under HKEY_CURRENT_USER (the default,
// no administrator needed) or per machine under HKEY_LOCAL_MACHINE; unregistering deletes
// exactly the keys registering made.
#include <windows.h>

#include <string>
#include <variant>
#include <vector>

namespace corvane::com {

enum class RegistrationScope { User, Machine };

struct RegistryValue {
    std::wstring key;   // below the hive
    std::wstring name;  // empty: the key's default value
    std::variant<std::wstring, DWORD> data;
};

struct Registration {
    // The keys registering creates, each deleted with everything below it when the DLL
    // is unregistered.
    std::vector<std::wstring> keys;
    // Every value, each in one of those keys or below it.
    std::vector<RegistryValue> values;
};

inline constexpr const wchar_t* OutlookAddinsKey = L"Software\\Microsoft\\Office\\Outlook\\Addins";

// The registration of the DLL at `dllPath`.
Registration RegistrationOf(const std::wstring& dllPath);
HKEY HiveOf(RegistrationScope scope);

// Writes the registration of this DLL; E_ACCESSDENIED when the process may not write the
// hive (per machine without administrator rights).
HRESULT Register(RegistrationScope scope);
// Deletes what Register wrote, and Outlook's add-in keys above it when they are left
// empty. Keys already gone are no failure.
HRESULT Unregister(RegistrationScope scope);

// The full path of the module this code is linked into.
std::wstring ThisModulePath();

}  // namespace corvane::com
