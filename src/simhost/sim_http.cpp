#include "corvane/simhost/sim_http.h"

#include "corvane/platform/error.h"
#include "corvane/ui/text_presenter.h"

namespace corvane::simhost {

void SimHttp::unreachable(const std::string& url) {
    transcript_.add("http GET " + ui::quote(url) + " -> unreachable");
    throw platform::PlatformError(platform::errors::HttpCannotConnect);
}

platform::HttpResponse SimHttp::get(std::string_view address, std::chrono::milliseconds deadline) {
    ++requests_;
    const std::string url(address);
    if (replies_.empty()) {
        if (!failure_) failure_ = "unexpected HTTP request GET " + ui::quote(url) + ": no reply is scripted";
        unreachable(url);
    }
    HttpReply reply = std::move(replies_.front());
    replies_.pop_front();
    if (reply.urlContains && url.find(*reply.urlContains) == std::string::npos) {
        if (!failure_)
            failure_ = "HTTP request GET " + ui::quote(url) + " does not contain " + ui::quote(*reply.urlContains) +
                       " as its scripted reply expects";
        unreachable(url);
    }
    if (reply.unreachable) unreachable(url);
    const auto deadlineSeconds = std::chrono::duration_cast<std::chrono::seconds>(deadline);
    if (reply.delay > deadlineSeconds) {
        clock_.advanceSeconds(deadlineSeconds.count());
        transcript_.add("http GET " + ui::quote(url) + " -> timed out after " +
                        std::to_string(deadlineSeconds.count()) + "s");
        throw platform::PlatformError(platform::errors::HttpTimeout);
    }
    clock_.advanceSeconds(reply.delay.count());
    // A transport keeps one byte past the limit, no more.
    if (reply.body.size() > platform::MaxBodyBytes + 1) reply.body.resize(platform::MaxBodyBytes + 1);
    std::string line = "http GET " + ui::quote(url) + " -> " + std::to_string(reply.status) + " (" +
                       std::to_string(reply.body.size()) + " bytes)";
    if (reply.delay.count() > 0) line += " after " + std::to_string(reply.delay.count()) + "s";
    if (!reply.location.empty()) line += " to " + ui::quote(reply.location);
    transcript_.add(line);
    return {reply.status, std::move(reply.body), std::move(reply.location)};
}

}  // namespace corvane::simhost
