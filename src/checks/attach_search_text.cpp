#include <algorithm>
#include <cstddef>

#include "corvane/checks/attach_missing.h"
#include "corvane/text/text.h"
#include "word_bytes.h"

namespace corvane::checks::basCorvane {

namespace {

constexpr std::string_view kNoBreakSpace = "\xC2\xA0";

char upperAscii(char c) { return static_cast<char>(c - 32 * (static_cast<unsigned char>(c - 'a') < 26)); }

// Appends s upper-cased. A message body is mostly ASCII and can be long, so ASCII is
// mapped here eight bytes at a time; from the first other character on the text service
// maps the rest (ASCII never changes how a following character is upper-cased). Returns
// whether s was all ASCII.
bool appendUpper(std::string& out, std::string_view s) {
    namespace wb = word_bytes;
    const std::size_t base = out.size();
    out.resize(base + s.size());
    char* d = out.data() + base;
    std::size_t i = 0;
    for (; i + 8 <= s.size(); i += 8) {
        const std::uint64_t w = wb::load(s.data() + i);
        if (w & wb::kHighBits) break;
        wb::store(d + i, wb::upperAscii(w));
    }
    for (; i < s.size() && static_cast<unsigned char>(s[i]) < 0x80; ++i) d[i] = upperAscii(s[i]);
    if (i == s.size()) return true;
    out.resize(base + i);
    out += text::toUpper(s.substr(i));
    return false;
}

// In place: each two-byte U+00A0 becomes one space, the text between them moves up.
void noBreakSpacesToSpaces(std::string& s) {
    std::size_t r = s.find(kNoBreakSpace);
    std::size_t w = r;
    while (r != std::string::npos) {
        s[w++] = ' ';
        r += kNoBreakSpace.size();
        const std::size_t next = s.find(kNoBreakSpace, r);
        const std::size_t stop = next == std::string::npos ? s.size() : next;
        std::copy(s.begin() + static_cast<std::ptrdiff_t>(r), s.begin() + static_cast<std::ptrdiff_t>(stop),
                  s.begin() + static_cast<std::ptrdiff_t>(w));
        w += stop - r;
        r = next;
    }
    if (w != std::string::npos) s.resize(w);
}

}  // namespace

std::string BuildSearchText(std::string_view subject, std::string_view body, bool ignoreText,
                            std::string_view ignoreTextValue) {
    std::string text;
    text.reserve(subject.size() + 2 + body.size());
    const bool asciiSubject = appendUpper(text, subject);
    text += "\r\n";
    const bool asciiBody = appendUpper(text, body);
    if (!asciiSubject || !asciiBody) noBreakSpacesToSpaces(text);

    if (ignoreText) {
        std::string ignore = text::toUpper(text::trim(ignoreTextValue));
        noBreakSpacesToSpaces(ignore);
        if (!ignore.empty() && text.find(ignore) != std::string::npos) text = text::replaceAll(text, ignore, " ");
    }
    return text;
}

}  // namespace corvane::checks::basCorvane
