#include "corvane/access/errors.h"

#include <string>

#include "corvane/platform/error.h"
#include "corvane/mapi/objects.h"
#include "corvane/outlook/errors.h"

namespace corvane::access::errors {

namespace {
std::string Join(std::string_view object, std::string_view member) {
    return std::string(object) + "." + std::string(member);
}
}  // namespace

void ThrowNotBound(std::string_view object, std::string_view member) {
    throw platform::PlatformError(NotBound, "Object variable not set: set " + std::string(object) +
                                                ".Item before calling " + std::string(member));
}

void ThrowNotLoggedOn(std::string_view member) {
    throw platform::PlatformError(NotLoggedOn, "MAPI_E_LOGON_FAILED: call RDOSession.Logon or set "
                                               "RDOSession.MAPIOBJECT before calling " +
                                                   std::string(member));
}

void ThrowTypeMismatch(std::string_view what) {
    throw platform::PlatformError(TypeMismatch, "Type mismatch: " + std::string(what));
}

void ThrowNotSupported(std::string_view object, std::string_view member, std::string_view why) {
    const auto& f = outlook::errors::NotSupported;
    throw platform::PlatformError(f.number, std::string(f.description) + ": " + Join(object, member) +
                                                " " + std::string(why));
}

void ThrowObjectDeleted(std::string_view object, std::string_view member) {
    const auto& f = mapi::errors::ObjectDeleted;
    throw platform::PlatformError(f.number, std::string(f.description) + ": " + Join(object, member) +
                                                " on a message that has been deleted");
}

void ThrowIndexOutOfBounds(std::string_view object, int index, int count) {
    const auto& f = outlook::errors::IndexOutOfBounds;
    throw platform::PlatformError(f.number, std::string(f.description) + " (" + std::string(object) +
                                                " item " + std::to_string(index) + " of " +
                                                std::to_string(count) + ")");
}

}  // namespace corvane::access::errors
