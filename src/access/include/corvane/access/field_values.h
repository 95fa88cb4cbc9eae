#pragma once
// Reading what Fields(tag) returns the way late-bound callers read a Variant: empty when
// the object lacks the property, text, a number, a date or an array of texts.
#include <string>
#include <vector>

#include "corvane/mapi/props.h"
#include "corvane/platform/datetime.h"

namespace corvane::access {

bool IsEmpty(const mapi::PropValue& value) noexcept;

// Text of a scalar: "" for empty, decimal for a number, "True"/"False", a date as
// "YYYY-MM-DD HH:MM:SS", binary as upper-case hex. An array fails with a type mismatch.
std::string AsText(const mapi::PropValue& value);

// The elements of an array of texts. Anything else, empty included, fails with a type
// mismatch, as scanning the bounds of a non-array does.
std::vector<std::string> AsTexts(const mapi::PropValue& value);

// A date; empty reads as the zero date (1899-12-30 00:00:00). Anything else fails with a
// type mismatch.
platform::DateTime AsDate(const mapi::PropValue& value);

}  // namespace corvane::access
