#include "corvane/sim/inspector.h"

#include "corvane/platform/error.h"
#include "corvane/sim/failure.h"
#include "corvane/sim/item.h"
#include "corvane/sim/word.h"

namespace corvane::sim {

namespace ol = outlook;

SimInspector::SimInspector(std::weak_ptr<SimApplication> app, std::shared_ptr<SimItem> item, int editorType)
    : app_(std::move(app)), item_(std::move(item)), editorType_(editorType) {}

SimInspector::~SimInspector() = default;

void SimInspector::check() const {
    if (closed_) Raise(errors::InspectorClosed);
}

std::shared_ptr<SimApplication> SimInspector::app() const {
    auto a = app_.lock();
    if (!a) Raise(errors::HostGone);
    return a;
}

int SimInspector::Class() { return check(), ol::olclass::Inspector; }

std::string SimInspector::Caption() {
    check();
    auto subject = item_->gone() ? std::string() : item_->subject();
    return (subject.empty() ? std::string("Untitled") : subject) + " - Message";
}

std::shared_ptr<ol::Item> SimInspector::CurrentItem() {
    check();
    item_->checkLive();
    return item_->asItem();
}

int SimInspector::EditorType() { return check(), editorType_; }
bool SimInspector::IsWordMail() { return check(), editorType_ == ol::oleditor::Word; }

std::shared_ptr<ol::word::Document> SimInspector::WordEditor() {
    check();
    if (editorType_ != ol::oleditor::Word) return nullptr;
    if (!document_) document_ = std::make_shared<SimWordDocument>(app()->word().shared_from_this());
    return document_;
}

void SimInspector::Activate() {
    check();
    if (!shown_) {
        app()->openItem(item_);
        return;
    }
    app()->activate(shared_from_this());
}

void SimInspector::Display(bool /*modal*/) {
    check();
    app()->openItem(item_);
}

void SimInspector::Close(int saveMode) {
    check();
    app()->closeInspector(shared_from_this(), saveMode, true);
}

ol::Connection SimInspector::Advise(std::shared_ptr<ol::InspectorEvents> sink) {
    return check(), events_.add(std::move(sink));
}

void SimInspector::raiseActivate() {
    events_.raise([](ol::InspectorEvents& s) { s.Activate(); });
}
void SimInspector::raiseDeactivate() {
    events_.raise([](ol::InspectorEvents& s) { s.Deactivate(); });
}

void SimInspector::markClosed() {
    closed_ = true;
    document_.reset();
}

SendOutcome SimInspector::clickSend() {
    check();
    app()->activate(shared_from_this());
    return item_->send();
}

std::shared_ptr<SimInspector> SimInspector::respond(ResponseKind kind) {
    check();
    app()->activate(shared_from_this());
    auto response = item_->respond(kind, true);
    return response ? response->inspector() : nullptr;
}

std::shared_ptr<SimInspector> SimInspector::clickReply() { return respond(ResponseKind::Reply); }
std::shared_ptr<SimInspector> SimInspector::clickReplyAll() { return respond(ResponseKind::ReplyAll); }
std::shared_ptr<SimInspector> SimInspector::clickForward() { return respond(ResponseKind::Forward); }

bool SimInspector::clickClose() {
    check();
    return app()->closeInspector(shared_from_this(), ol::olsave::PromptForSave, true);
}

}  // namespace corvane::sim
