// The collections an item shows (Recipients, Attachments, UserProperties) and the
// members every item class shares.
#include "corvane/platform/error.h"
#include "corvane/sim/application.h"
#include "corvane/sim/failure.h"
#include "corvane/sim/folder.h"
#include "corvane/sim/inspector.h"
#include "corvane/sim/item.h"
#include "corvane/sim/mapi_views.h"
#include "corvane/sim/name_space.h"

namespace corvane::sim {

namespace ol = outlook;

namespace {

class SimRecipients final : public ol::Recipients {
public:
    SimRecipients(std::shared_ptr<SimItem> item, bool replyTo) : item_(std::move(item)), replyTo_(replyTo) {}
    int Class() override { return check(), ol::olclass::Recipients; }
    int Count() override { return check(), static_cast<int>(list().size()); }
    std::shared_ptr<ol::Recipient> Item(int index) override {
        check();
        return ItemAt(list(), index);
    }
    std::shared_ptr<ol::Recipient> Add(std::string_view name) override {
        check();
        if (replyTo_) {
            auto r = std::make_shared<SimRecipient>(item_, std::string(name), ol::olrecipient::To);
            item_->replyRecipients().push_back(r);
            item_->touch();
            return r;
        }
        return item_->addRecipient(std::string(name), ol::olrecipient::To);
    }
    void Remove(int index) override {
        check();
        item_->removeRecipient(*ItemAt(list(), index));
    }
    bool ResolveAll() override {
        check();
        bool all = true;
        for (const auto& r : list()) all = r->resolve() && all;
        return all;
    }

private:
    void check() const { item_->checkLive(); }
    std::vector<std::shared_ptr<SimRecipient>>& list() const {
        return replyTo_ ? item_->replyRecipients() : item_->recipients();
    }
    std::shared_ptr<SimItem> item_;
    bool replyTo_;
};

class SimAttachments final : public ol::Attachments {
public:
    explicit SimAttachments(std::shared_ptr<SimItem> item) : item_(std::move(item)) {}
    int Class() override { return check(), ol::olclass::Attachments; }
    int Count() override { return check(), static_cast<int>(item_->attachments().size()); }
    std::shared_ptr<ol::Attachment> Item(int index) override {
        check();
        return ItemAt(item_->attachments(), index);
    }
    std::shared_ptr<ol::Attachment> Add(std::string_view sourcePath) override {
        check();
        auto slash = sourcePath.find_last_of("\\/");
        AttachmentSpec spec;
        spec.fileName = std::string(slash == std::string_view::npos ? sourcePath : sourcePath.substr(slash + 1));
        return item_->addAttachment(spec);
    }
    void Remove(int index) override {
        check();
        item_->removeAttachment(*ItemAt(item_->attachments(), index));
    }

private:
    void check() const { item_->checkLive(); }
    std::shared_ptr<SimItem> item_;
};

class SimUserProperties final : public ol::UserProperties {
public:
    explicit SimUserProperties(std::shared_ptr<SimItem> item) : item_(std::move(item)) {}
    int Class() override { return check(), ol::olclass::UserProperties; }
    int Count() override { return check(), static_cast<int>(item_->userProperties().size()); }
    std::shared_ptr<ol::UserProperty> Item(int index) override {
        check();
        return ItemAt(item_->userProperties(), index);
    }
    std::shared_ptr<ol::UserProperty> Add(std::string_view name, int type) override {
        check();
        return item_->addUserProperty(name, type);
    }
    std::shared_ptr<ol::UserProperty> Find(std::string_view name) override {
        check();
        return item_->findUserProperty(name);
    }
    void Remove(int index) override {
        check();
        item_->removeUserProperty(*ItemAt(item_->userProperties(), index));
    }

private:
    void check() const { item_->checkLive(); }
    std::shared_ptr<SimItem> item_;
};

}  // namespace

std::shared_ptr<ol::Recipients> SimItem::recipientsView(bool replyTo) {
    return std::make_shared<SimRecipients>(shared_from_this(), replyTo);
}

std::shared_ptr<ol::Attachments> SimItem::attachmentsView() {
    return std::make_shared<SimAttachments>(shared_from_this());
}

std::shared_ptr<ol::UserProperties> SimItem::userPropertiesView() {
    return std::make_shared<SimUserProperties>(shared_from_this());
}

std::shared_ptr<ol::Object> SimItem::parentObject() {
    if (auto f = folder()) return f;
    return home();
}

std::shared_ptr<ol::Inspector> SimItem::getInspector() { return app()->inspectorFor(shared_from_this()); }

void SimItem::displayItem() { app()->openItem(shared_from_this()); }

void SimItem::closeItem(int saveMode) {
    if (auto insp = inspector(); insp && !insp->closed()) {
        app()->closeInspector(insp, saveMode, true);
        return;
    }
    bool cancel = false;
    events().raise([&](ol::ItemEvents& s) { s.Close(cancel); });
    if (!cancel && saveMode == ol::olsave::Save && !gone() && !isSaved()) save();
}

std::shared_ptr<ol::Item> SimItem::moveItem(const std::shared_ptr<ol::Folder>& destination) {
    auto folder = std::dynamic_pointer_cast<SimFolder>(destination);
    if (!folder) Raise(errors::InvalidCall);
    return moveTo(folder)->asItem();
}

std::shared_ptr<mapi::Message> SimItem::mapiObject() { return std::make_shared<SimMapiMessage>(shared_from_this()); }

std::shared_ptr<ol::MailItem> SimItem::respondAsMail(ResponseKind kind) {
    return std::dynamic_pointer_cast<ol::MailItem>(respond(kind, false)->asItem());
}

}  // namespace corvane::sim
