#pragma once
// Running a macro of the Word template in the Word that edits the active message window,
// reached through the secure Inspector. The macros take their arguments by reference.
#include <string_view>
#include <vector>

#include "corvane/addin/subsystems.h"
#include "corvane/outlook/object.h"

namespace corvane::addin {

// Word edits the active message window of an Outlook older than 2007.
bool WordEditorMode(Process& process);

void RunWordMacro(Process& process, std::string_view macro, std::vector<outlook::Variant>& args);

// A by-reference Boolean argument as the macro left it.
bool VariantBool(const outlook::Variant& v);
// A by-reference text argument as the macro left it ("" when it holds no text).
std::string VariantText(const outlook::Variant& v);

}  // namespace corvane::addin
