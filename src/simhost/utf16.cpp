#include "utf16.h"

namespace corvane::simhost::utf {

namespace {

void appendUtf8(std::string& out, char32_t c) {
    auto put = [&](unsigned v) { out += static_cast<char>(v); };
    if (c < 0x80) {
        put(c);
    } else if (c < 0x800) {
        put(0xC0 | (c >> 6));
        put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        put(0xE0 | (c >> 12));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    } else {
        put(0xF0 | (c >> 18));
        put(0x80 | ((c >> 12) & 0x3F));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    }
}

// Decodes one code point at `i` of well-formed or unchecked UTF-8; the length in bytes,
// or 0 when the sequence there is not well-formed.
std::size_t decode(std::string_view s, std::size_t i, char32_t& c) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned lead = b(i);
    if (lead < 0x80) {
        c = lead;
        return 1;
    }
    // Sequence length, payload bits of the lead byte, smallest code point of that length.
    std::size_t len = 0;
    char32_t min = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        len = 2;
        c = lead & 0x1F;
        min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        len = 3;
        c = lead & 0x0F;
        min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        len = 4;
        c = lead & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > s.size()) return 0;
    for (std::size_t k = 1; k < len; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return 0;
        c = (c << 6) | (b(i + k) & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return len;
}

}  // namespace

std::size_t firstInvalidUtf8(std::string_view s) {
    char32_t c;
    for (std::size_t i = 0; i < s.size();) {
        std::size_t len = decode(s, i, c);
        if (len == 0) return i;
        i += len;
    }
    return std::string_view::npos;
}

std::vector<std::uint8_t> toUtf16le(std::string_view utf8) {
    std::vector<std::uint8_t> out;
    out.reserve(utf8.size() * 2);
    auto unit = [&](unsigned u) {
        out.push_back(static_cast<std::uint8_t>(u & 0xFF));
        out.push_back(static_cast<std::uint8_t>(u >> 8));
    };
    char32_t c;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t len = decode(utf8, i, c);
        if (len == 0) {  // not expected: callers check first; keep going with U+FFFD
            c = 0xFFFD;
            len = 1;
        }
        i += len;
        if (c >= 0x10000) {
            c -= 0x10000;
            unit(0xD800 | (c >> 10));
            unit(0xDC00 | (c & 0x3FF));
        } else {
            unit(c);
        }
    }
    return out;
}

std::optional<std::string> fromUtf16le(const std::uint8_t* data, std::size_t size) {
    if (size % 2) return std::nullopt;
    std::string out;
    out.reserve(size);
    for (std::size_t i = 0; i < size; i += 2) {
        char32_t u = static_cast<char32_t>(data[i] | (data[i + 1] << 8));
        if (u >= 0xDC00 && u <= 0xDFFF) return std::nullopt;
        if (u >= 0xD800 && u <= 0xDBFF) {
            if (i + 3 >= size) return std::nullopt;
            char32_t low = static_cast<char32_t>(data[i + 2] | (data[i + 3] << 8));
            if (low < 0xDC00 || low > 0xDFFF) return std::nullopt;
            u = 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        appendUtf8(out, u);
    }
    return out;
}

}  // namespace corvane::simhost::utf
