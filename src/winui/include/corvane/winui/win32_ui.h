#pragma once
// platform::Ui on Windows: message boxes through MessageBoxW, the beep, the foreground
// window, the folder chooser, DoEvents as a message pump, and forms as real dialogs.
//
// Any ui::Form is presented by one generic renderer: a dialog made in memory whose
// controls are created from the form's controls (twips at the screen's DPI, captions,
// values, Enabled and Visible), the user's gestures passed into the model as the scripted
// Ui passes them, and the model read back into the window after every handler. Hiding or
// unloading the form ends the modal loop. Its windows and message boxes get the themed
// common controls when the module holding it carries its manifest. Use it on one thread (the one Outlook calls the
// add-in on).
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/platform/ui_services.h"

namespace corvane::winui {

class ControlsContext;
class FormWindow;

class Win32Ui : public platform::Ui {
public:
    Win32Ui();
    ~Win32Ui() override;
    Win32Ui(const Win32Ui&) = delete;
    Win32Ui& operator=(const Win32Ui&) = delete;

    int messageBox(std::string_view prompt, int buttons, std::string_view title,
                   platform::WindowHandle owner) override;
    void beep() override;
    platform::WindowHandle foregroundWindow() override;
    void setForegroundWindow(platform::WindowHandle window) override;
    void showModal(ui::Form& form) override;
    void showModeless(ui::Form& form) override;
    void doEvents() override;
    std::optional<std::string> browseForFolder(std::string_view title) override;

private:
    // The window new windows belong to: the form shown last, else the thread's active one.
    platform::WindowHandle ownerWindow() const;
    void dropClosedModeless();

    std::unique_ptr<ControlsContext> controls_;
    std::vector<FormWindow*> modal_;
    std::vector<std::unique_ptr<FormWindow>> modeless_;
};

}  // namespace corvane::winui
