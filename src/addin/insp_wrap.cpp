#include "corvane/addin/insp_wrap.h"

#include "response_checks.h"

#include <cmath>

#include "corvane/addin/window_registry.h"
#include "corvane/core/vb_errors.h"
#include "corvane/outlook/application.h"
#include "corvane/outlook/attachments.h"
#include "corvane/outlook/recipients.h"
#include "corvane/platform/conventions.h"
#include "corvane/settings/classic_conversion.h"
#include "corvane/text/text.h"

namespace corvane::addin {
namespace {

using platform::IgnoreErrors;
using platform::PlatformError;

constexpr const char* RemoveAtProperty = "ReplyToAllRemoveReciptAt";
constexpr const char* ClearMyEmailProperty = "ReplyToAllCLearMyEmail";

class InspWrapSink final : public outlook::InspectorEvents {
public:
    explicit InspWrapSink(std::weak_ptr<clsInspWrap> w) : w_(std::move(w)) {}
    void Activate() override {
        if (auto w = w_.lock()) w->m_objInsp_Activate();
    }
    void Close() override {
        if (auto w = w_.lock()) w->m_objInsp_Close();
    }

private:
    std::weak_ptr<clsInspWrap> w_;
};

class InspMailSink final : public outlook::ItemEvents {
public:
    explicit InspMailSink(std::weak_ptr<clsInspWrap> w) : w_(std::move(w)) {}
    void Open(bool&) override {
        if (auto w = w_.lock()) w->m_ObjMail_Open();
    }
    void Close(bool&) override {
        if (auto w = w_.lock()) w->m_objMail_Close();
    }
    void Send(bool& cancel) override {
        if (auto w = w_.lock()) w->m_ObjMail_Send(cancel);
    }
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
    std::weak_ptr<clsInspWrap> w_;
};

class ContactSink final : public outlook::ItemEvents {
public:
    explicit ContactSink(std::weak_ptr<clsInspWrap> w) : w_(std::move(w)) {}
    void Open(bool&) override {
        if (auto w = w_.lock()) w->m_objContact_Open();
    }
    void Close(bool&) override {
        if (auto w = w_.lock()) w->m_objContact_Close();
    }

private:
    std::weak_ptr<clsInspWrap> w_;
};

// A list part read as a 16-bit recipient position, as the classic integer conversion
// reads it (rounding half to even; not a number or out of range fails).
int RecipientPosition(const std::string& part) {
    const auto n = settings::classicNumber(part);
    if (!n) throw platform::PlatformError(platform::errors::TypeMismatch);
    const double rounded = std::nearbyint(*n);
    if (rounded < INT16_MIN || rounded > INT16_MAX) throw platform::PlatformError(platform::errors::Overflow);
    return static_cast<int>(rounded);
}

}  // namespace

std::shared_ptr<clsInspWrap> clsInspWrap::Create(Process& process) {
    std::shared_ptr<clsInspWrap> w(new clsInspWrap(process));
    w->inspSink_ = std::make_shared<InspWrapSink>(w);
    w->mailSink_ = std::make_shared<InspMailSink>(w);
    w->contactSink_ = std::make_shared<ContactSink>(w);
    return w;
}

clsInspWrap::~clsInspWrap() {
    m_objContact.reset();
    m_ObjMail.reset();
    m_objInsp.reset();
    postItem_.reset();
    taskItem_.reset();
}

void clsInspWrap::MailItem(std::shared_ptr<outlook::MailItem> objMail) {
    m_ObjMail.set(std::move(objMail), mailSink_);
}

void clsInspWrap::ContactItem(std::shared_ptr<outlook::ContactItem> objContact) {
    m_objContact.set(std::move(objContact), contactSink_);
}

void clsInspWrap::Inspector(std::shared_ptr<outlook::Inspector> objInspector) {
    m_objInsp.set(std::move(objInspector), inspSink_);
}

void clsInspWrap::Key(std::int32_t lngID) {
    if (lngID < INT16_MIN || lngID > INT16_MAX) throw platform::PlatformError(platform::errors::Overflow);
    key_ = static_cast<std::int16_t>(lngID);
}

bool clsInspWrap::InitButton() {
    IgnoreErrors([&] {
        const auto& insp = core::vb::Need(m_objInsp.get());
        m_blnWordMail = core::OutlookMajorVersionNumber(process_) < 12 && insp->IsWordMail() &&
                        insp->EditorType() == outlook::oleditor::Word;
    });
    IgnoreErrors([&] {
        if (core::OutlookMajorVersion(process_) != "9" &&
            !process_.subsystems.wordTemplate->IsOutlook2002LateBuild(process_))
            process_.subsystems.wordTemplate->LoadAddin(process_, m_objInsp.get(), TemplateName);
    });
    return true;
}

void clsInspWrap::m_objInsp_Close() {
    auto self = shared_from_this();
    KillInsp(process_, key_, this);
}

void clsInspWrap::m_objMail_Close() {
    auto self = shared_from_this();
    KillInsp(process_, key_, this);
}

void clsInspWrap::m_objInsp_Activate() {
    auto self = shared_from_this();
    try {
        if (m_blnWordMail && core::OutlookMajorVersionNumber(process_) < 12) {
            if (!m_blnTemplateChecked) {
                if (process_.subsystems.wordTemplate->IsOutlook2002LateBuild(process_))
                    process_.subsystems.wordTemplate->LoadAddin(process_, m_objInsp.get(), TemplateName);
                m_blnTemplateChecked = true;
            }
            if (core::OutlookMajorVersion(process_) != "9")
                process_.subsystems.wordTemplate->TemplateMarkSaved(process_, m_objInsp.get(), TemplateName);
        }
        applyPendingRemovals();
    } catch (const PlatformError& e) {
        platform::ShowMessageBox(process_.host.ui, "Error:" + std::to_string(e.number()) + " " + e.description(),
                                 platform::mb::CriticalOk, process_.appTitle);
    }
}

// The removals a reply-to-all check left on the reply as user properties, applied once.
void clsInspWrap::applyPendingRemovals() {
    const auto mail = m_ObjMail.get();
    std::shared_ptr<outlook::UserProperty> removeAt;
    if (!IgnoreErrors([&] { removeAt = core::vb::Need(mail)->UserProperties()->Find(RemoveAtProperty); })) return;

    if (removeAt) {
        mail->Save();
        for (const std::string& part : text::split(removeAt->Value(), ";")) {
            if (part.empty()) continue;
            mail->Recipients()->Remove(RecipientPosition(part));
        }
        process_.subsystems.responses->DeleteUserProperties(process_, mail, RemoveAtProperty);
    }
    if (mail->UserProperties()->Find(ClearMyEmailProperty)) {
        const std::string own = process_.regKeys().EmailList();
        if (!text::trim(own).empty()) {
            mail->Save();
            const std::string ownUpper = text::toUpper(own);
            for (int i = mail->Recipients()->Count(); i >= 1; --i) {
                const std::string address = process_.subsystems.resolution->RecipientEmail(process_, mail, i);
                // A plain substring test on the whole list, as the list is stored.
                if (ownUpper.find(text::toUpper(address)) != std::string::npos) mail->Recipients()->Remove(i);
            }
        }
        process_.subsystems.responses->DeleteUserProperties(process_, mail, ClearMyEmailProperty);
    }
}

bool clsInspWrap::isActiveInspector() {
    std::shared_ptr<outlook::Inspector> active;
    const bool readable = IgnoreErrors([&] {
        active = core::vb::Need(core::vb::Need(process_.gOutlook)->ActiveInspector());
        (void)core::vb::Need(active->CurrentItem())->EntryID();
    });
    return readable && active == m_objInsp.get();
}

void clsInspWrap::m_ObjMail_Forward(const std::shared_ptr<outlook::Item>& forward, bool& cancel) {
    if (cancel || !isActiveInspector()) return;
    CheckForward(process_, forward);
}

void clsInspWrap::m_ObjMail_Reply(const std::shared_ptr<outlook::Item>& response, bool& cancel) {
    if (cancel || !isActiveInspector()) return;
    CheckReply(process_, m_ObjMail.get(), response, cancel);
}

void clsInspWrap::m_ObjMail_ReplyAll(const std::shared_ptr<outlook::Item>& response, bool& cancel) {
    if (cancel || !isActiveInspector()) return;
    CheckReplyAll(process_, m_ObjMail.get(), response, cancel);
}

}  // namespace corvane::addin
