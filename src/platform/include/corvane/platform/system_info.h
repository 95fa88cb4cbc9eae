#pragma once
#include <cstdint>
#include <string>

namespace corvane::platform {

// The OSVERSIONINFOEX record as GetVersionEx fills it.
struct WindowsVersion {
    std::uint32_t major = 6;
    std::uint32_t minor = 1;
    std::uint32_t build = 7601;
    std::uint32_t platformId = 2;  // VER_PLATFORM_WIN32_NT
    std::string servicePack = "Service Pack 1";
    std::uint16_t servicePackMajor = 1;
    std::uint16_t servicePackMinor = 0;
    std::uint8_t productType = 1;  // VER_NT_WORKSTATION
};

// PROCESSOR_ARCHITECTURE_* numbers of GetNativeSystemInfo.
namespace arch {
inline constexpr std::uint16_t X86 = 0;
inline constexpr std::uint16_t Ia64 = 6;
inline constexpr std::uint16_t Amd64 = 9;
}  // namespace arch

struct AddinVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// The short-date picture of the regional settings of the user the add-in runs as.
std::string UserShortDatePattern();

class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    virtual WindowsVersion windowsVersion() = 0;
    virtual std::uint16_t nativeArchitecture() = 0;
    // The folder the add-in was loaded from, as the platform writes paths.
    virtual std::string addinFolder() = 0;
    virtual AddinVersion addinVersion() = 0;
    // The ANSI code page, in which files such as the settings file are written (GetACP:
    // 1252 on Western European Windows).
    virtual unsigned ansiCodePage() = 0;
    // The user's short-date form, as a date picture (DateTime::format): "M/d/yyyy" in the
    // United States.
    virtual std::string shortDatePattern() { return UserShortDatePattern(); }
};

}  // namespace corvane::platform
