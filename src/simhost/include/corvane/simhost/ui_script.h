#pragma once
// What a scenario scripts for the simulated Ui: the prompts it expects, in the order they
// open, each with its answer. A form is answered by actions on its controls.
//
// Controls are named as the form class names them, "cmdOK", or "cmdNav(4)" for an element
// of a control array. Rows of lists, list views and combo boxes, and tabs, are named by
// their text (for a list view row: its text or the text of one of its sub-items) or by
// "#n", the n-th counted from 1. A name must pick exactly one row.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "corvane/platform/ui_services.h"

namespace corvane::simhost {

namespace action {

// Types the whole text into a text box or an editable combo box (one Change).
struct Type {
    std::string control;
    std::string text;
};
// Clicks a check box so that it ends ticked (or clear); it must not be so already.
struct Tick {
    std::string control;
    bool ticked = true;
};
// Clicks an option button.
struct Choose {
    std::string control;
};
// Makes exactly these rows the selection of a list box; in a list view or a combo box
// clicks the one row named.
struct Select {
    std::string control;
    std::vector<std::string> rows;
};
// Clicks the tick boxes of list view rows so that they end ticked (or clear); none may
// be so already.
struct TickRows {
    std::string control;
    std::vector<std::string> rows;
    bool ticked = true;
};
// Double-clicks a row of a list box or a list view (selecting it first).
struct DoubleClick {
    std::string control;
    std::string row;
};
// Clicks the header of column n (from 1) of a list view.
struct ClickColumn {
    std::string control;
    int column = 1;
};
// Clicks a tab of a tab strip.
struct SelectTab {
    std::string control;
    std::string tab;
};
// Clicks a button, a label, a frame, a picture box or an image.
struct Click {
    std::string control;
};
// Presses a key (its character code: 9 Tab, 13 Enter, 27 Escape) in a control.
struct PressKey {
    std::string control;
    int key = 13;
};
// Moves the mouse over a control.
struct Hover {
    std::string control;
};
// Lets a running timer of the form elapse once.
struct FireTimer {
    std::string control;
};
// Closes the window with its X.
struct Close {};

// What one control shows while the form is up; each given field is checked. A row of a
// list view reads as its text and sub-items that are not empty, joined by " | ".
struct ControlState {
    std::string control;
    std::optional<bool> enabled;  // the control's own Enabled
    std::optional<bool> visible;  // shown: it and its containers visible and in sight
    std::optional<bool> focus;
    std::optional<std::string> text;                     // a text box or combo box
    std::optional<std::string> selectedText;             // a text box: the text selected in it
    std::optional<std::string> caption;                  // a label, button, frame, check box or option button
    std::optional<std::uint32_t> color;                  // a label's text colour (ui::rgb)
    std::optional<int> ticked;                           // a check box: 0 clear, 1 ticked, 2 greyed
    std::optional<bool> chosen;                          // an option button
    std::optional<std::vector<std::string>> items;       // list, combo, list view rows, tabs
    std::optional<std::vector<std::string>> selected;    // the selected rows (or tab)
    std::optional<std::vector<std::string>> tickedRows;  // list view rows with a tick
};
// Checks what the form's controls show, without touching them.
struct Expect {
    std::vector<ControlState> controls;
};

}  // namespace action

using FormAction = std::variant<action::Type, action::Tick, action::Choose, action::Select, action::TickRows,
                                action::DoubleClick, action::ClickColumn, action::SelectTab, action::Click,
                                action::PressKey, action::Hover, action::FireTimer, action::Close, action::Expect>;

// A message box; each given field must match what comes.
struct MessageBoxStep {
    std::optional<std::string> title;         // the whole title
    std::optional<std::string> text;          // the whole text
    std::optional<std::string> textContains;  // a part of the text
    std::optional<int> buttons;               // the button and icon value
    int answer = platform::mb::IdOk;          // must be one of the buttons shown
};

// A form shown modally, and what the user does in it. After the actions the form must
// have hidden or unloaded.
struct FormStep {
    std::string form;                    // the form class's name
    std::optional<std::string> caption;  // the whole caption, when given
    std::vector<FormAction> actions;
};

// The folder chooser; no folder means the user cancels.
struct FolderStep {
    std::optional<std::string> title;
    std::optional<std::string> folder;
};

using UiStep = std::variant<MessageBoxStep, FormStep, FolderStep>;

}  // namespace corvane::simhost
