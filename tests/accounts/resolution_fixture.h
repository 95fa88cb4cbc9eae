#pragma once
// Address resolution on the access component's test profile (John on Exchange with a
// secondary, a primary and an X.400 proxy; Ann, Bea; an Exchange and a personal list),
// with the add-in process, its access component and a recording Ui.
#include <gtest/gtest.h>

#include "access/access_profile.h"
#include "corvane/core/addin_process.h"
#include "corvane/sim/address_book.h"
#include "corvane/simhost/registry.h"
#include "support/fake_ui.h"

namespace corvane::accounts::testing {

namespace ol = outlook;

struct StubServices final : platform::Shell, platform::Http, platform::SystemInfo {
    void openAddress(std::string_view) override {}
    void openHelp(std::string_view, std::string_view) override {}
    platform::HttpResponse get(std::string_view, std::chrono::milliseconds) override { return {}; }
    platform::WindowsVersion windowsVersion() override { return {}; }
    std::uint16_t nativeArchitecture() override { return platform::arch::Amd64; }
    std::string addinFolder() override { return "C:\\Corvane"; }
    platform::AddinVersion addinVersion() override { return {2, 0, 58}; }
};

class ResolutionTest : public ::testing::Test {
protected:
    explicit ResolutionTest(std::string version = "11.0.0.8010", bool wordEditor = false)
        : p(std::move(version), wordEditor) {
        process->gOutlook = p.app;
    }
    // A received message from Ann to the recipients.
    std::shared_ptr<sim::SimMailItem> mailTo(std::vector<sim::RecipientSpec> to) {
        return p.mail(p.message(p.ann, std::move(to)));
    }
    std::shared_ptr<sim::SimAddressEntry> entry(std::string type, std::string smtp = "",
                                                std::vector<std::string> proxies = {}) {
        sim::EntrySpec spec;
        spec.name = type + " entry";
        spec.type = std::move(type);
        spec.address = "/o=Kelderon/cn=" + spec.name;
        spec.smtpAddress = std::move(smtp);
        spec.proxyAddresses = std::move(proxies);
        return p.app->profile()->addressBook().addEntry(spec);
    }
    int cleanUps() const { return access->State().cleanUps; }

    corvane::testing::AccessProfile p;
    simhost::SimRegistry registry;
    corvane::testing::FakeUi ui;
    StubServices stubs;
    platform::Host host{registry, ui, stubs, stubs, stubs, p.clock, p.files};
    std::shared_ptr<access::ComponentFactory> access = std::make_shared<access::ComponentFactory>(p.subsystem);
    std::unique_ptr<core::AddinProcess> process = std::make_unique<core::AddinProcess>(host, access);
};

// The message every failed resolution shows when asked to.
inline constexpr const char* UnresolvedPrompt = "E-mail address cannot be resolved. Please check e-mail address.";

// An item every member of which fails with one error number.
class FailingItem final : public ol::Item {
public:
    explicit FailingItem(std::int32_t number) : number_(number) {}
    int Class() override { fail(); }
    std::string MessageClass() override { fail(); }
    std::string EntryID() override { fail(); }
    std::string Subject() override { fail(); }
    void SetSubject(const std::string&) override { fail(); }
    std::string Body() override { fail(); }
    void SetBody(const std::string&) override { fail(); }
    std::shared_ptr<ol::Object> Parent() override { fail(); }
    bool UnRead() override { fail(); }
    void SetUnRead(bool) override { fail(); }
    bool Saved() override { fail(); }
    platform::DateTime CreationTime() override { fail(); }
    std::shared_ptr<ol::UserProperties> UserProperties() override { fail(); }
    std::shared_ptr<ol::Inspector> GetInspector() override { fail(); }
    void Save() override { fail(); }
    void Display(bool) override { fail(); }
    void Close(int) override { fail(); }
    void Delete() override { fail(); }
    std::shared_ptr<ol::Item> Move(const std::shared_ptr<ol::Folder>&) override { fail(); }
    std::shared_ptr<mapi::Message> MAPIOBJECT() override { fail(); }
    ol::Connection Advise(std::shared_ptr<ol::ItemEvents>) override { fail(); }

private:
    [[noreturn]] void fail() const { throw platform::PlatformError(number_, "The test item fails"); }
    std::int32_t number_;
};

}  // namespace corvane::accounts::testing
