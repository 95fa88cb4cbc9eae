#include "corvane/access/errors.h"

#include <string>

#include "corvane/platform/error.h"

namespace corvane::access::errors {

namespace {
using platform::PlatformError;
namespace catalog = platform::errors;

std::string Join(std::string_view object, std::string_view member) {
    return std::string(object) + "." + std::string(member);
}
}  // namespace

void ThrowNotBound(std::string_view object, std::string_view member) {
    throw PlatformError(catalog::ObjectNotSet.number, "Object variable not set: set " + std::string(object) +
                                                          ".Item before calling " + std::string(member));
}

void ThrowNotLoggedOn(std::string_view member) {
    throw PlatformError(catalog::MapiLogonFailed,
                        ": call RDOSession.Logon or set RDOSession.MAPIOBJECT before calling " + std::string(member));
}

void ThrowTypeMismatch(std::string_view what) { throw PlatformError(catalog::TypeMismatch, ": " + std::string(what)); }

void ThrowNotSupported(std::string_view object, std::string_view member, std::string_view why) {
    throw PlatformError(catalog::NotSupported, ": " + Join(object, member) + " " + std::string(why));
}

void ThrowObjectDeleted(std::string_view object, std::string_view member) {
    throw PlatformError(catalog::MapiObjectDeleted,
                        ": " + Join(object, member) + " on a message that has been deleted");
}

}  // namespace corvane::access::errors
