#include "corvane/winui/win32_ui.h"

// windows.h first: commctrl.h and shlobj.h build on its types.
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>

#include "activation.h"
#include "corvane/text/wide.h"
#include "form_window.h"

namespace corvane::winui {

namespace {

HWND AsHwnd(platform::WindowHandle window) { return reinterpret_cast<HWND>(window); }
platform::WindowHandle AsHandle(HWND hwnd) { return reinterpret_cast<platform::WindowHandle>(hwnd); }

// The message box's buttons, icon, default button and modality flags are the classic
// values, which are MessageBoxW's own (0 OK, 4 Yes/No, 32 question, 256 second button
// default, ...), and so are its answers (1 OK, 2 Cancel, 6 Yes, 7 No).
constexpr UINT MessageBoxFlags = 0x001FFFFFu;

}  // namespace

Win32Ui::Win32Ui() : controls_(std::make_unique<ControlsContext>()) {
    const auto active = controls_->activate();
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
}

Win32Ui::~Win32Ui() = default;

platform::WindowHandle Win32Ui::ownerWindow() const {
    if (!modal_.empty() && modal_.back()->hwnd()) return AsHandle(modal_.back()->hwnd());
    return AsHandle(GetActiveWindow());
}

int Win32Ui::messageBox(std::string_view prompt, int buttons, std::string_view title, platform::WindowHandle owner) {
    const std::wstring text = text::WideFromUtf8(prompt);
    const std::wstring caption = text::WideFromUtf8(title);
    const HWND parent = AsHwnd(owner ? owner : ownerWindow());
    UINT flags = static_cast<UINT>(buttons) & MessageBoxFlags;
    // Without an owner it still holds every window of the thread, as the classic box does.
    if (!parent) flags |= MB_TASKMODAL;
    const auto active = controls_->activate();
    return MessageBoxW(parent, text.c_str(), caption.c_str(), flags);
}

void Win32Ui::beep() { MessageBeep(MB_OK); }

platform::WindowHandle Win32Ui::foregroundWindow() { return AsHandle(GetForegroundWindow()); }

void Win32Ui::setForegroundWindow(platform::WindowHandle window) { SetForegroundWindow(AsHwnd(window)); }

void Win32Ui::showModal(ui::Form& form) {
    const HWND owner = AsHwnd(ownerWindow());
    {
        const auto active = controls_->activate();
        FormWindow window(form);
        modal_.push_back(&window);
        struct Pop {
            std::vector<FormWindow*>& stack;
            ~Pop() { stack.pop_back(); }
        } pop{modal_};
        window.runModal(owner);
    }
    // The form underneath becomes the active window again.
    if (!modal_.empty()) {
        modal_.back()->form().activate();
        modal_.back()->refresh();
    }
}

void Win32Ui::showModeless(ui::Form& form) {
    dropClosedModeless();
    auto window = std::make_unique<FormWindow>(form);
    FormWindow& shown = *window;
    modeless_.push_back(std::move(window));
    const auto active = controls_->activate();
    shown.createModeless(AsHwnd(ownerWindow()));
}

void Win32Ui::dropClosedModeless() {
    // A window closed by its own handler goes once that handler has returned.
    std::erase_if(modeless_, [](const std::unique_ptr<FormWindow>& w) { return w->finished(); });
}

void Win32Ui::doEvents() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // The quit belongs to the loop that runs the application.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        // A handler run here may show or close modeless windows: the list is read first.
        std::vector<HWND> dialogs;
        for (const auto& w : modeless_)
            if (w->hwnd()) dialogs.push_back(w->hwnd());
        const bool forDialog = std::any_of(dialogs.begin(), dialogs.end(), [&message](HWND dialog) {
            return IsWindow(dialog) && IsDialogMessageW(dialog, &message);
        });
        if (forDialog) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    for (const auto& w : modeless_) w->rethrowPending();
    dropClosedModeless();
}

std::optional<std::string> Win32Ui::browseForFolder(std::string_view title) {
    const std::wstring caption = text::WideFromUtf8(title);
    BROWSEINFOW browse{};
    browse.hwndOwner = AsHwnd(ownerWindow());
    browse.lpszTitle = caption.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    const auto active = controls_->activate();
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
    if (!chosen) return std::nullopt;
    std::wstring path(MAX_PATH, L'\0');
    const bool ok = SHGetPathFromIDListW(chosen, path.data()) != FALSE;
    CoTaskMemFree(chosen);
    if (!ok) return std::nullopt;
    path.resize(path.find(L'\0'));
    return text::Utf8FromWide(path);
}

}  // namespace corvane::winui
