// Reading a saved list with Windows' XmlLite.
#include <windows.h>
// After windows.h:
#include <objidl.h>
#include <shlwapi.h>
#include <xmllite.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "corvane/accounts/rowset.h"
#include "corvane/platform/xml_lite.h"
#include "corvane/text/wide.h"

namespace corvane::accounts {
namespace {

template <class T>
class Com {
public:
    Com() = default;
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;
    ~Com() {
        if (p_) p_->Release();
    }
    T** out() { return &p_; }
    T* operator->() const { return p_; }
    T* get() const { return p_; }

private:
    T* p_ = nullptr;
};

std::wstring_view LocalName(IXmlReader& reader) {
    const wchar_t* name = nullptr;
    UINT length = 0;
    if (FAILED(reader.GetLocalName(&name, &length))) return {};
    return {name, length};
}

void Check(HRESULT hr, const char* what) {
    if (FAILED(hr)) throw RowsetError(std::string(what) + " (HRESULT " + std::to_string(static_cast<long>(hr)) + ")");
}

}  // namespace

RowsetText ReadRowsetInPlace(std::string text) {
    Com<IStream> stream;
    *stream.out() = SHCreateMemStream(reinterpret_cast<const BYTE*>(text.data()), static_cast<UINT>(text.size()));
    if (!stream.get()) throw RowsetError("out of memory");
    Com<IXmlReader> reader;
    Check(platform::CreateXmlLiteReader(reader.out()), "no XML reader");
    Check(reader->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit), "no XML reader");
    Check(reader->SetInput(stream.get()), "no XML reader");

    // XmlLite gives the values in UTF-16: their UTF-8 is gathered in one text, where the
    // records point once it is complete.
    std::string values;
    struct Field {
        std::size_t offset = 0;
        std::size_t size = 0;
        bool present = false;
    };
    std::vector<std::pair<Field, Field>> fields;
    const auto keep = [&values](Field& f, std::wstring_view value) {
        const std::string utf8 = text::Utf8FromWide(value);
        f = {values.size(), utf8.size(), true};
        values += utf8;
    };
    bool sawRoot = false;
    bool sawData = false;
    UINT dataDepth = 0;
    bool inData = false;
    XmlNodeType type;
    HRESULT hr;
    while ((hr = reader->Read(&type)) == S_OK) {
        if (type == XmlNodeType_EndElement) {
            UINT depth = 0;
            reader->GetDepth(&depth);
            if (inData && depth == dataDepth) inData = false;
            continue;
        }
        if (type != XmlNodeType_Element) continue;
        UINT depth = 0;
        reader->GetDepth(&depth);
        const auto name = LocalName(*reader.get());
        const bool empty = reader->IsEmptyElement();
        if (depth == 0) {
            if (name != L"xml") throw RowsetError("the text is not a saved list");
            sawRoot = true;
        } else if (depth == 1 && name == L"data" && !sawData) {
            sawData = true;
            inData = !empty;
            dataDepth = depth;
        } else if (inData && name == L"row") {
            std::pair<Field, Field> r;
            for (HRESULT a = reader->MoveToFirstAttribute(); a == S_OK; a = reader->MoveToNextAttribute()) {
                const auto attr = LocalName(*reader.get());
                const wchar_t* value = nullptr;
                UINT length = 0;
                Check(reader->GetValue(&value, &length), "an unreadable attribute");
                if (attr == L"strEmailAddress")
                    keep(r.first, {value, length});
                else if (attr == L"strAccount")
                    keep(r.second, {value, length});
            }
            fields.push_back(r);
        }
    }
    Check(hr, "the text is not well-formed XML");
    if (!sawRoot) throw RowsetError("the text is not a saved list");
    if (!sawData) throw RowsetError("the saved list has no data");
    RowsetText read{std::make_unique<std::string>(std::move(values)), {}};
    const std::string_view all = *read.text;
    const auto view = [all](const Field& f) -> std::optional<std::string_view> {
        if (!f.present) return std::nullopt;
        return all.substr(f.offset, f.size);
    };
    read.records.reserve(fields.size());
    for (const auto& [address, account] : fields) read.records.push_back({view(address), view(account)});
    return read;
}

}  // namespace corvane::accounts
