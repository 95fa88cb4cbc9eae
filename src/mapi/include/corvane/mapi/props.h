#pragma once
// Extended-MAPI properties: 32-bit tags (property id in the high word, type in the low
// word) and their values. A string property reads the same through its PT_STRING8 (001E)
// and PT_UNICODE (001F) tags; text is UTF-8 either way.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "corvane/platform/datetime.h"

namespace corvane::mapi {

using PropTag = std::uint32_t;
using Binary = std::vector<std::uint8_t>;

// Empty (std::monostate) when the object does not have the property.
using PropValue = std::variant<std::monostate, std::int32_t, bool, std::string, platform::DateTime,
                               std::vector<std::string>, Binary>;

constexpr PropTag MakeTag(std::uint16_t id, std::uint16_t type) noexcept {
    return (static_cast<PropTag>(id) << 16) | type;
}
constexpr std::uint16_t PropId(PropTag tag) noexcept { return static_cast<std::uint16_t>(tag >> 16); }
constexpr std::uint16_t PropType(PropTag tag) noexcept { return static_cast<std::uint16_t>(tag & 0xFFFFu); }

namespace pt {
inline constexpr std::uint16_t Unspecified = 0x0000;
inline constexpr std::uint16_t I2 = 0x0002;
inline constexpr std::uint16_t Long = 0x0003;
inline constexpr std::uint16_t Error = 0x000A;
inline constexpr std::uint16_t Boolean = 0x000B;
inline constexpr std::uint16_t String8 = 0x001E;
inline constexpr std::uint16_t Unicode = 0x001F;
inline constexpr std::uint16_t SysTime = 0x0040;
inline constexpr std::uint16_t Binary = 0x0102;
inline constexpr std::uint16_t MvString8 = 0x101E;
inline constexpr std::uint16_t MvUnicode = 0x101F;
}  // namespace pt

// A string property under its other type: the add-in names string properties by their
// PT_STRING8 tags (001E, 101E), the access component reads their Unicode form (001F,
// 101F). Every other tag stays as it is.
constexpr PropTag String8Tag(PropTag tag) noexcept {
    return PropType(tag) == pt::Unicode || PropType(tag) == pt::MvUnicode ? tag & ~PropTag{1} : tag;
}
constexpr PropTag UnicodeTag(PropTag tag) noexcept {
    return PropType(tag) == pt::String8 || PropType(tag) == pt::MvString8 ? tag | PropTag{1} : tag;
}

// Entry ids and other binary values as the object model shows them: two upper-case
// hexadecimal digits a byte. Reading stops at the first pair that is not hexadecimal.
std::string HexFromBinary(const Binary& bytes);
Binary BinaryFromHex(std::string_view hex);

// The tags the add-in and the host use.
namespace tags {
inline constexpr PropTag AccountSendStamp = 0x000E001F;              // account: PROP_ACCT_SEND_STAMP
inline constexpr PropTag MessageClass = 0x001A001F;                  // PR_MESSAGE_CLASS
inline constexpr PropTag Subject = 0x0037001F;                       // PR_SUBJECT
inline constexpr PropTag ClientSubmitTime = 0x00390040;              // PR_CLIENT_SUBMIT_TIME
inline constexpr PropTag SentRepresentingName = 0x0042001F;          // PR_SENT_REPRESENTING_NAME
inline constexpr PropTag SentRepresentingAddrType = 0x0064001F;      // PR_SENT_REPRESENTING_ADDRTYPE
inline constexpr PropTag SentRepresentingEmailAddress = 0x0065001F;  // PR_SENT_REPRESENTING_EMAIL_ADDRESS
inline constexpr PropTag RecipientType = 0x0C150003;                 // PR_RECIPIENT_TYPE
inline constexpr PropTag SenderName = 0x0C1A001F;                    // PR_SENDER_NAME
inline constexpr PropTag SenderAddrType = 0x0C1E001F;                // PR_SENDER_ADDRTYPE
inline constexpr PropTag SenderEmailAddress = 0x0C1F001F;            // PR_SENDER_EMAIL_ADDRESS
inline constexpr PropTag DisplayBcc = 0x0E02001F;                    // PR_DISPLAY_BCC
inline constexpr PropTag DisplayCc = 0x0E03001F;                     // PR_DISPLAY_CC
inline constexpr PropTag DisplayTo = 0x0E04001F;                     // PR_DISPLAY_TO
inline constexpr PropTag MessageDeliveryTime = 0x0E060040;           // PR_MESSAGE_DELIVERY_TIME
inline constexpr PropTag MessageFlags = 0x0E070003;                  // PR_MESSAGE_FLAGS
inline constexpr PropTag PrimarySendAccount = 0x0E28001F;            // PR_PRIMARY_SEND_ACCT
inline constexpr PropTag NextSendAccount = 0x0E29001F;               // PR_NEXT_SEND_ACCT
inline constexpr PropTag StoreEntryId = 0x0FFB0102;                  // PR_STORE_ENTRYID
inline constexpr PropTag ObjectType = 0x0FFE0003;                    // PR_OBJECT_TYPE
inline constexpr PropTag EntryId = 0x0FFF0102;                       // PR_ENTRYID
inline constexpr PropTag Body = 0x1000001F;                          // PR_BODY
inline constexpr PropTag BodyHtml = 0x1013001F;                      // PR_BODY_HTML
inline constexpr PropTag DisplayName = 0x3001001F;                   // PR_DISPLAY_NAME
inline constexpr PropTag AddrType = 0x3002001F;                      // PR_ADDRTYPE
inline constexpr PropTag EmailAddress = 0x3003001F;                  // PR_EMAIL_ADDRESS
inline constexpr PropTag CreationTime = 0x30070040;                  // PR_CREATION_TIME
inline constexpr PropTag LastModificationTime = 0x30080040;          // PR_LAST_MODIFICATION_TIME
inline constexpr PropTag AttachFilename = 0x3704001F;                // PR_ATTACH_FILENAME
inline constexpr PropTag AttachLongFilename = 0x3707001F;            // PR_ATTACH_LONG_FILENAME
inline constexpr PropTag AttachContentId = 0x3712001F;               // PR_ATTACH_CONTENT_ID
inline constexpr PropTag DisplayType = 0x39000003;                   // PR_DISPLAY_TYPE
inline constexpr PropTag SmtpAddress = 0x39FE001F;                   // PR_SMTP_ADDRESS
inline constexpr PropTag DeferredDeliveryTime = 0x3FEF0040;          // PR_DEFERRED_DELIVERY_TIME
inline constexpr PropTag ProxyAddresses = 0x800F101F;                // PR_EMS_AB_PROXY_ADDRESSES
// Outlook's named properties for the sending account, at the tags a store maps them to.
inline constexpr PropTag OutlookAccountName = 0x812C001F;
inline constexpr PropTag OutlookAccountStamp = 0x812D001F;
}  // namespace tags

// PR_MESSAGE_FLAGS bits.
namespace msgflag {
inline constexpr std::int32_t Read = 0x0001;
inline constexpr std::int32_t Unmodified = 0x0002;
inline constexpr std::int32_t Submit = 0x0004;
inline constexpr std::int32_t Unsent = 0x0008;
inline constexpr std::int32_t HasAttach = 0x0010;
}  // namespace msgflag

// PR_OBJECT_TYPE values.
namespace objtype {
inline constexpr std::int32_t Store = 1;
inline constexpr std::int32_t Folder = 3;
inline constexpr std::int32_t Message = 5;
inline constexpr std::int32_t MailUser = 6;
inline constexpr std::int32_t Attach = 7;
inline constexpr std::int32_t DistList = 8;
}  // namespace objtype

}  // namespace corvane::mapi
