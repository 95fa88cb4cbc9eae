#pragma once
// The Windows machine around the add-in: one of each of its own services (the registry,
// the shell and the HTML Help engine, WinINet, the system information, the clock, the
// files), with the Ui the caller gives (the Win32 dialog presenter). Builds the
// platform::Host the add-in is given; the references stay good as long as this lives.
#include "corvane/platform/desktop_shell.h"
#include "corvane/platform/host.h"
#include "corvane/platform/machine_info.h"
#include "corvane/platform/system_clock.h"
#include "corvane/platform/system_file_system.h"
#include "corvane/platform/system_http.h"
#include "corvane/platform/system_registry.h"

namespace corvane::winhost {

class WindowsHost {
public:
    // HTTP requests (user agent "Corvane/<product version>") let the Ui's pending window
    // messages run between their steps (Ui::doEvents), so that a progress window stays
    // responsive while waiting.
    explicit WindowsHost(platform::Ui& ui);
    WindowsHost(const WindowsHost&) = delete;
    WindowsHost& operator=(const WindowsHost&) = delete;

    platform::Host host();

private:
    platform::Ui& ui_;
    platform::SystemRegistry registry_;
    platform::DesktopShell shell_;
    platform::SystemHttp http_;
    platform::MachineInfo system_;
    platform::SystemClock clock_;
    platform::SystemFileSystem files_;
};

}  // namespace corvane::winhost
