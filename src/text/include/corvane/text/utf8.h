#pragma once
// UTF-8 bookkeeping: which part of a text is well-formed, how many characters it holds and
// where they start, and where a UTF-16 offset (the Windows API's) lies in the UTF-8 bytes.
#include <cstddef>
#include <string_view>

namespace corvane::text {

// Length in bytes of the longest well-formed UTF-8 prefix of s (no overlong forms, no
// surrogates, nothing above U+10FFFF; a sequence cut short counts as ill-formed).
std::size_t validUtf8Length(std::string_view s);
// False when byte offset pos lies inside a well-formed multi-byte sequence, where no
// match may begin or end; true at every other offset up to s.size().
bool isCharBoundary(std::string_view s, std::size_t pos);

// The characters of well-formed UTF-8: every byte that is not a continuation byte starts one.
std::size_t charCount(std::string_view s);
// The byte offset where character `n` (from 0) starts; s.size() when there are no more than n.
std::size_t charOffset(std::string_view s, std::size_t n);

// Walks well-formed UTF-8 forward and turns UTF-16 offsets into byte offsets. Offsets
// asked for must not decrease, so that a whole pass over a text stays linear.
class Utf16Offsets {
public:
    explicit Utf16Offsets(std::string_view utf8) : text_(utf8) {}
    // The byte offset of the character at UTF-16 offset `units`; an offset inside a
    // surrogate pair gives the end of that pair, one beyond the text gives its end.
    std::size_t byteOffset(std::size_t units);

private:
    std::string_view text_;
    std::size_t bytes_ = 0;
    std::size_t units_ = 0;
};

}  // namespace corvane::text
