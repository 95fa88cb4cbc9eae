// Checks the Extended-MAPI layer under Wine against stand-in MAPI objects of our own: a
// message with properties and a recipient table, a session with a message store table.
// MAPI's memory is counted (every block given out must come back) and so are the
// stand-ins' references. Prints what differs and exits with 1.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <variant>
#include <vector>

#include "corvane/commapi/commapi.h"
#include "corvane/platform/error.h"

#include "expect.h"

using namespace corvane;
using namespace corvane::commapi;
using corvane::winecheck::Expect;

namespace {

int blocks = 0;  // MAPI blocks given out and not freed
LONG STDMETHODCALLTYPE Allocate(ULONG size, void** out) {
    *out = std::calloc(1, size);
    ++blocks;
    return S_OK;
}
ULONG STDMETHODCALLTYPE Free(void* block) {
    if (block != nullptr) --blocks;
    std::free(block);
    return 0;
}
const Library library{Allocate, Free, nullptr, nullptr, nullptr};
// The message-on-storage functions, never reached when the file is missing.
LONG STDMETHODCALLTYPE NoMore(ULONG, void*, void**) { return E_FAIL; }
IMalloc* STDMETHODCALLTYPE NoMalloc() { return nullptr; }
LONG STDMETHODCALLTYPE NoMsgSession(IMalloc*, ULONG, MSGSESS**) { return E_FAIL; }
void STDMETHODCALLTYPE NoClose(MSGSESS*) {}
LONG STDMETHODCALLTYPE NoMessageOnStorage(MSGSESS*, MAPIAllocateBufferFn, MAPIAllocateMoreFn, MAPIFreeBufferFn,
                                          IMalloc*, void*, IStorage*, MsgCallReleaseFn, ULONG, ULONG, IMessage**) {
    return E_FAIL;
}

// A property as a stand-in keeps it; packed into one MAPI block per property array.
using Held = std::variant<LONG, bool, std::wstring, FILETIME, std::vector<BYTE>, std::vector<std::wstring>>;
using Bag = std::map<ULONG, Held>;  // by tag as written

SPropValue* Pack(const std::vector<std::pair<ULONG, const Held*>>& props) {
    std::size_t size = props.size() * sizeof(SPropValue);
    for (const auto& [tag, held] : props) {
        if (auto* s = held ? std::get_if<std::wstring>(held) : nullptr) size += (s->size() + 1) * sizeof(wchar_t);
        if (auto* b = held ? std::get_if<std::vector<BYTE>>(held) : nullptr) size += b->size();
        if (auto* m = held ? std::get_if<std::vector<std::wstring>>(held) : nullptr) {
            for (const auto& s : *m) size += sizeof(wchar_t*) + (s.size() + 1) * sizeof(wchar_t);
        }
    }
    void* block = nullptr;
    Allocate(static_cast<ULONG>(size), &block);
    auto* values = static_cast<SPropValue*>(block);
    auto* tail = reinterpret_cast<BYTE*>(values + props.size());
    auto text = [&](const std::wstring& s) {
        auto* out = reinterpret_cast<wchar_t*>(tail);
        std::memcpy(out, s.c_str(), (s.size() + 1) * sizeof(wchar_t));
        tail += (s.size() + 1) * sizeof(wchar_t);
        return out;
    };
    for (std::size_t i = 0; i < props.size(); ++i) {
        auto& v = values[i];
        const Held* held = props[i].second;
        v.ulPropTag = props[i].first;
        if (held == nullptr) {
            v.ulPropTag = (props[i].first & 0xFFFF0000u) | 0x000A;  // PT_ERROR
            v.Value.err = static_cast<LONG>(0x8004010F);
        } else if (auto* l = std::get_if<LONG>(held)) {
            v.Value.l = *l;
        } else if (auto* f = std::get_if<bool>(held)) {
            v.Value.b = *f ? 1 : 0;
        } else if (auto* s = std::get_if<std::wstring>(held)) {
            v.Value.lpszW = text(*s);
        } else if (auto* t = std::get_if<FILETIME>(held)) {
            v.Value.ft = *t;
        } else if (auto* b = std::get_if<std::vector<BYTE>>(held)) {
            v.Value.bin = SBinary{static_cast<ULONG>(b->size()), tail};
            std::memcpy(tail, b->data(), b->size());
            tail += b->size();
        } else if (auto* m = std::get_if<std::vector<std::wstring>>(held)) {
            auto** list = reinterpret_cast<wchar_t**>(tail);
            tail += m->size() * sizeof(wchar_t*);
            for (std::size_t k = 0; k < m->size(); ++k) list[k] = text((*m)[k]);
            v.Value.MVszW = SWStringArray{static_cast<ULONG>(m->size()), list};
        }
    }
    return values;
}

Held HeldOf(const SPropValue& v) {
    switch (v.ulPropTag & 0xFFFF) {
        case 0x0003: return v.Value.l;
        case 0x000B: return v.Value.b != 0;
        case 0x001F: return std::wstring(v.Value.lpszW);
        case 0x0040: return v.Value.ft;
        default: return std::vector<BYTE>(v.Value.bin.lpb, v.Value.bin.lpb + v.Value.bin.cb);
    }
}

#define STUB(name, ...) \
    HRESULT STDMETHODCALLTYPE name(__VA_ARGS__) override { return E_NOTIMPL; }

template <class Interface>
class Counted : public Interface {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        *out = iid == IID_IUnknown || iid == iid_ ? this : nullptr;
        if (*out == nullptr) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }  // lives on the check's stack
    ULONG refs = 1;

protected:
    explicit Counted(const IID& iid) : iid_(iid) {}
    IID iid_;
};

