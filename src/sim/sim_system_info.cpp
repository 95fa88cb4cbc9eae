#include "corvane/sim/sim_system_info.h"

#include "corvane/sim/profile.h"

namespace corvane::sim {

std::string SimSystemInfo::addinFolder() { return std::string(AddinFolder); }

}  // namespace corvane::sim
