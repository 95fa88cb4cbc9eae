// Outlook's members by name over the seam's interfaces, and the conversions between
// VARIANTs and the seam's values.
#include "members.h"

#include "mapi_faces.h"

#include <oleauto.h>

#include <cctype>

#include "corvane/comoutlook/objects.h"
#include "corvane/comoutlook/value.h"
#include "corvane/outlook/accounts.h"
#include "corvane/outlook/addin.h"
#include "corvane/outlook/application.h"
#include "corvane/outlook/attachments.h"
#include "corvane/outlook/command_bars.h"
#include "corvane/outlook/explorer.h"
#include "corvane/outlook/folders.h"
#include "corvane/outlook/inspector.h"
#include "corvane/outlook/items.h"
#include "corvane/outlook/recipients.h"
#include "corvane/outlook/word.h"
#include "corvane/platform/error.h"

namespace corvane::simcom {

namespace ol = outlook;
using comoutlook::ComPtr;
using comoutlook::Value;

bool NameLess::operator()(std::string_view a, std::string_view b) const noexcept {
    const auto lower = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) return lower(a[i]) < lower(b[i]);
    }
    return a.size() < b.size();
}

// --- Arguments --------------------------------------------------------------------------

namespace {

// A copy of an argument with any reference followed, for Automation's conversions.
Value Direct(const VARIANT& raw) {
    Value copy;
    if (FAILED(VariantCopyInd(&copy.raw(), const_cast<VARIANT*>(&raw)))) Call::TypeMismatch();
    return copy;
}

}  // namespace

void Call::TypeMismatch() { throw platform::PlatformError(platform::errors::TypeMismatch); }

Call::Call(Faces& faces, DISPPARAMS& params)
    : faces_(&faces), params_(&params), positional_(params.cArgs - params.cNamedArgs) {}

const VARIANT& Call::arg(std::size_t index) const {
    if (index == Assigned) {
        if (params_->cNamedArgs == 0 || params_->cArgs == 0) throw DispatchFailure{DISP_E_BADPARAMCOUNT};
        return params_->rgvarg[0];
    }
    // Named arguments (a property put's value) come first in rgvarg; the positional ones
    // follow, last first.
    if (index >= positional_) throw DispatchFailure{DISP_E_BADPARAMCOUNT};
    return params_->rgvarg[params_->cArgs - 1 - index];
}

bool Call::given(std::size_t index) const {
    if (index >= positional_) return false;
    const VARIANT& raw = arg(index);
    return !(V_VT(&raw) == VT_ERROR && V_ERROR(&raw) == DISP_E_PARAMNOTFOUND);
}

bool Call::isText(std::size_t index) const { return Direct(arg(index)).type() == VT_BSTR; }
std::string Call::text(std::size_t index) const { return Direct(arg(index)).text(); }
std::int32_t Call::number(std::size_t index) const { return Direct(arg(index)).number(); }
bool Call::flag(std::size_t index) const { return Direct(arg(index)).boolean(); }
platform::DateTime Call::date(std::size_t index) const { return Direct(arg(index)).date(); }
std::shared_ptr<ol::Dispatch> Call::object(std::size_t index) const {
    auto value = FromVariant(*faces_, arg(index));
    if (std::holds_alternative<std::monostate>(value)) return nullptr;
    if (auto* object = std::get_if<std::shared_ptr<ol::Dispatch>>(&value)) return *object;
    TypeMismatch();
}
ol::Variant Call::variant(std::size_t index) const { return FromVariant(*faces_, arg(index)); }

void Call::writeBack(std::size_t index, const ol::Variant& value) const {
    const VARIANT& raw = arg(index);
    if (V_VT(&raw) != (VT_BYREF | VT_VARIANT) || V_VARIANTREF(&raw) == nullptr) return;
    VARIANT* target = V_VARIANTREF(&raw);
    VariantClear(target);
    ToVariant(*faces_, value, *target);
}

