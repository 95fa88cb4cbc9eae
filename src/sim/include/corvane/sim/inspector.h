#pragma once
// An Inspector of the simulated Outlook, with what the user does in it.
#include <memory>
#include <string>

#include "corvane/outlook/inspector.h"
#include "corvane/sim/application.h"
#include "corvane/sim/sink_list.h"

namespace corvane::sim {

class SimWordDocument;

class SimInspector final : public outlook::Inspector,
                           public SimWindow,
                           public std::enable_shared_from_this<SimInspector> {
public:
    SimInspector(std::weak_ptr<SimApplication> app, std::shared_ptr<SimItem> item, int editorType);
    ~SimInspector() override;

    int Class() override;
    std::string Caption() override;
    std::shared_ptr<outlook::Item> CurrentItem() override;
    int EditorType() override;
    bool IsWordMail() override;
    std::shared_ptr<outlook::word::Document> WordEditor() override;
    void Activate() override;
    void Display(bool modal) override;
    void Close(int saveMode) override;
    outlook::Connection Advise(std::shared_ptr<outlook::InspectorEvents> sink) override;

    // The user.
    // The Send button: the outcome, or the names error Outlook shows.
    SendOutcome clickSend();
    std::shared_ptr<SimInspector> clickReply();
    std::shared_ptr<SimInspector> clickReplyAll();
    std::shared_ptr<SimInspector> clickForward();
    // The window's close box: the item's Close may cancel it. True when it closed.
    bool clickClose();

    std::shared_ptr<SimItem> item() const { return item_; }
    bool closed() const { return closed_; }
    bool shown() const { return shown_; }
    SinkList<outlook::InspectorEvents>& events() { return events_; }

    // Used by the application.
    void raiseActivate() override;
    void raiseDeactivate() override;
    void markShown() { shown_ = true; }
    void markClosed();

private:
    void check() const;
    std::shared_ptr<SimApplication> app() const;
    std::shared_ptr<SimInspector> respond(ResponseKind kind);

    std::weak_ptr<SimApplication> app_;
    std::shared_ptr<SimItem> item_;
    int editorType_;
    std::shared_ptr<SimWordDocument> document_;
    SinkList<outlook::InspectorEvents> events_;
    bool shown_ = false;
    bool closed_ = false;
};

}  // namespace corvane::sim
