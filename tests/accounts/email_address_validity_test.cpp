#include <gtest/gtest.h>

#include "corvane/accounts/address_resolution.h"

namespace corvane::accounts {
namespace {

TEST(EmailAddressValidity, EmptyTextIsInvalid) { EXPECT_FALSE(IsValidEmailAddress("")); }

}  // namespace
}  // namespace corvane::accounts