// --- Values -----------------------------------------------------------------------------

void ToVariant(Faces& faces, const ol::Variant& value, VARIANT& out) {
    Value made = comoutlook::Objects::ValueOf(value, [&faces](const std::shared_ptr<ol::Dispatch>& object) {
        // A MAPIOBJECT is an IUnknown of Extended MAPI, not a face.
        if (const auto* mapiValue = dynamic_cast<const MapiObjectValue*>(object.get())) {
            VARIANT unknown;
            VariantInit(&unknown);
            V_VT(&unknown) = VT_UNKNOWN;
            V_UNKNOWN(&unknown) = MapiFaceOf(faces, *mapiValue);
            return Value::adopt(unknown);
        }
        return Value(ComPtr<IDispatch>::adopt(faces.faceOf(object)).get());
    });
    out = made.raw();
    VariantInit(&made.raw());
}

ol::Variant FromVariant(const Faces& faces, const VARIANT& raw) {
    Value value = Direct(raw);
    if (value.type() == VT_ERROR) return std::monostate();  // an optional argument left out
    return comoutlook::Objects::VariantOf(value, [&faces](const ComPtr<IDispatch>& object) {
        if (!object) return std::shared_ptr<ol::Dispatch>();
        auto seam = faces.objectOf(object.get());
        if (!seam) Call::TypeMismatch();  // only Outlook's own objects are handed to Outlook
        return seam;
    });
}

// --- Tables -----------------------------------------------------------------------------

namespace {

std::map<std::string, DISPID, NameLess>& Ids() {
    static std::map<std::string, DISPID, NameLess> ids;
    return ids;
}
std::map<DISPID, std::string>& Names() {
    static std::map<DISPID, std::string> names;
    return names;
}

template <class R>
ol::Variant Out(R&& value) {
    using T = std::decay_t<R>;
    if constexpr (std::is_same_v<T, int>)
        return static_cast<std::int32_t>(value);
    else if constexpr (std::is_same_v<T, std::string> || std::is_same_v<T, bool> || std::is_same_v<T, double> ||
                       std::is_same_v<T, platform::DateTime>)
        return ol::Variant(std::forward<R>(value));
    else
        return std::shared_ptr<ol::Dispatch>(std::forward<R>(value));
}

template <class A>
A In(const Call& call, std::size_t index) {
    if constexpr (std::is_same_v<A, std::string>)
        return call.text(index);
    else if constexpr (std::is_same_v<A, int>)
        return call.number(index);
    else if constexpr (std::is_same_v<A, bool>)
        return call.flag(index);
    else if constexpr (std::is_same_v<A, platform::DateTime>)
        return call.date(index);
    else
        return call.objectAs<typename A::element_type>(index);
}

template <class T>
class Table {
public:
    explicit Table(std::string_view typeName) {
        kind_.typeName = typeName;
        kind_.is = [](ol::Dispatch& object) { return dynamic_cast<T*>(&object) != nullptr; };
    }

