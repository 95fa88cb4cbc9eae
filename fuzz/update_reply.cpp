// The version service's reply as the update check reads it. Input: the reply's body, a
// NUL, the version the add-in runs. A tag's value is text of the reply between its tags;
// the check gives NoNetConnection only for an empty reply, and otherwise a newer version
// only when the reply lists software and that version is newer than the current one.
#include <string>

#include "corvane/platform/error.h"
#include "corvane/update/cls_auto_update.h"
#include "corvane/update/update_reply.h"
#include "fuzz_support.h"

using namespace corvane;
using fuzz::check;

namespace {

struct OneReply final : platform::Http {
    explicit OneReply(std::string_view body) : body_(body) {}
    platform::HttpResponse get(std::string_view, std::chrono::milliseconds) override { return {200, body_, ""}; }
    std::string body_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [reply, current] = fuzz::splitAtNul(fuzz::asText(data, size));
    for (const char* tag : {"SOFTWARELIST", "FREEVERSION", "DOWNLOADLINK"}) {
        const std::string value = update::TagValue(reply, tag);
        check(value.empty() || reply.find("<" + std::string(tag) + ">" + value + "</" + tag + ">") !=
                                   std::string_view::npos,
              "a tag's value stands between its opening and closing tags in the reply");
    }

    OneReply http(reply);
    update::clsAutoUpdate autoUpdate(http, "Corvane", std::string(current));
    const std::string result = autoUpdate.UpdateAvailable();
    check((result == update::NoNetConnection) == reply.empty(), "only an empty reply means no connection");
    if (!result.empty() && result != update::NoNetConnection) {
        check(!update::TagValue(reply, "SOFTWARELIST").empty(), "a newer version needs a software list");
        check(update::IsNewerVersion(result, current), "the version offered is newer than the current one");
        check(!update::IsNewerVersion(current, result), "no version is newer than a newer one");
    }
    check(autoUpdate.XmlDataGet("DOWNLOADLINK") == update::TagValue(reply, "DOWNLOADLINK"),
          "the links are read from the last reply");
    return 0;
}
