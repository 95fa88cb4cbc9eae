#pragma once
// The simulated host around the add-in: one profile folder holding the registry hives
// (registry/), the add-in's folder (addin/, seen as AddinFolder) and the rest of the
// simulated disk C:\ (drive_c/); the scripted Ui, the shell, the internet, the machine and
// the clock. It builds the platform::Host the add-in is given. The Outlook that runs on
// the profile (SimApplication) is made by the caller, which passes files() as its files.
#include <filesystem>
#include <memory>
#include <vector>

#include "corvane/platform/clock.h"
#include "corvane/platform/host.h"
#include "corvane/simhost/file_registry.h"
#include "corvane/simhost/file_system.h"
#include "corvane/simhost/host_transcript.h"
#include "corvane/simhost/sim_http.h"
#include "corvane/simhost/sim_shell.h"
#include "corvane/simhost/sim_system_info.h"
#include "corvane/simhost/sim_ui.h"

namespace corvane::simhost {

class SimHost {
public:
    // A host on a profile folder (created when missing), its clock at `now`.
    SimHost(std::filesystem::path profileFolder, platform::DateTime now, SystemSettings system = {});
    // A host on a fresh temporary folder that goes away with the host.
    static std::unique_ptr<SimHost> Temporary(platform::DateTime now, SystemSettings system = {});
    ~SimHost();
    SimHost(const SimHost&) = delete;
    SimHost& operator=(const SimHost&) = delete;

    // What the add-in is given. The references stay good as long as the host lives.
    platform::Host host();

    const std::filesystem::path& folder() const { return folder_; }
    FileRegistry& registry() { return registry_; }
    SimFileSystem& files() { return files_; }
    ScriptedUi& ui() { return ui_; }
    HostTranscript& transcript() { return transcript_; }
    SimShell& shell() { return shell_; }
    SimHttp& http() { return http_; }
    SimSystemInfo& system() { return system_; }
    platform::FixedClock& clock() { return clock_; }
    // Windows path prefixes and the real folders behind them.
    const std::vector<Mount>& mounts() const { return mounts_; }

private:
    std::filesystem::path folder_;
    bool temporary_ = false;
    std::vector<Mount> mounts_;
    FileRegistry registry_;
    SimFileSystem files_;
    ScriptedUi ui_;
    HostTranscript transcript_{ui_};
    SimShell shell_{transcript_};
    platform::FixedClock clock_;
    SimHttp http_{transcript_, clock_};
    SimSystemInfo system_;
};

}  // namespace corvane::simhost
