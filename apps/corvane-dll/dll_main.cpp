// Corvane.dll's entry points: COM gets the class factories here, asks whether the DLL may
// be unloaded, and regsvr32 registers and unregisters it (per user; per machine through
// DllInstall with "machine").
#include <windows.h>

#include <cwchar>
#include <new>

#include "corvane/com/classes.h"
#include "corvane/com/registration.h"
#include "corvane/com/server.h"

using corvane::com::RegistrationScope;

extern "C" {

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* object) {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    const auto* server = corvane::com::FindServerClass(clsid);
    if (server == nullptr) return CLASS_E_CLASSNOTAVAILABLE;
    auto* factory = new (std::nothrow) corvane::com::ClassFactory(server->create);
    if (factory == nullptr) return E_OUTOFMEMORY;
    HRESULT hr = factory->QueryInterface(iid, object);
    factory->Release();
    return hr;
}

STDAPI DllCanUnloadNow() { return corvane::com::ServerReferences() == 0 ? S_OK : S_FALSE; }

STDAPI DllRegisterServer() { return corvane::com::Register(RegistrationScope::User); }

STDAPI DllUnregisterServer() { return corvane::com::Unregister(RegistrationScope::User); }

// regsvr32 /n /i:machine Corvane.dll (and /u for the reverse): the registration for every
// user of the machine, which needs a process that may write HKEY_LOCAL_MACHINE.
STDAPI DllInstall(BOOL install, LPCWSTR command) {
    auto scope = command != nullptr && _wcsicmp(command, L"machine") == 0 ? RegistrationScope::Machine
                                                                          : RegistrationScope::User;
    return install ? corvane::com::Register(scope) : corvane::com::Unregister(scope);
}

}  // extern "C"
