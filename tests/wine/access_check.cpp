// Checks the secure mail access component's classes the way the add-in's late-bound code
// meets them: created by ProgId from the registered Corvane.dll, bound to a stand-in
// Outlook item whose MAPIOBJECT is a stand-in MAPI message, or to a stand-in MAPI session;
// members called by name, failures read from EXCEPINFO, every reference given back.
// Prints what differs and exits with 1.
#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "corvane/comoutlook/value.h"

#include "expect.h"
#include "mapi_stand_in.h"
#include "stand_in.h"

using namespace corvane::winecheck;
using corvane::comoutlook::ComPtr;
using corvane::comoutlook::Value;

namespace {

ComPtr<IDispatch> Create(const wchar_t* progId) {
    CLSID clsid{};
    ComPtr<IDispatch> made;
    CLSIDFromProgID(progId, &clsid);
    CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(made.put()));
    Expect(static_cast<bool>(made), "created by ProgId");
    return made;
}

// A call by name: a method or property read, or (with `assigned`) a property put. The
// arguments are given first first.
HRESULT Call(IDispatch* object, const wchar_t* name, std::vector<VARIANT> args, VARIANT* result,
             const VARIANT* assigned = nullptr, EXCEPINFO* info = nullptr) {
    DISPID id = DISPID_UNKNOWN;
    auto* names = const_cast<LPOLESTR>(name);
    if (FAILED(object->GetIDsOfNames(IID_NULL, &names, 1, LOCALE_USER_DEFAULT, &id))) return DISP_E_UNKNOWNNAME;
    std::reverse(args.begin(), args.end());
    DISPID put = DISPID_PROPERTYPUT;
    if (assigned != nullptr) args.insert(args.begin(), *assigned);
    DISPPARAMS params{args.data(), assigned != nullptr ? &put : nullptr, static_cast<UINT>(args.size()),
                      assigned != nullptr ? 1u : 0u};
    WORD flags = assigned != nullptr ? DISPATCH_PROPERTYPUT : DISPATCH_METHOD | DISPATCH_PROPERTYGET;
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, info, nullptr);
}

// A member's value (a property read or a method's result).
Value Get(IDispatch* object, const wchar_t* name, std::vector<VARIANT> args = {}) {
    VARIANT result;
    VariantInit(&result);
    Call(object, name, std::move(args), &result);
    return Value::adopt(result);
}

VARIANT Unknown(IUnknown* value) {
    VARIANT v;
    V_VT(&v) = VT_UNKNOWN, V_UNKNOWN(&v) = value;
    return v;
}

// The error a call raises: its runtime error number (wCode) or HRESULT (scode), and its text.
std::pair<LONG, std::wstring> ErrorOf(IDispatch* object, const wchar_t* name) {
    EXCEPINFO info{};
    Expect(Call(object, name, {}, nullptr, nullptr, &info) == DISP_E_EXCEPTION, "a failing call raises an error");
    std::pair<LONG, std::wstring> error{info.wCode != 0 ? info.wCode : info.scode,
                                        info.bstrDescription != nullptr ? info.bstrDescription : L""};
    SysFreeString(info.bstrSource), SysFreeString(info.bstrDescription), SysFreeString(info.bstrHelpFile);
    return error;
}

