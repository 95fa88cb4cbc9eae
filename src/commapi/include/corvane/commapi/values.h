#pragma once
// MAPI property values as the seam's and back: what reads and writes through IMAPIProp
// use, and what an object that answers IMAPIProp itself uses to hand its values out.
#include <string>
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

}  // namespace corvane::commapi
