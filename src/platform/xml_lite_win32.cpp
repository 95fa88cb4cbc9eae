#include "corvane/platform/xml_lite.h"

namespace corvane::platform {

HRESULT CreateXmlLiteReader(IXmlReader** reader) {
    using Factory = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);
    static const Factory factory = [] {
        HMODULE xmllite = LoadLibraryW(L"xmllite.dll");
        return xmllite != nullptr
                   ? reinterpret_cast<Factory>(reinterpret_cast<void*>(GetProcAddress(xmllite, "CreateXmlReader")))
                   : nullptr;
    }();
    if (factory == nullptr) return HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND);
    return factory(__uuidof(IXmlReader), reinterpret_cast<void**>(reader), nullptr);
}

}  // namespace corvane::platform
