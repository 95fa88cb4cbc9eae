// Loading add-ins and asking them for their ribbons.
#include <algorithm>

#include "corvane/platform/error.h"
#include "corvane/sim/application.h"
#include "corvane/sim/custom_ui.h"
#include "corvane/sim/explorer.h"
#include "corvane/sim/failure.h"
#include "corvane/text/text.h"

namespace corvane::sim {

namespace ol = outlook;

namespace {

class SimAddInInstance final : public ol::AddInInstance {
public:
    explicit SimAddInInstance(std::string progId) : progId_(std::move(progId)) {}
    std::string ProgId() override { return progId_; }
    std::string Description() override { return progId_; }

private:
    std::string progId_;
};

class SimRibbonUI final : public ol::RibbonUI {
public:
    void Invalidate() override {}
    void InvalidateControl(std::string_view) override {}
};

class SimRibbonControl final : public ol::RibbonControl {
public:
    explicit SimRibbonControl(std::string id) : id_(std::move(id)) {}
    std::string Id() override { return id_; }
    std::string Tag() override { return {}; }

private:
    std::string id_;
};

}  // namespace

void SimApplication::registerAddin(std::string progId, std::shared_ptr<ol::ComAddin> addin) {
    addins_.push_back({std::move(progId), std::move(addin), false});
}

// `addin` is a copy on purpose: a caller may pass the add-in's own entry of addins_, which a
// disconnection during OnConnection erases.
// NOLINTNEXTLINE(performance-unnecessary-value-param)
void SimApplication::connectAddin(const std::string& progId, std::shared_ptr<ol::ComAddin> addin, int connectMode) {
    auto it = std::find_if(addins_.begin(), addins_.end(), [&](const Addin& a) { return a.progId == progId; });
    if (it == addins_.end()) {
        addins_.push_back({progId, addin, false});
        it = addins_.end() - 1;
    }
    it->addin = addin;
    it->connected = true;
    running_ = true;
    addin->OnConnection(shared_from_this(), connectMode, std::make_shared<SimAddInInstance>(progId));
    if (auto ribbon = std::dynamic_pointer_cast<ol::RibbonExtensibility>(addin)) {
        bool explorerShown = std::any_of(explorers_.begin(), explorers_.end(),
                                         [](const auto& e) { return e->shown(); });
        if (traits_.hasExplorerRibbon() && explorerShown) requestRibbon(progId, *ribbon, "Microsoft.Outlook.Explorer");
    }
}

void SimApplication::disconnectAddin(std::string_view progId, int removeMode) {
    auto it = std::find_if(addins_.begin(), addins_.end(), [&](const Addin& a) { return a.progId == progId; });
    if (it == addins_.end() || !it->connected) return;
    // The add-in goes with its connection, so that nothing it still holds of Outlook keeps
    // Outlook alive.
    auto addin = it->addin;
    addins_.erase(it);
    addin->OnDisconnection(removeMode);
}

bool SimApplication::isConnected(std::string_view progId) const {
    return std::any_of(addins_.begin(), addins_.end(),
                       [&](const Addin& a) { return a.progId == progId && a.connected; });
}

void SimApplication::requestRibbons(std::string_view ribbonId) {
    auto addins = addins_;
    for (const auto& a : addins) {
        if (!a.connected) continue;
        if (auto ribbon = std::dynamic_pointer_cast<ol::RibbonExtensibility>(a.addin)) {
            requestRibbon(a.progId, *ribbon, ribbonId);
        }
    }
}

void SimApplication::requestRibbon(const std::string& progId, ol::RibbonExtensibility& ribbon,
                                   std::string_view ribbonId) {
    auto key = progId + "|" + std::string(ribbonId);
    if (ribbonXml_.contains(key)) return;  // Outlook asks once per ribbon kind
    ribbonRequests_.push_back(key);
    std::string xml;
    try {
        xml = ribbon.GetCustomUI(ribbonId);
    } catch (const platform::PlatformError&) {
        xml.clear();
    }
    ribbonXml_[key] = xml;
    if (xml.empty()) return;
    auto loaded = CustomUI::Load(xml, traits_.major);
    if (const auto* error = std::get_if<std::string>(&loaded)) {
        // Office loads nothing of a refused ribbon and reports why.
        const std::string report = "ribbon " + std::string(ribbonId) + " of " + progId + " refused: " + *error;
        ribbonErrors_.push_back(report);
        if (ribbonErrorListener_) ribbonErrorListener_(report);
        return;
    }
    auto ui = std::get<std::shared_ptr<const CustomUI>>(loaded);
    ribbons_[key] = ui;
    const auto onLoad = ui->onLoad();
    if (onLoad.empty()) return;
    std::vector<ol::Variant> args{std::shared_ptr<ol::Dispatch>(std::make_shared<SimRibbonUI>())};
    ribbon.InvokeCallback(onLoad, args);
}

std::string SimApplication::ribbonXml(std::string_view progId, std::string_view ribbonId) const {
    auto it = ribbonXml_.find(std::string(progId) + "|" + std::string(ribbonId));
    return it == ribbonXml_.end() ? std::string() : it->second;
}

bool SimApplication::clickRibbonControl(std::string_view controlId) {
    for (const auto& [key, ui] : ribbons_) {
        auto action = ui->onAction(controlId);
        if (!action) continue;
        if (action->empty()) return false;
        auto progId = key.substr(0, key.find('|'));
        auto it = std::find_if(addins_.begin(), addins_.end(), [&](const Addin& a) { return a.progId == progId; });
        if (it == addins_.end() || !it->connected) return false;
        auto ribbon = std::dynamic_pointer_cast<ol::RibbonExtensibility>(it->addin);
        if (!ribbon) return false;
        std::vector<ol::Variant> args{
            std::shared_ptr<ol::Dispatch>(std::make_shared<SimRibbonControl>(std::string(controlId)))};
        return ribbon->InvokeCallback(*action, args);
    }
    return false;
}

}  // namespace corvane::sim
