// cvEmptySubjectCheck: a message sent without a subject asks for one.
#include "corvane/checks/basCorvane_subject.h"
#include "corvane/checks/frmNoSubject.h"
#include "corvane/core/vb_errors.h"
#include "corvane/outlook/items.h"
#include "corvane/platform/conventions.h"
#include "corvane/settings/prompt_sound.h"
#include "corvane/text/text.h"

namespace corvane::checks::basCorvane {

void cvEmptySubjectCheck(core::AddinProcess& process, const std::shared_ptr<outlook::Item>& item, bool& Cancel) {
    try {
        if (!process.regKeys().CheckEmptySubject()) return;
        const auto& mail = core::vb::Need(item);
        const std::string subject = mail->Subject();
        if (!text::trim(subject).empty()) return;

        frmNoSubject frm(process.appTitle);
        frm.fill(subject);
        settings::PlayPromptSound(process.store(), process.host.ui);
        frm.show(process.host.ui);
        if (frm.cancelled) {
            Cancel = true;  // the message stays open
        } else {
            // Even an empty text: the user chose to send without a subject.
            mail->SetSubject(frm.subject);
        }
        frm.unload();
    } catch (const platform::PlatformError& e) {
        platform::ReportCheckError(process.host.ui, process.appTitle, "cvEmptySubjectCheck", e);
    }
}

}  // namespace corvane::checks::basCorvane
