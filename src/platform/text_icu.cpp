// Case mapping and case-insensitive search with ICU's full Unicode case mapping.
#include <unicode/casemap.h>
#include <unicode/edits.h>
#include <unicode/bytestream.h>
#include <unicode/uchar.h>
#include <unicode/utypes.h>

#include "corvane/platform/text.h"

namespace corvane::text {

namespace {

bool isAscii(std::string_view s) {
    for (unsigned char c : s)
        if (c >= 0x80) return false;
    return true;
}

char asciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

template <class Fn>
std::string mapWith(std::string_view s, Fn fn, icu::Edits* edits = nullptr) {
    std::string out;
    icu::StringByteSink<std::string> sink(&out, static_cast<int32_t>(s.size()));
    UErrorCode status = U_ZERO_ERROR;
    fn(icu::StringPiece(s.data(), static_cast<int32_t>(s.size())), sink, edits, status);
    if (U_FAILURE(status)) return std::string(s);  // invalid UTF-8 stays as it is
    return out;
}

std::string fold(std::string_view s, icu::Edits* edits) {
    return mapWith(
        s,
        [](icu::StringPiece in, icu::ByteSink& sink, icu::Edits* e, UErrorCode& st) {
            icu::CaseMap::utf8Fold(U_FOLD_CASE_DEFAULT, in, sink, e, st);
        },
        edits);
}

}  // namespace

std::string toUpper(std::string_view s) {
    if (isAscii(s)) {
        std::string out(s);
        for (char& c : out) c = asciiUpper(c);
        return out;
    }
    return mapWith(s, [](icu::StringPiece in, icu::ByteSink& sink, icu::Edits* e, UErrorCode& st) {
        icu::CaseMap::utf8ToUpper("", 0, in, sink, e, st);
    });
}

std::string toLower(std::string_view s) {
    if (isAscii(s)) {
        std::string out(s);
        for (char& c : out) c = asciiLower(c);
        return out;
    }
    return mapWith(s, [](icu::StringPiece in, icu::ByteSink& sink, icu::Edits* e, UErrorCode& st) {
        icu::CaseMap::utf8ToLower("", 0, in, sink, e, st);
    });
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (isAscii(a) && isAscii(b)) {
        if (a.size() != b.size()) return false;
        for (std::size_t i = 0; i < a.size(); ++i)
            if (asciiLower(a[i]) != asciiLower(b[i])) return false;
        return true;
    }
    return fold(a, nullptr) == fold(b, nullptr);
}

std::size_t findNoCase(std::string_view haystack, std::string_view needle, std::size_t from) {
    if (from > haystack.size()) return std::string_view::npos;
    if (needle.empty()) return from;
    const std::string_view rest = haystack.substr(from);
    if (isAscii(rest) && isAscii(needle)) {
        const char first = asciiLower(needle[0]);
        for (std::size_t i = 0; i + needle.size() <= rest.size(); ++i) {
            if (asciiLower(rest[i]) != first) continue;
            std::size_t k = 1;
            while (k < needle.size() && asciiLower(rest[i + k]) == asciiLower(needle[k])) ++k;
            if (k == needle.size()) return from + i;
        }
        return std::string_view::npos;
    }
    icu::Edits edits;
    const std::string foldedHay = fold(rest, &edits);
    const std::string foldedNeedle = fold(needle, nullptr);
    const std::size_t at = foldedHay.find(foldedNeedle);
    if (at == std::string::npos) return std::string_view::npos;
    UErrorCode status = U_ZERO_ERROR;
    auto it = edits.getFineIterator();
    const int32_t src = it.sourceIndexFromDestinationIndex(static_cast<int32_t>(at), status);
    if (U_FAILURE(status)) return std::string_view::npos;
    return from + static_cast<std::size_t>(src);
}

}  // namespace corvane::text
