#pragma once
// Strict reading of the YAML files people write by hand (profiles, scenarios): every
// mistake is refused with the file, the line and what is wrong, and a key the reader does
// not know is a mistake, so that a typo never passes silently.
#include <yaml-cpp/yaml.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "corvane/platform/datetime.h"
#include "corvane/profile/where.h"

namespace corvane::profile {

// One YAML file being read. `file` is the name used in messages (as the user gave it).
class YamlInput {
public:
    explicit YamlInput(std::string file) : file_(std::move(file)) {}

    const std::string& file() const { return file_; }
    Where at(const YAML::Node& node) const;
    [[noreturn]] void fail(const YAML::Node& node, const std::string& problem) const;

    // A path written in this file, taken from the file's folder when relative.
    std::filesystem::path relative(std::string_view path) const;

    // Scalars. `what` names the value in messages ("the subject of item m1").
    std::string text(const YAML::Node& node, std::string_view what) const;
    bool boolean(const YAML::Node& node, std::string_view what) const;
    std::int64_t integer(const YAML::Node& node, std::string_view what, std::int64_t min, std::int64_t max) const;
    // "YYYY-MM-DD HH:MM:SS" (also without seconds, or a date alone).
    platform::DateTime time(const YAML::Node& node, std::string_view what) const;
    // A span such as "90", "90s", "2m", "1d 2h 30m 10s": seconds.
    std::int64_t seconds(const YAML::Node& node, std::string_view what) const;
    // A list of texts; a single text counts as a list of one.
    std::vector<std::string> texts(const YAML::Node& node, std::string_view what) const;
    // One of several words (compared without regard to case).
    std::size_t choice(const YAML::Node& node, std::string_view what,
                       const std::vector<std::string_view>& words) const;

    void requireSequence(const YAML::Node& node, std::string_view what) const;

private:
    std::string file_;
};

// Every document of a YAML text; a syntax error is a FormatError.
std::vector<YAML::Node> LoadYamlDocuments(const std::string& text, const std::string& file);
// The text of a file; a FormatError when it cannot be read.
std::string ReadTextFile(const std::filesystem::path& path, const std::string& nameForMessages);

// A mapping read key by key. Each get() names a key the reader knows; done() refuses any
// other key with the list of those it knows. Keys are compared exactly; a key written
// twice is refused when the map is opened.
class YamlMap {
public:
    YamlMap(const YamlInput& in, const YAML::Node& node, std::string what);

    std::optional<YAML::Node> get(std::string_view key);
    YAML::Node require(std::string_view key);
    // Refuses the first key that no get() asked for.
    void done() const;

    // The keys and values in file order, for maps whose keys are data (folder paths,
    // registry keys, setting names).
    const std::vector<std::pair<std::string, YAML::Node>>& entries() const { return entries_; }
    std::vector<YAML::Node> keyNodes() const { return keyNodes_; }
    const YAML::Node& node() const { return node_; }
    const std::string& what() const { return what_; }

private:
    const YamlInput& in_;
    YAML::Node node_;
    std::string what_;
    std::vector<std::pair<std::string, YAML::Node>> entries_;
    std::vector<YAML::Node> keyNodes_;
    std::vector<std::string> known_;
};

}  // namespace corvane::profile
