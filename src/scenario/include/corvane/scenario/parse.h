#pragma once
// Reading scenario files (docs/scenarios.md); Linux only (YAML). Everything wrong in a file is a
// profile::FormatError naming the file, the line and the fault: unknown keys, values of the
// wrong kind, references to items no profile or earlier step defines.
#include <filesystem>
#include <string>
#include <vector>

#include "corvane/profile/profile_file.h"
#include "corvane/scenario/scenario.h"

namespace corvane::scenario {

// Every scenario of a file, one per YAML document. `file` is the name used in messages;
// relative paths inside (profiles, copied files) are taken from its folder.
std::vector<Scenario> ParseScenarios(const std::string& text, const std::string& file);
std::vector<Scenario> LoadScenarioFile(const std::filesystem::path& path);

// Parts shared by the step parser.
std::vector<simhost::UiStep> ParsePrompts(const profile::YamlInput& in, const YAML::Node& node);
Expectations ParseExpectations(const profile::YamlInput& in, const YAML::Node& node);
// `settings` and `preset`: setting name -> text, {dword: n} or nothing, as registry edits
// of the product's per-user key (HKCU) or its machine preset key (HKLM).
void ParseSettings(const profile::YamlInput& in, const YAML::Node& node, platform::Hive hive,
                   std::vector<profile::RegistryEdit>& out);
std::string SettingsKey(platform::Hive hive);

}  // namespace corvane::scenario