// A Safe mail item over an Outlook item: unbound it fails as an unset object; bound it
// reads the item's members through Outlook and the MAPI message's properties by tag.
void CheckSafeMailItem() {
    Message message;
    message.props[0x0C1E001F] = std::wstring(L"EX");                                      // sender address type
    message.props[0x800F101F] = std::vector<std::wstring>{L"smtp:old@x", L"SMTP:ann@x"};  // proxy addresses
    StandIn recipients({{L"Class", Number(17)}, {L"Count", Number(3)}});
    StandIn item({{L"Class", Number(43)},
                  {L"Subject", Text(L"Quarterly figures")},
                  {L"Recipients", Object(&recipients)},
                  {L"MAPIOBJECT", Unknown(&message)}});
    {
        auto safe = Create(L"cvRedemption.cvSafeMailItem");
        if (!safe) return;
        auto [number, text] = ErrorOf(safe.get(), L"Subject");
        Expect(number == 91 && text.find(L"SafeMailItem.Item") != std::wstring::npos,
               "a member called before Item is set fails as an unset object variable");

        VARIANT bound = Object(&item);
        Expect(Call(safe.get(), L"Item", {}, nullptr, &bound) == S_OK, "Item takes an Outlook item");
        Expect(Get(safe.get(), L"subject").text() == "Quarterly figures", "Subject is the item's own");
        Expect(Get(safe.get(), L"Fields", {Number(0x0C1E001E)}).text() == "EX",
               "Fields of a PT_STRING8 tag reads the text property");
        auto proxies = Get(safe.get(), L"Fields", {Number(static_cast<LONG>(0x800F101E))}).elements();
        Expect(proxies.size() == 2 && proxies[1].text() == "SMTP:ann@x",
               "Fields of a multi-valued tag (a negative Long) is an array of texts");
        Expect(Get(safe.get(), L"Fields", {Number(0x0E060040)}).empty(), "a property the message lacks is Empty");
        auto list = Get(safe.get(), L"Recipients").object();
        Expect(list && Get(list.get(), L"Count").number() == 3, "Recipients.Count counts the item's recipients");
    }
    Expect(item.refs == 1 && recipients.refs == 1 && message.refs == 1,
           "the item, its recipients and its message are released with the Safe item");
}

// An RDO session bound to Outlook's MAPI session: unbound it fails as not logged on; bound
// it walks the stores.
void CheckSession() {
    std::vector<BYTE> exchange{0x54, 0x94, 0xA1, 0xC0, 0x29, 0x7F, 0x10, 0x1B,
                               0xA5, 0x87, 0x08, 0x00, 0x2B, 0x2A, 0x25, 0x17};
    Session stand({{{0x3001001F, std::wstring(L"Archive")}, {0x0FFF0102, std::vector<BYTE>{9}}},
                   {{0x3001001F, std::wstring(L"Mailbox - Ann")}, {0x30090003, LONG{1}}, {0x34140102, exchange}}});
    {
        auto session = Create(L"cvRedemption.cvRDOSession");
        if (!session) return;
        Expect(ErrorOf(session.get(), L"Stores").first == static_cast<LONG>(0x80040111),
               "Stores before MAPIOBJECT or Logon fails with MAPI_E_LOGON_FAILED");
        VARIANT mapiObject = Unknown(&stand);
        Expect(Call(session.get(), L"MAPIOBJECT", {}, nullptr, &mapiObject) == S_OK,
               "MAPIOBJECT takes Outlook's MAPI session");
        Expect(Get(session.get(), L"LoggedOn").boolean(), "LoggedOn once bound");
        auto stores = Get(session.get(), L"Stores").object();
        auto store = stores ? Get(stores.get(), L"Item", {Number(2)}).object() : ComPtr<IDispatch>();
        Expect(store && Get(stores.get(), L"Count").number() == 2 && Get(store.get(), L"StoreKind").number() == 3,
               "Stores counts the stores; Stores.Item(2).StoreKind is the primary Exchange mailbox");
    }
    Expect(stand.refs == 1 && stand.stores.refs == 1, "the MAPI session and its table are released");
}

}  // namespace

int main() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // The DLL frees what the stand-ins give with mapi32.dll's own MAPIFreeBuffer.
    HMODULE mapi32 = LoadLibraryW(L"mapi32.dll");
    AllocateBlock = reinterpret_cast<MAPIAllocateBufferFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(mapi32, "MAPIAllocateBuffer")));
    Expect(AllocateBlock != nullptr, "mapi32.dll's MAPIAllocateBuffer");
    if (AllocateBlock == nullptr) return ExitCode();
    CheckSafeMailItem();
    CheckSession();
    CoUninitialize();
    return ExitCode();
}
