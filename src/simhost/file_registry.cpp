#include "corvane/simhost/file_registry.h"

#include <system_error>

#include "corvane/platform/error.h"
#include "corvane/simhost/atomic_file.h"
#include "corvane/simhost/file_lock.h"
#include "corvane/simhost/reg_file.h"

namespace corvane::simhost {

using platform::Hive;

namespace {

template <class F>
auto translatingIoErrors(F&& f) -> decltype(f()) {
    try {
        return f();
    } catch (const std::system_error& e) {
        throw platform::PlatformError(platform::errors::RegistryIoFailed.number, e.what());
    }
}

}  // namespace

FileRegistry::FileRegistry(std::filesystem::path folder) : folder_(std::move(folder)) {}
FileRegistry::~FileRegistry() = default;

std::filesystem::path FileRegistry::hiveFile(Hive hive) const {
    return folder_ / (hive == Hive::CurrentUser ? "HKCU.reg" : "HKLM.reg");
}

FileRegistry::Loaded& FileRegistry::loaded(Hive hive) { return hives_[hive == Hive::CurrentUser ? 0 : 1]; }

// Reads the hive file as it stands. On failure the hive stays invalid, so that the next
// access reads the file again.
void FileRegistry::load(Hive hive) {
    Loaded& l = loaded(hive);
    l.valid = false;
    const auto file = hiveFile(hive);
    auto snap = readSnapshot(file);
    if (!snap) {
        l.root = RegKeyNode{};
        l.stamp.reset();
        l.pin = FileHandle{};
    } else {
        l.root = parseRegFile(snap->data, hive, file.string());
        l.stamp = snap->stamp;
        l.pin = std::move(snap->handle);
    }
    l.valid = true;
}

const RegKeyNode& FileRegistry::readHive(Hive hive) {
    return translatingIoErrors([&]() -> const RegKeyNode& {
        Loaded& l = loaded(hive);
        if (!l.valid || stampOf(hiveFile(hive)) != l.stamp) load(hive);
        return l.root;
    });
}

void FileRegistry::updateHive(Hive hive, const std::function<bool(RegKeyNode&)>& change) {
    translatingIoErrors([&] {
        Loaded& l = loaded(hive);
        const auto file = hiveFile(hive);
        std::filesystem::create_directories(folder_);
        ExclusiveFileLock lock(file.string() + ".lock");
        if (!l.sweptTemporaries) {
            removeStaleTemporaries(file);
            l.sweptTemporaries = true;
        }
        // Always read again under the lock: this is the moment that must see every other
        // writer's change, and a stamp cannot see a hand edit made within one clock tick.
        load(hive);
        try {
            if (!change(l.root)) return;
            ReplacedFile written = replaceFileAtomically(file, formatRegFile(l.root, hive));
            l.stamp = written.stamp;
            l.pin = std::move(written.handle);
        } catch (...) {
            l.valid = false;  // the content in memory may be half changed
            throw;
        }
    });
}

}  // namespace corvane::simhost
