// Whether a typed text is a well-formed e-mail address. The rules are deliberately few and
// exact: they refuse what a mail server would never take (spaces, quotes, list separators,
// a second "@", a domain without a proper dot) and let everything else through.
#include <algorithm>
#include <string_view>

#include "corvane/accounts/address_resolution.h"

namespace corvane::accounts {

namespace {

// The 26 characters an address may not contain, the space among them.
constexpr std::string_view InvalidCharacters = "!#$%^&*()=+{}[]|\\;:'/?>,< ";
static_assert(InvalidCharacters.size() == 26);

bool HasInvalidCharacter(std::string_view address) {
    // Walk the shorter of the two strings; either way gives the same answer.
    if (address.size() <= InvalidCharacters.size()) {
        return std::any_of(address.begin(), address.end(),
                           [](char c) { return InvalidCharacters.find(c) != std::string_view::npos; });
    }
    return std::any_of(InvalidCharacters.begin(), InvalidCharacters.end(),
                       [&](char c) { return address.find(c) != std::string_view::npos; });
}

}  // namespace

bool IsValidEmailAddress(std::string_view address) {
    if (address.find('"') != std::string_view::npos) return false;
    if (address.find("..") != std::string_view::npos) return false;
    if (HasInvalidCharacter(address)) return false;

    const auto at = address.find('@');
    if (at == std::string_view::npos || at == 0) return false;
    const std::string_view domain = address.substr(at + 1);
    if (domain.find('@') != std::string_view::npos) return false;

    const auto dot = domain.find('.');
    return dot != std::string_view::npos && dot != 0 && dot != domain.size() - 1;
}

}  // namespace corvane::accounts
