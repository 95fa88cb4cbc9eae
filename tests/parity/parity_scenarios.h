#pragma once
// The paths through the add-in that must read the same whether the add-in runs natively on
// the simulated Outlook or as the Windows COM server driving the simulated Outlook's COM
// face under Wine: built in code (no YAML reader on Windows), each compared with its golden
// transcript in tests/parity/transcripts/<file>.txt.
#include <filesystem>
#include <functional>
#include <map>
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
// returns how many scenarios failed. A scenario in `knownDifferences` (its file, and why)
// fails when it no longer differs, so that the list goes when its reason does.
int RunAndCompare(const std::filesystem::path& goldenDir, const scenario::AddinWiring& wiring,
                  const std::function<std::string(const scenario::Scenario&)>& after = {},
                  const std::map<std::string, std::string>& knownDifferences = {});

}  // namespace corvane::parity
