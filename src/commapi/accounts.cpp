// The profile's mail accounts through Outlook's account manager (IOlkAccountManager,
// Outlook 2003 and later), in sending order. Where the manager cannot be created (Outlook
// 2000, or a process that cannot reach it) the session has no accounts.
#include <algorithm>

#include "core.h"
#include "corvane/commapi/ref_counted.h"
#include "corvane/platform/error.h"
#include "corvane/text/text.h"
#include "corvane/text/wide.h"

namespace corvane::commapi {

namespace errors = platform::errors;

namespace {

constexpr DWORD PtLong = 0x0003;
constexpr DWORD PtUnicode = 0x001F;
constexpr DWORD PtBinary = 0x0102;

// What the account manager asks its client: the profile's name and the session.
class AccountHelper final : public RefCounted<AccountHelper, IOlkAccountHelper> {
public:
    AccountHelper(ComPtr<IMAPISession> session, std::wstring profile)
        : session_(std::move(session)), profile_(std::move(profile)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid != IID_IUnknown && iid != iid::IOlkAccountHelper) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = static_cast<IOlkAccountHelper*>(this);
        AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE PlaceHolder1(void*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIdentity(LPWSTR identity, DWORD* size) override {
        if (size == nullptr) return E_INVALIDARG;
        auto needed = static_cast<DWORD>(profile_.size() + 1);
        if (identity == nullptr || *size < needed) {
            *size = needed;
            return E_OUTOFMEMORY;
        }
        std::copy(profile_.c_str(), profile_.c_str() + needed, identity);
        *size = needed;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetMapiSession(IUnknown** session) override {
        if (session == nullptr) return E_INVALIDARG;
        *session = session_.get();
        session_->AddRef();
        return S_OK;
    }
    // The session is Outlook's (or the add-in's, held elsewhere): nothing to let go here.
    HRESULT STDMETHODCALLTYPE HandsOffSession() override { return E_NOTIMPL; }

private:
    friend RefCounted;
    ~AccountHelper() = default;

    ComPtr<IMAPISession> session_;
    std::wstring profile_;
};

std::wstring ProfileName(IMAPISession* session, const Library& library) {
    GUID section = GlobalProfileSection;
    ComPtr<IProfSect> profile;
    if (FAILED(session->OpenProfileSection(&section, nullptr, 0, profile.put()))) return {};
    return text::WideFromUtf8(ReadText(profile.get(), proptags::ProfileName, library));
}

class OlkAccount final : public mapi::Account {
public:
    OlkAccount(ComPtr<IOlkAccount> account, std::shared_ptr<ComPtr<IOlkAccountManager>> manager)
        : account_(std::move(account)), manager_(std::move(manager)) {}

    mapi::PropValue Fields(mapi::PropTag tag) override {
        ACCT_VARIANT value{};
        if (FAILED(account_->GetProp(tag, &value))) return {};
        switch (value.dwType) {
            case PtLong: return static_cast<std::int32_t>(value.Val.dw);
            case PtUnicode: {
                std::string out = value.Val.pwsz != nullptr ? text::Utf8FromWide(value.Val.pwsz) : std::string();
                account_->FreeMemory(reinterpret_cast<BYTE*>(value.Val.pwsz));
                return out;
            }
            case PtBinary: {
                mapi::Binary out(value.Val.bin.pb, value.Val.bin.pb + value.Val.bin.cb);
                account_->FreeMemory(value.Val.bin.pb);
                return out;
            }
            default: return {};
        }
    }
    void SetFields(mapi::PropTag tag, const mapi::PropValue& value) override {
        ACCT_VARIANT out{};
        std::wstring wide;
        mapi::Binary bytes;
        if (const auto* number = std::get_if<std::int32_t>(&value)) {
            out.dwType = PtLong;
            out.Val.dw = static_cast<DWORD>(*number);
        } else if (const auto* textValue = std::get_if<std::string>(&value)) {
            out.dwType = PtUnicode;
            wide = text::WideFromUtf8(*textValue);
            out.Val.pwsz = wide.data();
        } else if (const auto* binary = std::get_if<mapi::Binary>(&value)) {
            out.dwType = PtBinary;
            bytes = *binary;
            out.Val.bin = ACCT_BIN{static_cast<DWORD>(bytes.size()), bytes.data()};
        } else {
            throw platform::PlatformError(errors::MapiBadValue);
        }
        Check(account_->SetProp(tag, &out));
        Check(account_->SaveChanges(0));
    }
    std::string Name() override { return textOf(proptags::AcctName); }
    std::string SmtpAddress() override { return textOf(proptags::AcctUserEmailAddr); }
    bool IsExchange() override { return numberOf(proptags::AcctIsExch) != 0; }
    std::string Stamp() override { return textOf(proptags::AcctStamp); }
    std::int32_t id() { return numberOf(proptags::AcctId); }

private:
    std::string textOf(mapi::PropTag tag) {
        auto value = Fields(tag);
        return TextOf(&value);
    }
    std::int32_t numberOf(mapi::PropTag tag) {
        auto value = Fields(tag);
        return NumberOf(&value);
    }

    ComPtr<IOlkAccount> account_;
    std::shared_ptr<ComPtr<IOlkAccountManager>> manager_;  // kept while its accounts are
};

class OlkAccounts final : public mapi::Accounts {
public:
    explicit OlkAccounts(std::vector<std::shared_ptr<OlkAccount>> accounts) : accounts_(std::move(accounts)) {}

    int Count() override { return static_cast<int>(accounts_.size()); }
    std::shared_ptr<mapi::Account> Item(int index) override {
        return accounts_[platform::checkedIndex(index, accounts_.size(), errors::MapiNotFound)];
    }
    std::shared_ptr<mapi::Account> Item(std::string_view name) override {
        for (const auto& account : accounts_) {
            if (text::equalsNoCase(account->Name(), name)) return account;
        }
        throw platform::PlatformError(errors::MapiNotFound);
    }
    std::vector<std::shared_ptr<mapi::Account>> GetOrder(int category) override {
        if (category != mapi::accountcategory::Mail) return {};
        return {accounts_.begin(), accounts_.end()};
    }

private:
    std::vector<std::shared_ptr<OlkAccount>> accounts_;
};

// The mail accounts as the manager enumerates them, then in the order it keeps for
// sending (GetOrder's account ids); accounts it leaves out of the order stay behind.
std::vector<std::shared_ptr<OlkAccount>> MailAccounts(const std::shared_ptr<ComPtr<IOlkAccountManager>>& holder) {
    auto& manager = *holder;
    std::vector<std::shared_ptr<OlkAccount>> accounts;
    ComPtr<IOlkEnum> all;
    if (FAILED(manager->EnumerateAccounts(&clsid::OlkMail, nullptr, 0, all.put())) || !all) return accounts;
    DWORD count = 0;
    all->GetCount(&count);
    all->Reset();
    for (DWORD i = 0; i < count; ++i) {
        ComPtr<IUnknown> next;
        if (FAILED(all->GetNext(next.put())) || !next) break;
        if (auto account = next.as<IOlkAccount>(iid::IOlkAccount)) {
            accounts.push_back(std::make_shared<OlkAccount>(account, holder));
        }
    }
    DWORD ordered = 0;
    DWORD* ids = nullptr;
    if (SUCCEEDED(manager->GetOrder(&clsid::OlkMail, &ordered, &ids)) && ids != nullptr) {
        std::vector<DWORD> order(ids, ids + ordered);
        manager->FreeMemory(reinterpret_cast<BYTE*>(ids));
        // Each account's id is read once (a call into Outlook each).
        std::vector<std::pair<std::ptrdiff_t, std::shared_ptr<OlkAccount>>> ranked;
        for (auto& account : accounts) {
            auto id = static_cast<DWORD>(account->id());
            ranked.emplace_back(std::find(order.begin(), order.end(), id) - order.begin(), std::move(account));
        }
        std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (std::size_t i = 0; i < ranked.size(); ++i) accounts[i] = std::move(ranked[i].second);
    }
    return accounts;
}

}  // namespace

std::shared_ptr<mapi::Accounts> AccountsOf(const Context& context) {
    auto holder = std::make_shared<ComPtr<IOlkAccountManager>>();
    HRESULT created = CoCreateInstance(clsid::OlkAccountManager, nullptr, CLSCTX_INPROC_SERVER,
                                       iid::IOlkAccountManager, reinterpret_cast<void**>(holder->put()));
    if (FAILED(created) || !*holder || !context.session)
        return std::make_shared<OlkAccounts>(std::vector<std::shared_ptr<OlkAccount>>{});
    ComPtr<IOlkAccountHelper> helper = ComPtr<IOlkAccountHelper>::adopt(
        new AccountHelper(context.session, ProfileName(context.session.get(), *context.library)));
    Check((*holder)->Init(helper.get(), flags::AcctInitNoSynchMapiAccts));
    return std::make_shared<OlkAccounts>(MailAccounts(holder));
}

}  // namespace corvane::commapi
