#pragma once
#include <ostream>

namespace corvane::app {

// Walks through the settings store on the in-memory registry: a fresh user's defaults, a
// machine-wide preset being applied, and the repair of hand-edited values.
int runSettingsDemo(std::ostream& out);

}  // namespace corvane::app
