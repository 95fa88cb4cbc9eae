#pragma once
// A fresh folder of our own under the machine's folder for temporary files.
#include <filesystem>
#include <string>

namespace corvane::simhost {

// "<temporary files>/<prefix>XXXXXX", created empty and for this user; on POSIX under
// $TMPDIR (else /tmp), on Windows under GetTempPathW's folder. Throws std::system_error.
std::filesystem::path CreateTemporaryFolder(const std::string& prefix);

}  // namespace corvane::simhost
