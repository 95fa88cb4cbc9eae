#pragma once
// Forward declarations of the Outlook object model seam, for headers that only pass
// objects along.
#include "corvane/mapi/fwd.h"

namespace corvane::outlook {
class Dispatch;
class Object;
class Connection;
class Application;
class NameSpace;
class Explorers;
class Explorer;
class Inspectors;
class Inspector;
class Selection;
class Item;
class MailItem;
class PostItem;
class ReportItem;
class MeetingItem;
class ContactItem;
class NoteItem;
class Recipients;
class Recipient;
class AddressEntry;
class AddressEntries;
class Attachments;
class Attachment;
class UserProperties;
class UserProperty;
class Folder;
class Folders;
class Items;
class Accounts;
class Account;
class CommandBars;
class CommandBar;
class CommandBarControls;
class CommandBarControl;
class CommandBarPopup;
class CommandBarButton;
class ApplicationEvents;
class ExplorersEvents;
class ExplorerEvents;
class InspectorsEvents;
class InspectorEvents;
class ItemEvents;
class CommandBarButtonEvents;
namespace word {
class Application;
class Document;
class AddIns;
class AddIn;
class Templates;
class Template;
}  // namespace word
}  // namespace corvane::outlook
