// The registry seam over the Win32 API, under Wine: what the add-in's settings rely on.
// Prints what differs and exits with 1.
#include <string>

#include "corvane/platform/error.h"
#include "corvane/platform/system_registry.h"
#include "expect.h"

#include "expect.h"

using namespace corvane::platform;
using corvane::winecheck::Expect;

namespace {

constexpr const char* Root = "Software\\Corvane registry check";
constexpr const char* Sub = "Software\\Corvane registry check\\Sub Key";

}  // namespace

int main() {
    SystemRegistry registry;
    registry.deleteKey(Hive::CurrentUser, Root);  // from a run that stopped half-way
    Expect(registry.openKey(Hive::CurrentUser, Sub) == nullptr, "a missing key opens as nothing");

    // Values of each kind come back as written, UTF-8 text included.
    registry.setString(Hive::CurrentUser, Sub, "Grüße", "Zoë; Łukasz");
    registry.setDword(Hive::CurrentUser, Sub, "LoadBehavior", 3);
    {
        auto key = registry.openKey(Hive::CurrentUser, Sub);
        RegValue binary;
        binary.name = "Raw";
        binary.type = regtype::Binary;
        binary.bytes = {1, 0, 255};
        key->setValue(binary);
        key->close();
    }
    auto text = registry.getValue(Hive::CurrentUser, Sub, "grüße");  // names ignore case
    Expect(text && text->type == regtype::String && text->text == "Zoë; Łukasz", "REG_SZ text round trip");
    auto number = registry.getValue(Hive::CurrentUser, Sub, "LoadBehavior");
    Expect(number && number->type == regtype::DWord && number->dword == 3, "REG_DWORD round trip");
    auto raw = registry.getValue(Hive::CurrentUser, Sub, "Raw");
    Expect(raw && raw->type == regtype::Binary && raw->bytes == std::vector<std::uint8_t>{1, 0, 255},
           "other types keep their bytes");
    Expect(!registry.getValue(Hive::CurrentUser, Sub, "Missing"), "a missing value reads as nothing");

    // Enumeration, and the room the caller gives for a name and its data.
    auto key = registry.openKey(Hive::CurrentUser, Sub);
    int seen = 0;
    while (key->enumValue(static_cast<std::uint32_t>(seen), 256, 256)) ++seen;
    Expect(seen == 3, "three values enumerate");
    std::string name = "LoadBehavior";
    bool fits = false;
    bool fitsOneLess = false;
    for (std::uint32_t i = 0; i < 3; ++i) {
        auto exact = key->enumValue(i, name.size() + 1, 4);
        if (exact && exact->name == name) fits = true;
        auto smaller = key->enumValue(i, name.size(), 4);
        if (smaller && smaller->name == name) fitsOneLess = true;
    }
    Expect(fits && !fitsOneLess, "a name needs room for its terminating zero");
    key->deleteValue("Raw");
    key->deleteValue("Raw");  // already gone: no failure
    Expect(!key->queryValue("Raw"), "a deleted value is gone");
    key->close();
    bool closedFails = false;
    try {
        key->queryValue("LoadBehavior");
    } catch (const PlatformError& error) {
        closedFails = error.number() == errors::InvalidHandle.number;
    }
    Expect(closedFails, "a closed key fails with an invalid handle");

    auto root = registry.openKey(Hive::CurrentUser, Root);
    auto child = root->enumSubKey(0);
    Expect(child && *child == "Sub Key" && !root->enumSubKey(1), "the subkey enumerates");
    root.reset();

    registry.deleteKey(Hive::CurrentUser, Root);
    Expect(registry.openKey(Hive::CurrentUser, Sub) == nullptr && registry.openKey(Hive::CurrentUser, Root) == nullptr,
           "a deleted key goes with everything below it");
    registry.deleteKey(Hive::CurrentUser, Root);  // already gone: no failure
    return corvane::winecheck::ExitCode();
}
