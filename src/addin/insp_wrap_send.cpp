// Stage 1 of the send pipeline: the message window's own send event.
#include "corvane/addin/insp_wrap.h"
#include "corvane/addin/word_macro.h"
#include "corvane/platform/conventions.h"
#include "corvane/platform/error.h"

namespace corvane::addin {

void clsInspWrap::m_ObjMail_Send(bool& cancel) {
    auto self = shared_from_this();
    auto& sub = process_.subsystems;
    const std::shared_ptr<outlook::Item> mail = m_ObjMail.get();
    try {
        if (sub.resolution->EntryIdFails(process_, mail)) return;
        if (WordEditorMode(process_)) {
            // Word runs the subject prompt; Outlook 2000 with Word has none here.
            if (core::OutlookMajorVersion(process_) != "9") {
                std::vector<outlook::Variant> args{std::shared_ptr<outlook::Dispatch>(mail), cancel};
                RunWordMacro(process_, "cvEmptySubjectCheckWord", args);
                cancel = cancel || VariantBool(args[1]);
            }
        } else {
            sub.windowChecks->cvEmptySubjectCheck(process_, mail, cancel);
        }
        if (!cancel) sub.windowChecks->cvAttachMissingCheck(process_, mail, cancel);
    } catch (const platform::PlatformError& e) {
        platform::ReportCheckError(process_.host.ui, process_.appTitle, "m_ObjMail_Send", e);
    }
}

}  // namespace corvane::addin
