#pragma once
// Left for tests/addin until it moves to the scripted Ui of the world (support/world.h);
// nothing else uses it.
// A Ui for unit tests: records every message box, beep and form, answers message boxes
// from a queue (OK when the queue is empty) and lets a test act on a form when it is shown.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "corvane/platform/ui_services.h"

namespace corvane::testing {

struct ShownMessageBox {
    std::string prompt;
    int buttons = 0;
    std::string title;
};

class FakeUi : public platform::Ui {
public:
    int messageBox(std::string_view prompt, int buttons, std::string_view title,
                   platform::WindowHandle owner) override {
        boxes.push_back({std::string(prompt), buttons, std::string(title)});
        owners.push_back(owner);
        if (answers.empty()) return platform::mb::IdOk;
        int a = answers.front();
        answers.pop_front();
        return a;
    }
    void beep() override { ++beeps; }
    platform::WindowHandle foregroundWindow() override { return foreground; }
    void setForegroundWindow(platform::WindowHandle w) override { foreground = w; }
    void showModal(ui::Form& form) override {
        ++formsShown;
        if (onShowModal) onShowModal(form);
    }
    void doEvents() override { ++eventPumps; }
    std::optional<std::string> browseForFolder(std::string_view) override { return chosenFolder; }

    std::vector<ShownMessageBox> boxes;
    std::vector<platform::WindowHandle> owners;
    std::deque<int> answers;
    int beeps = 0;
    int formsShown = 0;
    int eventPumps = 0;
    platform::WindowHandle foreground = 0x1234;
    std::optional<std::string> chosenFolder;
    std::function<void(ui::Form&)> onShowModal;
};

}  // namespace corvane::testing
