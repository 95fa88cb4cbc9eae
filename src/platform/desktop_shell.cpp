#include <cctype>

#include "corvane/platform/desktop_shell.h"
#include "corvane/platform/web_address.h"

namespace corvane::platform {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    const int lower = std::tolower(static_cast<unsigned char>(c));
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

}  // namespace

void DesktopShell::openAddress(std::string_view address) {
    if (IsWebAddress(address))
        launch(std::string(address));
    else
        logRefused(address, NotWebAddress);
}

std::string HelpPagePath(std::string_view helpFile, std::string_view topic) {
    const auto slash = helpFile.find_last_of("\\/");
    std::string page(slash == std::string_view::npos ? std::string_view(".") : helpFile.substr(0, slash));
    page += "/help/";
    for (std::size_t i = 0; i < topic.size(); ++i) {
        const int high = i + 2 < topic.size() && topic[i] == '%' ? HexDigit(topic[i + 1]) : -1;
        const int low = high >= 0 ? HexDigit(topic[i + 2]) : -1;
        if (low >= 0) {
            page += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            page += topic[i];
        }
    }
    return page;
}

}  // namespace corvane::platform
