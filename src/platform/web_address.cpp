#include "corvane/platform/web_address.h"

#include "corvane/text/text.h"

namespace corvane::platform {

bool IsWebAddress(std::string_view address) {
    for (std::string_view scheme : {std::string_view("http://"), std::string_view("https://")}) {
        if (address.size() > scheme.size() && text::startsWithNoCase(address, scheme)) {
            const auto host = address.substr(scheme.size());
            return host.front() != '/' && host.find_first_of(" \t\r\n\"") == std::string_view::npos;
        }
    }
    return false;
}

}  // namespace corvane::platform
