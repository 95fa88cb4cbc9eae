// Scenario files (docs/scenarios.md). Any text is read into scenarios or refused with a
// FormatError naming the file; nothing else escapes and nothing is run. Profiles and files
// named in the scenario are taken from the current folder, where scripts/fuzz.sh puts
// copies of examples/profiles and examples/addin so that the examples read as seeds.
#include <string>

#include "corvane/scenario/parse.h"
#include "fuzz_support.h"

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file = "scenario.yaml";
    try {
        const auto scenarios = scenario::ParseScenarios(std::string(fuzz::asText(data, size)), file);
        fuzz::check(!scenarios.empty(), "a file read holds a scenario");
    } catch (const profile::FormatError& e) {
        fuzz::check(!e.where().file.empty(), "a refusal names the file");
    }
    return 0;
}
