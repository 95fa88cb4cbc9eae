// The run of one scenario: setting up the host and Outlook, the steps in order, and the
// end, where Outlook quits and nothing scripted may be left unused.
#include <regex>

#include "corvane/platform/error.h"
#include "corvane/profile/mailbox.h"
#include "corvane/profile/profile_build.h"
#include "corvane/scenario/run_state.h"
#include "corvane/sim/explorer.h"
#include "corvane/sim/inspector.h"
#include "corvane/sim/name_space.h"
#include "corvane/ui/text_presenter.h"

namespace corvane::scenario {

namespace {

std::string outcomeWord(ScenarioResult::Outcome o) {
    switch (o) {
        case ScenarioResult::Outcome::Held: return "PASS";
        case ScenarioResult::Outcome::Failed: return "FAIL";
        default: return "SKIPPED";
    }
}

}  // namespace

std::string PromptMessage(const std::string& scriptError, std::size_t promptsBefore) {
    // "step 3 of the script" and "step 3, form ..." count the prompts of the whole scenario.
    static const std::regex scriptStep(R"(step (\d+)( of the script)?)");
    std::string out;
    auto begin = std::sregex_iterator(scriptError.begin(), scriptError.end(), scriptStep);
    std::size_t last = 0;
    for (auto it = begin; it != std::sregex_iterator(); ++it) {
        out += scriptError.substr(last, static_cast<std::size_t>(it->position()) - last);
        const long n = std::stol((*it)[1].str()) - static_cast<long>(promptsBefore);
        out += "prompt " + std::to_string(n);
        last = static_cast<std::size_t>(it->position() + it->length());
    }
    out += scriptError.substr(last);
    const std::string noMore = "the script has no more steps";
    if (auto at = out.find(noMore); at != std::string::npos)
        out.replace(at, noMore.size(), "the step scripts no further prompt");
    return out;
}

ScenarioRun::ScenarioRun(const Scenario& scenario, const RunOptions& options)
    : scenario_(scenario), options_(options) {}

ScenarioRun::~ScenarioRun() {
    // Outlook lets a connected add-in go only when it disconnects; quitting ends the cycle.
    if (app_ && app_->running()) {
        try {
            app_->quit();
        } catch (...) {
        }
    }
    app_.reset();
}

void ScenarioRun::say(std::string line) { host_->transcript().add(std::move(line)); }

const std::vector<std::string>& ScenarioRun::transcriptSoFar() { return host_->transcript().lines(); }

std::string ScenarioRun::where(const Step& step) const {
    return "step " + std::to_string(step.number) + " (" + step.kind + ", " + step.at.text() + ")";
}

void ScenarioRun::setUp() {
    host_ = simhost::SimHost::Temporary(scenario_.clock, scenario_.system);
    profile::ApplyProfile(scenario_.profile, *host_);
    sim::OutlookOptions options;
    options.version = scenario_.outlook.version;
    options.wordEditor = scenario_.outlook.wordEditor;
    options.files = &host_->files();
    app_ = sim::SimApplication::Create(host_->clock(), options);
    app_->onRibbonError([this](const std::string& report) { say(report); });
    profile::BuildMailbox(scenario_.profile, *app_);
    addinAvailable_ = options_.wiring && options_.wiring(*app_, *host_);
}

void ScenarioRun::flushStepLines(std::size_t from) {
    const auto& lines = host_->transcript().lines();
    for (std::size_t i = from; i < lines.size(); ++i) out_.push_back("  " + lines[i]);
    for (auto& line : expectLines_) out_.push_back("  " + line);
    expectLines_.clear();
}

void ScenarioRun::checkScripts(bool evenUnused) {
    try {
        host_->ui().finish();
    } catch (const simhost::ScriptError& e) {
        const std::string message = e.what();
        if (evenUnused || !message.ends_with("but no more prompts came"))
            throw StepFailure(PromptMessage(message, promptsBefore_));
    }
    if (const auto& failure = host_->http().failure()) throw StepFailure(*failure);
}

void ScenarioRun::runStep(const Step& step) {
    out_.push_back("step " + std::to_string(step.number) + " (line " + std::to_string(step.at.line) +
                   "): " + DescribeStep(step));
    for (const auto& note : step.notes) out_.push_back("  # " + note);
    const std::size_t mark = host_->transcript().lines().size();
    for (const auto& prompt : step.prompts) host_->ui().addStep(prompt);
    try {
        try {
            execute(step);
        } catch (const simhost::ScriptError&) {
            // The Ui kept it; checkScripts reports it with the prompts counted from this step.
        } catch (const platform::PlatformError& e) {
            checkScripts(false);
            throw StepFailure("Outlook failed: " + e.description() + " (" + std::to_string(e.number()) + ")");
        } catch (const profile::FormatError& e) {
            throw StepFailure(e.what());
        } catch (const StepFailure&) {
            // A prompt that did not fit the script explains more than its consequence.
            checkScripts(false);
            throw;
        }
        checkScripts(true);
    } catch (...) {
        flushStepLines(mark);
        throw;
    }
    promptsBefore_ += step.prompts.size();
    flushStepLines(mark);
}

void ScenarioRun::finish() {
    if (options_.saveProfile) options_.saveProfile(profile::CaptureProfile(*app_, *host_));
    if (app_->running()) {
        out_.push_back("end: Outlook quits");
        const std::size_t mark = host_->transcript().lines().size();
        try {
            quitOutlook();
        } catch (const simhost::ScriptError&) {
        } catch (const platform::PlatformError& e) {
            flushStepLines(mark);
            throw StepFailure("Outlook failed as it quit: " + e.description());
        }
        try {
            checkScripts(true);
        } catch (...) {
            flushStepLines(mark);
            throw;
        }
        flushStepLines(mark);
    }
    if (auto left = host_->http().repliesLeft())
        throw StepFailure(std::to_string(left) + " scripted HTTP " + (left == 1 ? "reply was" : "replies were") +
                          " never requested");
}

ScenarioResult ScenarioRun::run() {
    ScenarioResult result;
    out_.push_back("scenario " + ui::quote(scenario_.name) + " (" + scenario_.at.text() + ")");
    std::string stage = "setting up";
    try {
        setUp();
        out_.push_back("Outlook " + scenario_.outlook.version +
                       (scenario_.outlook.wordEditor ? " with Word as the mail editor" : "") + ", clock " +
                       scenario_.clock.iso());
        for (const auto& step : scenario_.steps) {
            stage = where(step);
            runStep(step);
        }
        stage = "at the end";
        finish();
    } catch (const AddinMissing& e) {
        result.outcome = ScenarioResult::Outcome::Skipped;
        result.message = stage + ": " + e.what();
    } catch (const StepFailure& e) {
        result.outcome = ScenarioResult::Outcome::Failed;
        result.message = stage + ": " + e.what();
    } catch (const profile::FormatError& e) {
        result.outcome = ScenarioResult::Outcome::Failed;
        result.message = stage + ": " + e.what();
    } catch (const platform::PlatformError& e) {
        result.outcome = ScenarioResult::Outcome::Failed;
        result.message = stage + ": Outlook failed: " + e.description();
    } catch (const std::exception& e) {
        result.outcome = ScenarioResult::Outcome::Failed;
        result.message = stage + ": " + e.what();
    }
    out_.push_back(outcomeWord(result.outcome) + (result.message.empty() ? "" : " " + result.message));
    result.transcript = out_;
    return result;
}

ScenarioResult RunScenario(const Scenario& scenario, const RunOptions& options) {
    ScenarioRun run(scenario, options);
    return run.run();
}

}  // namespace corvane::scenario
