#pragma once
// What the profile reader, builder and writer share: the words a profile file uses for item
// classes, account types and store kinds with the numbers they stand for, and quoting.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::profile::detail {

inline const std::vector<std::string_view> ClassWords = {"mail", "post", "report", "meeting", "contact", "note"};
inline constexpr std::array<int, 6> ClassNumbers = {43, 45, 46, 53, 40, 44};

inline const std::vector<std::string_view> AccountWords = {"exchange", "imap", "pop3", "http", "other"};
inline constexpr std::array<int, 5> AccountNumbers = {0, 1, 2, 3, 5};

// Indexed by the store kind.
inline const std::vector<std::string_view> StoreWords = {"unknown",  "pst_ansi",       "pst",
                                                         "exchange", "public_folders", "delegate"};

// A name as it appears in an error message.
inline std::string inQuotes(std::string_view s) { return "\"" + std::string(s) + "\""; }

}  // namespace corvane::profile::detail
