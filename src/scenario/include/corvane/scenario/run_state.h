#pragma once
// One scenario being run: the host, the Outlook on it, the items named so far, and the
// transcript. The steps (step_exec.cpp) and the expectations (expect_check.cpp) act
// through it.
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "corvane/scenario/runner.h"
#include "corvane/sim/application.h"

namespace corvane::scenario {

// A step that cannot be carried out or whose result differs from the scenario's.
class StepFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The scenario needs the add-in and this program has none to load.
class AddinMissing : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ScenarioRun {
public:
    ScenarioRun(const Scenario& scenario, const RunOptions& options);
    ~ScenarioRun();
    ScenarioResult run();

    // For the steps.
    simhost::SimHost& host() { return *host_; }
    sim::SimApplication& app() { return *app_; }
    const Scenario& scenario() const { return scenario_; }
    // A line of the transcript, after whatever the Ui has shown so far.
    void say(std::string line);
    // The message with that id where it is now; a StepFailure when it is nowhere.
    std::shared_ptr<sim::SimItem> item(const std::string& id);
    // The same, or nullptr: in a window, in a folder, or an unsaved one another program holds.
    std::shared_ptr<sim::SimItem> findItem(const std::string& id);
    // The item's open window; a StepFailure when it has none.
    std::shared_ptr<sim::SimInspector> inspectorOf(const std::string& id);
    std::shared_ptr<sim::SimExplorer> activeExplorer();
    std::shared_ptr<sim::SimFolder> folder(const std::string& path);
    void requireRunning(const char* what);
    // Creates the add-in's connection object; AddinMissing when none is built in.
    std::shared_ptr<outlook::ComAddin> createAddin();
    // Names a message the step opened (a response, a new mail): from here on `id`.
    void name(const std::string& id, const std::shared_ptr<sim::SimItem>& item);
    // A message another program made and holds, saved nowhere: still found by its id.
    void holdForProgram(const std::string& id, const std::shared_ptr<sim::SimItem>& item);
    // The message that should have been named `id` never came to be.
    void nameNothing(const std::string& id, std::string why);
    // The user exits Outlook: every window closes, and with the last one Outlook quits.
    void quitOutlook();
    // The transcript so far, for expectations on it.
    const std::vector<std::string>& transcriptSoFar();

private:
    void setUp();
    void runStep(const Step& step);
    void execute(const Step& step);
    void check(const Expectations& what);
    void finish();
    // Fails when the scripted Ui or the internet saw something the step did not script
    // (or, with evenUnused, when a scripted prompt never came).
    void checkScripts(bool evenUnused);
    std::string where(const Step& step) const;
    void flushStepLines(std::size_t from);

    const Scenario& scenario_;
    const RunOptions& options_;
    std::unique_ptr<simhost::SimHost> host_;
    std::shared_ptr<sim::SimApplication> app_;
    bool addinAvailable_ = false;
    std::size_t promptsBefore_ = 0;                                      // prompts scripted by earlier steps
    std::map<std::string, std::string> nothing_;                         // ids whose message never came, and why
    std::map<std::string, std::shared_ptr<sim::SimItem>> programItems_;  // held by another program
    std::vector<std::string> expectLines_;                               // what the expectations of the step found
    std::vector<std::string> out_;
};

// How a step reads in the transcript: "reply_all from the explorer, as r1".
std::string DescribeStep(const Step& step);

// A ScriptError of the scripted Ui with its prompts counted from the step's first.
std::string PromptMessage(const std::string& scriptError, std::size_t promptsBefore);

}  // namespace corvane::scenario
