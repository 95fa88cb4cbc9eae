// Case mapping and case-insensitive search with ICU's full Unicode case mapping. Text
// that is not valid UTF-8 keeps its ill-formed bytes unchanged: ICU copies them through.
#include <unicode/bytestream.h>
#include <unicode/casemap.h>
#include <unicode/edits.h>
#include <unicode/stringoptions.h>
#include <unicode/utypes.h>

#include <cstdint>
#include <limits>
#include <optional>

#include "ascii.h"
#include "corvane/text/utf8.h"
#include "unicode.h"

namespace corvane::text::unicode {

namespace {

// ICU counts in int32_t; larger texts fall back to the ASCII rules.
bool fitsIcu(std::string_view s) { return s.size() <= static_cast<std::size_t>(std::numeric_limits<int32_t>::max()); }

template <class Fn>
std::optional<std::string> mapWith(std::string_view s, Fn fn, icu::Edits* edits = nullptr) {
    if (!fitsIcu(s)) return std::nullopt;
    std::string out;
    icu::StringByteSink<std::string> sink(&out, static_cast<int32_t>(s.size()));
    UErrorCode status = U_ZERO_ERROR;
    fn(icu::StringPiece(s.data(), static_cast<int32_t>(s.size())), sink, edits, status);
    if (U_FAILURE(status)) return std::nullopt;
    return out;
}

std::optional<std::string> fold(std::string_view s, icu::Edits* edits) {
    return mapWith(
        s,
        [](icu::StringPiece in, icu::ByteSink& sink, icu::Edits* e, UErrorCode& st) {
            icu::CaseMap::utf8Fold(U_FOLD_CASE_DEFAULT, in, sink, e, st);
        },
        edits);
}

// The source offset of folded offset d when d lies on the boundary of a folded character;
// nothing when d falls inside the folding of one source character ("ß" -> "s|s").
std::optional<std::size_t> sourceBoundary(icu::Edits::Iterator& it, std::size_t d, std::size_t foldedSize,
                                          std::size_t sourceSize) {
    if (d == foldedSize) return sourceSize;
    UErrorCode status = U_ZERO_ERROR;
    if (!it.findDestinationIndex(static_cast<int32_t>(d), status) || U_FAILURE(status)) return std::nullopt;
    const auto start = static_cast<std::size_t>(it.destinationIndex());
    const auto source = static_cast<std::size_t>(it.sourceIndex());
    if (!it.hasChange()) return source + (d - start);
    if (d == start) return source;
    return std::nullopt;
}

}  // namespace

std::string toUpper(std::string_view s) {
    auto mapped = mapWith(s, [](icu::StringPiece in, icu::ByteSink& sink, icu::Edits* e, UErrorCode& st) {
        icu::CaseMap::utf8ToUpper("", 0, in, sink, e, st);
    });
    return mapped ? std::move(*mapped) : ascii::upper(s);
}

std::string toLower(std::string_view s) {
    auto mapped = mapWith(s, [](icu::StringPiece in, icu::ByteSink& sink, icu::Edits* e, UErrorCode& st) {
        icu::CaseMap::utf8ToLower("", 0, in, sink, e, st);
    });
    return mapped ? std::move(*mapped) : ascii::lower(s);
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    auto fa = fold(a, nullptr);
    auto fb = fold(b, nullptr);
    if (!fa || !fb) return ascii::equalsNoCase(a, b);
    return *fa == *fb;
}

// Both texts are folded once; every match in the folded haystack that begins and ends on
// character boundaries is a match in the source, mapped back through the fold's edits.
void findAllNoCase(std::string_view haystack, std::string_view needle, std::size_t base, std::size_t limit,
                   std::vector<Match>& out) {
    icu::Edits edits;
    const auto folded = fold(haystack, &edits);
    const auto key = fold(needle, nullptr);
    if (!folded || !key || key->empty()) {
        ascii::findAllBytesNoCase(haystack, needle, base, limit, out);
        return;
    }
    const bool identity = !edits.hasChanges();
    auto it = edits.getFineIterator();
    std::size_t found = 0;
    std::size_t at = 0;
    while (found < limit) {
        at = folded->find(*key, at);
        if (at == std::string::npos) return;
        std::optional<std::size_t> start = at, end = at + key->size();
        if (!identity) {
            start = sourceBoundary(it, at, folded->size(), haystack.size());
            if (start) end = sourceBoundary(it, at + key->size(), folded->size(), haystack.size());
        }
        // An ill-formed needle can match bytes of a well-formed character; such a match
        // would cut the character in two.
        if (!start || !end || !isCharBoundary(haystack, *start) || !isCharBoundary(haystack, *end)) {
            ++at;
            continue;
        }
        out.push_back({base + *start, *end - *start});
        ++found;
        at += key->size();
    }
}

}  // namespace corvane::text::unicode
