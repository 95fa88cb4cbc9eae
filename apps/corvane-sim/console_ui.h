#pragma once
// A Ui that writes every message box and beep to a stream and answers OK: enough for the
// demo, which raises no real prompts.
#include <ostream>

#include "corvane/platform/ui_services.h"

namespace corvane::app {

class ConsoleUi : public platform::Ui {
public:
    explicit ConsoleUi(std::ostream& out) : out_(out) {}

    int messageBox(std::string_view prompt, int buttons, std::string_view title,
                   platform::WindowHandle) override {
        out_ << "    [message box \"" << title << "\", buttons " << buttons << "] " << prompt
             << "  -> OK\n";
        return platform::mb::IdOk;
    }
    void beep() override { out_ << "    [beep]\n"; }
    platform::WindowHandle foregroundWindow() override { return 0; }
    void setForegroundWindow(platform::WindowHandle) override {}
    void showModal(ui::Form&) override {}
    void doEvents() override {}
    std::optional<std::string> browseForFolder(std::string_view) override { return std::nullopt; }

private:
    std::ostream& out_;
};

}  // namespace corvane::app
