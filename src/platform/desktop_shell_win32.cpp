// windows.h first: shellapi.h builds on its types.
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "corvane/platform/desktop_shell.h"
#include "corvane/text/wide.h"

namespace corvane::platform {
namespace {

constexpr UINT HhDisplayToc = 1;  // HH_DISPLAY_TOC: the contents, which also shows the topic
using HtmlHelpFn = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

// The HTML Help engine, loaded once and kept: its windows live on after the call.
HtmlHelpFn HtmlHelpEngine() {
    static const HtmlHelpFn engine = [] {
        HMODULE module = LoadLibraryW(L"hhctrl.ocx");
        FARPROC proc = module ? GetProcAddress(module, "HtmlHelpW") : nullptr;
        // void (*)() converts to and from every function pointer type without a warning.
        return proc ? reinterpret_cast<HtmlHelpFn>(reinterpret_cast<void (*)()>(proc)) : nullptr;
    }();
    return engine;
}

bool IsFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

void DesktopShell::launch(const std::string& target) {
    const std::wstring file = text::WideFromUtf8(target);
    ShellExecuteW(GetForegroundWindow(), L"Open", file.c_str(), L"", L"", SW_SHOWNORMAL);
}

void DesktopShell::openHelp(std::string_view helpFile, std::string_view topic) {
    // Nothing checks that the help file exists: the engine reports a missing file itself.
    // Only a machine without the engine gets the topic's page from the help folder.
    if (const HtmlHelpFn engine = HtmlHelpEngine()) {
        const std::wstring target = text::WideFromUtf8(std::string(helpFile) + "::/" + std::string(topic));
        engine(nullptr, target.c_str(), HhDisplayToc, 0);
        return;
    }
    std::string page = HelpPagePath(helpFile, topic);
    for (char& c : page)
        if (c == '/') c = '\\';
    if (IsFile(text::WideFromUtf8(page))) launch(page);
}

void DesktopShell::logRefused(std::string_view address, std::string_view reason) {
    const std::string line = "corvane: refused to open \"" + std::string(address) + "\": " + std::string(reason) +
                             "\n";
    OutputDebugStringW(text::WideFromUtf8(line).c_str());
}

}  // namespace corvane::platform
