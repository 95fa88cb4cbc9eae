#pragma once
// The classes the DLL serves, each under its ProgId and class identifier.
#include <objbase.h>

#include <span>
#include <string_view>

#include "corvane/com/server.h"

namespace corvane::com {

struct ServerClass {
    std::wstring_view progId;
    CLSID clsid;
    std::wstring_view description;  // the default value of its registry keys
    ClassFactory::Create create;
};

// Corvane.Connect, Corvane.Buttons and the secure mail access component's classes.
std::span<const ServerClass> ServerClasses();
const ServerClass* FindServerClass(REFCLSID clsid);

inline constexpr std::wstring_view ConnectProgId = L"Corvane.Connect";

}  // namespace corvane::com
