#pragma once
// One hive as the text of a "Windows Registry Editor Version 5.00" file, in UTF-8:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\Software\Kelderon]
//   "Name"="text with \\ and \" escaped"
//   @="the default value"
//   "Count"=dword:0000001c
//   "Other"=hex(7):41,00,00,00,00,00
//
// Long hex data continues on the next line after a "\" at the end of a line.
// Strings holding a line break are written as hex(1) (their UTF-16LE data), so every
// value stays on its line or its continuation lines. Other types are kept as raw bytes.
#include <string>
#include <string_view>

#include "corvane/platform/error.h"
#include "corvane/platform/registry.h"
#include "corvane/simhost/registry.h"

namespace corvane::simhost {

// A hive file that cannot be read. The message names the file, the line and the fault:
// "HKCU.reg, line 7: unknown escape \P in a string (write a backslash as \\)".
class RegFileError : public platform::PlatformError {
public:
    RegFileError(std::string file, int line, std::string problem);

    const std::string& file() const noexcept { return file_; }
    int line() const noexcept { return line_; }
    const std::string& problem() const noexcept { return problem_; }

private:
    std::string file_;
    int line_;
    std::string problem_;
};

// "HKEY_CURRENT_USER" or "HKEY_LOCAL_MACHINE".
std::string_view hiveRootName(platform::Hive hive);

// The hive held by the text of a .reg file; every key in it must belong to `hive`.
// `fileName` names the file in errors. Throws RegFileError.
RegKeyNode parseRegFile(std::string_view text, platform::Hive hive, std::string_view fileName);

// The text of a .reg file holding the hive. Throws PlatformError (87, invalid parameter)
// for a name or text that no file could hold (a line break in a name, text that is not
// UTF-8), so that nothing unreadable is ever written.
std::string formatRegFile(const RegKeyNode& root, platform::Hive hive);

}  // namespace corvane::simhost
