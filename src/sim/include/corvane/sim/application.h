#pragma once
// The simulated Outlook: its Application object, the profile it runs on, its windows,
// the add-ins it loads and the transport that sends what leaves the Outbox. Tests and the
// scenario runner build the profile, start Outlook and act as the user through these
// members; the add-in sees only the outlook:: and mapi:: interfaces.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/mapi/objects.h"
#include "corvane/outlook/addin.h"
#include "corvane/outlook/application.h"
#include "corvane/platform/clock.h"
#include "corvane/platform/file_system.h"
#include "corvane/sim/fwd.h"
#include "corvane/sim/item.h"
#include "corvane/sim/sink_list.h"
#include "corvane/sim/version_traits.h"

namespace corvane::sim {

struct OutlookOptions {
    std::string version = "11.0.0.8010";
    // Before Outlook 2007: whether Word edits the mail being written (from 2007 on Word
    // always does).
    bool wordEditor = false;
    // The files beside the add-in (Word templates, message files); nullptr: none.
    platform::FileSystem* files = nullptr;
    // Outlook ends when its last window closes.
    bool quitWhenLastWindowCloses = true;
};

// One message the transport sent.
struct SentRecord {
    std::string subject;
    std::string account;          // the name of the account it went out from ("" without accounts)
    std::vector<std::string> to;  // SMTP addresses (a list's own address, or its name)
    std::vector<std::string> cc;
    std::vector<std::string> bcc;
    platform::DateTime sentOn;
    platform::DateTime deferredDelivery;  // DateTime::none() when not deferred
};

// A window in the z-order: the first is the active one.
class SimWindow {
public:
    virtual ~SimWindow() = default;
    virtual void raiseActivate() = 0;
    virtual void raiseDeactivate() = 0;
};

class SimApplication final : public outlook::Application, public std::enable_shared_from_this<SimApplication> {
public:
    static std::shared_ptr<SimApplication> Create(platform::Clock& clock, OutlookOptions options = {});
    ~SimApplication() override;

    // outlook::Application
    int Class() override;
    std::string Version() override;
    std::string Name() override;
    std::shared_ptr<outlook::NameSpace> Session() override;
    std::shared_ptr<outlook::NameSpace> GetNamespace(std::string_view type) override;
    std::shared_ptr<outlook::Explorers> Explorers() override;
    std::shared_ptr<outlook::Inspectors> Inspectors() override;
    std::shared_ptr<outlook::Explorer> ActiveExplorer() override;
    std::shared_ptr<outlook::Inspector> ActiveInspector() override;
    std::shared_ptr<outlook::Item> CreateItem(int itemType) override;
    std::shared_ptr<outlook::Dispatch> CreateObject(std::string_view progId) override;
    outlook::Connection Advise(std::shared_ptr<outlook::ApplicationEvents> sink) override;

    // The host.
    platform::Clock& clock() { return clock_; }
    platform::DateTime now() { return clock_.now(); }
    const OutlookOptions& options() const { return options_; }
    const VersionTraits& traits() const { return traits_; }
    std::shared_ptr<SimNameSpace> profile() const { return session_; }
    SimWord& word();
    // The MAPI subsystem on this profile (what RDOSession.Logon reaches).
    std::shared_ptr<mapi::Subsystem> mapiSubsystem();
    CommandBarLayout& commandBarLayout() { return *layout_; }
    const std::shared_ptr<CommandBarLayout>& sharedLayout() const { return layout_; }

    // Add-ins and creatable classes.
    using ClassFactory = std::function<std::shared_ptr<outlook::Dispatch>()>;
    void registerClass(std::string progId, ClassFactory factory);
    // An add-in Outlook loads when it starts (see start()).
    void registerAddin(std::string progId, std::shared_ptr<outlook::ComAddin> addin);
    // Connects an add-in now: OnConnection, and its ribbons where Outlook has them.
    void connectAddin(const std::string& progId, std::shared_ptr<outlook::ComAddin> addin, int connectMode);
    // OnDisconnection with a remove mode (1: the user switched the add-in off); Outlook
    // then lets the add-in go. An add-in holds the Application until it is disconnected,
    // so a test that connects one ends with quit() or disconnectAddin().
    void disconnectAddin(std::string_view progId, int removeMode);
    bool isConnected(std::string_view progId) const;

    // Starting and ending Outlook. start() opens the main window on the Inbox (unless
    // told not to), connects the registered add-ins, then raises OnStartupComplete and
    // Startup.
    void start(bool openExplorer = true);
    // The Quit event, then every add-in's OnBeginShutdown and OnDisconnection.
    void quit();
    bool running() const { return running_; }
    // Another program holds Outlook through its object model: closing the last window
    // leaves Outlook running without any window until the program lets go. Letting go
    // with no window open ends Outlook (quit()); so does quit() itself.
    void holdFromProgram() { heldByProgram_ = true; }
    void releaseFromProgram();
    bool heldByProgram() const { return heldByProgram_; }

