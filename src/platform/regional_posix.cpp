// The regional settings outside Windows: the add-in runs there only on a simulated
// machine, which states its own; United States English otherwise.
#include "corvane/platform/system_info.h"

namespace corvane::platform {

std::string UserShortDatePattern() { return "M/d/yyyy"; }

}  // namespace corvane::platform
