// The custom UI's XML read with Windows' XmlLite.
#include <windows.h>
// After windows.h:
#include <objidl.h>
#include <shlwapi.h>
#include <xmllite.h>

#include <cstdio>
#include <string>

#include "corvane/platform/xml_lite.h"
#include "corvane/text/wide.h"
#include "xml_tree.h"

namespace corvane::sim {
namespace {

template <class T>
class XmlCom {
public:
    XmlCom() = default;
    XmlCom(const XmlCom&) = delete;
    XmlCom& operator=(const XmlCom&) = delete;
    ~XmlCom() {
        if (p_ != nullptr) p_->Release();
    }
    T** out() { return &p_; }
    T* operator->() const { return p_; }
    T* get() const { return p_; }

private:
    T* p_ = nullptr;
};

std::string QualifiedName(IXmlReader& reader) {
    const wchar_t* name = nullptr;
    UINT length = 0;
    if (FAILED(reader.GetQualifiedName(&name, &length))) return {};
    return text::Utf8FromWide(std::wstring_view(name, length));
}

XmlProblem ProblemAt(IXmlReader* reader, const std::string& what) {
    UINT line = 1;
    UINT column = 1;
    if (reader != nullptr) {
        reader->GetLineNumber(&line);
        reader->GetLinePosition(&column);
    }
    return XmlProblem{static_cast<int>(line), static_cast<int>(column), what};
}

std::string HresultText(HRESULT hr) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08lX", static_cast<unsigned long>(hr));
    return hex;
}

}  // namespace

std::variant<std::vector<XmlElement>, XmlProblem> ReadXmlTree(std::string_view xml) {
    XmlCom<IStream> stream;
    *stream.out() = SHCreateMemStream(reinterpret_cast<const BYTE*>(xml.data()), static_cast<UINT>(xml.size()));
    XmlCom<IXmlReader> reader;
    if (stream.get() == nullptr || FAILED(platform::CreateXmlLiteReader(reader.out())) ||
        FAILED(reader->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit)) ||
        FAILED(reader->SetInput(stream.get())))
        return ProblemAt(nullptr, "the XML cannot be read");

    std::vector<XmlElement> roots;
    std::vector<XmlElement> open;  // the elements not yet ended, outermost first
    const auto close = [&]() {
        XmlElement done = std::move(open.back());
        open.pop_back();
        (open.empty() ? roots : open.back().children).push_back(std::move(done));
    };
    XmlNodeType type = XmlNodeType_None;
    HRESULT hr = S_OK;
    while ((hr = reader->Read(&type)) == S_OK) {
        if (type == XmlNodeType_EndElement) {
            if (!open.empty()) close();
            continue;
        }
        if (type != XmlNodeType_Element) continue;
        XmlElement element;
        element.name = QualifiedName(*reader.get());
        UINT line = 1;
        UINT column = 1;
        reader->GetLineNumber(&line);
        reader->GetLinePosition(&column);
        element.line = static_cast<int>(line);
        element.column = static_cast<int>(column);
        const bool empty = reader->IsEmptyElement() != FALSE;
        for (HRESULT a = reader->MoveToFirstAttribute(); a == S_OK; a = reader->MoveToNextAttribute()) {
            const wchar_t* value = nullptr;
            UINT length = 0;
            if (FAILED(reader->GetValue(&value, &length))) continue;
            element.attributes.emplace_back(QualifiedName(*reader.get()),
                                            text::Utf8FromWide(std::wstring_view(value, length)));
        }
        open.push_back(std::move(element));
        if (empty) close();
    }
    if (FAILED(hr)) return ProblemAt(reader.get(), "the XML is not well formed (" + HresultText(hr) + ")");
    return roots;
}

}  // namespace corvane::sim
