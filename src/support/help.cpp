#include "corvane/support/help.h"

#include <string>

#include "corvane/core/addin_process.h"

namespace corvane::support {

void ShowHelpTopic(core::AddinProcess& process, std::string_view topic) {
    // The topic is passed on as it is: callers give it encoded.
    const std::string file = process.host.system.addinFolder() + "\\" + std::string(HelpFileName);
    process.host.shell.openHelp(file, topic);
}

void OpenWebPage(core::AddinProcess& process, std::string_view address) {
    if (!IsWebAddress(address)) {
        process.host.shell.logRefused(address, platform::NotWebAddress);
        return;
    }
    process.host.shell.openAddress(address);
}

}  // namespace corvane::support
