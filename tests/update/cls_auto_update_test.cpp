// The version service's reply and the request behind it: the version comparison, the
// reply reader, and what the fetch refuses (redirects away from https, a body over 1 MB).
#include <gtest/gtest.h>

#include <deque>

#include "corvane/platform/error.h"
#include "corvane/settings/setting_keys.h"
#include "corvane/update/cls_auto_update.h"
#include "corvane/update/update_check.h"
#include "corvane/update/update_reply.h"
#include "support/world.h"

namespace corvane::update {
namespace {

// Replies in order; the addresses asked, for the checks.
struct ScriptedHttp final : platform::Http {
    platform::HttpResponse get(std::string_view url, std::chrono::milliseconds) override {
        asked.emplace_back(url);
        if (replies.empty()) throw platform::PlatformError(platform::errors::HttpCannotConnect);
        auto r = replies.front();
        replies.pop_front();
        return r;
    }
    void reply(std::string body, int status = 200, std::string location = "") {
        replies.push_back({status, std::move(body), std::move(location)});
    }
    std::deque<platform::HttpResponse> replies;
    std::vector<std::string> asked;
};

TEST(VersionComparison, OnlyAGreaterMinorOrRevisionOfTheSameMajorIsNewer) {
    EXPECT_TRUE(IsNewerVersion("2.0.60", "2.0.58"));
    EXPECT_TRUE(IsNewerVersion("2.1.0", "2.0.58"));
    EXPECT_FALSE(IsNewerVersion("2.0.58", "2.0.58"));
    EXPECT_FALSE(IsNewerVersion("3.0.0", "2.0.58"));
    EXPECT_FALSE(IsNewerVersion("2.0.57", "2.0.58"));
    EXPECT_FALSE(IsNewerVersion("2.0.99", "2.1.0"));
}

TEST(VersionComparison, PartsAreSixteenBitNumbersAndThreeAreNeeded) {
    EXPECT_TRUE(IsNewerVersion("2.0.32767", "2.0.58"));
    EXPECT_FALSE(IsNewerVersion("2.0.32768", "2.0.58"));
    EXPECT_FALSE(IsNewerVersion("2.1", "2.0.58"));
    EXPECT_FALSE(IsNewerVersion("2.x.1", "2.0.58"));
    EXPECT_TRUE(IsNewerVersion("2.0.60.9", "2.0.58"));
}

TEST(ReplyReader, TakesTheTextUpToTheFirstClosingTagAfterTheFirstOpeningOne) {
    EXPECT_EQ(TagValue("<A>1</A><A>2</A>", "A"), "1");
    EXPECT_EQ(TagValue("</A><A>x</A>", "A"), "x");
    EXPECT_EQ(TagValue("<a>x</a>", "A"), "");
    EXPECT_EQ(TagValue("<A>unclosed", "A"), "");
    EXPECT_EQ(TagValue("<AB>x</AB>", "A"), "");
}

TEST(UpdateAvailable, ReadsTheReplyAsTheCheckNeedsIt) {
    ScriptedHttp http;
    clsAutoUpdate update(http, "Corvane Pro", "2.0.58");
    http.reply("<SOFTWARELIST><FREEVERSION>2a1a0</FREEVERSION><DOWNLOADLINK>https://d</DOWNLOADLINK></SOFTWARELIST>");
    EXPECT_EQ(update.UpdateAvailable(), "2.1.0");
    EXPECT_EQ(update.XmlDataGet("DOWNLOADLINK"), "https://d");
    EXPECT_EQ(http.asked.back(),
              "https://updates.kelderon.example/services/uploadversion.asp?program=Corvane%20Pro&version=2.0.58");
    http.reply("<FREEVERSION>2.1.0</FREEVERSION>");
    EXPECT_EQ(update.UpdateAvailable(), "");
    http.reply("<SOFTWARELIST>x</SOFTWARELIST>");
    EXPECT_EQ(update.UpdateAvailable(), "");
    http.reply("");
    EXPECT_EQ(update.UpdateAvailable(), NoNetConnection);
    EXPECT_EQ(update.XmlDataGet("DOWNLOADLINK"), "");
    EXPECT_EQ(update.UpdateAvailable(), NoNetConnection);  // no connection at all
}

TEST(Fetch, ABodyOverOneMegabyteCountsAsEmpty) {
    ScriptedHttp http;
    http.reply(std::string(platform::MaxBodyBytes, 'x'));
    EXPECT_EQ(FetchUrlText(http, "https://a.example/").size(), platform::MaxBodyBytes);
    http.reply(std::string(platform::MaxBodyBytes + 1, 'x'));
    EXPECT_EQ(FetchUrlText(http, "https://a.example/"), "");
}

TEST(Fetch, FollowsRedirectsOnlyToHttpsAddresses) {
    ScriptedHttp http;
    EXPECT_EQ(FetchUrlText(http, "http://a.example/"), "");
    EXPECT_TRUE(http.asked.empty());

    http.reply("", 302, "http://a.example/plain");
    EXPECT_EQ(FetchUrlText(http, "https://a.example/v"), "");
    EXPECT_EQ(http.asked, std::vector<std::string>{"https://a.example/v"});

    http.asked.clear();
    http.reply("", 301, "/moved?x=1");
    http.reply("", 307, "https://b.example/final");
    http.reply("body");
    EXPECT_EQ(FetchUrlText(http, "https://a.example/v"), "body");
    EXPECT_EQ(http.asked, (std::vector<std::string>{"https://a.example/v", "https://a.example/moved?x=1",
                                                    "https://b.example/final"}));

    for (int i = 0; i <= MaxRedirects; ++i) http.reply("", 302, "https://a.example/loop");
    EXPECT_EQ(FetchUrlText(http, "https://a.example/v"), "");
}

TEST(Fetch, AReplyOtherThanOkIsEmpty) {
    ScriptedHttp http;
    http.reply("<SOFTWARELIST>x</SOFTWARELIST>", 404);
    EXPECT_EQ(FetchUrlText(http, "https://a.example/"), "");
}

// The update command opens the question with "No" chosen while the reminder is off.
TEST(UpdateCommand, StartsOnNoWhileTheReminderIsOff) {
    testing::World world;
    world.set(settings::keys::LastCheckUpdateDate, " DoNotCheck");
    simhost::action::ControlState no{.control = "optNo", .chosen = true};
    simhost::action::ControlState days{.control = "cboYes", .enabled = false};
    world.expectForm("frmConfirmCheckUpdate",
                     {simhost::action::Expect{{no, days}}, simhost::action::Click{"cmdCancel"}});
    UpdateCheck().CommandCheckForUpdates(world.process());
    EXPECT_NO_THROW(world.ui().finish()) << world.transcript();
}

}  // namespace
}  // namespace corvane::update
