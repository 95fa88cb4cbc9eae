#include <array>
#include <string_view>

#include "corvane/platform/error.h"
#include "corvane/support/support_mail.h"

namespace corvane::support {
namespace {

constexpr std::uint32_t Win32Windows = 1;  // VER_PLATFORM_WIN32_WINDOWS
constexpr std::uint32_t Win32Nt = 2;       // VER_PLATFORM_WIN32_NT
// The service-pack field of the ANSI version record holds 128 characters with its NUL.
constexpr std::size_t ServicePackRoom = 127;

int Classify(const platform::WindowsVersion& v) {
    if (v.platformId == Win32Windows) {
        switch (v.minor) {
            case 0: return 1;
            case 10: return 2;
            case 90: return 3;
            default: return 0;
        }
    }
    if (v.platformId != Win32Nt) return 0;
    switch (v.major) {
        case 3: return 4;
        case 4: return 5;
        case 5: return v.minor == 0 ? 6 : v.minor == 1 ? 7 : v.minor == 2 ? 11 : 12;
        case 6: return v.minor == 0 ? 8 : v.minor == 1 ? 9 : 10;
        default: return 0;
    }
}

std::string_view Name(int code) {
    static constexpr std::array<std::string_view, 11> names{
        "",
        "Microsoft Windows 95 ",
        "Microsoft Windows 98 ",
        "Microsoft Windows Millennium ",
        "Windows NT 3.51 ",
        "Windows NT 4.0 ",
        "Windows 2000 ",
        "Windows XP ",
        "Windows Vista ",
        "Windows 7 ",
        "Windows 8 ",
    };
    if (code >= 1 && code <= 10) return names[static_cast<std::size_t>(code)];
    return "Failed to get Operating System";
}

// The service-pack text as the record holds it: up to its NUL, blanks cut on the right.
std::string ServicePack(std::string text) {
    text = text.substr(0, std::min(text.find('\0'), ServicePackRoom));
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

}  // namespace

std::string WindowsDescription(platform::SystemInfo& system) {
    platform::WindowsVersion version;
    int code = 0;
    try {
        version = system.windowsVersion();
        code = Classify(version);
    } catch (const platform::PlatformError&) {
        code = 0;
    }
    std::string out(Name(code));
    if (code == 0) return out;
    out += ServicePack(version.servicePack);
    if (code >= 7) {
        const auto arch = system.nativeArchitecture();
        out += arch == platform::arch::Ia64 || arch == platform::arch::Amd64 ? " (64-bit)" : " (32-bit)";
    }
    return out;
}

}  // namespace corvane::support
