#pragma once
#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace corvane::platform {

struct HttpResponse {
    int status = 0;
    std::string body;
    std::string location;  // where a redirect (3xx) points; "" otherwise
};

// The most of a body a transport keeps: it stops reading after one byte more, so that a
// caller sees that the body was longer than this.
inline constexpr std::size_t MaxBodyBytes = 1024 * 1024;

// GET of a URL that gives up at the deadline, always from the server (never a cache).
// Redirects are not followed: a 3xx reply comes back with its Location, for the caller
// to decide. Throws PlatformError when the address cannot be reached or the deadline
// passes.
class Http {
public:
    virtual ~Http() = default;
    virtual HttpResponse get(std::string_view url, std::chrono::milliseconds deadline) = 0;
};

}  // namespace corvane::platform
