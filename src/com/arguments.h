#pragma once
// The arguments of an IDispatch call read as the add-in's values, and what the callee left
// in a by-reference argument written back in the caller's own type.
#include <oaidl.h>

#include <vector>

#include "corvane/comoutlook/objects.h"
#include "corvane/outlook/object.h"

namespace corvane::com {

// An object argument (nullptr when absent or of another type).
IDispatch* ObjectArgument(DISPPARAMS& params, unsigned index);
// A number argument; 0 when absent or not a number.
LONG NumberArgument(DISPPARAMS& params, unsigned index);
// A flag argument; false when absent or not convertible.
bool FlagArgument(DISPPARAMS& params, unsigned index);
// A text argument; nullptr (the empty text) when absent or not text.
BSTR TextArgument(DISPPARAMS& params, unsigned index);

// Every argument as a late-bound value, in the order the caller wrote them; objects
// through `objects`, so an Outlook item arrives as its wrapper.
std::vector<outlook::Variant> Arguments(comoutlook::Objects& objects, DISPPARAMS& params);
// Writes each value back into its argument where the caller passed one by reference.
void WriteBack(const std::vector<outlook::Variant>& values, DISPPARAMS& params);
// Writes `value` into argument `index` when the caller passed it by reference: a
// by-reference VARIANT takes it as it is, a typed reference converted to its type (a value
// that does not convert leaves the argument alone).
void WriteBack(DISPPARAMS& params, unsigned index, const VARIANT& value);

// `text` (UTF-8) as a method's BSTR result; nothing when the caller wants no result.
HRESULT ReturnText(std::string_view text, VARIANT* result);

}  // namespace corvane::com
