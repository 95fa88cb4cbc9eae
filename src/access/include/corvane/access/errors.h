#pragma once
// The component's own failures, with the numbers of platform::errors and texts that say
// which object and member failed. Everything else a member raises comes from the Outlook
// or Extended-MAPI seam underneath, with that seam's number and text.
#include <string_view>

namespace corvane::access::errors {

// None of these returns. A Safe object used before its Item was set (ObjectNotSet's number).
[[noreturn]] void ThrowNotBound(std::string_view object, std::string_view member);
// An RDOSession used before Logon or MAPIOBJECT (MapiLogonFailed).
[[noreturn]] void ThrowNotLoggedOn(std::string_view member);
// A value of the wrong kind: a property read as an array that is none, an object of
// another class where one is expected (TypeMismatch).
[[noreturn]] void ThrowTypeMismatch(std::string_view what);
[[noreturn]] void ThrowNotSupported(std::string_view object, std::string_view member, std::string_view why);
[[noreturn]] void ThrowObjectDeleted(std::string_view object, std::string_view member);

}  // namespace corvane::access::errors
