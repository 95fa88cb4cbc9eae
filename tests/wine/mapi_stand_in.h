#pragma once
// Stand-in Extended-MAPI objects of our own for the Wine checks: a message with properties
// and a recipient table, a session with a message store table, tables read in pages of two.
// They live on the check's stack and count their references. Their property blocks come
// from AllocateBlock: by default a counting allocator (`blocks` must come back to 0); a
// check whose blocks are freed by mapi32.dll points it at mapi32's MAPIAllocateBuffer.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "corvane/commapi/interfaces.h"

namespace corvane::winecheck {

using namespace corvane::commapi;

inline int blocks = 0;  // MAPI blocks given out and not freed
inline LONG STDMETHODCALLTYPE Allocate(ULONG size, void** out) {
    *out = std::calloc(1, size);
    ++blocks;
    return S_OK;
}
inline ULONG STDMETHODCALLTYPE Free(void* block) {
    if (block != nullptr) --blocks;
    std::free(block);
    return 0;
}
inline MAPIAllocateBufferFn AllocateBlock = Allocate;

// A property as a stand-in keeps it; packed into one MAPI block per property array.
using Held = std::variant<LONG, bool, std::wstring, FILETIME, std::vector<BYTE>, std::vector<std::wstring>>;
using Bag = std::map<ULONG, Held>;  // by tag as written

inline SPropValue* Pack(const std::vector<std::pair<ULONG, const Held*>>& props) {
    std::size_t size = props.size() * sizeof(SPropValue);
    for (const auto& [tag, held] : props) {
        if (auto* s = held ? std::get_if<std::wstring>(held) : nullptr) size += (s->size() + 1) * sizeof(wchar_t);
        if (auto* b = held ? std::get_if<std::vector<BYTE>>(held) : nullptr) size += b->size();
        if (auto* m = held ? std::get_if<std::vector<std::wstring>>(held) : nullptr) {
            for (const auto& s : *m) size += sizeof(wchar_t*) + (s.size() + 1) * sizeof(wchar_t);
        }
    }
    void* block = nullptr;
    AllocateBlock(static_cast<ULONG>(size), &block);
    auto* values = static_cast<SPropValue*>(block);
    auto* tail = reinterpret_cast<BYTE*>(values + props.size());
    auto text = [&](const std::wstring& s) {
        auto* out = reinterpret_cast<wchar_t*>(tail);
        std::memcpy(out, s.c_str(), (s.size() + 1) * sizeof(wchar_t));
        tail += (s.size() + 1) * sizeof(wchar_t);
        return out;
    };
    for (std::size_t i = 0; i < props.size(); ++i) {
        auto& v = values[i];
        const Held* held = props[i].second;
        v.ulPropTag = props[i].first;
        if (held == nullptr) {
            v.ulPropTag = (props[i].first & 0xFFFF0000u) | 0x000A;  // PT_ERROR
            v.Value.err = static_cast<LONG>(0x8004010F);
        } else if (auto* l = std::get_if<LONG>(held)) {
            v.Value.l = *l;
        } else if (auto* f = std::get_if<bool>(held)) {
            v.Value.b = *f ? 1 : 0;
        } else if (auto* s = std::get_if<std::wstring>(held)) {
            v.Value.lpszW = text(*s);
        } else if (auto* t = std::get_if<FILETIME>(held)) {
            v.Value.ft = *t;
        } else if (auto* b = std::get_if<std::vector<BYTE>>(held)) {
            v.Value.bin = SBinary{static_cast<ULONG>(b->size()), tail};
            std::memcpy(tail, b->data(), b->size());
            tail += b->size();
        } else if (auto* m = std::get_if<std::vector<std::wstring>>(held)) {
            auto** list = reinterpret_cast<wchar_t**>(tail);
            tail += m->size() * sizeof(wchar_t*);
            for (std::size_t k = 0; k < m->size(); ++k) list[k] = text((*m)[k]);
            v.Value.MVszW = SWStringArray{static_cast<ULONG>(m->size()), list};
        }
    }
    return values;
}

inline Held HeldOf(const SPropValue& v) {
    switch (v.ulPropTag & 0xFFFF) {
        case 0x0003: return v.Value.l;
        case 0x000B: return v.Value.b != 0;
        case 0x001F: return std::wstring(v.Value.lpszW);
        case 0x0040: return v.Value.ft;
        default: return std::vector<BYTE>(v.Value.bin.lpb, v.Value.bin.lpb + v.Value.bin.cb);
    }
}

#define STUB(name, ...) \
    HRESULT STDMETHODCALLTYPE name(__VA_ARGS__) override { return E_NOTIMPL; }

template <class Interface>
class Counted : public Interface {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        *out = iid == IID_IUnknown || iid == iid_ ? this : nullptr;
        if (*out == nullptr) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }  // lives on the check's stack
    ULONG refs = 1;

protected:
    explicit Counted(const IID& iid) : iid_(iid) {}
    IID iid_;
};

