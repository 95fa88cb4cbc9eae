#pragma once
// Whole-file replacement that a crash or a kill cannot tear: the new content goes to a
// temporary file in the same folder, is flushed to disk, renamed over the target, and the
// folder is flushed (on Windows: MoveFileExW with write-through). Readers and survivors see
// the old file or the new one, whole.
#include <filesystem>
#include <string_view>

#include "corvane/simhost/file_snapshot.h"

namespace corvane::simhost {

struct ReplacedFile {
    FileStamp stamp;  // of the new file, in the target's place
    // The new file, still open, so that no other file takes its identity while it is kept.
    // Empty on Windows, where a file that is open cannot be replaced again (there a file's
    // index carries a sequence number, so a new file does not take an old one's).
    FileHandle handle;
};

// Replaces `target` (creating it when missing; on POSIX an existing file keeps its
// permissions). Throws std::system_error with an errno value (generic category) naming the
// file; the target is then unchanged and the temporary file removed.
ReplacedFile replaceFileAtomically(const std::filesystem::path& target, std::string_view data);

// Removes the temporary files that replacements killed half-way left beside `target`.
// Only safe while no replacement of `target` can be running (under the writers' lock).
void removeStaleTemporaries(const std::filesystem::path& target);

}  // namespace corvane::simhost
