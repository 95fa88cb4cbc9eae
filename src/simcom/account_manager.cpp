// Outlook's account manager over the simulated profile's accounts: IOlkAccountManager (Init
// with the session, the mail accounts enumerated and ordered for sending), IOlkEnum and
// IOlkAccount, offered to CoCreateInstance in this process while the faces live.
#include <objbase.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "corvane/text/wide.h"
#include "mapi_face.h"
#include "mapi_faces.h"

namespace corvane::simcom {

using namespace commapi;

namespace {

constexpr DWORD PtLong = 0x0003;
constexpr DWORD PtUnicode = 0x001F;
constexpr DWORD PtBinary = 0x0102;

using Accounts = std::vector<std::shared_ptr<mapi::Account>>;

// What the account manager's objects share: memory handed out is COM's, freed by
// FreeMemory; no error texts.
template <class Interface>
class OlkFace : public MapiFace<Interface> {
public:
    HRESULT STDMETHODCALLTYPE FreeMemory(BYTE* block) override {
        this->count("FreeMemory");
        CoTaskMemFree(block);
        return S_OK;
    }
    CORVANE_NO_SUPPORT(GetLastError, HRESULT, LPWSTR*)

protected:
    using MapiFace<Interface>::MapiFace;
};

// One account; PROP_ACCT_ID is its place in the profile's order of accounts, from 1.
class AccountFace final : public OlkFace<IOlkAccount> {
public:
    AccountFace(std::shared_ptr<Faces> faces, std::shared_ptr<mapi::Account> account, DWORD id)
        : OlkFace(std::move(faces), "IOlkAccount", {&iid::IOlkErrorUnknown, &iid::IOlkAccount}),
          account_(std::move(account)),
          id_(id) {}

