// Case mapping and case-insensitive search with the Windows NLS functions, in the
// invariant locale so that the user's regional settings change nothing. Windows works in
// UTF-16; only well-formed UTF-8 crosses over, ill-formed bytes stay as they are.
#include "win32_api.h"

#include <climits>
#include <optional>

#include "ascii.h"
#include "corvane/text/utf8.h"
#include "unicode.h"

namespace corvane::text::unicode {

namespace {

// Case is ignored the way the language does it; no other difference (accents, width,
// kana) is ignored.
constexpr DWORD kIgnoreCase = LINGUISTIC_IGNORECASE;

bool fitsInt(std::size_t n) { return n <= static_cast<std::size_t>(INT_MAX); }

// Well-formed UTF-8 to UTF-16; nothing when the text is ill-formed or too long.
std::optional<std::wstring> toWide(std::string_view s) {
    if (s.empty()) return std::wstring();
    if (!fitsInt(s.size())) return std::nullopt;
    const int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, s.data(), static_cast<int>(s.size()), nullptr, 0);
    if (n <= 0) return std::nullopt;
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, s.data(), static_cast<int>(s.size()), out.data(), n) != n)
        return std::nullopt;
    return out;
}

std::optional<std::string> toUtf8(const std::wstring& w) {
    if (w.empty()) return std::string();
    const int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    if (n <= 0) return std::nullopt;
    std::string out(static_cast<std::size_t>(n), '\0');
    if (WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr, nullptr) != n)
        return std::nullopt;
    return out;
}

// One well-formed run mapped with LCMapStringEx; the run unchanged when Windows fails.
std::string mapRun(std::string_view run, DWORD flags) {
    const auto wide = toWide(run);
    if (!wide || wide->empty()) return std::string(run);
    const int len = static_cast<int>(wide->size());
    const int n = LCMapStringEx(LOCALE_NAME_INVARIANT, flags, wide->data(), len, nullptr, 0, nullptr, nullptr, 0);
    if (n <= 0) return std::string(run);
    std::wstring mapped(static_cast<std::size_t>(n), L'\0');
    if (LCMapStringEx(LOCALE_NAME_INVARIANT, flags, wide->data(), len, mapped.data(), n, nullptr, nullptr, 0) != n)
        return std::string(run);
    auto back = toUtf8(mapped);
    return back ? std::move(*back) : std::string(run);
}

// Maps each well-formed run and copies every ill-formed byte as it is.
std::string mapText(std::string_view s, DWORD flags) {
    std::string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t valid = validUtf8Length(s.substr(i));
        if (valid > 0) {
            out += mapRun(s.substr(i, valid), flags);
            i += valid;
        }
        if (i < s.size()) out += s[i++];
    }
    return out;
}

// The matches in one well-formed run, with FindNLSStringEx. It reports the matched
// length in the source, which may differ from the needle's ("SS" for "ß"); the UTF-16
// span is turned back into bytes in one forward pass.
void findInRun(std::string_view run, const std::wstring& key, std::size_t base, std::size_t limit,
               std::vector<Match>& out) {
    const auto hay = toWide(run);
    if (!hay) return;
    Utf16Offsets offsets(run);
    std::size_t pos = 0;
    std::size_t found = 0;
    while (found < limit && pos < hay->size()) {
        int length = 0;
        const int at = FindNLSStringEx(LOCALE_NAME_INVARIANT, FIND_FROMSTART | kIgnoreCase, hay->data() + pos,
                                       static_cast<int>(hay->size() - pos), key.data(), static_cast<int>(key.size()),
                                       &length, nullptr, nullptr, 0);
        if (at < 0) return;
        const std::size_t start = pos + static_cast<std::size_t>(at);
        const std::size_t end = start + static_cast<std::size_t>(length > 0 ? length : 0);
        if (end == start) {
            // A needle of characters Windows ignores matches nothing that can be replaced.
            pos = start + 1;
            continue;
        }
        const std::size_t byteStart = offsets.byteOffset(start);
        const std::size_t byteEnd = offsets.byteOffset(end);
        out.push_back({base + byteStart, byteEnd - byteStart});
        ++found;
        pos = end;
    }
}

}  // namespace

std::string toUpper(std::string_view s) { return mapText(s, LCMAP_UPPERCASE); }

std::string toLower(std::string_view s) { return mapText(s, LCMAP_LOWERCASE); }

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.empty() || b.empty()) return a.empty() && b.empty();
    const auto wa = toWide(a);
    const auto wb = toWide(b);
    if (!wa || !wb) return ascii::equalsNoCase(a, b);
    return CompareStringEx(LOCALE_NAME_INVARIANT, kIgnoreCase, wa->data(), static_cast<int>(wa->size()), wb->data(),
                           static_cast<int>(wb->size()), nullptr, nullptr, 0) == CSTR_EQUAL;
}

// A well-formed needle cannot match across an ill-formed byte, so each well-formed run
// of the haystack is searched on its own. An ill-formed needle is compared byte-wise.
void findAllNoCase(std::string_view haystack, std::string_view needle, std::size_t base, std::size_t limit,
                   std::vector<Match>& out) {
    const auto key = validUtf8Length(needle) == needle.size() ? toWide(needle) : std::nullopt;
    if (!key || key->empty()) {
        ascii::findAllBytesNoCase(haystack, needle, base, limit, out);
        return;
    }
    const std::size_t before = out.size();
    std::size_t i = 0;
    while (i < haystack.size() && out.size() - before < limit) {
        const std::size_t valid = validUtf8Length(haystack.substr(i));
        if (valid > 0) {
            findInRun(haystack.substr(i, valid), *key, base + i, limit - (out.size() - before), out);
            i += valid;
        }
        ++i;  // the ill-formed byte
    }
}

}  // namespace corvane::text::unicode
