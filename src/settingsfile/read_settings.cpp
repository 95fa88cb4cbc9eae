// Reading the settings file: where it is, its lines, the identifier that stops the
// reading, IgnoreTextValue's lines gathered into one, and each line applied.
#include <string>

#include "corvane/platform/conventions.h"
#include "corvane/platform/error.h"
#include "corvane/platform/file_system.h"
#include "corvane/settings/setting_keys.h"
#include "corvane/settingsfile/mod_load_settings.h"
#include "corvane/text/code_page.h"
#include "corvane/text/text.h"
#include "corvane/text/utf8.h"

namespace corvane::settingsfile::modLoadSettings {

namespace {

namespace keys = settings::keys;
using platform::PlatformError;

constexpr std::string_view LockSectionStart = "'[Enable Fields]";
constexpr std::string_view LockSectionEnd = "'[/Enable Fields]";
constexpr std::string_view PasswordEntry = "Password=";
constexpr std::string_view IgnoreTextEntry = "IgnoreTextValue=";
constexpr std::string_view IgnoreTextEnd = "</CVSig>";
// "IgnoreTextValue=<CVSig>" before the text and "</CVSig>" after it, in characters.
constexpr std::size_t IgnoreTextValueStart = 23;
constexpr std::size_t IgnoreTextMarkers = 31;

// IgnoreTextValue's text between its markers, counted in characters: the entry's
// characters from the 24th on, all but the last 31.
std::string IgnoreTextBetweenMarkers(std::string_view entry) {
    const std::size_t chars = text::charCount(entry);
    if (chars < IgnoreTextMarkers)
        throw PlatformError(platform::errors::InvalidCall, ": IgnoreTextValue without its <CVSig> markers");
    const std::size_t from = text::charOffset(entry, IgnoreTextValueStart);
    const std::size_t to = text::charOffset(entry, chars - IgnoreTextMarkers + IgnoreTextValueStart);
    return std::string(entry.substr(from, to - from));
}

// A line the lock section takes for itself: true when it is done with it.
bool TakenByLockSection(core::SettingsFileReaderState& state, const settings::SettingStore& store,
                        std::string_view line) {
    const std::string trimmed = text::trim(line);
    if (!state.inLockSection) {
        if (trimmed != LockSectionStart) return false;
        state.inLockSection = true;
        return true;
    }
    if (trimmed == LockSectionEnd) {
        store.SaveSetting(keys::LockFields, state.lockItems);
        return true;
    }
    if (trimmed == "'") return true;
    if (line.starts_with(PasswordEntry)) return false;
    if (!state.lockItems.empty()) state.lockItems += ';';
    state.lockItems += line;
    return true;
}

[[noreturn]] void FailAtLine(std::string_view file, std::size_t line, std::string_view what, std::int32_t number) {
    throw PlatformError(number, std::string(file) + " line " + std::to_string(line) + ": " + std::string(what));
}

}  // namespace

std::string SettingsFilePath(core::AddinProcess& p) {
    const std::string path = text::trim(p.store().GetSetting(keys::CV_Settings_FilePath));
    if (path.empty()) return {};
    return p.host.files.fileExists(path) ? path : std::string();
}

std::string SettingsFileLocation(core::AddinProcess& p) {
    std::string path = SettingsFilePath(p);
    if (path.empty()) path = p.host.system.addinFolder() + "/" + std::string(FileName);
    return path;
}

void ApplySettingsFile(core::AddinProcess& p) {
    platform::IgnoreErrors([&] {
        const std::string path = SettingsFileLocation(p);
        p.settingsFile.settingsId.clear();
        const auto content = p.host.files.readFile(path);
        if (!content) return;
        ReadSettingsText(p.settingsFile, p.store(), *content, p.host.system.ansiCodePage(), path);
    });
}

std::vector<std::string_view> SplitLines(std::string_view content) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = content.size();
        lines.push_back(content.substr(start, end - start));
        if (end < content.size() && content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

void ReadSettingsText(core::SettingsFileReaderState& state, const settings::SettingStore& store,
                      std::string_view content, unsigned codePage, std::string_view file) {
    const std::vector<std::string_view> lines = SplitLines(content);
    if (lines.empty()) return;
    std::size_t at = 0;
    auto apply = [&](std::string_view logical) {
        try {
            ApplyLine(state, store, logical);
        } catch (const PlatformError& e) {
            FailAtLine(file, at, e.description(), e.number());
        }
    };
    auto next = [&] {
        auto line = text::fromCodePage(lines[at], codePage);
        ++at;
        if (!line)
            FailAtLine(file, at, "not text in code page " + std::to_string(codePage),
                       platform::errors::InvalidCall.number);
        return std::move(*line);
    };

    apply(next());
    std::string gathered;
    bool gathering = false;
    while (at < lines.size()) {
        const std::string stored = store.GetSetting(keys::SettingsID);
        if (!stored.empty() && stored == state.settingsId) break;
        std::string line = next();
        if (line.find(IgnoreTextEntry) != std::string::npos) {
            gathered.clear();
            gathering = true;
        }
        if (!gathering) {
            apply(line);
            continue;
        }
        const bool last = line.find(IgnoreTextEnd) != std::string::npos;
        if (!gathered.empty()) gathered += text::CrLf;
        gathered += line;
        if (last) {
            apply(gathered);
            gathering = false;
        }
    }
    if (store.GetSetting(keys::SettingsID) != state.settingsId) store.SaveSetting(keys::SettingsID, state.settingsId);
}

void ApplyLine(core::SettingsFileReaderState& state, const settings::SettingStore& store, std::string_view line) {
    if (TakenByLockSection(state, store, line)) return;
    if (line.starts_with('\'') || text::trim(line).empty()) return;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return;
    const std::string_view key = line.substr(0, eq);
    if (key.empty()) throw PlatformError(platform::errors::InvalidCall, ": an entry without a key");
    const std::string value = key == keys::IgnoreTextValue ? IgnoreTextBetweenMarkers(line)
                                                           : std::string(line.substr(eq + 1));
    if (key == keys::SettingsID) {
        state.settingsId = value;
        return;
    }
    store.SaveSetting(key, value);
}

}  // namespace corvane::settingsfile::modLoadSettings
