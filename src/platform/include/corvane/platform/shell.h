#pragma once
#include <string_view>

namespace corvane::platform {

// The Windows shell and the help engine.
class Shell {
public:
    virtual ~Shell() = default;
    // Opens a web address, a mailto: address or a file with its associated program.
    virtual void openAddress(std::string_view address) = 0;
    // Opens a compiled help file at a topic (empty topic: the default page).
    virtual void openHelp(std::string_view helpFile, std::string_view topic) = 0;
    // Logs an address the add-in refused to hand to the shell, with the reason.
    virtual void logRefused(std::string_view address, std::string_view reason) {
        (void)address;
        (void)reason;
    }
};

}  // namespace corvane::platform
