#pragma once
// The optional reply prefix file "Tags.txt" in the add-in's folder: one prefix per line,
// taken exactly as written ("RE: " with its blank is another tag than "RE:"). It is read
// afresh at each use and never written.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/platform/file_system.h"

namespace corvane::checks::basCorvane {

inline constexpr std::string_view kTagFileName = "Tags.txt";

// The lines of the tag file in file order, or nothing when the file is absent or has no
// line that is non-blank after trimming. Lines end at LF or CR LF; the break is not part
// of the line, every other character is (trailing blanks included). A UTF-8 byte order
// mark at the start is dropped. Throws PlatformError when the file cannot be read.
std::optional<std::vector<std::string>> ReadTagFile(platform::FileSystem& files, std::string_view path);

// The lines of a tag file's content, as ReadTagFile takes them.
std::vector<std::string> TagFileLines(std::string_view content);

// When the tag file at path is present: MultipleRemove with each of its lines in turn, found
// set. Otherwise text unchanged and found cleared.
std::string FindReFwFromFile(platform::FileSystem& files, std::string_view text, std::string_view path, bool& found);

}  // namespace corvane::checks::basCorvane
