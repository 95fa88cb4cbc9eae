#pragma once
// The COM interfaces the add-in implements or calls, declared here because mingw-w64's
// headers carry only the base COM types: each interface with its identifier, its methods
// in slot order and its dispatch identifiers. The Office interfaces are dual: Office calls
// them through the vtable, a script host through IDispatch with these identifiers.
#include <oaidl.h>
#include <objbase.h>

namespace corvane::com {

// --- AddInDesignerObjects: the Office add-in connection --------------------------------

// Why and when Office connects and disconnects an add-in (ext_ConnectMode,
// ext_DisconnectMode).
enum ext_ConnectMode : int {
    ext_cm_AfterStartup = 0,
    ext_cm_Startup = 1,
    ext_cm_External = 2,
    ext_cm_CommandLine = 3,
};
enum ext_DisconnectMode : int {
    ext_dm_HostShutdown = 0,
    ext_dm_UserClosed = 1,  // the user switched the add-in off
};

// {B65AD801-ABAF-11D0-BB8B-00A0C90F2744}
inline constexpr IID IID_IDTExtensibility2 = {
    0xB65AD801, 0xABAF, 0x11D0, {0xBB, 0x8B, 0x00, 0xA0, 0xC9, 0x0F, 0x27, 0x44}};

struct IDTExtensibility2 : public IDispatch {
    enum DispId : DISPID {
        DispOnConnection = 1,
        DispOnDisconnection = 2,
        DispOnAddInsUpdate = 3,
        DispOnStartupComplete = 4,
        DispOnBeginShutdown = 5,
    };
    virtual HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* Application, ext_ConnectMode ConnectMode,
                                                   IDispatch* AddInInst, SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnDisconnection(ext_DisconnectMode RemoveMode, SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) = 0;

protected:
    ~IDTExtensibility2() = default;
};

// --- Office: the ribbon -----------------------------------------------------------------

// {000C0396-0000-0000-C000-000000000046}
inline constexpr IID IID_IRibbonExtensibility = {
    0x000C0396, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

struct IRibbonExtensibility : public IDispatch {
    enum DispId : DISPID { DispGetCustomUI = 1 };
    virtual HRESULT STDMETHODCALLTYPE GetCustomUI(BSTR RibbonID, BSTR* RibbonXml) = 0;

protected:
    ~IRibbonExtensibility() = default;
};

// The ribbon object Office hands to the onLoad callback (IRibbonUI) and the control it
// hands to each onAction callback (IRibbonControl) arrive as IDispatch and reach the add-in
// wrapped (corvane/comoutlook/office.h): it keeps the first and ignores the second.

// --- Corvane.Connect: the add-in's own dispatch interface --------------------------------

// Its members in slot order; the ribbon finds its callbacks by name (GetIDsOfNames) and
// the Word template's code calls the two variable exchanges by name.
enum ConnectDispId : DISPID {
    DispTutorialScreen = 1,
    DispWordEditorVariablesGet = 2,            // (objsnd by reference)
    DispWordEditorVariablesSet = 3,            // (objsnd by reference, blnCancelSend by reference)
    DispIRibbonExtensibility_GetCustomUI = 4,  // (RibbonID) -> text
    DispRibbon_OnLoad = 5,                     // (ribbon)
    DispcbbCVQuenlow_Click = 6,                // each click: (control)
    DispcbbCVSettings_Click = 7,
    DispcmdCheckForUpdatesRibbon_Click = 8,
    DispcbbCVContactSupport_Click = 9,
    DispcmdCVHelp_Click = 10,
    DispcmdCVAboutCorvane_Click = 11,
};

// --- Corvane.Buttons: what the Word template's macros call -------------------------------

enum ButtonsDispId : DISPID {
    DispSelQuenlow = 1,             // (strChange, strDefault, strPrefAcct, strEmailAddr)
    DispAddEmailAddressToList = 2,  // (strToAddress, strSelectedAcct)
    DispPrefAcctExistsFalse = 3,    // (intMode, strSelectedAcct, strSenderEmail, strMsg)
    DispDelayEmailSending = 4,      // (Item, Cancel)
    DispEmptySubjectCheck = 5,      // (Item, Cancel)
};

}  // namespace corvane::com
