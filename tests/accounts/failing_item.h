#pragma once
// An item every member of which fails with one error number, for the failure conventions.
#include <cstdint>
#include <memory>
#include <string>

#include "corvane/platform/error.h"
#include "corvane/platform/outlook/items.h"

namespace corvane::accounts::testing {

class FailingItem final : public outlook::Item {
public:
    explicit FailingItem(std::int32_t number) : number_(number) {}

    int Class() override { fail(); }
    std::string MessageClass() override { fail(); }
    std::string EntryID() override { fail(); }
    std::string Subject() override { fail(); }
    void SetSubject(const std::string&) override { fail(); }
    std::string Body() override { fail(); }
    void SetBody(const std::string&) override { fail(); }
    std::shared_ptr<outlook::Object> Parent() override { fail(); }
    bool UnRead() override { fail(); }
    void SetUnRead(bool) override { fail(); }
    bool Saved() override { fail(); }
    platform::DateTime CreationTime() override { fail(); }
    std::shared_ptr<outlook::UserProperties> UserProperties() override { fail(); }
    std::shared_ptr<outlook::Inspector> GetInspector() override { fail(); }
    void Save() override { fail(); }
    void Display(bool) override { fail(); }
    void Close(int) override { fail(); }
    void Delete() override { fail(); }
    std::shared_ptr<outlook::Item> Move(const std::shared_ptr<outlook::Folder>&) override { fail(); }
    std::shared_ptr<mapi::Message> MAPIOBJECT() override { fail(); }
    outlook::Connection Advise(std::shared_ptr<outlook::ItemEvents>) override { fail(); }

private:
    [[noreturn]] void fail() const { throw platform::PlatformError(number_, "The test item fails"); }
    std::int32_t number_;
};

}  // namespace corvane::accounts::testing
