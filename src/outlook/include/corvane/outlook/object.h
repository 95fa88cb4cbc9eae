#pragma once
// The roots of the Outlook object model seam and the Outlook constants the add-in and the
// host share. Every object is held by std::shared_ptr; a null pointer is Outlook's
// Nothing; two references denote the same Outlook object exactly when the pointers are
// equal. A member that fails throws platform::PlatformError with Outlook's number and
// text (platform::errors).
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "corvane/outlook/fwd.h"
#include "corvane/platform/datetime.h"

namespace corvane::outlook {

// Anything a late-bound call can hand over (CreateObject, macro arguments, ribbon
// callbacks). The add-in's own creatable classes derive from it.
class Dispatch {
public:
    virtual ~Dispatch() = default;
};

// An object of the Outlook object model: it reports its OlObjectClass.
class Object : public Dispatch {
public:
    virtual int Class() = 0;
};

// A late-bound argument, as Word's Run and the ribbon callbacks pass them. By-reference
// arguments are passed as a vector the callee may change.
using Variant = std::variant<std::monostate, bool, std::int32_t, double, std::string, platform::DateTime,
                             std::shared_ptr<Dispatch>>;

// An object called by name with late-bound arguments, as a macro calls the object it
// created; by-reference arguments come back changed. False when it has no such method.
class Invocable : public Dispatch {
public:
    virtual bool Invoke(std::string_view method, std::vector<Variant>& args) = 0;
};

// OlObjectClass.
namespace olclass {
inline constexpr int Application = 0;
inline constexpr int NameSpace = 1;
inline constexpr int Folder = 2;
inline constexpr int Recipient = 4;
inline constexpr int Attachment = 5;
inline constexpr int AddressEntry = 8;
inline constexpr int Folders = 15;
inline constexpr int Items = 16;
inline constexpr int Recipients = 17;
inline constexpr int Attachments = 18;
inline constexpr int AddressEntries = 21;
inline constexpr int Explorer = 34;
inline constexpr int Inspector = 35;
inline constexpr int UserProperties = 38;
inline constexpr int UserProperty = 39;
inline constexpr int Contact = 40;
inline constexpr int Mail = 43;
inline constexpr int Note = 44;
inline constexpr int Post = 45;
inline constexpr int Report = 46;
inline constexpr int MeetingRequest = 53;
inline constexpr int Explorers = 60;
inline constexpr int Inspectors = 61;
inline constexpr int Selection = 74;
inline constexpr int Account = 105;
inline constexpr int Accounts = 106;
}  // namespace olclass

// OlItemType, the argument of CreateItem.
namespace olitem {
inline constexpr int Mail = 0;
inline constexpr int Contact = 2;
inline constexpr int Note = 5;
inline constexpr int Post = 6;
}  // namespace olitem

// OlDefaultFolders.
namespace olfolder {
inline constexpr int DeletedItems = 3;
inline constexpr int Outbox = 4;
inline constexpr int SentMail = 5;
inline constexpr int Inbox = 6;
inline constexpr int Calendar = 9;
inline constexpr int Contacts = 10;
inline constexpr int Journal = 11;
inline constexpr int Notes = 12;
inline constexpr int Tasks = 13;
inline constexpr int Drafts = 16;
}  // namespace olfolder

// OlMailRecipientType.
namespace olrecipient {
inline constexpr int Originator = 0;
inline constexpr int To = 1;
inline constexpr int CC = 2;
inline constexpr int BCC = 3;
}  // namespace olrecipient

// OlDisplayType of an address entry.
namespace oldisplay {
inline constexpr int User = 0;
inline constexpr int DistList = 1;
inline constexpr int Forum = 2;
inline constexpr int Agent = 3;
inline constexpr int Organization = 4;
inline constexpr int PrivateDistList = 5;
inline constexpr int RemoteUser = 6;
}  // namespace oldisplay

// OlEditorType of an Inspector.
namespace oleditor {
inline constexpr int Text = 1;
inline constexpr int HTML = 2;
inline constexpr int RTF = 3;
inline constexpr int Word = 4;
}  // namespace oleditor

// OlBodyFormat.
namespace olformat {
inline constexpr int Plain = 1;
inline constexpr int HTML = 2;
inline constexpr int RichText = 3;
}  // namespace olformat

// OlInspectorClose / OlItemClose save modes.
namespace olsave {
inline constexpr int Save = 0;
inline constexpr int Discard = 1;
inline constexpr int PromptForSave = 2;
}  // namespace olsave

// OlUserPropertyType.
namespace olprop {
inline constexpr int Text = 1;
inline constexpr int Number = 3;
inline constexpr int DateTime = 5;
inline constexpr int YesNo = 6;
}  // namespace olprop

// OlAccountType.
namespace olaccount {
inline constexpr int Exchange = 0;
inline constexpr int Imap = 1;
inline constexpr int Pop3 = 2;
inline constexpr int Http = 3;
inline constexpr int Other = 5;
}  // namespace olaccount

}  // namespace corvane::outlook
