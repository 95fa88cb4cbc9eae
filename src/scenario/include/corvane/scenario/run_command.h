#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "corvane/scenario/runner.h"

namespace corvane::scenario {

// `corvane-sim run [options] FILE...` (Linux only): runs every scenario of the files and prints their
// transcripts. Returns the exit code: 0 when every scenario held (or, with
// --expect-failure TEXT, when every scenario failed with TEXT in its message), 77 when
// none failed but some were skipped, 1 when any failed, 2 for a bad command line.
// `wiring` puts the add-in into each scenario's Outlook.
int RunCommand(const std::vector<std::string>& args, const AddinWiring& wiring, std::ostream& out, std::ostream& err);

}  // namespace corvane::scenario
