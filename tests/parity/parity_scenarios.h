#pragma once
// The paths through the add-in that must read the same whether the add-in runs natively on
// the simulated Outlook or as the Windows COM server driving the simulated Outlook's COM
// face under Wine: built in code (no YAML reader on Windows), each compared with its golden
// transcript in tests/parity/transcripts/<file>.txt.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "corvane/scenario/runner.h"
#include "corvane/scenario/scenario.h"

namespace corvane::parity {

// Start-up with two Explorers, Reply to All with the recipient dialog, a send stopped by the
// attachment question and sent after, a delayed send, the preferred-account switch, the
// ribbon's settings command, the add-in switched off. Each scenario's `at.file` names its
// golden transcript.
std::vector<scenario::Scenario> ParityScenarios();

// Runs every scenario with `wiring`, compares each transcript with its golden file in
// `goldenDir` (with CORVANE_UPDATE_TRANSCRIPTS=1 in the environment, rewrites the files
// instead) and calls `after` once each run is over (a check of its own; it returns what is
// wrong, or nothing). Prints each difference with the first differing line of both, and
// returns how many scenarios failed.
int RunAndCompare(const std::filesystem::path& goldenDir, const scenario::AddinWiring& wiring,
                  const std::function<std::string(const scenario::Scenario&)>& after = {});

}  // namespace corvane::parity
