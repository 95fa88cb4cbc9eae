#include "corvane/update/cls_auto_update.h"

#include "corvane/platform/error.h"
#include "corvane/text/text.h"
#include "corvane/update/update_reply.h"

namespace corvane::update {
namespace {

// Where a redirect from `from` points: an absolute address as it stands, a path ("/x")
// on the same scheme and host.
std::string RedirectTarget(std::string_view from, std::string_view location) {
    if (location.empty() || location.front() != '/' || (location.size() > 1 && location[1] == '/'))
        return std::string(location);
    const auto hostStart = from.find("://");
    const auto pathStart = hostStart == std::string_view::npos ? from.size() : from.find('/', hostStart + 3);
    return std::string(from.substr(0, pathStart == std::string_view::npos ? from.size() : pathStart)) +
           std::string(location);
}

}  // namespace

std::string FetchUrlText(platform::Http& http, std::string_view address,
                         const std::function<void()>& pendingMessages) {
    const auto pump = [&] {
        if (pendingMessages) pendingMessages();
    };
    std::string url(address);
    for (int redirects = 0; redirects <= MaxRedirects; ++redirects) {
        if (!IsHttpsAddress(url)) return "";
        platform::HttpResponse reply;
        pump();
        try {
            reply = http.get(url, FetchDeadline);
        } catch (const platform::PlatformError&) {
            pump();
            return "";
        }
        pump();
        if (reply.status >= 300 && reply.status < 400 && !reply.location.empty()) {
            url = RedirectTarget(url, reply.location);
            continue;
        }
        if (reply.status != 200 || reply.body.size() > platform::MaxBodyBytes) return "";
        return std::move(reply.body);
    }
    return "";
}

std::string clsAutoUpdate::FetchUrlText(std::string_view address) {
    return update::FetchUrlText(http_, address, pendingMessages);
}

std::string clsAutoUpdate::XmlDataGet(std::string_view tag) const {
    if (lastReply_.empty()) return "";
    return TagValue(lastReply_, tag);
}

std::string clsAutoUpdate::UpdateAvailable() {
    lastReply_ = FetchUrlText(VersionServiceAddress(programName_, currentVersion_));
    if (lastReply_.empty()) return std::string(NoNetConnection);
    if (XmlDataGet("SOFTWARELIST").empty()) return "";
    const std::string newest = text::replaceAll(XmlDataGet("FREEVERSION"), "a", ".");
    if (newest.empty()) return "";
    return IsNewerVersion(newest, currentVersion_) ? newest : "";
}

}  // namespace corvane::update
