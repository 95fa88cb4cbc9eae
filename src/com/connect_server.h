#pragma once
// Corvane.Connect as Outlook sees it: the add-in connection (IDTExtensibility2), the ribbon
// (IRibbonExtensibility) and the add-in's own members by name (IDispatch: the ribbon's
// callbacks and the Word template's variable exchange).
#include <atomic>
#include <span>

#include "corvane/com/interfaces.h"
#include "corvane/com/server.h"

namespace corvane::com {

class ConnectServer final : public DispatchOf<IDispatch>,
                            public DispatchOf<IDTExtensibility2>,
                            public DispatchOf<IRibbonExtensibility> {
public:
    ConnectServer() = default;
    virtual ~ConnectServer();
    ConnectServer(const ConnectServer&) = delete;
    ConnectServer& operator=(const ConnectServer&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override;

    // Outlook's start and end: the connection keeps the Application and the add-in
    // instance until OnDisconnection, which lets go of everything Outlook handed over.
    // The add-in's core starts here once Outlook's object model is reached over COM.
    HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* Application, ext_ConnectMode ConnectMode, IDispatch* AddInInst,
                                           SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnDisconnection(ext_DisconnectMode RemoveMode, SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY**) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY**) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY**) override { return S_OK; }

    HRESULT STDMETHODCALLTYPE GetCustomUI(BSTR RibbonID, BSTR* RibbonXml) override;

private:
    std::span<const DispatchMember> membersOf(const IDispatch*) const override;
    std::span<const DispatchMember> membersOf(const IDTExtensibility2*) const override;
    std::span<const DispatchMember> membersOf(const IRibbonExtensibility*) const override;
    HRESULT invokeOn(const IDispatch*, DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result) override;
    HRESULT invokeOn(const IDTExtensibility2*, DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result) override;
    HRESULT invokeOn(const IRibbonExtensibility*, DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result) override;
    // Lets go of every object Outlook handed over.
    void releaseOutlookObjects();

    std::atomic<ULONG> refs_{1};
    ServerReference server_;
    // What Outlook handed over, each holding one reference while connected.
    IDispatch* application_ = nullptr;
    IDispatch* addInInst_ = nullptr;
    IDispatch* ribbon_ = nullptr;  // gobjRibbon: the ribbon Outlook loaded the tab into
};

}  // namespace corvane::com
