#include "corvane/menus/modCommandBarCode.h"

#include "corvane/core/vb_errors.h"
#include "corvane/platform/conventions.h"
#include "corvane/text/text.h"

namespace corvane::menus {

using platform::IgnoreErrors;

std::shared_ptr<outlook::CommandBarPopup> GetOrAddPopup(const std::shared_ptr<outlook::CommandBarControls>& owner,
                                                        const std::string& caption, std::optional<int> before) {
    std::shared_ptr<outlook::CommandBarControl> control;
    if (!IgnoreErrors([&] { control = core::vb::Need(owner)->Item(caption); })) {
        IgnoreErrors([&] {
            control = core::vb::Need(owner)->Add(outlook::msocontrol::Popup, before, true);
            control->SetCaption(caption);
        });
    }
    IgnoreErrors([&] { core::vb::Need(control)->SetVisible(true); });
    return std::dynamic_pointer_cast<outlook::CommandBarPopup>(control);
}

std::shared_ptr<outlook::CommandBarButton> GetOrAddButton(const std::shared_ptr<outlook::CommandBarPopup>& popup,
                                                          const std::string& caption, std::optional<int> before,
                                                          bool beginGroup) {
    std::shared_ptr<outlook::CommandBarControl> control;
    if (!IgnoreErrors([&] { control = core::vb::Need(popup)->Controls()->Item(caption); })) {
        IgnoreErrors([&] {
            control = core::vb::Need(popup)->Controls()->Add(outlook::msocontrol::Button, before, true);
            control->SetBeginGroup(beginGroup);
            control->SetCaption(caption);
            if (text::toUpper(caption).find("HELP") != std::string::npos) {
                auto button = core::vb::Need(std::dynamic_pointer_cast<outlook::CommandBarButton>(control));
                button->SetStyle(HelpButtonStyle);
                button->SetFaceId(HelpFaceId);
            }
        });
    }
    return std::dynamic_pointer_cast<outlook::CommandBarButton>(control);
}

}  // namespace corvane::menus
