#include "corvane/scenario/run_command.h"

#include "corvane/scenario/parse.h"

namespace corvane::scenario {

namespace {

struct Tally {
    int held = 0;
    int failed = 0;
    int skipped = 0;
    int failedAsExpected = 0;
};

}  // namespace

int RunCommand(const std::vector<std::string>& args, const AddinWiring& wiring, std::ostream& out, std::ostream& err) {
    std::vector<std::string> files;
    std::optional<std::string> expectFailure;
    std::optional<std::string> saveProfile;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if ((a == "--expect-failure" || a == "--save-profile") && i + 1 < args.size()) {
            (a == "--expect-failure" ? expectFailure : saveProfile) = args[++i];
        } else if (a.starts_with("--")) {
            err << "corvane-sim run: unknown option " << a << " (try corvane-sim --help)\n";
            return 2;
        } else {
            files.push_back(a);
        }
    }
    if (files.empty()) {
        err << "corvane-sim run: name at least one scenario file (try corvane-sim --help)\n";
        return 2;
    }

    std::vector<std::pair<std::string, std::vector<Scenario>>> loaded;
    Tally tally;
    for (const auto& file : files) {
        try {
            loaded.emplace_back(file, LoadScenarioFile(file));
        } catch (const profile::FormatError& e) {
            out << "FAIL " << e.what() << "\n\n";
            ++tally.failed;
        }
    }
    std::size_t count = 0;
    for (const auto& [file, scenarios] : loaded) count += scenarios.size();
    if (saveProfile && count != 1) {
        err << "corvane-sim run: --save-profile needs exactly one scenario\n";
        return 2;
    }

    RunOptions options;
    options.wiring = wiring;
    if (saveProfile)
        options.saveProfile = [path = *saveProfile](const profile::Profile& p) { profile::SaveProfileFile(p, path); };
    for (const auto& [file, scenarios] : loaded) {
        for (const auto& sc : scenarios) {
            const ScenarioResult result = RunScenario(sc, options);
            for (const auto& line : result.transcript) out << line << "\n";
            switch (result.outcome) {
                case ScenarioResult::Outcome::Held: ++tally.held; break;
                case ScenarioResult::Outcome::Skipped: ++tally.skipped; break;
                case ScenarioResult::Outcome::Failed:
                    ++tally.failed;
                    if (expectFailure && result.message.find(*expectFailure) != std::string::npos) {
                        ++tally.failedAsExpected;
                        out << "(this failure was expected)\n";
                    }
                    break;
            }
            out << "\n";
        }
    }
    out << tally.held << " held, " << tally.failed << " failed, " << tally.skipped << " skipped\n";
    if (expectFailure) {
        const bool asExpected = tally.failed == tally.failedAsExpected && tally.held == 0 && tally.skipped == 0 &&
                                tally.failed > 0;
        if (!asExpected) out << "expected every scenario to fail with \"" << *expectFailure << "\"\n";
        return asExpected ? 0 : 1;
    }
    if (tally.failed > 0) return 1;
    return tally.skipped > 0 ? 77 : 0;
}

}  // namespace corvane::scenario
