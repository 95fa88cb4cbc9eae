#include <string_view>

#include "corvane/core/addin_process.h"
#include "corvane/platform/conventions.h"
#include "corvane/platform/registry.h"
#include "corvane/support/support_mail.h"
#include "corvane/text/text.h"

namespace corvane::support {
namespace {

// The subkey name buffer holds 256 characters with the NUL.
constexpr std::size_t SubKeyRoom = 255;
constexpr std::size_t ValueRoom = 1U << 16;

struct AddinsKey {
    platform::Hive hive;
    std::string_view path;
    std::string_view header;
};

constexpr std::array<AddinsKey, 2> Keys{{
    {platform::Hive::CurrentUser, "Software\\Microsoft\\Office\\Outlook\\Addins", "List of Current User Add-ins:"},
    {platform::Hive::LocalMachine, "SOFTWARE\\Microsoft\\Office\\Outlook\\Addins",
     "\r\nList of Local Machine Add-ins:"},
}};

std::string DataText(const platform::RegValue& v) {
    if (v.type == platform::regtype::DWord) return std::to_string(v.dword);
    return v.text;
}

// "Addin ID: ..." and the name and load behaviour of one add-in's key.
std::string AddinEntry(platform::Registry& registry, const AddinsKey& at, const std::string& name) {
    std::string out = "Addin ID: " + name + text::CrLf;
    std::unique_ptr<platform::RegistryKey> key;
    try {
        key = registry.openKey(at.hive, std::string(at.path) + "\\" + name);
    } catch (const platform::PlatformError&) {
        key.reset();
    }
    for (std::uint32_t i = 0; key; ++i) {
        auto value = key->enumValue(i, ValueRoom, ValueRoom);
        if (!value) break;
        if (text::trim(value->name).empty()) continue;
        if (value->name == "FriendlyName") out += "Name: " + DataText(*value) + text::CrLf;
        if (value->name == "LoadBehavior") out += "Load Behavior: " + DataText(*value) + text::CrLf;
    }
    return out + text::CrLf;
}

}  // namespace

std::string OutlookAddinList(core::AddinProcess& p) {
    std::string out;
    for (const auto& at : Keys) {
        std::unique_ptr<platform::RegistryKey> key;
        try {
            key = p.host.registry.openKey(at.hive, at.path);
        } catch (const platform::PlatformError&) {
            key.reset();
        }
        if (!key) {
            platform::ShowMessageBox(p.host.ui, "Unable to open a subkey", platform::mb::OkOnly, ProductTitle);
            continue;
        }
        for (std::uint32_t i = 0;; ++i) {
            auto name = key->enumSubKey(i);
            if (!name) break;
            const std::string subKey = name->substr(0, std::min(name->find('\0'), SubKeyRoom));
            if (i == 0) out += std::string(at.header) + text::CrLf + std::string(58, '-') + text::CrLf;
            out += AddinEntry(p.host.registry, at, subKey);
        }
    }
    return out;
}

}  // namespace corvane::support
