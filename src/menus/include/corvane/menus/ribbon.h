#pragma once
// The custom UI of the Explorer ribbon: one tab shared by the maker's add-ins (declared by
// qualified id), the product's group with its menu of commands and a dialog launcher that
// opens the settings.
#include <string>

namespace corvane::menus {

inline constexpr const char* ExplorerRibbonId = "Microsoft.Outlook.Explorer";

// The XML, one string without declaration or whitespace between elements.
std::string RibbonXml();

}  // namespace corvane::menus