    // A property, or a method without arguments.
    template <class R>
    Table& get(std::string_view name, R (T::*getter)()) {
        return method(name, [getter](T& self, const Call&) -> ol::Variant {
            if constexpr (std::is_void_v<R>) {
                (self.*getter)();
                return std::monostate();
            } else {
                return Out((self.*getter)());
            }
        });
    }
    template <class R, class A>
    Table& prop(std::string_view name, R (T::*getter)(), void (T::*setter)(A)) {
        get(name, getter);
        member(name).put = [setter](ol::Dispatch& object, const Call& call) {
            (dynamic_cast<T&>(object).*setter)(In<std::decay_t<A>>(call, Call::Assigned));
        };
        return *this;
    }
    template <class F>
    Table& method(std::string_view name, F body) {
        member(name).get = [body](ol::Dispatch& object, const Call& call) -> ol::Variant {
            return body(dynamic_cast<T&>(object), call);
        };
        return *this;
    }
    // A method without a result.
    template <class F>
    Table& action(std::string_view name, F body) {
        return method(name, [body](T& self, const Call& call) -> ol::Variant {
            body(self, call);
            return std::monostate();
        });
    }
    // A window's Display(Modal) and Close(SaveMode).
    Table& displayAndClose() {
        action("Display", [](T& self, const Call& c) { self.Display(c.given(0) && c.flag(0)); });
        return action("Close", [](T& self, const Call& c) { self.Close(c.number(0)); });
    }
    // MAPIOBJECT: the Extended-MAPI object behind this one, an IUnknown.
    Table& mapiObject() {
        return method("MAPIOBJECT", [](T& self, const Call&) -> ol::Variant {
            std::shared_ptr<mapi::PropertyObject> object = self.MAPIOBJECT();
            if (!object) return std::monostate();
            return std::shared_ptr<ol::Dispatch>(std::make_shared<MapiObjectValue>(std::move(object)));
        });
    }
    // Remove(Index) of a collection.
    Table& removable() {
        return action("Remove", [](T& self, const Call& c) { self.Remove(c.number(0)); });
    }
    // What a received item has: its attachments, its sender and time, Reply and Forward.
    Table& received() {
        return get("Attachments", &T::Attachments)
            .get("SenderName", &T::SenderName)
            .get("SenderEmailAddress", &T::SenderEmailAddress)
            .get("ReceivedTime", &T::ReceivedTime)
            .get("Reply", &T::Reply)
            .get("Forward", &T::Forward);
    }
    // Count and Item(index) of a collection.
    Table& collection() {
        get("Count", &T::Count);
        return method("Item", [](T& self, const Call& call) { return Out(self.Item(call.number(0))); });
    }

