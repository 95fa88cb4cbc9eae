#pragma once
// Connect: the add-in's connection object ("Corvane.Connect"). Outlook creates it and
// calls OnConnection at start-up and OnDisconnection when it unloads the add-in; Outlook
// also creates it on behalf of the code that runs inside Word, which reaches the add-in's
// list object and hands back a cancel decision through it. Every Connect of one process
// shares that process's AddinProcess.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/addin/out_addin.h"
#include "corvane/addin/subsystems.h"
#include "corvane/core/event_field.h"
#include "corvane/core/send_acct.h"
#include "corvane/outlook/addin.h"
#include "corvane/outlook/application.h"
#include "corvane/outlook/explorer.h"
#include "corvane/outlook/inspector.h"

namespace corvane::addin {

inline constexpr const char* ConnectProgId = "Corvane.Connect";

class Connect : public outlook::ComAddin,
                public outlook::RibbonExtensibility,
                public core::WordEditorVariables,
                public std::enable_shared_from_this<Connect> {
public:
    static std::shared_ptr<Connect> Create(std::shared_ptr<Process> process);
    ~Connect() override;
    Connect(const Connect&) = delete;
    Connect& operator=(const Connect&) = delete;

    // The public interface, in slot order.
    void TutorialScreen();
    void WordEditorVariablesGet(std::shared_ptr<core::SendAcct>& objsnd) override;
    void WordEditorVariablesSet(std::shared_ptr<core::SendAcct>& objsnd, bool& blnCancelSend) override;
    std::string IRibbonExtensibility_GetCustomUI(std::string_view RibbonID);
    void Ribbon_OnLoad(const std::shared_ptr<outlook::RibbonUI>& ribbon);
    void cbbCVQuenlow_Click(const std::shared_ptr<outlook::RibbonControl>& control);
    void cbbCVSettings_Click(const std::shared_ptr<outlook::RibbonControl>& control);
    void cmdCheckForUpdatesRibbon_Click(const std::shared_ptr<outlook::RibbonControl>& control);
    void cbbCVContactSupport_Click(const std::shared_ptr<outlook::RibbonControl>& control);
    void cmdCVHelp_Click(const std::shared_ptr<outlook::RibbonControl>& control);
    void cmdCVAboutCorvane_Click(const std::shared_ptr<outlook::RibbonControl>& control);

    // The add-in connection.
    void AddinInstance_OnConnection(const std::shared_ptr<outlook::Application>& Application, int ConnectMode,
                                    const std::shared_ptr<outlook::AddInInstance>& AddInInst);
    void AddinInstance_OnDisconnection(int RemoveMode);

    // What the host calls.
    void OnConnection(const std::shared_ptr<outlook::Application>& application, int connectMode,
                      const std::shared_ptr<outlook::AddInInstance>& addInInst) override {
        AddinInstance_OnConnection(application, connectMode, addInInst);
    }
    void OnDisconnection(int removeMode) override { AddinInstance_OnDisconnection(removeMode); }
    std::string GetCustomUI(std::string_view ribbonId) override { return IRibbonExtensibility_GetCustomUI(ribbonId); }
    bool InvokeCallback(std::string_view name, std::vector<outlook::Variant>& args) override;

    // Handlers of the window events.
    void colExpl_NewExplorer(const std::shared_ptr<outlook::Explorer>& Explorer);
    void objExpl_Close();
    void colInsp_NewInspector(const std::shared_ptr<outlook::Inspector>& Inspector);
    void objInsp_Close();

    Process& process() { return *process_; }
    const std::shared_ptr<OutAddIn>& outAddIn() const { return outAddIn_; }

private:
    explicit Connect(std::shared_ptr<Process> process) : process_(std::move(process)) {}
    // The start-up steps after the resources, the help file and the presets.
    void startWithOutlook();
    void registerOpenExplorers();
    bool moveOldDataFolder();
    // Start-up step 12; each call's errors are skipped unless skipErrors is false (after a
    // folder move was announced), when they end the connection.
    void createSendAcct(bool skipErrors = true);
    void firstRunWizard();
    void updateReminder();
    // The sink, created and initialised when a window opens after it was shut down.
    void reviveSink();
    // The application the connection was given, or gOutlook when the process has one.
    std::shared_ptr<outlook::Application> outlookApp() const;

    std::shared_ptr<Process> process_;
    std::shared_ptr<outlook::Application> applicationObject_;
    std::shared_ptr<outlook::AddInInstance> addInInstance_;
    std::shared_ptr<outlook::ExplorersEvents> explorersSink_;
    std::shared_ptr<outlook::ExplorerEvents> explorerSink_;
    std::shared_ptr<outlook::InspectorsEvents> inspectorsSink_;
    std::shared_ptr<outlook::InspectorEvents> inspectorSink_;
    core::EventField<outlook::Explorer> objExpl;
    core::EventField<outlook::Explorers> colExpl;
    core::EventField<outlook::Inspector> objInsp;
    core::EventField<outlook::Inspectors> colInsp;
    std::shared_ptr<OutAddIn> outAddIn_;
};

}  // namespace corvane::addin
