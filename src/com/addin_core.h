#pragma once
// The add-in's core in the process that loaded the DLL: one addin::Process on the machine's
// own services (winhost::WindowsHost with the Win32 dialogs), the product's subsystems and
// the access component over the MAPI subsystem. Every Corvane.Connect and Corvane.Buttons
// made in the process shares it (Outlook's process and Word's each have their own, as
// each loads the DLL afresh); it lives while one of them does. A program that links the
// server in may make it otherwise (corvane/com/addin_process.h).
#include <memory>
#include <string_view>

#include "corvane/addin/subsystems.h"
#include "corvane/com/addin_process.h"
#include "corvane/comoutlook/objects.h"

namespace corvane::com {

std::shared_ptr<addin::Process> AddinProcessHere();

// CreateObject's answer for the DLL's own ProgIds ("Corvane.Connect", "Corvane.Buttons"):
// the core's own object in `process`, so that code reached through Outlook's Application
// gets the add-in itself rather than a COM object around it.
comoutlook::Objects::Creator OwnObjects(std::weak_ptr<addin::Process> process);

}  // namespace corvane::com
