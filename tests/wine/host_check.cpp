// The Windows host's own services under Wine (and the simulated machine's disk): files
// replaced in one step, the machine's description, and the shell's refusal of anything but
// a web address (nothing is ever launched). Prints what differs and exits with 1.
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "corvane/platform/desktop_shell.h"
#include "corvane/platform/error.h"
#include "corvane/simhost/file_registry.h"
#include "corvane/simhost/file_system.h"
#include "corvane/text/wide.h"
#include "corvane/winhost/product_version.h"
#include "corvane/winhost/windows_host.h"
#include "expect.h"

using namespace corvane;
using corvane::winecheck::Expect;

namespace {

struct NoUi final : platform::Ui {
    int messageBox(std::string_view, int, std::string_view, platform::WindowHandle) override { return 0; }
    void beep() override {}
    platform::WindowHandle foregroundWindow() override { return 0; }
    void setForegroundWindow(platform::WindowHandle) override {}
    void showModal(ui::Form&) override {}
    void doEvents() override {}
    std::optional<std::string> browseForFolder(std::string_view) override { return std::nullopt; }
};

struct RefusalLog final : platform::DesktopShell {
    std::vector<std::string> refused;
    void logRefused(std::string_view address, std::string_view) override { refused.emplace_back(address); }
};

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

// The files of a folder matching a pattern ("*.tmp-*").
std::vector<std::wstring> Files(const std::string& folder, const char* pattern) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW(text::WideFromUtf8(folder + "\\" + pattern).c_str(), &found);
    for (bool more = h != INVALID_HANDLE_VALUE; more; more = FindNextFileW(h, &found))
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.emplace_back(found.cFileName);
    if (h != INVALID_HANDLE_VALUE) FindClose(h);
    return names;
}

// The simulated machine's disk on Windows: a file replaced whole, and a hive changed under
// its lock and read again by another reader that had it cached.
void CheckSimulatedDisk(const std::string& folder) {
    const std::filesystem::path real = std::filesystem::path(text::WideFromUtf8(folder)) / L"sim";
    std::filesystem::create_directories(real);
    simhost::SimFileSystem disk({{"C:\\Sim", real}});
    disk.writeFile("C:\\Sim\\Tags.txt", "first");
    disk.writeFile("c:\\sim\\TAGS.txt", "second");
    Expect(disk.readFile("C:\\Sim\\Tags.txt") == "second", "the simulated disk replaces a file whole");
    simhost::FileRegistry writer(real), reader(real);
    const auto valueSeen = [&] { return reader.getValue(platform::Hive::CurrentUser, "Software\\Corvane", "A"); };
    writer.setString(platform::Hive::CurrentUser, "Software\\Corvane", "A", "1");
    Expect(valueSeen() && valueSeen()->text == "1", "a registry file written under its lock");
    writer.setString(platform::Hive::CurrentUser, "Software\\Corvane", "A", "2");
    Expect(valueSeen() && valueSeen()->text == "2", "a registry file replaced is read again");
    std::filesystem::remove_all(real);
}

}  // namespace

int main() {
    NoUi ui;
    winhost::WindowsHost machine(ui);
    platform::Host host = machine.host();

    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::string folder = text::Utf8FromWide(temp) + "corvane host check";
    CreateDirectoryW(text::WideFromUtf8(folder).c_str(), nullptr);
    const std::string file = folder + "\\Grüße.ini";
    if (host.files.fileExists(file)) host.files.removeFile(file);  // from a run that stopped half-way

    Expect(!host.files.readFile(file) && !host.files.fileExists(file), "a missing file reads as nothing");
    const std::string first("Zoë\r\n\0binary", 13);
    host.files.writeFile(file, first);
    Expect(host.files.readFile(file) == first, "a new file reads back as written");
    host.files.writeFile(file, "replaced");
    Expect(host.files.readFile(file) == "replaced" && host.files.fileExists(file), "a file is replaced whole");
    Expect(!host.files.fileExists(folder), "a folder is not a file");

    // Held open without sharing, the file cannot be replaced: the write fails, the old
    // content stays and our temporary file goes.
    HANDLE held = CreateFileW(text::WideFromUtf8(file).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    bool failed = false;
    try {
        host.files.writeFile(file, "lost");
    } catch (const platform::PlatformError& error) {
        failed = error.number() != 0 && !error.description().empty();
    }
    CloseHandle(held);
    Expect(failed, "a failed write reports the Windows error and its text");
    Expect(host.files.readFile(file) == "replaced" && Files(folder, "*.tmp-*").empty(),
           "a failed write leaves the old file");
    host.files.removeFile(file);
    Expect(!host.files.fileExists(file), "a removed file is gone");
    CheckSimulatedDisk(folder);
    // Wine's ReplaceFileW leaves its own "rf*.tmp" behind when it fails.
    for (const std::wstring& name : Files(folder, "*"))
        DeleteFileW((text::WideFromUtf8(folder + "\\") + name).c_str());
    RemoveDirectoryW(text::WideFromUtf8(folder).c_str());

    const platform::WindowsVersion windows = host.system.windowsVersion();
    Expect(windows.platformId == VER_PLATFORM_WIN32_NT && windows.major >= 5 && windows.build > 0 &&
               windows.productType >= 1 && windows.productType <= 3,
           "the Windows version record");
    Expect(sizeof(void*) == 4 || host.system.nativeArchitecture() == platform::arch::Amd64, "the native architecture");
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    Expect(host.system.addinFolder() == FolderOf(text::Utf8FromWide({self, length})),
           "the add-in folder is the folder of the module holding the code");
    const platform::AddinVersion version = host.system.addinVersion();
    Expect(version.major == winhost::ProductVersion.major && version.minor == winhost::ProductVersion.minor &&
               version.revision == winhost::ProductVersion.revision,
           "without a version resource, the product version");
    Expect(host.system.ansiCodePage() == GetACP() && !host.system.shortDatePattern().empty(), "the regional settings");
    Expect(host.clock.now().civil().year >= 2024, "the clock");

    RefusalLog shell;
    for (const char* address : {"Z:\\no such folder\\corvane.exe", "file:///Z:/no-such.htm", "mailto:a@b.example",
                                "http:///no-host", "javascript:alert(1)"})
        shell.openAddress(address);
    Expect(shell.refused.size() == 5, "the shell refuses everything but a web address");
    return corvane::winecheck::ExitCode();
}
