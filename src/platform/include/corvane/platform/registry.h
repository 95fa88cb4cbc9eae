#pragma once
// The registry seam: two hives, keys by backslash path (names compare without regard to
// case, as Windows does), values of type REG_SZ and REG_DWORD read and written, other
// types carried as raw bytes. Values enumerate in stored order.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::platform {

enum class Hive { CurrentUser, LocalMachine };

// Registry value types by their Windows numbers.
namespace regtype {
inline constexpr std::uint32_t None = 0;
inline constexpr std::uint32_t String = 1;        // REG_SZ
inline constexpr std::uint32_t ExpandString = 2;  // REG_EXPAND_SZ
inline constexpr std::uint32_t Binary = 3;        // REG_BINARY
inline constexpr std::uint32_t DWord = 4;         // REG_DWORD
inline constexpr std::uint32_t MultiString = 7;   // REG_MULTI_SZ
inline constexpr std::uint32_t QWord = 11;        // REG_QWORD
}  // namespace regtype

struct RegValue {
    std::string name;
    std::uint32_t type = regtype::String;
    std::string text;                 // REG_SZ: the characters, UTF-8, no terminating zero
    std::uint32_t dword = 0;          // REG_DWORD
    std::vector<std::uint8_t> bytes;  // any other type: the raw data, kept untouched

    static RegValue string(std::string name, std::string text);
    static RegValue dwordValue(std::string name, std::uint32_t d);
    // Size of the data as the registry reports it: REG_SZ counts the terminating zero.
    std::size_t dataSize() const;
};

// An open key. Closing is explicit because closing can fail on Windows; the destructor
// closes silently.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;
    virtual std::optional<RegValue> queryValue(std::string_view name) = 0;
    // The value at an enumeration index, or nothing when there is none at that index or
    // its name (with its terminating zero) or data do not fit the given room in bytes.
    virtual std::optional<RegValue> enumValue(std::uint32_t index, std::size_t nameRoom, std::size_t dataRoom) = 0;
    // The name of the subkey at an enumeration index, or nothing past the end.
    virtual std::optional<std::string> enumSubKey(std::uint32_t index) = 0;
    virtual void setValue(const RegValue& value) = 0;
    virtual void deleteValue(std::string_view name) = 0;
    virtual void close() = 0;
};

class Registry {
public:
    virtual ~Registry() = default;
    // Nothing when the key does not exist; throws PlatformError when it exists but
    // cannot be opened.
    virtual std::unique_ptr<RegistryKey> openKey(Hive hive, std::string_view path) = 0;
    // Opens the key, creating it and its missing parents first.
    virtual std::unique_ptr<RegistryKey> createKey(Hive hive, std::string_view path) = 0;
    // Deletes a key with everything below it; a missing key is not an error.
    virtual void deleteKey(Hive hive, std::string_view path) = 0;

    // Conveniences over the primitives above.
    std::optional<RegValue> getValue(Hive hive, std::string_view path, std::string_view name);
    void setString(Hive hive, std::string_view path, std::string_view name, std::string_view text);
    void setDword(Hive hive, std::string_view path, std::string_view name, std::uint32_t v);
};

}  // namespace corvane::platform
