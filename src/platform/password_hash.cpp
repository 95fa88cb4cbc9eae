// The self-describing form of a password hash and its check; the derivation itself is
// password_hash_posix.cpp / password_hash_win32.cpp.
#include "corvane/platform/password_hash.h"

#include <algorithm>
#include <charconv>

namespace corvane::platform {

namespace {

constexpr std::string_view HashAlgorithm = "pbkdf2-sha256";
// The product's fixed salt: the same on every machine, so the stored form is the same
// wherever a settings file takes it.
constexpr std::string_view ProductSalt = "Kelderon.Corvane.SettingsLock.2026";
constexpr std::size_t HashBytes = 32;
constexpr std::size_t HashBase64Chars = 44;

}  // namespace

std::string Base64Encode(std::string_view bytes) {
    static constexpr std::string_view Alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 3; ++k)
            group = (group << 8U) | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0U);
        for (std::size_t k = 0; k < 4; ++k) out += k <= n ? Alphabet[(group >> (18U - 6U * k)) & 0x3FU] : '=';
    }
    return out;
}

std::string HashPassword(std::string_view password, std::uint32_t iterations) {
    return std::string(HashAlgorithm) + "$" + std::to_string(iterations) + "$" +
           Base64Encode(Pbkdf2HmacSha256(password, ProductSalt, iterations, HashBytes));
}

std::optional<std::uint32_t> ParsePasswordHash(std::string_view stored) {
    const std::size_t first = stored.find('$');
    if (first == std::string_view::npos || stored.substr(0, first) != HashAlgorithm) return std::nullopt;
    const std::size_t second = stored.find('$', first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    const std::string_view count = stored.substr(first + 1, second - first - 1);
    std::uint32_t iterations = 0;
    const auto [end, ec] = std::from_chars(count.data(), count.data() + count.size(), iterations);
    if (ec != std::errc{} || end != count.data() + count.size() || count.front() == '0' ||
        iterations < MinPasswordHashIterations || iterations > MaxPasswordHashIterations)
        return std::nullopt;
    const std::string_view hash = stored.substr(second + 1);
    // 32 bytes are 43 significant characters and one "=", the last significant one
    // carrying two zero bits.
    static constexpr std::string_view LastChars = "AEIMQUYcgkosw048";
    if (hash.size() != HashBase64Chars || hash.back() != '=' ||
        LastChars.find(hash[HashBase64Chars - 2]) == std::string_view::npos)
        return std::nullopt;
    for (std::size_t i = 0; i + 1 < hash.size(); ++i) {
        const char c = hash[i];
        const bool base64 = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' ||
                            c == '/';
        if (!base64) return std::nullopt;
    }
    return iterations;
}

bool PasswordMatchesHash(std::string_view password, std::string_view stored) {
    const auto iterations = ParsePasswordHash(stored);
    return iterations && HashPassword(password, *iterations) == stored;
}

}  // namespace corvane::platform
