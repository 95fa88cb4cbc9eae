#pragma once
// clsInspWrap: one per message window. It runs the reply-time checks when the user
// replies or forwards from the window, the first stage of the send pipeline when the
// window sends, prepares the Word editor, and applies the recipient removals that a
// reply-to-all check left on the reply.
#include <cstdint>
#include <memory>

#include "corvane/addin/subsystems.h"
#include "corvane/core/event_field.h"
#include "corvane/outlook/events.h"
#include "corvane/outlook/inspector.h"
#include "corvane/outlook/items.h"

namespace corvane::addin {

using wordmail::TemplateName;

class clsInspWrap : public std::enable_shared_from_this<clsInspWrap> {
public:
    static std::shared_ptr<clsInspWrap> Create(Process& process);
    ~clsInspWrap();
    clsInspWrap(const clsInspWrap&) = delete;
    clsInspWrap& operator=(const clsInspWrap&) = delete;

    // Public operations, in slot order.
    bool InitButton();
    void MailItem(std::shared_ptr<outlook::MailItem> objMail);
    void ContactItem(std::shared_ptr<outlook::ContactItem> objContact);
    void PostItem(std::shared_ptr<outlook::PostItem> objPost) { postItem_ = std::move(objPost); }
    void TaskItem(std::shared_ptr<outlook::Item> objTask) { taskItem_ = std::move(objTask); }
    void Inspector(std::shared_ptr<outlook::Inspector> objInspector);
    const std::shared_ptr<outlook::Inspector>& Inspector() const { return m_objInsp.get(); }
    // The key arrives as a 32-bit value and is kept as a 16-bit one.
    void Key(std::int32_t lngID);
    std::int16_t Key() const { return key_; }

    const std::shared_ptr<outlook::MailItem>& MailItem() const { return m_ObjMail.get(); }
    bool WordMail() const { return m_blnWordMail; }

    // Event handlers.
    void m_objContact_Close() {}
    void m_objContact_Open() {}
    void m_objInsp_Activate();
    void m_objInsp_Close();
    void m_ObjMail_Forward(const std::shared_ptr<outlook::Item>& forward, bool& cancel);
    void m_ObjMail_Open() {}
    void m_objMail_Close();
    void m_ObjMail_Reply(const std::shared_ptr<outlook::Item>& response, bool& cancel);
    void m_ObjMail_ReplyAll(const std::shared_ptr<outlook::Item>& response, bool& cancel);
    // Stage 1 of the send pipeline.
    void m_ObjMail_Send(bool& cancel);

private:
    explicit clsInspWrap(Process& process) : process_(process) {}
    // True when this wrapper's window is the active message window (and shows an item).
    bool isActiveInspector();
    void applyPendingRemovals();

    Process& process_;
    std::int16_t key_ = 0;
    bool m_blnWordMail = false;
    bool m_blnTemplateChecked = false;
    std::shared_ptr<outlook::InspectorEvents> inspSink_;
    std::shared_ptr<outlook::ItemEvents> mailSink_;
    std::shared_ptr<outlook::ItemEvents> contactSink_;
    core::EventField<outlook::Inspector> m_objInsp;
    core::EventField<outlook::MailItem> m_ObjMail;
    core::EventField<outlook::ContactItem> m_objContact;
    std::shared_ptr<outlook::PostItem> postItem_;
    std::shared_ptr<outlook::Item> taskItem_;
};

}  // namespace corvane::addin
