#include "core.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <cwchar>

#include "corvane/platform/error.h"
#include "corvane/text/wide.h"

namespace corvane::commapi {

namespace errors = platform::errors;

namespace {

constexpr HRESULT ErrorsReturned = 0x00040380;  // MAPI_W_ERRORS_RETURNED

// MAPI's numbers in the catalog; where MAPI shares a number with COM, MAPI's name.
constexpr std::array<const platform::ErrorCode*, 30> MapiCatalog{
    &errors::MapiCallFailed,       &errors::MapiInterfaceNotSupported,
    &errors::MapiNoAccess,         &errors::MapiNotEnoughMemory,
    &errors::MapiInvalidParameter, &errors::MapiNoSupport,
    &errors::MapiBadCharWidth,     &errors::MapiUnknownFlags,
    &errors::MapiInvalidEntryId,   &errors::MapiInvalidObject,
    &errors::MapiObjectChanged,    &errors::MapiObjectDeleted,
    &errors::MapiNotFound,         &errors::MapiLogonFailed,
    &errors::MapiUserCancel,       &errors::MapiNetworkError,
    &errors::MapiCorruptData,      &errors::MapiEndOfSession,
    &errors::MapiUnknownEntryId,   &errors::MapiBadValue,
    &errors::MapiInvalidType,      &errors::MapiTypeNoSupport,
    &errors::MapiUnexpectedType,   &errors::MapiTooBig,
    &errors::MapiTimeout,          &errors::MapiNotInitialized,
    &errors::AccountNotFound,      &errors::AccountManagerNotInitialized,
    &errors::MapiNotInstalled,     &errors::StorageFileNotFound,
};

std::string WideText(const wchar_t* text) { return text == nullptr ? std::string() : text::Utf8FromWide(text); }

std::string AnsiText(const char* text) {
    if (text == nullptr) return {};
    int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    return text::Utf8FromWide(wide.c_str());
}

}  // namespace

void ThrowMapi(HRESULT hr) {
    for (const auto* code : MapiCatalog) {
        if (code->number == hr) throw platform::PlatformError(*code);
    }
    char text[40];
    std::snprintf(text, sizeof text, "MAPI error 0x%08lX", static_cast<unsigned long>(hr));
    throw platform::PlatformError(hr, text);
}

void FreeRows(const Library& library, SRowSet* rows) {
    if (rows == nullptr) return;
    for (ULONG i = 0; i < rows->cRows; ++i) {
        if (rows->aRow[i].lpProps != nullptr) library.freeBuffer(rows->aRow[i].lpProps);
    }
    library.freeBuffer(rows);
}

mapi::PropValue ValueOf(const SPropValue& value) {
    const auto& v = value.Value;
    switch (mapi::PropType(value.ulPropTag)) {
        case mapi::pt::I2: return std::int32_t{v.i};
        case mapi::pt::Long: return static_cast<std::int32_t>(v.l);
        case mapi::pt::Boolean: return v.b != 0;
        case mapi::pt::String8: return AnsiText(v.lpszA);
        case mapi::pt::Unicode: return WideText(v.lpszW);
        case mapi::pt::SysTime: return LocalTimeOf(v.ft);
        case mapi::pt::Binary: return mapi::Binary(v.bin.lpb, v.bin.lpb + v.bin.cb);
        case mapi::pt::MvString8: {
            std::vector<std::string> out;
            for (ULONG i = 0; i < v.MVszA.cValues; ++i) out.push_back(AnsiText(v.MVszA.lppszA[i]));
            return out;
        }
        case mapi::pt::MvUnicode: {
            std::vector<std::string> out;
            for (ULONG i = 0; i < v.MVszW.cValues; ++i) out.push_back(WideText(v.MVszW.lppszW[i]));
            return out;
        }
        default: return {};
    }
}

void PropsToWrite::add(mapi::PropTag tag, const mapi::PropValue& value) {
    SPropValue out{};
    out.ulPropTag = AskedTag(tag);
    auto& v = out.Value;
    if (const auto* number = std::get_if<std::int32_t>(&value)) {
        if (mapi::PropType(tag) == mapi::pt::I2) {
            v.i = static_cast<std::int16_t>(*number);
        } else {
            out.ulPropTag = mapi::MakeTag(mapi::PropId(tag), mapi::pt::Long);
            v.l = *number;
        }
    } else if (const auto* flag = std::get_if<bool>(&value)) {
        out.ulPropTag = mapi::MakeTag(mapi::PropId(tag), mapi::pt::Boolean);
        v.b = *flag ? 1 : 0;
    } else if (const auto* text = std::get_if<std::string>(&value)) {
        out.ulPropTag = mapi::MakeTag(mapi::PropId(tag), mapi::pt::Unicode);
        v.lpszW = texts_.emplace_back(text::WideFromUtf8(*text)).data();
    } else if (const auto* when = std::get_if<platform::DateTime>(&value)) {
        out.ulPropTag = mapi::MakeTag(mapi::PropId(tag), mapi::pt::SysTime);
        v.ft = UtcFileTimeOf(*when);
    } else if (const auto* texts = std::get_if<std::vector<std::string>>(&value)) {
        out.ulPropTag = mapi::MakeTag(mapi::PropId(tag), mapi::pt::MvUnicode);
        auto& pointers = textArrays_.emplace_back();
        for (const auto& t : *texts) pointers.push_back(texts_.emplace_back(text::WideFromUtf8(t)).data());
        v.MVszW.cValues = static_cast<ULONG>(pointers.size());
        v.MVszW.lppszW = pointers.data();
    } else if (const auto* bytes = std::get_if<mapi::Binary>(&value)) {
        out.ulPropTag = mapi::MakeTag(mapi::PropId(tag), mapi::pt::Binary);
        auto& kept = binaries_.emplace_back(*bytes);
        v.bin.cb = static_cast<ULONG>(kept.size());
        v.bin.lpb = kept.data();
    } else {
        throw platform::PlatformError(errors::MapiBadValue);
    }
    values_.push_back(out);
}

SPropValue* CopyToBlock(const SPropValue* values, std::size_t count, const Library& library) {
    const auto wideSize = [](const wchar_t* s) { return (std::wcslen(s) + 1) * sizeof(wchar_t); };
    std::size_t size = count * sizeof(SPropValue);
    for (std::size_t i = 0; i < count; ++i) {
        const auto& v = values[i].Value;
        switch (mapi::PropType(values[i].ulPropTag)) {
            case mapi::pt::Unicode: size += wideSize(v.lpszW); break;
            case mapi::pt::String8: size += std::strlen(v.lpszA) + 1; break;
            case mapi::pt::Binary: size += v.bin.cb; break;
            case mapi::pt::MvUnicode:
                size += v.MVszW.cValues * sizeof(wchar_t*);
                for (ULONG k = 0; k < v.MVszW.cValues; ++k) size += wideSize(v.MVszW.lppszW[k]);
                break;
            default: break;
        }
    }
    void* block = nullptr;
    if (FAILED(library.allocateBuffer(static_cast<ULONG>(size), &block)) || block == nullptr) return nullptr;
    auto* out = static_cast<SPropValue*>(block);
    auto* tail = reinterpret_cast<BYTE*>(out + count);
    const auto place = [&tail](const void* from, std::size_t bytes) {
        void* to = tail;
        if (bytes > 0) std::memcpy(to, from, bytes);
        tail += bytes;
        return to;
    };
    for (std::size_t i = 0; i < count; ++i) {
        out[i] = values[i];
        auto& v = out[i].Value;
        switch (mapi::PropType(values[i].ulPropTag)) {
            case mapi::pt::Unicode: v.lpszW = static_cast<wchar_t*>(place(v.lpszW, wideSize(v.lpszW))); break;
            case mapi::pt::String8: v.lpszA = static_cast<char*>(place(v.lpszA, std::strlen(v.lpszA) + 1)); break;
            case mapi::pt::Binary: v.bin.lpb = static_cast<BYTE*>(place(v.bin.lpb, v.bin.cb)); break;
            case mapi::pt::MvUnicode: {
                auto** list = static_cast<wchar_t**>(place(v.MVszW.lppszW, v.MVszW.cValues * sizeof(wchar_t*)));
                for (ULONG k = 0; k < v.MVszW.cValues; ++k)
                    list[k] = static_cast<wchar_t*>(place(list[k], wideSize(list[k])));
                v.MVszW.lppszW = list;
                break;
            }
            default: break;
        }
    }
    return out;
}

mapi::PropValue ReadProp(IMAPIProp* object, mapi::PropTag tag, const Library& library) {
    SPropTagArray asked{1, {AskedTag(tag)}};
    ULONG count = 0;
    MapiBuffer<SPropValue> values(library);
    HRESULT hr = object->GetProps(&asked, flags::MapiUnicode, &count, values.put());
    Check(hr);
    // MAPI_W_ERRORS_RETURNED: the value is PT_ERROR, the object does not have it.
    if (hr == ErrorsReturned || count == 0 || values.get() == nullptr) return {};
    return ValueOf(*values.get());
}

void WriteProp(IMAPIProp* object, mapi::PropTag tag, const mapi::PropValue& value, const Library& library) {
    PropsToWrite props;
    props.add(tag, value);
    MapiBuffer<SPropProblemArray> problems(library);
    Check(object->SetProps(1, props.values().data(), problems.put()));
    if (problems.get() != nullptr && problems->cProblem > 0) ThrowMapi(problems->aProblem[0].scode);
}

void WriteAndSave(IMAPIProp* object, mapi::PropTag tag, const mapi::PropValue& value, const Library& library) {
    WriteProp(object, tag, value, library);
    Check(object->SaveChanges(flags::KeepOpenReadWrite));
}

std::string ReadText(IMAPIProp* object, mapi::PropTag tag, const Library& library) {
    auto value = ReadProp(object, tag, library);
    return TextOf(&value);
}
std::int32_t ReadNumber(IMAPIProp* object, mapi::PropTag tag, const Library& library) {
    auto value = ReadProp(object, tag, library);
    return NumberOf(&value);
}
mapi::Binary ReadBinary(IMAPIProp* object, mapi::PropTag tag, const Library& library) {
    auto value = ReadProp(object, tag, library);
    return BinaryOf(&value);
}

const mapi::PropValue* Find(const Row& row, mapi::PropTag tag) {
    for (const auto& [have, value] : row) {
        if (mapi::String8Tag(have) == mapi::String8Tag(tag)) return &value;
    }
    return nullptr;
}
std::string TextOf(const mapi::PropValue* value) {
    const auto* text = value != nullptr ? std::get_if<std::string>(value) : nullptr;
    return text != nullptr ? *text : std::string();
}
std::int32_t NumberOf(const mapi::PropValue* value) {
    const auto* number = value != nullptr ? std::get_if<std::int32_t>(value) : nullptr;
    return number != nullptr ? *number : 0;
}
mapi::Binary BinaryOf(const mapi::PropValue* value) {
    const auto* bytes = value != nullptr ? std::get_if<mapi::Binary>(value) : nullptr;
    return bytes != nullptr ? *bytes : mapi::Binary();
}

std::vector<Row> ReadRows(IMAPITable* table, std::initializer_list<ULONG> columns, const Library& library) {
    if (columns.size() > 0) {
        std::vector<ULONG> tags(columns.size() + 1);
        tags[0] = static_cast<ULONG>(columns.size());
        std::copy(columns.begin(), columns.end(), tags.begin() + 1);
        Check(table->SetColumns(reinterpret_cast<SPropTagArray*>(tags.data()), 0));
    }
    std::vector<Row> rows;
    for (;;) {
        SRowSet* raw = nullptr;
        Check(table->QueryRows(50, 0, &raw));
        struct Freed {
            const Library& library;
            SRowSet* rows;
            ~Freed() { FreeRows(library, rows); }
        } freed{library, raw};
        if (raw == nullptr || raw->cRows == 0) break;
        for (ULONG r = 0; r < raw->cRows; ++r) {
            Row row;
            for (ULONG c = 0; c < raw->aRow[r].cValues; ++c) {
                const auto& prop = raw->aRow[r].lpProps[c];
                row.emplace_back(prop.ulPropTag, ValueOf(prop));
            }
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

namespace {

constexpr std::int64_t FileTimeTicksPerSecond = 10'000'000;
constexpr std::int64_t SecondsFrom1601To1970 = 11'644'473'600;

SYSTEMTIME SystemTimeOf(const platform::DateTime& time) {
    auto c = time.civil();
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(c.year);
    st.wMonth = static_cast<WORD>(c.month);
    st.wDay = static_cast<WORD>(c.day);
    st.wHour = static_cast<WORD>(c.hour);
    st.wMinute = static_cast<WORD>(c.minute);
    st.wSecond = static_cast<WORD>(c.second);
    return st;
}

platform::DateTime DateTimeOf(const SYSTEMTIME& st) {
    return platform::DateTime::fromCivil(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
}

}  // namespace

platform::DateTime LocalTimeOf(const FILETIME& utc) {
    auto ticks = (static_cast<std::int64_t>(utc.dwHighDateTime) << 32) | utc.dwLowDateTime;
    auto asUtc = platform::DateTime::fromSecondsSinceEpoch(ticks / FileTimeTicksPerSecond - SecondsFrom1601To1970);
    SYSTEMTIME st = SystemTimeOf(asUtc);
    SYSTEMTIME local{};
    if (SystemTimeToTzSpecificLocalTime(nullptr, &st, &local) == 0) return asUtc;
    return DateTimeOf(local);
}

FILETIME UtcFileTimeOf(const platform::DateTime& local) {
    SYSTEMTIME st = SystemTimeOf(local);
    SYSTEMTIME utc{};
    auto asUtc = TzSpecificLocalTimeToSystemTime(nullptr, &st, &utc) != 0 ? DateTimeOf(utc) : local;
    auto ticks = (asUtc.secondsSinceEpoch() + SecondsFrom1601To1970) * FileTimeTicksPerSecond;
    return FILETIME{static_cast<DWORD>(ticks & 0xFFFFFFFF), static_cast<DWORD>(ticks >> 32)};
}

ComPtr<IUnknown> OpenEntry(const Context& context, const mapi::Binary& entryId) {
    auto bytes = entryId;
    auto* id = reinterpret_cast<ENTRYID*>(bytes.data());
    auto size = static_cast<ULONG>(bytes.size());
    ULONG type = 0;
    ComPtr<IUnknown> opened;
    if (context.store) {
        Check(context.store->OpenEntry(size, id, nullptr, flags::MapiBestAccess, &type, opened.put()));
    } else if (context.session) {
        Check(context.session->OpenEntry(size, id, nullptr, flags::MapiBestAccess, &type, opened.put()));
    } else {
        throw platform::PlatformError(errors::MapiNoSupport);
    }
    return opened;
}

std::vector<ComPtr<IUnknown>> OpenContents(IMAPIContainer* container, ULONG openFlags, const Library& library) {
    ComPtr<IMAPITable> table;
    Check(container->GetContentsTable(flags::MapiUnicode, table.put()));
    std::vector<ComPtr<IUnknown>> entries;
    for (const auto& row : ReadRows(table.get(), {mapi::tags::EntryId}, library)) {
        auto id = BinaryOf(Find(row, mapi::tags::EntryId));
        ULONG type = 0;
        ComPtr<IUnknown> opened;
        Check(container->OpenEntry(static_cast<ULONG>(id.size()), reinterpret_cast<ENTRYID*>(id.data()), nullptr,
                                   openFlags, &type, opened.put()));
        entries.push_back(std::move(opened));
    }
    return entries;
}

ComPtr<IMAPIProp> OpenAddressEntry(const Context& context, const mapi::Binary& entryId) {
    if (!context.session || entryId.empty()) return {};
    ComPtr<IAddrBook> book;
    if (FAILED(context.session->OpenAddressBook(0, nullptr, 0, book.put()))) return {};
    auto bytes = entryId;
    ULONG type = 0;
    ComPtr<IUnknown> opened;
    if (FAILED(book->OpenEntry(static_cast<ULONG>(bytes.size()), reinterpret_cast<ENTRYID*>(bytes.data()), nullptr, 0,
                               &type, opened.put()))) {
        return {};
    }
    return opened.as<IMAPIProp>(iid::IMAPIProp);
}

}  // namespace corvane::commapi
