#pragma once
// Running scenarios against the add-in on the simulated host, with a transcript of
// everything the user saw (docs/scenarios.md).
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "corvane/scenario/scenario.h"
#include "corvane/sim/fwd.h"
#include "corvane/simhost/sim_host.h"

namespace corvane::scenario {

// Registers the add-in's classes with a fresh simulated Outlook (its connection class
// under "Corvane.Connect", and whatever else it creates through the Application or runs
// in Word) on the given host. False when there is no add-in to register.
using AddinWiring = std::function<bool(sim::SimApplication& app, simhost::SimHost& host)>;

struct RunOptions {
    AddinWiring wiring;
    // Receives the profile as it stands after the last step (before Outlook quits), to save
    // it (`corvane-sim run --save-profile` writes it as a YAML profile file).
    std::function<void(const profile::Profile&)> saveProfile;
};

struct ScenarioResult {
    enum class Outcome { Held, Failed, Skipped };
    Outcome outcome = Outcome::Held;
    // Why it failed or was skipped: "step 3 (reply_all, examples/a.yaml:20): ..."
    std::string message;
    // Every line, the last one the verdict.
    std::vector<std::string> transcript;
};

ScenarioResult RunScenario(const Scenario& scenario, const RunOptions& options);

}  // namespace corvane::scenario
