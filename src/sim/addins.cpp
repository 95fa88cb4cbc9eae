// Loading add-ins and asking them for their ribbons.
#include <algorithm>

#include "corvane/platform/error.h"
#include "corvane/sim/application.h"
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

// The value of an attribute of the element that starts at `from` (the text up to its
// closing ">"); empty when absent.
std::string AttributeOf(std::string_view xml, std::size_t from, std::string_view name) {
    auto end = xml.find('>', from);
    auto element = xml.substr(from, end == std::string_view::npos ? std::string_view::npos : end - from);
    auto key = " " + std::string(name) + "=\"";
    auto at = element.find(key);
    if (at == std::string_view::npos) return {};
    auto start = at + key.size();
    auto close = element.find('"', start);
    return std::string(element.substr(start, close - start));
}

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
    auto root = xml.find("<customUI");
    if (root == std::string::npos) return;
    auto onLoad = AttributeOf(xml, root, "onLoad");
    if (onLoad.empty()) return;
    std::vector<ol::Variant> args{std::shared_ptr<ol::Dispatch>(std::make_shared<SimRibbonUI>())};
    ribbon.InvokeCallback(onLoad, args);
}

std::string SimApplication::ribbonXml(std::string_view progId, std::string_view ribbonId) const {
    auto it = ribbonXml_.find(std::string(progId) + "|" + std::string(ribbonId));
    return it == ribbonXml_.end() ? std::string() : it->second;
}

bool SimApplication::clickRibbonControl(std::string_view controlId) {
    auto needle = "id=\"" + std::string(controlId) + "\"";
    for (const auto& [key, xml] : ribbonXml_) {
        auto at = xml.find(needle);
        if (at == std::string::npos) continue;
        auto start = xml.rfind('<', at);
        auto action = AttributeOf(xml, start, "onAction");
        if (action.empty()) return false;
        auto progId = key.substr(0, key.find('|'));
        auto it = std::find_if(addins_.begin(), addins_.end(), [&](const Addin& a) { return a.progId == progId; });
        if (it == addins_.end() || !it->connected) return false;
        auto ribbon = std::dynamic_pointer_cast<ol::RibbonExtensibility>(it->addin);
        if (!ribbon) return false;
        std::vector<ol::Variant> args{
            std::shared_ptr<ol::Dispatch>(std::make_shared<SimRibbonControl>(std::string(controlId)))};
        return ribbon->InvokeCallback(action, args);
    }
    return false;
}

}  // namespace corvane::sim
