#pragma once
// Eight bytes of text handled at once in a 64-bit word: the attachment check upper-cases
// and searches message bodies of many megabytes, and byte-at-a-time loops are the cost.
#include <bit>
#include <cstdint>
#include <cstring>

namespace corvane::checks::word_bytes {

inline constexpr std::uint64_t kOnes = 0x0101010101010101u;
inline constexpr std::uint64_t kHighBits = kOnes * 0x80;
inline constexpr std::uint64_t kLowBits = kOnes * 0x7F;

inline std::uint64_t load(const char* p) {
    std::uint64_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

inline void store(char* p, std::uint64_t w) { std::memcpy(p, &w, sizeof w); }

inline constexpr std::uint64_t broadcast(char c) { return kOnes * static_cast<unsigned char>(c); }

// 0x80 in every byte of w that is zero, 0 in the others.
inline constexpr std::uint64_t zeroBytes(std::uint64_t w) { return ~(((w & kLowBits) + kLowBits) | w | kLowBits); }

// The bytes of an all-ASCII word with a-z turned into A-Z.
inline constexpr std::uint64_t upperAscii(std::uint64_t w) {
    const std::uint64_t atLeastA = w + kOnes * (0x80 - 'a');
    const std::uint64_t aboveZ = w + kOnes * (0x80 - 'z' - 1);
    return w ^ ((atLeastA & ~aboveZ & kHighBits) >> 2);
}

// The position in the text of the byte whose high bit is the lowest set bit of mask.
inline int lowestByte(std::uint64_t mask) {
    const int byte = std::countr_zero(mask) / 8;
    return std::endian::native == std::endian::little ? byte : 7 - byte;
}

}  // namespace corvane::checks::word_bytes
