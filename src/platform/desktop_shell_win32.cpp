// windows.h first: shellapi.h builds on its types.
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "corvane/platform/desktop_shell.h"

namespace corvane::platform {
namespace {

constexpr UINT HhDisplayToc = 1;  // HH_DISPLAY_TOC: the contents, which also shows the topic
using HtmlHelpFn = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

}  // namespace

void DesktopShell::openAddress(std::string_view address) {
    const std::string file(address);
    ShellExecuteA(GetForegroundWindow(), "Open", file.c_str(), "", "", SW_SHOWNORMAL);
}

void DesktopShell::openHelp(std::string_view helpFile, std::string_view topic) {
    static HMODULE engine = LoadLibraryA("hhctrl.ocx");
    if (!engine) return;
    auto* proc = GetProcAddress(engine, "HtmlHelpA");
    if (!proc) return;
    // void (*)() converts to and from every function pointer type without a warning.
    auto htmlHelp = reinterpret_cast<HtmlHelpFn>(reinterpret_cast<void (*)()>(proc));
    const std::string target = std::string(helpFile) + "::/" + std::string(topic);
    htmlHelp(nullptr, target.c_str(), HhDisplayToc, 0);
}

void DesktopShell::logRefused(std::string_view address, std::string_view reason) {
    const std::string line = "corvane: refused to open \"" + std::string(address) + "\": " + std::string(reason) +
                             "\n";
    OutputDebugStringA(line.c_str());
}

}  // namespace corvane::platform
