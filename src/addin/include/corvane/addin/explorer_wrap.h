#pragma once
// ExplorerWrap: one per Outlook main window. It follows the window's first selected mail
// item and runs the reply-time checks when the user replies to it or forwards it from the
// message list; it also holds the window's menu buttons.
#include <cstdint>
#include <memory>

#include "corvane/addin/subsystems.h"
#include "corvane/core/event_field.h"
#include "corvane/outlook/events.h"
#include "corvane/outlook/explorer.h"
#include "corvane/outlook/items.h"

namespace corvane::addin {

class ExplorerWrap : public std::enable_shared_from_this<ExplorerWrap> {
public:
    // Wrappers are shared: Outlook's event calls keep them alive while they run.
    static std::shared_ptr<ExplorerWrap> Create(Process& process);
    ~ExplorerWrap();
    ExplorerWrap(const ExplorerWrap&) = delete;
    ExplorerWrap& operator=(const ExplorerWrap&) = delete;

    // Public operations, in slot order.
    void Explorer(std::shared_ptr<outlook::Explorer> explorer);
    const std::shared_ptr<outlook::Explorer>& Explorer() const { return m_objExpl.get(); }
    void Key(std::int16_t anID) { key_ = anID; }
    void SetCorrectItemSelection();
    bool InitButton();

    std::int16_t Key() const { return key_; }
    // The mail item followed, nothing while the selection holds no mail item first.
    const std::shared_ptr<outlook::MailItem>& MailItem() const { return m_ObjMail.get(); }

    // Event handlers.
    void m_objExpl_Activate() {}
    void m_objExpl_Close();
    void m_objExpl_FolderSwitch() {}
    void m_objExpl_SelectionChange();
    void m_ObjMail_Forward(const std::shared_ptr<outlook::Item>& forward, bool& cancel);
    void m_ObjMail_Reply(const std::shared_ptr<outlook::Item>& response, bool& cancel);
    void m_ObjMail_ReplyAll(const std::shared_ptr<outlook::Item>& response, bool& cancel);

private:
    explicit ExplorerWrap(Process& process) : process_(process) {}
    void setMail(std::shared_ptr<outlook::MailItem> mail);
    // True when the followed item is the one open in the active message window, whose own
    // wrapper then handles the click.
    bool openInActiveInspector();

    Process& process_;
    std::int16_t key_ = 0;
    std::shared_ptr<outlook::ExplorerEvents> explSink_;
    std::shared_ptr<outlook::ItemEvents> mailSink_;
    core::EventField<outlook::Explorer> m_objExpl;
    core::EventField<outlook::MailItem> m_ObjMail;
    std::shared_ptr<menus::ExplorerButtons> menu_;  // the menu buttons and their click sinks
};

}  // namespace corvane::addin
