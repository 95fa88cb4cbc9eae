#include "corvane/profile/yaml_input.h"

#include <yaml-cpp/eventhandler.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "corvane/text/utf8.h"

namespace corvane::profile {

namespace {

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

const char* kindOf(const YAML::Node& node) {
    switch (node.Type()) {
        case YAML::NodeType::Null: return "nothing";
        case YAML::NodeType::Scalar: return "a text";
        case YAML::NodeType::Sequence: return "a list";
        case YAML::NodeType::Map: return "a mapping";
        default: return "nothing";
    }
}

std::optional<std::int64_t> parseInteger(std::string_view s) {
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    int base = 10;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    }
    if (s.empty()) return std::nullopt;
    std::int64_t value = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value, base);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return negative ? -value : value;
}

// Notes where each document of a stream starts and nothing else.
class DocumentStarts final : public YAML::EventHandler {
public:
    void OnDocumentStart(const YAML::Mark& mark) override { start = mark; }
    void OnDocumentEnd() override {}
    void OnNull(const YAML::Mark&, YAML::anchor_t) override {}
    void OnAlias(const YAML::Mark&, YAML::anchor_t) override {}
    void OnScalar(const YAML::Mark&, const std::string&, YAML::anchor_t, const std::string&) override {}
    void OnSequenceStart(const YAML::Mark&, const std::string&, YAML::anchor_t, YAML::EmitterStyle::value) override {}
    void OnSequenceEnd() override {}
    void OnMapStart(const YAML::Mark&, const std::string&, YAML::anchor_t, YAML::EmitterStyle::value) override {}
    void OnMapEnd() override {}

    YAML::Mark start;
};

// Where a document would begin with a token no node can begin with (a lone ","), yaml-cpp
// 0.7's LoadAll reads an empty document there without moving on, again and again, until
// memory runs out. A first pass over the stream's events finds that place.
std::optional<YAML::Mark> stuckDocument(const std::string& text) {
    std::istringstream in(text);
    YAML::Parser parser(in);
    DocumentStarts events;
    std::optional<int> previous;
    while (parser.HandleNextDocument(events)) {
        if (previous == events.start.pos) return events.start;
        previous = events.start.pos;
    }
    return std::nullopt;
}

// Where byte `pos` of a stream stands, for messages: its line (from 1) and column (from 1).
std::pair<int, std::size_t> lineAndColumn(const std::string& yaml, std::size_t pos) {
    const std::size_t newline = pos == 0 ? std::string::npos : yaml.rfind('\n', pos - 1);
    const std::size_t lineStart = newline == std::string::npos ? 0 : newline + 1;
    const auto line = 1 + std::count(yaml.begin(), yaml.begin() + static_cast<std::ptrdiff_t>(lineStart), '\n');
    return {static_cast<int>(line), pos - lineStart + 1};
}

// Files are read as UTF-8 and nothing else. A byte that begins no UTF-8 character, or a zero
// byte (which the YAML reader would take for something else), is refused where it stands
// rather than read as text that a written copy of the same file would not hold.
void requireUtf8(const std::string& yaml, const std::string& file) {
    const auto starts = [&](std::string_view bom) { return yaml.starts_with(bom); };
    if (starts("\xFF\xFE") || starts("\xFE\xFF") || starts(std::string_view("\0\0\xFE\xFF", 4)))
        throw FormatError({file, 1},
                          "the file is UTF-16 or UTF-32 (it begins with a byte order mark): save it as UTF-8");
    const std::size_t good = text::validUtf8Length(yaml);
    const std::size_t zero = yaml.find('\0');
    if (good == yaml.size() && zero == std::string::npos) return;
    const std::size_t pos = std::min(good, zero);
    const auto [line, column] = lineAndColumn(yaml, pos);
    if (pos == zero)
        throw FormatError({file, line}, "a zero byte at column " + std::to_string(column) +
                                            ": write it as \"\\0\" inside double quotes");
    char byte[8];
    std::snprintf(byte, sizeof byte, "0x%02X", static_cast<unsigned char>(yaml[pos]));
    throw FormatError({file, line}, "not valid UTF-8: the byte " + std::string(byte) + " at column " +
                                        std::to_string(column) + " begins no whole character");
}

}  // namespace

Where YamlInput::at(const YAML::Node& node) const {
    const YAML::Mark mark = node.Mark();
    return {file_, mark.line >= 0 ? mark.line + 1 : 0};
}

void YamlInput::fail(const YAML::Node& node, const std::string& problem) const {
    throw FormatError(at(node), problem);
}

std::filesystem::path YamlInput::relative(std::string_view path) const {
    std::filesystem::path p(path);
    if (p.is_absolute()) return p;
    return std::filesystem::path(file_).parent_path() / p;
}

std::string YamlInput::text(const YAML::Node& node, std::string_view what) const {
    if (!node.IsScalar()) fail(node, std::string(what) + " must be a text, not " + kindOf(node));
    return node.Scalar();
}

bool YamlInput::boolean(const YAML::Node& node, std::string_view what) const {
    const std::string t = lower(text(node, what));
    if (t == "true" || t == "yes") return true;
    if (t == "false" || t == "no") return false;
    fail(node, std::string(what) + " must be true or false, not \"" + node.Scalar() + "\"");
}

