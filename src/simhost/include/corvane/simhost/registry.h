#pragma once
// The simulated registry: two hives of keys and values. Key and value names compare
// without regard to case and keep the case they were created with; values and subkeys
// enumerate in the order they were first stored. SimRegistry keeps its hives in memory;
// FileRegistry (file_registry.h) keeps them in .reg files shared between processes.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "corvane/platform/registry.h"

namespace corvane::simhost {

struct RegKeyNode {
    std::string name;
    std::vector<platform::RegValue> values;
    std::vector<std::unique_ptr<RegKeyNode>> children;

    RegKeyNode* child(std::string_view name) const;
    RegKeyNode& childOrCreate(std::string_view name);
    platform::RegValue* value(std::string_view name);
    const platform::RegValue* value(std::string_view name) const;
    // A value of an existing name is replaced in place (keeping its place and the case
    // of its name); a new one goes to the end.
    void setValue(const platform::RegValue& v);
    bool deleteValue(std::string_view name);
    bool deleteChild(std::string_view name);
    // The key at a path below this one, or nullptr.
    RegKeyNode* find(std::string_view path);
    const RegKeyNode* find(std::string_view path) const;
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

    // The key as it stands now, for inspection; nullptr when it does not exist. The
    // pointer is good until the next call on this registry.
    const RegKeyNode* find(platform::Hive hive, std::string_view path);

    // Fault injection for tests: the next openKey of this path (after `skip` successful
    // opens) throws, or the next close of a key of this path throws.
    void failOpen(platform::Hive hive, std::string path, int skip = 0);
    void failClose(platform::Hive hive, std::string path);

protected:
    // The current content of a hive. The reference is good until the next call.
    virtual const RegKeyNode& readHive(platform::Hive hive);
    // Applies one change to a hive as a whole: `change` edits the hive's current content
    // and says whether it changed anything. A file-backed registry runs it under its
    // lock on freshly read content and saves the result.
    virtual void updateHive(platform::Hive hive, const std::function<bool(RegKeyNode&)>& change);

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

}  // namespace corvane::simhost
