#include "corvane/checks/attach_missing.h"
#include "corvane/text/text.h"

namespace corvane::checks::basCorvane {

AttachmentKind ClassifyAttachment(const AttachmentInfo& attachment, std::string_view htmlBody, bool ignoreAttach,
                                  std::span<const std::string> ignoreNames) {
    if (!attachment.contentId.empty() && text::containsNoCase(htmlBody, attachment.contentId))
        return AttachmentKind::InlinePicture;
    if (!ignoreAttach) return AttachmentKind::Real;
    const std::string name = text::trim(attachment.filename);
    for (const auto& ignored : ignoreNames)
        if (text::equalsNoCase(text::trim(ignored), name)) return AttachmentKind::Ignored;
    return AttachmentKind::Real;
}

bool HasRealAttachment(std::span<const AttachmentInfo> attachments, std::string_view htmlBody, bool ignoreAttach,
                       std::string_view ignoreAttachValue) {
    const std::vector<std::string> ignoreNames = text::split(ignoreAttachValue, ";");
    for (const auto& attachment : attachments)
        if (ClassifyAttachment(attachment, htmlBody, ignoreAttach, ignoreNames) == AttachmentKind::Real) return true;
    return false;
}

}  // namespace corvane::checks::basCorvane
