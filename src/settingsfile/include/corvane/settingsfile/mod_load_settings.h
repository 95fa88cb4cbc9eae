#pragma once
// modLoadSettings: the settings file an administrator rolls out and the export that
// writes it. The file is text in the machine's ANSI code page, one entry per line:
//
//   ' a comment                   a line starting with an apostrophe
//   SettingsID=101                the file's identifier: the file is applied at start-up
//                                 only while it differs from the stored SettingsID
//   Key=value                     any setting; the value is everything after the first "="
//   IgnoreTextValue=<CVSig>...</CVSig>   free text that may run over several lines
//   '[Enable Fields]              opens the lock section: each line is a lock item
//   Password=...                  (except this one, an entry; the encoded lock password)
//   '[/Enable Fields]             stores the lock items as LockFields
//
// The lock section is never closed for the reader: every line after its closing line is
// a lock item too, unless it is "'" or a "Password=" line. Lines end at CR LF (a lone CR
// or LF also ends one, for files edited by hand).
#include <string>
#include <string_view>
#include <vector>

#include "corvane/core/addin_process.h"
#include "corvane/settings/setting_store.h"

namespace corvane::settingsfile::modLoadSettings {

inline constexpr std::string_view FileName = "Corvane_Settings.ini";
inline constexpr std::string_view ChooseFolderPrompt = "Where do you want to save the Settings file?";

// CV_Settings_FilePath trimmed when a file exists at that full path, else "".
std::string SettingsFilePath(core::AddinProcess& p);
// The file the reader takes: SettingsFilePath, else the one in the add-in's folder.
std::string SettingsFileLocation(core::AddinProcess& p);

// Start-up: reads the file at SettingsFileLocation into the store. A missing or
// unreadable file changes nothing; a failure while reading ends it quietly, keeping what
// was applied before.
void ApplySettingsFile(core::AddinProcess& p);

// The file's physical lines (bytes, still in the code page). Nothing after a final line
// break.
std::vector<std::string_view> SplitLines(std::string_view content);

// The reading itself, on the file's content in code page `codePage`: stops after the
// identifier line when the identifier equals the stored SettingsID, gathers
// IgnoreTextValue's lines, applies each line, and finally stores the file's identifier
// as SettingsID when it differs. Each line is converted as it is read. Throws
// PlatformError naming `file` and the line ("<file> line 7: ...") for a line that is no
// text in the code page or that ApplyLine refuses; the lines before stay applied and
// SettingsID is left alone. An empty file changes nothing.
void ReadSettingsText(core::SettingsFileReaderState& state, const settings::SettingStore& store,
                      std::string_view content, unsigned codePage, std::string_view file);

// One logical line (IgnoreTextValue's lines already joined by CR LF): a comment, the lock
// section's lines, or an entry written to the store (SettingsID only into the reader's
// state). Throws PlatformError 5 for an IgnoreTextValue entry too short for its markers
// or an entry without a key.
void ApplyLine(core::SettingsFileReaderState& state, const settings::SettingStore& store, std::string_view line);

// The export's text, line by line, in UTF-8, every line ended by CR LF.
std::string SettingsFileText(const settings::SettingStore& store);
// Writes FileName into `folder` (a path ending in "\") in the ANSI code page, replacing
// an existing file in one step; false on any failure, which leaves the old file whole.
bool WriteSettingsFile(core::AddinProcess& p, std::string_view folder);

// The folder chooser titled with the prompt; "" when the user cancels. While the
// wizard's button runs, the wizard is the foreground window that owns it.
std::string ChooseFolder(core::AddinProcess& p, std::string_view prompt);

// The wizard's "Export Settings": chooses the folder, writes the file there and says
// where it went, or that it could not.
void ExportSettings(core::AddinProcess& p);

}  // namespace corvane::settingsfile::modLoadSettings
