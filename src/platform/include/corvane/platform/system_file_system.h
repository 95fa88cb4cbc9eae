#pragma once
// The machine's own files behind the FileSystem seam: the Win32 file API, Windows only
// (elsewhere the simulated host's disk stands in). Paths are Windows paths in UTF-8.
// writeFile writes a temporary file beside the target ("<name>.tmp-<number>"), flushes it
// to the disk and then puts it in the target's place in one step (ReplaceFileW over an
// existing file, which keeps its attributes and security; MoveFileExW with write-through
// for a new one); when any step fails the temporary file goes and the old file stays as
// it was. Failures carry the Windows error number and the system's text for it.
#include "corvane/platform/file_system.h"

namespace corvane::platform {

class SystemFileSystem final : public FileSystem {
public:
    // Nothing for a missing file or folder.
    std::optional<std::string> readFile(std::string_view path) override;
    void writeFile(std::string_view path, std::string_view data) override;
    // False for a missing file and for a folder.
    bool fileExists(std::string_view path) override;
    void removeFile(std::string_view path) override;
};

}  // namespace corvane::platform
