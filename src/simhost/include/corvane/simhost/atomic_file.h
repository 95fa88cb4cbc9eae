#pragma once
// Whole-file replacement that a crash or a kill cannot tear: the new content goes to a
// temporary file in the same folder, is flushed to disk, renamed over the target, and the
// folder is flushed. Readers and survivors see the old file or the new one, whole.
#include <filesystem>
#include <string_view>

#include "corvane/simhost/file_snapshot.h"

namespace corvane::simhost {

// Replaces `target` (creating it when missing; an existing file keeps its permissions).
// Returns the new file, still open. Throws std::system_error naming the file; the target
// is then unchanged and the temporary file removed.
FileHandle replaceFileAtomically(const std::filesystem::path& target, std::string_view data);

// Removes the temporary files that replacements killed half-way left beside `target`.
// Only safe while no replacement of `target` can be running (under the writers' lock).
void removeStaleTemporaries(const std::filesystem::path& target);

}  // namespace corvane::simhost
