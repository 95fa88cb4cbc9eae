#pragma once
// The names the menu is built and removed by, from the resource library.
#include <optional>
#include <string>

namespace corvane::core {
struct AddinProcess;
}

namespace corvane::menus {

// A product submenu name, optionally preceded by a parent submenu and "/"
// ("Tools/Corvane"): split at the first "/".
struct SubmenuPath {
    std::optional<std::string> parent;
    std::string name;
};
SubmenuPath SplitSubmenuPath(const std::string& text);

// The brand menu's name in the menu bar (resource 517, "Brackenfold" by default).
std::string BrandMenuName(core::AddinProcess& process);

}  // namespace corvane::menus
