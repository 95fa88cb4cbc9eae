// The IMessage and IMAPITable objects behind an item's MAPIOBJECT.
#include "mapi_faces.h"

#include <string>
#include <utility>
#include <vector>

#include "corvane/commapi/interfaces.h"
#include "corvane/commapi/values.h"
#include "corvane/platform/error.h"

namespace corvane::simcom {

namespace {

using namespace commapi;

namespace errors = platform::errors;
constexpr HRESULT MapiNoSupport = errors::MapiNoSupport.number;
constexpr HRESULT MapiNotFound = errors::MapiNotFound.number;
constexpr HRESULT MapiNotEnoughMemory = errors::MapiNotEnoughMemory.number;
constexpr HRESULT MapiErrorsReturned = 0x00040380;  // MAPI_W_ERRORS_RETURNED
constexpr ULONG PtError = 0x000A;
constexpr ULONG RowIdTag = 0x30000003;  // PR_ROWID

// The recipient table's columns until SetColumns chooses others.
constexpr ULONG RecipientColumns[] = {
    RowIdTag,
    0x3001001F,  // PR_DISPLAY_NAME
    0x3002001F,  // PR_ADDRTYPE
    0x3003001F,  // PR_EMAIL_ADDRESS
    0x0C150003,  // PR_RECIPIENT_TYPE
    0x0FFF0102,  // PR_ENTRYID
    0x39000003,  // PR_DISPLAY_TYPE
    0x39FE001F,  // PR_SMTP_ADDRESS
};

// The values of `tags` from `read` as one MAPI block; a value the object lacks is PT_ERROR.
template <class Read>
SPropValue* BlockOf(const std::vector<ULONG>& tags, Read read, bool& missing) {
    PropsToWrite props;
    missing = false;
    for (ULONG tag : tags) {
        mapi::PropValue value = mapi::PropId(tag) == mapi::PropId(RowIdTag) ? mapi::PropValue() : read(tag);
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

// A MAPI failure thrown inside the simulated profile, as the HRESULT MAPI answers.
template <class Body>
HRESULT Answer(Body body) {
    try {
        return body();
    } catch (const platform::PlatformError& e) {
        return static_cast<HRESULT>(e.number());
    } catch (...) {
        return E_FAIL;
    }
}

// Reference counting, QueryInterface for the interfaces given and the counting of calls.
template <class Interface>
class MapiFace : public Interface {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        for (const IID* offered : iids_) {
            if (iid == *offered) *out = this;
        }
        if (iid == IID_IUnknown) *out = this;
        if (*out == nullptr) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = --refs_;
        if (left == 0) delete this;
        return left;
    }
    virtual ~MapiFace() { faces_->mapiObjectGone(); }

protected:
    MapiFace(std::shared_ptr<Faces> faces, std::string name, std::vector<const IID*> iids)
        : faces_(std::move(faces)), name_(std::move(name)), iids_(std::move(iids)) {
        faces_->mapiObjectMade();
    }
    void count(const char* method) { faces_->countMapiCall(name_ + "." + method); }
    std::shared_ptr<Faces> faces_;

private:
    std::string name_;
    std::vector<const IID*> iids_;
    ULONG refs_ = 1;
};

#define CORVANE_NO_SUPPORT(name, ...)                      \
    HRESULT STDMETHODCALLTYPE name(__VA_ARGS__) override { \
        this->count(#name);                                \
        return MapiNoSupport;                              \
    }

class RecipientTable final : public MapiFace<IMAPITable> {
public:
    RecipientTable(std::shared_ptr<Faces> faces, std::vector<std::shared_ptr<mapi::Recipient>> rows)
        : MapiFace(std::move(faces), "IMAPITable", {&iid::IMAPITable}),
          rows_(std::move(rows)),
          columns_(std::begin(RecipientColumns), std::end(RecipientColumns)) {}

    HRESULT STDMETHODCALLTYPE SetColumns(SPropTagArray* columns, ULONG) override {
        count("SetColumns");
        if (columns == nullptr) return E_INVALIDARG;
        columns_.assign(columns->aulPropTag, columns->aulPropTag + columns->cValues);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetRowCount(ULONG, ULONG* out) override {
        count("GetRowCount");
        if (out == nullptr) return E_INVALIDARG;
        *out = static_cast<ULONG>(rows_.size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE QueryRows(LONG wanted, ULONG, SRowSet** out) override {
        count("QueryRows");
        if (out == nullptr || wanted < 0) return E_INVALIDARG;
        return Answer([&]() -> HRESULT {
            const std::size_t n = std::min(static_cast<std::size_t>(wanted), rows_.size() - next_);
            void* block = nullptr;
            if (FAILED(SystemLibrary().allocateBuffer(static_cast<ULONG>(sizeof(SRowSet) + n * sizeof(SRow)), &block)))
                return MapiNotEnoughMemory;
            auto* set = static_cast<SRowSet*>(block);
            set->cRows = 0;
            try {
                for (std::size_t i = 0; i < n; ++i, ++next_) addRow(*set);
            } catch (...) {
                // A recipient gone meanwhile: nothing is handed out.
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
        auto& recipient = *rows_[next_];
        bool missing = false;
        SPropValue* values = BlockOf(
            columns_, [&](ULONG tag) { return recipient.Fields(tag); }, missing);
        if (values == nullptr) throw platform::PlatformError(errors::MapiNotEnoughMemory);
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            if (mapi::PropId(columns_[c]) == mapi::PropId(RowIdTag)) {
                values[c].ulPropTag = RowIdTag;
                values[c].Value.l = static_cast<LONG>(next_);
            }
        }
        set.aRow[set.cRows++] = SRow{0, static_cast<ULONG>(columns_.size()), values};
    }

    std::vector<std::shared_ptr<mapi::Recipient>> rows_;
    std::vector<ULONG> columns_;
    std::size_t next_ = 0;
};

// IMAPIProp over a property object of the simulated profile: what the caller names is read,
// what it writes is written at once; SaveChanges saves a message.
template <class Interface>
class PropFace : public MapiFace<Interface> {
public:
    HRESULT STDMETHODCALLTYPE GetProps(SPropTagArray* tags, ULONG, ULONG* count, SPropValue** out) override {
        this->count("GetProps");
        // The whole property list is not offered: the caller names what it reads.
        if (tags == nullptr || count == nullptr || out == nullptr) return MapiNoSupport;
        return Answer([&]() -> HRESULT {
            std::vector<ULONG> asked(tags->aulPropTag, tags->aulPropTag + tags->cValues);
            bool missing = false;
            *out = BlockOf(
                asked, [&](ULONG tag) { return object_->Fields(tag); }, missing);
            if (*out == nullptr) return MapiNotEnoughMemory;
            *count = tags->cValues;
            return missing ? MapiErrorsReturned : S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE SetProps(ULONG n, SPropValue* values, SPropProblemArray** problems) override {
        this->count("SetProps");
        if (problems != nullptr) *problems = nullptr;
        return Answer([&]() -> HRESULT {
            for (ULONG i = 0; i < n; ++i) object_->SetFields(values[i].ulPropTag, ValueOf(values[i]));
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE SaveChanges(ULONG) override {
        this->count("SaveChanges");
        return Answer([&]() -> HRESULT {
            if (auto* message = dynamic_cast<mapi::Message*>(object_.get())) message->Save();
            return S_OK;
        });
    }
    CORVANE_NO_SUPPORT(GetLastError, HRESULT, ULONG, MAPIERROR**)
    CORVANE_NO_SUPPORT(GetPropList, ULONG, SPropTagArray**)
    CORVANE_NO_SUPPORT(OpenProperty, ULONG, const IID*, ULONG, ULONG, IUnknown**)
    CORVANE_NO_SUPPORT(DeleteProps, SPropTagArray*, SPropProblemArray**)
    CORVANE_NO_SUPPORT(CopyTo, ULONG, const IID*, SPropTagArray*, ULONG_PTR, IMAPIProgress*, const IID*, void*, ULONG,
                       SPropProblemArray**)
    CORVANE_NO_SUPPORT(CopyProps, SPropTagArray*, ULONG_PTR, IMAPIProgress*, const IID*, void*, ULONG,
                       SPropProblemArray**)
    CORVANE_NO_SUPPORT(GetNamesFromIDs, SPropTagArray**, GUID*, ULONG, ULONG*, MAPINAMEID***)
    CORVANE_NO_SUPPORT(GetIDsFromNames, ULONG, MAPINAMEID**, ULONG, SPropTagArray**)

protected:
    PropFace(std::shared_ptr<Faces> faces, std::string name, std::vector<const IID*> iids,
             std::shared_ptr<mapi::PropertyObject> object)
        : MapiFace<Interface>(std::move(faces), std::move(name), std::move(iids)), object_(std::move(object)) {}
    std::shared_ptr<mapi::PropertyObject> object_;
};

// An address book entry: its properties only.
class EntryFace final : public PropFace<IMailUser> {
public:
    EntryFace(std::shared_ptr<Faces> faces, std::shared_ptr<mapi::PropertyObject> entry)
        : PropFace(std::move(faces), "IMailUser", {&iid::IMAPIProp, &iid::IMailUser}, std::move(entry)) {}
};

class MessageFace final : public PropFace<IMessage> {
public:
    MessageFace(std::shared_ptr<Faces> faces, std::shared_ptr<mapi::Message> message)
        : PropFace(std::move(faces), "IMessage", {&iid::IMAPIProp, &iid::IMessage}, message),
          message_(std::move(message)) {}

    HRESULT STDMETHODCALLTYPE GetRecipientTable(ULONG, IMAPITable** out) override {
        count("GetRecipientTable");
        if (out == nullptr) return E_INVALIDARG;
        return Answer([&]() -> HRESULT {
            *out = new RecipientTable(faces_, message_->Recipients());
            return S_OK;
        });
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
                    if (row.lpProps[c].ulPropTag == RowIdTag) index = static_cast<std::size_t>(row.lpProps[c].Value.l);
                }
                if (index >= recipients.size()) return MapiNotFound;
                for (ULONG c = 0; c < row.cValues; ++c) {
                    const SPropValue& value = row.lpProps[c];
                    if (value.ulPropTag == RowIdTag || (value.ulPropTag & 0xFFFF) == PtError) continue;
                    recipients[index]->SetFields(value.ulPropTag, ValueOf(value));
                }
            }
            return S_OK;
        });
    }
    CORVANE_NO_SUPPORT(GetAttachmentTable, ULONG, IMAPITable**)
    CORVANE_NO_SUPPORT(OpenAttach, ULONG, const IID*, ULONG, IAttach**)
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

private:
    std::shared_ptr<mapi::Message> message_;
};

#undef CORVANE_NO_SUPPORT

}  // namespace

IUnknown* MapiFaceOf(Faces& faces, const std::shared_ptr<mapi::PropertyObject>& object) {
    if (auto message = std::dynamic_pointer_cast<mapi::Message>(object))
        return static_cast<IMessage*>(new MessageFace(faces.shared_from_this(), std::move(message)));
    return static_cast<IMailUser*>(new EntryFace(faces.shared_from_this(), object));
}

}  // namespace corvane::simcom
