#pragma once
#include <chrono>
#include <string>
#include <string_view>

namespace corvane::platform {

struct HttpResponse {
    int status = 0;
    std::string body;
};

// GET of a URL that gives up at the deadline. Throws PlatformError when the address
// cannot be reached or the deadline passes.
class Http {
public:
    virtual ~Http() = default;
    virtual HttpResponse get(std::string_view url, std::chrono::milliseconds deadline) = 0;
};

}  // namespace corvane::platform
