#pragma once
// One transcript for everything the user of the simulated host sees, in the order it
// happens: the scripted Ui's prompts and beeps, and the lines the other sims add (pages
// and help opened, HTTP requests) and the scenario runner's own lines.
#include <cstddef>
#include <string>
#include <vector>

#include "corvane/simhost/sim_ui.h"

namespace corvane::simhost {

class HostTranscript {
public:
    explicit HostTranscript(const ScriptedUi& ui) : ui_(ui) {}

    // Adds a line after whatever the Ui has recorded so far.
    void add(std::string line);
    // Every line so far.
    const std::vector<std::string>& lines();

private:
    void pull();

    const ScriptedUi& ui_;
    std::size_t pulled_ = 0;
    std::vector<std::string> lines_;
};

}  // namespace corvane::simhost
