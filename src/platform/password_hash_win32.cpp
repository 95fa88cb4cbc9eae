// PBKDF2-HMAC-SHA256 through the Windows cryptography API (CNG).
#include <windows.h>
// windows.h first.
#include <bcrypt.h>

#include <climits>
#include <string>

#include "corvane/platform/error.h"
#include "corvane/platform/password_hash.h"

namespace corvane::platform {

namespace {

class AlgorithmHandle {
public:
    AlgorithmHandle() = default;
    ~AlgorithmHandle() {
        if (h_) BCryptCloseAlgorithmProvider(h_, 0);
    }
    AlgorithmHandle(const AlgorithmHandle&) = delete;
    AlgorithmHandle& operator=(const AlgorithmHandle&) = delete;
    BCRYPT_ALG_HANDLE* put() { return &h_; }
    BCRYPT_ALG_HANDLE get() const { return h_; }

private:
    BCRYPT_ALG_HANDLE h_ = nullptr;
};

[[noreturn]] void FailWith(NTSTATUS status, std::string_view what) {
    throw PlatformError(static_cast<std::int32_t>(status), std::string(what) + " failed");
}

}  // namespace

std::string Pbkdf2HmacSha256(std::string_view password, std::string_view salt, std::uint32_t iterations,
                             std::size_t length) {
    if (password.size() > ULONG_MAX || salt.size() > ULONG_MAX || length > ULONG_MAX)
        throw PlatformError(errors::InvalidParameter);
    AlgorithmHandle hmac;
    NTSTATUS status = BCryptOpenAlgorithmProvider(hmac.put(), BCRYPT_SHA256_ALGORITHM, nullptr,
                                                  BCRYPT_ALG_HANDLE_HMAC_FLAG);
    if (!BCRYPT_SUCCESS(status)) FailWith(status, "BCryptOpenAlgorithmProvider");
    std::string key(length, '\0');
    std::string passwordBytes(password);
    std::string saltBytes(salt);
    status = BCryptDeriveKeyPBKDF2(hmac.get(), reinterpret_cast<PUCHAR>(passwordBytes.data()),
                                   static_cast<ULONG>(passwordBytes.size()),
                                   reinterpret_cast<PUCHAR>(saltBytes.data()), static_cast<ULONG>(saltBytes.size()),
                                   iterations, reinterpret_cast<PUCHAR>(key.data()), static_cast<ULONG>(key.size()),
                                   0);
    // The copy of the password goes as soon as the key is made.
    SecureZeroMemory(passwordBytes.data(), passwordBytes.size());
    if (!BCRYPT_SUCCESS(status)) FailWith(status, "BCryptDeriveKeyPBKDF2");
    return key;
}

}  // namespace corvane::platform
