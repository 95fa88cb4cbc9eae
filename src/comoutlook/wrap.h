#pragma once
// The wrappers of each Outlook and Word type, made through the map (Objects::wrap) so
// each COM object has one. Each is defined beside its type's wrapper class.
#include <memory>

#include "corvane/commapi/commapi.h"
#include "corvane/comoutlook/objects.h"
#include "corvane/outlook/accounts.h"
#include "corvane/outlook/application.h"
#include "corvane/outlook/attachments.h"
#include "corvane/outlook/command_bars.h"
#include "corvane/outlook/events.h"
#include "corvane/outlook/explorer.h"
#include "corvane/outlook/folders.h"
#include "corvane/outlook/inspector.h"
#include "corvane/outlook/items.h"
#include "corvane/outlook/recipients.h"
#include "corvane/outlook/word.h"

namespace corvane::comoutlook {

using Dispatched = ComPtr<IDispatch>;

std::shared_ptr<outlook::Application> WrapApplication(Objects& objects, const Dispatched& object);
std::shared_ptr<outlook::NameSpace> WrapNameSpace(Objects& objects, const Dispatched& object);
std::shared_ptr<outlook::Explorers> WrapExplorers(Objects& objects, const Dispatched& object);
std::shared_ptr<outlook::Explorer> WrapExplorer(Objects& objects, const Dispatched& object);
std::shared_ptr<outlook::Selection> WrapSelection(Objects& objects, const Dispatched& object);
std::shared_ptr<outlook::Inspectors> WrapInspectors(Objects& objects, const Dispatched& object);
std::shared_ptr<outlook::Inspector> WrapInspector(Objects& objects, const Dispatched& object);

std::shared_ptr<outlook::Folder> WrapFolder(Objects& objects, const Dispatched& object);
std::shared_ptr<outlook::Folders> WrapFolders(Objects& objects, const Dispatched& object);
std::shared_ptr<outlook::Items> WrapItems(Objects& objects, const Dispatched& object);
std::shared_ptr<outlook::Accounts> WrapAccounts(Objects& objects, const Dispatched& object);
std::shared_ptr<outlook::Account> WrapAccount(Objects& objects, const Dispatched& object);

// An item of an OlObjectClass: the class's own wrapper, a plain Item for the classes the
// add-in does not tell apart.
std::shared_ptr<outlook::Item> WrapItemOfClass(Objects& objects, const Dispatched& object, int objectClass);
std::shared_ptr<outlook::MailItem> WrapMailItem(Objects& objects, const Dispatched& object);
std::shared_ptr<outlook::MeetingItem> WrapMeetingItem(Objects& objects, const Dispatched& object);

std::shared_ptr<outlook::Recipients> WrapRecipients(Objects& objects, const Dispatched& object);
std::shared_ptr<outlook::Recipient> WrapRecipient(Objects& objects, const Dispatched& object);
std::shared_ptr<outlook::AddressEntry> WrapAddressEntry(Objects& objects, const Dispatched& object);
std::shared_ptr<outlook::AddressEntries> WrapAddressEntries(Objects& objects, const Dispatched& object);
std::shared_ptr<outlook::Attachments> WrapAttachments(Objects& objects, const Dispatched& object);
std::shared_ptr<outlook::Attachment> WrapAttachment(Objects& objects, const Dispatched& object);
std::shared_ptr<outlook::UserProperties> WrapUserProperties(Objects& objects, const Dispatched& object);
std::shared_ptr<outlook::UserProperty> WrapUserProperty(Objects& objects, const Dispatched& object);

std::shared_ptr<outlook::CommandBars> WrapCommandBars(Objects& objects, const Dispatched& object);
std::shared_ptr<outlook::CommandBar> WrapCommandBar(Objects& objects, const Dispatched& object);
std::shared_ptr<outlook::CommandBarControls> WrapCommandBarControls(Objects& objects, const Dispatched& object);
// A control by its MsoControlType: a button, a popup, or a plain control.
std::shared_ptr<outlook::CommandBarControl> WrapCommandBarControl(Objects& objects, const Dispatched& object);

std::shared_ptr<outlook::word::Document> WrapWordDocument(Objects& objects, const Dispatched& object);
std::shared_ptr<outlook::word::Application> WrapWordApplication(Objects& objects, const Dispatched& object);

// Each event source's registration (events.cpp): a sink on the source's connection point
// for as long as the Connection lasts.
outlook::Connection AdviseEvents(Objects& objects, IDispatch* source,
                                 const std::shared_ptr<outlook::ApplicationEvents>& sink);
outlook::Connection AdviseEvents(Objects& objects, IDispatch* source,
                                 const std::shared_ptr<outlook::ExplorersEvents>& sink);
outlook::Connection AdviseEvents(Objects& objects, IDispatch* source,
                                 const std::shared_ptr<outlook::ExplorerEvents>& sink);
outlook::Connection AdviseEvents(Objects& objects, IDispatch* source,
                                 const std::shared_ptr<outlook::InspectorsEvents>& sink);
outlook::Connection AdviseEvents(Objects& objects, IDispatch* source,
                                 const std::shared_ptr<outlook::InspectorEvents>& sink);
outlook::Connection AdviseEvents(Objects& objects, IDispatch* source,
                                 const std::shared_ptr<outlook::ItemEvents>& sink);
outlook::Connection AdviseEvents(Objects& objects, IDispatch* source,
                                 const std::shared_ptr<outlook::CommandBarButtonEvents>& sink);

// The session of an item's MAPIOBJECT, through its NameSpace (Item.Session, Outlook 2002
// and later); nullptr where Outlook does not give it.
ComPtr<IUnknown> MapiSessionOf(const LateBound& item);

}  // namespace corvane::comoutlook
