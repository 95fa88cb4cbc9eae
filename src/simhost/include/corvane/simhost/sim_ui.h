#pragma once
// The simulated Ui: answers every prompt from a script and writes everything the user
// would have seen to a transcript.
//
// Prompts are taken from the script in the order they open; a prompt that the script does
// not expect next, or a form left open after its actions, fails with a ScriptError that
// names what was expected and what came. The first failure is also kept, so that finish()
// reports it even when the code under test swallowed the exception.
#include <cstddef>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "corvane/platform/ui_services.h"
#include "corvane/simhost/ui_script.h"

namespace corvane::simhost {

class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ScriptedUi : public platform::Ui {
public:
    ScriptedUi() = default;
    explicit ScriptedUi(std::vector<UiStep> script) : steps_(std::move(script)) {}

    void addStep(UiStep step) { steps_.push_back(std::move(step)); }
    std::size_t stepsLeft() const { return steps_.size() - next_; }

    int messageBox(std::string_view prompt, int buttons, std::string_view title,
                   platform::WindowHandle owner) override;
    void beep() override;
    platform::WindowHandle foregroundWindow() override { return foreground_; }
    void setForegroundWindow(platform::WindowHandle window) override;
    void showModal(ui::Form& form) override;
    void showModeless(ui::Form& form) override;
    void doEvents() override;
    std::optional<std::string> browseForFolder(std::string_view title) override;

    // Throws the first failure seen, or a ScriptError when steps were never used.
    void finish() const;

    // One line per event (docs/forms.md).
    const std::vector<std::string>& transcript() const { return transcript_; }
    // The transcript as text, every line ended by "\n".
    std::string transcriptText() const;

    int beeps() const { return beeps_; }
    int eventPumps() const { return eventPumps_; }
    // The windows given the foreground, in order.
    const std::vector<platform::WindowHandle>& foregroundChanges() const { return foregroundChanges_; }
    // The window that is in the foreground before anything changes it.
    void setInitialForeground(platform::WindowHandle window) { foreground_ = window; }
    // Runs on every doEvents (the host lets its timers elapse there, for example).
    std::function<void()> onDoEvents;

private:
    friend class FormDriver;

    [[noreturn]] void fail(const std::string& message);
    void checkNotFailed() const;
    // The next step, which must be of type T; `what` describes the prompt that came.
    template <class T>
    const T& expectNext(const std::string& what);
    void record(const std::vector<std::string>& lines);
    void record(std::string line) { transcript_.push_back(std::move(line)); }
    void recordForm(const ui::Form& form, const std::string& event);

    std::vector<UiStep> steps_;
    std::size_t next_ = 0;
    std::vector<std::string> transcript_;
    std::optional<std::string> failure_;
    std::vector<ui::Form*> modal_;
    platform::WindowHandle foreground_ = 0x10010;
    std::vector<platform::WindowHandle> foregroundChanges_;
    int beeps_ = 0;
    int eventPumps_ = 0;
};

// "message box "T" with text "…"", "form frmX", "folder chooser": what a step expects.
std::string describeStep(const UiStep& step);

}  // namespace corvane::simhost
