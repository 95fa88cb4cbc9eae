#include "corvane/simhost/sim_ui.h"

#include <type_traits>

#include "corvane/ui/form.h"
#include "corvane/ui/text_presenter.h"
#include "form_driver.h"

namespace corvane::simhost {

namespace {

std::string what(std::string_view prompt, int buttons, std::string_view title) {
    return "message box " + ui::quote(title) + " with text " + ui::quote(prompt) + " (buttons " +
           std::to_string(buttons) + ")";
}

std::string formWhat(const ui::Form& form) { return "form " + form.name() + " " + ui::quote(form.caption()); }

}  // namespace

std::string describeStep(const UiStep& step) {
    if (const auto* m = std::get_if<MessageBoxStep>(&step)) {
        std::string out = "message box";
        if (m->title) out += " titled " + ui::quote(*m->title);
        if (m->text) out += " with text " + ui::quote(*m->text);
        if (m->textContains) out += " with text containing " + ui::quote(*m->textContains);
        if (m->buttons) out += " (buttons " + std::to_string(*m->buttons) + ")";
        return out;
    }
    if (const auto* f = std::get_if<FormStep>(&step)) {
        std::string out = "form " + f->form;
        if (f->caption) out += " " + ui::quote(*f->caption);
        return out;
    }
    const auto& c = std::get<FolderStep>(step);
    return "folder chooser" + (c.title ? " " + ui::quote(*c.title) : std::string());
}

void ScriptedUi::fail(const std::string& message) {
    if (!failure_) failure_ = message;
    throw ScriptError(message);
}

void ScriptedUi::checkNotFailed() const {
    if (failure_) throw ScriptError("the script already failed: " + *failure_);
}

template <class T>
const T& ScriptedUi::expectNext(const std::string& what) {
    checkNotFailed();
    if (next_ >= steps_.size()) fail("unexpected " + what + ": the script has no more steps");
    const UiStep& step = steps_[next_];
    if (!std::holds_alternative<T>(step))
        fail("unexpected " + what + ": step " + std::to_string(next_ + 1) + " of the script expects " +
             describeStep(step));
    ++next_;
    return std::get<T>(step);
}

void ScriptedUi::record(const std::vector<std::string>& lines) {
    transcript_.insert(transcript_.end(), lines.begin(), lines.end());
}

void ScriptedUi::recordForm(const ui::Form& form, const std::string& event) {
    std::vector<std::string> lines = ui::renderForm(form);
    lines.front() += " " + event;
    record(lines);
}

int ScriptedUi::messageBox(std::string_view prompt, int buttons, std::string_view title, platform::WindowHandle) {
    const std::string came = what(prompt, buttons, title);
    const MessageBoxStep step = expectNext<MessageBoxStep>(came);
    const std::string stepNo = "step " + std::to_string(next_);
    std::string mismatch;
    if (step.title && *step.title != title) mismatch += "\n  expected title " + ui::quote(*step.title);
    if (step.text && *step.text != prompt) mismatch += "\n  expected text " + ui::quote(*step.text);
    if (step.textContains && prompt.find(*step.textContains) == std::string_view::npos)
        mismatch += "\n  expected text containing " + ui::quote(*step.textContains);
    if (step.buttons && *step.buttons != buttons) mismatch += "\n  expected buttons " + std::to_string(*step.buttons);
    if (!mismatch.empty()) fail(stepNo + " of the script does not match " + came + mismatch);
    if (!ui::buttonsOffer(buttons, step.answer))
        fail(stepNo + " of the script answers " + ui::answerName(step.answer) + " to " + came + ", which offers " +
             ui::describeButtons(buttons));
    record(ui::renderMessageBox(prompt, buttons, title));
    record("  answer " + ui::answerName(step.answer));
    return step.answer;
}

void ScriptedUi::beep() {
    ++beeps_;
    record("beep");
}

void ScriptedUi::setForegroundWindow(platform::WindowHandle window) {
    foreground_ = window;
    foregroundChanges_.push_back(window);
}

void ScriptedUi::doEvents() {
    ++eventPumps_;
    if (onDoEvents) onDoEvents();
}

std::optional<std::string> ScriptedUi::browseForFolder(std::string_view title) {
    const std::string came = "folder chooser " + ui::quote(title);
    const FolderStep step = expectNext<FolderStep>(came);
    if (step.title && *step.title != title)
        fail("step " + std::to_string(next_) + " of the script does not match " + came + "\n  expected title " +
             ui::quote(*step.title));
    record(came + " -> " + (step.folder ? ui::quote(*step.folder) : std::string("cancelled")));
    return step.folder;
}

void ScriptedUi::showModal(ui::Form& form) {
    const std::string came = formWhat(form);
    const FormStep step = expectNext<FormStep>(came);
    const std::size_t stepNo = next_;
    if (step.form != form.name() || (step.caption && *step.caption != form.caption()))
        fail("step " + std::to_string(stepNo) + " of the script expects " + describeStep(step) + ", but " + came +
             " was shown");

    {
        // Whatever happens below, the form stops reporting here and leaves the modal stack.
        struct Session {
            ScriptedUi& ui;
            ui::Form& form;
            ~Session() {
                form.setCloseListener(nullptr);
                ui.modal_.pop_back();
            }
        };
        modal_.push_back(&form);
        Session session{*this, form};
        recordForm(form, "shown");
        form.setCloseListener([this](ui::Form& f, ui::CloseKind kind) {
            recordForm(f, kind == ui::CloseKind::Hidden ? "hidden" : "unloaded");
        });

        FormDriver(*this, form, stepNo).run(step.actions);
        if (form.isVisible())
            fail("step " + std::to_string(stepNo) + ": " + came + " is still open after its " +
                 std::to_string(step.actions.size()) + " scripted actions");
    }
    // The form underneath becomes the active window again.
    if (!modal_.empty()) modal_.back()->activate();
}

void ScriptedUi::showModeless(ui::Form& form) {
    recordForm(form, "shown (modeless)");
    form.setCloseListener([this](ui::Form& f, ui::CloseKind kind) {
        recordForm(f, kind == ui::CloseKind::Hidden ? "hidden" : "unloaded");
        f.setCloseListener(nullptr);
    });
}

void ScriptedUi::finish() const {
    if (failure_) throw ScriptError(*failure_);
    if (next_ < steps_.size())
        throw ScriptError("step " + std::to_string(next_ + 1) + " of the script expects " +
                          describeStep(steps_[next_]) + ", but no more prompts came");
}

std::string ScriptedUi::transcriptText() const {
    std::string out;
    for (const std::string& line : transcript_) out += line + "\n";
    return out;
}

}  // namespace corvane::simhost
