#pragma once
// The machine's own registry behind the Registry seam: the Win32 registry API, Windows
// only (elsewhere the simulated host's registry files stand in). Keys open for reading and
// writing, or for reading alone where the process may not write (HKEY_LOCAL_MACHINE without
// administrator rights); a write to such a key fails with "Access is denied.". Failures
// carry the system's error number and text; access denied is errors::AccessDenied as COM
// reports it.
#include <memory>
#include <string_view>

#include "corvane/platform/registry.h"

namespace corvane::platform {

class SystemRegistry final : public Registry {
public:
    std::unique_ptr<RegistryKey> openKey(Hive hive, std::string_view path) override;
    std::unique_ptr<RegistryKey> createKey(Hive hive, std::string_view path) override;
    void deleteKey(Hive hive, std::string_view path) override;
};

}  // namespace corvane::platform
