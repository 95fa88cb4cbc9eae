#include "corvane/sim/explorer.h"

#include <algorithm>

#include "corvane/platform/error.h"
#include "corvane/sim/command_bars.h"
#include "corvane/sim/failure.h"
#include "corvane/sim/folder.h"
#include "corvane/sim/inspector.h"
#include "corvane/sim/item.h"

namespace corvane::sim {

namespace ol = outlook;

namespace {

class SimSelection final : public ol::Selection {
public:
    explicit SimSelection(std::vector<std::shared_ptr<SimItem>> items) : items_(std::move(items)) {}
    int Class() override { return ol::olclass::Selection; }
    int Count() override { return static_cast<int>(items_.size()); }
    std::shared_ptr<ol::Item> Item(int index) override { return ItemAt(items_, index)->asItem(); }

private:
    std::vector<std::shared_ptr<SimItem>> items_;
};

}  // namespace

SimExplorer::SimExplorer(std::weak_ptr<SimApplication> app, std::shared_ptr<SimFolder> folder)
    : app_(std::move(app)), folder_(std::move(folder)) {
    if (auto a = app_.lock()) bars_ = std::make_shared<SimCommandBars>(a->sharedLayout());
}

SimExplorer::~SimExplorer() = default;

void SimExplorer::check() const {
    if (closed_) Raise(errors::ExplorerClosed);
}

std::shared_ptr<SimApplication> SimExplorer::app() const {
    auto a = app_.lock();
    if (!a) Raise(errors::HostGone);
    return a;
}

int SimExplorer::Class() { return check(), ol::olclass::Explorer; }
std::string SimExplorer::Caption() { return check(), folder_->name() + " - Microsoft Outlook"; }
std::shared_ptr<ol::Folder> SimExplorer::CurrentFolder() { return check(), folder_; }

void SimExplorer::SetCurrentFolder(const std::shared_ptr<ol::Folder>& folder) {
    check();
    auto f = std::dynamic_pointer_cast<SimFolder>(folder);
    if (!f) Raise(errors::InvalidCall);
    f->checkLive();
    if (f == folder_) return;
    bool cancel = false;
    events_.raise([&](ol::ExplorerEvents& s) { s.BeforeFolderSwitch(f, cancel); });
    if (cancel || closed_) return;
    folder_ = f;
    events_.raise([](ol::ExplorerEvents& s) { s.FolderSwitch(); });
    selection_.clear();
    events_.raise([](ol::ExplorerEvents& s) { s.SelectionChange(); });
}

std::shared_ptr<ol::Selection> SimExplorer::Selection() {
    check();
    if (selectionError_ && selectionErrorTimes_ > 0) {
        auto error = *selectionError_;
        if (--selectionErrorTimes_ == 0) selectionError_.reset();
        throw error;
    }
    return std::make_shared<SimSelection>(selection_);
}

std::shared_ptr<ol::CommandBars> SimExplorer::CommandBars() { return check(), bars_; }
void SimExplorer::Display() { check(), app()->showExplorer(shared_from_this()); }
void SimExplorer::Activate() { check(), app()->showExplorer(shared_from_this()); }
void SimExplorer::Close() { check(), app()->closeExplorer(shared_from_this()); }

ol::Connection SimExplorer::Advise(std::shared_ptr<ol::ExplorerEvents> sink) {
    return check(), events_.add(std::move(sink));
}

void SimExplorer::raiseActivate() {
    events_.raise([](ol::ExplorerEvents& s) { s.Activate(); });
}
void SimExplorer::raiseDeactivate() {
    events_.raise([](ol::ExplorerEvents& s) { s.Deactivate(); });
}

void SimExplorer::select(std::vector<std::shared_ptr<SimItem>> items) {
    check();
    for (const auto& item : items) {
        if (!item || item->gone() || item->folder() != folder_) Raise(errors::InvalidCall);
    }
    app()->showExplorer(shared_from_this());
    selection_ = std::move(items);
    events_.raise([](ol::ExplorerEvents& s) { s.SelectionChange(); });
}

std::shared_ptr<SimItem> SimExplorer::firstSelected() {
    check();
    if (selection_.empty()) Raise(errors::OperationFailed);
    return selection_.front();
}

std::shared_ptr<SimInspector> SimExplorer::respond(ResponseKind kind, const std::shared_ptr<SimItem>& which) {
    auto item = firstSelected();
    if (which) {
        if (std::find(selection_.begin(), selection_.end(), which) == selection_.end()) Raise(errors::InvalidCall);
        item = which;
    }
    app()->showExplorer(shared_from_this());
    auto response = item->respond(kind, true);
    return response ? response->inspector() : nullptr;
}

std::shared_ptr<SimInspector> SimExplorer::clickReply(const std::shared_ptr<SimItem>& which) {
    return respond(ResponseKind::Reply, which);
}
std::shared_ptr<SimInspector> SimExplorer::clickReplyAll(const std::shared_ptr<SimItem>& which) {
    return respond(ResponseKind::ReplyAll, which);
}
std::shared_ptr<SimInspector> SimExplorer::clickForward(const std::shared_ptr<SimItem>& which) {
    return respond(ResponseKind::Forward, which);
}
std::shared_ptr<SimInspector> SimExplorer::openSelected() { return app()->openItem(firstSelected()); }

bool SimExplorer::clickMenu(const std::vector<std::string>& captions) {
    check();
    auto* bar = app()->commandBarLayout().bar("Menu Bar");
    if (!bar || captions.empty()) return false;
    auto node = bar->root;
    for (const auto& caption : captions) {
        node = node->find(caption);
        if (!node || !node->enabled) return false;
    }
    if (node->type != ol::msocontrol::Button) return false;
    app()->showExplorer(shared_from_this());
    bars_->click(node);
    return true;
}

void SimExplorer::rightClickSelection() {
    check();
    auto application = app();
    application->showExplorer(shared_from_this());
    if (!application->traits().raisesItemContextMenuDisplay()) return;
    auto bar = MakeContextMenu();
    std::shared_ptr<ol::Selection> selection = std::make_shared<SimSelection>(selection_);
    application->events().raise([&](ol::ApplicationEvents& s) { s.ItemContextMenuDisplay(bar, selection); });
}

void SimExplorer::failSelection(platform::PlatformError error, int times) {
    selectionError_ = std::move(error);
    selectionErrorTimes_ = times;
}

void SimExplorer::forget(const SimItem& item) {
    auto before = selection_.size();
    std::erase_if(selection_, [&](const auto& i) { return i.get() == &item; });
    if (selection_.size() != before && !closed_) {
        events_.raise([](ol::ExplorerEvents& s) { s.SelectionChange(); });
    }
}

}  // namespace corvane::sim
