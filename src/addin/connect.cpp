#include "corvane/addin/connect.h"

#include "corvane/addin/explorer_wrap.h"
#include "corvane/core/vb_errors.h"
#include "corvane/platform/conventions.h"
#include "corvane/resources/resource_defaults.h"
#include "corvane/settings/setting_keys.h"

namespace corvane::addin {
namespace {

using platform::IgnoreErrors;

class ExplorersSink final : public outlook::ExplorersEvents {
public:
    explicit ExplorersSink(std::weak_ptr<Connect> c) : c_(std::move(c)) {}
    void NewExplorer(const std::shared_ptr<outlook::Explorer>& explorer) override {
        if (auto c = c_.lock()) c->colExpl_NewExplorer(explorer);
    }

private:
    std::weak_ptr<Connect> c_;
};

class ExplorerSink final : public outlook::ExplorerEvents {
public:
    explicit ExplorerSink(std::weak_ptr<Connect> c) : c_(std::move(c)) {}
    void Close() override {
        if (auto c = c_.lock()) c->objExpl_Close();
    }

private:
    std::weak_ptr<Connect> c_;
};

class InspectorsSink final : public outlook::InspectorsEvents {
public:
    explicit InspectorsSink(std::weak_ptr<Connect> c) : c_(std::move(c)) {}
    void NewInspector(const std::shared_ptr<outlook::Inspector>& inspector) override {
        if (auto c = c_.lock()) c->colInsp_NewInspector(inspector);
    }

private:
    std::weak_ptr<Connect> c_;
};

class InspectorSink final : public outlook::InspectorEvents {
public:
    explicit InspectorSink(std::weak_ptr<Connect> c) : c_(std::move(c)) {}
    void Close() override {
        if (auto c = c_.lock()) c->objInsp_Close();
    }

private:
    std::weak_ptr<Connect> c_;
};

std::shared_ptr<outlook::RibbonControl> ControlArgument(const std::vector<outlook::Variant>& args) {
    if (args.empty()) return nullptr;
    if (const auto* d = std::get_if<std::shared_ptr<outlook::Dispatch>>(&args.front()))
        return std::dynamic_pointer_cast<outlook::RibbonControl>(*d);
    return nullptr;
}

}  // namespace

std::shared_ptr<Connect> Connect::Create(std::shared_ptr<Process> process) {
    std::shared_ptr<Connect> c(new Connect(std::move(process)));
    c->explorersSink_ = std::make_shared<ExplorersSink>(c);
    c->explorerSink_ = std::make_shared<ExplorerSink>(c);
    c->inspectorsSink_ = std::make_shared<InspectorsSink>(c);
    c->inspectorSink_ = std::make_shared<InspectorSink>(c);
    return c;
}

Connect::~Connect() {
    objExpl.reset();
    colExpl.reset();
    objInsp.reset();
    colInsp.reset();
}

std::shared_ptr<outlook::Application> Connect::outlookApp() const {
    return process_->gOutlook ? process_->gOutlook : applicationObject_;
}

void Connect::TutorialScreen() {
    // Kept for the interface's sake: the tutorial screen was never shown.
    (void)(process_->store().GetSetting(settings::keys::Tutorial) == "True");
}

void Connect::WordEditorVariablesGet(std::shared_ptr<core::SendAcct>& objsnd) { objsnd = process_->gSendAcct; }

void Connect::WordEditorVariablesSet(std::shared_ptr<core::SendAcct>& objsnd, bool& blnCancelSend) {
    auto& p = *process_;
    p.gSendAcct = p.subsystems.mailFolder->NewSendAcct(p);
    p.gSendAcct = objsnd;
    core::vb::Need(p.gSendAcct)->LoadList();
    (void)p.gSendAcct->LoadAccounts();
    p.gCancelSend = blnCancelSend;
}

std::string Connect::IRibbonExtensibility_GetCustomUI(std::string_view RibbonID) {
    return process_->subsystems.menus->GetCustomUI(*process_, RibbonID);
}

void Connect::Ribbon_OnLoad(const std::shared_ptr<outlook::RibbonUI>& ribbon) {
    process_->subsystems.menus->Ribbon_OnLoad(*process_, ribbon);
}

void Connect::cbbCVQuenlow_Click(const std::shared_ptr<outlook::RibbonControl>&) {
    process_->subsystems.menus->CommandQuenlowList(*process_);
}
void Connect::cbbCVSettings_Click(const std::shared_ptr<outlook::RibbonControl>&) {
    process_->subsystems.menus->CommandSettings(*process_);
}
void Connect::cmdCheckForUpdatesRibbon_Click(const std::shared_ptr<outlook::RibbonControl>&) {
    process_->subsystems.menus->CommandCheckForUpdates(*process_);
}
void Connect::cbbCVContactSupport_Click(const std::shared_ptr<outlook::RibbonControl>&) {
    process_->subsystems.menus->CommandContactSupport(*process_);
}
void Connect::cmdCVHelp_Click(const std::shared_ptr<outlook::RibbonControl>&) {
    process_->subsystems.menus->CommandHelp(*process_);
}
void Connect::cmdCVAboutCorvane_Click(const std::shared_ptr<outlook::RibbonControl>&) {
    process_->subsystems.menus->CommandAbout(*process_);
}

bool Connect::InvokeCallback(std::string_view name, std::vector<outlook::Variant>& args) {
    if (name == "Ribbon_OnLoad") {
        std::shared_ptr<outlook::RibbonUI> ribbon;
        if (!args.empty())
            if (const auto* d = std::get_if<std::shared_ptr<outlook::Dispatch>>(&args.front()))
                ribbon = std::dynamic_pointer_cast<outlook::RibbonUI>(*d);
        Ribbon_OnLoad(ribbon);
        return true;
    }
    using Click = void (Connect::*)(const std::shared_ptr<outlook::RibbonControl>&);
    struct Callback {
        std::string_view name;
        Click click;
    };
    static constexpr Callback callbacks[] = {
        {"cbbCVQuenlow_Click", &Connect::cbbCVQuenlow_Click},
        {"cbbCVSettings_Click", &Connect::cbbCVSettings_Click},
        {"cmdCheckForUpdatesRibbon_Click", &Connect::cmdCheckForUpdatesRibbon_Click},
        {"cbbCVContactSupport_Click", &Connect::cbbCVContactSupport_Click},
        {"cmdCVHelp_Click", &Connect::cmdCVHelp_Click},
        {"cmdCVAboutCorvane_Click", &Connect::cmdCVAboutCorvane_Click},
    };
    for (const auto& c : callbacks) {
        if (c.name == name) {
            (this->*c.click)(ControlArgument(args));
            return true;
        }
    }
    return false;
}

void Connect::AddinInstance_OnDisconnection(int RemoveMode) {
    auto self = shared_from_this();
    auto& p = *process_;
    p.gSendAcct.reset();
    if (RemoveMode == outlook::extdisconnect::UserClosed) {
        IgnoreErrors([&] {
            const std::string name = resources::LoadResourceString(*core::vb::Need(p.gResource),
                                                                   resources::resource_id::ProductMenu);
            std::vector<std::shared_ptr<outlook::Explorer>> explorers;
            for (const auto& wrapper : p.explorerWrappers().Items()) explorers.push_back(wrapper->Explorer());
            p.subsystems.menus->SendTo_RemoveExplMenu(p, explorers, name);
        });
    }
    if (outAddIn_) {
        IgnoreErrors([&] { outAddIn_->UnInit(); });
        outAddIn_.reset();
    }
    objExpl.reset();
    colExpl.reset();
    objInsp.reset();
    colInsp.reset();
    if (p.gResource) p.gResource->CloseLibrary();
    p.gResource.reset();
    p.gAutoUpdate.reset();
    // Outlook lets go of the add-in after this call; the add-in lets go of Outlook.
    p.gOutlook.reset();
    applicationObject_.reset();
    addInInstance_.reset();
}

}  // namespace corvane::addin
