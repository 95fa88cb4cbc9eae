// Checks Corvane.dll under Wine the way Windows and Outlook meet it:
//   com_check registered user|machine DLL   the hive holds exactly the registration
//   com_check unregistered user|machine     none of it is left
//   com_check connect                       Outlook's calls on Corvane.Connect, its start
//                                           and stop against a stand-in Outlook
// Prints what differs and exits with 1.
#include <windows.h>

#include <cstdio>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "corvane/com/classes.h"
#include "corvane/com/interfaces.h"
#include "corvane/com/registration.h"
#include "corvane/com/text.h"
#include "corvane/com/word_bridge.h"
#include "corvane/comoutlook/event_interfaces.h"
#include "corvane/menus/ribbon.h"
#include "corvane/platform/error.h"
#include "corvane/settings/setting_keys.h"
#include "corvane/settings/setting_store.h"

#include "addin_core.h"
#include "connect_server.h"
#include "expect.h"
#include "stand_in.h"

using namespace corvane::com;

using corvane::comoutlook::ApplicationEvents_11;
using corvane::comoutlook::ComPtr;
using corvane::comoutlook::ExplorersEvents;
using corvane::comoutlook::InspectorsEvents;
using corvane::winecheck::AddEvents;
using corvane::winecheck::Expect;
using corvane::winecheck::Number;
using corvane::winecheck::Object;
using corvane::winecheck::StandIn;
using corvane::winecheck::Text;

namespace {

std::string Narrow(const std::wstring& text) { return Utf8(text.c_str()); }

// Every "key|name=data" below `path`, keys and names as the registry spells them.
void CollectValues(HKEY hive, const std::wstring& path, std::set<std::wstring>& out) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(hive, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    wchar_t name[256];
    BYTE data[2048];
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = 256;
        DWORD dataSize = sizeof data;
        DWORD type = 0;
        if (RegEnumValueW(key, i, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS) break;
        std::wstring text = type == REG_DWORD ? L"dword:" + std::to_wstring(*reinterpret_cast<DWORD*>(data))
                                              : std::wstring(reinterpret_cast<wchar_t*>(data));
        out.insert(path + L"|" + name + L"=" + text);
    }
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = 256;
        if (RegEnumKeyExW(key, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        CollectValues(hive, path + L"\\" + name, out);
    }
    RegCloseKey(key);
}

void CheckRegistered(HKEY hive, const std::wstring& dllPath) {
    Registration expected = RegistrationOf(dllPath);
    std::set<std::wstring> want;
    for (const auto& value : expected.values) {
        const auto* text = std::get_if<std::wstring>(&value.data);
        want.insert(value.key + L"|" + value.name + L"=" +
                    (text != nullptr ? *text : L"dword:" + std::to_wstring(std::get<DWORD>(value.data))));
    }
    std::set<std::wstring> found;
    for (const auto& key : expected.keys) CollectValues(hive, key, found);
    for (const auto& value : want) Expect(found.count(value) == 1, "missing " + Narrow(value));
    for (const auto& value : found) Expect(want.count(value) == 1, "unexpected " + Narrow(value));
}

void CheckUnregistered(HKEY hive) {
    Registration expected = RegistrationOf(L"");
    expected.keys.push_back(OutlookAddinsKey);  // made by registering, empty after
    for (const auto& path : expected.keys) {
        HKEY key = nullptr;
        bool gone = RegOpenKeyExW(hive, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS;
        if (!gone) RegCloseKey(key);
        Expect(gone, "left behind: " + Narrow(path));
    }
}

std::string CustomUIOf(IRibbonExtensibility* ribbon, const wchar_t* ribbonId) {
    BSTR id = SysAllocString(ribbonId);
    BSTR xml = nullptr;
    HRESULT hr = ribbon->GetCustomUI(id, &xml);
    Expect(SUCCEEDED(hr), "GetCustomUI");
    std::string out = Utf8(xml);
    SysFreeString(xml);
    SysFreeString(id);
    return out;
}

// What start-up reads is preset where the add-in reads it, so that it shows no dialog: the
// first-run wizard was shown and the update check is switched off.
void PresetSettings() {
    const auto wide = [](std::string_view ascii) { return std::wstring(ascii.begin(), ascii.end()); };
    const std::wstring key = wide(corvane::settings::UserSettingsPath);
    const auto set = [&](std::string_view name, std::string_view value) {
        const std::wstring data = wide(value);
        RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), wide(name).c_str(), REG_SZ, data.c_str(),
                        static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    };
    set(corvane::settings::keys::ShowStartupWizard, "False");
    set(corvane::settings::keys::LastCheckUpdateDate, corvane::settings::DoNotCheckMarker);
}

// Calls `name` with `count` arguments (first first), each a VARIANT by reference.
HRESULT CallByRef(IDispatch* object, const wchar_t* name, std::initializer_list<VARIANT*> args,
                  EXCEPINFO* info = nullptr) {
    DISPID id = DISPID_UNKNOWN;
    auto* names = const_cast<LPOLESTR>(name);
    if (FAILED(object->GetIDsOfNames(IID_NULL, &names, 1, LOCALE_USER_DEFAULT, &id))) return DISP_E_UNKNOWNNAME;
    std::vector<VARIANT> refs(args.size());
    std::size_t last = args.size();
    for (VARIANT* arg : args) {
        VariantInit(&refs[--last]);
        V_VT(&refs[last]) = VT_VARIANT | VT_BYREF, V_VARIANTREF(&refs[last]) = arg;
    }
    DISPPARAMS params{refs.data(), nullptr, static_cast<UINT>(refs.size()), 0};
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, info, nullptr);
}

// The stand-in Outlook: no Explorer, and one message window or none. Each collection and
// the Application raise their events through the interfaces of a type library made here.
struct StandInOutlook {
    explicit StandInOutlook(ITypeInfo* own, LONG messageWindows)
        : explorers({{L"Class", Number(60)}, {L"Count", Number(0)}}, ExplorersEvents.iid, own),
          inspectors({{L"Class", Number(61)}, {L"Count", Number(messageWindows)}}, InspectorsEvents.iid, own),
          application({{L"Class", Number(0)},
                       {L"Version", Text(L"15.0.0.4420")},
                       {L"Explorers", Object(&explorers)},
                       {L"Inspectors", Object(&inspectors)},
                       {L"GetNamespace", Object(&mapi)}},
                      ApplicationEvents_11.iid, own),
          addInInst({{L"ProgId", Text(L"Corvane.Connect")}, {L"Description", Text(L"Corvane")}}) {}

