#pragma once
// The simulated internet: GET requests are answered from a queue of scripted replies, in
// order. A request with no reply left, or one whose address does not fit its reply, is a
// failure of the script (kept, like the scripted Ui's), and the caller sees an
// unreachable server. A reply that takes time moves the simulated clock on; one that
// takes longer than the request's deadline times out at the deadline.
#include <chrono>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>

#include "corvane/platform/clock.h"
#include "corvane/platform/http.h"
#include "corvane/simhost/host_transcript.h"

namespace corvane::simhost {

struct HttpReply {
    std::optional<std::string> urlContains;  // the request's address must contain it
    int status = 200;
    std::string body;
    bool unreachable = false;       // the server cannot be reached (WinINet 12029)
    std::string location;           // where a redirect (3xx) points
    std::chrono::seconds delay{0};  // how long the reply takes to come
};

class SimHttp final : public platform::Http {
public:
    SimHttp(HostTranscript& transcript, platform::FixedClock& clock) : transcript_(transcript), clock_(clock) {}

    // Transcript: `http GET "<url>" -> <status> (<n> bytes)`, with ` after <n>s` for a
    // reply that takes time and ` to "<location>"` for a redirect; `-> unreachable`, or
    // `-> timed out after <n>s`.
    platform::HttpResponse get(std::string_view address, std::chrono::milliseconds deadline) override;

    void addReply(HttpReply reply) { replies_.push_back(std::move(reply)); }
    std::size_t repliesLeft() const { return replies_.size(); }
    std::size_t requests() const { return requests_; }
    // The first request that did not fit the script, if any.
    const std::optional<std::string>& failure() const { return failure_; }

private:
    [[noreturn]] void unreachable(const std::string& url);

    HostTranscript& transcript_;
    platform::FixedClock& clock_;
    std::deque<HttpReply> replies_;
    std::size_t requests_ = 0;
    std::optional<std::string> failure_;
};

}  // namespace corvane::simhost
