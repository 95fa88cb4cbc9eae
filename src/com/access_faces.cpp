#include "access_faces.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

#include "addin_core.h"
#include "corvane/access/factory.h"
#include "corvane/access/mapi_utils.h"
#include "corvane/access/rdo_session.h"
#include "corvane/access/safe_inspector.h"
#include "corvane/access/safe_mail_item.h"
#include "corvane/addin/subsystems.h"
#include "corvane/com/server.h"
#include "corvane/com/text.h"
#include "corvane/commapi/commapi.h"
#include "corvane/comoutlook/objects.h"
#include "corvane/outlook/inspector.h"
#include "corvane/outlook/items.h"
#include "corvane/outlook/word.h"
#include "corvane/platform/error.h"
#include "own_object.h"

namespace corvane::com {
namespace faces {

using comoutlook::Value;

// What every access object made in this process shares: the add-in's core (its component
// factory) and one map of the Outlook objects handed in, so that the same item passed to
// two objects is one wrapper.
struct Context {
    std::shared_ptr<addin::Process> process;
    std::shared_ptr<comoutlook::Objects> objects;
};

std::shared_ptr<Context> ContextHere() {
    static std::weak_ptr<Context> current;
    auto context = current.lock();
    if (!context) {
        context = std::make_shared<Context>();
        context->process = AddinProcessHere();
        context->objects = comoutlook::Objects::Create();
        context->objects->setCreator(OwnObjects(context->process));
        current = context;
    }
    return context;
}

[[noreturn]] void ThrowTypeMismatch() { throw platform::PlatformError(platform::errors::TypeMismatch); }

// One call on a member: its arguments in the order the caller wrote them and, for a
// property put, the value assigned (which COM passes first, named DISPID_PROPERTYPUT).
class Call {
public:
    Call(const std::shared_ptr<Context>& shared, WORD flags, DISPPARAMS& params)
        : context(shared), params_(params), put_((flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0) {}

    const std::shared_ptr<Context>& context;

    bool put() const noexcept { return put_; }
    // Argument `index`; empty when the caller left it out.
    Value arg(unsigned index) const {
        const unsigned count = put_ && params_.cArgs > 0 ? params_.cArgs - 1 : params_.cArgs;
        return index < count ? Copy(index) : Value();
    }
    Value assigned() const {
        if (params_.cArgs == 0) throw platform::PlatformError(platform::errors::InvalidCall);
        return Copy(params_.cArgs - 1);
    }

private:
    Value Copy(unsigned index) const {
        Value value;
        if (FAILED(VariantCopyInd(&value.raw(), Argument(params_, index)))) ThrowTypeMismatch();
        return value.type() == VT_ERROR ? Value() : value;
    }

    DISPPARAMS& params_;
    bool put_;
};

// One member of a class: its name and dispatch identifier, what reading it (or calling it)
// gives, and what assigning it does (nullptr: it cannot be assigned).
template <class T>
struct Member {
    DispatchMember name;
    Value (*get)(T&, Call&);
    void (*put)(T&, Call&, const Value&) = nullptr;
};

// The member table of each class with a face of its own (defined below).
std::span<const Member<access::SafeMailItem>> MembersOf(const access::SafeMailItem*);
std::span<const Member<access::SafePostItem>> MembersOf(const access::SafePostItem*);
std::span<const Member<access::SafeReportItem>> MembersOf(const access::SafeReportItem*);
std::span<const Member<access::SafeRecipients>> MembersOf(const access::SafeRecipients*);
std::span<const Member<access::SafeRecipient>> MembersOf(const access::SafeRecipient*);
std::span<const Member<access::SafeAttachments>> MembersOf(const access::SafeAttachments*);
std::span<const Member<access::SafeAttachment>> MembersOf(const access::SafeAttachment*);
std::span<const Member<access::AddressEntry>> MembersOf(const access::AddressEntry*);
std::span<const Member<access::AddressEntries>> MembersOf(const access::AddressEntries*);
std::span<const Member<access::SafeInspector>> MembersOf(const access::SafeInspector*);
std::span<const Member<access::MAPIUtils>> MembersOf(const access::MAPIUtils*);
std::span<const Member<access::RDOSession>> MembersOf(const access::RDOSession*);
std::span<const Member<access::RDOStores>> MembersOf(const access::RDOStores*);
std::span<const Member<access::RDOStore>> MembersOf(const access::RDOStore*);
std::span<const Member<access::RDOFolder>> MembersOf(const access::RDOFolder*);
std::span<const Member<access::RDOAccounts>> MembersOf(const access::RDOAccounts*);
using AccountList = access::Collection<access::RDOAccount>;
std::span<const Member<AccountList>> MembersOf(const AccountList*);
std::span<const Member<access::RDOAccount>> MembersOf(const access::RDOAccount*);
std::span<const Member<access::RDOMail>> MembersOf(const access::RDOMail*);

template <class T>
concept HasFace = requires(const T* object) {
    MembersOf(object);
};

// Asked of an IDispatch to learn whether it is a face made here (a proxy never answers).
// {0E5A7C31-6D2B-4F1E-8B93-2C4D7A9E1F60}
constexpr IID IID_AccessFace = {0x0E5A7C31, 0x6D2B, 0x4F1E, {0x8B, 0x93, 0x2C, 0x4D, 0x7A, 0x9E, 0x1F, 0x60}};

// The IDispatch of one object of the component, its members by name from its table.
template <class T>
class Face final : public DispatchObject<Face<T>> {
public:
    Face(std::shared_ptr<Context> context, std::shared_ptr<T> object)
        : context_(std::move(context)), object_(std::move(object)) {}
    virtual ~Face() = default;
    Face(const Face&) = delete;
    Face& operator=(const Face&) = delete;

