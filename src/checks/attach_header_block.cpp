#include "corvane/checks/attach_missing.h"
#include "corvane/platform/error.h"

namespace corvane::checks::basCorvane {

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::size_t npos = std::string_view::npos;

// A header line without the line break that ends it fails as the classic string functions
// did on the negative length.
[[noreturn]] void headerCutShort() { throw platform::PlatformError(platform::errors::InvalidCall); }

std::size_t lineEnd(std::string_view body, std::size_t from) {
    const std::size_t at = body.find(kLineBreak, from);
    if (at == npos) headerCutShort();
    return at;
}

bool lineContains(std::string_view body, std::size_t begin, std::size_t end, std::string_view word) {
    return body.substr(begin, end - begin).find(word) != npos;
}

}  // namespace

std::optional<std::size_t> FindHeaderBlock(std::string_view body) {
    std::size_t from = 0;
    for (;;) {
        const std::size_t pos = body.find("From:", from);
        if (pos == npos) return std::nullopt;
        const std::size_t fromEnd = lineEnd(body, pos);
        const std::size_t sentEnd = lineEnd(body, fromEnd + 2);
        if (lineContains(body, fromEnd + 2, sentEnd, "Sent:")) {
            const std::size_t toEnd = lineEnd(body, sentEnd + 2);
            if (lineContains(body, sentEnd + 2, toEnd, "To:")) return pos;
        }
        // Any later "From:" on the same line is followed by the same two lines.
        from = fromEnd;
    }
}

std::string_view CutQuotedMessage(std::string_view body) {
    const auto at = FindHeaderBlock(body);
    return at ? body.substr(0, *at + 1) : body;
}

}  // namespace corvane::checks::basCorvane
