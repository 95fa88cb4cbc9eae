#include "corvane/platform/registry.h"

namespace corvane::platform {

RegValue RegValue::string(std::string name, std::string text) {
    RegValue v;
    v.name = std::move(name);
    v.type = regtype::String;
    v.text = std::move(text);
    return v;
}

RegValue RegValue::dwordValue(std::string name, std::uint32_t d) {
    RegValue v;
    v.name = std::move(name);
    v.type = regtype::DWord;
    v.dword = d;
    return v;
}

std::size_t RegValue::dataSize() const {
    switch (type) {
        case regtype::String: return text.size() + 1;
        case regtype::DWord: return 4;
        default: return bytes.size();
    }
}

std::optional<RegValue> Registry::getValue(Hive hive, std::string_view path, std::string_view name) {
    auto key = openKey(hive, path);
    if (!key) return std::nullopt;
    return key->queryValue(name);
}

void Registry::setString(Hive hive, std::string_view path, std::string_view name, std::string_view text) {
    createKey(hive, path)->setValue(RegValue::string(std::string(name), std::string(text)));
}

void Registry::setDword(Hive hive, std::string_view path, std::string_view name, std::uint32_t v) {
    createKey(hive, path)->setValue(RegValue::dwordValue(std::string(name), v));
}

}  // namespace corvane::platform
