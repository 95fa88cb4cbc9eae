// One face per seam object: IDispatch by name over the member tables, connection points
// for the objects that raise events, every call and reference counted in the Faces.
#include <windows.h>

#include <olectl.h>

#include <exception>
#include <map>
#include <utility>
#include <vector>

#include "corvane/outlook/application.h"
#include "corvane/platform/error.h"
#include "corvane/simcom/faces.h"
#include "corvane/text/wide.h"
#include "events.h"
#include "mapi_faces.h"
#include "members.h"

namespace corvane::simcom {

namespace ol = outlook;
using comoutlook::ComPtr;

namespace {

template <class T>
HRESULT Hand(void** out, T* value) {
    *out = value;
    value->AddRef();
    return S_OK;
}

BSTR Bstr(std::string_view textValue) {
    std::wstring wide = text::WideFromUtf8(textValue);
    return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

}  // namespace

class Face final : public IDispatch, public IConnectionPointContainer {
public:
    Face(std::shared_ptr<Faces> faces, std::shared_ptr<ol::Dispatch> object)
        : faces_(std::move(faces)), object_(std::move(object)), source_(EventSourceOf(*object_)) {
        if (source_ != nullptr) events_ = &EventsFor(*source_, faces_->outlookMajor());
        for (const auto& kind : AllKinds()) {
            if (kind.is(*object_)) kinds_.push_back(&kind);
        }
        typeName_ = kinds_.empty() ? std::string("Object") : std::string(kinds_.back()->typeName);
        ++faces_->mutableCounts().addRefs;  // the reference the creator receives
    }
    Face(const Face&) = delete;
    Face& operator=(const Face&) = delete;

    const std::shared_ptr<ol::Dispatch>& object() const noexcept { return object_; }
    std::uint64_t calls() const noexcept { return calls_; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IDispatch) return Hand(out, static_cast<IDispatch*>(this));
        if (iid == IID_IConnectionPointContainer && source_ != nullptr)
            return Hand(out, static_cast<IConnectionPointContainer*>(this));
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        ++faces_->mutableCounts().addRefs;
        return ++refs_;
    }
    ULONG STDMETHODCALLTYPE Release() override {
        ++faces_->mutableCounts().releases;
        ULONG left = --refs_;
        if (left == 0) {
            faces_->forget(IdentityOf(object_));
            delete this;
        }
        return left;
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count == nullptr) return E_POINTER;
        *count = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** out) override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        ITypeInfo* own = FaceTypeInfo();
        if (index != 0 || own == nullptr) return TYPE_E_ELEMENTNOTFOUND;
        return Hand(reinterpret_cast<void**>(out), own);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        ++faces_->mutableCounts().nameLookups;
        if (names == nullptr || ids == nullptr || count == 0) return E_INVALIDARG;
        for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
        std::string name = text::Utf8FromWide(names[0]);
        if (find(name) == nullptr) return DISP_E_UNKNOWNNAME;
        ids[0] = DispIdOf(name);
        // Named arguments are not used by Outlook's callers.
        return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT*) override {
        ++faces_->mutableCounts().invokes;
        ++calls_;
        const std::string* name = NameOf(id);
        const Member* member = name != nullptr ? find(*name) : nullptr;
        if (member == nullptr) return DISP_E_MEMBERNOTFOUND;
        faces_->countCall(typeName_ + "." + *name);
        DISPPARAMS none{nullptr, nullptr, 0, 0};
        Call call(*faces_, params != nullptr ? *params : none);
        // The object may let go of this face's last other holder while it works.
        AddRef();
        HRESULT hr = S_OK;
        try {
            if ((flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0) {
                if (!member->put) throw DispatchFailure{DISP_E_MEMBERNOTFOUND};
                member->put(*object_, call);
            } else {
                ol::Variant value = member->get(*object_, call);
                if (result != nullptr) {
                    VariantInit(result);
                    ToVariant(*faces_, value, *result);
                }
            }
        } catch (const DispatchFailure& failure) {
            hr = failure.hr;
        } catch (const platform::PlatformError& e) {
            hr = raise(exception, e.number(), e.description());
        } catch (const std::exception& e) {
            hr = raise(exception, E_FAIL, e.what());
        }
        Release();
        return hr;
    }

    // IConnectionPointContainer
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** out) override {
        if (out != nullptr) *out = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** out) override;

    HRESULT advise(IUnknown* sink, DWORD* cookie) {
        if (sink == nullptr || cookie == nullptr) return E_POINTER;
        // As Outlook does, the sink is asked for the event interface.
        ComPtr<IDispatch> events;
        if (FAILED(sink->QueryInterface(events_->iid, reinterpret_cast<void**>(events.put()))) || !events)
            return CONNECT_E_CANNOTCONNECT;
        try {
            advised_.emplace(++lastCookie_, source_->advise(*object_, faces_, std::move(events)));
        } catch (...) {
            return E_FAIL;
        }
        *cookie = lastCookie_;
        return S_OK;
    }
    HRESULT unadvise(DWORD cookie) {
        auto found = advised_.find(cookie);
        if (found == advised_.end()) return CONNECT_E_NOCONNECTION;
        Advised gone = std::move(found->second);
        advised_.erase(found);
        return S_OK;  // the connection ends, and the sink is released, as `gone` goes
    }
    const comoutlook::EventInterface& events() const { return *events_; }

    static const void* IdentityOf(const std::shared_ptr<ol::Dispatch>& object) {
        return dynamic_cast<const void*>(object.get());
    }

