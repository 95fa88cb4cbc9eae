#pragma once
// The profile's accounts as the NameSpace lists them (Outlook 2007 and later).
#include <memory>
#include <string>

#include "corvane/outlook/object.h"

namespace corvane::outlook {

class Accounts : public Object {
public:
    virtual int Count() = 0;
    virtual std::shared_ptr<Account> Item(int index) = 0;  // 1-based
};

class Account : public Object {
public:
    virtual std::string DisplayName() = 0;
    virtual std::string UserName() = 0;
    virtual std::string SmtpAddress() = 0;
    virtual int AccountType() = 0;  // olaccount
};

}  // namespace corvane::outlook
