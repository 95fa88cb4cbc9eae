#pragma once
// Carries out the scripted actions of one modal form as the user would: the focus moves
// first (and a Validate may keep it where it was), then the control acts.
#include <cstddef>
#include <string>
#include <vector>

#include "corvane/simhost/sim_ui.h"
#include "corvane/ui/controls.h"

namespace corvane::simhost {

// "click cmdOK", "type txtSubject "Hello"": an action as the transcript writes it.
std::string describeAction(const FormAction& action);

class FormDriver {
public:
    FormDriver(ScriptedUi& ui, ui::Form& form, std::size_t stepNo) : ui_(ui), form_(form), stepNo_(stepNo) {}

    void run(const std::vector<FormAction>& actions);

    void operator()(const action::Type& a);
    void operator()(const action::Tick& a);
    void operator()(const action::Choose& a);
    void operator()(const action::Select& a);
    void operator()(const action::TickRows& a);
    void operator()(const action::DoubleClick& a);
    void operator()(const action::ClickColumn& a);
    void operator()(const action::SelectTab& a);
    void operator()(const action::Click& a);
    void operator()(const action::PressKey& a);
    void operator()(const action::Hover& a);
    void operator()(const action::FireTimer& a);
    void operator()(const action::Close& a);
    void operator()(const action::Expect& a);

private:
    [[noreturn]] void fail(const std::string& message);
    ui::Control& lookup(const std::string& ref);
    template <class T>
    T& find(const std::string& ref, const char* wanted);
    // Fails unless the user can reach the control (shown and enabled, as its containers).
    void requireReachable(const ui::Control& control);
    template <class T>
    T& reachable(const std::string& ref, const char* wanted);
    // Moves the focus as a click does; false (and a transcript note) when a Validate kept it.
    bool focus(ui::Control& control);
    int listRow(const ui::ListBox& list, const std::string& ref);
    int comboRow(const ui::ComboBox& combo, const std::string& ref);
    ui::ListItem& viewRow(ui::ListView& view, const std::string& ref);
    int tabIndex(const ui::TabStrip& tabs, const std::string& ref);
    void noteKeptFocus();
    // What differs between the control and what the script expects of it, one text each.
    std::vector<std::string> differences(const action::ControlState& want);

    ScriptedUi& ui_;
    ui::Form& form_;
    std::size_t stepNo_;
    std::size_t actionNo_ = 0;
    std::string current_;
};

}  // namespace corvane::simhost
