// Outlook items over IDispatch: what every item has, then the classes the add-in tells
// apart. Each class resolves its names once (the members every item shares have the same
// identifiers in every class, but each class keeps its own table).
#include "wrap.h"

namespace corvane::comoutlook {

namespace ol = outlook;

namespace {

template <class Interface>
class ComItemOf : public Interface, public Wrapped {
public:
    using Wrapped::Wrapped;

    int Class() override { return number("Class"); }
    std::string MessageClass() override { return text("MessageClass"); }
    std::string EntryID() override { return text("EntryID"); }
    std::string Subject() override { return text("Subject"); }
    void SetSubject(const std::string& subject) override { set("Subject", Value(subject)); }
    std::string Body() override { return text("Body"); }
    void SetBody(const std::string& body) override { set("Body", Value(body)); }
    std::shared_ptr<ol::Object> Parent() override { return objects().object(get("Parent").object()); }
    bool UnRead() override { return flag("UnRead"); }
    void SetUnRead(bool unread) override { set("UnRead", Value(unread)); }
    bool Saved() override { return flag("Saved"); }
    platform::DateTime CreationTime() override { return date("CreationTime"); }
    std::shared_ptr<ol::UserProperties> UserProperties() override {
        return WrapUserProperties(objects(), get("UserProperties").object());
    }
    std::shared_ptr<ol::Inspector> GetInspector() override {
        return WrapInspector(objects(), get("GetInspector").object());
    }
    void Save() override { call("Save"); }
    void Display(bool modal) override { call("Display", {Value(modal)}); }
    void Close(int saveMode) override { call("Close", {Value(saveMode)}); }
    void Delete() override { call("Delete"); }
    std::shared_ptr<ol::Item> Move(const std::shared_ptr<ol::Folder>& destination) override {
        return objects().item(call("Move", {Pass(destination)}).object());
    }
    std::shared_ptr<mapi::Message> MAPIOBJECT() override {
        auto message = mapiObject();
        return commapi::MessageOf(message.get(), MapiSessionOf(late()).get());
    }
    ol::Connection Advise(std::shared_ptr<ol::ItemEvents> sink) override {
        return AdviseEvents(objects(), dispatch(), sink);
    }

protected:
    std::shared_ptr<ol::MailItem> mail(std::string_view method) {
        return WrapMailItem(objects(), call(method).object());
    }
    std::shared_ptr<ol::Recipients> recipients(std::string_view name) {
        return WrapRecipients(objects(), get(name).object());
    }
    std::shared_ptr<ol::Attachments> attachments() { return WrapAttachments(objects(), get("Attachments").object()); }
};

class ComItem final : public ComItemOf<ol::Item> {
public:
    static constexpr std::string_view TypeName{"Item"};
    using ComItemOf::ComItemOf;
};

class ComMailItem final : public ComItemOf<ol::MailItem> {
public:
    static constexpr std::string_view TypeName{"MailItem"};
    using ComItemOf::ComItemOf;

    std::string To() override { return text("To"); }
    void SetTo(const std::string& to) override { set("To", Value(to)); }
    std::string CC() override { return text("CC"); }
    void SetCC(const std::string& cc) override { set("CC", Value(cc)); }
    std::string BCC() override { return text("BCC"); }
    void SetBCC(const std::string& bcc) override { set("BCC", Value(bcc)); }
    std::string HTMLBody() override { return text("HTMLBody"); }
    void SetHTMLBody(const std::string& html) override { set("HTMLBody", Value(html)); }
    int BodyFormat() override { return number("BodyFormat"); }
    std::shared_ptr<ol::Recipients> Recipients() override { return recipients("Recipients"); }
    std::shared_ptr<ol::Recipients> ReplyRecipients() override { return recipients("ReplyRecipients"); }
    std::shared_ptr<ol::Attachments> Attachments() override { return attachments(); }
    std::string SenderName() override { return text("SenderName"); }
    std::string SenderEmailAddress() override { return text("SenderEmailAddress"); }
    std::string SenderEmailType() override { return text("SenderEmailType"); }
    std::string SentOnBehalfOfName() override { return text("SentOnBehalfOfName"); }
    platform::DateTime ReceivedTime() override { return date("ReceivedTime"); }
    platform::DateTime SentOn() override { return date("SentOn"); }
    platform::DateTime DeferredDeliveryTime() override { return date("DeferredDeliveryTime"); }
    void SetDeferredDeliveryTime(platform::DateTime when) override { set("DeferredDeliveryTime", Value(when)); }
    bool Sent() override { return flag("Sent"); }
    bool Submitted() override { return flag("Submitted"); }
    std::shared_ptr<ol::MailItem> Reply() override { return mail("Reply"); }
    std::shared_ptr<ol::MailItem> ReplyAll() override { return mail("ReplyAll"); }
    std::shared_ptr<ol::MailItem> Forward() override { return mail("Forward"); }
    void Send() override { call("Send"); }
};

class ComPostItem final : public ComItemOf<ol::PostItem> {
public:
    static constexpr std::string_view TypeName{"PostItem"};
    using ComItemOf::ComItemOf;

