#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/scenario/run_command.h"
#include "corvane/simaddin/addin_wiring.h"
#include "demo.h"

namespace {

void help(std::ostream& out) {
    out << "corvane-sim: runs Corvane on the simulated Outlook host.\n"
           "\n"
           "Usage:\n"
           "  corvane-sim run [options] FILE...\n"
           "      Runs every scenario of the YAML files (docs/scenarios.md) against the add-in on\n"
           "      the simulated Outlook and prints a transcript of each: every message box (title,\n"
           "      text, buttons, the answer), every form shown and closed, beeps, pages and help\n"
           "      topics opened, HTTP requests, and the facts the scenario expects. A file that\n"
           "      cannot be read is reported with its file and line.\n"
           "      Exit status: 0 every scenario held; 1 one failed (an unexpected prompt, a prompt\n"
           "      that never came, a failed expectation, a bad file); 77 none failed but some were\n"
           "      skipped because this build has no add-in to load.\n"
           "      Options:\n"
           "        --expect-failure TEXT  succeed only when every scenario fails with TEXT in its\n"
           "                               message (negative examples)\n"
           "        --save-profile FILE    save the profile as it stands after the last step\n"
           "                               (docs/profiles.md); one scenario only\n"
           "  corvane-sim demo\n"
           "      Runs the bundled example scenario with a commentary.\n"
           "  corvane-sim --help\n"
           "      This text.\n";
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view command = argc > 1 ? argv[1] : "";
    if (command.empty() || command == "--help" || command == "-h" || command == "help") {
        help(std::cout);
        return 0;
    }
    if (command == "demo") return corvane::app::runDemo(std::cout);
    if (command == "run") {
        std::vector<std::string> args(argv + 2, argv + argc);
        return corvane::scenario::RunCommand(args, corvane::simaddin::registerAddinClasses, std::cout, std::cerr);
    }
    std::cerr << "corvane-sim: unknown command \"" << command << "\" (try corvane-sim --help)\n";
    return 2;
}
