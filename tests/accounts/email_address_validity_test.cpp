#include <gtest/gtest.h>

#include <string>

#include "corvane/accounts/address_resolution.h"

namespace corvane::accounts {
namespace {

TEST(EmailAddressValidity, ShortestAddressIsOneCharacterAtOneDotOne) {
    EXPECT_TRUE(IsValidEmailAddress("a@b.c"));
    EXPECT_FALSE(IsValidEmailAddress("@b.c"));
    EXPECT_FALSE(IsValidEmailAddress("a@.c"));
    EXPECT_FALSE(IsValidEmailAddress("a@b."));
}

TEST(EmailAddressValidity, EmptyTextIsInvalid) { EXPECT_FALSE(IsValidEmailAddress("")); }

TEST(EmailAddressValidity, NeedsAnAtSignThatIsNotFirstAndOnlyOne) {
    EXPECT_FALSE(IsValidEmailAddress("ann.example.com"));
    EXPECT_FALSE(IsValidEmailAddress("@example.com"));
    EXPECT_FALSE(IsValidEmailAddress("ann@b@example.com"));
    EXPECT_FALSE(IsValidEmailAddress("ann@example.com@"));
}

TEST(EmailAddressValidity, DomainNeedsADotThatIsNeitherItsFirstNorItsLastCharacter) {
    EXPECT_FALSE(IsValidEmailAddress("ann@localhost"));
    EXPECT_FALSE(IsValidEmailAddress("ann@.example.com"));
    EXPECT_FALSE(IsValidEmailAddress("ann@examplecom."));
    // Only the first dot is judged: a trailing dot after a second label passes.
    EXPECT_TRUE(IsValidEmailAddress("ann@example.com."));
    // A dot in the local part does not count for the domain.
    EXPECT_FALSE(IsValidEmailAddress("ann.lee@example"));
}

TEST(EmailAddressValidity, TwoDotsInARowAreInvalidAnywhere) {
    EXPECT_FALSE(IsValidEmailAddress("ann..lee@example.com"));
    EXPECT_FALSE(IsValidEmailAddress("ann@example..com"));
    EXPECT_FALSE(IsValidEmailAddress("ann@example.com.."));
}

TEST(EmailAddressValidity, QuotesAndDisplayNameFormsAreInvalid) {
    EXPECT_FALSE(IsValidEmailAddress("\"ann\"@example.com"));
    EXPECT_FALSE(IsValidEmailAddress("ann@exam\"ple.com"));
    EXPECT_FALSE(IsValidEmailAddress("Ann Lee <ann@example.com>"));
    EXPECT_FALSE(IsValidEmailAddress("<ann@example.com>"));
    EXPECT_FALSE(IsValidEmailAddress(" ann@example.com"));
    EXPECT_FALSE(IsValidEmailAddress("ann@example.com;bob@example.org"));
}

// Each of the 26 characters is refused in a short address and in one longer than the set,
// where the check walks the set instead of the address.
TEST(EmailAddressValidity, EveryCharacterOfTheInvalidSetIsRefusedInShortAndLongAddresses) {
    const std::string invalid = "!#$%^&*()=+{}[]|\\;:'/?>,< ";
    ASSERT_EQ(invalid.size(), 26u);
    for (char c : invalid) {
        const std::string shortAddress = std::string("a") + c + "@b.c";
        const std::string longAddress = "a.rather.long.local.part" + std::string(1, c) + "@example.com";
        ASSERT_GT(longAddress.size(), 26u);
        EXPECT_FALSE(IsValidEmailAddress(shortAddress)) << shortAddress;
        EXPECT_FALSE(IsValidEmailAddress(longAddress)) << longAddress;
        EXPECT_FALSE(IsValidEmailAddress(std::string("ann@example.com") + c)) << c;
    }
}

TEST(EmailAddressValidity, AllowsWhatTheRulesDoNotName) {
    EXPECT_TRUE(IsValidEmailAddress(".ann.@example.com"));
    EXPECT_TRUE(IsValidEmailAddress("Ann_Lee-x~y@Example.COM"));
    EXPECT_TRUE(IsValidEmailAddress("a`b\tc@example.com"));
    EXPECT_TRUE(IsValidEmailAddress("j\xC3\xBCrgen@b\xC3\xBC" "cher.de"));  // jürgen@bücher.de
    EXPECT_TRUE(IsValidEmailAddress("a-very.long.local-part_with_many_labels@mail.example.co.uk"));
    // What the wizard checks for a bare domain.
    EXPECT_TRUE(IsValidEmailAddress("abc@kelderon.example"));
    EXPECT_FALSE(IsValidEmailAddress("abc@kelderon"));
}

}  // namespace
}  // namespace corvane::accounts
