#pragma once
// The subsystems the add-in proper calls that are not built yet: the settings file. Each
// call does nothing, or returns its neutral value; a subsystem's interface moves to its
// own folder, with the product's behaviour as its bodies, when the subsystem is built.
namespace corvane::core {
struct AddinProcess;
}

namespace corvane::addin {

// The settings file, read at start-up right after the machine-wide preset is applied.
class SettingsFile {
public:
    virtual ~SettingsFile() = default;
    virtual void LoadSettingsFile(core::AddinProcess&) {}
};

}  // namespace corvane::addin