    StandIn explorers, inspectors;
    StandIn mapi{{{L"Class", Number(1)}}};
    StandIn application, addInInst, ribbonUi, control;

    bool allReleased() const {
        return explorers.refs == 1 && inspectors.refs == 1 && mapi.refs == 1 && application.refs == 1 &&
               addInInst.refs == 1 && ribbonUi.refs == 1 && control.refs == 1 && explorers.sink == nullptr &&
               inspectors.sink == nullptr && application.sink == nullptr;
    }
};

IDTExtensibility2* NewConnect() {
    CLSID clsid;
    CLSIDFromProgID(L"Corvane.Connect", &clsid);
    IDTExtensibility2* addin = nullptr;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDTExtensibility2,
                                reinterpret_cast<void**>(&addin))))
        Expect(false, "Corvane.Connect gives IDTExtensibility2");
    return addin;
}

// Outlook's order without a window: create by ProgId, connect, ask for the ribbon, start-up
// complete, load the ribbon; then shut-down begins and the add-in is disconnected.
void CheckWithoutWindows(ITypeInfo* own, HRESULT(STDAPICALLTYPE* canUnload)()) {
    StandInOutlook outlook(own, 0);
    IDTExtensibility2* addin = NewConnect();
    if (addin == nullptr) return;
    Expect(canUnload() == S_FALSE, "DllCanUnloadNow is S_FALSE while Connect lives");

    SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
    Expect(addin->OnConnection(&outlook.application, ext_cm_Startup, &outlook.addInInst, &custom) == S_OK,
           "OnConnection");
    Expect(outlook.explorers.advised == 1 && outlook.inspectors.advised == 1 && outlook.application.advised == 0,
           "start-up sinks the window collections' events and stops there without a window");

    IRibbonExtensibility* ribbon = nullptr;
    Expect(SUCCEEDED(addin->QueryInterface(IID_IRibbonExtensibility, reinterpret_cast<void**>(&ribbon))),
           "Corvane.Connect gives IRibbonExtensibility");
    if (ribbon != nullptr) {
        Expect(CustomUIOf(ribbon, L"Microsoft.Outlook.Explorer") == corvane::menus::RibbonXml(),
               "the Explorer's ribbon gets the tab");
        Expect(CustomUIOf(ribbon, L"Microsoft.Outlook.Mail.Compose").empty(), "a message window gets nothing");
        ribbon->Release();
    }
    Expect(addin->OnStartupComplete(&custom) == S_OK, "OnStartupComplete");

    IDispatch* callbacks = nullptr;
    addin->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&callbacks));
    VARIANT ribbonUi = Object(&outlook.ribbonUi), list;
    Expect(CallByRef(callbacks, L"ribbon_onload", {&ribbonUi}) == S_OK, "Ribbon_OnLoad by name (any case)");
    Expect(outlook.ribbonUi.refs == 2, "the ribbon is kept");
    Expect(CallByRef(callbacks, L"NoSuchCallback", {&ribbonUi}) == DISP_E_UNKNOWNNAME, "an unknown name fails");
    VariantInit(&list);
    Expect(CallByRef(callbacks, L"WordEditorVariablesGet", {&list}) == S_OK && V_VT(&list) == VT_DISPATCH &&
               V_DISPATCH(&list) == nullptr,
           "without a window there is no list object: WordEditorVariablesGet gives Nothing");
    callbacks->Release();

    Expect(addin->OnBeginShutdown(&custom) == S_OK, "OnBeginShutdown");
    Expect(addin->OnDisconnection(ext_dm_HostShutdown, &custom) == S_OK, "OnDisconnection");
    Expect(outlook.allReleased(), "every reference the add-in took is released at disconnection");
    SafeArrayDestroy(custom);
    Expect(addin->Release() == 0, "Connect ends with the last reference");
}

