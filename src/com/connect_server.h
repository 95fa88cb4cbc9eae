#pragma once
// Corvane.Connect as Outlook sees it: the add-in connection (IDTExtensibility2), the ribbon
// (IRibbonExtensibility) and the add-in's own members by name (IDispatch: the ribbon's
// callbacks and the Word template's variable exchange). Each call goes to the add-in's
// own Connect in the core of this process, with Outlook's objects wrapped for the seam.
#include <atomic>
#include <memory>
#include <span>

#include "corvane/addin/connect.h"
#include "corvane/com/interfaces.h"
#include "corvane/com/server.h"
#include "corvane/comoutlook/objects.h"

namespace corvane::com {

class ConnectServer final : public DispatchOf<IDispatch>,
                            public DispatchOf<IDTExtensibility2>,
                            public DispatchOf<IRibbonExtensibility> {
public:
    ConnectServer();
    virtual ~ConnectServer() = default;
    ConnectServer(const ConnectServer&) = delete;
    ConnectServer& operator=(const ConnectServer&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override;

    // Outlook's start and end. Start-up keeps the Application and the add-in instance;
    // OnDisconnection lets go of every object of Outlook's the add-in holds.
    HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* Application, ext_ConnectMode ConnectMode, IDispatch* AddInInst,
                                           SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnDisconnection(ext_DisconnectMode RemoveMode, SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) override;

    HRESULT STDMETHODCALLTYPE GetCustomUI(BSTR RibbonID, BSTR* RibbonXml) override;

    // The add-in's own Connect behind `object` when it is a ConnectServer of this
    // apartment, else nullptr (a proxy never answers the question).
    static std::shared_ptr<addin::Connect> OwnConnectOf(IDispatch* object);

private:
    std::span<const DispatchMember> membersOf(const IDispatch*) const override;
    std::span<const DispatchMember> membersOf(const IDTExtensibility2*) const override;
    std::span<const DispatchMember> membersOf(const IRibbonExtensibility*) const override;
    HRESULT invokeOn(const IDispatch*, DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result) override;
    HRESULT invokeOn(const IDTExtensibility2*, DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result) override;
    HRESULT invokeOn(const IRibbonExtensibility*, DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result) override;
    // WordEditorVariablesGet(objsnd) and WordEditorVariablesSet(objsnd, blnCancelSend),
    // each argument by reference.
    void variablesGet(DISPPARAMS& params);
    void variablesSet(DISPPARAMS& params);
    // A ribbon callback by its name, with the ribbon or the control wrapped.
    void ribbonCallback(DISPID id, DISPPARAMS& params);

    std::atomic<ULONG> refs_{1};
    ServerReference server_;
    std::shared_ptr<addin::Process> process_;
    std::shared_ptr<addin::Connect> connect_;
    // Outlook's objects as this connection meets them; CreateObject on the Application
    // answers the DLL's own ProgIds with the core's objects.
    std::shared_ptr<comoutlook::Objects> objects_;
};

}  // namespace corvane::com
