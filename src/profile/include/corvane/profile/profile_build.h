#pragma once
// Turning a profile into the simulated host's state and back: the mailbox into an Outlook,
// the registry values into the registry, the files onto the simulated disk; and capturing
// all of it again so that it can be saved as a profile file.
#include <vector>

#include "corvane/platform/registry.h"
#include "corvane/profile/profile.h"
#include "corvane/sim/address_book.h"
#include "corvane/sim/fwd.h"
#include "corvane/simhost/file_system.h"
#include "corvane/simhost/registry.h"
#include "corvane/simhost/sim_host.h"

namespace corvane::profile {

// Builds the mailbox into an Outlook that has none yet: the address book, the user, the
// stores, the accounts, the folders and their items (each with its id stamped on it).
// Checks the windows the profile opens at start. A reference to nothing is a FormatError
// naming the line that holds it.
void BuildMailbox(const Profile& profile, sim::SimApplication& app);

// The address book entry a profile entry describes, its defaults filled in by type.
sim::EntrySpec EntrySpecOf(const ProfileEntry& entry);

// Writes registry values and keys; a value the registry refuses is a FormatError.
void ApplyRegistryEdits(const std::vector<RegistryEdit>& edits, platform::Registry& registry);

// Creates the folders and writes (or removes) the files; a path outside the simulated
// disk is a FormatError.
void ApplyFileEdits(const std::vector<FileEdit>& files, const std::vector<DirectoryEdit>& directories,
                    simhost::SimFileSystem& fs);

// Everything as it stands now, as a profile: the mailbox and its open windows, both
// registry hives, and the files below each mount (the add-in folder's as addin_files).
Profile CaptureProfile(sim::SimApplication& app, simhost::SimRegistry& registry,
                       const std::vector<simhost::Mount>& mounts);

// Writes a profile's registry values and files into a host (BuildMailbox puts its mailbox
// into an Outlook). A value or file that cannot be written is a FormatError.
void ApplyProfile(const Profile& profile, simhost::SimHost& host);
// The host's profile as it stands now, with the mailbox of `app`.
Profile CaptureProfile(sim::SimApplication& app, simhost::SimHost& host);

}  // namespace corvane::profile
