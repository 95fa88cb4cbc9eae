#pragma once
#include "corvane/sim/application.h"
#include "corvane/simhost/sim_host.h"

namespace corvane::simaddin {

// The one place that puts the add-in into the simulated Outlook: registers its creatable
// classes (the connection class under "Corvane.Connect", and what it creates through the
// Application or runs in Word) on a fresh Outlook, giving them `host.host()`. Returns
// false when this build has no add-in; scenarios that load it are then skipped.
bool registerAddinClasses(sim::SimApplication& app, simhost::SimHost& host);

}  // namespace corvane::simaddin
