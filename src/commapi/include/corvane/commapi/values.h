#pragma once
// MAPI property values as the seam's and back: what reads and writes through IMAPIProp
// use, and what an object that answers IMAPIProp itself uses to hand its values out.
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "corvane/commapi/commapi.h"
#include "corvane/mapi/props.h"

namespace corvane::commapi {

// One MAPI value as the seam's; PT_ERROR and the types the seam has no form for are empty.
mapi::PropValue ValueOf(const SPropValue& value);

// The seam's values as SPropValues for SetProps; the text and arrays they point to live
// as long as the holder.
class PropsToWrite {
public:
    void add(mapi::PropTag tag, const mapi::PropValue& value);
    std::vector<SPropValue>& values() noexcept { return values_; }

private:
    std::vector<SPropValue> values_;
    std::vector<std::wstring> texts_;
    std::vector<std::vector<wchar_t*>> textArrays_;
    std::vector<mapi::Binary> binaries_;
};

// MAPI keeps times in UTC (FILETIME); the seam's are the user's local time, as every
// date the add-in compares.
platform::DateTime LocalTimeOf(const FILETIME& utc);
FILETIME UtcFileTimeOf(const platform::DateTime& local);

// The values copied into one block of MAPI's own memory (text and arrays inside it), as
// GetProps and QueryRows hand them to a caller that frees them with MAPIFreeBuffer.
// nullptr when the allocation fails.
SPropValue* CopyToBlock(const SPropValue* values, std::size_t count, const Library& library);

// The message store providers the add-in tells apart (PR_MDB_PROVIDER), with the kind of
// store each is.
inline constexpr std::array<std::pair<std::array<std::uint8_t, 16>, int>, 4> StoreProviders{{
    {{0x54, 0x94, 0xA1, 0xC0, 0x29, 0x7F, 0x10, 0x1B, 0xA5, 0x87, 0x08, 0x00, 0x2B, 0x2A, 0x25, 0x17},
     mapi::storekind::PrimaryExchangeMailbox},
    {{0x78, 0xB2, 0xFA, 0x70, 0xAF, 0xF7, 0x11, 0xCD, 0x9B, 0xC8, 0x00, 0xAA, 0x00, 0x2F, 0xC4, 0x5A},
     mapi::storekind::PublicFolders},
    {{0x9E, 0xB4, 0x77, 0x00, 0x74, 0xE4, 0x11, 0xCE, 0x8C, 0x5E, 0x00, 0xAA, 0x00, 0x42, 0x54, 0xE2},
     mapi::storekind::DelegateExchangeMailbox},
    {{0x4E, 0x49, 0x54, 0x41, 0xF9, 0xBF, 0xB8, 0x01, 0x00, 0xAA, 0x00, 0x37, 0xD9, 0x6E, 0x00, 0x00},
     mapi::storekind::PstAnsi},
}};

}  // namespace corvane::commapi
