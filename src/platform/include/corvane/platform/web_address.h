#pragma once
#include <string_view>

namespace corvane::platform {

// True for an "http://" or "https://" address (scheme in any case) with a host and no
// blank or quote: the only addresses the add-in hands to the shell.
bool IsWebAddress(std::string_view address);

// Why any other address is refused (Shell::logRefused).
inline constexpr std::string_view NotWebAddress = "not an http or https address";

}  // namespace corvane::platform