    const std::shared_ptr<T>& object() const noexcept { return object_; }

private:
    bool alsoAnswers(REFIID iid) const override { return IsEqualIID(iid, IID_AccessFace); }

    std::span<const DispatchMember> membersOf(const IDispatch*) const override {
        static const std::vector<DispatchMember> names = [] {
            std::vector<DispatchMember> out;
            for (const auto& member : MembersOf(static_cast<const T*>(nullptr))) out.push_back(member.name);
            return out;
        }();
        return names;
    }

    HRESULT invokeOn(const IDispatch*, DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result) override {
        for (const auto& member : MembersOf(static_cast<const T*>(nullptr))) {
            if (member.name.id != id) continue;
            Call call(context_, flags, params);
            if (call.put()) {
                if (member.put == nullptr) return DISP_E_MEMBERNOTFOUND;
                member.put(*object_, call, call.assigned());
                return S_OK;
            }
            if (member.get == nullptr) return DISP_E_MEMBERNOTFOUND;
            Value value = member.get(*object_, call);
            if (result != nullptr) {
                *result = value.raw();  // taken over
                VariantInit(&value.raw());
            }
            return S_OK;
        }
        return DISP_E_MEMBERNOTFOUND;
    }

    std::shared_ptr<Context> context_;
    std::shared_ptr<T> object_;
};

// The component's object behind a face made here; anything else fails with a type mismatch.
template <class T>
std::shared_ptr<T> ObjectOf(const comoutlook::ComPtr<IDispatch>& dispatch) {
    auto* face = dynamic_cast<Face<T>*>(OwnObjectOf<DispatchOf<IDispatch>>(dispatch.get(), IID_AccessFace));
    if (face == nullptr) ThrowTypeMismatch();
    return face->object();
}

// What a member gives, as the VARIANT a late-bound caller reads: a text, a number, a flag
// or a date as Outlook's own values cross.
template <class S>
requires(std::is_same_v<S, std::string> || std::is_same_v<S, int> || std::is_same_v<S, bool> ||
         std::is_same_v<S, platform::DateTime>) Value ToValue(Call&, const S& scalar) {
    return comoutlook::Objects::fromVariant(outlook::Variant(scalar));
}

// A MAPI property: empty, a scalar, an array of texts, binary as hexadecimal text.
Value ToValue(Call&, const mapi::PropValue& property) {
    return std::visit(
        [](const auto& value) -> Value {
            using V = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<V, std::vector<std::string>>) {
                std::vector<Value> texts;
                texts.reserve(value.size());
                for (const auto& text : value) texts.emplace_back(std::string_view(text));
                return Value::Array(texts);
            } else if constexpr (std::is_same_v<V, mapi::Binary>) {
                return Value(std::string_view(mapi::HexFromBinary(value)));
            } else {
                return comoutlook::Objects::fromVariant(outlook::Variant(value));
            }
        },
        property);
}

// An object of the component as a face of its own; one of Outlook's or Word's as its own
// COM object; nullptr as Nothing.
template <class U>
Value ToValue(Call& call, const std::shared_ptr<U>& object) {
    if constexpr (HasFace<U>) {
        if (!object) return Value(static_cast<IDispatch*>(nullptr));
        auto* face = new Face<U>(call.context, object);
        Value value(static_cast<IDispatch*>(face));
        face->Release();
        return value;
    } else {
        return Value(comoutlook::Objects::dispatchOf(object));
    }
}

// The value assigned to a property, read as the setter's type.
template <class A>
A FromValue(const Value& value) {
    if constexpr (std::is_same_v<A, std::string>) {
        return value.text();
    } else if constexpr (std::is_same_v<A, bool>) {
        return value.boolean();
    } else if constexpr (std::is_same_v<A, int>) {
        return value.number();
    } else {
        static_assert(std::is_same_v<A, platform::DateTime>);
        return value.date();
    }
}

template <class F>
struct SetterOf;
template <class C, class A>
struct SetterOf<void (C::*)(A)> {
    using Argument = std::remove_cvref_t<A>;
};

// A property's value as what Fields(tag) = value writes: by the tag's type.
mapi::PropValue PropertyOf(mapi::PropTag tag, const Value& value) {
    switch (mapi::PropType(tag)) {
        case mapi::pt::String8:
        case mapi::pt::Unicode: return value.text();
        case mapi::pt::I2:
        case mapi::pt::Long: return value.number();
        case mapi::pt::Boolean: return value.boolean();
        case mapi::pt::SysTime: return value.date();
        case mapi::pt::Binary: return mapi::BinaryFromHex(value.text());
        case mapi::pt::MvString8:
        case mapi::pt::MvUnicode: {
            std::vector<std::string> texts;
            for (const auto& element : value.elements()) texts.push_back(element.text());
            return texts;
        }
        default: ThrowTypeMismatch();
    }
}

// A tag as callers write it: a Long (negative above 0x7FFFFFFF) or any other number.
mapi::PropTag TagOf(const Value& value) { return static_cast<mapi::PropTag>(static_cast<std::int64_t>(value.real())); }

// The members every class builds from: a getter or method without arguments, a setter,
// Fields(tag), a collection's Count and Item(i).
template <class T>
struct Of {
    template <auto F>
    static Value Get(T& object, Call& call) {
        if constexpr (std::is_void_v<decltype(std::invoke(F, object))>) {
            std::invoke(F, object);
            return Value();
        } else {
            return ToValue(call, std::invoke(F, object));
        }
    }
    template <auto F>
    static void Put(T& object, Call&, const Value& value) {
        std::invoke(F, object, FromValue<typename SetterOf<decltype(F)>::Argument>(value));
    }
    static Value Fields(T& object, Call& call) { return ToValue(call, object.Fields(TagOf(call.arg(0)))); }
    static void SetFields(T& object, Call& call, const Value& value) {
        const mapi::PropTag tag = TagOf(call.arg(0));
        object.SetFields(tag, PropertyOf(tag, value));
    }
    static Value Item(T& object, Call& call) { return ToValue(call, object.Item(call.arg(0).number())); }
    static Value Count(T& object, Call& call) { return ToValue(call, object.Count()); }

