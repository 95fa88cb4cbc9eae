#include "corvane/checks/attach_missing.h"

namespace corvane::checks::basCorvane {

AttachCheckOutcome AnalyseAttachMissing(std::string_view subject, std::string_view body,
                                        std::span<const AttachmentInfo> attachments, std::string_view htmlBody,
                                        const AttachCheckSettings& settings) {
    const std::string_view newText = CutQuotedMessage(body);
    if (HasRealAttachment(attachments, htmlBody, settings.ignoreAttach, settings.ignoreAttachValue))
        return AttachCheckOutcome::RealAttachmentPresent;
    const std::string text = BuildSearchText(subject, newText, settings.ignoreText, settings.ignoreTextValue);
    return ContainsAttachKeyword(text, settings.attachKeyWords) ? AttachCheckOutcome::Prompt
                                                                : AttachCheckOutcome::NoKeyword;
}

}  // namespace corvane::checks::basCorvane
