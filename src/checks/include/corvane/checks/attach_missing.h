#pragma once
// The text analysis of cvAttachMissingCheck: does the subject or the new text of a message
// mention an attachment ("attached", "enclosed"...) while it carries none? The wiring reads
// the item through the secure mail item and the settings, calls AnalyseAttachMissing (or
// its steps), and asks the user when the answer is Prompt.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::checks::basCorvane {

inline constexpr std::string_view kAttachMissingTitle = "Attachment(s) missing";
inline constexpr std::string_view kAttachMissingPrompt =
    "The text of this email indicates that you may have intended to send it with attachments.\r\n\r\n"
    "However no files were attached.\r\n\r\n"
    "Do you want to send this e-mail without attachments?";

// The first header block Outlook writes above a quoted message: a line holding "From:",
// the next line holding "Sent:", the one after it holding "To:" (English, exact case,
// lines ended by CR LF). Returns the offset of that "From:". Throws PlatformError 5 when a
// block's lines are cut short (no further line break).
std::optional<std::size_t> FindHeaderBlock(std::string_view body);

// The new text of a reply or forward: body up to and including the "F" of the quoted
// message's "From:", or the whole body when there is no header block.
std::string_view CutQuotedMessage(std::string_view body);

// Upper-cased subject, CR LF, upper-cased body; non-breaking spaces turned into spaces;
// with ignoreText, each occurrence of the ignored block (IgnoreTextValue trimmed and
// upper-cased) replaced by one space.
std::string BuildSearchText(std::string_view subject, std::string_view body, bool ignoreText,
                            std::string_view ignoreTextValue);

struct AttachmentInfo {
    std::string filename;
    std::string contentId;  // MAPI property 0x3712001E, empty when there is none
};

enum class AttachmentKind {
    InlinePicture,  // its content id occurs in the HTML body (ignoring case)
    Ignored,        // named in IgnoreAttachValue while IgnoreAttach is on
    Real,
};

AttachmentKind ClassifyAttachment(const AttachmentInfo& attachment, std::string_view htmlBody, bool ignoreAttach,
                                  std::span<const std::string> ignoreNames);

// Looks at the attachments from the first on and stops at the first real one.
// ignoreAttachValue: the names to ignore joined by ";".
bool HasRealAttachment(std::span<const AttachmentInfo> attachments, std::string_view htmlBody, bool ignoreAttach,
                       std::string_view ignoreAttachValue);

// Whether any keyword of AttachKeyWords (joined by ";"), upper-cased and untrimmed, occurs
// in text as a plain substring ("attach" occurs in "REATTACHED"). An empty keyword occurs
// in every text.
bool ContainsAttachKeyword(std::string_view text, std::string_view attachKeyWords);

struct AttachCheckSettings {
    std::string attachKeyWords;     // AttachKeyWords
    bool ignoreText = false;        // IgnoreText
    std::string ignoreTextValue;    // IgnoreTextValue
    bool ignoreAttach = false;      // IgnoreAttach
    std::string ignoreAttachValue;  // IgnoreAttachValue
};

enum class AttachCheckOutcome {
    RealAttachmentPresent,  // nothing to ask
    NoKeyword,              // no attachment, but nothing mentions one
    Prompt,                 // ask whether to send without attachments
};

// htmlBody is only looked at when there are attachments. Throws PlatformError 5 for a
// header block cut short, before the attachments are looked at.
AttachCheckOutcome AnalyseAttachMissing(std::string_view subject, std::string_view body,
                                        std::span<const AttachmentInfo> attachments, std::string_view htmlBody,
                                        const AttachCheckSettings& settings);

}  // namespace corvane::checks::basCorvane
