// Profiles (docs/profiles.md). Any text is read into a profile or refused with a
// FormatError; a profile read is written as YAML that reads back into the same profile.
// Paths in the profile ({from: file}) are taken from a folder that does not exist.
#include <string>

#include "corvane/profile/profile_file.h"
#include "fuzz_support.h"

using namespace corvane;

namespace {

const std::string kFile = "/nonexistent-corvane-fuzz/profile.yaml";

profile::Profile read(const std::string& text) {
    auto docs = profile::LoadYamlDocuments(text, kFile);
    if (docs.size() != 1) throw profile::FormatError({kFile, 0}, "a profile file holds exactly one YAML document");
    return profile::ParseProfile(profile::YamlInput(kFile), docs.front());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    profile::Profile p;
    try {
        p = read(std::string(fuzz::asText(data, size)));
    } catch (const profile::FormatError&) {
        return 0;
    }
    const std::string written = profile::FormatProfile(p);
    try {
        const std::string again = profile::FormatProfile(read(written));
        if (again != written) {
            std::fprintf(stderr, "--- written:\n%s\n--- read and written again:\n%s\n", written.c_str(), again.c_str());
            fuzz::fail("a written profile reads back to the same profile");
        }
    } catch (const profile::FormatError& e) {
        std::fprintf(stderr, "%s\n--- written:\n%s\n", e.what(), written.c_str());
        fuzz::fail("a written profile cannot be read back");
    }
    return 0;
}
