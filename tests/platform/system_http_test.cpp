// The machine's HTTP transport refuses what is no web address and reports an unreachable
// server as WinINet does, without touching the network.
#include <gmock/gmock.h>

#include "corvane/platform/system_http.h"
#include "support/platform_error.h"

namespace corvane::platform {
namespace {

TEST(SystemHttp, OnlyWebAddressesAreFetched) {
    SystemHttp http("Corvane test");
    int pumps = 0;
    SystemHttp pumped("Corvane test", [&] { ++pumps; });
    EXPECT_THAT([&] { http.get("file:///etc/hostname", std::chrono::seconds(5)); },
                testing::FailsWith(errors::HttpCannotConnect.number));
    EXPECT_THAT([&] { pumped.get("http://127.0.0.1:1/", std::chrono::seconds(5)); },
                testing::FailsWith(errors::HttpCannotConnect.number));
    EXPECT_GT(pumps, 0);  // pending messages ran while it tried
}

}  // namespace
}  // namespace corvane::platform
