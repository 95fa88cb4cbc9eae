#include "corvane/checks/tag_file.h"

#include "corvane/checks/subject_tags.h"
#include "corvane/text/text.h"

namespace corvane::checks::basCorvane {

std::vector<std::string> TagFileLines(std::string_view content) {
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (content.starts_with(bom)) content.remove_prefix(bom.size());
    std::vector<std::string> lines;
    while (!content.empty()) {
        const std::size_t lf = content.find('\n');
        std::string_view line = content.substr(0, lf);
        if (lf != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
        lines.emplace_back(line);
        content.remove_prefix(lf == std::string_view::npos ? content.size() : lf + 1);
    }
    return lines;
}

std::optional<std::vector<std::string>> ReadTagFile(platform::FileSystem& files, std::string_view path) {
    const auto content = files.readFile(path);
    if (!content) return std::nullopt;
    auto lines = TagFileLines(*content);
    for (const auto& line : lines)
        if (!text::trim(line).empty()) return lines;
    return std::nullopt;
}

std::string FindReFwFromFile(platform::FileSystem& files, std::string_view text, std::string_view path, bool& found) {
    const auto tags = ReadTagFile(files, path);
    found = tags.has_value();
    if (!tags) return std::string(text);
    std::string out(text);
    for (const auto& tag : *tags) out = MultipleRemove(out, tag);
    return out;
}

}  // namespace corvane::checks::basCorvane
