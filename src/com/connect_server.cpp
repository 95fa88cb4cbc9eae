#include "connect_server.h"

#include <string>
#include <vector>

#include "addin_core.h"
#include "arguments.h"
#include "corvane/com/text.h"
#include "corvane/comoutlook/office.h"
#include "corvane/outlook/addin.h"
#include "list_object.h"
#include "own_object.h"

namespace corvane::com {
namespace {

// Answered only by a ConnectServer itself, never through a proxy.
// {5232FCFF-0969-4CA3-8491-5DD41E348587}
constexpr IID IID_OwnConnect = {0x5232FCFF, 0x0969, 0x4CA3, {0x84, 0x91, 0x5D, 0xD4, 0x1E, 0x34, 0x85, 0x87}};

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

std::string MemberName(DISPID id) {
    for (const auto& member : ConnectMembers)
        if (member.id == id) return Utf8(std::wstring(member.name).c_str());
    return {};
}

}  // namespace

ConnectServer::ConnectServer()
    : process_(AddinProcessHere()),
      connect_(addin::Connect::Create(process_)),
      objects_(comoutlook::Objects::Create()) {
    objects_->setCreator(OwnObjects(process_));
}

HRESULT ConnectServer::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID_OwnConnect)) {
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

std::shared_ptr<addin::Connect> ConnectServer::OwnConnectOf(IDispatch* object) {
    const auto* own = OwnObjectOf<ConnectServer>(object, IID_OwnConnect);
    return own != nullptr ? own->connect_ : nullptr;
}

ULONG ConnectServer::Release() {
    ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
}

HRESULT ConnectServer::OnConnection(IDispatch* Application, ext_ConnectMode ConnectMode, IDispatch* AddInInst,
                                    SAFEARRAY**) {
    return Guarded([&] {
        connect_->OnConnection(comoutlook::ApplicationIn(*objects_, Application), ConnectMode,
                               comoutlook::AddInInstanceOf(*objects_, AddInInst));
        return S_OK;
    });
}

HRESULT ConnectServer::OnDisconnection(ext_DisconnectMode RemoveMode, SAFEARRAY**) {
    HRESULT hr = Guarded([&] {
        connect_->OnDisconnection(RemoveMode);
        return S_OK;
    });
    // The ribbon is the last of Outlook's objects the add-in keeps: it goes with the
    // connection too.
    process_->gobjRibbon.reset();
    return hr;
}

HRESULT ConnectServer::OnAddInsUpdate(SAFEARRAY**) {
    return Guarded([&] {
        connect_->OnAddInsUpdate();
        return S_OK;
    });
}

HRESULT ConnectServer::OnStartupComplete(SAFEARRAY**) {
    return Guarded([&] {
        connect_->OnStartupComplete();
        return S_OK;
    });
}

HRESULT ConnectServer::OnBeginShutdown(SAFEARRAY**) {
    return Guarded([&] {
        connect_->OnBeginShutdown();
        return S_OK;
    });
}

HRESULT ConnectServer::GetCustomUI(BSTR RibbonID, BSTR* RibbonXml) {
    if (RibbonXml == nullptr) return E_POINTER;
    *RibbonXml = nullptr;
    return Guarded([&] {
        *RibbonXml = NewBstr(connect_->GetCustomUI(Utf8(RibbonID)));
        return *RibbonXml != nullptr ? S_OK : E_OUTOFMEMORY;
    });
}

std::span<const DispatchMember> ConnectServer::membersOf(const IDispatch*) const { return ConnectMembers; }
std::span<const DispatchMember> ConnectServer::membersOf(const IDTExtensibility2*) const {
    return ExtensibilityMembers;
}
std::span<const DispatchMember> ConnectServer::membersOf(const IRibbonExtensibility*) const { return RibbonMembers; }

void ConnectServer::variablesGet(DISPPARAMS& params) {
    auto list = ListOf(ObjectArgument(params, 0));
    connect_->WordEditorVariablesGet(list);
    WriteBack(params, 0, ListValue(list, objects_).raw());
}

void ConnectServer::variablesSet(DISPPARAMS& params) {
    auto list = ListOf(ObjectArgument(params, 0));
    bool cancel = FlagArgument(params, 1);
    connect_->WordEditorVariablesSet(list, cancel);
    WriteBack(params, 0, ListValue(list, objects_).raw());
    WriteBack(params, 1, comoutlook::Value(cancel).raw());
}

void ConnectServer::ribbonCallback(DISPID id, DISPPARAMS& params) {
    IDispatch* argument = ObjectArgument(params, 0);
    std::vector<outlook::Variant> args;
    if (id == DispRibbon_OnLoad)
        args.emplace_back(std::shared_ptr<outlook::Dispatch>(comoutlook::RibbonUIOf(*objects_, argument)));
    else
        args.emplace_back(std::shared_ptr<outlook::Dispatch>(comoutlook::RibbonControlOf(*objects_, argument)));
    connect_->InvokeCallback(MemberName(id), args);
}

HRESULT ConnectServer::invokeOn(const IDispatch*, DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result) {
    if ((flags & DISPATCH_METHOD) == 0) return DISP_E_MEMBERNOTFOUND;
    switch (id) {
        case DispTutorialScreen: connect_->TutorialScreen(); return S_OK;
        case DispWordEditorVariablesGet: variablesGet(params); return S_OK;
        case DispWordEditorVariablesSet: variablesSet(params); return S_OK;
        case DispIRibbonExtensibility_GetCustomUI:
            return ReturnText(connect_->IRibbonExtensibility_GetCustomUI(Utf8(TextArgument(params, 0))), result);
        case DispRibbon_OnLoad:
        case DispcbbCVQuenlow_Click:
        case DispcbbCVSettings_Click:
        case DispcmdCheckForUpdatesRibbon_Click:
        case DispcbbCVContactSupport_Click:
        case DispcmdCVHelp_Click:
        case DispcmdCVAboutCorvane_Click: ribbonCallback(id, params); return S_OK;
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
        case DispOnAddInsUpdate: return OnAddInsUpdate(nullptr);
        case DispOnStartupComplete: return OnStartupComplete(nullptr);
        case DispOnBeginShutdown: return OnBeginShutdown(nullptr);
        default: return DISP_E_MEMBERNOTFOUND;
    }
}

HRESULT ConnectServer::invokeOn(const IRibbonExtensibility*, DISPID id, WORD flags, DISPPARAMS& params,
                                VARIANT* result) {
    if ((flags & DISPATCH_METHOD) == 0 || id != DispGetCustomUI) return DISP_E_MEMBERNOTFOUND;
    return ReturnText(connect_->GetCustomUI(Utf8(TextArgument(params, 0))), result);
}

}  // namespace corvane::com
