#include "sink.h"

#include <windows.h>

#include <olectl.h>
#include <cstring>
#include <map>

#include "corvane/comoutlook/late.h"
#include "corvane/platform/error.h"
#include "corvane/text/wide.h"

namespace corvane::comoutlook {

namespace {

struct GuidLess {
    bool operator()(const GUID& a, const GUID& b) const noexcept { return std::memcmp(&a, &b, sizeof(GUID)) < 0; }
};

// The dispatch identifiers of each event interface's events, by name, for the process:
// every source of one interface numbers its events alike, so the type information is read
// once per interface. DISPID_UNKNOWN marks an event the interface does not have.
class EventIds {
public:
    // The identifiers of the bindings' events, reading the source's type information for
    // those not known yet. The lock is never held across a call to the source (a call to
    // another process lets Outlook call in again on this thread).
    std::vector<DISPID> of(IDispatch* source, const EventInterface& events, std::span<const EventBinding> bindings) {
        std::vector<DISPID> ids(bindings.size(), DISPID_UNKNOWN);
        std::vector<std::size_t> unknown;
        {
            Locked locked(lock_);
            auto& known = tables_[events.iid];
            for (std::size_t i = 0; i < bindings.size(); ++i) {
                auto found = known.find(bindings[i].event);
                if (found != known.end())
                    ids[i] = found->second;
                else
                    unknown.push_back(i);
            }
        }
        if (unknown.empty()) return ids;
        ComPtr<ITypeInfo> info = typeInfoOf(source, events);
        for (std::size_t i : unknown) ids[i] = idOf(info.get(), bindings[i].event);
        Locked locked(lock_);
        auto& known = tables_[events.iid];
        for (std::size_t i : unknown) known.emplace(std::string(bindings[i].event), ids[i]);
        return ids;
    }

private:
    [[noreturn]] static void NoTypeInformation(HRESULT hr, const EventInterface& events) {
        throw platform::PlatformError(static_cast<std::int32_t>(FAILED(hr) ? hr : E_NOINTERFACE),
                                      "The event source gives no type information for " + std::string(events.name) +
                                          ": its events cannot be connected.");
    }

    // The source's own type, its type library, the event interface in it.
    static ComPtr<ITypeInfo> typeInfoOf(IDispatch* source, const EventInterface& events) {
        ComPtr<ITypeInfo> own;
        HRESULT hr = source->GetTypeInfo(0, LOCALE_USER_DEFAULT, own.put());
        if (FAILED(hr) || !own) NoTypeInformation(hr, events);
        ComPtr<ITypeLib> library;
        UINT index = 0;
        hr = own->GetContainingTypeLib(library.put(), &index);
        if (FAILED(hr) || !library) NoTypeInformation(hr, events);
        ComPtr<ITypeInfo> info;
        hr = library->GetTypeInfoOfGuid(events.iid, info.put());
        if (FAILED(hr) || !info) NoTypeInformation(hr, events);
        return info;
    }

    static DISPID idOf(ITypeInfo* info, std::string_view event) {
        std::wstring wide = text::WideFromUtf8(event);
        LPOLESTR names[] = {wide.data()};
        MEMBERID id = DISPID_UNKNOWN;
        return SUCCEEDED(info->GetIDsOfNames(names, 1, &id)) ? id : DISPID_UNKNOWN;
    }

    class Locked {
    public:
        explicit Locked(SRWLOCK& lock) : lock_(&lock) { AcquireSRWLockExclusive(lock_); }
        Locked(const Locked&) = delete;
        Locked& operator=(const Locked&) = delete;
        ~Locked() { ReleaseSRWLockExclusive(lock_); }

    private:
        SRWLOCK* lock_;
    };