std::int64_t YamlInput::integer(const YAML::Node& node, std::string_view what, std::int64_t min,
                                std::int64_t max) const {
    const std::string t = text(node, what);
    auto value = parseInteger(t);
    if (!value) fail(node, std::string(what) + " must be a whole number, not \"" + t + "\"");
    if (*value < min || *value > max)
        fail(node, std::string(what) + " must lie between " + std::to_string(min) + " and " + std::to_string(max) +
                       ", not " + t);
    return *value;
}

platform::DateTime YamlInput::time(const YAML::Node& node, std::string_view what) const {
    const std::string t = text(node, what);
    auto value = platform::DateTime::parseIso(t);
    if (!value) fail(node, std::string(what) + " must be a time written YYYY-MM-DD HH:MM:SS, not \"" + t + "\"");
    return *value;
}

std::int64_t YamlInput::seconds(const YAML::Node& node, std::string_view what) const {
    const std::string t = text(node, what);
    std::int64_t total = 0;
    bool any = false;
    std::size_t i = 0;
    auto bad = [&] {
        fail(node, std::string(what) + " must be a span such as \"90s\", \"2m\" or \"1d 2h 30m\", not \"" + t + "\"");
    };
    while (i < t.size()) {
        if (t[i] == ' ') {
            ++i;
            continue;
        }
        std::size_t start = i;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i;
        if (start == i) bad();
        std::int64_t n = 0;
        std::from_chars(t.data() + start, t.data() + i, n);
        std::int64_t unit = 1;
        if (i < t.size() && t[i] != ' ') {
            switch (t[i]) {
                case 'd': unit = 86400; break;
                case 'h': unit = 3600; break;
                case 'm': unit = 60; break;
                case 's': unit = 1; break;
                default: bad();
            }
            ++i;
        }
        if (n > 100000000) bad();
        total += n * unit;
        any = true;
    }
    if (!any) bad();
    return total;
}

std::vector<std::string> YamlInput::texts(const YAML::Node& node, std::string_view what) const {
    if (node.IsScalar()) return {node.Scalar()};
    if (!node.IsSequence()) fail(node, std::string(what) + " must be a list of texts, not " + kindOf(node));
    std::vector<std::string> out;
    for (const auto& element : node) out.push_back(text(element, std::string("each of ") + std::string(what)));
    return out;
}

std::size_t YamlInput::choice(const YAML::Node& node, std::string_view what,
                              const std::vector<std::string_view>& words) const {
    const std::string t = lower(text(node, what));
    for (std::size_t i = 0; i < words.size(); ++i)
        if (t == words[i]) return i;
    fail(node, std::string(what) + " must be " + JoinWords(words) + ", not \"" + node.Scalar() + "\"");
}

void YamlInput::requireSequence(const YAML::Node& node, std::string_view what) const {
    if (!node.IsSequence()) fail(node, std::string(what) + " must be a list, not " + kindOf(node));
}

std::vector<YAML::Node> LoadYamlDocuments(const std::string& text, const std::string& file) {
    requireUtf8(text, file);
    try {
        if (auto stuck = stuckDocument(text))
            throw FormatError({file, stuck->line + 1}, "not valid YAML: no document or value can start here");
        return YAML::LoadAll(text);
    } catch (const YAML::ParserException& e) {
        throw FormatError({file, e.mark.line >= 0 ? e.mark.line + 1 : 0}, "not valid YAML: " + e.msg);
    }
}

std::string ReadTextFile(const std::filesystem::path& path, const std::string& nameForMessages) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw FormatError({nameForMessages, 0}, "cannot read the file");
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

YamlMap::YamlMap(const YamlInput& in, const YAML::Node& node, std::string what)
    : in_(in), node_(node), what_(std::move(what)) {
    if (node.IsNull()) return;  // an empty mapping written as nothing ("start:")
    if (!node.IsMap()) in.fail(node, what_ + " must be a mapping of keys to values, not " + kindOf(node));
    for (auto it = node.begin(); it != node.end(); ++it) {
        if (!it->first.IsScalar()) in.fail(it->first, "a key of " + what_ + " must be a text");
        const std::string key = it->first.Scalar();
        for (const auto& [seen, value] : entries_)
            if (seen == key) in.fail(it->first, "the key \"" + key + "\" is written twice in " + what_);
        entries_.emplace_back(key, it->second);
        keyNodes_.push_back(it->first);
    }
}

std::optional<YAML::Node> YamlMap::get(std::string_view key) {
    if (std::find(known_.begin(), known_.end(), key) == known_.end()) known_.emplace_back(key);
    for (const auto& [k, value] : entries_)
        if (k == key) return value;
    return std::nullopt;
}

YAML::Node YamlMap::require(std::string_view key) {
    auto value = get(key);
    if (!value) in_.fail(node_, what_ + " needs the key \"" + std::string(key) + "\"");
    return *value;
}

void YamlMap::done() const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const std::string& key = entries_[i].first;
        if (std::find(known_.begin(), known_.end(), key) != known_.end()) continue;
        std::vector<std::string_view> words(known_.begin(), known_.end());
        in_.fail(keyNodes_[i], "unknown key \"" + key + "\" in " + what_ +
                                   (words.empty() ? std::string(" (it takes no keys)")
                                                  : " (known keys: " + JoinWords(words, ", ") + ")"));
    }
}

}  // namespace corvane::profile