// A table of rows, read in pages of two so that the reader must ask again.
class Table final : public Counted<IMAPITable> {
public:
    explicit Table(std::vector<Bag> rows) : Counted(iid::IMAPITable), rows_(std::move(rows)) {}
    HRESULT STDMETHODCALLTYPE QueryRows(LONG count, ULONG, SRowSet** out) override {
        std::size_t n = std::min<std::size_t>(std::min<std::size_t>(static_cast<std::size_t>(count), 2),
                                              rows_.size() - next_);
        void* block = nullptr;
        Allocate(static_cast<ULONG>(sizeof(SRowSet) + n * sizeof(SRow)), &block);
        *out = static_cast<SRowSet*>(block);
        (*out)->cRows = static_cast<ULONG>(n);
        for (std::size_t i = 0; i < n; ++i, ++next_) {
            std::vector<std::pair<ULONG, const Held*>> props;
            for (const auto& [tag, held] : rows_[next_]) props.emplace_back(tag, &held);
            (*out)->aRow[i] = SRow{0, static_cast<ULONG>(props.size()), Pack(props)};
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetColumns(SPropTagArray*, ULONG) override { return S_OK; }
    // Each time the owner hands the table out, reading starts again.
    IMAPITable* handOut() {
        next_ = 0;
        AddRef();
        return this;
    }
    STUB(GetLastError, HRESULT, ULONG, MAPIERROR**)
    STUB(Advise, ULONG, IMAPIAdviseSink*, ULONG_PTR*)
    STUB(Unadvise, ULONG_PTR)
    STUB(GetStatus, ULONG*, ULONG*)
    STUB(QueryColumns, ULONG, SPropTagArray**)
    STUB(GetRowCount, ULONG, ULONG*)
    STUB(SeekRow, ULONG, LONG, LONG*)
    STUB(SeekRowApprox, ULONG, ULONG)
    STUB(QueryPosition, ULONG*, ULONG*, ULONG*)
    STUB(FindRow, SRestriction*, ULONG, ULONG)
    STUB(Restrict, SRestriction*, ULONG)
    STUB(CreateBookmark, ULONG*)
    STUB(FreeBookmark, ULONG)
    STUB(SortTable, SSortOrderSet*, ULONG)
    STUB(QuerySortOrder, SSortOrderSet**)
    STUB(Abort)
    STUB(ExpandRow, ULONG, BYTE*, ULONG, ULONG, SRowSet**, ULONG*)
    STUB(CollapseRow, ULONG, BYTE*, ULONG, ULONG*)
    STUB(WaitForCompletion, ULONG, ULONG, ULONG*)
    STUB(GetCollapseState, ULONG, ULONG, BYTE*, ULONG*, BYTE**)
    STUB(SetCollapseState, ULONG, ULONG, BYTE*, ULONG*)

private:
    std::vector<Bag> rows_;
    std::size_t next_ = 0;
};

class Message final : public Counted<IMessage> {
public:
    Message() : Counted(iid::IMessage) {}
    Bag props;
    Table recipients{{}};
    HRESULT failure = S_OK;  // what GetProps answers instead, when set
    int saves = 0;
    Bag modified;  // the row ModifyRecipients was given

    HRESULT STDMETHODCALLTYPE GetProps(SPropTagArray* tags, ULONG, ULONG* count, SPropValue** out) override {
        if (failure != S_OK) return failure;
        std::vector<std::pair<ULONG, const Held*>> found;
        for (ULONG i = 0; i < tags->cValues; ++i) {
            auto it = props.find(tags->aulPropTag[i]);
            found.emplace_back(tags->aulPropTag[i], it != props.end() ? &it->second : nullptr);
        }
        *count = tags->cValues;
        *out = Pack(found);
        return found[0].second != nullptr ? S_OK : 0x00040380;  // MAPI_W_ERRORS_RETURNED
    }
    HRESULT STDMETHODCALLTYPE SetProps(ULONG count, SPropValue* values, SPropProblemArray** problems) override {
        for (ULONG i = 0; i < count; ++i) props[values[i].ulPropTag] = HeldOf(values[i]);
        *problems = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SaveChanges(ULONG flags) override {
        saves += flags == 0x4 ? 1 : 100;  // KEEP_OPEN_READWRITE
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetRecipientTable(ULONG, IMAPITable** out) override {
        *out = recipients.handOut();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ModifyRecipients(ULONG, ADRLIST* mods) override {
        for (ULONG i = 0; i < mods->aRow[0].cValues; ++i) {
            modified[mods->aRow[0].lpProps[i].ulPropTag] = HeldOf(mods->aRow[0].lpProps[i]);
        }
        return S_OK;
    }
    STUB(GetLastError, HRESULT, ULONG, MAPIERROR**)
    STUB(GetPropList, ULONG, SPropTagArray**)
    STUB(OpenProperty, ULONG, const IID*, ULONG, ULONG, IUnknown**)
    STUB(DeleteProps, SPropTagArray*, SPropProblemArray**)
    STUB(CopyTo, ULONG, const IID*, SPropTagArray*, ULONG_PTR, IMAPIProgress*, const IID*, void*, ULONG,
         SPropProblemArray**)
    STUB(CopyProps, SPropTagArray*, ULONG_PTR, IMAPIProgress*, const IID*, void*, ULONG, SPropProblemArray**)
    STUB(GetNamesFromIDs, SPropTagArray**, GUID*, ULONG, ULONG*, MAPINAMEID***)
    STUB(GetIDsFromNames, ULONG, MAPINAMEID**, ULONG, SPropTagArray**)
    STUB(GetAttachmentTable, ULONG, IMAPITable**)
    STUB(OpenAttach, ULONG, const IID*, ULONG, IAttach**)
    STUB(CreateAttach, const IID*, ULONG, ULONG*, IAttach**)
    STUB(DeleteAttach, ULONG, ULONG_PTR, IMAPIProgress*, ULONG)
    STUB(SubmitMessage, ULONG)
    STUB(SetReadFlag, ULONG)
};

class Session final : public Counted<IMAPISession> {
public:
    explicit Session(std::vector<Bag> rows) : Counted(iid::IMAPISession), stores(std::move(rows)) {}
    Table stores;
    HRESULT STDMETHODCALLTYPE GetMsgStoresTable(ULONG, IMAPITable** out) override {
        *out = stores.handOut();
        return S_OK;
    }
    STUB(GetLastError, HRESULT, ULONG, MAPIERROR**)
    STUB(OpenMsgStore, ULONG_PTR, ULONG, ENTRYID*, const IID*, ULONG, IMsgStore**)
    STUB(OpenAddressBook, ULONG_PTR, const IID*, ULONG, IAddrBook**)
    STUB(OpenProfileSection, GUID*, const IID*, ULONG, IProfSect**)
    STUB(GetStatusTable, ULONG, IMAPITable**)
    STUB(OpenEntry, ULONG, ENTRYID*, const IID*, ULONG, ULONG*, IUnknown**)
    STUB(CompareEntryIDs, ULONG, ENTRYID*, ULONG, ENTRYID*, ULONG, ULONG*)
    STUB(Advise, ULONG, ENTRYID*, ULONG, IMAPIAdviseSink*, ULONG_PTR*)
    STUB(Unadvise, ULONG_PTR)
    STUB(MessageOptions, ULONG_PTR, ULONG, LPWSTR, IMessage*)
    STUB(QueryDefaultMessageOpt, LPWSTR, ULONG, ULONG*, SPropValue**)
    STUB(EnumAdrTypes, ULONG, ULONG*, LPWSTR**)
    STUB(QueryIdentity, ULONG*, ENTRYID**)
    STUB(Logoff, ULONG_PTR, ULONG, ULONG)
    STUB(SetDefaultStore, ULONG, ULONG, ENTRYID*)
    STUB(AdminServices, ULONG, IMsgServiceAdmin**)
    STUB(ShowForm, ULONG_PTR, IMsgStore*, IMAPIFolder*, const IID*, ULONG, IMessage*, ULONG, ULONG, ULONG, ULONG,
         LPSTR)
    STUB(PrepareForm, const IID*, IMessage*, ULONG*)
};

template <class F>
void ExpectFailure(F&& call, const platform::ErrorCode& code, const std::string& what) {
    try {
        call();
        Expect(false, what + ": no failure");
    } catch (const platform::PlatformError& e) {
        Expect(e.number() == code.number && e.description() == code.description, what + ": " + e.description());
    }
}

// Values both ways by tag, the recipient table, SaveChanges, MAPI's numbers.
void CheckMessage(Message& stand) {
    const auto when = platform::DateTime::fromCivil(2024, 7, 1, 9, 30);
    stand.props[0x0037001F] = std::wstring(L"Grüße – 5 €");                         // PR_SUBJECT
    stand.props[0x0E070003] = LONG{0x0019};                                         // read, unsent, attached
    stand.props[0x0FFF0102] = std::vector<BYTE>{0x00, 0xAB, 0x10};                  // PR_ENTRYID
    stand.props[0x800F101F] = std::vector<std::wstring>{L"smtp:b@x", L"SMTP:a@x"};  // proxy addresses
    stand.recipients = Table({{{0x3001001F, std::wstring(L"Ann")},
                               {0x3003001F, std::wstring(L"ann@x")},
                               {0x0C150003, LONG{2}},
                               {0x0FFF0102, std::vector<BYTE>{1}},
                               {0x30000003, LONG{0}}},
                              {{0x3001001F, std::wstring(L"Bob")}, {0x0C150003, LONG{1}}},
                              {{0x3001001F, std::wstring(L"Cy")}, {0x0C150003, LONG{3}}}});
    {
        auto message = MessageOf(&stand, nullptr, library);
        Expect(message->Fields(0x0037001E) == mapi::PropValue(std::string("Grüße – 5 €")),
               "a PT_STRING8 tag reads the Unicode property as UTF-8");
        Expect(message->Fields(0x0E070003) == mapi::PropValue(std::int32_t{0x19}) && !message->UnRead() &&
                   !message->Sent(),
               "PT_LONG reads as a number, the flags as UnRead and Sent");
        Expect(message->EntryID() == "00AB10", "the entry id is hex text");
        Expect(message->Fields(0x800F101E) == mapi::PropValue(std::vector<std::string>{"smtp:b@x", "SMTP:a@x"}),
               "a multi-valued string reads as a list");
        Expect(std::holds_alternative<std::monostate>(message->Fields(0x1000001F)), "a missing property is empty");

        message->SetFields(0x0E28001E, std::string("{acct}"));
        message->SetFields(0x00570003, true);
        message->SetReceivedTime(when);
        Expect(stand.props.count(0x0E28001F) == 1 && stand.saves == 0, "SetFields writes the Unicode tag, unsaved");
        Expect(message->ReceivedTime() == when, "a time goes to UTC and comes back as local time");
        Expect(message->Fields(0x0057000B) == mapi::PropValue(true), "PT_BOOLEAN both ways");
        message->Save();
        Expect(stand.saves == 1, "Save is SaveChanges keeping the message open");

        auto recipients = message->Recipients();
        Expect(recipients.size() == 3 && recipients[0]->Name() == "Ann" && recipients[0]->Address() == "ann@x" &&
                   recipients[0]->Type() == 2 && recipients[0]->Resolved() && !recipients[1]->Resolved() &&
                   recipients[2]->Type() == 3,
               "the recipient table's rows, read over several pages");
        recipients[0]->SetFields(0x3A20001E, std::string("Ann B"));  // PR_TRANSMITABLE_DISPLAY_NAME
        Expect(stand.modified.size() == 6 && std::get<std::wstring>(stand.modified[0x3A20001F]) == L"Ann B" &&
                   std::get<LONG>(stand.modified[0x30000003]) == 0,
               "a recipient's property goes through ModifyRecipients with its whole row");
        Expect(recipients[0]->Fields(0x3A20001F) == mapi::PropValue(std::string("Ann B")),
               "the recipient keeps what was written");

        stand.failure = static_cast<HRESULT>(0x8004010A);
        ExpectFailure([&] { message->Fields(0x0037001F); }, platform::errors::MapiObjectDeleted, "a deleted message");
        stand.failure = static_cast<HRESULT>(0x80040999);
        try {
            message->Fields(0x0037001F);
        } catch (const platform::PlatformError& e) {
            Expect(e.number() == static_cast<std::int32_t>(0x80040999) && e.description() == "MAPI error 0x80040999",
                   "a number the catalog lacks keeps it: " + e.description());
        }
        stand.failure = S_OK;
    }
    Expect(stand.refs == 1 && stand.recipients.refs == 1, "the message and its table are released");
}

// The store table: names, the default store, the kinds; no account manager in Wine.
void CheckSession(Session& stand) {
    {
        auto session = SessionOf(&stand, library);
        auto stores = session->Stores();
        Expect(stores.size() == 3 && stores[1]->Name() == "Mailbox - Ann" && stores[1]->Default() &&
                   !stores[0]->Default() && stores[1]->StoreKind() == mapi::storekind::PrimaryExchangeMailbox &&
                   stores[0]->StoreKind() == mapi::storekind::Unknown && stores[2]->EntryID() == "0102",
               "the message store table gives each store");
        Expect(session->DefaultStore()->Name() == "Mailbox - Ann", "the default store is the flagged one");
        Expect(session->Accounts()->Count() == 0 && session->Accounts()->GetOrder(2).empty(),
               "without Outlook's account manager the session has no accounts");
        ExpectFailure([&] { session->Accounts()->Item("Work"); }, platform::errors::MapiNotFound,
                      "an account by a name not there");
        ExpectFailure([&] { session->GetMessageFromMsgFile("C:\\Introducing.msg"); }, platform::errors::MapiNoSupport,
                      "a .msg file without MAPI's message-on-storage functions");
        Library withFiles = library;
        withFiles.allocateMore = NoMore;
        withFiles.defaultMalloc = NoMalloc;
        withFiles.openMsgSession = NoMsgSession;
        withFiles.closeMsgSession = NoClose;
        withFiles.openMsgOnStorage = NoMessageOnStorage;
        ExpectFailure([&] { SessionOf(&stand, withFiles)->GetMessageFromMsgFile("C:\\Introducing.msg"); },
                      platform::errors::StorageFileNotFound, "a missing .msg file");
        session->Logoff();
        ExpectFailure([&] { session->Stores(); }, platform::errors::MapiLogonFailed, "a session after Logoff");
    }
    Expect(stand.refs == 1 && stand.stores.refs == 1, "the session and its table are released");
}

}  // namespace

int main() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    Message message;
    CheckMessage(message);
    std::vector<BYTE> exchange{0x54, 0x94, 0xA1, 0xC0, 0x29, 0x7F, 0x10, 0x1B,
                               0xA5, 0x87, 0x08, 0x00, 0x2B, 0x2A, 0x25, 0x17};
    Session session(
        {{{0x3001001F, std::wstring(L"Archive")}, {0x30090003, LONG{0}}, {0x0FFF0102, std::vector<BYTE>{9}}},
         {{0x3001001F, std::wstring(L"Mailbox - Ann")}, {0x30090003, LONG{1}}, {0x34140102, exchange}},
         {{0x3001001F, std::wstring(L"Other")}, {0x0FFF0102, std::vector<BYTE>{1, 2}}}});
    CheckSession(session);
    ExpectFailure([&] { MessageOf(&session, nullptr, library); }, platform::errors::MapiInterfaceNotSupported,
                  "a session is no message");
    Expect(session.refs == 1, "a refused object is released");
    Expect(blocks == 0, "every MAPI block is freed: " + std::to_string(blocks) + " left");
    CoUninitialize();
    return winecheck::ExitCode();
}