    std::string HTMLBody() override { return text("HTMLBody"); }
    void SetHTMLBody(const std::string& html) override { set("HTMLBody", Value(html)); }
    std::shared_ptr<ol::Attachments> Attachments() override { return attachments(); }
    std::string SenderName() override { return text("SenderName"); }
    std::string SenderEmailAddress() override { return text("SenderEmailAddress"); }
    platform::DateTime ReceivedTime() override { return date("ReceivedTime"); }
    std::shared_ptr<ol::MailItem> Reply() override { return mail("Reply"); }
    std::shared_ptr<ol::MailItem> Forward() override { return mail("Forward"); }
    void Post() override { call("Post"); }
};

class ComReportItem final : public ComItemOf<ol::ReportItem> {
public:
    static constexpr std::string_view TypeName{"ReportItem"};
    using ComItemOf::ComItemOf;
};

class ComMeetingItem final : public ComItemOf<ol::MeetingItem> {
public:
    static constexpr std::string_view TypeName{"MeetingItem"};
    using ComItemOf::ComItemOf;

    std::shared_ptr<ol::Recipients> Recipients() override { return recipients("Recipients"); }
    std::shared_ptr<ol::Attachments> Attachments() override { return attachments(); }
    std::string SenderName() override { return text("SenderName"); }
    std::string SenderEmailAddress() override { return text("SenderEmailAddress"); }
    platform::DateTime ReceivedTime() override { return date("ReceivedTime"); }
    std::shared_ptr<ol::MailItem> Reply() override { return mail("Reply"); }
    std::shared_ptr<ol::MailItem> ReplyAll() override { return mail("ReplyAll"); }
    std::shared_ptr<ol::MeetingItem> Forward() override {
        return WrapMeetingItem(objects(), call("Forward").object());
    }
    void Send() override { call("Send"); }
};

class ComContactItem final : public ComItemOf<ol::ContactItem> {
public:
    static constexpr std::string_view TypeName{"ContactItem"};
    using ComItemOf::ComItemOf;

    std::string FullName() override { return text("FullName"); }
    void SetFullName(const std::string& name) override { set("FullName", Value(name)); }
    std::string Email1Address() override { return text("Email1Address"); }
    void SetEmail1Address(const std::string& address) override { set("Email1Address", Value(address)); }
};

class ComNoteItem final : public ComItemOf<ol::NoteItem> {
public:
    static constexpr std::string_view TypeName{"NoteItem"};
    using ComItemOf::ComItemOf;
};

}  // namespace

std::shared_ptr<ol::Item> WrapItemOfClass(Objects& objects, const Dispatched& object, int objectClass) {
    switch (objectClass) {
        case ol::olclass::Mail: return objects.wrap<ComMailItem>(object);
        case ol::olclass::Post: return objects.wrap<ComPostItem>(object);
        case ol::olclass::Report: return objects.wrap<ComReportItem>(object);
        case ol::olclass::MeetingRequest: return objects.wrap<ComMeetingItem>(object);
        case ol::olclass::Contact: return objects.wrap<ComContactItem>(object);
        case ol::olclass::Note: return objects.wrap<ComNoteItem>(object);
        default: return objects.wrap<ComItem>(object);
    }
}

std::shared_ptr<ol::MailItem> WrapMailItem(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComMailItem>(object);
}
std::shared_ptr<ol::MeetingItem> WrapMeetingItem(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComMeetingItem>(object);
}

}  // namespace corvane::comoutlook
