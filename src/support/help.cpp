#include "corvane/support/help.h"

#include <string>

#include "corvane/core/addin_process.h"
#include "corvane/text/text.h"

namespace corvane::support {

void ShowHelpTopic(core::AddinProcess& process, std::string_view topic) {
    // The topic is passed on as it is: callers give it encoded.
    const std::string file = process.host.system.addinFolder() + "\\" + std::string(HelpFileName);
    process.host.shell.openHelp(file, topic);
}

bool IsWebAddress(std::string_view address) {
    for (std::string_view scheme : {std::string_view("http://"), std::string_view("https://")}) {
        if (address.size() > scheme.size() && text::startsWithNoCase(address, scheme)) {
            const auto host = address.substr(scheme.size());
            return host.front() != '/' && host.find_first_of(" \t\r\n\"") == std::string_view::npos;
        }
    }
    return false;
}

void OpenWebPage(core::AddinProcess& process, std::string_view address) {
    if (!IsWebAddress(address)) {
        process.host.shell.logRefused(address, "not an http or https address");
        return;
    }
    process.host.shell.openAddress(address);
}

}  // namespace corvane::support
