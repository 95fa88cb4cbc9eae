#pragma once
// The machine's own shell: on Windows ShellExecute and the HTML Help engine; on Linux the
// desktop's opener (xdg-open), with the help installed as HTML pages.
#include <string>
#include <string_view>

#include "corvane/platform/shell.h"

namespace corvane::platform {

class DesktopShell final : public Shell {
public:
    void openAddress(std::string_view address) override;
    // Windows: the compiled help file at the topic. Linux: the topic's HTML page
    // (HelpPagePath) in the browser.
    void openHelp(std::string_view helpFile, std::string_view topic) override;
    // Windows: the debugger's output; Linux: standard error.
    void logRefused(std::string_view address, std::string_view reason) override;
};

// Where the help is installed as HTML ("help" beside the help file), the page of a topic:
// "C:\A\Corvane.chm" (or "/opt/corvane/Corvane.chm") and "Getting%20Started/Introduction.htm"
// give "C:\A/help/Getting Started/Introduction.htm"; "%XX" escapes are decoded.
std::string HelpPagePath(std::string_view helpFile, std::string_view topic);

}  // namespace corvane::platform
