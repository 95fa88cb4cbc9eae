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

// The code point that starts at byte `i` of well-formed UTF-8; moves `i` past it.
char32_t decode(std::string_view s, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    const std::size_t len = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t c = len == 1 ? lead : lead & (0x7Fu >> len);
    for (std::size_t k = 1; k < len && i + k < s.size(); ++k)
        c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3Fu);
    i += len;
    return c;
}

}  // namespace

std::vector<std::uint8_t> toUtf16le(std::string_view utf8) {
    std::vector<std::uint8_t> out;
    out.reserve(utf8.size() * 2);
    auto unit = [&](unsigned u) {
        out.push_back(static_cast<std::uint8_t>(u & 0xFF));
        out.push_back(static_cast<std::uint8_t>(u >> 8));
    };
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c = decode(utf8, i);
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
