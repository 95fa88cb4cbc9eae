#pragma once
// Password hashing for the settings lock: PBKDF2-HMAC-SHA256 with the product's fixed salt,
// kept as a self-describing text "pbkdf2-sha256$<iterations>$<base64 of the 32-byte key>".
// The derivation is the platform's own (libcrypto on POSIX, BCrypt on Windows); both give
// the same bytes for the same input, so a hash written on one verifies on the other.
// The password is hashed as the bytes of its UTF-8 text. Nothing here keeps or logs it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane::platform {

// The fewest and the most iterations a stored hash may name: fewer would make guessing
// cheap, more would make one check hang the dialog.
inline constexpr std::uint32_t MinPasswordHashIterations = 200'000;
inline constexpr std::uint32_t MaxPasswordHashIterations = 5'000'000;

// The raw PBKDF2-HMAC-SHA256 key of `length` bytes. Throws PlatformError when the
// platform's cryptography refuses.
std::string Pbkdf2HmacSha256(std::string_view password, std::string_view salt, std::uint32_t iterations,
                             std::size_t length);

// The stored form of `password` hashed with the product's salt and `iterations` rounds.
std::string HashPassword(std::string_view password, std::uint32_t iterations);

// The iteration count a stored text names, when the text is exactly a hash in the form
// above (algorithm, a count within the bounds without leading zeros, 44 characters of
// canonical base64); nullopt for any other text.
std::optional<std::uint32_t> ParsePasswordHash(std::string_view stored);

// True when `stored` is a hash in the form above and `password` hashed with its
// iteration count gives exactly that text. Any other stored text never matches.
bool PasswordMatchesHash(std::string_view password, std::string_view stored);

// Standard base64 (RFC 4648) with padding.
std::string Base64Encode(std::string_view bytes);

}  // namespace corvane::platform
