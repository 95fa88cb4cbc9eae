#include <iostream>
#include <string_view>

#include "settings_demo.h"

int main(int argc, char** argv) {
    const std::string_view command = argc > 1 ? argv[1] : "";
    if (command.empty() || command == "--help" || command == "-h") {
        std::cout << "corvane-sim: runs Corvane on the simulated Outlook host.\n\n"
                     "Usage:\n"
                     "  corvane-sim demo     walk through the settings store: defaults, a machine\n"
                     "                       preset, and the repair of hand-edited values\n"
                     "  corvane-sim --help   this text\n";
        return 0;
    }
    if (command == "demo") return corvane::app::runSettingsDemo(std::cout);
    std::cerr << "corvane-sim: unknown command \"" << command << "\" (try --help)\n";
    return 2;
}
