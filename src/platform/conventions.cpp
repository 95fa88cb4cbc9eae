#include "corvane/platform/conventions.h"

namespace corvane::platform {

int ShowMessageBox(Ui& ui, std::string_view prompt, int buttons, std::string_view title) {
    const WindowHandle owner = ui.foregroundWindow();
    const int answer = ui.messageBox(prompt, buttons, title, owner);
    ui.setForegroundWindow(owner);
    return answer;
}

std::string MessageTitle(std::string_view shortText, std::string_view appTitle) {
    std::string t(shortText);
    t += " - ";
    t += appTitle;
    return t;
}

void ReportModuleError(Ui& ui, std::string_view appTitle, std::string_view module, std::string_view procedure,
                       const PlatformError& e) {
    const std::string text = "Error " + std::to_string(e.number()) + ": " + e.description();
    ShowMessageBox(ui, text, mb::CriticalOk,
                   MessageTitle(std::string(module) + "." + std::string(procedure), appTitle));
}

void ReportCheckError(Ui& ui, std::string_view appTitle, std::string_view procedure, const PlatformError& e) {
    const std::string text = "Error: " + std::to_string(e.number()) + " " + e.description();
    ShowMessageBox(ui, text, mb::InformationOk, MessageTitle(procedure, appTitle));
}

void ReportReplyCheckError(Ui& ui, std::string_view appTitle, std::string_view procedure, const PlatformError& e) {
    const std::string text = "Error " + std::to_string(e.number()) + " (" + e.description() + ") in procedure " +
                             std::string(procedure) + " of Module basCorvane";
    ShowMessageBox(ui, text, mb::ExclamationOk, appTitle);
}

void ReportSendEventError(Ui& ui, std::string_view appTitle, const PlatformError& e) {
    const std::string text = "Error Number : " + std::to_string(e.number()) + "\r\n" +
                             "Error Description : " + e.description();
    ShowMessageBox(ui, text, mb::CriticalOk, appTitle);
}

}  // namespace corvane::platform
