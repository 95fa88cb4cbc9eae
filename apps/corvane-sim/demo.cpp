#include "demo.h"

#include "corvane/scenario/parse.h"
#include "corvane/scenario/runner.h"
#include "corvane/simaddin/addin_wiring.h"

namespace corvane::app {

namespace {

// The text broken into lines of at most `width` characters at blanks.
std::string wrapped(const std::string& text, std::size_t width = 88) {
    std::string out;
    std::string line;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(start, end - start);
        if (!line.empty() && line.size() + 1 + word.size() > width) {
            out += line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
        start = end + 1;
    }
    return out + line;
}

}  // namespace

// Generated from the example file by CMake (demo_scenario.cpp).
extern const char* const DemoScenarioFile;
extern const char* const DemoScenarioText;

int runDemo(std::ostream& out) {
    out << "corvane-sim demo\n"
           "================\n\n"
           "A scenario file describes an Outlook profile, the registry and the add-in's files,\n"
           "then what a user does, step by step, with every prompt the steps must raise and its\n"
           "answer, and what must be true afterwards. corvane-sim runs it on the simulated Outlook\n"
           "and prints what the user would have seen. This is "
        << DemoScenarioFile << ".\n\n";
    std::vector<scenario::Scenario> scenarios;
    try {
        scenarios = scenario::ParseScenarios(DemoScenarioText, DemoScenarioFile);
    } catch (const profile::FormatError& e) {
        out << "The bundled scenario cannot be read: " << e.what() << "\n";
        return 1;
    }
    scenario::RunOptions options;
    options.wiring = simaddin::registerAddinClasses;
    bool held = true;
    for (const auto& sc : scenarios) {
        if (!sc.description.empty()) out << wrapped(sc.description) << "\n\n";
        auto result = scenario::RunScenario(sc, options);
        for (const auto& line : result.transcript) out << line << "\n";
        held = held && result.outcome == scenario::ScenarioResult::Outcome::Held;
        out << "\n";
    }
    out << "How to read it: \"step N (line L)\" is a step of the file; the indented lines are what\n"
           "happened: messages and forms as the user saw them (\"> \" marks the scripted answers),\n"
           "lines starting \"->\" are what came of the step, \"ok\" lines the facts an expect step\n"
           "checked. Run your own with: corvane-sim run examples/*.yaml (docs/scenarios.md).\n";
    return held ? 0 : 1;
}

}  // namespace corvane::app
