#include "corvane/simhost/sim_shell.h"

#include "corvane/ui/text_presenter.h"

namespace corvane::simhost {

void SimShell::openAddress(std::string_view address) {
    addresses_.emplace_back(address);
    transcript_.add("open " + ui::quote(address));
}

void SimShell::openHelp(std::string_view helpFile, std::string_view topic) {
    helpTopics_.push_back(std::string(helpFile) + "::/" + std::string(topic));
    transcript_.add("help " + ui::quote(helpFile) + " topic " + ui::quote(topic));
}

void SimShell::logRefused(std::string_view address, std::string_view reason) {
    transcript_.add("refused to open " + ui::quote(address) + ": " + std::string(reason));
}

}  // namespace corvane::simhost