// Word's process in an apartment of its own: the Connect arrives as a proxy (`stream`), as
// Outlook's CreateObject hands it to Word.
DWORD WINAPI RunWordSide(void* stream) {
    VARIANT yes;
    V_VT(&yes) = VT_BOOL, V_BOOL(&yes) = VARIANT_TRUE;
    StandIn wordList({{L"LoadList", yes}, {L"LoadAccounts", Text(L"No Account Selected;Work;")}});
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IDispatch* proxy = nullptr;
    CoGetInterfaceAndReleaseStream(static_cast<IStream*>(stream), IID_IDispatch, reinterpret_cast<void**>(&proxy));
    try {
        auto connect = ConnectOf(proxy);
        std::shared_ptr<corvane::core::SendAcct> list;
        connect->WordEditorVariablesGet(list);
        Expect(list != nullptr, "WordEditorVariablesGet through a proxy gives Outlook's list object");
        list->strChangeAcct("CHANGE");
        list->AddNew();
        list->strEmailAddress("ann@example.com");
        Expect(list->strChangeAcct() == "CHANGE" && list->strEmailAddress() == "ann@example.com" && list->count() == 0,
               "Outlook's list answers its properties by name through the proxy");
        Expect(!list->Edit() && list->ErrorReport() == "Cannot go to Edit mode as there is no current record",
               "a record operation's result and its reason come back through the proxy");
        // A list of Word's own (Outlook's needs a MAPI session to reload its accounts, which
        // the stand-in Outlook lacks): Outlook reloads it by name, keeps it and the cancel
        // decision, and hands the same object back.
        bool cancel = true;
        auto mine = ListOf(&wordList);
        connect->WordEditorVariablesSet(mine, cancel);
        Expect(cancel && mine != nullptr && mine->LoadAccounts() == "No Account Selected;Work;",
               "WordEditorVariablesSet hands Word's list back with the cancel flag");
        connect->WordEditorVariablesGet(list);
        Expect(list->LoadAccounts() == "No Account Selected;Work;", "Outlook keeps the list Word handed over");
    } catch (const corvane::platform::PlatformError& e) {
        Expect(false, "Word's side: " + std::string(e.description()));
    }
    if (proxy != nullptr) proxy->Release();
    CoUninitialize();
    return 0;
}

