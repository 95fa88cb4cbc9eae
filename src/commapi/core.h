#pragma once
// What every wrapper of the Extended-MAPI layer shares: MAPI's failures as PlatformError,
// MAPI's memory, property values both ways, table rows, and the context an object was
// reached in (the session and store that open what it refers to).
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "corvane/commapi/com_ptr.h"
#include "corvane/commapi/commapi.h"
#include "corvane/commapi/values.h"
#include "corvane/mapi/props.h"

namespace corvane::commapi {

// Throws the failure of a MAPI call: the catalog's entry for MAPI's number, or the number
// with "MAPI error 0x8004...." for one the catalog lacks.
[[noreturn]] void ThrowMapi(HRESULT hr);
inline void Check(HRESULT hr) {
    if (FAILED(hr)) ThrowMapi(hr);
}

// A block MAPI allocated for the caller (GetProps, QueryRows, ...), freed with
// MAPIFreeBuffer when the holder goes.
template <class T>
class MapiBuffer {
public:
    explicit MapiBuffer(const Library& library) : library_(&library) {}
    MapiBuffer(const MapiBuffer&) = delete;
    MapiBuffer& operator=(const MapiBuffer&) = delete;
    ~MapiBuffer() {
        if (p_ != nullptr) library_->freeBuffer(p_);
    }
    T** put() noexcept { return &p_; }
    T* get() const noexcept { return p_; }
    T* operator->() const noexcept { return p_; }

private:
    const Library* library_;
    T* p_ = nullptr;
};

// Frees a row set: each row's properties, then the set (FreeProws).
void FreeRows(const Library& library, SRowSet* rows);

// The tag a value is asked for: string properties in their Unicode form.
inline mapi::PropTag AskedTag(mapi::PropTag tag) { return mapi::UnicodeTag(tag); }

// Reads one property (empty when the object does not have it) and writes properties.
mapi::PropValue ReadProp(IMAPIProp* object, mapi::PropTag tag, const Library& library);
void WriteProp(IMAPIProp* object, mapi::PropTag tag, const mapi::PropValue& value, const Library& library);
// Writes and saves at once (every object but a message, which waits for Save).
void WriteAndSave(IMAPIProp* object, mapi::PropTag tag, const mapi::PropValue& value, const Library& library);
std::string ReadText(IMAPIProp* object, mapi::PropTag tag, const Library& library);
std::int32_t ReadNumber(IMAPIProp* object, mapi::PropTag tag, const Library& library);
mapi::Binary ReadBinary(IMAPIProp* object, mapi::PropTag tag, const Library& library);

// A row of a table, its properties as the table gave them.
using Row = std::vector<std::pair<mapi::PropTag, mapi::PropValue>>;
// The value of a row under a tag (by property id, a string under either width).
const mapi::PropValue* Find(const Row& row, mapi::PropTag tag);
std::string TextOf(const mapi::PropValue* value);
std::int32_t NumberOf(const mapi::PropValue* value);
mapi::Binary BinaryOf(const mapi::PropValue* value);
// Every row of a table, with the columns given (none: the table's own).
std::vector<Row> ReadRows(IMAPITable* table, std::initializer_list<ULONG> columns, const Library& library);

// Where an object was reached: MAPI's functions, the session (null for an object Outlook
// handed over alone) and the store it lives in (null when not known yet).
struct Context {
    const Library* library;
    ComPtr<IMAPISession> session;
    ComPtr<IMsgStore> store;
    // What must outlive the object (a .msg file's storage and message session): holders
    // keep the context after the object, so it goes last.
    std::shared_ptr<void> keep = {};
};

// Opens an entry by id through the store, else the session; the object in `iid`'s form.
ComPtr<IUnknown> OpenEntry(const Context& context, const mapi::Binary& entryId);
// Every entry of a container's contents table (a folder's messages, a list's members),
// opened through the container.
std::vector<ComPtr<IUnknown>> OpenContents(IMAPIContainer* container, ULONG openFlags, const Library& library);
// Opens an address book entry of the session (nullptr without a session).
ComPtr<IMAPIProp> OpenAddressEntry(const Context& context, const mapi::Binary& entryId);

// The wrappers (objects.cpp, address_entry.cpp, session.cpp, accounts.cpp).
std::shared_ptr<mapi::Message> WrapMessage(ComPtr<IMessage> message, Context context);
std::shared_ptr<mapi::Folder> WrapFolder(ComPtr<IMAPIFolder> folder, Context context);
std::shared_ptr<mapi::AddressEntry> WrapAddressEntry(ComPtr<IMAPIProp> entry, Context context);
// An address entry known only by values (a message's sender, a recipient's row): opened
// through the address book when it can be, else answered from the values.
std::shared_ptr<mapi::AddressEntry> EntryFromValues(Row values, const Context& context);
std::shared_ptr<mapi::Accounts> AccountsOf(const Context& context);
// A store of the session's message store table, opened when first needed.
std::shared_ptr<mapi::Store> StoreOfRow(Row row, Context context);

}  // namespace corvane::commapi
