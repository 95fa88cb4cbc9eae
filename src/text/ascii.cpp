#include "ascii.h"

#include <bit>

#include "corvane/text/utf8.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define CORVANE_TEXT_SSE2 1
#endif

namespace corvane::text::ascii {

namespace {

bool isLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char upperOf(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
char lowerOf(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

}  // namespace

bool isAscii(std::string_view s) {
    // No early exit: the plain loop vectorises and the texts are mostly ASCII.
    unsigned char any = 0;
    for (char c : s) any |= static_cast<unsigned char>(c);
    return any < 0x80;
}

std::string upper(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = upperOf(c);
    return out;
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = lowerOf(c);
    return out;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerOf(a[i]) != lowerOf(b[i])) return false;
    return true;
}

void findAllBytesNoCase(std::string_view haystack, std::string_view needle, std::size_t base, std::size_t limit,
                        std::vector<Match>& out) {
    if (needle.empty()) return;
    std::size_t found = 0;
    for (std::size_t i = 0; found < limit && i + needle.size() <= haystack.size();) {
        if (equalsNoCase(haystack.substr(i, needle.size()), needle) && isCharBoundary(haystack, i) &&
            isCharBoundary(haystack, i + needle.size())) {
            out.push_back({base + i, needle.size()});
            ++found;
            i += needle.size();
        } else {
            ++i;
        }
    }
}

NoCaseSearcher::NoCaseSearcher(std::string_view needle) : lowered_(lower(needle)), caseBit_(needle.size(), '\0') {
    for (std::size_t i = 0; i < needle.size(); ++i)
        if (isLetter(static_cast<unsigned char>(needle[i]))) caseBit_[i] = 0x20;
}

// Setting bit 0x20 turns an ASCII capital into its small letter and makes no other byte
// a small letter (bytes from 0x80 stay at 0x80 or above), so one OR and one compare test
// a byte against a letter in either case.
bool NoCaseSearcher::matchesAt(const char* p) const {
    for (std::size_t k = 0; k < lowered_.size(); ++k)
        if ((p[k] | caseBit_[k]) != lowered_[k]) return false;
    return true;
}

NoCaseSearcher::Result NoCaseSearcher::find(std::string_view haystack, std::size_t from) const {
    const char* p = haystack.data();
    const std::size_t size = haystack.size();
    const std::size_t n = lowered_.size();
    std::size_t i = from;
#ifdef CORVANE_TEXT_SSE2
    // Sixteen start positions at a time: a candidate has the needle's first byte at i+k
    // and its last byte at i+k+n-1; only candidates are compared in full. The block at i
    // also reports non-ASCII bytes, so every byte before a match has been looked at.
    const __m128i firstBit = _mm_set1_epi8(caseBit_.front());
    const __m128i firstWant = _mm_set1_epi8(lowered_.front());
    const __m128i lastBit = _mm_set1_epi8(caseBit_.back());
    const __m128i lastWant = _mm_set1_epi8(lowered_.back());
    while (size >= n && i + n - 1 + 16 <= size) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i + n - 1));
        const __m128i hit = _mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(a, firstBit), firstWant),
                                          _mm_cmpeq_epi8(_mm_or_si128(b, lastBit), lastWant));
        auto candidates = static_cast<unsigned>(_mm_movemask_epi8(hit));
        const auto high = static_cast<unsigned>(_mm_movemask_epi8(a));
        if (high != 0) candidates &= (1u << std::countr_zero(high)) - 1u;
        while (candidates != 0) {
            const std::size_t k = static_cast<std::size_t>(std::countr_zero(candidates));
            if (matchesAt(p + i + k)) return {i + k, npos};
            candidates &= candidates - 1u;
        }
        if (high != 0) return {npos, i + static_cast<std::size_t>(std::countr_zero(high))};
        i += 16;
    }
#endif
    // The last start positions, and the bytes after them that a match cannot start at
    // but that still have to be checked for non-ASCII.
    for (; i < size; ++i) {
        if (static_cast<unsigned char>(p[i]) >= 0x80) return {npos, i};
        if (i + n <= size && matchesAt(p + i)) return {i, npos};
    }
    return {npos, npos};
}

}  // namespace corvane::text::ascii
