// The IMAPISession, IMsgStore, IMAPIFolder, IMessage, IAttach, IMailUser and IMAPITable
// objects behind the faces' MAPIOBJECT.
#include "mapi_faces.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "corvane/commapi/com_ptr.h"
#include "corvane/outlook/folders.h"
#include "corvane/text/text.h"
#include "corvane/text/wide.h"
#include "mapi_face.h"

namespace corvane::simcom {

using namespace commapi;
namespace tags = mapi::tags;

namespace {

constexpr ULONG PtError = 0x000A;
constexpr ULONG MapiFolderType = 3;   // MAPI_FOLDER
constexpr ULONG MapiMessageType = 5;  // MAPI_MESSAGE
constexpr int InboxFolder = 6;

// Answered only by our IMAPISession, so the account manager can tell it from any other.
constexpr IID IID_SimSession = {0x6C3F1E2A, 0x5B7D, 0x4E19, {0x9A, 0x41, 0x2F, 0x80, 0x1C, 0x6B, 0x3D, 0x55}};

// The recipient table's columns until SetColumns chooses others.
constexpr ULONG RecipientColumns[] = {
    proptags::RowId,     tags::DisplayName, tags::AddrType,    tags::EmailAddress,
    tags::RecipientType, tags::EntryId,     tags::DisplayType, tags::SmtpAddress,
};
constexpr ULONG AttachmentColumns[] = {proptags::AttachNum, tags::AttachLongFilename, tags::AttachFilename};
constexpr ULONG StoreColumns[] = {tags::EntryId, tags::DisplayName, proptags::ResourceFlags, proptags::MdbProvider};

// Where a store keeps the entry ids of its default folders, and which folder each is.
constexpr std::array<std::pair<mapi::PropTag, int>, 3> StoreFolderIds{{
    {0x35E30102, 3},  // PR_IPM_WASTEBASKET_ENTRYID: Deleted Items
    {0x35E20102, 4},  // PR_IPM_OUTBOX_ENTRYID: Outbox
    {0x35E40102, 5},  // PR_IPM_SENTMAIL_ENTRYID: Sent Items
}};

class RowTable final : public MapiFace<IMAPITable> {
public:
    RowTable(std::shared_ptr<Faces> faces, std::size_t rows, RowReader read, std::vector<ULONG> columns)
        : MapiFace(std::move(faces), "IMAPITable", {&iid::IMAPITable}),
          rows_(rows),
          read_(std::move(read)),
          columns_(std::move(columns)) {}