    Kind done() { return std::move(kind_); }

private:
    Member& member(std::string_view name) {
        DispIdOf(name);
        return kind_.members[std::string(name)];
    }
    Kind kind_;
};

// Items by number or by name.
template <class T>
ol::Variant ByNumberOrName(T& self, const Call& call) {
    if (call.isText(0)) return Out(self.Item(std::string_view(call.text(0))));
    return Out(self.Item(call.number(0)));
}

std::vector<Kind> BuildKinds() {
    std::vector<Kind> kinds;
    kinds.push_back(Table<ol::Object>("Object").get("Class", &ol::Object::Class).done());
    kinds.push_back(
        Table<ol::Application>("_Application")
            .get("Version", &ol::Application::Version)
            .get("Name", &ol::Application::Name)
            .get("Session", &ol::Application::Session)
            .method("GetNamespace", [](auto& self, const Call& c) { return Out(self.GetNamespace(c.text(0))); })
            .get("Explorers", &ol::Application::Explorers)
            .get("Inspectors", &ol::Application::Inspectors)
            .get("ActiveExplorer", &ol::Application::ActiveExplorer)
            .get("ActiveInspector", &ol::Application::ActiveInspector)
            .method("CreateItem", [](auto& self, const Call& c) { return Out(self.CreateItem(c.number(0))); })
            .done());
    kinds.push_back(Table<ol::NameSpace>("_NameSpace")
                        .get("Type", &ol::NameSpace::Type)
                        .get("CurrentUser", &ol::NameSpace::CurrentUser)
                        .method("GetDefaultFolder",
                                [](auto& self, const Call& c) { return Out(self.GetDefaultFolder(c.number(0))); })
                        .method("GetItemFromID",
                                [](auto& self, const Call& c) {
                                    return Out(self.GetItemFromID(c.text(0), c.given(1) ? c.text(1) : std::string()));
                                })
                        .method("GetFolderFromID",
                                [](auto& self, const Call& c) {
                                    return Out(
                                        self.GetFolderFromID(c.text(0), c.given(1) ? c.text(1) : std::string()));
                                })
                        .get("Folders", &ol::NameSpace::Folders)
                        .get("Accounts", &ol::NameSpace::Accounts)
                        .method("MAPIOBJECT",
                                [](ol::NameSpace& self, const Call& c) -> ol::Variant {
                                    // The session opens folders by id through its NameSpace.
                                    auto session = self.MAPIOBJECT();
                                    if (!session) return std::monostate();
                                    auto ns = std::dynamic_pointer_cast<ol::NameSpace>(c.faces().objectOf(self));
                                    return std::shared_ptr<ol::Dispatch>(
                                        std::make_shared<MapiObjectValue>(std::move(session), std::move(ns)));
                                })
                        .done());
    kinds.push_back(Table<ol::Explorers>("_Explorers")
                        .collection()
                        .method("Add",
                                [](auto& self, const Call& c) {
                                    return Out(self.Add(c.objectAs<ol::Folder>(0), c.given(1) ? c.number(1) : 0));
                                })
                        .done());
    kinds.push_back(Table<ol::Explorer>("_Explorer")
                        .get("Caption", &ol::Explorer::Caption)
                        .prop("CurrentFolder", &ol::Explorer::CurrentFolder, &ol::Explorer::SetCurrentFolder)
                        .get("Selection", &ol::Explorer::Selection)
                        .get("CommandBars", &ol::Explorer::CommandBars)
                        .get("Display", &ol::Explorer::Display)
                        .get("Activate", &ol::Explorer::Activate)
                        .get("Close", &ol::Explorer::Close)
                        .done());
    kinds.push_back(Table<ol::Selection>("Selection").collection().done());
    kinds.push_back(Table<ol::Inspectors>("_Inspectors").collection().done());
    kinds.push_back(Table<ol::Inspector>("_Inspector")
                        .get("Caption", &ol::Inspector::Caption)
                        .get("CurrentItem", &ol::Inspector::CurrentItem)
                        .get("EditorType", &ol::Inspector::EditorType)
                        .get("IsWordMail", &ol::Inspector::IsWordMail)
                        .get("WordEditor", &ol::Inspector::WordEditor)
                        .get("Activate", &ol::Inspector::Activate)
                        .displayAndClose()
                        .done());
    kinds.push_back(
        Table<ol::Item>("_Item")
            .get("MessageClass", &ol::Item::MessageClass)
            .get("EntryID", &ol::Item::EntryID)
            // The item's NameSpace, as Outlook's items give it (the session of their MAPIOBJECT).
            .method("Session",
                    [](ol::Item&, const Call& c) -> ol::Variant {
                        auto application = c.faces().application();
                        if (!application) throw platform::PlatformError(platform::errors::NotSupported);
                        return Out(application->Session());
                    })
            .prop("Subject", &ol::Item::Subject, &ol::Item::SetSubject)
            .prop("Body", &ol::Item::Body, &ol::Item::SetBody)
            .get("Parent", &ol::Item::Parent)
            .prop("UnRead", &ol::Item::UnRead, &ol::Item::SetUnRead)
            .get("Saved", &ol::Item::Saved)
            .get("CreationTime", &ol::Item::CreationTime)
            .get("UserProperties", &ol::Item::UserProperties)
            .get("GetInspector", &ol::Item::GetInspector)
            .get("Save", &ol::Item::Save)
            .displayAndClose()
            .get("Delete", &ol::Item::Delete)
            .mapiObject()
            .method("Move", [](auto& self, const Call& c) { return Out(self.Move(c.objectAs<ol::Folder>(0))); })
            .done());
    kinds.push_back(
        Table<ol::MailItem>("_MailItem")
            .received()
            .prop("To", &ol::MailItem::To, &ol::MailItem::SetTo)
            .prop("CC", &ol::MailItem::CC, &ol::MailItem::SetCC)
            .prop("BCC", &ol::MailItem::BCC, &ol::MailItem::SetBCC)
            .prop("HTMLBody", &ol::MailItem::HTMLBody, &ol::MailItem::SetHTMLBody)
            .get("BodyFormat", &ol::MailItem::BodyFormat)
            .get("Recipients", &ol::MailItem::Recipients)
            .get("ReplyRecipients", &ol::MailItem::ReplyRecipients)
            .get("SenderEmailType", &ol::MailItem::SenderEmailType)
            .get("SentOnBehalfOfName", &ol::MailItem::SentOnBehalfOfName)
            .get("SentOn", &ol::MailItem::SentOn)
            .prop("DeferredDeliveryTime", &ol::MailItem::DeferredDeliveryTime, &ol::MailItem::SetDeferredDeliveryTime)
            .get("Sent", &ol::MailItem::Sent)
            .get("Submitted", &ol::MailItem::Submitted)
            .get("ReplyAll", &ol::MailItem::ReplyAll)
            .get("Send", &ol::MailItem::Send)
            .done());
    kinds.push_back(Table<ol::PostItem>("_PostItem")
                        .received()
                        .prop("HTMLBody", &ol::PostItem::HTMLBody, &ol::PostItem::SetHTMLBody)
                        .get("Post", &ol::PostItem::Post)
                        .done());
    kinds.push_back(Table<ol::MeetingItem>("_MeetingItem")
                        .received()
                        .get("Recipients", &ol::MeetingItem::Recipients)
                        .get("ReplyAll", &ol::MeetingItem::ReplyAll)
                        .get("Send", &ol::MeetingItem::Send)
                        .done());
    kinds.push_back(Table<ol::ContactItem>("_ContactItem")
                        .prop("FullName", &ol::ContactItem::FullName, &ol::ContactItem::SetFullName)
                        .prop("Email1Address", &ol::ContactItem::Email1Address, &ol::ContactItem::SetEmail1Address)
                        .done());
    kinds.push_back(Table<ol::Recipients>("Recipients")
                        .collection()
                        .method("Add", [](auto& self, const Call& c) { return Out(self.Add(c.text(0))); })
                        .removable()
                        .get("ResolveAll", &ol::Recipients::ResolveAll)
                        .done());
    kinds.push_back(Table<ol::Recipient>("Recipient")
                        .get("Name", &ol::Recipient::Name)
                        .get("Address", &ol::Recipient::Address)
                        .prop("Type", &ol::Recipient::Type, &ol::Recipient::SetType)
                        .get("Resolve", &ol::Recipient::Resolve)
                        .get("Resolved", &ol::Recipient::Resolved)
                        .get("AddressEntry", &ol::Recipient::AddressEntry)
                        .get("Delete", &ol::Recipient::Delete)
                        .done());
    kinds.push_back(Table<ol::AddressEntry>("AddressEntry")
                        .get("Name", &ol::AddressEntry::Name)
                        .get("Address", &ol::AddressEntry::Address)
                        .get("Type", &ol::AddressEntry::Type)
                        .get("DisplayType", &ol::AddressEntry::DisplayType)
                        .get("Members", &ol::AddressEntry::Members)
                        .mapiObject()
                        .done());
    kinds.push_back(Table<ol::AddressEntries>("AddressEntries").collection().done());
    kinds.push_back(Table<ol::Attachments>("Attachments")
                        .collection()
                        .method("Add", [](auto& self, const Call& c) { return Out(self.Add(c.text(0))); })
                        .removable()
                        .done());
    kinds.push_back(Table<ol::Attachment>("Attachment")
                        .get("FileName", &ol::Attachment::FileName)
                        .get("DisplayName", &ol::Attachment::DisplayName)
                        .get("Index", &ol::Attachment::Index)
                        .get("Delete", &ol::Attachment::Delete)
                        .done());
    kinds.push_back(Table<ol::UserProperties>("UserProperties")
                        .collection()
                        .method("Add", [](auto& self, const Call& c) { return Out(self.Add(c.text(0), c.number(1))); })
                        .method("Find", [](auto& self, const Call& c) { return Out(self.Find(c.text(0))); })
                        .removable()
                        .done());
    kinds.push_back(Table<ol::UserProperty>("UserProperty")
                        .get("Name", &ol::UserProperty::Name)
                        .get("Type", &ol::UserProperty::Type)
                        .prop("Value", &ol::UserProperty::Value, &ol::UserProperty::SetValue)
                        .get("Delete", &ol::UserProperty::Delete)
                        .done());
    kinds.push_back(Table<ol::Folder>("MAPIFolder")
                        .get("Name", &ol::Folder::Name)
                        .get("EntryID", &ol::Folder::EntryID)
                        .get("StoreID", &ol::Folder::StoreID)
                        .get("FolderPath", &ol::Folder::FolderPath)
                        .get("Parent", &ol::Folder::Parent)
                        .get("Folders", &ol::Folder::Folders)
                        .get("Items", &ol::Folder::Items)
                        .get("DefaultItemType", &ol::Folder::DefaultItemType)
                        .mapiObject()
                        .action("MoveTo", [](auto& self, const Call& c) { self.MoveTo(c.objectAs<ol::Folder>(0)); })
                        .get("Delete", &ol::Folder::Delete)
                        .done());
    kinds.push_back(
        Table<ol::Folders>("_Folders")
            .get("Count", &ol::Folders::Count)
            .method("Item", ByNumberOrName<ol::Folders>)
            .method("Add",
                    [](auto& self, const Call& c) { return Out(self.Add(c.text(0), c.given(1) ? c.number(1) : -1)); })
            .done());
    kinds.push_back(Table<ol::Items>("_Items").collection().done());
    kinds.push_back(Table<ol::Accounts>("_Accounts").collection().done());
    kinds.push_back(Table<ol::Account>("_Account")
                        .get("DisplayName", &ol::Account::DisplayName)
                        .get("UserName", &ol::Account::UserName)
                        .get("SmtpAddress", &ol::Account::SmtpAddress)
                        .get("AccountType", &ol::Account::AccountType)
                        .done());
    kinds.push_back(Table<ol::CommandBars>("_CommandBars")
                        .get("Count", &ol::CommandBars::Count)
                        .method("Item", [](auto& self, const Call& c) { return Out(self.Item(c.text(0))); })
                        .done());
    kinds.push_back(Table<ol::CommandBar>("CommandBar")
                        .get("Name", &ol::CommandBar::Name)
                        .get("Visible", &ol::CommandBar::Visible)
                        .get("Controls", &ol::CommandBar::Controls)
                        .done());
    kinds.push_back(Table<ol::CommandBarControls>("CommandBarControls")
                        .get("Count", &ol::CommandBarControls::Count)
                        .method("Item", ByNumberOrName<ol::CommandBarControls>)
                        // Add(Type, Id, Parameter, Before, Temporary)
                        .method("Add",
                                [](auto& self, const Call& c) {
                                    std::optional<int> before;
                                    if (c.given(3)) before = c.number(3);
                                    return Out(self.Add(c.given(0) ? c.number(0) : ol::msocontrol::Button, before,
                                                        c.given(4) && c.flag(4)));
                                })
                        .done());
    kinds.push_back(Table<ol::CommandBarControl>("CommandBarControl")
                        .get("Type", &ol::CommandBarControl::Type)
                        .prop("Caption", &ol::CommandBarControl::Caption, &ol::CommandBarControl::SetCaption)
                        .get("Index", &ol::CommandBarControl::Index)
                        .prop("Visible", &ol::CommandBarControl::Visible, &ol::CommandBarControl::SetVisible)
                        .prop("Enabled", &ol::CommandBarControl::Enabled, &ol::CommandBarControl::SetEnabled)
                        .prop("BeginGroup", &ol::CommandBarControl::BeginGroup, &ol::CommandBarControl::SetBeginGroup)
                        .prop("Tag", &ol::CommandBarControl::Tag, &ol::CommandBarControl::SetTag)
                        .get("Delete", &ol::CommandBarControl::Delete)
                        .done());
    kinds.push_back(
        Table<ol::CommandBarPopup>("CommandBarPopup").get("Controls", &ol::CommandBarPopup::Controls).done());
    kinds.push_back(Table<ol::CommandBarButton>("CommandBarButton")
                        .prop("Style", &ol::CommandBarButton::Style, &ol::CommandBarButton::SetStyle)
                        .prop("FaceId", &ol::CommandBarButton::FaceId, &ol::CommandBarButton::SetFaceId)
                        .done());
    // What Outlook hands an add-in: its COMAddIn, the ribbon and a ribbon's control.
    kinds.push_back(Table<ol::AddInInstance>("COMAddIn")
                        .get("ProgId", &ol::AddInInstance::ProgId)
                        .get("Description", &ol::AddInInstance::Description)
                        .done());
    kinds.push_back(
        Table<ol::RibbonUI>("IRibbonUI")
            .get("Invalidate", &ol::RibbonUI::Invalidate)
            .action("InvalidateControl", [](auto& self, const Call& c) { self.InvalidateControl(c.text(0)); })
            .done());
    kinds.push_back(Table<ol::RibbonControl>("IRibbonControl")
                        .get("Id", &ol::RibbonControl::Id)
                        .get("Tag", &ol::RibbonControl::Tag)
                        .done());
    namespace word = ol::word;
    kinds.push_back(Table<word::Document>("word.Document")
                        .get("Application", &word::Document::Application)
                        .get("Close", &word::Document::Close)
                        .done());
    // Run(MacroName, varg1, ...): what the macro leaves in its arguments goes back by reference.
    kinds.push_back(Table<word::Application>("word.Application")
                        .action("Run",
                                [](auto& self, const Call& c) {
                                    std::vector<ol::Variant> args;
                                    for (std::size_t i = 1; i < c.count(); ++i) args.push_back(c.variant(i));
                                    self.Run(c.text(0), args);
                                    for (std::size_t i = 0; i < args.size(); ++i) c.writeBack(i + 1, args[i]);
                                })
                        .get("AddIns", &word::Application::AddIns)
                        .get("Templates", &word::Application::Templates)
                        .done());
    kinds.push_back(
        Table<word::AddIns>("word.AddIns")
            .get("Count", &word::AddIns::Count)
            .method("Item", ByNumberOrName<word::AddIns>)
            .method("Add",
                    [](auto& self, const Call& c) { return Out(self.Add(c.text(0), !c.given(1) || c.flag(1))); })
            .done());
    kinds.push_back(Table<word::AddIn>("word.AddIn")
                        .get("Name", &word::AddIn::Name)
                        .get("Path", &word::AddIn::Path)
                        .get("FullName", &word::AddIn::FullName)
                        .prop("Installed", &word::AddIn::Installed, &word::AddIn::SetInstalled)
                        .done());
    kinds.push_back(Table<word::Templates>("word.Templates")
                        .get("Count", &word::Templates::Count)
                        .method("Item", ByNumberOrName<word::Templates>)
                        .done());
    kinds.push_back(Table<word::Template>("word.Template")
                        .get("Name", &word::Template::Name)
                        .get("FullName", &word::Template::FullName)
                        .prop("Saved", &word::Template::Saved, &word::Template::SetSaved)
                        .done());
    return kinds;
}

}  // namespace

const std::vector<Kind>& AllKinds() {
    static const std::vector<Kind> kinds = BuildKinds();
    return kinds;
}

DISPID DispIdOf(std::string_view name) {
    auto& ids = Ids();
    if (auto found = ids.find(name); found != ids.end()) return found->second;
    const auto id = static_cast<DISPID>(ids.size() + 1);
    ids.emplace(std::string(name), id);
    Names().emplace(id, std::string(name));
    return id;
}

const std::string* NameOf(DISPID id) {
    AllKinds();
    auto found = Names().find(id);
    return found == Names().end() ? nullptr : &found->second;
}

}  // namespace corvane::simcom
