#include "corvane/simhost/sim_host.h"

#include <system_error>

#include "corvane/simhost/sim_system_info.h"
#include "temporary_folder.h"

namespace corvane::simhost {

namespace {

std::vector<Mount> mountsIn(const std::filesystem::path& folder) {
    return {{std::string(AddinFolder), folder / "addin"}, {"C:\\", folder / "drive_c"}};
}

std::filesystem::path prepared(std::filesystem::path folder) {
    for (const auto& sub : {"registry", "addin", "drive_c"}) std::filesystem::create_directories(folder / sub);
    return folder;
}

}  // namespace

SimHost::SimHost(std::filesystem::path profileFolder, platform::DateTime now, SystemSettings system)
    : folder_(prepared(std::move(profileFolder))),
      mounts_(mountsIn(folder_)),
      registry_(folder_ / "registry"),
      files_(mounts_),
      clock_(now),
      system_(std::move(system)) {}

std::unique_ptr<SimHost> SimHost::Temporary(platform::DateTime now, SystemSettings system) {
    auto host = std::make_unique<SimHost>(CreateTemporaryFolder("corvane-profile-"), now, std::move(system));
    host->temporary_ = true;
    return host;
}

SimHost::~SimHost() {
    if (!temporary_) return;
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

platform::Host SimHost::host() { return {registry_, ui_, shell_, http_, system_, clock_, files_}; }

}  // namespace corvane::simhost