    // Windows, as the user opens them.
    std::shared_ptr<SimExplorer> openExplorer(const std::shared_ptr<SimFolder>& folder);
    // Opens the item in an Inspector (or brings its Inspector up): NewInspector, the
    // item's Open (cancellable), Activate. nullptr when Open was cancelled.
    std::shared_ptr<SimInspector> openItem(const std::shared_ptr<SimItem>& item);
    // The user's New Mail: a new mail item in a new Inspector.
    std::shared_ptr<SimInspector> composeMail();
    const std::vector<std::shared_ptr<SimExplorer>>& explorers() const { return explorers_; }
    const std::vector<std::shared_ptr<SimInspector>>& inspectors() const { return inspectors_; }

    // Sending. The transport sends every Outbox message whose deferred delivery time has
    // come; call runTransport() after moving the clock on.
    SendOutcome submit(const std::shared_ptr<SimItem>& item);
    void runTransport();
    const std::vector<SentRecord>& sentLog() const { return sent_; }

    // Ribbons: the XML each add-in returned, by ribbon id, and a click on a ribbon
    // control (its onAction callback). False when no loaded ribbon has the control.
    std::string ribbonXml(std::string_view progId, std::string_view ribbonId) const;
    bool clickRibbonControl(std::string_view controlId);
    const std::vector<std::string>& ribbonRequests() const { return ribbonRequests_; }
    // Ribbons Office refused, each as it reports it: "ribbon <id> of <ProgId> refused:
    // line L, column C: <what>"; the listener hears each as it happens.
    const std::vector<std::string>& ribbonErrors() const { return ribbonErrors_; }
    void onRibbonError(std::function<void(const std::string&)> listener) {
        ribbonErrorListener_ = std::move(listener);
    }

    // Used by the windows and items.
    SinkList<outlook::ApplicationEvents>& events() { return events_; }
    SinkList<outlook::ExplorersEvents>& explorersEvents() { return explorersEvents_; }
    SinkList<outlook::InspectorsEvents>& inspectorsEvents() { return inspectorsEvents_; }
    std::shared_ptr<SimExplorer> addExplorer(const std::shared_ptr<SimFolder>& folder);
    void showExplorer(const std::shared_ptr<SimExplorer>& explorer);
    std::shared_ptr<SimInspector> inspectorFor(const std::shared_ptr<SimItem>& item);
    void activate(const std::shared_ptr<SimWindow>& window);
    bool isTop(const SimWindow* window) const;
    void closeExplorer(const std::shared_ptr<SimExplorer>& explorer);
    // Item Close (cancellable when asked), then the Inspector's Close. False when the
    // item's Close was cancelled.
    bool closeInspector(const std::shared_ptr<SimInspector>& inspector, int saveMode, bool cancellable);
    // An item left its place: Explorers drop it from their selections.
    void forgetItem(const SimItem& item);
    int editorTypeFor(const SimItem& item) const;
    std::string newStoreId();

private:
    SimApplication(platform::Clock& clock, OutlookOptions options);
    void requestRibbon(const std::string& progId, outlook::RibbonExtensibility& ribbon, std::string_view ribbonId);
    void requestRibbons(std::string_view ribbonId);
    void quitIfNoWindow();
    void deliver(const std::shared_ptr<SimItem>& outboxItem);

    platform::Clock& clock_;
    OutlookOptions options_;
    VersionTraits traits_;
    bool running_ = false;
    bool heldByProgram_ = false;
    std::shared_ptr<SimNameSpace> session_;
    std::shared_ptr<outlook::Explorers> explorersView_;
    std::shared_ptr<outlook::Inspectors> inspectorsView_;
    std::shared_ptr<SimWord> word_;
    std::shared_ptr<CommandBarLayout> layout_;
    std::vector<std::shared_ptr<SimExplorer>> explorers_;
    std::vector<std::shared_ptr<SimInspector>> inspectors_;
    std::vector<std::shared_ptr<SimWindow>> zorder_;
    SinkList<outlook::ApplicationEvents> events_;
    SinkList<outlook::ExplorersEvents> explorersEvents_;
    SinkList<outlook::InspectorsEvents> inspectorsEvents_;
    std::map<std::string, ClassFactory> classes_;
    struct Addin {
        std::string progId;
        std::shared_ptr<outlook::ComAddin> addin;
        bool connected = false;
    };
    std::vector<Addin> addins_;
    std::map<std::string, std::string> ribbonXml_;  // progId + "|" + ribbon id
    std::vector<std::string> ribbonRequests_;
    std::map<std::string, std::shared_ptr<const CustomUI>> ribbons_;  // the loaded ones
    std::vector<std::string> ribbonErrors_;
    std::function<void(const std::string&)> ribbonErrorListener_;
    std::vector<SentRecord> sent_;
    unsigned nextStore_ = 1;
};

}  // namespace corvane::sim
