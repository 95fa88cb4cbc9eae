#pragma once
// The machine's own system information behind the SystemInfo seam, Windows only (the
// simulated host states its own elsewhere):
// - the Windows version record as the system reports it (RtlGetVersion of ntdll, which
//   GetVersionEx's compatibility answers do not change: Windows 10 reads as 10.0);
// - the native processor architecture (GetNativeSystemInfo: a 32-bit Outlook on 64-bit
//   Windows reads arch::Amd64);
// - the add-in's folder: the folder of the module this code is linked into (Corvane.dll);
// - the add-in's version: the first three numbers of that module's file version when it
//   carries a version resource, else the product version it was built with;
// - the ANSI code page (GetACP) and the user's short-date form (UserShortDatePattern).
#include "corvane/platform/system_info.h"

namespace corvane::platform {

class MachineInfo final : public SystemInfo {
public:
    explicit MachineInfo(AddinVersion productVersion) : productVersion_(productVersion) {}

    WindowsVersion windowsVersion() override;
    std::uint16_t nativeArchitecture() override;
    std::string addinFolder() override;
    AddinVersion addinVersion() override;
    unsigned ansiCodePage() override;

private:
    AddinVersion productVersion_;
};

}  // namespace corvane::platform
