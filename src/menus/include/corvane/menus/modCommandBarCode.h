#pragma once
// Office command-bar helpers: a control is looked up by its caption first, so that every
// Explorer reuses what the first one created; new controls are temporary (Office drops
// them when Outlook closes). Errors are ignored: a control that cannot be had is nullptr.
#include <memory>
#include <optional>
#include <string>

#include "corvane/outlook/command_bars.h"

namespace corvane::menus {

// MsoButtonStyle icon and caption, and the help icon's face.
inline constexpr int HelpButtonStyle = outlook::msostyle::IconAndCaption;
inline constexpr int HelpFaceId = 49;

// The popup (submenu) `caption` among `owner`'s controls, added before the 1-based
// position `before` (at the end without one) when missing; made visible in either case.
std::shared_ptr<outlook::CommandBarPopup> GetOrAddPopup(const std::shared_ptr<outlook::CommandBarControls>& owner,
                                                        const std::string& caption,
                                                        std::optional<int> before = std::nullopt);

// The button `caption` in `popup`, added when missing with a separator above it when
// `beginGroup`; a new button whose caption mentions help shows the help icon beside it. A
// button found keeps its properties.
std::shared_ptr<outlook::CommandBarButton> GetOrAddButton(const std::shared_ptr<outlook::CommandBarPopup>& popup,
                                                          const std::string& caption, std::optional<int> before,
                                                          bool beginGroup);

}  // namespace corvane::menus
