// The application's windows: opening, activating and closing Explorers and Inspectors
// with Outlook's events in Outlook's order.
#include <algorithm>

#include "corvane/platform/error.h"
#include "corvane/sim/application.h"
#include "corvane/sim/explorer.h"
#include "corvane/sim/failure.h"
#include "corvane/sim/folder.h"
#include "corvane/sim/inspector.h"
#include "corvane/sim/name_space.h"

namespace corvane::sim {

namespace ol = outlook;

std::shared_ptr<SimExplorer> SimApplication::addExplorer(const std::shared_ptr<SimFolder>& folder) {
    folder->checkLive();
    auto explorer = std::make_shared<SimExplorer>(weak_from_this(), folder);
    explorers_.push_back(explorer);
    explorersEvents_.raise([&](ol::ExplorersEvents& s) { s.NewExplorer(explorer); });
    return explorer;
}

void SimApplication::showExplorer(const std::shared_ptr<SimExplorer>& explorer) {
    if (explorer->closed()) Raise(errors::ExplorerClosed);
    if (!explorer->shown()) {
        explorer->markShown();
        if (traits_.hasExplorerRibbon()) requestRibbons("Microsoft.Outlook.Explorer");
    }
    activate(explorer);
}

std::shared_ptr<SimExplorer> SimApplication::openExplorer(const std::shared_ptr<SimFolder>& folder) {
    auto explorer = addExplorer(folder);
    if (!explorer->closed()) showExplorer(explorer);
    return explorer;
}

std::shared_ptr<SimInspector> SimApplication::inspectorFor(const std::shared_ptr<SimItem>& item) {
    if (auto existing = item->inspector(); existing && !existing->closed()) return existing;
    auto inspector = std::make_shared<SimInspector>(weak_from_this(), item, editorTypeFor(*item));
    inspectors_.push_back(inspector);
    item->setInspector(inspector);
    inspectorsEvents_.raise([&](ol::InspectorsEvents& s) { s.NewInspector(inspector); });
    return inspector;
}

std::shared_ptr<SimInspector> SimApplication::openItem(const std::shared_ptr<SimItem>& item) {
    item->checkLive();
    auto inspector = inspectorFor(item);
    if (inspector->shown()) {
        activate(inspector);
        return inspector;
    }
    bool cancel = false;
    item->events().raise([&](ol::ItemEvents& s) { s.Open(cancel); });
    if (cancel || inspector->closed()) {
        closeInspector(inspector, ol::olsave::Discard, false);
        return nullptr;
    }
    inspector->markShown();
    if (traits_.hasInspectorRibbon() && item->isMailLike()) {
        requestRibbons(item->sent() ? "Microsoft.Outlook.Mail.Read" : "Microsoft.Outlook.Mail.Compose");
    }
    activate(inspector);
    return inspector;
}

std::shared_ptr<SimInspector> SimApplication::composeMail() {
    auto item = SimItem::Create(shared_from_this(), ol::olclass::Mail);
    return openItem(item);
}

void SimApplication::activate(const std::shared_ptr<SimWindow>& window) {
    if (!zorder_.empty() && zorder_.front() == window) return;
    auto previous = zorder_.empty() ? nullptr : zorder_.front();
    std::erase(zorder_, window);
    zorder_.insert(zorder_.begin(), window);
    if (previous) previous->raiseDeactivate();
    window->raiseActivate();
}

bool SimApplication::isTop(const SimWindow* window) const {
    return !zorder_.empty() && zorder_.front().get() == window;
}

void SimApplication::closeExplorer(const std::shared_ptr<SimExplorer>& explorer) {
    if (explorer->closed()) return;
    bool wasTop = isTop(explorer.get());
    // While its Close runs the Explorer still counts among the Explorers but is no
    // longer the active one.
    std::erase(zorder_, std::static_pointer_cast<SimWindow>(explorer));
    explorer->events().raise([](ol::ExplorerEvents& s) { s.Close(); });
    explorer->markClosed();
    std::erase(explorers_, explorer);
    if (wasTop && !zorder_.empty()) zorder_.front()->raiseActivate();
    quitIfNoWindow();
}

bool SimApplication::closeInspector(const std::shared_ptr<SimInspector>& inspector, int saveMode, bool cancellable) {
    if (inspector->closed()) return true;
    auto item = inspector->item();
    if (!item->gone() && inspector->shown()) {
        bool cancel = false;
        item->events().raise([&](ol::ItemEvents& s) { s.Close(cancel); });
        if (cancel && cancellable) return false;
        if (saveMode == ol::olsave::Save && !item->gone() && !item->isSaved()) item->save();
    }
    bool wasTop = isTop(inspector.get());
    std::erase(zorder_, std::static_pointer_cast<SimWindow>(inspector));
    inspector->events().raise([](ol::InspectorEvents& s) { s.Close(); });
    inspector->markClosed();
    std::erase(inspectors_, inspector);
    if (item->inspector() == inspector) item->setInspector(nullptr);
    if (wasTop && !zorder_.empty()) zorder_.front()->raiseActivate();
    quitIfNoWindow();
    return true;
}

void SimApplication::forgetItem(const SimItem& item) {
    auto explorers = explorers_;
    for (const auto& e : explorers) e->forget(item);
}

int SimApplication::editorTypeFor(const SimItem& item) const {
    if (!item.isMailLike()) return ol::oleditor::RTF;
    if (traits_.wordAlwaysEditsMail()) return ol::oleditor::Word;
    if (options_.wordEditor && !item.sent()) return ol::oleditor::Word;
    return item.bodyFormat() == ol::olformat::HTML ? ol::oleditor::HTML : ol::oleditor::Text;
}

}  // namespace corvane::sim
