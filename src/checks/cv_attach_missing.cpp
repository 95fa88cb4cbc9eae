// cvAttachMissingCheck: a message that mentions an attachment but carries none asks
// before it goes.
#include "corvane/access/factory.h"
#include "corvane/access/field_values.h"
#include "corvane/access/safe_mail_item.h"
#include "corvane/checks/attach_missing.h"
#include "corvane/checks/basCorvane_attach.h"
#include "corvane/platform/conventions.h"
#include "corvane/settings/prompt_sound.h"
#include "corvane/settings/setting_keys.h"
#include "corvane/text/text.h"

namespace corvane::checks::basCorvane {

namespace {

AttachCheckSettings ReadSettings(core::AddinProcess& process) {
    const auto keys = process.regKeys();
    const auto store = process.store();
    AttachCheckSettings s;
    s.attachKeyWords = keys.AttachKeyWords();
    s.ignoreText = keys.IgnoreText();
    s.ignoreTextValue = store.GetSetting(settings::keys::IgnoreTextValue);
    s.ignoreAttach = keys.IgnoreAttach();
    s.ignoreAttachValue = store.GetSetting(settings::keys::IgnoreAttachValue);
    return s;
}

// Looks at the attachments from the first on and stops at the first real one, so that
// nothing after it is read.
bool CarriesRealAttachment(access::SafeMailItem& safe, const AttachCheckSettings& s) {
    const auto attachments = safe.Attachments();
    const int count = attachments->Count();
    if (count < 1) return false;
    const std::string html = safe.HTMLBody();
    const std::vector<std::string> ignoreNames = text::split(s.ignoreAttachValue, ";");
    constexpr mapi::PropTag contentId = mapi::String8Tag(mapi::tags::AttachContentId);
    for (int i = 1; i <= count; ++i) {
        const auto attachment = attachments->Item(i);
        const AttachmentInfo info{attachment->FileName(), access::AsText(attachment->Fields(contentId))};
        if (ClassifyAttachment(info, html, s.ignoreAttach, ignoreNames) == AttachmentKind::Real) return true;
    }
    return false;
}

// Whether the message mentions an attachment it does not carry.
bool MentionsMissingAttachment(core::AddinProcess& process, const std::shared_ptr<outlook::Item>& item,
                               const AttachCheckSettings& s) {
    auto safe = access::CreateAccessObject<access::SafeMailItem>(*process.access);
    safe->SetItem(item);
    // Saved first, so that the attachments' own properties are readable.
    safe->Save();
    const std::string body = safe->Body();
    // Only the new text counts: what a reply or forward quotes was someone else's.
    const std::string text = BuildSearchText(safe->Subject(), CutQuotedMessage(body), s.ignoreText, s.ignoreTextValue);
    if (CarriesRealAttachment(*safe, s)) return false;
    return ContainsAttachKeyword(text, s.attachKeyWords);
}

}  // namespace

void cvAttachMissingCheck(core::AddinProcess& process, const std::shared_ptr<outlook::Item>& item, bool& Cancel) {
    try {
        if (!process.regKeys().CheckAttachMissing()) return;
        if (!MentionsMissingAttachment(process, item, ReadSettings(process))) return;
        settings::PlayPromptSound(process.store(), process.host.ui);
        const int answer = platform::ShowMessageBox(process.host.ui, kAttachMissingPrompt, platform::mb::QuestionYesNo,
                                                    platform::MessageTitle(kAttachMissingTitle, process.appTitle));
        if (answer == platform::mb::IdNo) Cancel = true;  // the message stays open
    } catch (const platform::PlatformError& e) {
        platform::ReportCheckError(process.host.ui, process.appTitle, "cvAttachMissingCheck", e);
    }
}

}  // namespace corvane::checks::basCorvane
