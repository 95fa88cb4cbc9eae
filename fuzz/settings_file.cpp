// The settings file reader (modLoadSettings::ReadSettingsText). Input: one byte choosing
// the code page (Western European, Cyrillic or Japanese), then the file's content. A
// refusal is a PlatformError naming the file and a line of it; a file read through stores
// its identifier; the export of what was read can be written in the code page and read
// again (a hand-made lock item can still make that reading refuse: the export splits
// LockFields at its ";").
#include <array>
#include <string>

#include "corvane/platform/error.h"
#include "corvane/settings/setting_keys.h"
#include "corvane/settingsfile/mod_load_settings.h"
#include "corvane/simhost/registry.h"
#include "corvane/text/code_page.h"
#include "fuzz_support.h"

using namespace corvane;
using namespace corvane::settingsfile::modLoadSettings;
using fuzz::check;

namespace {

constexpr std::string_view File = "C:\\Admin\\Corvane_Settings.ini";

// The line a refusal names, or 0 when its description does not name one.
std::size_t namedLine(const std::string& description) {
    const std::string prefix = std::string(File) + " line ";
    if (!description.starts_with(prefix)) return 0;
    std::size_t n = 0;
    std::size_t i = prefix.size();
    for (; i < description.size() && description[i] >= '0' && description[i] <= '9'; ++i)
        n = n * 10 + static_cast<std::size_t>(description[i] - '0');
    return i < description.size() && description[i] == ':' ? n : 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    constexpr std::array<unsigned, 3> CodePages = {text::WesternEuropeanCodePage, 1251, 932};
    const unsigned codePage = CodePages[data[0] % CodePages.size()];
    const std::string_view content = fuzz::asText(data + 1, size - 1);

    simhost::SimRegistry registry;
    const settings::SettingStore store(registry);
    core::SettingsFileReaderState state;
    try {
        ReadSettingsText(state, store, content, codePage, File);
        if (!SplitLines(content).empty())
            check(store.GetSetting(settings::keys::SettingsID) == state.settingsId,
                  "a file read through leaves its identifier stored");
    } catch (const platform::PlatformError& e) {
        const std::size_t line = namedLine(e.description());
        check(line >= 1 && line <= SplitLines(content).size(), "a refusal names the file and one of its lines");
        return 0;
    }

    const auto exported = text::toCodePage(SettingsFileText(store), codePage);
    check(exported.has_value(), "the export can be written in the code page");
    simhost::SimRegistry again;
    core::SettingsFileReaderState fresh;
    try {
        ReadSettingsText(fresh, settings::SettingStore(again), *exported, codePage, File);
    } catch (const platform::PlatformError& e) {
        check(namedLine(e.description()) >= 1, "a refusal of the export names its line");
    }
    return 0;
}
