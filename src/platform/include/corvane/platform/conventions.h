#pragma once
// The shared message box and the product's failure conventions, one line each.
#include <string>
#include <string_view>

#include "corvane/platform/error.h"
#include "corvane/platform/ui_services.h"

namespace corvane::platform {

// The shared message box: owned by the current foreground window, which gets the
// foreground back afterwards. Returns the pressed button (1, 2, 6 or 7).
int ShowMessageBox(Ui& ui, std::string_view prompt, int buttons, std::string_view title);

// "<short text> - <application title>"
std::string MessageTitle(std::string_view shortText, std::string_view appTitle);

// Module procedures: "Error <n>: <text>", critical icon, titled
// "<module>.<procedure> - <title>".
void ReportModuleError(Ui& ui, std::string_view appTitle, std::string_view module, std::string_view procedure,
                       const PlatformError& e);
// Send-time checks and the window's send handler: "Error: <n> <text>", information icon,
// titled "<procedure> - <title>".
void ReportCheckError(Ui& ui, std::string_view appTitle, std::string_view procedure, const PlatformError& e);
// Reply checks: "Error <n> (<text>) in procedure <name> of Module basCorvane",
// exclamation icon, titled with the application title.
void ReportReplyCheckError(Ui& ui, std::string_view appTitle, std::string_view procedure, const PlatformError& e);
// The application's send event: "Error Number : <n>" CR LF "Error Description : <text>",
// critical icon, titled with the application title.
void ReportSendEventError(Ui& ui, std::string_view appTitle, const PlatformError& e);

// Runs one step and ignores a platform failure in it, so that the next step runs.
// Returns whether the step completed.
template <class Step>
bool IgnoreErrors(Step&& step) {
    try {
        step();
        return true;
    } catch (const PlatformError&) {
        return false;
    }
}

}  // namespace corvane::platform
