#pragma once
// The MAPI properties of one simulated object, keyed by property id so that a string
// property answers to its PT_STRING8 and PT_UNICODE tags alike.
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "corvane/mapi/props.h"
#include "corvane/platform/datetime.h"

namespace corvane::sim {

// Whether a value can be read through a tag of that property type (PT_UNSPECIFIED
// reads any value).
bool PropTypeMatches(std::uint16_t type, const mapi::PropValue& value);

class PropBag {
public:
    // The value when the bag has the property in a type the tag can read, else empty.
    mapi::PropValue get(mapi::PropTag tag) const;
    // Stores the value under the tag's property id; an empty value removes it.
    void set(mapi::PropTag tag, mapi::PropValue value);
    bool has(mapi::PropTag tag) const;

    std::string text(mapi::PropTag tag) const;  // "" when missing
    std::optional<platform::DateTime> time(mapi::PropTag tag) const;
    std::int32_t number(mapi::PropTag tag, std::int32_t fallback = 0) const;

    const std::map<std::uint16_t, mapi::PropValue>& all() const { return values_; }

private:
    std::map<std::uint16_t, mapi::PropValue> values_;
};

}  // namespace corvane::sim
