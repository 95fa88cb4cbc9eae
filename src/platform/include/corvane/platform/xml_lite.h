#pragma once
// Windows only: a new reader of Windows' XmlLite. xmllite.dll (which every supported
// Windows has) is loaded at run time, since the cross toolchain has no import library for
// it, and stays loaded.
#include <windows.h>
// After windows.h:
#include <xmllite.h>

namespace corvane::platform {

// S_OK with a new reader the caller releases; the DLL's absence as a failed HRESULT.
HRESULT CreateXmlLiteReader(IXmlReader** reader);

}  // namespace corvane::platform
