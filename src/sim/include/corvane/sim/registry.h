#pragma once
// The simulated registry: two hives of keys and values kept in memory. Key and value
// names compare without regard to case and keep the case they were created with; values
// enumerate in the order they were first stored.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "corvane/platform/registry.h"

namespace corvane::sim {

struct RegKeyNode {
    std::string name;
    std::vector<platform::RegValue> values;
    std::vector<std::unique_ptr<RegKeyNode>> children;

    RegKeyNode* child(std::string_view name) const;
    RegKeyNode& childOrCreate(std::string_view name);
    platform::RegValue* value(std::string_view name);
    void setValue(const platform::RegValue& v);
    bool deleteValue(std::string_view name);
    bool deleteChild(std::string_view name);
};

// Splits "A\B\\C\" into its non-empty parts.
std::vector<std::string> splitKeyPath(std::string_view path);

class SimRegistry : public platform::Registry {
public:
    SimRegistry();
    ~SimRegistry() override;

    std::unique_ptr<platform::RegistryKey> openKey(platform::Hive hive, std::string_view path) override;
    std::unique_ptr<platform::RegistryKey> createKey(platform::Hive hive, std::string_view path) override;
    void deleteKey(platform::Hive hive, std::string_view path) override;

    RegKeyNode& root(platform::Hive hive) { return hive == platform::Hive::CurrentUser ? hkcu_ : hklm_; }
    RegKeyNode* find(platform::Hive hive, std::string_view path);

    // Fault injection for tests: the next openKey of this path (after `skip` successful
    // opens) throws, or the next close of a key of this path throws.
    void failOpen(platform::Hive hive, std::string path, int skip = 0);
    void failClose(platform::Hive hive, std::string path);

    // Called before every read of a hive and after every change to it; a file-backed
    // registry reloads and saves here.
    std::function<void(platform::Hive)> beforeRead;
    std::function<void(platform::Hive)> afterWrite;

private:
    friend class SimRegistryKey;
    struct Fault {
        platform::Hive hive;
        std::string path;
        int skip;
        bool onClose;
    };
    bool takeFault(platform::Hive hive, std::string_view path, bool onClose);

    RegKeyNode hkcu_;
    RegKeyNode hklm_;
    std::vector<Fault> faults_;
};

}  // namespace corvane::sim
