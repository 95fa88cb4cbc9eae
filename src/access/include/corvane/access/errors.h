#pragma once
// The component's own failures. Everything else a member raises comes from the Outlook or
// Extended-MAPI seam underneath, with that seam's number and text.
#include <cstdint>
#include <string_view>

namespace corvane::access::errors {

// A Safe object used before its Item was set (Automation's "object variable not set").
inline constexpr std::int32_t NotBound = 91;
// A value of the wrong kind: a property read as an array that is none, an object of
// another class where one is expected.
inline constexpr std::int32_t TypeMismatch = 13;
// An RDOSession used before Logon or MAPIOBJECT (MAPI_E_LOGON_FAILED).
inline constexpr std::int32_t NotLoggedOn = static_cast<std::int32_t>(0x80040111u);

// "<object>.<member>: <what>" with the numbers above; never return.
[[noreturn]] void ThrowNotBound(std::string_view object, std::string_view member);
[[noreturn]] void ThrowNotLoggedOn(std::string_view member);
[[noreturn]] void ThrowTypeMismatch(std::string_view what);
[[noreturn]] void ThrowNotSupported(std::string_view object, std::string_view member,
                                    std::string_view why);
[[noreturn]] void ThrowObjectDeleted(std::string_view object, std::string_view member);
[[noreturn]] void ThrowIndexOutOfBounds(std::string_view object, int index, int count);

}  // namespace corvane::access::errors
