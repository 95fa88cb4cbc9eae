#pragma once
// What the dialog tests share: the rendered form as one text, a scripted form step, and a
// registry that refuses every write.
#include <memory>
#include <string>
#include <vector>

#include "corvane/platform/error.h"
#include "corvane/platform/registry.h"
#include "corvane/simhost/sim_ui.h"
#include "corvane/ui/text_presenter.h"

namespace corvane::testing {

inline const std::string kTitle = "Corvane";

// The text presenter's lines, each ended by "\n".
inline std::string rendered(const ui::Form& form) {
    std::string out;
    for (const std::string& line : ui::renderForm(form)) out += line + "\n";
    return out;
}

inline simhost::UiStep formStep(std::string form, std::vector<simhost::FormAction> actions) {
    simhost::UiStep step{std::in_place_type<simhost::FormStep>};
    auto& f = std::get<simhost::FormStep>(step);
    f.form = std::move(form);
    f.actions = std::move(actions);
    return step;
}

inline simhost::MessageBoxStep boxStep(std::string title, std::string text, int buttons) {
    simhost::MessageBoxStep step;
    step.title = std::move(title);
    step.text = std::move(text);
    step.buttons = buttons;
    return step;
}

// A registry whose keys never exist and cannot be created: reads give their defaults,
// every write fails as a locked-down registry does.
class RefusingRegistry : public platform::Registry {
public:
    std::unique_ptr<platform::RegistryKey> openKey(platform::Hive, std::string_view) override { return nullptr; }
    std::unique_ptr<platform::RegistryKey> createKey(platform::Hive, std::string_view) override {
        throw platform::PlatformError(5, "Access is denied.");
    }
    void deleteKey(platform::Hive, std::string_view) override {}
};

}  // namespace corvane::testing
