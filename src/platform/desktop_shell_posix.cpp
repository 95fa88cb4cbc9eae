#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>  // environ

#include <iostream>
#include <string>

#include "corvane/platform/desktop_shell.h"

namespace corvane::platform {

// Runs the desktop's opener on one argument, without a shell between.
void DesktopShell::launch(const std::string& target) {
    std::string program = "xdg-open";
    std::string argument = target;
    char* argv[] = {program.data(), argument.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) return;
    int status = 0;
    waitpid(pid, &status, 0);
}

void DesktopShell::openHelp(std::string_view helpFile, std::string_view topic) {
    launch(HelpPagePath(helpFile, topic));
}

void DesktopShell::logRefused(std::string_view address, std::string_view reason) {
    std::cerr << "corvane: refused to open \"" << address << "\": " << reason << '\n';
}

}  // namespace corvane::platform
