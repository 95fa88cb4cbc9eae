#pragma once
// clsAutoUpdate: asks the vendor's version service whether a newer version of the add-in
// exists, and keeps the service's last reply for the question dialog's links.
#include <chrono>
#include <functional>
#include <string>
#include <string_view>

#include "corvane/platform/http.h"

namespace corvane::update {

// What UpdateAvailable gives when the service cannot be reached.
inline constexpr std::string_view NoNetConnection = "NoNetConnection";
// How long one request may take before it counts as failed.
inline constexpr std::chrono::seconds FetchDeadline{120};
// Redirects followed at most, each to an https address.
inline constexpr int MaxRedirects = 5;

// The whole body of a GET of an https address, following redirects only to https
// addresses. A failed request, a reply other than 200, a redirect elsewhere and a body
// longer than platform::MaxBodyBytes all give "". `pendingMessages` runs between the
// steps (before the request, and after it).
std::string FetchUrlText(platform::Http& http, std::string_view address,
                         const std::function<void()>& pendingMessages = {});

class clsAutoUpdate {
public:
    // programName: the application title; currentVersion: "major.minor.revision".
    clsAutoUpdate(platform::Http& http, std::string programName, std::string currentVersion)
        : http_(http), programName_(std::move(programName)), currentVersion_(std::move(currentVersion)) {}

    // The value of a tag in the last reply; "" when the reply is empty or lacks the tag.
    std::string XmlDataGet(std::string_view tag) const;
    // The newer version's text, "" when there is none, or NoNetConnection.
    std::string UpdateAvailable();
    std::string FetchUrlText(std::string_view address);

    // Runs between the steps of a fetch (the checking dialog's message pump).
    std::function<void()> pendingMessages;

    const std::string& currentVersion() const { return currentVersion_; }

private:
    platform::Http& http_;
    std::string programName_;
    std::string currentVersion_;
    std::string lastReply_;
};

}  // namespace corvane::update
