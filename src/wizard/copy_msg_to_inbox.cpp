// The introductory message: put into the user's Inbox once per user, when the wizard
// unloads for the first time.
#include "corvane/access/rdo_session.h"
#include "corvane/core/addin_process.h"
#include "corvane/core/profile_session.h"
#include "corvane/core/vb_errors.h"
#include "corvane/platform/error.h"
#include "corvane/platform/file_system.h"
#include "corvane/settings/setting_keys.h"
#include "corvane/wizard/frmIntroWizard.h"

namespace corvane::wizard {

namespace {
constexpr std::string_view IntroMessageFile = "Introducing_Corvane.msg";
constexpr int InboxFolder = 6;
}  // namespace

void frmIntroWizard::CopyMsgToInbox() {
    if (!p_.gOutlook) return;
    try {
        auto session = core::OpenProfileSession(p_);
        const settings::SettingStore store = p_.store();
        if (store.GetSetting(settings::keys::IntroEmailCreated) == settings::IntroEmailCreatedMarker) return;
        auto file = session->GetMessageFromMsgFile(platform::JoinPath(p_.host.system.addinFolder(), IntroMessageFile));
        // Marked before the copy: the attempt is made once.
        store.SaveSetting(settings::keys::IntroEmailCreated, settings::IntroEmailCreatedMarker);
        auto created = core::vb::Need(session->GetDefaultFolder(InboxFolder))->AddMessage("IPM.Note");
        created->SetSent(true);
        created->SetUnRead(true);
        created->Save();
        auto message = core::vb::Need(session->GetMessageFromID(created->EntryID()));
        file->CopyTo(*message);
        const platform::DateTime now = p_.host.clock.now();
        message->SetSentOn(now);
        message->SetReceivedTime(now);
        message->Save();
    } catch (const platform::PlatformError&) {
        // No message file, no Inbox: the user simply gets no introduction.
    }
}

}  // namespace corvane::wizard