    static constexpr Member<T> FieldsMember(DISPID id) { return {{L"Fields", id}, &Fields, &SetFields}; }
    static constexpr Member<T> CountMember() { return {{L"Count", 1}, &Count}; }
    static constexpr Member<T> ItemMember() { return {{L"Item", DISPID_VALUE}, &Item}; }
};

// A collection: Count and Item(i), 1-based.
template <class C>
constexpr Member<C> CollectionMembers[] = {Of<C>::CountMember(), Of<C>::ItemMember()};

// Item = an Outlook item (Nothing unbinds); reading it gives the item back.
template <class T>
void SetItem(T& safe, Call& call, const Value& value) {
    safe.SetItem(call.context->objects->item(value.object()));
}

// MAPIOBJECT = Outlook's NameSpace.MAPIOBJECT (an IMAPISession).
template <class T>
void SetMapiObject(T& object, Call&, const Value& value) {
    object.SetMAPIOBJECT(commapi::SessionOf(value.unknown().get()));
}

// What the three Safe item classes share, first in each of their tables.
template <class T>
constexpr std::array<Member<T>, 6> SafeItemMembers{{
    {{L"Item", 1}, &Of<T>::template Get<&access::SafeItem::Item>, &SetItem<T>},
    {{L"Save", 2}, &Of<T>::template Get<&access::SafeItem::Save>},
    {{L"Sender", 3}, &Of<T>::template Get<&access::SafeItem::Sender>},
    Of<T>::FieldsMember(4),
    {{L"EntryID", 5}, &Of<T>::template Get<&access::SafeItem::EntryID>},
    {{L"UnRead", 6},
     &Of<T>::template Get<&access::SafeItem::UnRead>,
     &Of<T>::template Put<&access::SafeItem::SetUnRead>},
}};

template <class T, std::size_t M, std::size_t N>
constexpr auto Joined(const std::array<Member<T>, M>& head, const Member<T> (&tail)[N]) {
    std::array<Member<T>, M + N> all{};
    for (std::size_t i = 0; i < M; ++i) all[i] = head[i];
    for (std::size_t i = 0; i < N; ++i) all[M + i] = tail[i];
    return all;
}

using MailOf = Of<access::SafeMailItem>;
using access::SafeMailItem;
constexpr Member<SafeMailItem> MailOnlyMembers[] = {
    {{L"Recipients", 7}, &MailOf::Get<&SafeMailItem::Recipients>},
    {{L"Attachments", 8}, &MailOf::Get<&SafeMailItem::Attachments>},
    {{L"Subject", 9}, &MailOf::Get<&SafeMailItem::Subject>, &MailOf::Put<&SafeMailItem::SetSubject>},
    {{L"Body", 10}, &MailOf::Get<&SafeMailItem::Body>, &MailOf::Put<&SafeMailItem::SetBody>},
    {{L"HTMLBody", 11}, &MailOf::Get<&SafeMailItem::HTMLBody>, &MailOf::Put<&SafeMailItem::SetHTMLBody>},
    {{L"To", 12}, &MailOf::Get<&SafeMailItem::To>, &MailOf::Put<&SafeMailItem::SetTo>},
    {{L"DeferredDeliveryTime", 13},
     &MailOf::Get<&SafeMailItem::DeferredDeliveryTime>,
     &MailOf::Put<&SafeMailItem::SetDeferredDeliveryTime>},
};
constexpr auto MailMembers = Joined(SafeItemMembers<SafeMailItem>, MailOnlyMembers);

using RecipientsOf = Of<access::SafeRecipients>;
constexpr Member<access::SafeRecipients> RecipientsMembers[] = {
    RecipientsOf::CountMember(),
    RecipientsOf::ItemMember(),
    {{L"ResolveAll", 2}, &RecipientsOf::Get<&access::SafeRecipients::ResolveAll>},
};

using RecipientOf = Of<access::SafeRecipient>;
using access::SafeRecipient;
constexpr Member<SafeRecipient> RecipientMembers[] = {
    {{L"Name", DISPID_VALUE}, &RecipientOf::Get<&SafeRecipient::Name>},
    {{L"Resolve", 1}, &RecipientOf::Get<&SafeRecipient::Resolve>},
    {{L"Resolved", 2}, &RecipientOf::Get<&SafeRecipient::Resolved>},
    {{L"Delete", 3}, &RecipientOf::Get<&SafeRecipient::Delete>},
    {{L"AddressEntry", 4}, &RecipientOf::Get<&SafeRecipient::AddressEntry>},
    RecipientOf::FieldsMember(5),
};

constexpr Member<access::SafeAttachment> AttachmentMembers[] = {
    {{L"FileName", 1}, &Of<access::SafeAttachment>::Get<&access::SafeAttachment::FileName>},
};

using EntryOf = Of<access::AddressEntry>;
using access::AddressEntry;
constexpr Member<AddressEntry> EntryMembers[] = {
    {{L"Address", 1}, &EntryOf::Get<&AddressEntry::Address>},
    {{L"SmtpAddress", 2}, &EntryOf::Get<&AddressEntry::SmtpAddress>},
    {{L"Type", 3}, &EntryOf::Get<&AddressEntry::Type>},
    {{L"Class", 4}, &EntryOf::Get<&AddressEntry::Class>},
    {{L"Members", 5}, &EntryOf::Get<&AddressEntry::Members>},
    {{L"DisplayType", 6}, &EntryOf::Get<&AddressEntry::DisplayType>},
    EntryOf::FieldsMember(7),
};

using InspectorOf = Of<access::SafeInspector>;
constexpr Member<access::SafeInspector> InspectorMembers[] = {
    {{L"Item", 1},
     &InspectorOf::Get<&access::SafeInspector::Item>,
     [](access::SafeInspector& safe, Call& call, const Value& value) {
         auto object = call.context->objects->any(value.object());
         auto inspector = std::dynamic_pointer_cast<outlook::Inspector>(object);
         if (object && !inspector) ThrowTypeMismatch();
         safe.SetItem(std::move(inspector));
     }},
    {{L"WordEditor", 2}, &InspectorOf::Get<&access::SafeInspector::WordEditor>},
};

constexpr Member<access::MAPIUtils> UtilsMembers[] = {
    {{L"CleanUp", 1}, &Of<access::MAPIUtils>::Get<&access::MAPIUtils::CleanUp>},
    {{L"MAPIOBJECT", 2}, nullptr, &SetMapiObject<access::MAPIUtils>},
};

using RdoSessionOf = Of<access::RDOSession>;
using access::RDOSession;
constexpr Member<RDOSession> SessionMembers[] = {
    {{L"MAPIOBJECT", 1}, nullptr, &SetMapiObject<RDOSession>},
    {{L"Logon", 2}, &RdoSessionOf::Get<&RDOSession::Logon>},
    {{L"LoggedOn", 3}, &RdoSessionOf::Get<&RDOSession::LoggedOn>},
    {{L"Stores", 4}, &RdoSessionOf::Get<&RDOSession::Stores>},
    {{L"Accounts", 5}, &RdoSessionOf::Get<&RDOSession::Accounts>},
    {{L"CurrentUser", 6}, &RdoSessionOf::Get<&RDOSession::CurrentUser>},
    {{L"GetMessageFromID", 7},
     [](RDOSession& session, Call& call) {
         return ToValue(call, session.GetMessageFromID(call.arg(0).text(), call.arg(1).text()));
     }},
    {{L"GetDefaultFolder", 8},
     [](RDOSession& session, Call& call) { return ToValue(call, session.GetDefaultFolder(call.arg(0).number())); }},
    {{L"GetMessageFromMsgFile", 9},
     [](RDOSession& session, Call& call) { return ToValue(call, session.GetMessageFromMsgFile(call.arg(0).text())); }},
};

using StoreOf = Of<access::RDOStore>;
using access::RDOStore;
constexpr Member<RDOStore> StoreMembers[] = {
    {{L"IPMRootFolder", 1}, &StoreOf::Get<&RDOStore::IPMRootFolder>},
    {{L"Session", 2}, &StoreOf::Get<&RDOStore::Session>},
    {{L"StoreKind", 3}, &StoreOf::Get<&RDOStore::StoreKind>},
    {{L"Owner", 4}, &StoreOf::Get<&RDOStore::Owner>},
};
constexpr Member<access::RDOFolder> FolderMembers[] = {
    {{L"FolderPath", 1}, &Of<access::RDOFolder>::Get<&access::RDOFolder::FolderPath>},
};

constexpr Member<access::RDOAccounts> AccountsMembers[] = {
    {{L"GetOrder", 1},
     [](access::RDOAccounts& accounts, Call& call) {
         return ToValue(call, std::make_shared<AccountList>("RDOAccounts.GetOrder",
                                                            accounts.GetOrder(call.arg(0).number())));
     }},
};

using AccountOf = Of<access::RDOAccount>;
constexpr Member<access::RDOAccount> AccountMembers[] = {
    {{L"Name", 1}, &AccountOf::Get<&access::RDOAccount::Name>},
    {{L"SmtpAddress", 2}, &AccountOf::Get<&access::RDOAccount::SmtpAddress>},
    {{L"IsExchange", 3}, &AccountOf::Get<&access::RDOAccount::IsExchange>},
};

using MailMessageOf = Of<access::RDOMail>;
using access::RDOMail;
constexpr Member<RDOMail> MessageMembers[] = {
    {{L"Delete", 1}, &MailMessageOf::Get<&RDOMail::Delete>},
    {{L"UnRead", 2}, &MailMessageOf::Get<&RDOMail::UnRead>, &MailMessageOf::Put<&RDOMail::SetUnRead>},
    {{L"Save", 3}, &MailMessageOf::Get<&RDOMail::Save>},
    {{L"CopyTo", 4},
     [](RDOMail& message, Call& call) {
         message.CopyTo(*ObjectOf<RDOMail>(call.arg(0).object()));
         return Value();
     }},
    {{L"Account", 5}, &MailMessageOf::Get<&RDOMail::Account>},
};

// The Safe post and report items: what every Safe item has.
std::span<const Member<access::SafeMailItem>> MembersOf(const access::SafeMailItem*) { return MailMembers; }
std::span<const Member<access::SafePostItem>> MembersOf(const access::SafePostItem*) {
    return SafeItemMembers<access::SafePostItem>;
}
std::span<const Member<access::SafeReportItem>> MembersOf(const access::SafeReportItem*) {
    return SafeItemMembers<access::SafeReportItem>;
}
std::span<const Member<access::SafeRecipients>> MembersOf(const access::SafeRecipients*) { return RecipientsMembers; }
std::span<const Member<access::SafeRecipient>> MembersOf(const access::SafeRecipient*) { return RecipientMembers; }
std::span<const Member<access::SafeAttachments>> MembersOf(const access::SafeAttachments*) {
    return CollectionMembers<access::SafeAttachments>;
}
std::span<const Member<access::SafeAttachment>> MembersOf(const access::SafeAttachment*) { return AttachmentMembers; }
std::span<const Member<access::AddressEntry>> MembersOf(const access::AddressEntry*) { return EntryMembers; }
std::span<const Member<access::AddressEntries>> MembersOf(const access::AddressEntries*) {
    return CollectionMembers<access::AddressEntries>;
}
std::span<const Member<access::SafeInspector>> MembersOf(const access::SafeInspector*) { return InspectorMembers; }
std::span<const Member<access::MAPIUtils>> MembersOf(const access::MAPIUtils*) { return UtilsMembers; }
std::span<const Member<access::RDOSession>> MembersOf(const access::RDOSession*) { return SessionMembers; }
std::span<const Member<access::RDOStores>> MembersOf(const access::RDOStores*) {
    return CollectionMembers<access::RDOStores>;
}
std::span<const Member<access::RDOStore>> MembersOf(const access::RDOStore*) { return StoreMembers; }
std::span<const Member<access::RDOFolder>> MembersOf(const access::RDOFolder*) { return FolderMembers; }
std::span<const Member<access::RDOAccounts>> MembersOf(const access::RDOAccounts*) { return AccountsMembers; }
std::span<const Member<AccountList>> MembersOf(const AccountList*) { return CollectionMembers<AccountList>; }
std::span<const Member<access::RDOAccount>> MembersOf(const access::RDOAccount*) { return AccountMembers; }
std::span<const Member<access::RDOMail>> MembersOf(const access::RDOMail*) { return MessageMembers; }

}  // namespace faces

template <class T>
HRESULT CreateAccessClass(REFIID iid, void** object) {
    auto context = faces::ContextHere();
    auto* face = new faces::Face<T>(context, access::CreateAccessObject<T>(*context->process->access));
    HRESULT hr = face->QueryInterface(iid, object);
    face->Release();
    return hr;
}

template HRESULT CreateAccessClass<access::SafeMailItem>(REFIID, void**);
template HRESULT CreateAccessClass<access::SafePostItem>(REFIID, void**);
template HRESULT CreateAccessClass<access::SafeReportItem>(REFIID, void**);
template HRESULT CreateAccessClass<access::SafeInspector>(REFIID, void**);
template HRESULT CreateAccessClass<access::MAPIUtils>(REFIID, void**);
template HRESULT CreateAccessClass<access::RDOSession>(REFIID, void**);

}  // namespace corvane::com
