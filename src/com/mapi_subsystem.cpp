// Where the access component's sessions come from on Windows. Outlook's namespace does not
// hand out its Extended-MAPI session over COM yet, so there is none to open: the
// component's Logon fails and the steps that need MAPI take their failure path.
#include "addin_core.h"

namespace corvane::com {

std::shared_ptr<mapi::Subsystem> MapiSubsystem() { return nullptr; }

}  // namespace corvane::com