// Outlook's Connect, made in this program so that its core can be looked at, in this
// apartment; Word's side on a thread of its own while this apartment answers its calls.
void CheckFromWord(ITypeInfo* own) {
    StandInOutlook outlook(own, 1);
    auto* server = new ConnectServer();
    Expect(server->OnConnection(&outlook.application, ext_cm_Startup, &outlook.addInInst, nullptr) == S_OK,
           "OnConnection of the Connect Word's side reaches");
    auto outlookList = AddinProcessHere()->gSendAcct;
    IStream* stream = nullptr;
    CoMarshalInterThreadInterfaceInStream(IID_IDispatch, static_cast<DispatchOf<IDispatch>*>(server), &stream);
    HANDLE thread = CreateThread(nullptr, 0, RunWordSide, stream, 0, nullptr);
    DWORD waited = 0;
    while ((waited = MsgWaitForMultipleObjects(1, &thread, FALSE, 30000, QS_ALLINPUT)) == WAIT_OBJECT_0 + 1) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
    Expect(waited == WAIT_OBJECT_0, "Word's side ends");
    CloseHandle(thread);
    Expect(outlookList != nullptr && outlookList->strChangeAcct() == "CHANGE",
           "what Word set on the list is set on Outlook's own");
    Expect(AddinProcessHere()->gCancelSend, "Outlook's side keeps the cancel decision Word handed back");
    outlookList.reset();
    server->OnDisconnection(ext_dm_HostShutdown, nullptr);
    Expect(outlook.allReleased(), "every reference is released at disconnection");
    server->Release();
}

// With a message window open start-up makes the list object, which the Word template's
// code fetches and hands back by reference with its cancel decision.
void CheckListExchange(ITypeInfo* own) {
    StandInOutlook outlook(own, 1);
    IDTExtensibility2* addin = NewConnect();
    if (addin == nullptr) return;
    Expect(addin->OnConnection(&outlook.application, ext_cm_Startup, &outlook.addInInst, nullptr) == S_OK,
           "OnConnection with a message window");
    Expect(outlook.application.advised == 1, "the Application's events are sinked");

    IDispatch* connect = nullptr;
    addin->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&connect));
    VARIANT list, cancel;
    VariantInit(&list);
    VariantInit(&cancel);
    V_VT(&cancel) = VT_BOOL, V_BOOL(&cancel) = VARIANT_TRUE;
    Expect(CallByRef(connect, L"WordEditorVariablesGet", {&list}) == S_OK && V_VT(&list) == VT_DISPATCH &&
               V_DISPATCH(&list) != nullptr,
           "WordEditorVariablesGet gives the list object");
    // Taking it back reloads the list and the accounts; the accounts need Outlook's MAPI
    // session (the namespace's MAPIOBJECT), which the stand-in Outlook does not have: that
    // failure (past the list object's own check) is as good a sign it was taken.
    EXCEPINFO info{};
    HRESULT hr = CallByRef(connect, L"WordEditorVariablesSet", {&list, &cancel}, &info);
    Expect((hr == S_OK && V_BOOL(&cancel) == VARIANT_TRUE) || (hr == DISP_E_EXCEPTION && info.wCode == 438),
           "WordEditorVariablesSet takes the list object back with the cancel decision");

    VARIANT foreign = Object(&outlook.control);
    info = EXCEPINFO{};  // the texts are left to the end of the program
    Expect(CallByRef(connect, L"WordEditorVariablesSet", {&foreign, &cancel}, &info) == DISP_E_EXCEPTION &&
               info.wCode == 438 && Utf8(info.bstrDescription) == "Object doesn't support this property or method",
           "an object that is no list object fails where the list is reloaded by name, with the number and text");
    VariantClear(&list);
    connect->Release();

    Expect(addin->OnDisconnection(ext_dm_UserClosed, nullptr) == S_OK, "OnDisconnection when switched off");
    Expect(outlook.allReleased(), "every reference is released at disconnection, the Application's sink too");
    addin->Release();
}

