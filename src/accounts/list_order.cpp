// Sorting the loaded list by address. Each record gets a key of two numbers: the first
// twelve bytes of its address folded to lowercase (zeros past its end) and its row. A
// radix sort on those twelve bytes places nearly every record without comparing any two;
// the few whose twelve bytes tie are then put in order by their whole address.
#include "list_order.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "corvane/text/text.h"

namespace corvane::accounts {
namespace {

constexpr unsigned PrefixBytes = 12;

struct AddressSortKey {
    // Bytes 0 to 7 of the address, the first the most significant.
    std::uint64_t head;
    // Bytes 8 to 11 in the high half, the row in the low half.
    std::uint64_t tail;

    std::uint32_t row() const { return static_cast<std::uint32_t>(tail); }
    bool samePrefix(const AddressSortKey& other) const {
        return head == other.head && (tail >> 32) == (other.tail >> 32);
    }
    // Bytes 2 * pair and 2 * pair + 1 of the address (pair 0 to 5), as one number.
    unsigned pairAt(unsigned pair) const {
        return static_cast<unsigned>((pair < 4 ? head << (16 * pair) : tail << (16 * (pair - 4))) >> 48);
    }
};

bool PrefixLess(const AddressSortKey& a, const AddressSortKey& b) {
    return a.head != b.head ? a.head < b.head : (a.tail >> 32) < (b.tail >> 32);
}

// How a record's address is compared once its prefix ties: NoAddress, Plain, Capitals
// (ASCII with capitals, folded as the bytes are compared), or Folded + the index of the
// address's lowercase form (an address with letters beyond ASCII, folded once).
enum : std::uint32_t { NoAddress, Plain, Capitals, Folded };

constexpr std::uint64_t EachByte = 0x0101010101010101ULL;

// The ASCII capitals among eight bytes, as their 0x80 bits.
std::uint64_t CapitalBits(std::uint64_t v) {
    const std::uint64_t ascii = v & ~(EachByte * 0x80);
    const std::uint64_t atLeastA = ascii + EachByte * (0x80 - 'A');
    const std::uint64_t beyondZ = ascii + EachByte * (0x80 - 'Z' - 1);
    return atLeastA & ~beyondZ & ~v & EachByte * 0x80;
}

unsigned char FoldAscii(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 'A' && b <= 'Z' ? static_cast<unsigned char>(b - 'A' + 'a') : b;
}

int FoldedCompare(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = FoldAscii(a[i]);
        const unsigned char y = FoldAscii(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

// What the first look at an address tells: its first twelve bytes (its ASCII capitals
// folded), whether it has bytes beyond ASCII, and whether it has ASCII capitals.
struct AddressLook {
    std::uint64_t head;
    std::uint64_t next;
    bool beyondAscii;
    bool capitals;

    AddressSortKey key(std::uint32_t row) const { return {head, (next & 0xFFFFFFFF00000000ULL) | row}; }
};

// One pass over the address, eight bytes at a time (the last ones padded with zeros).
AddressLook LookAt(std::string_view s) {
    std::uint64_t first[2] = {0, 0};
    std::uint64_t high = 0;
    std::uint64_t capitals = 0;
    for (std::size_t at = 0; at < s.size(); at += 8) {
        std::uint64_t v = 0;
        const std::size_t left = s.size() - at;
        if (left >= 8) {
            std::memcpy(&v, s.data() + at, 8);
        } else if (s.size() >= 8) {
            // The last bytes, read as the end of the eight that end the address.
            std::memcpy(&v, s.data() + s.size() - 8, 8);
            v = std::endian::native == std::endian::little ? v >> (8 * (8 - left)) : v << (8 * (8 - left));
        } else {
            for (std::size_t i = left; i-- > 0;)
                v = std::endian::native == std::endian::little
                        ? v << 8 | static_cast<unsigned char>(s[at + i])
                        : v | std::uint64_t{static_cast<unsigned char>(s[at + i])} << (56 - 8 * i);
        }
        if (at < 16) first[at / 8] = v;
        high |= v;
        capitals |= CapitalBits(v);
    }
    for (auto& v : first) {
        v |= CapitalBits(v) >> 2;
        if constexpr (std::endian::native == std::endian::little) v = __builtin_bswap64(v);
    }
    return {first[0], first[1], (high & EachByte * 0x80) != 0, capitals != 0};
}

// Sorts by the twelve bytes, two at a time from the last two, skipping the pairs that are
// the same in every key; keys with equal bytes keep their order. A short list is sorted
// by comparing.
void SortByPrefix(AddressSortKey* first, AddressSortKey* last) {
    const auto n = static_cast<std::size_t>(last - first);
    if (n < 2048) {
        std::stable_sort(first, last, PrefixLess);
        return;
    }
    AddressSortKey all{~std::uint64_t{0}, ~std::uint64_t{0}};
    AddressSortKey any{0, 0};
    for (const AddressSortKey* k = first; k != last; ++k) {
        all.head &= k->head;
        all.tail &= k->tail;
        any.head |= k->head;
        any.tail |= k->tail;
    }
    std::vector<AddressSortKey> scratch(n);
    std::vector<std::uint32_t> count(std::size_t{1} << 16);
    AddressSortKey* from = first;
    AddressSortKey* to = scratch.data();
    for (unsigned pair = PrefixBytes / 2; pair-- > 0;) {
        if (all.pairAt(pair) == any.pairAt(pair)) continue;
        std::fill(count.begin(), count.end(), 0);
        for (const AddressSortKey* k = from; k != from + n; ++k) ++count[k->pairAt(pair)];
        std::uint32_t next = 0;
        for (auto& c : count) next += std::exchange(c, next);
        for (const AddressSortKey* k = from; k != from + n; ++k) to[count[k->pairAt(pair)]++] = *k;
        std::swap(from, to);
    }
    if (from != first) std::copy(from, from + n, first);
}

// Sorts the keys, making use of the order they already have: a list the add-in saved is
// in order but for the records added since it was loaded, and a list put together from a
// few lists in order is a few runs in order. Those are merged rather than sorted.
void SortKeys(AddressSortKey* first, AddressSortKey* last) {
    constexpr std::size_t FewRuns = 16;
    AddressSortKey* const sortedEnd = std::is_sorted_until(first, last, PrefixLess);
    if (sortedEnd == last) return;
    if (sortedEnd - first >= last - sortedEnd) {
        SortKeys(sortedEnd, last);
        std::inplace_merge(first, sortedEnd, last, PrefixLess);
        return;
    }
    std::vector<AddressSortKey*> runs{first, sortedEnd};
    for (AddressSortKey* k = sortedEnd + 1; k < last && runs.size() <= FewRuns; ++k)
        if (PrefixLess(*k, k[-1])) runs.push_back(k);
    if (runs.size() > FewRuns) {
        SortByPrefix(first, last);
        return;
    }
    runs.push_back(last);
    while (runs.size() > 2) {
        std::vector<AddressSortKey*> merged;
        for (std::size_t i = 0; i + 2 < runs.size(); i += 2) {
            std::inplace_merge(runs[i], runs[i + 1], runs[i + 2], PrefixLess);
            merged.push_back(runs[i]);
        }
        if (runs.size() % 2 == 0) merged.push_back(runs[runs.size() - 2]);
        merged.push_back(last);
        runs = std::move(merged);
    }
}

}  // namespace

void SortByAddress(std::vector<ListRecordView>& rows) {
    if (rows.size() < 2) return;
    std::vector<std::string> folded;
    std::vector<std::uint32_t> kinds;
    std::vector<AddressSortKey> keys;
    kinds.reserve(rows.size());
    keys.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto row = static_cast<std::uint32_t>(i);
        if (!rows[i].strEmailAddress) {
            kinds.push_back(NoAddress);
            keys.push_back({0, row});
            continue;
        }
        const AddressLook look = LookAt(*rows[i].strEmailAddress);
        if (look.beyondAscii) {
            folded.push_back(text::toLower(*rows[i].strEmailAddress));
            kinds.push_back(Folded + static_cast<std::uint32_t>(folded.size() - 1));
            keys.push_back(LookAt(folded.back()).key(row));
        } else {
            kinds.push_back(look.capitals ? Capitals : Plain);
            keys.push_back(look.key(row));
        }
    }

    SortKeys(keys.data(), keys.data() + keys.size());

    const auto textOf = [&](std::uint32_t row) -> std::string_view {
        return kinds[row] >= Folded ? std::string_view(folded[kinds[row] - Folded]) : *rows[row].strEmailAddress;
    };
    const auto before = [&](const AddressSortKey& a, const AddressSortKey& b) {
        const std::uint32_t ka = kinds[a.row()];
        const std::uint32_t kb = kinds[b.row()];
        if ((ka == NoAddress) != (kb == NoAddress)) return ka == NoAddress;
        if (ka != NoAddress) {
            const int order = ka == Capitals || kb == Capitals ? FoldedCompare(textOf(a.row()), textOf(b.row()))
                                                               : textOf(a.row()).compare(textOf(b.row()));
            if (order != 0) return order < 0;
        }
        return a.row() < b.row();
    };
    // Records whose first twelve bytes tie: in order by the whole address.
    for (auto run = keys.begin(); run != keys.end();) {
        const auto end = std::find_if(run + 1, keys.end(), [&](const auto& k) { return !k.samePrefix(*run); });
        if (end - run > 1) std::sort(run, end, before);
        run = end;
    }

    bool moved = false;
    for (std::size_t i = 0; i < keys.size() && !moved; ++i) moved = keys[i].row() != i;
    if (!moved) return;
    std::vector<ListRecordView> sorted;
    sorted.reserve(rows.size());
    for (const auto& k : keys) sorted.push_back(rows[k.row()]);
    rows = std::move(sorted);
}

}  // namespace corvane::accounts
