// Checks the Extended-MAPI layer under Wine against stand-in MAPI objects of our own: a
// message with properties and a recipient table, a session with a message store table.
// MAPI's memory is counted (every block given out must come back) and so are the
// stand-ins' references. Prints what differs and exits with 1.
#include <windows.h>

#include <string>
#include <variant>
#include <vector>

#include "corvane/commapi/commapi.h"
#include "corvane/platform/error.h"

#include "expect.h"
#include "mapi_stand_in.h"

using namespace corvane;
using namespace corvane::commapi;
using namespace corvane::winecheck;

namespace {

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