    // Text and bytes are handed out in COM's memory, freed by FreeMemory.
    HRESULT STDMETHODCALLTYPE GetProp(DWORD tag, ACCT_VARIANT* out) override {
        count("GetProp");
        if (out == nullptr) return E_INVALIDARG;
        return Answer([&]() -> HRESULT {
            const auto value = valueOf(tag);
            if (const auto* number = std::get_if<std::int32_t>(&value)) {
                out->dwType = PtLong;
                out->Val.dw = static_cast<DWORD>(*number);
            } else if (const auto* textValue = std::get_if<std::string>(&value)) {
                const auto wide = text::WideFromUtf8(*textValue);
                auto* copy = static_cast<wchar_t*>(CoTaskMemAlloc((wide.size() + 1) * sizeof(wchar_t)));
                if (copy == nullptr) return E_OUTOFMEMORY;
                std::copy(wide.c_str(), wide.c_str() + wide.size() + 1, copy);
                out->dwType = PtUnicode;
                out->Val.pwsz = copy;
            } else if (const auto* bytes = std::get_if<mapi::Binary>(&value)) {
                auto* copy = static_cast<BYTE*>(CoTaskMemAlloc(bytes->size() + 1));
                if (copy == nullptr) return E_OUTOFMEMORY;
                std::copy(bytes->begin(), bytes->end(), copy);
                out->dwType = PtBinary;
                out->Val.bin = ACCT_BIN{static_cast<DWORD>(bytes->size()), copy};
            } else {
                return MapiNotFound;
            }
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE SetProp(DWORD tag, ACCT_VARIANT* in) override {
        count("SetProp");
        if (in == nullptr) return E_INVALIDARG;
        return Answer([&]() -> HRESULT {
            switch (in->dwType) {
                case PtLong: account_->SetFields(tag, static_cast<std::int32_t>(in->Val.dw)); break;
                case PtUnicode: account_->SetFields(tag, text::Utf8FromWide(in->Val.pwsz)); break;
                case PtBinary:
                    account_->SetFields(tag, mapi::Binary(in->Val.bin.pb, in->Val.bin.pb + in->Val.bin.cb));
                    break;
                default: return E_INVALIDARG;
            }
            return S_OK;
        });
    }
    // The account keeps what was set at once.
    HRESULT STDMETHODCALLTYPE SaveChanges(DWORD) override {
        count("SaveChanges");
        return S_OK;
    }
    CORVANE_NO_SUPPORT(PlaceHolder1)
    CORVANE_NO_SUPPORT(PlaceHolder2)
    CORVANE_NO_SUPPORT(PlaceHolder3)
    CORVANE_NO_SUPPORT(PlaceHolder4)
    CORVANE_NO_SUPPORT(PlaceHolder5)
    CORVANE_NO_SUPPORT(PlaceHolder6)
    CORVANE_NO_SUPPORT(GetAccountInfo, CLSID*, DWORD*, CLSID**)
    CORVANE_NO_SUPPORT(PlaceHolder7)
    CORVANE_NO_SUPPORT(PlaceHolder8)
    CORVANE_NO_SUPPORT(PlaceHolder9)
    CORVANE_NO_SUPPORT(PlaceHolder10)

private:
    // The account's own fields under the manager's property tags, else its properties.
    mapi::PropValue valueOf(DWORD tag) {
        switch (tag) {
            case proptags::AcctId: return static_cast<std::int32_t>(id_);
            case proptags::AcctName: return account_->Name();
            case proptags::AcctUserEmailAddr: return account_->SmtpAddress();
            case proptags::AcctStamp: return account_->Stamp();
            case proptags::AcctIsExch: return static_cast<std::int32_t>(account_->IsExchange() ? 1 : 0);
            default: return account_->Fields(tag);
        }
    }

    std::shared_ptr<mapi::Account> account_;
    DWORD id_;
};

class AccountEnum final : public MapiFace<IOlkEnum> {
public:
    AccountEnum(std::shared_ptr<Faces> faces, Accounts accounts)
        : MapiFace(std::move(faces), "IOlkEnum", {&iid::IOlkEnum}), accounts_(std::move(accounts)) {}

    HRESULT STDMETHODCALLTYPE GetCount(DWORD* out) override {
        count("GetCount");
        if (out == nullptr) return E_INVALIDARG;
        *out = static_cast<DWORD>(accounts_.size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        count("Reset");
        next_ = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetNext(IUnknown** out) override {
        count("GetNext");
        if (out == nullptr) return E_INVALIDARG;
        *out = nullptr;
        if (next_ >= accounts_.size()) return S_FALSE;
        auto id = static_cast<DWORD>(next_ + 1);
        *out = static_cast<IOlkAccount*>(new AccountFace(faces_, accounts_[next_++], id));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Skip(DWORD n) override {
        count("Skip");
        next_ = std::min<std::size_t>(accounts_.size(), next_ + n);
        return S_OK;
    }

private:
    Accounts accounts_;
    std::size_t next_ = 0;
};

// The manager: Init reads the accounts of the session its helper gives (one of ours).
class AccountManager final : public OlkFace<IOlkAccountManager> {
public:
    explicit AccountManager(std::shared_ptr<Faces> faces)
        : OlkFace(std::move(faces), "IOlkAccountManager", {&iid::IOlkErrorUnknown, &iid::IOlkAccountManager}) {}

    HRESULT STDMETHODCALLTYPE Init(IOlkAccountHelper* helper, DWORD) override {
        count("Init");
        if (helper == nullptr) return E_INVALIDARG;
        IUnknown* session = nullptr;
        HRESULT hr = helper->GetMapiSession(&session);
        if (FAILED(hr)) return hr;
        // Only our own session is known here: the accounts are the simulated profile's.
        const MapiObjectValue* ours = SessionBehind(session);
        hr = ours == nullptr ? E_INVALIDARG : Answer([&]() -> HRESULT { return readAccounts(*ours->session); });
        if (session != nullptr) session->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE EnumerateAccounts(const CLSID* category, const CLSID*, DWORD, IOlkEnum** out) override {
        count("EnumerateAccounts");
        if (out == nullptr) return E_INVALIDARG;
        *out = new AccountEnum(faces_, isMail(category) ? all_ : Accounts{});
        return S_OK;
    }
    // The accounts' ids in the order Outlook sends with them, in COM's memory.
    HRESULT STDMETHODCALLTYPE GetOrder(const CLSID* category, DWORD* size, DWORD** ids) override {
        count("GetOrder");
        if (size == nullptr || ids == nullptr) return E_INVALIDARG;
        const Accounts ordered = isMail(category) ? sendOrder_ : Accounts{};
        *ids = static_cast<DWORD*>(CoTaskMemAlloc((ordered.size() + 1) * sizeof(DWORD)));
        if (*ids == nullptr) return E_OUTOFMEMORY;
        *size = 0;
        for (const auto& account : ordered) {
            auto found = std::find(all_.begin(), all_.end(), account);
            if (found != all_.end()) (*ids)[(*size)++] = static_cast<DWORD>(found - all_.begin() + 1);
        }
        return S_OK;
    }
    CORVANE_NO_SUPPORT(DisplayAccountList, HWND, DWORD, LPCWSTR, DWORD, const CLSID*, const CLSID*)
    CORVANE_NO_SUPPORT(PlaceHolder1)
    CORVANE_NO_SUPPORT(PlaceHolder2)
    CORVANE_NO_SUPPORT(PlaceHolder3)
    CORVANE_NO_SUPPORT(PlaceHolder4)
    CORVANE_NO_SUPPORT(PlaceHolder5)
    CORVANE_NO_SUPPORT(FindAccount, DWORD, ACCT_VARIANT*, IOlkAccount**)
    CORVANE_NO_SUPPORT(PlaceHolder6)
    CORVANE_NO_SUPPORT(PlaceHolder7)
    CORVANE_NO_SUPPORT(PlaceHolder8)
    CORVANE_NO_SUPPORT(DeleteAccount, DWORD)
    CORVANE_NO_SUPPORT(PlaceHolder9)
    CORVANE_NO_SUPPORT(SaveChanges, DWORD, DWORD)
    CORVANE_NO_SUPPORT(SetOrder, const CLSID*, DWORD*, DWORD**)
    CORVANE_NO_SUPPORT(PlaceHolder10)
    CORVANE_NO_SUPPORT(PlaceHolder11)

private:
    HRESULT readAccounts(mapi::Session& session) {
        auto accounts = session.Accounts();
        all_.clear();
        for (int i = 1; i <= accounts->Count(); ++i) all_.push_back(accounts->Item(i));
        sendOrder_ = accounts->GetOrder(mapi::accountcategory::Mail);
        return S_OK;
    }
    static bool isMail(const CLSID* category) { return category != nullptr && *category == clsid::OlkMail; }

    Accounts all_;
    Accounts sendOrder_;
};

// The class object CoCreateInstance finds: each manager made counts on the faces.
class ManagerClass final : public RefCounted<ManagerClass, IClassFactory> {
public:
    explicit ManagerClass(std::weak_ptr<Faces> faces) : faces_(std::move(faces)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        if (iid != IID_IUnknown && iid != IID_IClassFactory) return E_NOINTERFACE;
        *out = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        if (outer != nullptr) return CLASS_E_NOAGGREGATION;
        auto faces = faces_.lock();
        if (!faces) return CO_E_SERVER_STOPPING;
        auto* made = new AccountManager(std::move(faces));
        HRESULT hr = made->QueryInterface(iid, out);
        made->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    friend RefCounted;
    ~ManagerClass() = default;
    std::weak_ptr<Faces> faces_;
};

}  // namespace

DWORD RegisterAccountManager(const std::shared_ptr<Faces>& faces) {
    auto* made = new ManagerClass(faces);
    DWORD cookie = 0;
    if (FAILED(
            CoRegisterClassObject(clsid::OlkAccountManager, made, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie)))
        cookie = 0;
    made->Release();
    return cookie;
}

void RevokeAccountManager(DWORD cookie) {
    if (cookie != 0) CoRevokeClassObject(cookie);
}

}  // namespace corvane::simcom
