#include <windows.h>

#include <cstring>
#include <vector>

#include "corvane/platform/error.h"
#include "corvane/platform/system_registry.h"
#include "corvane/text/wide.h"
#include "windows_error.h"

namespace corvane::platform {
namespace {

HKEY RootOf(Hive hive) { return hive == Hive::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

[[noreturn]] void ThrowRegistryError(LSTATUS status) {
    if (status == ERROR_ACCESS_DENIED) throw PlatformError(errors::AccessDenied);
    ThrowWindowsError(static_cast<std::uint32_t>(status));
}

void Check(LSTATUS status) {
    if (status != ERROR_SUCCESS) ThrowRegistryError(status);
}

// The value as the seam carries it: REG_SZ as UTF-8 text without its terminating zero,
// REG_DWORD as a number, any other type as its raw bytes.
RegValue ValueOf(std::wstring_view name, DWORD type, const std::vector<BYTE>& data) {
    RegValue value;
    value.name = text::Utf8FromWide(name);
    value.type = type;
    if (type == REG_SZ) {
        std::wstring_view chars(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
        while (!chars.empty() && chars.back() == L'\0') chars.remove_suffix(1);
        value.text = text::Utf8FromWide(chars);
    } else if (type == REG_DWORD && data.size() == sizeof(DWORD)) {
        std::memcpy(&value.dword, data.data(), sizeof(DWORD));
    } else {
        value.bytes.assign(data.begin(), data.end());
    }
    return value;
}

class SystemRegistryKey final : public RegistryKey {
public:
    explicit SystemRegistryKey(HKEY key) : key_(key) {}
    ~SystemRegistryKey() override {
        if (key_ != nullptr) RegCloseKey(key_);
    }
    SystemRegistryKey(const SystemRegistryKey&) = delete;
    SystemRegistryKey& operator=(const SystemRegistryKey&) = delete;

    std::optional<RegValue> queryValue(std::string_view name) override {
        std::wstring wideName = text::WideFromUtf8(name);
        DWORD type = 0;
        DWORD size = 0;
        LSTATUS status = RegQueryValueExW(handle(), wideName.c_str(), nullptr, &type, nullptr, &size);
        std::vector<BYTE> data;
        while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
            data.resize(size);
            status = RegQueryValueExW(handle(), wideName.c_str(), nullptr, &type, data.data(), &size);
            if (status == ERROR_SUCCESS) {
                data.resize(size);
                return ValueOf(wideName, type, data);
            }
        }
        if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
        ThrowRegistryError(status);
    }

    std::optional<RegValue> enumValue(std::uint32_t index, std::size_t nameRoom, std::size_t dataRoom) override {
        DWORD nameLength = 0;
        DWORD dataLength = 0;
        Check(RegQueryInfoKeyW(handle(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &nameLength,
                               &dataLength, nullptr, nullptr));
        std::wstring name(nameLength + 1, L'\0');
        std::vector<BYTE> data(dataLength);
        DWORD nameSize = nameLength + 1;
        DWORD dataSize = dataLength;
        DWORD type = 0;
        LSTATUS status = RegEnumValueW(handle(), index, name.data(), &nameSize, nullptr, &type, data.data(),
                                       &dataSize);
        if (status == ERROR_NO_MORE_ITEMS) return std::nullopt;
        Check(status);
        name.resize(nameSize);
        data.resize(dataSize);
        RegValue value = ValueOf(name, type, data);
        if (value.name.size() + 1 > nameRoom || value.dataSize() > dataRoom) return std::nullopt;
        return value;
    }

    std::optional<std::string> enumSubKey(std::uint32_t index) override {
        wchar_t name[256];  // the longest key name is 255 characters
        DWORD size = 256;
        LSTATUS status = RegEnumKeyExW(handle(), index, name, &size, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS) return std::nullopt;
        Check(status);
        return text::Utf8FromWide({name, size});
    }

    void setValue(const RegValue& value) override {
        std::wstring name = text::WideFromUtf8(value.name);
        std::vector<BYTE> data;
        if (value.type == regtype::String) {
            std::wstring chars = text::WideFromUtf8(value.text);
            const auto* bytes = reinterpret_cast<const BYTE*>(chars.c_str());
            data.assign(bytes, bytes + (chars.size() + 1) * sizeof(wchar_t));
        } else if (value.type == regtype::DWord) {
            const auto* bytes = reinterpret_cast<const BYTE*>(&value.dword);
            data.assign(bytes, bytes + sizeof(DWORD));
        } else {
            data = value.bytes;
        }
        Check(RegSetValueExW(handle(), name.c_str(), 0, value.type, data.data(), static_cast<DWORD>(data.size())));
    }

    void deleteValue(std::string_view name) override {
        LSTATUS status = RegDeleteValueW(handle(), text::WideFromUtf8(name).c_str());
        if (status != ERROR_FILE_NOT_FOUND) Check(status);
    }

    void close() override {
        if (key_ == nullptr) return;
        HKEY key = key_;
        key_ = nullptr;
        Check(RegCloseKey(key));
    }

private:
    HKEY handle() const {
        if (key_ == nullptr) throw PlatformError(errors::InvalidHandle);
        return key_;
    }

    HKEY key_;
};

}  // namespace

std::unique_ptr<RegistryKey> SystemRegistry::openKey(Hive hive, std::string_view path) {
    std::wstring widePath = text::WideFromUtf8(path);
    HKEY key = nullptr;
    LSTATUS status = RegOpenKeyExW(RootOf(hive), widePath.c_str(), 0, KEY_READ | KEY_WRITE, &key);
    if (status == ERROR_ACCESS_DENIED) status = RegOpenKeyExW(RootOf(hive), widePath.c_str(), 0, KEY_READ, &key);
    if (status == ERROR_FILE_NOT_FOUND) return nullptr;
    Check(status);
    return std::make_unique<SystemRegistryKey>(key);
}

std::unique_ptr<RegistryKey> SystemRegistry::createKey(Hive hive, std::string_view path) {
    HKEY key = nullptr;
    Check(RegCreateKeyExW(RootOf(hive), text::WideFromUtf8(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_READ | KEY_WRITE, nullptr, &key, nullptr));
    return std::make_unique<SystemRegistryKey>(key);
}

void SystemRegistry::deleteKey(Hive hive, std::string_view path) {
    if (path.empty()) return;  // never the hive itself
    LSTATUS status = RegDeleteTreeW(RootOf(hive), text::WideFromUtf8(path).c_str());
    if (status != ERROR_FILE_NOT_FOUND) Check(status);
}

}  // namespace corvane::platform
