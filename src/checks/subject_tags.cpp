#include "corvane/checks/subject_tags.h"

#include <algorithm>
#include <array>

#include "corvane/text/text.h"

namespace corvane::checks::basCorvane {

namespace {

constexpr std::array<std::string_view, 2> kReplyForwardTags{"RE:", "FW:"};

bool IsBlank(std::string_view s) { return corvane::text::trim(s).empty(); }

}  // namespace

std::string MultipleRemove(std::string_view text, std::string_view tag) {
    if (IsBlank(text)) return {};
    const auto first = corvane::text::findNoCaseSpan(text, tag);
    if (!first) return std::string(text);
    const std::size_t kept = first->pos + first->len;
    std::string out(text.substr(0, kept));
    out += corvane::text::replaceAll(text.substr(kept), tag, "", corvane::text::Compare::Text);
    return out;
}

std::string TrimSpaceAfterFirstSpace(std::string_view text) {
    if (IsBlank(text)) return {};
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos) return std::string(text);
    std::size_t rest = blank + 1;
    while (rest < text.size() && text[rest] == ' ') ++rest;
    std::string out(text.substr(0, blank + 1));
    out += text.substr(rest);
    return out;
}

std::string RemoveLastTagIfMultipleTogether(std::string_view text) {
    if (IsBlank(text)) return std::string(text);
    const std::size_t firstBlank = text.find(' ');
    if (firstBlank == std::string_view::npos) return std::string(text);
    const std::string_view first = text.substr(0, firstBlank);
    if (!WordInArray(kReplyForwardTags, first)) return std::string(text);
    // Dropping a word leaves the first tag followed by the text from the blank after the
    // dropped word, so only that blank's position needs to move on.
    std::size_t blank = firstBlank;
    for (;;) {
        const std::size_t next = text.find(' ', blank + 1);
        if (next == std::string_view::npos) break;
        if (!WordInArray(kReplyForwardTags, text.substr(blank + 1, next - blank - 1))) break;
        blank = next;
    }
    std::string out(first);
    out += text.substr(blank);
    return out;
}

bool WordInArray(std::span<const std::string_view> list, std::string_view word) {
    return std::find(list.begin(), list.end(), word) != list.end();
}

bool WordInArray(std::span<const std::string> list, std::string_view word) {
    return std::find(list.begin(), list.end(), word) != list.end();
}

}  // namespace corvane::checks::basCorvane
