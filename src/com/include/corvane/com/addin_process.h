#pragma once
// How this module makes the add-in's process state (addin::Process) for the Corvane.Connect
// and Corvane.Buttons objects it serves. The DLL's own maker puts the process on the
// machine's services (the Windows host, the Win32 dialogs, Extended MAPI); a program that
// links the COM server in may put in a maker of its own, so that the add-in behind the
// same COM objects runs on other services.
#include <functional>
#include <memory>

namespace corvane::addin {
struct Process;
}

namespace corvane::com {

using AddinProcessMaker = std::function<std::shared_ptr<addin::Process>()>;

// The maker for the processes made from now on; an empty one brings the DLL's own back. A
// process already made is let go by this module (its objects keep theirs), so the next
// object made gets a process from the new maker.
void SetAddinProcessMaker(AddinProcessMaker maker);

}  // namespace corvane::com
