// Checks Outlook's events over COM under Wine: a stand-in source with one connection
// point, and a type library built in memory with the events at identifiers of its own
// (Reminder where Outlook puts ItemSend), so only identifiers read from it reach handlers.
#include <windows.h>

#include <stdexcept>
#include <utility>

#include "corvane/comoutlook/event_interfaces.h"
#include "corvane/comoutlook/objects.h"
#include "corvane/outlook/items.h"
#include "corvane/platform/error.h"

#include "expect.h"
#include "stand_in.h"

using namespace corvane;
using comoutlook::ComPtr;
using corvane::winecheck::AddEvents;
using corvane::winecheck::Expect;
using corvane::winecheck::Number;
using corvane::winecheck::StandIn;

namespace {

constexpr DISPID ItemSendId = 0x1234, NewMailId = 77, ReminderId = 0xF002;

struct Application final : outlook::ApplicationEvents {
    std::shared_ptr<outlook::Item> sent;
    int sends = 0, mails = 0;
    bool cancelSeen = true;
    void ItemSend(const std::shared_ptr<outlook::Item>& item, bool& cancel) override {
        sent = item, ++sends, cancelSeen = std::exchange(cancel, true);
    }
    void NewMail() override { throw std::runtime_error("mail " + std::to_string(++mails)); }
};

void CheckEvents(ITypeInfo* own) {
    StandIn app({{L"Class", Number(outlook::olclass::Application)}}, comoutlook::ApplicationEvents_11.iid, own);
    StandIn mail({{L"Class", Number(outlook::olclass::Mail)}}, comoutlook::ItemEvents_10.iid, nullptr);
    {
        auto objects = comoutlook::Objects::Create();
        auto application = std::dynamic_pointer_cast<outlook::Application>(objects->any(ComPtr<IDispatch>(&app)));
        auto item = objects->item(ComPtr<IDispatch>(&mail));
        auto appSink = std::make_shared<Application>();
        auto mailSink = std::make_shared<outlook::ItemEvents>();
        try {
            item->Advise(mailSink);
            Expect(false, "a source without type information cannot be connected");
        } catch (const platform::PlatformError& e) {
            Expect(mail.advised == 0 && e.description().find("type information") != std::string::npos,
                   "a source without type information fails clearly: " + e.description());
        }
        mail.type = own;
        auto connection = application->Advise(appSink);
        auto mailConnection = item->Advise(mailSink);
        Expect(app.advised == 1 && mail.advised == 1 && connection.connected(), "registering advises the source");

        VARIANT_BOOL cancel = VARIANT_FALSE;
        VARIANT args[2]{};  // last first: Cancel by reference, then the item
        V_VT(&args[0]) = VT_BYREF | VT_BOOL, V_BOOLREF(&args[0]) = &cancel;
        V_VT(&args[1]) = VT_DISPATCH, V_DISPATCH(&args[1]) = &mail;
        Expect(app.Fire(ItemSendId, args, 2) == S_OK && appSink->sent == item && !appSink->cancelSeen &&
                   cancel == VARIANT_TRUE,
               "ItemSend reaches the handler with the item's wrapper and its Cancel comes back");
        Expect(app.Fire(ReminderId, args, 2) == S_OK && appSink->sends == 1,
               "an event without a handler does nothing");
        Expect(app.Fire(NewMailId) == S_OK && app.Fire(NewMailId) == S_OK && appSink->mails == 2,
               "a handler that throws answers S_OK and the next event still arrives");

        connection.disconnect();
        Expect(app.sinkFreed, "releasing the connection unadvises and frees the sink");
        auto again = application->Advise(appSink);
        Expect(app.advised == 2 && app.typeInfoAsked == 1, "an interface's identifiers are read once per process");
    }
    Expect(app.refs == 1 && mail.refs == 1 && app.sink == nullptr && mail.sinkFreed,
           "every reference is released at the end");
}

}  // namespace

int main() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ICreateTypeLib2* library = nullptr;
    if (FAILED(CreateTypeLib2(SYS_WIN32, const_cast<LPOLESTR>(L"events.tlb"), &library))) return 2;
    ComPtr<ITypeInfo> own = AddEvents(library, L"_Source", GUID{0x5e1f0001, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}}, {});
    AddEvents(library, L"ApplicationEvents_11", comoutlook::ApplicationEvents_11.iid,
              {{L"Reminder", ReminderId}, {L"ItemSend", ItemSendId}, {L"NewMail", NewMailId}});
    AddEvents(library, L"ItemEvents_10", comoutlook::ItemEvents_10.iid, {{L"Send", 12}, {L"Write", 4242}});
    CheckEvents(own.get());
    own = ComPtr<ITypeInfo>();
    Expect(library->Release() == 0, "the type library is released");
    CoUninitialize();
    return corvane::winecheck::ExitCode();
}
