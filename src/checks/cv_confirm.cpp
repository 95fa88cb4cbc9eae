// The send confirmation (every message, or messages to listed addresses) and the
// recipient-count confirmation, both asked with the same Yes/No box. Failures here go to
// the send event, which stops the send.
#include "corvane/access/factory.h"
#include "corvane/access/safe_mail_item.h"
#include "corvane/checks/basCorvane_send.h"
#include "corvane/checks/entry_points.h"
#include "corvane/platform/conventions.h"
#include "corvane/platform/error.h"
#include "corvane/settings/prompt_sound.h"
#include "corvane/text/text.h"

namespace corvane::checks::basCorvane {
namespace {

constexpr int ConfirmEveryMessage = 1;
constexpr int ConfirmListedAddresses = 2;

}  // namespace

bool AskToSend(core::AddinProcess& p, std::string_view question) {
    settings::PlayPromptSound(p.store(), p.host.ui);
    const int answer = platform::ShowMessageBox(p.host.ui, ConfirmationPrompt(question),
                                                platform::mb::InformationYesNo,
                                                platform::MessageTitle(kConfirmTitle, p.appTitle));
    return answer == platform::mb::IdYes;
}

checks::Confirmation ConfirmSend(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item) {
    // The question names the first To entry whether or not it is asked.
    const std::string first = GetFirstTORecipient(p, item);
    const int mode = p.regKeys().DisplayConfirmation();
    const bool ask = mode == ConfirmEveryMessage || (mode == ConfirmListedAddresses && AtLeast1EmailInRecipt(p, item));
    if (!ask) return checks::Confirmation::NotAsked;
    return AskToSend(p, first) ? checks::Confirmation::Yes : checks::Confirmation::No;
}

bool ConfirmRecipientCount(core::AddinProcess& p, const std::shared_ptr<outlook::Item>& item) {
    auto keys = p.regKeys();
    if (!keys.ConfirmForXRecipients()) return true;
    const auto limit = text::wholeNumber(keys.XRecipients());
    if (!limit) throw platform::PlatformError(platform::errors::TypeMismatch);

    int count = 0;
    {
        auto safe = access::CreateAccessObject<access::SafeMailItem>(*p.access);
        safe->SetItem(item);
        platform::IgnoreErrors([&] { safe->Save(); });
        // Every To, Cc and Bcc entry; a distribution list is one entry.
        count = safe->Recipients()->Count();
    }
    if (count <= *limit) return true;
    return AskToSend(p, GetFirstTORecipient(p, item));
}

}  // namespace corvane::checks::basCorvane
