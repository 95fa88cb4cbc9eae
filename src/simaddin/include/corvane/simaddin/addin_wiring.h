#pragma once
#include <memory>

#include "corvane/addin/subsystems.h"
#include "corvane/sim/application.h"
#include "corvane/simhost/sim_host.h"

namespace corvane::simaddin {

// The one place that puts the add-in into the simulated Outlook: registers its creatable
// classes on a fresh Outlook, giving them the host's services and the access component on
// Outlook's MAPI subsystem: the connection class under "Corvane.Connect" in Outlook's
// process, and "Corvane.Buttons" in the process of Outlook's Word, with an add-in state of
// its own there (the template's macros create it). Returns the process state every Connect
// of that Outlook shares; tests pass their own subsystems (used in both processes).
std::shared_ptr<addin::Process> RegisterAddin(sim::SimApplication& app, simhost::SimHost& host,
                                              const addin::Subsystems& subsystems = {});

// The scenario runner's wiring: the product's add-in. Returns false when this build has no
// add-in; scenarios that load it are then skipped.
bool registerAddinClasses(sim::SimApplication& app, simhost::SimHost& host);

}  // namespace corvane::simaddin
