#pragma once
// An Explorer of the simulated Outlook, with what the user does in it: selecting items,
// Reply / Reply to All / Forward on the selection, menu clicks, right clicks.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "corvane/outlook/explorer.h"
#include "corvane/platform/error.h"
#include "corvane/sim/application.h"
#include "corvane/sim/sink_list.h"

namespace corvane::sim {

class SimCommandBars;

class SimExplorer final : public outlook::Explorer,
                          public SimWindow,
                          public std::enable_shared_from_this<SimExplorer> {
public:
    SimExplorer(std::weak_ptr<SimApplication> app, std::shared_ptr<SimFolder> folder);
    ~SimExplorer() override;

    int Class() override;
    std::string Caption() override;
    std::shared_ptr<outlook::Folder> CurrentFolder() override;
    void SetCurrentFolder(const std::shared_ptr<outlook::Folder>& folder) override;
    std::shared_ptr<outlook::Selection> Selection() override;
    std::shared_ptr<outlook::CommandBars> CommandBars() override;
    void Display() override;
    void Activate() override;
    void Close() override;
    outlook::Connection Advise(std::shared_ptr<outlook::ExplorerEvents> sink) override;

    // The user.
    // Selects these items (SelectionChange), after making the Explorer the active window.
    void select(std::vector<std::shared_ptr<SimItem>> items);
    // Reply / Reply to All / Forward on the first selected item, or on `which` when given
    // (it must be selected: the one the user answers among several); the new Inspector,
    // or nullptr when the item's event cancelled the response.
    std::shared_ptr<SimInspector> clickReply(const std::shared_ptr<SimItem>& which = nullptr);
    std::shared_ptr<SimInspector> clickReplyAll(const std::shared_ptr<SimItem>& which = nullptr);
    std::shared_ptr<SimInspector> clickForward(const std::shared_ptr<SimItem>& which = nullptr);
    // Opens the first selected item.
    std::shared_ptr<SimInspector> openSelected();
    // Clicks a menu button by its captions from the "Menu Bar" ("&" and case ignored).
    // False when there is no such visible, enabled button.
    bool clickMenu(const std::vector<std::string>& captions);
    // Right click on the selection: ItemContextMenuDisplay where Outlook raises it.
    void rightClickSelection();
    // The next reads of Selection fail with this error (e.g. "The operation failed.").
    void failSelection(platform::PlatformError error, int times = 1);

    bool closed() const { return closed_; }
    bool shown() const { return shown_; }
    std::shared_ptr<SimFolder> folder() const { return folder_; }
    const std::vector<std::shared_ptr<SimItem>>& selection() const { return selection_; }
    SinkList<outlook::ExplorerEvents>& events() { return events_; }

    // Used by the application.
    void raiseActivate() override;
    void raiseDeactivate() override;
    void markShown() { shown_ = true; }
    void markClosed() { closed_ = true; }
    void forget(const SimItem& item);

private:
    void check() const;
    std::shared_ptr<SimApplication> app() const;
    std::shared_ptr<SimItem> firstSelected();
    std::shared_ptr<SimInspector> respond(ResponseKind kind, const std::shared_ptr<SimItem>& which);

    std::weak_ptr<SimApplication> app_;
    std::shared_ptr<SimFolder> folder_;
    std::vector<std::shared_ptr<SimItem>> selection_;
    std::shared_ptr<SimCommandBars> bars_;
    SinkList<outlook::ExplorerEvents> events_;
    bool shown_ = false;
    bool closed_ = false;
    std::optional<platform::PlatformError> selectionError_;
    int selectionErrorTimes_ = 0;
};

}  // namespace corvane::sim