// A table of rows, read in pages of two so that the reader must ask again.
class Table final : public Counted<IMAPITable> {
public:
    explicit Table(std::vector<Bag> rows) : Counted(iid::IMAPITable), rows_(std::move(rows)) {}
    HRESULT STDMETHODCALLTYPE QueryRows(LONG count, ULONG, SRowSet** out) override {
        std::size_t n = std::min<std::size_t>(std::min<std::size_t>(static_cast<std::size_t>(count), 2),
                                              rows_.size() - next_);
        void* block = nullptr;
        AllocateBlock(static_cast<ULONG>(sizeof(SRowSet) + n * sizeof(SRow)), &block);
        *out = static_cast<SRowSet*>(block);
        (*out)->cRows = static_cast<ULONG>(n);
        for (std::size_t i = 0; i < n; ++i, ++next_) {
            std::vector<std::pair<ULONG, const Held*>> props;
            for (const auto& [tag, held] : rows_[next_]) props.emplace_back(tag, &held);
            (*out)->aRow[i] = SRow{0, static_cast<ULONG>(props.size()), Pack(props)};
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetColumns(SPropTagArray*, ULONG) override { return S_OK; }
    // Each time the owner hands the table out, reading starts again.
    IMAPITable* handOut() {
        next_ = 0;
        AddRef();
        return this;
    }
    STUB(GetLastError, HRESULT, ULONG, MAPIERROR**)
    STUB(Advise, ULONG, IMAPIAdviseSink*, ULONG_PTR*)
    STUB(Unadvise, ULONG_PTR)
    STUB(GetStatus, ULONG*, ULONG*)
    STUB(QueryColumns, ULONG, SPropTagArray**)
    STUB(GetRowCount, ULONG, ULONG*)
    STUB(SeekRow, ULONG, LONG, LONG*)
    STUB(SeekRowApprox, ULONG, ULONG)
    STUB(QueryPosition, ULONG*, ULONG*, ULONG*)
    STUB(FindRow, SRestriction*, ULONG, ULONG)
    STUB(Restrict, SRestriction*, ULONG)
    STUB(CreateBookmark, ULONG*)
    STUB(FreeBookmark, ULONG)
    STUB(SortTable, SSortOrderSet*, ULONG)
    STUB(QuerySortOrder, SSortOrderSet**)
    STUB(Abort)
    STUB(ExpandRow, ULONG, BYTE*, ULONG, ULONG, SRowSet**, ULONG*)
    STUB(CollapseRow, ULONG, BYTE*, ULONG, ULONG*)
    STUB(WaitForCompletion, ULONG, ULONG, ULONG*)
    STUB(GetCollapseState, ULONG, ULONG, BYTE*, ULONG*, BYTE**)
    STUB(SetCollapseState, ULONG, ULONG, BYTE*, ULONG*)

private:
    std::vector<Bag> rows_;
    std::size_t next_ = 0;
};

class Message final : public Counted<IMessage> {
public:
    Message() : Counted(iid::IMessage) {}
    Bag props;
    Table recipients{{}};
    HRESULT failure = S_OK;  // what GetProps answers instead, when set
    int saves = 0;
    Bag modified;  // the row ModifyRecipients was given

    HRESULT STDMETHODCALLTYPE GetProps(SPropTagArray* tags, ULONG, ULONG* count, SPropValue** out) override {
        if (failure != S_OK) return failure;
        std::vector<std::pair<ULONG, const Held*>> found;
        for (ULONG i = 0; i < tags->cValues; ++i) {
            auto it = props.find(tags->aulPropTag[i]);
            found.emplace_back(tags->aulPropTag[i], it != props.end() ? &it->second : nullptr);
        }
        *count = tags->cValues;
        *out = Pack(found);
        return found[0].second != nullptr ? S_OK : 0x00040380;  // MAPI_W_ERRORS_RETURNED
    }
    HRESULT STDMETHODCALLTYPE SetProps(ULONG count, SPropValue* values, SPropProblemArray** problems) override {
        for (ULONG i = 0; i < count; ++i) props[values[i].ulPropTag] = HeldOf(values[i]);
        *problems = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SaveChanges(ULONG flags) override {
        saves += flags == 0x4 ? 1 : 100;  // KEEP_OPEN_READWRITE
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetRecipientTable(ULONG, IMAPITable** out) override {
        *out = recipients.handOut();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ModifyRecipients(ULONG, ADRLIST* mods) override {
        for (ULONG i = 0; i < mods->aRow[0].cValues; ++i) {
            modified[mods->aRow[0].lpProps[i].ulPropTag] = HeldOf(mods->aRow[0].lpProps[i]);
        }
        return S_OK;
    }
    STUB(GetLastError, HRESULT, ULONG, MAPIERROR**)
    STUB(GetPropList, ULONG, SPropTagArray**)
    STUB(OpenProperty, ULONG, const IID*, ULONG, ULONG, IUnknown**)
    STUB(DeleteProps, SPropTagArray*, SPropProblemArray**)
    STUB(CopyTo, ULONG, const IID*, SPropTagArray*, ULONG_PTR, IMAPIProgress*, const IID*, void*, ULONG,
         SPropProblemArray**)
    STUB(CopyProps, SPropTagArray*, ULONG_PTR, IMAPIProgress*, const IID*, void*, ULONG, SPropProblemArray**)
    STUB(GetNamesFromIDs, SPropTagArray**, GUID*, ULONG, ULONG*, MAPINAMEID***)
    STUB(GetIDsFromNames, ULONG, MAPINAMEID**, ULONG, SPropTagArray**)
    STUB(GetAttachmentTable, ULONG, IMAPITable**)
    STUB(OpenAttach, ULONG, const IID*, ULONG, IAttach**)
    STUB(CreateAttach, const IID*, ULONG, ULONG*, IAttach**)
    STUB(DeleteAttach, ULONG, ULONG_PTR, IMAPIProgress*, ULONG)
    STUB(SubmitMessage, ULONG)
    STUB(SetReadFlag, ULONG)
};

class Session final : public Counted<IMAPISession> {
public:
    explicit Session(std::vector<Bag> rows) : Counted(iid::IMAPISession), stores(std::move(rows)) {}
    Table stores;
    HRESULT STDMETHODCALLTYPE GetMsgStoresTable(ULONG, IMAPITable** out) override {
        *out = stores.handOut();
        return S_OK;
    }
    STUB(GetLastError, HRESULT, ULONG, MAPIERROR**)
    STUB(OpenMsgStore, ULONG_PTR, ULONG, ENTRYID*, const IID*, ULONG, IMsgStore**)
    STUB(OpenAddressBook, ULONG_PTR, const IID*, ULONG, IAddrBook**)
    STUB(OpenProfileSection, GUID*, const IID*, ULONG, IProfSect**)
    STUB(GetStatusTable, ULONG, IMAPITable**)
    STUB(OpenEntry, ULONG, ENTRYID*, const IID*, ULONG, ULONG*, IUnknown**)
    STUB(CompareEntryIDs, ULONG, ENTRYID*, ULONG, ENTRYID*, ULONG, ULONG*)
    STUB(Advise, ULONG, ENTRYID*, ULONG, IMAPIAdviseSink*, ULONG_PTR*)
    STUB(Unadvise, ULONG_PTR)
    STUB(MessageOptions, ULONG_PTR, ULONG, LPWSTR, IMessage*)
    STUB(QueryDefaultMessageOpt, LPWSTR, ULONG, ULONG*, SPropValue**)
    STUB(EnumAdrTypes, ULONG, ULONG*, LPWSTR**)
    STUB(QueryIdentity, ULONG*, ENTRYID**)
    STUB(Logoff, ULONG_PTR, ULONG, ULONG)
    STUB(SetDefaultStore, ULONG, ULONG, ENTRYID*)
    STUB(AdminServices, ULONG, IMsgServiceAdmin**)
    STUB(ShowForm, ULONG_PTR, IMsgStore*, IMAPIFolder*, const IID*, ULONG, IMessage*, ULONG, ULONG, ULONG, ULONG,
         LPSTR)
    STUB(PrepareForm, const IID*, IMessage*, ULONG*)
};

}  // namespace corvane::winecheck
