// Resource.dll as Windows loads it holds exactly the strings of the script it was built
// from, read through the add-in's Windows resource library.
//   resource_check RESOURCE_DLL SCRIPT
#include <cstdio>
#include <fstream>
#include <sstream>

#include "corvane/resources/resource_dll.h"
#include "corvane/resources/resource_script.h"

using namespace corvane::resources;

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    std::ifstream in(argv[2], std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    auto parsed = ParseResourceScript(text.str());
    auto library = OpenResourceDll(argv[1]);
    int failures = 0;
    if (parsed.error || parsed.script.strings.empty() || !library) {
        std::printf("FAILED: the script or the DLL cannot be read\n");
        return 1;
    }
    for (const auto& [id, expected] : parsed.script.strings) {
        auto found = library->loadString(id);
        if (found == expected) continue;
        std::printf("FAILED: string %d is \"%s\", not \"%s\"\n", id, found ? found->c_str() : "(missing)",
                    expected.c_str());
        ++failures;
    }
    if (library->loadString(1)) {
        std::printf("FAILED: a string the script does not have\n");
        ++failures;
    }
    if (OpenResourceDll(std::string(argv[1]) + ".missing")) {
        std::printf("FAILED: a missing library opens\n");
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
