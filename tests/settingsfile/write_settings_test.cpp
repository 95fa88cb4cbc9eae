// The export's one promise a scenario cannot break on purpose: a write that fails leaves
// the file that was there.
#include <gtest/gtest.h>

#include "corvane/platform/error.h"
#include "corvane/settingsfile/mod_load_settings.h"
#include "support/world.h"

namespace corvane::settingsfile::modLoadSettings {
namespace {

// The simulated disk, refusing every write.
class RefusingWrites : public platform::FileSystem {
public:
    explicit RefusingWrites(platform::FileSystem& disk) : disk_(disk) {}
    std::optional<std::string> readFile(std::string_view path) override { return disk_.readFile(path); }
    void writeFile(std::string_view path, std::string_view) override {
        throw platform::PlatformError(platform::errors::PermissionDenied, ": " + std::string(path));
    }
    bool fileExists(std::string_view path) override { return disk_.fileExists(path); }
    void removeFile(std::string_view path) override { disk_.removeFile(path); }

private:
    platform::FileSystem& disk_;
};

TEST(SettingsExport, AWriteThatFailsLeavesTheOldFileWholeAndReportsFalse) {
    testing::World world;
    auto& disk = world.host().files();
    const std::string path = testing::World::addinFile(FileName);
    disk.writeFile(path, "SettingsID=1\r\n");
    RefusingWrites refusing(disk);
    const platform::Host h = world.host().host();
    core::AddinProcess p(platform::Host{h.registry, h.ui, h.shell, h.http, h.system, h.clock, refusing});

    EXPECT_FALSE(WriteSettingsFile(p, path.substr(0, path.size() - FileName.size())));
    EXPECT_EQ(disk.readFile(path), "SettingsID=1\r\n");
}

}  // namespace
}  // namespace corvane::settingsfile::modLoadSettings
