// Checks the secure mail access component's classes the way the add-in's late-bound code
// meets them: created by ProgId from the registered Corvane.dll, bound to a stand-in
// Outlook item whose MAPIOBJECT is a stand-in MAPI message, or to a stand-in MAPI session;
// members called by name, failures read from EXCEPINFO, every reference given back.
// Prints what differs and exits with 1.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "corvane/comoutlook/com_ptr.h"

#include "expect.h"
#include "mapi_stand_in.h"
#include "stand_in.h"

using namespace corvane::winecheck;
using corvane::comoutlook::ComPtr;

namespace {

ComPtr<IDispatch> Create(const wchar_t* progId) {
    CLSID clsid{};
    ComPtr<IDispatch> made;
    if (FAILED(CLSIDFromProgID(progId, &clsid)) ||
        FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                reinterpret_cast<void**>(made.put()))))
        Expect(false, "created by ProgId");
    return made;
}

// A call by name: a method or property read, or (with `assigned`) a property put. The
// arguments are given first first; `result` and `info` are the caller's to clear.
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
    if (result != nullptr) VariantInit(result);
    WORD flags = assigned != nullptr ? DISPATCH_PROPERTYPUT : DISPATCH_METHOD | DISPATCH_PROPERTYGET;
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, info, nullptr);
}

std::wstring TextOf(VARIANT& value) {
    std::wstring text = V_VT(&value) == VT_BSTR && V_BSTR(&value) != nullptr ? V_BSTR(&value) : L"";
    VariantClear(&value);
    return text;
}

LONG NumberOf(VARIANT& value) {
    LONG number = V_VT(&value) == VT_I4 ? V_I4(&value) : -1;
    VariantClear(&value);
    return number;
}

// The member's object result, held.
ComPtr<IDispatch> ObjectOf(IDispatch* object, const wchar_t* name, std::vector<VARIANT> args = {}) {
    VARIANT result;
    Call(object, name, std::move(args), &result);
    ComPtr<IDispatch> out = V_VT(&result) == VT_DISPATCH ? ComPtr<IDispatch>(V_DISPATCH(&result))
                                                         : ComPtr<IDispatch>();
    VariantClear(&result);
    return out;
}

VARIANT Unknown(IUnknown* value) {
    VARIANT v;
    V_VT(&v) = VT_UNKNOWN, V_UNKNOWN(&v) = value;
    return v;
}

// The failure of a call that must fail: the runtime error number (wCode) or the HRESULT
// (scode), and the text.
struct Failure {
    LONG number = 0;
    std::wstring text;
};
Failure FailureOf(IDispatch* object, const wchar_t* name) {
    EXCEPINFO info{};
    VARIANT result;
    HRESULT hr = Call(object, name, {}, &result, nullptr, &info);
    VariantClear(&result);
    Expect(hr == DISP_E_EXCEPTION, "a failing call answers DISP_E_EXCEPTION");
    Failure failure{info.wCode != 0 ? info.wCode : info.scode,
                    info.bstrDescription != nullptr ? info.bstrDescription : L""};
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
    return failure;
}

// A Safe mail item over an Outlook item: unbound it fails as an unset object; bound it
// reads the item's members through Outlook and the MAPI message's properties by tag.
void CheckSafeMailItem() {
    Message message;
    message.props[0x0C1E001F] = std::wstring(L"EX");                                      // sender address type
    message.props[0x800F101F] = std::vector<std::wstring>{L"smtp:old@x", L"SMTP:ann@x"};  // proxy addresses
    message.props[0x0E070003] = LONG{0x0008};
    StandIn recipients({{L"Class", Number(17)}, {L"Count", Number(3)}});
    StandIn item({{L"Class", Number(43)},
                  {L"Subject", Text(L"Quarterly figures")},
                  {L"Recipients", Object(&recipients)},
                  {L"MAPIOBJECT", Unknown(&message)}});
    {
        auto safe = Create(L"cvRedemption.cvSafeMailItem");
        if (!safe) return;
        Failure unbound = FailureOf(safe.get(), L"Subject");
        Expect(unbound.number == 91 && unbound.text.find(L"SafeMailItem.Item") != std::wstring::npos,
               "a member called before Item is set fails as an unset object variable");

        VARIANT bound = Object(&item), result;
        Expect(Call(safe.get(), L"Item", {}, nullptr, &bound) == S_OK, "Item takes an Outlook item");
        Call(safe.get(), L"subject", {}, &result);
        Expect(TextOf(result) == L"Quarterly figures", "Subject is the item's own");
        Call(safe.get(), L"Fields", {Number(0x0C1E001E)}, &result);
        Expect(TextOf(result) == L"EX", "Fields of a PT_STRING8 tag reads the text property");
        Call(safe.get(), L"Fields", {Number(static_cast<LONG>(0x800F101E))}, &result);
        LONG upper = -1;
        Expect(V_VT(&result) == (VT_ARRAY | VT_VARIANT) &&
                   SUCCEEDED(SafeArrayGetUBound(V_ARRAY(&result), 1, &upper)) && upper == 1,
               "Fields of a multi-valued tag (a negative Long) is an array of texts");
        VariantClear(&result);
        Call(safe.get(), L"Fields", {Number(0x0E060040)}, &result);
        Expect(V_VT(&result) == VT_EMPTY, "a property the message lacks is Empty");
        Call(safe.get(), L"UnRead", {}, &result);
        Expect(V_VT(&result) == VT_BOOL && V_BOOL(&result) == VARIANT_TRUE, "UnRead reads the message flags");

        auto list = ObjectOf(safe.get(), L"Recipients");
        Expect(static_cast<bool>(list), "Recipients is an object of its own");
        if (list) {
            Call(list.get(), L"Count", {}, &result);
            Expect(NumberOf(result) == 3, "Recipients.Count counts the item's recipients");
        }
        Expect(Call(safe.get(), L"NoSuchMember", {}, &result) == DISP_E_UNKNOWNNAME, "only the listed members");
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
        Expect(FailureOf(session.get(), L"Stores").number == static_cast<LONG>(0x80040111),
               "Stores before MAPIOBJECT or Logon fails with MAPI_E_LOGON_FAILED");
        VARIANT mapiObject = Unknown(&stand), result;
        Expect(Call(session.get(), L"MAPIOBJECT", {}, nullptr, &mapiObject) == S_OK,
               "MAPIOBJECT takes Outlook's MAPI session");
        Call(session.get(), L"LoggedOn", {}, &result);
        Expect(V_VT(&result) == VT_BOOL && V_BOOL(&result) == VARIANT_TRUE, "LoggedOn once bound");
        if (auto stores = ObjectOf(session.get(), L"Stores")) {
            Call(stores.get(), L"Count", {}, &result);
            Expect(NumberOf(result) == 2, "Stores.Count");
            auto store = ObjectOf(stores.get(), L"Item", {Number(2)});
            if (store) Call(store.get(), L"StoreKind", {}, &result);
            Expect(store && NumberOf(result) == 3, "Stores.Item(2).StoreKind is the primary Exchange mailbox");
        }
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
