#pragma once
// What the host calls on a COM add-in: the Office add-in connection interface
// (IDTExtensibility2) and ribbon extensibility (IRibbonExtensibility with its callbacks
// reached by name).
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/outlook/object.h"

namespace corvane::outlook {

// ext_ConnectMode and ext_DisconnectMode.
namespace extconnect {
inline constexpr int AfterStartup = 0;
inline constexpr int Startup = 1;
inline constexpr int External = 2;
inline constexpr int CommandLine = 3;
}  // namespace extconnect
namespace extdisconnect {
inline constexpr int HostShutdown = 0;
inline constexpr int UserClosed = 1;
}  // namespace extdisconnect

// The COMAddIn object Outlook hands to OnConnection.
class AddInInstance : public Dispatch {
public:
    virtual std::string ProgId() = 0;
    virtual std::string Description() = 0;
};

class ComAddin : public virtual Dispatch {
public:
    virtual void OnConnection(const std::shared_ptr<Application>& application, int connectMode,
                              const std::shared_ptr<AddInInstance>& addInInst) = 0;
    virtual void OnDisconnection(int removeMode) = 0;
    virtual void OnAddInsUpdate() {}
    virtual void OnStartupComplete() {}
    virtual void OnBeginShutdown() {}
};

// The ribbon object handed to the onLoad callback.
class RibbonUI : public Dispatch {
public:
    virtual void Invalidate() = 0;
    virtual void InvalidateControl(std::string_view controlId) = 0;
};

// The control handed to an onAction callback.
class RibbonControl : public Dispatch {
public:
    virtual std::string Id() = 0;
    virtual std::string Tag() = 0;
};

class RibbonExtensibility : public virtual Dispatch {
public:
    // The custom UI XML for a ribbon ("Microsoft.Outlook.Explorer",
    // "Microsoft.Outlook.Mail.Compose", "Microsoft.Outlook.Mail.Read", ...), or "".
    virtual std::string GetCustomUI(std::string_view ribbonId) = 0;
    // Calls the callback the XML names (onLoad gets the RibbonUI, onAction the
    // RibbonControl); false when the add-in has no callback of that name.
    virtual bool InvokeCallback(std::string_view name, std::vector<Variant>& args) = 0;
};

}  // namespace corvane::outlook
