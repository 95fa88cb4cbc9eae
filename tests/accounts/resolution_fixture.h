#pragma once
// Address resolution in the world, with the add-in process and its access component.
#include "corvane/outlook/items.h"
#include "corvane/sim/address_book.h"
#include "corvane/sim/item_types.h"
#include "corvane/sim/name_space.h"
#include "support/world.h"

namespace corvane::accounts::testing {

namespace ol = outlook;
using corvane::testing::OutlookSetup;

class ResolutionTest : public corvane::testing::WorldTest {
protected:
    explicit ResolutionTest(OutlookSetup outlook = {}) : WorldTest(std::move(outlook)) {}

    // A received message from Ann to the recipients.
    std::shared_ptr<sim::SimMailItem> mailTo(std::vector<sim::RecipientSpec> to) {
        return received({.from = ann, .to = to});
    }
    // An address book entry of a type, with an SMTP address and proxies when given.
    std::shared_ptr<sim::SimAddressEntry> entryOfType(std::string type, std::string smtp = "",
                                                      std::vector<std::string> proxies = {}) {
        sim::EntrySpec spec;
        spec.name = type + " entry";
        spec.type = std::move(type);
        spec.address = "/o=Kelderon/cn=" + spec.name;
        spec.smtpAddress = std::move(smtp);
        spec.proxyAddresses = std::move(proxies);
        return app->profile()->addressBook().addEntry(spec);
    }
    access::ComponentFactory& access() { return *process().access; }
    int cleanUps() { return access().State().cleanUps; }
    // The message every failed resolution shows when asked to.
    void expectUnresolved(std::string title) {
        expectBox(std::move(title), "E-mail address cannot be resolved. Please check e-mail address.",
                  platform::mb::ExclamationOk);
    }

    const std::shared_ptr<sim::SimAddressEntry> john = entry("John Smith"), ann = entry("Ann Lee"),
                                                boss = entry("Bea Boss"), team = entry("Team"),
                                                friends = entry("Friends");
};

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
