#pragma once
// The machine's own shell: on Windows ShellExecuteW and the HTML Help engine; on Linux the
// desktop's opener (xdg-open), with the help installed as HTML pages.
#include <string>
#include <string_view>

#include "corvane/platform/shell.h"

namespace corvane::platform {

class DesktopShell : public Shell {
public:
    // Only an http or https address (IsWebAddress) goes to the opener; anything else is
    // refused and logged.
    void openAddress(std::string_view address) override;
    // Windows: the compiled help file at the topic through the HTML Help engine
    // (hhctrl.ocx, loaded when first needed); without the engine or the file, the topic's
    // page (HelpPagePath) when it is there; else the engine, which reports the missing file
    // itself. Linux: the topic's page in the browser.
    void openHelp(std::string_view helpFile, std::string_view topic) override;
    // Windows: the debugger's output; Linux: standard error.
    void logRefused(std::string_view address, std::string_view reason) override;

private:
    // The platform's opener on a web address or a page's path.
    static void launch(const std::string& target);
};

// Where the help is installed as HTML ("help" beside the help file), the page of a topic:
// "C:\A\Corvane.chm" (or "/opt/corvane/Corvane.chm") and "Getting%20Started/Introduction.htm"
// give "C:\A/help/Getting Started/Introduction.htm"; "%XX" escapes are decoded.
std::string HelpPagePath(std::string_view helpFile, std::string_view topic);

}  // namespace corvane::platform