// The Word template's macros call Corvane.Buttons by name, each argument by reference.
void CheckButtons() {
    CLSID clsid;
    CLSIDFromProgID(L"Corvane.Buttons", &clsid);
    IDispatch* buttons = nullptr;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                reinterpret_cast<void**>(&buttons)))) {
        Expect(false, "Corvane.Buttons gives IDispatch");
        return;
    }
    StandIn mail({{L"Class", Number(43)}, {L"Subject", Text(L"Quarterly figures")}});
    VARIANT item = Object(&mail), cancel;
    VariantInit(&cancel);
    V_VT(&cancel) = VT_BOOL, V_BOOL(&cancel) = VARIANT_FALSE;
    Expect(CallByRef(buttons, L"EmptySubjectCheck", {&item, &cancel}) == S_OK && V_VT(&cancel) == VT_BOOL &&
               V_BOOL(&cancel) == VARIANT_FALSE,
           "EmptySubjectCheck on a message with a subject leaves Cancel alone");
    buttons->Release();
    Expect(mail.refs == 1, "Buttons keeps no reference on the item");
}

void CheckConnect() {
    // Every class is created by its ProgId through the registration.
    for (const auto& server : ServerClasses()) {
        CLSID clsid;
        bool found = SUCCEEDED(CLSIDFromProgID(std::wstring(server.progId).c_str(), &clsid));
        Expect(found && IsEqualCLSID(clsid, server.clsid), "ProgId " + Narrow(std::wstring(server.progId)));
        IDispatch* object = nullptr;
        Expect(SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                          reinterpret_cast<void**>(&object))),
               "create " + Narrow(std::wstring(server.progId)));
        if (object != nullptr) object->Release();
    }
    auto canUnload = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"Corvane.dll"), "DllCanUnloadNow")));
    if (canUnload == nullptr) {
        Expect(false, "Corvane.dll exports DllCanUnloadNow");
        return;
    }

    ICreateTypeLib2* library = nullptr;
    if (FAILED(CreateTypeLib2(SYS_WIN32, const_cast<LPOLESTR>(L"outlook.tlb"), &library))) {
        Expect(false, "a type library is made in memory");
        return;
    }
    ComPtr<ITypeInfo> own = AddEvents(library, L"_StandIn", GUID{0x5e1f0002, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}}, {});
    AddEvents(library, L"ExplorersEvents", ExplorersEvents.iid, {{L"NewExplorer", 0xF001}});
    AddEvents(library, L"InspectorsEvents", InspectorsEvents.iid, {{L"NewInspector", 0xF001}});
    AddEvents(library, L"ApplicationEvents_11", ApplicationEvents_11.iid,
              {{L"ItemSend", 0xF002}, {L"Startup", 0xF006}, {L"ItemContextMenuDisplay", 0xFBA6}});
    CheckWithoutWindows(own.get(), canUnload);
    CheckListExchange(own.get());
    CheckFromWord(own.get());
    CheckButtons();
    own = ComPtr<ITypeInfo>();
    library->Release();
    Expect(canUnload() == S_OK, "DllCanUnloadNow is S_OK after");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring command = argc > 1 ? argv[1] : L"";
    HKEY hive = argc > 2 && std::wstring(argv[2]) == L"machine" ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    if (command == L"registered" && argc == 4) {
        wchar_t full[MAX_PATH];
        GetFullPathNameW(argv[3], MAX_PATH, full, nullptr);
        CheckRegistered(hive, full);
    } else if (command == L"unregistered" && argc == 3) {
        CheckUnregistered(hive);
    } else if (command == L"connect" && argc == 2) {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        PresetSettings();
        CheckConnect();
        CoUninitialize();
    } else {
        std::printf("usage: com_check registered user|machine DLL | unregistered user|machine | connect\n");
        return 2;
    }
    return corvane::winecheck::ExitCode();
}
