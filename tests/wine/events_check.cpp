// Checks Outlook's events over COM under Wine: a stand-in source with one connection
// point, and a type library built in memory with the events at identifiers of its own
// (Reminder where Outlook puts ItemSend), so only identifiers read from it reach handlers.
#include <windows.h>

#include <olectl.h>

#include <stdexcept>
#include <utility>

#include "corvane/comoutlook/event_interfaces.h"
#include "corvane/comoutlook/objects.h"
#include "corvane/outlook/items.h"
#include "corvane/platform/error.h"

#include "expect.h"

using namespace corvane;
using comoutlook::ComPtr;
using corvane::winecheck::Expect;

namespace {

constexpr DISPID ItemSendId = 0x1234, NewMailId = 77, ReminderId = 0xF002;

template <class T>
HRESULT Give(T** out, T* value, HRESULT missing = E_NOINTERFACE) {
    if ((*out = value) == nullptr) return missing;
    value->AddRef();
    return S_OK;
}

// A dispinterface in `library` with the events at the given identifiers.
ComPtr<ITypeInfo> AddEvents(ICreateTypeLib2* library, const wchar_t* name, const GUID& iid,
                            std::initializer_list<std::pair<const wchar_t*, DISPID>> events) {
    ICreateTypeInfo* made = nullptr;
    library->CreateTypeInfo(const_cast<LPOLESTR>(name), TKIND_DISPATCH, &made);
    made->SetGuid(iid);
    UINT index = 0;
    for (auto [event, id] : events) {
        FUNCDESC desc{};
        desc.memid = id, desc.funckind = FUNC_DISPATCH, desc.invkind = INVOKE_FUNC, desc.callconv = CC_STDCALL;
        desc.elemdescFunc.tdesc.vt = VT_VOID;
        made->AddFuncDesc(index, &desc);
        LPOLESTR names[] = {const_cast<LPOLESTR>(event)};
        made->SetFuncAndParamNames(index++, names, 1);
    }
    made->LayOut();
    return ComPtr<ICreateTypeInfo>::adopt(made).as<ITypeInfo>();
}

// An Outlook object of a class raising one event interface; its only property is Class.
class Source final : public IDispatch, public IConnectionPointContainer, public IConnectionPoint {
public:
    Source(int objectClass, const GUID& events, ITypeInfo* typeInfo)
        : type(typeInfo), class_(objectClass), events_(events) {}
    ITypeInfo* type;  // nullptr: the source has no type information
    ULONG refs = 1, typeInfoAsked = 0, advised = 0;
    bool sinkFreed = false;
    IDispatch* sink = nullptr;

    HRESULT Fire(DISPID id, VARIANT* lastFirst = nullptr, UINT count = 0) {
        DISPPARAMS params{lastFirst, nullptr, count, 0};
        return sink->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        IUnknown* self = iid == IID_IUnknown || iid == IID_IDispatch ? static_cast<IDispatch*>(this) : nullptr;
        if (iid == IID_IConnectionPointContainer) self = static_cast<IConnectionPointContainer*>(this);
        return Give(reinterpret_cast<IUnknown**>(out), self);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }  // lives on the test's stack
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** out) override {
        ++typeInfoAsked;
        return Give(out, type, TYPE_E_ELEMENTNOTFOUND);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override {
        *ids = 1;
        return std::wstring_view(names[0]) == L"Class" ? S_OK : DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                     UINT*) override {
        V_VT(result) = VT_I4;
        V_I4(result) = class_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** out) override {
        return Give(out, iid == events_ ? static_cast<IConnectionPoint*>(this) : nullptr, CONNECT_E_NOCONNECTION);
    }
    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* unknown, DWORD* cookie) override {
        *cookie = ++advised;
        return unknown->QueryInterface(events_, reinterpret_cast<void**>(&sink));  // as Outlook asks the sink
    }
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override {
        if (cookie != advised || sink == nullptr) return CONNECT_E_NOCONNECTION;
        sinkFreed = std::exchange(sink, nullptr)->Release() == 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections**) override { return E_NOTIMPL; }

private:
    int class_;
    GUID events_;
};

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
    Source app(outlook::olclass::Application, comoutlook::ApplicationEvents_11.iid, own);
    Source mail(outlook::olclass::Mail, comoutlook::ItemEvents_10.iid, nullptr);
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
