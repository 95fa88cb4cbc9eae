#pragma once
// The one failure type of the seams. A seam that fails throws PlatformError with the
// number the platform reports (a COM HRESULT such as 0x8000FFFF read as a signed 32-bit
// value, or a small runtime error number such as 6 for an overflow) and its description.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace corvane::platform {

class PlatformError : public std::runtime_error {
public:
    PlatformError(std::int32_t number, std::string description)
        : std::runtime_error(description), number_(number), description_(std::move(description)) {}

    std::int32_t number() const noexcept { return number_; }
    const std::string& description() const noexcept { return description_; }

private:
    std::int32_t number_;
    std::string description_;
};

// Numbers the add-in itself raises or compares with.
namespace errors {
inline constexpr std::int32_t Overflow = 6;                       // 16-bit counter overflow
inline constexpr std::int32_t Unexpected = static_cast<std::int32_t>(0x8000FFFFu);
inline constexpr std::int32_t Fail = static_cast<std::int32_t>(0x80004005u);
inline constexpr std::int32_t AccessDenied = static_cast<std::int32_t>(0x80070005u);
inline constexpr std::int32_t FileNotFound = 53;
}  // namespace errors

}  // namespace corvane::platform
