#include "corvane/text/utf8.h"

#include <algorithm>

namespace corvane::text {

namespace {

unsigned char byteAt(std::string_view s, std::size_t i) { return static_cast<unsigned char>(s[i]); }

bool inRange(unsigned char c, unsigned char lo, unsigned char hi) { return c >= lo && c <= hi; }

bool startsChar(char c) { return !inRange(static_cast<unsigned char>(c), 0x80, 0xBF); }

// Length of the well-formed sequence that starts at i, or 0 when it is ill-formed.
std::size_t sequenceLength(std::string_view s, std::size_t i) {
    const unsigned char c = byteAt(s, i);
    if (c < 0x80) return 1;
    std::size_t len = 0;
    unsigned char lo = 0x80, hi = 0xBF;  // the allowed range of the second byte
    if (inRange(c, 0xC2, 0xDF)) {
        len = 2;
    } else if (inRange(c, 0xE0, 0xEF)) {
        len = 3;
        if (c == 0xE0) lo = 0xA0;  // overlong
        if (c == 0xED) hi = 0x9F;  // surrogates
    } else if (inRange(c, 0xF0, 0xF4)) {
        len = 4;
        if (c == 0xF0) lo = 0x90;  // overlong
        if (c == 0xF4) hi = 0x8F;  // above U+10FFFF
    } else {
        return 0;
    }
    if (i + len > s.size()) return 0;
    if (!inRange(byteAt(s, i + 1), lo, hi)) return 0;
    for (std::size_t k = 2; k < len; ++k)
        if (!inRange(byteAt(s, i + k), 0x80, 0xBF)) return 0;
    return len;
}

}  // namespace

std::size_t validUtf8Length(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t len = sequenceLength(s, i);
        if (len == 0) break;
        i += len;
    }
    return i;
}

bool isCharBoundary(std::string_view s, std::size_t pos) {
    if (pos == 0 || pos >= s.size()) return pos <= s.size();
    // Look back at most three bytes for the lead byte of a sequence covering pos.
    for (std::size_t back = 1; back <= 3 && back <= pos; ++back) {
        const unsigned char c = byteAt(s, pos - back);
        if (inRange(c, 0x80, 0xBF)) continue;
        return sequenceLength(s, pos - back) <= back;
    }
    return true;
}

std::size_t charCount(std::string_view s) {
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), startsChar));
}

std::size_t charOffset(std::string_view s, std::size_t n) {
    for (std::size_t i = 0; i < s.size(); ++i)
        if (startsChar(s[i]) && n-- == 0) return i;
    return s.size();
}

std::size_t Utf16Offsets::byteOffset(std::size_t units) {
    while (units_ < units && bytes_ < text_.size()) {
        const unsigned char c = byteAt(text_, bytes_);
        const std::size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        bytes_ += len;
        units_ += len == 4 ? 2 : 1;
    }
    if (bytes_ > text_.size()) bytes_ = text_.size();
    return bytes_;
}

}  // namespace corvane::text
