#include <gtest/gtest.h>

#include <string>

#include "corvane/accounts/address_resolution.h"

namespace corvane::accounts {
namespace {

TEST(EmailAddressValidity, AcceptsWhatTheRulesDoNotName) {
    for (const char* a :
         {"a@b.c", "ann@example.com.", ".ann.@example.com", "Ann_Lee-x~y@Example.COM", "a`b\tc@example.com",
          "j\xC3\xBCrgen@b\xC3\xBC"
          "cher.de",
          "abc@kelderon.example"})
        EXPECT_TRUE(IsValidEmailAddress(a)) << a;
}

TEST(EmailAddressValidity, RefusesEachInvalidForm) {
    for (const char* a : {"", "@b.c", "a@.c", "a@b.", "ann@localhost", "ann.lee@example", "ann@b@example.com",
                          "ann..lee@example.com", "ann@example..com", "\"ann\"@example.com",
                          "Ann Lee <ann@example.com>", "ann@example.com;bob@example.org", " ann@example.com"})
        EXPECT_FALSE(IsValidEmailAddress(a)) << a;
}

// In an address longer than the set the check walks the set instead of the address.
TEST(EmailAddressValidity, RefusesEveryCharacterOfTheInvalidSetInShortAndLongAddresses) {
    const std::string invalid = "!#$%^&*()=+{}[]|\\;:'/?>,< ";
    for (char c : invalid) {
        EXPECT_FALSE(IsValidEmailAddress(std::string("a") + c + "@b.c")) << c;
        EXPECT_FALSE(IsValidEmailAddress("a.rather.long.local.part@example.com" + std::string(1, c))) << c;
    }
}

}  // namespace
}  // namespace corvane::accounts
