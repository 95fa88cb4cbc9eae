#pragma once
// The simulated machine: the Windows version record, the processor architecture, the
// folder the add-in is installed in (always the simulated host's AddinFolder), the
// add-in's own version, the ANSI code page and the user's short-date form.
#include <string>
#include <string_view>

#include "corvane/platform/system_info.h"

namespace corvane::simhost {

// The folder the simulated host installs the add-in in; a profile's `addin_files` live there.
inline constexpr std::string_view AddinFolder = "C:\\Program Files\\Kelderon\\Corvane";

struct SystemSettings {
    platform::WindowsVersion windows;  // Windows 7 Service Pack 1 unless set
    std::uint16_t architecture = platform::arch::Amd64;
    platform::AddinVersion version{1, 0, 0};
    unsigned codePage = 1252;            // the ANSI code page: Western European
    std::string shortDate = "M/d/yyyy";  // United States English unless set
};

class SimSystemInfo final : public platform::SystemInfo {
public:
    explicit SimSystemInfo(SystemSettings settings) : settings_(std::move(settings)) {}

    platform::WindowsVersion windowsVersion() override { return settings_.windows; }
    std::uint16_t nativeArchitecture() override { return settings_.architecture; }
    std::string addinFolder() override;
    platform::AddinVersion addinVersion() override { return settings_.version; }
    unsigned ansiCodePage() override { return settings_.codePage; }
    std::string shortDatePattern() override { return settings_.shortDate; }

    SystemSettings& settings() { return settings_; }

private:
    SystemSettings settings_;
};

}  // namespace corvane::simhost