private:
    ~Face() = default;

    const Member* find(std::string_view name) const {
        for (auto kind = kinds_.rbegin(); kind != kinds_.rend(); ++kind) {
            auto found = (*kind)->members.find(name);
            if (found != (*kind)->members.end()) return &found->second;
        }
        return nullptr;
    }

    // Outlook's failure as Automation carries it: DISP_E_EXCEPTION with the number in
    // scode and the text.
    static HRESULT raise(EXCEPINFO* exception, std::int32_t number, const std::string& description) {
        if (exception != nullptr) {
            *exception = EXCEPINFO{};
            exception->bstrSource = Bstr("Microsoft Outlook");
            exception->bstrDescription = Bstr(description);
            exception->scode = static_cast<SCODE>(number);
        }
        return DISP_E_EXCEPTION;
    }

    std::shared_ptr<Faces> faces_;
    std::shared_ptr<ol::Dispatch> object_;
    const EventSource* source_;
    const comoutlook::EventInterface* events_ = nullptr;  // what the connection point offers
    std::vector<const Kind*> kinds_;
    std::string typeName_;
    ULONG refs_ = 1;
    std::uint64_t calls_ = 0;
    std::map<DWORD, Advised> advised_;
    DWORD lastCookie_ = 0;
};

namespace {

// A face's connection point: it holds the face, which keeps the advised sinks.
class ConnectionPoint final : public IConnectionPoint {
public:
    explicit ConnectionPoint(Face* face) : face_(face) { face_->AddRef(); }
    ConnectionPoint(const ConnectionPoint&) = delete;
    ConnectionPoint& operator=(const ConnectionPoint&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IConnectionPoint) return Hand(out, static_cast<IConnectionPoint*>(this));
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = --refs_;
        if (left == 0) delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override {
        if (iid == nullptr) return E_POINTER;
        *iid = face_->events().iid;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** out) override {
        if (out == nullptr) return E_POINTER;
        return Hand(reinterpret_cast<void**>(out), static_cast<IConnectionPointContainer*>(face_));
    }
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override { return face_->advise(sink, cookie); }
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override { return face_->unadvise(cookie); }
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** out) override {
        if (out != nullptr) *out = nullptr;
        return E_NOTIMPL;
    }

private:
    ~ConnectionPoint() { face_->Release(); }
    Face* face_;
    ULONG refs_ = 1;
};

}  // namespace

HRESULT STDMETHODCALLTYPE Face::FindConnectionPoint(REFIID iid, IConnectionPoint** out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (events_ == nullptr || iid != events_->iid) return CONNECT_E_NOCONNECTION;
    *out = new ConnectionPoint(this);
    return S_OK;
}

// --- Faces ------------------------------------------------------------------------------

std::shared_ptr<Faces> Faces::Create(int outlookMajor) {
    auto faces = std::shared_ptr<Faces>(new Faces(outlookMajor));
    constexpr int Outlook2003 = 11;
    if (outlookMajor >= Outlook2003) faces->accountManager_ = RegisterAccountManager(faces);
    return faces;
}

Faces::~Faces() { RevokeAccountManager(accountManager_); }

IDispatch* Faces::faceOf(const std::shared_ptr<ol::Dispatch>& object) {
    if (!object) return nullptr;
    const void* identity = Face::IdentityOf(object);
    if (auto found = faces_.find(identity); found != faces_.end()) {
        found->second->AddRef();
        return found->second;
    }
    auto* made = new Face(shared_from_this(), object);
    faces_.emplace(identity, made);
    if (auto application = std::dynamic_pointer_cast<ol::Application>(object)) application_ = application;
    return made;
}

std::shared_ptr<ol::Dispatch> Faces::objectOf(const ol::Dispatch& object) const {
    auto found = faces_.find(dynamic_cast<const void*>(&object));
    return found != faces_.end() ? found->second->object() : nullptr;
}

std::shared_ptr<ol::Dispatch> Faces::objectOf(IUnknown* face) const {
    if (face == nullptr) return nullptr;
    // The faces' identity: their IUnknown is their IDispatch.
    ComPtr<IUnknown> identity;
    if (FAILED(face->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(identity.put())))) return nullptr;
    for (const auto& [key, known] : faces_) {
        if (static_cast<IUnknown*>(static_cast<IDispatch*>(known)) == identity.get()) return known->object();
    }
    return nullptr;
}

std::uint64_t Faces::callsOf(IDispatch* face) const {
    for (const auto& [key, known] : faces_) {
        if (static_cast<IDispatch*>(known) == face) return known->calls();
    }
    return 0;
}

void Faces::resetCounts() {
    counts_.invokes = 0;
    counts_.nameLookups = 0;
    counts_.mapiCalls = 0;
    byMember_.clear();
    mapiByMethod_.clear();
}

void Faces::forget(const void* identity) { faces_.erase(identity); }

}  // namespace corvane::simcom
