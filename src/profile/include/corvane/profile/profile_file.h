#pragma once
// Profile files (docs/profiles.md): reading them strictly and writing them as YAML. Not in
// the Windows build, which has no YAML: profiles are built in code there.
#include <filesystem>
#include <string>
#include <vector>

#include "corvane/profile/profile.h"
#include "corvane/profile/yaml_input.h"

namespace corvane::profile {

// Reading. A relative path in `{from: path}` is taken from the file's folder.
Profile ParseProfile(const YamlInput& in, const YAML::Node& node);
// The path is also the file's name in messages.
Profile LoadProfileFile(const std::filesystem::path& path);

// The parts of a profile that other files share: registry values ("HKCU" / "HKLM" maps of
// keys to values) and files (names or paths to contents).
void ParseRegistry(const YamlInput& in, const YAML::Node& node, std::vector<RegistryEdit>& out);
// The values of one key: name -> text, {dword: n}, {hex: "..", type: n} or nothing (delete).
void ParseRegistryValues(const YamlInput& in, const YAML::Node& node, platform::Hive hive, const std::string& key,
                         std::vector<RegistryEdit>& out);
// Files: name -> text, {from: path} or nothing (absent). `folder` is put before each name.
void ParseFiles(const YamlInput& in, const YAML::Node& node, const std::string& folder, std::vector<FileEdit>& out);
// Folders: a list of full Windows paths.
void ParseDirectories(const YamlInput& in, const YAML::Node& node, std::vector<DirectoryEdit>& out);

// Writing: the profile as YAML text, readable and loadable again; saved by replacing the
// file atomically.
std::string FormatProfile(const Profile& profile);
void SaveProfileFile(const Profile& profile, const std::filesystem::path& path);

}  // namespace corvane::profile