    HRESULT STDMETHODCALLTYPE SetColumns(SPropTagArray* columns, ULONG) override {
        count("SetColumns");
        if (columns == nullptr) return E_INVALIDARG;
        columns_.assign(columns->aulPropTag, columns->aulPropTag + columns->cValues);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetRowCount(ULONG, ULONG* out) override {
        count("GetRowCount");
        if (out == nullptr) return E_INVALIDARG;
        *out = static_cast<ULONG>(rows_);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE QueryRows(LONG wanted, ULONG, SRowSet** out) override {
        count("QueryRows");
        if (out == nullptr || wanted < 0) return E_INVALIDARG;
        return Answer([&]() -> HRESULT {
            const std::size_t n = std::min(static_cast<std::size_t>(wanted), rows_ - next_);
            void* block = nullptr;
            if (FAILED(SystemLibrary().allocateBuffer(static_cast<ULONG>(sizeof(SRowSet) + n * sizeof(SRow)), &block)))
                return MapiNotEnoughMemory;
            auto* set = static_cast<SRowSet*>(block);
            set->cRows = 0;
            try {
                for (std::size_t i = 0; i < n; ++i, ++next_) addRow(*set);
            } catch (...) {
                // A row gone meanwhile: nothing is handed out.
                for (ULONG r = 0; r < set->cRows; ++r) SystemLibrary().freeBuffer(set->aRow[r].lpProps);
                SystemLibrary().freeBuffer(set);
                throw;
            }
            *out = set;
            return S_OK;
        });
    }
    CORVANE_NO_SUPPORT(GetLastError, HRESULT, ULONG, MAPIERROR**)
    CORVANE_NO_SUPPORT(Advise, ULONG, IMAPIAdviseSink*, ULONG_PTR*)
    CORVANE_NO_SUPPORT(Unadvise, ULONG_PTR)
    CORVANE_NO_SUPPORT(GetStatus, ULONG*, ULONG*)
    CORVANE_NO_SUPPORT(QueryColumns, ULONG, SPropTagArray**)
    CORVANE_NO_SUPPORT(SeekRow, ULONG, LONG, LONG*)
    CORVANE_NO_SUPPORT(SeekRowApprox, ULONG, ULONG)
    CORVANE_NO_SUPPORT(QueryPosition, ULONG*, ULONG*, ULONG*)
    CORVANE_NO_SUPPORT(FindRow, SRestriction*, ULONG, ULONG)
    CORVANE_NO_SUPPORT(Restrict, SRestriction*, ULONG)
    CORVANE_NO_SUPPORT(CreateBookmark, ULONG*)
    CORVANE_NO_SUPPORT(FreeBookmark, ULONG)
    CORVANE_NO_SUPPORT(SortTable, SSortOrderSet*, ULONG)
    CORVANE_NO_SUPPORT(QuerySortOrder, SSortOrderSet**)
    CORVANE_NO_SUPPORT(Abort)
    CORVANE_NO_SUPPORT(ExpandRow, ULONG, BYTE*, ULONG, ULONG, SRowSet**, ULONG*)
    CORVANE_NO_SUPPORT(CollapseRow, ULONG, BYTE*, ULONG, ULONG*)
    CORVANE_NO_SUPPORT(WaitForCompletion, ULONG, ULONG, ULONG*)
    CORVANE_NO_SUPPORT(GetCollapseState, ULONG, ULONG, BYTE*, ULONG*, BYTE**)
    CORVANE_NO_SUPPORT(SetCollapseState, ULONG, ULONG, BYTE*, ULONG*)

private:
    void addRow(SRowSet& set) {
        bool missing = false;
        const std::size_t row = next_;
        SPropValue* values = BlockOf(
            columns_, [&](mapi::PropTag tag) { return read_(row, tag); }, missing);
        if (values == nullptr) throw platform::PlatformError(platform::errors::MapiNotEnoughMemory);
        set.aRow[set.cRows++] = SRow{0, static_cast<ULONG>(columns_.size()), values};
    }

    std::size_t rows_;
    RowReader read_;
    std::vector<ULONG> columns_;
    std::size_t next_ = 0;
};

// The rows of a list of property objects, with the row's number under `numberTag`.
template <class Object>
RowReader RowsOf(std::vector<std::shared_ptr<Object>> objects, mapi::PropTag numberTag) {
    return [objects = std::move(objects), numberTag](std::size_t row, mapi::PropTag tag) -> mapi::PropValue {
        if (mapi::PropId(tag) == mapi::PropId(numberTag)) return static_cast<std::int32_t>(row);
        return objects.at(row)->Fields(tag);
    };
}

// Answers a request for a table of property objects: the rows (`rows()`) as they are now,
// each row's number under `numberTag`.
template <class Rows>
HRESULT AnswerTable(const std::shared_ptr<Faces>& faces, IMAPITable** out, Rows rows, mapi::PropTag numberTag,
                    std::vector<ULONG> columns) {
    if (out == nullptr) return E_INVALIDARG;
    return Answer([&]() -> HRESULT {
        auto objects = rows();
        const std::size_t n = objects.size();
        *out = NewTable(faces, n, RowsOf(std::move(objects), numberTag), std::move(columns));
        return S_OK;
    });
}

bool IsId(mapi::PropTag tag, mapi::PropTag id) { return mapi::PropId(tag) == mapi::PropId(id); }

// An address book entry or an attachment: its properties only.
template <class Interface>
class PlainPropFace final : public PropFace<Interface> {
public:
    PlainPropFace(std::shared_ptr<Faces> faces, std::string name, std::vector<const IID*> iids,
                  std::shared_ptr<mapi::PropertyObject> object)
        : PropFace<Interface>(std::move(faces), std::move(name), std::move(iids), std::move(object)) {}
};

class MessageFace final : public PropFace<IMessage> {
public:
    MessageFace(std::shared_ptr<Faces> faces, std::shared_ptr<mapi::Message> message)
        : PropFace(std::move(faces), "IMessage", {&iid::IMAPIProp, &iid::IMessage}, message),
          message_(std::move(message)) {}

    HRESULT STDMETHODCALLTYPE GetRecipientTable(ULONG, IMAPITable** out) override {
        count("GetRecipientTable");
        return AnswerTable(faces_, out, [&] { return message_->Recipients(); }, proptags::RowId,
                           {std::begin(RecipientColumns), std::end(RecipientColumns)});
    }
    // A row is found by its PR_ROWID (the table's row number); its other values are written.
    HRESULT STDMETHODCALLTYPE ModifyRecipients(ULONG, ADRLIST* mods) override {
        count("ModifyRecipients");
        if (mods == nullptr) return E_INVALIDARG;
        return Answer([&]() -> HRESULT {
            auto recipients = message_->Recipients();
            for (ULONG r = 0; r < mods->cRows; ++r) {
                const SRow& row = mods->aRow[r];
                std::size_t index = recipients.size();
                for (ULONG c = 0; c < row.cValues; ++c) {
                    if (row.lpProps[c].ulPropTag == proptags::RowId)
                        index = static_cast<std::size_t>(row.lpProps[c].Value.l);
                }
                if (index >= recipients.size()) return MapiNotFound;
                for (ULONG c = 0; c < row.cValues; ++c) {
                    const SPropValue& value = row.lpProps[c];
                    if (value.ulPropTag == proptags::RowId || (value.ulPropTag & 0xFFFF) == PtError) continue;
                    recipients[index]->SetFields(value.ulPropTag, ValueOf(value));
                }
            }
            return S_OK;
        });
    }
    // The attachments in the item's order, PR_ATTACH_NUM being the position from 0.
    HRESULT STDMETHODCALLTYPE GetAttachmentTable(ULONG, IMAPITable** out) override {
        count("GetAttachmentTable");
        return AnswerTable(faces_, out, [&] { return message_->Attachments(); }, proptags::AttachNum,
                           {std::begin(AttachmentColumns), std::end(AttachmentColumns)});
    }
    HRESULT STDMETHODCALLTYPE OpenAttach(ULONG number, const IID*, ULONG, IAttach** out) override {
        count("OpenAttach");
        if (out == nullptr) return E_INVALIDARG;
        return Answer([&]() -> HRESULT {
            auto attachments = message_->Attachments();
            if (number >= attachments.size()) return MapiNotFound;
            *out = new PlainPropFace<IAttach>(faces_, "IAttach", {&iid::IMAPIProp, &iid::IAttachment},
                                              attachments[number]);
            return S_OK;
        });
    }
    CORVANE_NO_SUPPORT(CreateAttach, const IID*, ULONG, ULONG*, IAttach**)
    CORVANE_NO_SUPPORT(DeleteAttach, ULONG, ULONG_PTR, IMAPIProgress*, ULONG)
    CORVANE_NO_SUPPORT(SubmitMessage, ULONG)
    HRESULT STDMETHODCALLTYPE SetReadFlag(ULONG readFlags) override {
        count("SetReadFlag");
        return Answer([&]() -> HRESULT {
            message_->SetUnRead((readFlags & flags::ClearReadFlag) != 0);
            return S_OK;
        });
    }

protected:
    // The folder the message is in, which the message's own view does not keep.
    mapi::PropValue read(mapi::PropTag tag) override {
        if (!IsId(tag, proptags::ParentEntryId)) return message_->Fields(tag);
        auto parent = message_->Parent();
        return parent ? EntryIdValue(parent->EntryID()) : mapi::PropValue();
    }

private:
    std::shared_ptr<mapi::Message> message_;
};

IUnknown* NewMessageFace(std::shared_ptr<Faces> faces, std::shared_ptr<mapi::Message> message) {
    return static_cast<IMessage*>(new MessageFace(std::move(faces), std::move(message)));
}

// A message of `messages` by its entry id; nullptr when none has it.
std::shared_ptr<mapi::Message> MessageWithId(const std::vector<std::shared_ptr<mapi::Message>>& messages,
                                             const std::string& entryId) {
    for (const auto& message : messages) {
        if (text::equalsNoCase(message->EntryID(), entryId)) return message;
    }
    return nullptr;
}

// A folder: its properties, its contents table, its messages opened, made and deleted.
class FolderFace final : public PropFace<IMAPIFolder> {
public:
    FolderFace(std::shared_ptr<Faces> faces, std::shared_ptr<mapi::Folder> folder)
        : PropFace(std::move(faces), "IMAPIFolder", {&iid::IMAPIProp, &iid::IMAPIContainer, &iid::IMAPIFolder},
                   folder),
          folder_(std::move(folder)) {}

    HRESULT STDMETHODCALLTYPE GetContentsTable(ULONG, IMAPITable** out) override {
        count("GetContentsTable");
        return AnswerTable(faces_, out, [&] { return folder_->Messages(); }, proptags::RowId, {tags::EntryId});
    }
    HRESULT STDMETHODCALLTYPE OpenEntry(ULONG size, ENTRYID* id, const IID*, ULONG, ULONG* type,
                                        IUnknown** out) override {
        count("OpenEntry");
        if (out == nullptr || type == nullptr) return E_INVALIDARG;
        return Answer([&]() -> HRESULT {
            auto message = MessageWithId(folder_->Messages(), mapi::HexFromBinary(EntryBytes(size, id)));
            if (!message) return MapiNotFound;
            *type = MapiMessageType;
            *out = NewMessageFace(faces_, message);
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE CreateMessage(const IID*, ULONG, IMessage** out) override {
        count("CreateMessage");
        if (out == nullptr) return E_INVALIDARG;
        return Answer([&]() -> HRESULT {
            *out = new MessageFace(faces_, folder_->AddMessage("IPM.Note"));
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE DeleteMessages(ENTRYLIST* list, ULONG_PTR, IMAPIProgress*, ULONG) override {
        count("DeleteMessages");
        if (list == nullptr) return E_INVALIDARG;
        return Answer([&]() -> HRESULT {
            for (ULONG i = 0; i < list->cValues; ++i) {
                const SBinary& id = list->lpbin[i];
                auto hex = mapi::HexFromBinary(mapi::Binary(id.lpb, id.lpb + id.cb));
                if (auto message = MessageWithId(folder_->Messages(), hex)) message->Delete();
            }
            return S_OK;
        });
    }
    CORVANE_NO_SUPPORT(GetHierarchyTable, ULONG, IMAPITable**)
    CORVANE_NO_SUPPORT(SetSearchCriteria, SRestriction*, ENTRYLIST*, ULONG)
    CORVANE_NO_SUPPORT(GetSearchCriteria, ULONG, SRestriction**, ENTRYLIST**, ULONG*)
    CORVANE_NO_SUPPORT(CopyMessages, ENTRYLIST*, const IID*, void*, ULONG_PTR, IMAPIProgress*, ULONG)
    CORVANE_NO_SUPPORT(CreateFolder, ULONG, LPWSTR, LPWSTR, const IID*, ULONG, IMAPIFolder**)
    CORVANE_NO_SUPPORT(CopyFolder, ULONG, ENTRYID*, const IID*, void*, LPWSTR, ULONG_PTR, IMAPIProgress*, ULONG)
    CORVANE_NO_SUPPORT(DeleteFolder, ULONG, ENTRYID*, ULONG_PTR, IMAPIProgress*, ULONG)
    CORVANE_NO_SUPPORT(SetReadFlags, ENTRYLIST*, ULONG_PTR, IMAPIProgress*, ULONG)
    CORVANE_NO_SUPPORT(GetMessageStatus, ULONG, ENTRYID*, ULONG, ULONG*)
    CORVANE_NO_SUPPORT(SetMessageStatus, ULONG, ENTRYID*, ULONG, ULONG, ULONG*)
    CORVANE_NO_SUPPORT(SaveContentsSort, SSortOrderSet*, ULONG)
    CORVANE_NO_SUPPORT(EmptyFolder, ULONG_PTR, IMAPIProgress*, ULONG)

private:
    std::shared_ptr<mapi::Folder> folder_;
};

// A message store of the session: its own properties plus the entry ids of its top of
// personal folders and default folders, entries opened by id within it.
class StoreFace final : public PropFace<IMsgStore> {
public:
    StoreFace(std::shared_ptr<Faces> faces, std::shared_ptr<mapi::Store> store, const MapiObjectValue& session)
        : PropFace(std::move(faces), "IMsgStore", {&iid::IMAPIProp, &iid::IMsgStore}, store),
          store_(std::move(store)),
          session_(session.session, session.nameSpace) {}

    HRESULT STDMETHODCALLTYPE CompareEntryIDs(ULONG size1, ENTRYID* id1, ULONG size2, ENTRYID* id2, ULONG,
                                              ULONG* same) override {
        count("CompareEntryIDs");
        if (same == nullptr) return E_INVALIDARG;
        *same = EntryBytes(size1, id1) == EntryBytes(size2, id2) ? 1 : 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OpenEntry(ULONG size, ENTRYID* id, const IID*, ULONG, ULONG* type,
                                        IUnknown** out) override {
        count("OpenEntry");
        return OpenById(*faces_, session_, EntryBytes(size, id), store_->EntryID(), type, out);
    }
    HRESULT STDMETHODCALLTYPE GetReceiveFolder(LPWSTR, ULONG, ULONG* size, ENTRYID** id,
                                               LPWSTR* explicitClass) override {
        count("GetReceiveFolder");
        if (size == nullptr || id == nullptr) return E_INVALIDARG;
        return Answer([&]() -> HRESULT {
            auto bytes = mapi::BinaryFromHex(store_->GetDefaultFolder(InboxFolder)->EntryID());
            void* block = nullptr;
            if (FAILED(SystemLibrary().allocateBuffer(static_cast<ULONG>(bytes.size()), &block)))
                return MapiNotEnoughMemory;
            std::copy(bytes.begin(), bytes.end(), static_cast<BYTE*>(block));
            *size = static_cast<ULONG>(bytes.size());
            *id = static_cast<ENTRYID*>(block);
            if (explicitClass != nullptr) *explicitClass = nullptr;
            return S_OK;
        });
    }
    CORVANE_NO_SUPPORT(Advise, ULONG, ENTRYID*, ULONG, IMAPIAdviseSink*, ULONG_PTR*)
    CORVANE_NO_SUPPORT(Unadvise, ULONG_PTR)
    CORVANE_NO_SUPPORT(SetReceiveFolder, LPWSTR, ULONG, ULONG, ENTRYID*)
    CORVANE_NO_SUPPORT(GetReceiveFolderTable, ULONG, IMAPITable**)
    CORVANE_NO_SUPPORT(StoreLogoff, ULONG*)
    CORVANE_NO_SUPPORT(AbortSubmit, ULONG, ENTRYID*, ULONG)
    CORVANE_NO_SUPPORT(GetOutgoingQueue, ULONG, IMAPITable**)
    CORVANE_NO_SUPPORT(SetLockState, IMessage*, ULONG)
    CORVANE_NO_SUPPORT(FinishedMsg, ULONG, ULONG, ENTRYID*)
    CORVANE_NO_SUPPORT(NotifyNewMail, NOTIFICATION*)

protected:
    mapi::PropValue read(mapi::PropTag tag) override {
        if (IsId(tag, proptags::IpmSubtreeEntryId)) return EntryIdValue(store_->IPMRootFolder()->EntryID());
        for (const auto& [idTag, folderType] : StoreFolderIds) {
            if (IsId(tag, idTag)) return EntryIdValue(store_->GetDefaultFolder(folderType)->EntryID());
        }
        return store_->Fields(tag);
    }

private:
    std::shared_ptr<mapi::Store> store_;
    MapiObjectValue session_;
};

// The profile's global section: its name.
class ProfileSection final : public mapi::PropertyObject {
public:
    mapi::PropValue Fields(mapi::PropTag tag) override {
        return IsId(tag, proptags::ProfileName) ? mapi::PropValue(std::string("Outlook")) : mapi::PropValue();
    }
    void SetFields(mapi::PropTag, const mapi::PropValue&) override {
        throw platform::PlatformError(platform::errors::MapiNoSupport);
    }
};

class SessionFace final : public MapiFace<IMAPISession> {
public:
    SessionFace(std::shared_ptr<Faces> faces, const MapiObjectValue& value)
        : MapiFace(std::move(faces), "IMAPISession", {&iid::IMAPISession}), value_(value.session, value.nameSpace) {}

    const MapiObjectValue& value() const noexcept { return value_; }

    HRESULT STDMETHODCALLTYPE GetMsgStoresTable(ULONG, IMAPITable** out) override {
        count("GetMsgStoresTable");
        if (out == nullptr) return E_INVALIDARG;
        return Answer([&]() -> HRESULT {
            auto stores = value_.session->Stores();
            const std::size_t n = stores.size();
            auto read = [stores = std::move(stores)](std::size_t row, mapi::PropTag tag) -> mapi::PropValue {
                const auto& store = stores.at(row);
                if (IsId(tag, proptags::ResourceFlags))
                    return static_cast<std::int32_t>(store->Default() ? proptags::StoreDefaultFlag : 0);
                if (IsId(tag, proptags::MdbProvider)) {
                    for (const auto& [uid, kind] : StoreProviders) {
                        if (kind == store->StoreKind()) return mapi::Binary(uid.begin(), uid.end());
                    }
                    return {};
                }
                return store->Fields(tag);
            };
            *out = NewTable(faces_, n, std::move(read), {std::begin(StoreColumns), std::end(StoreColumns)});
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE OpenMsgStore(ULONG_PTR, ULONG size, ENTRYID* id, const IID*, ULONG,
                                           IMsgStore** out) override {
        count("OpenMsgStore");
        if (out == nullptr) return E_INVALIDARG;
        return Answer([&]() -> HRESULT {
            const auto wanted = EntryBytes(size, id);
            for (const auto& store : value_.session->Stores()) {
                if (mapi::BinaryFromHex(store->EntryID()) != wanted) continue;
                *out = new StoreFace(faces_, store, value_);
                return S_OK;
            }
            return MapiNotFound;
        });
    }
    HRESULT STDMETHODCALLTYPE OpenEntry(ULONG size, ENTRYID* id, const IID*, ULONG, ULONG* type,
                                        IUnknown** out) override {
        count("OpenEntry");
        return OpenById(*faces_, value_, EntryBytes(size, id), {}, type, out);
    }
    HRESULT STDMETHODCALLTYPE OpenProfileSection(GUID*, const IID*, ULONG, IProfSect** out) override {
        count("OpenProfileSection");
        if (out == nullptr) return E_INVALIDARG;
        *out = new PlainPropFace<IProfSect>(faces_, "IProfSect", {&iid::IMAPIProp},
                                            std::make_shared<ProfileSection>());
        return S_OK;
    }
    // Outlook's own session is never logged off by an add-in; the call is only counted.
    HRESULT STDMETHODCALLTYPE Logoff(ULONG_PTR, ULONG, ULONG) override {
        count("Logoff");
        return S_OK;
    }
    CORVANE_NO_SUPPORT(GetLastError, HRESULT, ULONG, MAPIERROR**)
    CORVANE_NO_SUPPORT(OpenAddressBook, ULONG_PTR, const IID*, ULONG, IAddrBook**)
    CORVANE_NO_SUPPORT(GetStatusTable, ULONG, IMAPITable**)
    CORVANE_NO_SUPPORT(CompareEntryIDs, ULONG, ENTRYID*, ULONG, ENTRYID*, ULONG, ULONG*)
    CORVANE_NO_SUPPORT(Advise, ULONG, ENTRYID*, ULONG, IMAPIAdviseSink*, ULONG_PTR*)
    CORVANE_NO_SUPPORT(Unadvise, ULONG_PTR)
    CORVANE_NO_SUPPORT(MessageOptions, ULONG_PTR, ULONG, LPWSTR, IMessage*)
    CORVANE_NO_SUPPORT(QueryDefaultMessageOpt, LPWSTR, ULONG, ULONG*, SPropValue**)
    CORVANE_NO_SUPPORT(EnumAdrTypes, ULONG, ULONG*, LPWSTR**)
    CORVANE_NO_SUPPORT(QueryIdentity, ULONG*, ENTRYID**)
    CORVANE_NO_SUPPORT(SetDefaultStore, ULONG, ULONG, ENTRYID*)
    CORVANE_NO_SUPPORT(AdminServices, ULONG, IMsgServiceAdmin**)
    CORVANE_NO_SUPPORT(ShowForm, ULONG_PTR, IMsgStore*, IMAPIFolder*, const IID*, ULONG, IMessage*, ULONG, ULONG,
                       ULONG, ULONG, LPSTR)
    CORVANE_NO_SUPPORT(PrepareForm, const IID*, IMessage*, ULONG*)

protected:
    void* answers(REFIID iid) override { return iid == IID_SimSession ? static_cast<IMAPISession*>(this) : nullptr; }

private:
    MapiObjectValue value_;
};

// Logons through the faces: the profile's session, shown as our IMAPISession.
class FaceSubsystem final : public mapi::Subsystem {
public:
    FaceSubsystem(std::weak_ptr<Faces> faces, std::shared_ptr<mapi::Subsystem> profile)
        : faces_(std::move(faces)), profile_(std::move(profile)) {}

    std::shared_ptr<mapi::Session> Logon() override {
        auto faces = faces_.lock();
        if (!faces || !profile_) throw platform::PlatformError(platform::errors::MapiLogonFailed);
        auto application = faces->application();
        MapiObjectValue value(profile_->Logon(), application ? application->Session() : nullptr);
        auto session = ComPtr<IUnknown>::adopt(MapiFaceOf(*faces, value));
        return SessionOf(session.get());
    }

private:
    std::weak_ptr<Faces> faces_;
    std::shared_ptr<mapi::Subsystem> profile_;
};

}  // namespace

std::shared_ptr<mapi::Subsystem> LogonSubsystem(const std::shared_ptr<Faces>& faces,
                                                std::shared_ptr<mapi::Subsystem> profile) {
    return std::make_shared<FaceSubsystem>(faces, std::move(profile));
}

SPropValue* BlockOf(const std::vector<ULONG>& tags, const PropReader& read, bool& missing) {
    PropsToWrite props;
    missing = false;
    for (ULONG tag : tags) {
        mapi::PropValue value = read(tag);
        if (std::holds_alternative<std::monostate>(value)) {
            SPropValue error{};
            error.ulPropTag = (tag & 0xFFFF0000u) | PtError;
            error.Value.err = MapiNotFound;
            props.values().push_back(error);
            missing = true;
        } else {
            props.add(tag, value);
        }
    }
    return CopyToBlock(props.values().data(), props.values().size(), SystemLibrary());
}

IMAPITable* NewTable(std::shared_ptr<Faces> faces, std::size_t rows, RowReader read, std::vector<ULONG> columns) {
    return new RowTable(std::move(faces), rows, std::move(read), std::move(columns));
}

mapi::Binary EntryBytes(ULONG size, const ENTRYID* id) {
    const auto* bytes = reinterpret_cast<const BYTE*>(id);
    return bytes != nullptr ? mapi::Binary(bytes, bytes + size) : mapi::Binary();
}

mapi::PropValue EntryIdValue(const std::string& hex) {
    return hex.empty() ? mapi::PropValue() : mapi::PropValue(mapi::BinaryFromHex(hex));
}

HRESULT OpenById(Faces& faces, const MapiObjectValue& session, const mapi::Binary& id, const std::string& storeId,
                 ULONG* type, IUnknown** out) {
    if (out == nullptr || type == nullptr) return E_INVALIDARG;
    const auto entryId = mapi::HexFromBinary(id);
    return Answer([&]() -> HRESULT {
        try {
            auto message = session.session->GetMessageFromID(entryId, storeId);
            *type = MapiMessageType;
            *out = NewMessageFace(faces.shared_from_this(), message);
            return S_OK;
        } catch (const platform::PlatformError& e) {
            if (e.number() != platform::errors::MapiNotFound.number || !session.nameSpace) throw;
        }
        std::shared_ptr<outlook::Folder> folder;
        try {
            folder = session.nameSpace->GetFolderFromID(entryId, storeId);
        } catch (const platform::PlatformError&) {
            return MapiNotFound;
        }
        auto view = folder ? folder->MAPIOBJECT() : nullptr;
        if (!view) return MapiNotFound;
        *type = MapiFolderType;
        *out = static_cast<IMAPIFolder*>(new FolderFace(faces.shared_from_this(), std::move(view)));
        return S_OK;
    });
}

IUnknown* MapiFaceOf(Faces& faces, const MapiObjectValue& value) {
    auto shared = faces.shared_from_this();
    if (value.session) return static_cast<IMAPISession*>(new SessionFace(shared, value));
    if (auto message = std::dynamic_pointer_cast<mapi::Message>(value.object))
        return NewMessageFace(shared, std::move(message));
    if (auto folder = std::dynamic_pointer_cast<mapi::Folder>(value.object))
        return static_cast<IMAPIFolder*>(new FolderFace(shared, std::move(folder)));
    return static_cast<IMailUser*>(
        new PlainPropFace<IMailUser>(shared, "IMailUser", {&iid::IMAPIProp, &iid::IMailUser}, value.object));
}

const MapiObjectValue* SessionBehind(IUnknown* session) {
    if (session == nullptr) return nullptr;
    IMAPISession* ours = nullptr;
    if (FAILED(session->QueryInterface(IID_SimSession, reinterpret_cast<void**>(&ours))) || ours == nullptr)
        return nullptr;
    const MapiObjectValue* value = &static_cast<SessionFace*>(ours)->value();
    ours->Release();  // the caller holds the session
    return value;
}

}  // namespace corvane::simcom
