// The machine as Windows reports it, and the module the add-in's code is linked into.
#include <windows.h>

#include <cstring>
#include <iterator>
#include <string>

#include "corvane/platform/machine_info.h"
#include "corvane/text/wide.h"

namespace corvane::platform {
namespace {

// Lives in the module this code is linked into: its address names that module.
const char ModuleMarker = 0;

HMODULE AddinModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ModuleMarker), &module);
    return module;
}

// The version record as the process sees it (GetVersionEx): inside a host without a
// compatibility manifest, Windows 8.1 and later report 6.2, so the support e-mail names
// such a machine as Windows 8, as it always has.
bool ReadVersionRecord(OSVERSIONINFOEXW& info) {
    info.dwOSVersionInfoSize = sizeof info;
    return GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info)) != 0;
}

// The fixed part of the module's version resource: VS_VERSIONINFO starts with three WORDs
// and the key L"VS_VERSION_INFO" (32 bytes), then the record at the next 4-byte boundary.
bool ReadFileVersion(HMODULE module, VS_FIXEDFILEINFO& fixed) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16));  // VS_VERSION_INFO, RT_VERSION
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    constexpr DWORD offset = 40;
    if (!data || SizeofResource(module, found) < offset + sizeof fixed) return false;
    std::memcpy(&fixed, static_cast<const char*>(data) + offset, sizeof fixed);
    return fixed.dwSignature == 0xFEEF04BDU;
}

}  // namespace

WindowsVersion MachineInfo::windowsVersion() {
    OSVERSIONINFOEXW info{};
    if (!ReadVersionRecord(info)) return {0, 0, 0, 0, "", 0, 0, 0};  // reads as no known Windows
    WindowsVersion v;
    v.major = info.dwMajorVersion;
    v.minor = info.dwMinorVersion;
    v.build = info.dwBuildNumber;
    v.platformId = info.dwPlatformId;
    const std::wstring_view csd(info.szCSDVersion, std::size(info.szCSDVersion));
    v.servicePack = text::Utf8FromWide(csd.substr(0, csd.find(L'\0')));
    v.servicePackMajor = info.wServicePackMajor;
    v.servicePackMinor = info.wServicePackMinor;
    v.productType = info.wProductType;
    return v;
}

std::uint16_t MachineInfo::nativeArchitecture() {
    SYSTEM_INFO info{};
    GetNativeSystemInfo(&info);
    return info.wProcessorArchitecture;
}

std::string MachineInfo::addinFolder() {
    HMODULE module = AddinModule();
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    const auto slash = path.find_last_of(L'\\');
    return text::Utf8FromWide(slash == std::wstring::npos ? std::wstring_view()
                                                          : std::wstring_view(path).substr(0, slash));
}

AddinVersion MachineInfo::addinVersion() {
    VS_FIXEDFILEINFO fixed{};
    if (!ReadFileVersion(AddinModule(), fixed)) return productVersion_;
    return {HIWORD(fixed.dwFileVersionMS), LOWORD(fixed.dwFileVersionMS), HIWORD(fixed.dwFileVersionLS)};
}

unsigned MachineInfo::ansiCodePage() { return GetACP(); }

}  // namespace corvane::platform
