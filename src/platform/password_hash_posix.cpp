// PBKDF2-HMAC-SHA256 through OpenSSL's libcrypto.
#include <openssl/evp.h>

#include <climits>
#include <string>

#include "corvane/platform/error.h"
#include "corvane/platform/password_hash.h"

namespace corvane::platform {

std::string Pbkdf2HmacSha256(std::string_view password, std::string_view salt, std::uint32_t iterations,
                             std::size_t length) {
    if (password.size() > INT_MAX || salt.size() > INT_MAX || iterations > INT_MAX || length > INT_MAX)
        throw PlatformError(errors::InvalidParameter);
    std::string key(length, '\0');
    // An empty password has no bytes to point at; libcrypto takes a null pointer with length 0.
    const int ok = PKCS5_PBKDF2_HMAC(password.empty() ? nullptr : password.data(), static_cast<int>(password.size()),
                                     reinterpret_cast<const unsigned char*>(salt.data()),
                                     static_cast<int>(salt.size()), static_cast<int>(iterations), EVP_sha256(),
                                     static_cast<int>(length), reinterpret_cast<unsigned char*>(key.data()));
    if (ok != 1) throw PlatformError(errors::Fail, ": PKCS5_PBKDF2_HMAC");
    return key;
}

}  // namespace corvane::platform
