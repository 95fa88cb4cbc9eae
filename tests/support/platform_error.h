#pragma once
// EXPECT_THAT([&] { call(); }, FailsWith(76)): the call fails with that platform error
// number. FailsWith(76, "Path not found: D:\\x") or FailsWith(76, HasSubstr("D:")) also
// match the description; FailsWith(platform::errors::ItemMovedOrDeleted) both of a known
// failure's.
#include <gmock/gmock.h>

#include <optional>
#include <string>

#include "corvane/platform/error.h"

namespace corvane::testing {

namespace detail {

template <class E>
std::string failureText(const E& expected) {
    if constexpr (requires { expected.description; })
        return std::to_string(expected.number) + " \"" + std::string(expected.description) + "\"";
    else
        return std::to_string(expected);
}

// The failure of the call: its number and description, or nothing when it did not fail.
template <class F>
std::optional<platform::PlatformError> failureOf(const F& call, ::testing::MatchResultListener* listener) {
    try {
        call();
    } catch (const platform::PlatformError& e) {
        *listener << "it failed with " << e.number() << " \"" << e.description() << "\"";
        return e;
    }
    *listener << "it did not fail";
    return std::nullopt;
}

}  // namespace detail

MATCHER_P(FailsWith, expected, "fails with platform error " + detail::failureText(expected)) {
    const auto e = detail::failureOf(arg, result_listener);
    if (!e) return false;
    if constexpr (requires { expected.description; })
        return e->number() == expected.number && e->description() == expected.description;
    else
        return e->number() == static_cast<std::int32_t>(expected);
}

MATCHER_P2(FailsWith, number, description,
           "fails with platform error " + detail::failureText(number) + " and a description that " +
               ::testing::DescribeMatcher<const std::string&>(description)) {
    const auto e = detail::failureOf(arg, result_listener);
    return e && e->number() == static_cast<std::int32_t>(number) &&
           ::testing::Matches(::testing::SafeMatcherCast<const std::string&>(description))(e->description());
}

}  // namespace corvane::testing
