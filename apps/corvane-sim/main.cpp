#include <iostream>
#include <string_view>

int main(int argc, char** argv) {
    if (argc > 1 && std::string_view(argv[1]) == "--help") {
        std::cout << "corvane-sim: runs Corvane on the simulated Outlook host.\n";
        return 0;
    }
    std::cout << "corvane-sim: nothing to run yet.\n";
    return 0;
}
