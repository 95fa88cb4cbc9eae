#pragma once
// Opening the help at a topic and opening a web page.
#include <string_view>

#include "corvane/platform/web_address.h"

namespace corvane::core {
struct AddinProcess;
}

namespace corvane::support {

// Help topics, already URL-encoded (spaces as "%20"), as the help file names them.
namespace topic {
inline constexpr std::string_view Introduction = "Getting%20Started/Introduction.htm";
inline constexpr std::string_view Settings = "Using_Corvane/cv_settings.htm";
}  // namespace topic

// The help file beside the add-in, and its name there.
inline constexpr std::string_view HelpFileName = "Corvane.chm";

// Opens the help file in the add-in's folder at a topic; the help engine reports a
// missing file itself.
void ShowHelpTopic(core::AddinProcess& process, std::string_view topic);

// Opens a web page with the shell. Only an http or https address goes to the shell:
// addresses come from the resource library, the settings and the version service, and
// anything else (file:, javascript:, a program's path) is refused and logged.
void OpenWebPage(core::AddinProcess& process, std::string_view address);

// True for an "http://" or "https://" address (scheme in any case) with a host.
using platform::IsWebAddress;

}  // namespace corvane::support
