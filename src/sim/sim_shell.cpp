#include "corvane/sim/sim_shell.h"

#include "corvane/sim/text_presenter.h"

namespace corvane::sim {

void SimShell::openAddress(std::string_view address) {
    addresses_.emplace_back(address);
    transcript_.add("open " + quote(address));
}

void SimShell::openHelp(std::string_view helpFile, std::string_view topic) {
    helpTopics_.push_back(std::string(helpFile) + "::/" + std::string(topic));
    transcript_.add("help " + quote(helpFile) + " topic " + quote(topic));
}

}  // namespace corvane::sim
