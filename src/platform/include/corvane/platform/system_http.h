#pragma once
// The machine's own HTTP transport behind the Http seam: WinINet on Windows, with the
// system's configured access (proxy settings); libcurl elsewhere, with the proxy the
// environment names. The body is read in chunks of at most 2048 bytes, `betweenReads`
// running after each (pending window messages), and reading stops after MaxBodyBytes + 1
// bytes. Redirects come back to the caller (http.h).
#include <functional>
#include <string>

#include "corvane/platform/http.h"

namespace corvane::platform {

class SystemHttp final : public Http {
public:
    // `agent`: the name the requests give as their user agent.
    explicit SystemHttp(std::string agent, std::function<void()> betweenReads = {})
        : agent_(std::move(agent)), betweenReads_(std::move(betweenReads)) {}

    HttpResponse get(std::string_view url, std::chrono::milliseconds deadline) override;

private:
    void pump() const {
        if (betweenReads_) betweenReads_();
    }

    std::string agent_;
    std::function<void()> betweenReads_;
};

// The size of one read of a reply body.
inline constexpr std::size_t HttpChunkBytes = 2048;

}  // namespace corvane::platform
