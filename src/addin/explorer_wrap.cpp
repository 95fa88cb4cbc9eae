#include "corvane/addin/explorer_wrap.h"

#include "response_checks.h"

#include "corvane/addin/window_registry.h"
#include "corvane/core/vb_errors.h"
#include "corvane/outlook/application.h"
#include "corvane/outlook/folders.h"
#include "corvane/outlook/inspector.h"
#include "corvane/platform/conventions.h"
#include "corvane/platform/error.h"

namespace corvane::addin {
namespace {

using platform::IgnoreErrors;
using platform::PlatformError;

class ExplorerWrapSink final : public outlook::ExplorerEvents {
public:
    explicit ExplorerWrapSink(std::weak_ptr<ExplorerWrap> w) : w_(std::move(w)) {}
    void Activate() override {
        if (auto w = w_.lock()) w->m_objExpl_Activate();
    }
    void Close() override {
        if (auto w = w_.lock()) w->m_objExpl_Close();
    }
    void FolderSwitch() override {
        if (auto w = w_.lock()) w->m_objExpl_FolderSwitch();
    }
    void SelectionChange() override {
        if (auto w = w_.lock()) w->m_objExpl_SelectionChange();
    }

private:
    std::weak_ptr<ExplorerWrap> w_;
};

class MailSink final : public outlook::ItemEvents {
public:
    explicit MailSink(std::weak_ptr<ExplorerWrap> w) : w_(std::move(w)) {}
    void Forward(const std::shared_ptr<outlook::Item>& forward, bool& cancel) override {
        if (auto w = w_.lock()) w->m_ObjMail_Forward(forward, cancel);
    }
    void Reply(const std::shared_ptr<outlook::Item>& response, bool& cancel) override {
        if (auto w = w_.lock()) w->m_ObjMail_Reply(response, cancel);
    }
    void ReplyAll(const std::shared_ptr<outlook::Item>& response, bool& cancel) override {
        if (auto w = w_.lock()) w->m_ObjMail_ReplyAll(response, cancel);
    }

private:
    std::weak_ptr<ExplorerWrap> w_;
};

bool isQuietSelectionFailure(const PlatformError& e) {
    return e.description() == platform::errors::ExplorerClosed.description ||
           e.description() == platform::errors::OperationFailed.description;
}

}  // namespace

std::shared_ptr<ExplorerWrap> ExplorerWrap::Create(Process& process) {
    std::shared_ptr<ExplorerWrap> w(new ExplorerWrap(process));
    w->explSink_ = std::make_shared<ExplorerWrapSink>(w);
    w->mailSink_ = std::make_shared<MailSink>(w);
    return w;
}

ExplorerWrap::~ExplorerWrap() {
    m_ObjMail.reset();
    m_objExpl.reset();
    menu_.reset();
}

void ExplorerWrap::Explorer(std::shared_ptr<outlook::Explorer> explorer) {
    m_objExpl.set(std::move(explorer), explSink_);
}

void ExplorerWrap::setMail(std::shared_ptr<outlook::MailItem> mail) { m_ObjMail.set(std::move(mail), mailSink_); }

bool ExplorerWrap::InitButton() {
    menu_ = process_.subsystems.menus->BuildExplorerMenu(process_, m_objExpl.get());
    return true;
}

void ExplorerWrap::m_objExpl_Close() {
    auto self = shared_from_this();
    IgnoreErrors([&] { KillExpl(process_, key_, this); });
    m_objExpl.reset();
}

void ExplorerWrap::m_objExpl_SelectionChange() {
    bool showingOutbox = false;
    IgnoreErrors([&] {
        auto ns = core::vb::Need(process_.gOutlook)->GetNamespace("MAPI");
        showingOutbox = core::vb::Need(m_objExpl.get())->CurrentFolder() ==
                        ns->GetDefaultFolder(outlook::olfolder::Outbox);
    });
    if (showingOutbox) return;
    try {
        auto selection = core::vb::Need(m_objExpl.get())->Selection();
        std::shared_ptr<outlook::MailItem> first;
        if (selection->Count() >= 1) {
            auto item = selection->Item(1);
            if (item && item->Class() == outlook::olclass::Mail)
                first = std::dynamic_pointer_cast<outlook::MailItem>(item);
        }
        setMail(std::move(first));
    } catch (const PlatformError& e) {
        if (isQuietSelectionFailure(e)) return;
        platform::ShowMessageBox(process_.host.ui, "Error " + std::to_string(e.number()) + " " + e.description(),
                                 platform::mb::ExclamationOk,
                                 platform::MessageTitle("m_objExpl_SelectionChange", process_.appTitle));
    }
}

void ExplorerWrap::SetCorrectItemSelection() {
    IgnoreErrors([&] {
        // Reading the subject makes Outlook settle the selection the context menu acts on.
        auto explorer = core::vb::Need(core::vb::Need(process_.gOutlook)->ActiveExplorer());
        (void)core::vb::Need(explorer->Selection()->Item(1))->Subject();
    });
    IgnoreErrors([&] { m_objExpl_SelectionChange(); });
}

bool ExplorerWrap::openInActiveInspector() {
    bool same = false;
    IgnoreErrors([&] {
        auto inspector = core::vb::Need(core::vb::Need(process_.gOutlook)->ActiveInspector());
        auto current = core::vb::Need(inspector->CurrentItem());
        same = current == std::static_pointer_cast<outlook::Item>(core::vb::Need(m_ObjMail.get()));
    });
    return same;
}

void ExplorerWrap::m_ObjMail_Forward(const std::shared_ptr<outlook::Item>& forward, bool& cancel) {
    if (cancel || openInActiveInspector()) return;
    CheckForward(process_, forward);
}

void ExplorerWrap::m_ObjMail_Reply(const std::shared_ptr<outlook::Item>& response, bool& cancel) {
    if (cancel || openInActiveInspector()) return;
    CheckReply(process_, m_ObjMail.get(), response, cancel);
}

void ExplorerWrap::m_ObjMail_ReplyAll(const std::shared_ptr<outlook::Item>& response, bool& cancel) {
    if (cancel || openInActiveInspector()) return;
    CheckReplyAll(process_, m_ObjMail.get(), response, cancel);
}

}  // namespace corvane::addin
