// The resource library reader (Resource.dll in its text form): any text gives either the
// strings and bitmaps or the first error, on a line of the text, and never both. Read
// through clsResource, a string comes back whole or cut between characters, and a library
// with an error leaves every caller with the built-in defaults, reported once.
#include <algorithm>
#include <string>
#include <vector>

#include "corvane/resources/cls_resource.h"
#include "corvane/resources/resource_defaults.h"
#include "corvane/resources/resource_script.h"
#include "fuzz_support.h"
#include "support/memory_file_system.h"

using namespace corvane;
using fuzz::check;

namespace {

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::size_t characters(std::string_view s) {
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) { return !isContinuationByte(c); }));
}

void checkStrings(resources::clsResource& resource, const resources::ResourceScript& script) {
    for (const auto& [id, full] : script.strings) {
        for (long max : {1L, 2L, 3L, 8L, resources::kMaxResourceStringLength}) {
            std::string s = "left over";
            const bool ok = resource.DLL_LoadString(id, s, max);
            check(ok == (max >= 2 && !full.empty()), "DLL_LoadString succeeds exactly for a non-empty string");
            check(ok || s.empty(), "a failed DLL_LoadString leaves an empty string");
            if (!ok) continue;
            check(full.starts_with(s), "DLL_LoadString gives a prefix of the string");
            check(characters(s) <= static_cast<std::size_t>(max - 1), "DLL_LoadString copies at most max - 1 characters");
            check(s.size() == full.size() || (characters(s) == static_cast<std::size_t>(max - 1) &&
                                              !isContinuationByte(full[s.size()])),
                  "DLL_LoadString cuts a string only between characters and only when it is too long");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::asText(data, size);
    const resources::ParsedResourceScript parsed = resources::ParseResourceScript(text);
    if (parsed.error) {
        const auto lines = 1 + std::count(text.begin(), text.end(), '\n');
        check(parsed.error->line >= 1 && parsed.error->line <= lines, "the error names a line of the text");
        check(!parsed.error->what.empty(), "the error says what is wrong");
        check(parsed.script.strings.empty() && parsed.script.bitmaps.empty(), "an error comes without a script");
    }

    testing::MemoryFileSystem files;
    const std::string path = "C:\\Program Files\\Corvane\\Resource.dll";
    files.files[path] = std::string(text);
    std::vector<std::string> reports;
    resources::clsResource resource(files, [&](const std::string& message) { reports.push_back(message); });
    resource.LibraryFilePath(path);

    checkStrings(resource, parsed.script);
    for (const auto& d : resources::ResourceDefaults()) {
        const std::string s = resources::LoadResourceString(resource, d.id);
        auto it = parsed.script.strings.find(d.id);
        if (it == parsed.script.strings.end() || it->second.empty()) {
            check(s == d.text, "a string the library lacks is the built-in default");
        } else {
            check(it->second.starts_with(s), "a string the library holds is read from it");
        }
    }
    for (const auto& [id, statement] : parsed.script.bitmaps) {
        check(!resource.DLL_LoadBitmap(id) && !resource.DLL_LoadBitmap(id), "a bitmap file that does not exist gives nothing");
    }
    if (parsed.error) {
        check(reports.size() == 1, "a library with an error is reported once");
    } else {
        check(reports.size() == parsed.script.bitmaps.size(), "each missing bitmap file is reported once");
    }
    return 0;
}
