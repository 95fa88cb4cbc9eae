#pragma once
// The custom UI of the Explorer ribbon: one tab shared by the maker's add-ins (declared by
// qualified id), the product's group with its menu of commands and a dialog launcher that
// opens the settings.
#include <string>
#include <string_view>

namespace corvane::menus {

inline constexpr const char* ExplorerRibbonId = "Microsoft.Outlook.Explorer";

// The XML, one string without declaration or whitespace between elements.
std::string RibbonXml();

// What Outlook gets when it asks for the custom UI of the ribbon `ribbonId`: the XML for
// the Explorer's ribbon, "" for every other one.
std::string CustomUI(std::string_view ribbonId);

}  // namespace corvane::menus
