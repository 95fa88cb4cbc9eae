#pragma once
// Registration of the window wrappers in the process's two registries. Keys are the
// decimal text of a signed 16-bit counter that only grows while Outlook runs.
#include <cstdint>
#include <memory>
#include <string>

#include "corvane/addin/subsystems.h"
#include "corvane/outlook/fwd.h"

namespace corvane::addin {
class ExplorerWrap;
class clsInspWrap;

// Wraps an Explorer. Failures reach the caller: past key 32767 the counter overflows and
// the next registration collides with the key "32767".
void AddExpl(Process& process, const std::shared_ptr<outlook::Explorer>& objExpl);
// Removes the wrapper stored under the key when it is `objExplWrap` itself; any other
// wrapper fails with error 1 "Unexpected Error in KillExpl".
void KillExpl(Process& process, std::int16_t intKey, const ExplorerWrap* objExplWrap);
// Wraps a mail Inspector and returns its key text; failures are ignored.
std::string AddInsp(Process& process, const std::shared_ptr<outlook::Inspector>& objInspector);
// As KillExpl for Inspector wrappers, with every failure ignored.
void KillInsp(Process& process, std::int16_t intKey, const clsInspWrap* objInspWrap);

}  // namespace corvane::addin
