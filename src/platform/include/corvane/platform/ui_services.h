#pragma once
// The user-interface seam: message boxes, the beep, the foreground window, modal forms,
// the folder chooser and "let pending window messages run".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane::ui {
class Form;
}

namespace corvane::platform {

using WindowHandle = std::uintptr_t;

// Button and icon values of the message box, and the buttons it returns.
namespace mb {
inline constexpr int OkOnly = 0;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;

inline constexpr int CriticalOk = Critical;                   // 16
inline constexpr int QuestionYesNo = Question | YesNo;        // 36
inline constexpr int ExclamationOk = Exclamation;             // 48
inline constexpr int InformationOk = Information;             // 64
inline constexpr int InformationYesNo = Information | YesNo;  // 68

inline constexpr int IdOk = 1;
inline constexpr int IdCancel = 2;
inline constexpr int IdYes = 6;
inline constexpr int IdNo = 7;
}  // namespace mb

class Ui {
public:
    virtual ~Ui() = default;
    // Shows a message box owned by `owner` and returns the button pressed (1, 2, 6 or 7).
    virtual int messageBox(std::string_view prompt, int buttons, std::string_view title, WindowHandle owner) = 0;
    virtual void beep() = 0;
    virtual WindowHandle foregroundWindow() = 0;
    virtual void setForegroundWindow(WindowHandle window) = 0;
    // Presents a form modally; returns when the form hides or unloads.
    virtual void showModal(ui::Form& form) = 0;
    // Presents a form without waiting (a progress window); the form tells its presenter
    // through its close listener when it hides or unloads. A Ui without modeless windows
    // has nothing to do.
    virtual void showModeless(ui::Form& form) { (void)form; }
    // Lets pending window messages run (DoEvents).
    virtual void doEvents() = 0;
    // The folder chooser; nothing when the user cancels.
    virtual std::optional<std::string> browseForFolder(std::string_view title) = 0;
};

}  // namespace corvane::platform
