#pragma once
// The settings wizard as the add-in proper opens it: once at the first start-up, and from
// the settings command of the ribbon and the menus.
#include <optional>

#include "corvane/resources/resource_library.h"

namespace corvane::core {
struct AddinProcess;
}

namespace corvane::wizard {

class Wizard {
public:
    virtual ~Wizard() = default;
    // The first-run wizard: Back and Next guide the user through the pages; the start-page
    // picture is shown beside the buttons (none when the resource library has none).
    virtual void ShowStartupWizard(core::AddinProcess& p, const std::optional<resources::ResourceBitmap>& picture);
    // The settings command: the same pages reached by their tabs, "OK" and "Cancel", and
    // "Export Settings".
    virtual void ShowSettings(core::AddinProcess& p);
};

}  // namespace corvane::wizard
