#pragma once
// The simulated registry kept in .reg files, one per hive, in one folder: HKCU.reg and
// HKLM.reg. Several processes (Outlook's and Word's) may hold a FileRegistry on the same
// folder at once:
// - every change runs under an exclusive lock (on "<hive file>.lock"), on the file
//   as it stands at that moment, and replaces the file atomically, so that no writer loses
//   another's change and no reader or crash sees half a file;
// - a read reloads the hive only when its file was replaced since the last read.
// A missing file (or folder) is an empty hive; the folder is created at the first write.
// A malformed file is refused (RegFileError naming file and line) and never overwritten.
#include <array>
#include <filesystem>
#include <optional>

#include "corvane/simhost/file_snapshot.h"
#include "corvane/simhost/registry.h"

namespace corvane::simhost {

class FileRegistry : public SimRegistry {
public:
    explicit FileRegistry(std::filesystem::path folder);
    ~FileRegistry() override;

    const std::filesystem::path& folder() const { return folder_; }
    // <folder>/HKCU.reg or <folder>/HKLM.reg.
    std::filesystem::path hiveFile(platform::Hive hive) const;

protected:
    const RegKeyNode& readHive(platform::Hive hive) override;
    void updateHive(platform::Hive hive, const std::function<bool(RegKeyNode&)>& change) override;

private:
    struct Loaded {
        RegKeyNode root;
        std::optional<FileStamp> stamp;  // nothing: the file did not exist
        FileHandle pin;                  // keeps the loaded file's inode from reuse
        bool valid = false;
        bool sweptTemporaries = false;
    };
    Loaded& loaded(platform::Hive hive);
    void load(platform::Hive hive);

    std::filesystem::path folder_;
    std::array<Loaded, 2> hives_;
};

}  // namespace corvane::simhost
