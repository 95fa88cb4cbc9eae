#include "corvane/simhost/sim_http.h"

#include "corvane/platform/error.h"
#include "corvane/ui/text_presenter.h"

namespace corvane::simhost {

void SimHttp::unreachable(const std::string& url) {
    transcript_.add("http GET " + ui::quote(url) + " -> unreachable");
    throw platform::PlatformError(platform::errors::HttpCannotConnect);
}

platform::HttpResponse SimHttp::get(std::string_view address, std::chrono::milliseconds) {
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
    transcript_.add("http GET " + ui::quote(url) + " -> " + std::to_string(reply.status) + " (" +
                    std::to_string(reply.body.size()) + " bytes)");
    return {reply.status, std::move(reply.body)};
}

}  // namespace corvane::simhost
