// The .reg hive files of the simulated registry. Any text is read into a hive or refused
// with a RegFileError naming the file and a line of it; a hive read can be written (or
// is refused with PlatformError 87), and what is written reads back to the same hive.
#include <algorithm>
#include <string>

#include "corvane/simhost/reg_file.h"
#include "fuzz_support.h"

using namespace corvane;
using fuzz::check;

namespace {

constexpr std::int32_t kInvalidParameter = 87;

void readWriteRead(std::string_view text, platform::Hive hive, std::string_view fileName) {
    simhost::RegKeyNode root;
    try {
        root = simhost::parseRegFile(text, hive, fileName);
    } catch (const simhost::RegFileError& e) {
        const auto lines = 1 + std::count(text.begin(), text.end(), '\n');
        check(e.file() == fileName && e.line() >= 1 && e.line() <= lines, "a refusal names the file and a line of it");
        check(e.number() == platform::errors::RegistryCorrupt.number, "a refusal is error 1009");
        return;
    }
    std::string written;
    try {
        written = simhost::formatRegFile(root, hive);
    } catch (const simhost::RegFileError&) {
        fuzz::fail("writing a hive throws RegFileError");
    } catch (const platform::PlatformError& e) {
        check(e.number() == kInvalidParameter, "a hive that cannot be written is refused with error 87");
        return;
    }
    try {
        const simhost::RegKeyNode again = simhost::parseRegFile(written, hive, fileName);
        check(simhost::formatRegFile(again, hive) == written, "a written hive reads back to the same hive");
    } catch (const platform::PlatformError& e) {
        std::fprintf(stderr, "%s\n--- written:\n%s\n", e.what(), written.c_str());
        fuzz::fail("a written hive cannot be read back");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::asText(data, size);
    readWriteRead(text, platform::Hive::CurrentUser, "HKCU.reg");
    readWriteRead(text, platform::Hive::LocalMachine, "HKLM.reg");
    return 0;
}
