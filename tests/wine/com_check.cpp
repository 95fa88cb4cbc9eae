// Checks Corvane.dll under Wine the way Windows and Outlook meet it:
//   com_check registered user|machine DLL   the hive holds exactly the registration
//   com_check unregistered user|machine     none of it is left
//   com_check connect                       Outlook's calls on Corvane.Connect
// Prints what differs and exits with 1.
#include <windows.h>

#include <cstdio>
#include <set>
#include <string>

#include "corvane/com/classes.h"
#include "corvane/com/interfaces.h"
#include "corvane/com/registration.h"
#include "corvane/com/text.h"
#include "corvane/menus/ribbon.h"

#include "expect.h"

using namespace corvane::com;

using corvane::winecheck::Expect;

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

// What Outlook hands to the add-in (the Application, the COMAddIn, the ribbon, a ribbon
// control): an object that only counts the references taken on it.
class StandIn final : public IDispatch {
public:
    virtual ~StandIn() = default;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = this;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return DISP_E_MEMBERNOTFOUND;
    }
    ULONG refs = 1;  // the test's own
};

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

// Calls the member `name` of `object` by name with one object argument.
HRESULT CallByName(IDispatch* object, const wchar_t* name, IDispatch* argument) {
    DISPID id = DISPID_UNKNOWN;
    auto* names = const_cast<LPOLESTR>(name);
    HRESULT hr = object->GetIDsOfNames(IID_NULL, &names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr)) return hr;
    VARIANT arg;
    VariantInit(&arg);
    V_VT(&arg) = VT_DISPATCH;
    V_DISPATCH(&arg) = argument;
    DISPPARAMS params{&arg, nullptr, 1, 0};
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
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

    // Outlook's order: create by ProgId, connect, ask for the ribbon, start-up complete,
    // load the ribbon, a click; then shut-down begins and the add-in is disconnected.
    CLSID clsid;
    CLSIDFromProgID(L"Corvane.Connect", &clsid);
    IDTExtensibility2* addin = nullptr;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDTExtensibility2,
                                reinterpret_cast<void**>(&addin)))) {
        Expect(false, "Corvane.Connect gives IDTExtensibility2");
        return;
    }
    auto canUnload = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"Corvane.dll"), "DllCanUnloadNow")));
    Expect(canUnload != nullptr && canUnload() == S_FALSE, "DllCanUnloadNow is S_FALSE while Connect lives");

    StandIn application;
    StandIn addInInst;
    StandIn ribbonUi;
    StandIn control;
    SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
    Expect(addin->OnConnection(&application, ext_cm_Startup, &addInInst, &custom) == S_OK, "OnConnection");

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
    Expect(CallByName(callbacks, L"ribbon_onload", &ribbonUi) == S_OK, "Ribbon_OnLoad by name (any case)");
    Expect(ribbonUi.refs == 2, "the ribbon is kept");
    Expect(CallByName(callbacks, L"cbbCVSettings_Click", &control) == S_OK, "cbbCVSettings_Click by name");
    Expect(control.refs == 1, "the control is not kept");
    Expect(CallByName(callbacks, L"NoSuchCallback", &control) == DISP_E_UNKNOWNNAME, "an unknown name fails");
    callbacks->Release();

    Expect(addin->OnBeginShutdown(&custom) == S_OK, "OnBeginShutdown");
    Expect(addin->OnDisconnection(ext_dm_HostShutdown, &custom) == S_OK, "OnDisconnection");
    Expect(application.refs == 1 && addInInst.refs == 1 && ribbonUi.refs == 1,
           "every reference the add-in took is released at disconnection");
    SafeArrayDestroy(custom);
    Expect(addin->Release() == 0, "Connect ends with the last reference");
    Expect(canUnload != nullptr && canUnload() == S_OK, "DllCanUnloadNow is S_OK after");
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
        CheckConnect();
        CoUninitialize();
    } else {
        std::printf("usage: com_check registered user|machine DLL | unregistered user|machine | connect\n");
        return 2;
    }
    return corvane::winecheck::ExitCode();
}
