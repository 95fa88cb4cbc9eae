#include <gtest/gtest.h>

#include <string>

#include "corvane/platform/password_hash.h"

namespace platform = corvane::platform;

namespace {

std::string hex(const std::string& bytes) {
    static constexpr char Digits[] = "0123456789abcdef";
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += Digits[b >> 4U];
        out += Digits[b & 0xFU];
    }
    return out;
}

// A well-formed stored hash: 43 base64 characters ending in one whose last two bits are 0.
const std::string WellFormed = "pbkdf2-sha256$400000$" + std::string(42, 'A') + "Q=";

}  // namespace

TEST(Pbkdf2HmacSha256, GivesThePublishedTestVector) {
    // RFC 7914, section 11: P = "passwd", S = "salt", c = 1, dkLen = 64.
    EXPECT_EQ(hex(platform::Pbkdf2HmacSha256("passwd", "salt", 1, 64)),
              "55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc"
              "49ca9cccf179b645991664b39d77ef317c71b845b1e30bd509112041d3a19783");
}

TEST(Base64Encode, PadsAsRfc4648) {
    EXPECT_EQ(platform::Base64Encode(""), "");
    EXPECT_EQ(platform::Base64Encode("f"), "Zg==");
    EXPECT_EQ(platform::Base64Encode("fo"), "Zm8=");
    EXPECT_EQ(platform::Base64Encode("foo"), "Zm9v");
    EXPECT_EQ(platform::Base64Encode("foob"), "Zm9vYg==");
    EXPECT_EQ(platform::Base64Encode("\xfb\xff"), "+/8=");
}

TEST(ParsePasswordHash, ReadsTheIterationsOfTheStoredForm) {
    EXPECT_EQ(platform::ParsePasswordHash(WellFormed), 400000U);
}

TEST(ParsePasswordHash, RefusesEveryOtherForm) {
    const std::string key = std::string(42, 'A') + "Q=";
    for (const std::string& stored :
         {std::string("Admin2026"), std::string(""), "pbkdf2-sha1$400000$" + key, "PBKDF2-SHA256$400000$" + key,
          "pbkdf2-sha256$199999$" + key, "pbkdf2-sha256$0400000$" + key, "pbkdf2-sha256$+400000$" + key,
          "pbkdf2-sha256$5000001$" + key, "pbkdf2-sha256$$" + key, "pbkdf2-sha256$400000" + key,
          "pbkdf2-sha256$400000$" + key.substr(1), "pbkdf2-sha256$400000$" + key + "=",
          "pbkdf2-sha256$400000$" + std::string(42, 'A') + "R=", "pbkdf2-sha256$400000$" + std::string(42, '-') + "Q=",
          WellFormed + " "})
        EXPECT_FALSE(platform::ParsePasswordHash(stored)) << stored;
}

TEST(PasswordMatchesHash, VerifiesWithTheStoredIterationsAndNeverMatchesOtherForms) {
    const std::string stored = platform::HashPassword("Admin2026", platform::MinPasswordHashIterations);
    EXPECT_EQ(platform::ParsePasswordHash(stored), platform::MinPasswordHashIterations);
    EXPECT_TRUE(platform::PasswordMatchesHash("Admin2026", stored));
    // Plain text where the hash belongs is never compared, not even with itself.
    EXPECT_FALSE(platform::PasswordMatchesHash("Admin2026", "Admin2026"));
}
