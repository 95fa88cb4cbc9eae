#include "corvane/simhost/sim_system_info.h"

namespace corvane::simhost {

std::string SimSystemInfo::addinFolder() { return std::string(AddinFolder); }

}  // namespace corvane::simhost