    SRWLOCK lock_ = SRWLOCK_INIT;
    std::map<GUID, std::map<std::string, DISPID, std::less<>>, GuidLess> tables_;
};

EventIds& ProcessEventIds() {
    static EventIds ids;
    return ids;
}

// The sink Outlook calls: answers for IUnknown, IDispatch and the event interface.
class EventSink final : public IDispatch {
public:
    EventSink(const GUID& events, std::map<DISPID, EventHandler> handlers)
        : events_(events), handlers_(std::move(handlers)) {}
    EventSink(const EventSink&) = delete;
    EventSink& operator=(const EventSink&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        if (iid != IID_IUnknown && iid != IID_IDispatch && iid != events_) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        auto left = static_cast<ULONG>(InterlockedDecrement(&refs_));
        if (left == 0) delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count != nullptr) *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        auto handler = handlers_.find(id);
        if (handler == handlers_.end() || params == nullptr) return S_OK;
        // A handler may end its own connection (an item's Close): the sink stays for the call.
        AddRef();
        // A failing handler stops there; Outlook goes on as if it had returned.
        try {
            handler->second(EventArgs(*params));
        } catch (...) {  // NOLINT(bugprone-empty-catch): nothing may cross into Outlook
        }
        Release();
        return S_OK;
    }

private:
    ~EventSink() = default;

    GUID events_;
    std::map<DISPID, EventHandler> handlers_;
    LONG refs_ = 1;
};

}  // namespace

VARIANT& EventArgs::arg(std::size_t index) const {
    if (index >= params_->cArgs) throw platform::PlatformError(platform::errors::InvalidCall);
    return params_->rgvarg[params_->cArgs - 1 - index];
}

Value EventArgs::value(std::size_t index) const {
    Value copy;
    Check(VariantCopyInd(&copy.raw(), &arg(index)), "event argument");
    return copy;
}

void EventArgs::withCancel(std::size_t index, const std::function<void(bool&)>& handler) const {
    VARIANT& cancel = arg(index);
    VARIANT* target = &cancel;
    if (V_VT(target) == (VT_BYREF | VT_VARIANT)) target = V_VARIANTREF(target);
    bool value = false;
    if (V_VT(target) == (VT_BYREF | VT_BOOL))
        value = *V_BOOLREF(target) != VARIANT_FALSE;
    else if (V_VT(target) == VT_BOOL)
        value = V_BOOL(target) != VARIANT_FALSE;
    handler(value);
    if (V_VT(target) == (VT_BYREF | VT_BOOL))
        *V_BOOLREF(target) = value ? VARIANT_TRUE : VARIANT_FALSE;
    else if (V_VT(target) == VT_BOOL)  // inside a VARIANT passed by reference
        V_BOOL(target) = value ? VARIANT_TRUE : VARIANT_FALSE;
}

outlook::Connection ConnectEvents(IDispatch* source, std::span<const EventInterface> interfaces,
                                  std::vector<EventBinding> bindings) {
    if (source == nullptr) throw platform::PlatformError(platform::errors::ObjectNotSet);
    ComPtr<IConnectionPointContainer> container = ComPtr<IDispatch>(source).as<IConnectionPointContainer>();
    if (!container)
        throw platform::PlatformError(static_cast<std::int32_t>(E_NOINTERFACE), "The object raises no events.");
    // The newest interface the source has.
    ComPtr<IConnectionPoint> point;
    const EventInterface* events = nullptr;
    HRESULT hr = CONNECT_E_NOCONNECTION;
    for (const auto& candidate : interfaces) {
        hr = container->FindConnectionPoint(candidate.iid, point.put());
        if (SUCCEEDED(hr) && point) {
            events = &candidate;
            break;
        }
        if (hr != CONNECT_E_NOCONNECTION) break;
    }
    if (events == nullptr) Check(FAILED(hr) ? hr : CONNECT_E_NOCONNECTION, "FindConnectionPoint");

    std::vector<DISPID> ids = ProcessEventIds().of(source, *events, bindings);
    std::map<DISPID, EventHandler> handlers;
    for (std::size_t i = 0; i < bindings.size(); ++i) {
        if (ids[i] != DISPID_UNKNOWN) handlers.emplace(ids[i], std::move(bindings[i].handler));
    }
    auto* sink = new EventSink(events->iid, std::move(handlers));
    DWORD cookie = 0;
    hr = point->Advise(sink, &cookie);
    sink->Release();  // the source holds it from here
    Check(hr, "Advise");
    return outlook::Connection([point, cookie]() { point->Unadvise(cookie); });
}

}  // namespace corvane::comoutlook
