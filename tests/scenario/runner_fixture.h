#pragma once
// Running scenario texts with the test add-in wired in.
#include <string>

#include "corvane/scenario/parse.h"
#include "corvane/scenario/runner.h"
#include "test_addin.h"

namespace corvane::testing {

inline scenario::ScenarioResult RunText(const std::string& yaml, bool withAddin = true) {
    auto scenarios = scenario::ParseScenarios(yaml, "s.yaml");
    scenario::RunOptions options;
    if (withAddin) options.wiring = WireTestAddin;
    return scenario::RunScenario(scenarios.front(), options);
}

inline std::string Joined(const scenario::ScenarioResult& r) {
    std::string out;
    for (const auto& line : r.transcript) out += line + "\n";
    return out;
}

// A profile with one message, Outlook 2010 (its explorer has the ribbon).
inline const char* const Base = R"(name: test
outlook: {version: "14.0.0.4760"}
clock: 2026-03-02 09:00:00
profile:
  address_book:
    - {name: Ann Lee, smtp: ann@example.com}
    - {name: Me, smtp: me@example.com}
  user: me@example.com
  folders:
    Inbox:
      - {id: m1, subject: Plans, from: Ann Lee, to: [Me], received: 2026-03-01 10:00:00}
)";

}  // namespace corvane::testing
