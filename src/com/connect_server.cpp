#include "connect_server.h"

#include <string>

#include "corvane/com/text.h"
#include "corvane/menus/ribbon.h"

namespace corvane::com {
namespace {

constexpr DispatchMember ConnectMembers[] = {
    {L"TutorialScreen", DispTutorialScreen},
    {L"WordEditorVariablesGet", DispWordEditorVariablesGet},
    {L"WordEditorVariablesSet", DispWordEditorVariablesSet},
    {L"IRibbonExtensibility_GetCustomUI", DispIRibbonExtensibility_GetCustomUI},
    {L"Ribbon_OnLoad", DispRibbon_OnLoad},
    {L"cbbCVQuenlow_Click", DispcbbCVQuenlow_Click},
    {L"cbbCVSettings_Click", DispcbbCVSettings_Click},
    {L"cmdCheckForUpdatesRibbon_Click", DispcmdCheckForUpdatesRibbon_Click},
    {L"cbbCVContactSupport_Click", DispcbbCVContactSupport_Click},
    {L"cmdCVHelp_Click", DispcmdCVHelp_Click},
    {L"cmdCVAboutCorvane_Click", DispcmdCVAboutCorvane_Click},
};

constexpr DispatchMember ExtensibilityMembers[] = {
    {L"OnConnection", IDTExtensibility2::DispOnConnection},
    {L"OnDisconnection", IDTExtensibility2::DispOnDisconnection},
    {L"OnAddInsUpdate", IDTExtensibility2::DispOnAddInsUpdate},
    {L"OnStartupComplete", IDTExtensibility2::DispOnStartupComplete},
    {L"OnBeginShutdown", IDTExtensibility2::DispOnBeginShutdown},
};

constexpr DispatchMember RibbonMembers[] = {{L"GetCustomUI", IRibbonExtensibility::DispGetCustomUI}};

// An object argument (Nothing when absent or of another type).
IDispatch* ObjectArgument(DISPPARAMS& params, unsigned index) {
    VARIANT* arg = Argument(params, index);
    if (arg == nullptr) return nullptr;
    if (V_VT(arg) == VT_DISPATCH) return V_DISPATCH(arg);
    if (V_VT(arg) == (VT_DISPATCH | VT_BYREF) && V_DISPATCHREF(arg) != nullptr) return *V_DISPATCHREF(arg);
    return nullptr;
}

// A number argument; 0 when absent or not a number.
LONG NumberArgument(DISPPARAMS& params, unsigned index) {
    VARIANT* arg = Argument(params, index);
    if (arg == nullptr) return 0;
    VARIANT number;
    VariantInit(&number);
    if (FAILED(VariantChangeType(&number, arg, 0, VT_I4))) return 0;
    return V_I4(&number);
}

// A text argument; "" when absent or not text.
BSTR TextArgument(DISPPARAMS& params, unsigned index) {
    VARIANT* arg = Argument(params, index);
    if (arg == nullptr) return nullptr;
    if (V_VT(arg) == VT_BSTR) return V_BSTR(arg);
    if (V_VT(arg) == (VT_BSTR | VT_BYREF) && V_BSTRREF(arg) != nullptr) return *V_BSTRREF(arg);
    return nullptr;
}

// Keeps `object` in `slot`, letting go of what was there.
void Keep(IDispatch*& slot, IDispatch* object) {
    if (object != nullptr) object->AddRef();
    if (slot != nullptr) slot->Release();
    slot = object;
}

// GetCustomUI's answer as an IDispatch result.
HRESULT ReturnText(BSTR text, VARIANT* result) {
    if (result == nullptr) {
        SysFreeString(text);
        return S_OK;
    }
    VariantInit(result);
    V_VT(result) = VT_BSTR;
    V_BSTR(result) = text;
    return S_OK;
}

}  // namespace

ConnectServer::~ConnectServer() { releaseOutlookObjects(); }

HRESULT ConnectServer::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
        *object = static_cast<DispatchOf<IDispatch>*>(this);
    } else if (IsEqualIID(iid, IID_IDTExtensibility2)) {
        *object = static_cast<IDTExtensibility2*>(this);
    } else if (IsEqualIID(iid, IID_IRibbonExtensibility)) {
        *object = static_cast<IRibbonExtensibility*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG ConnectServer::Release() {
    ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
}

HRESULT ConnectServer::OnConnection(IDispatch* Application, ext_ConnectMode, IDispatch* AddInInst, SAFEARRAY**) {
    Keep(application_, Application);
    Keep(addInInst_, AddInInst);
    return S_OK;
}

HRESULT ConnectServer::OnDisconnection(ext_DisconnectMode, SAFEARRAY**) {
    releaseOutlookObjects();
    return S_OK;
}

HRESULT ConnectServer::GetCustomUI(BSTR RibbonID, BSTR* RibbonXml) {
    if (RibbonXml == nullptr) return E_POINTER;
    *RibbonXml = NewBstr(menus::CustomUI(Utf8(RibbonID)));
    return *RibbonXml != nullptr ? S_OK : E_OUTOFMEMORY;
}

void ConnectServer::releaseOutlookObjects() {
    Keep(ribbon_, nullptr);
    Keep(addInInst_, nullptr);
    Keep(application_, nullptr);
}

std::span<const DispatchMember> ConnectServer::membersOf(const IDispatch*) const { return ConnectMembers; }
std::span<const DispatchMember> ConnectServer::membersOf(const IDTExtensibility2*) const {
    return ExtensibilityMembers;
}
std::span<const DispatchMember> ConnectServer::membersOf(const IRibbonExtensibility*) const { return RibbonMembers; }

HRESULT ConnectServer::invokeOn(const IDispatch*, DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result) {
    if ((flags & DISPATCH_METHOD) == 0) return DISP_E_MEMBERNOTFOUND;
    switch (id) {
        case DispIRibbonExtensibility_GetCustomUI: {
            BSTR xml = nullptr;
            HRESULT hr = GetCustomUI(TextArgument(params, 0), &xml);
            return SUCCEEDED(hr) ? ReturnText(xml, result) : hr;
        }
        case DispRibbon_OnLoad: Keep(ribbon_, ObjectArgument(params, 0)); return S_OK;
        case DispTutorialScreen:
        // The six commands run in the add-in's core, which the connection starts once
        // Outlook's object model is reached over COM; until then a click does nothing.
        case DispcbbCVQuenlow_Click:
        case DispcbbCVSettings_Click:
        case DispcmdCheckForUpdatesRibbon_Click:
        case DispcbbCVContactSupport_Click:
        case DispcmdCVHelp_Click:
        case DispcmdCVAboutCorvane_Click: return S_OK;
        case DispWordEditorVariablesGet:
        case DispWordEditorVariablesSet:
            // The list object crosses into Word's process with the core: not yet.
            return E_NOTIMPL;
        default: return DISP_E_MEMBERNOTFOUND;
    }
}

HRESULT ConnectServer::invokeOn(const IDTExtensibility2*, DISPID id, WORD flags, DISPPARAMS& params, VARIANT*) {
    if ((flags & DISPATCH_METHOD) == 0) return DISP_E_MEMBERNOTFOUND;
    switch (id) {
        case DispOnConnection:
            return OnConnection(ObjectArgument(params, 0), static_cast<ext_ConnectMode>(NumberArgument(params, 1)),
                                ObjectArgument(params, 2), nullptr);
        case DispOnDisconnection:
            return OnDisconnection(static_cast<ext_DisconnectMode>(NumberArgument(params, 0)), nullptr);
        case DispOnAddInsUpdate:
        case DispOnStartupComplete:
        case DispOnBeginShutdown: return S_OK;
        default: return DISP_E_MEMBERNOTFOUND;
    }
}

HRESULT ConnectServer::invokeOn(const IRibbonExtensibility*, DISPID id, WORD flags, DISPPARAMS& params,
                                VARIANT* result) {
    if ((flags & DISPATCH_METHOD) == 0 || id != DispGetCustomUI) return DISP_E_MEMBERNOTFOUND;
    BSTR xml = nullptr;
    HRESULT hr = GetCustomUI(TextArgument(params, 0), &xml);
    return SUCCEEDED(hr) ? ReturnText(xml, result) : hr;
}

}  // namespace corvane::com
