#include "corvane/simhost/registry.h"

#include <algorithm>

#include "corvane/platform/error.h"
#include "corvane/text/text.h"

namespace corvane::simhost {

using platform::Hive;
using platform::PlatformError;
using platform::RegValue;

RegKeyNode* RegKeyNode::child(std::string_view n) const {
    for (const auto& c : children)
        if (text::equalsNoCase(c->name, n)) return c.get();
    return nullptr;
}

RegKeyNode& RegKeyNode::childOrCreate(std::string_view n) {
    if (auto* c = child(n)) return *c;
    children.push_back(std::make_unique<RegKeyNode>());
    children.back()->name = std::string(n);
    return *children.back();
}

RegValue* RegKeyNode::value(std::string_view n) {
    for (auto& v : values)
        if (text::equalsNoCase(v.name, n)) return &v;
    return nullptr;
}

const RegValue* RegKeyNode::value(std::string_view n) const {
    for (const auto& v : values)
        if (text::equalsNoCase(v.name, n)) return &v;
    return nullptr;
}

void RegKeyNode::setValue(const RegValue& v) {
    if (auto* existing = value(v.name)) {
        std::string keepName = existing->name;
        *existing = v;
        existing->name = std::move(keepName);
    } else {
        values.push_back(v);
    }
}

bool RegKeyNode::deleteValue(std::string_view n) {
    auto it = std::find_if(values.begin(), values.end(),
                           [&](const RegValue& v) { return text::equalsNoCase(v.name, n); });
    if (it == values.end()) return false;
    values.erase(it);
    return true;
}

bool RegKeyNode::deleteChild(std::string_view n) {
    auto it = std::find_if(children.begin(), children.end(),
                           [&](const auto& c) { return text::equalsNoCase(c->name, n); });
    if (it == children.end()) return false;
    children.erase(it);
    return true;
}

std::vector<std::string> splitKeyPath(std::string_view path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string_view::npos) end = path.size();
        if (end > start) parts.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

namespace {

template <class Node>
Node* findBelow(Node* n, std::string_view path) {
    for (const auto& part : splitKeyPath(path)) {
        n = n->child(part);
        if (!n) return nullptr;
    }
    return n;
}

}  // namespace

RegKeyNode* RegKeyNode::find(std::string_view path) { return findBelow(this, path); }
const RegKeyNode* RegKeyNode::find(std::string_view path) const { return findBelow(this, path); }

// A key handle re-resolves its path at every call, so a key deleted behind its back
// (by this process or another) fails like a deleted key on Windows.
class SimRegistryKey final : public platform::RegistryKey {
public:
    SimRegistryKey(SimRegistry& reg, Hive hive, std::string path) : reg_(reg), hive_(hive), path_(std::move(path)) {}
    ~SimRegistryKey() override = default;

    std::optional<RegValue> queryValue(std::string_view name) override {
        const auto* v = node().value(name);
        if (!v) return std::nullopt;
        return *v;
    }

    std::optional<RegValue> enumValue(std::uint32_t index, std::size_t nameRoom, std::size_t dataRoom) override {
        const auto& n = node();
        if (index >= n.values.size()) return std::nullopt;
        const RegValue& v = n.values[index];
        if (v.name.size() + 1 > nameRoom || v.dataSize() > dataRoom) return std::nullopt;
        return v;
    }

    std::optional<std::string> enumSubKey(std::uint32_t index) override {
        const auto& n = node();
        if (index >= n.children.size()) return std::nullopt;
        return n.children[index]->name;
    }

    void setValue(const RegValue& value) override {
        checkOpen();
        reg_.updateHive(hive_, [&](RegKeyNode& root) {
            auto* n = root.find(path_);
            if (!n) throw PlatformError(platform::errors::KeyDeleted);
            n->setValue(value);
            return true;
        });
    }

    void deleteValue(std::string_view name) override {
        checkOpen();
        reg_.updateHive(hive_, [&](RegKeyNode& root) {
            auto* n = root.find(path_);
            if (!n) throw PlatformError(platform::errors::KeyDeleted);
            return n->deleteValue(name);
        });
    }

    void close() override {
        if (closed_) return;
        closed_ = true;
        if (reg_.takeFault(hive_, path_, true))
            throw PlatformError(platform::errors::Fail.number, "The key could not be closed.");
    }

private:
    void checkOpen() const {
        if (closed_) throw PlatformError(platform::errors::InvalidHandle);
    }

    const RegKeyNode& node() {
        checkOpen();
        const auto* n = reg_.readHive(hive_).find(path_);
        if (!n) throw PlatformError(platform::errors::KeyDeleted);
        return *n;
    }

    SimRegistry& reg_;
    Hive hive_;
    std::string path_;
    bool closed_ = false;
};

SimRegistry::SimRegistry() = default;
SimRegistry::~SimRegistry() = default;

const RegKeyNode& SimRegistry::readHive(Hive hive) { return hive == Hive::CurrentUser ? hkcu_ : hklm_; }

void SimRegistry::updateHive(Hive hive, const std::function<bool(RegKeyNode&)>& change) {
    change(hive == Hive::CurrentUser ? hkcu_ : hklm_);
}

const RegKeyNode* SimRegistry::find(Hive hive, std::string_view path) { return readHive(hive).find(path); }

std::unique_ptr<platform::RegistryKey> SimRegistry::openKey(Hive hive, std::string_view path) {
    if (!find(hive, path)) return nullptr;
    if (takeFault(hive, path, false)) throw PlatformError(platform::errors::AccessDenied);
    return std::make_unique<SimRegistryKey>(*this, hive, std::string(path));
}

std::unique_ptr<platform::RegistryKey> SimRegistry::createKey(Hive hive, std::string_view path) {
    // Reading first keeps the common case (the key is there) free of a write.
    if (!find(hive, path)) {
        updateHive(hive, [&](RegKeyNode& root) {
            if (root.find(path)) return false;
            RegKeyNode* n = &root;
            for (const auto& part : splitKeyPath(path)) n = &n->childOrCreate(part);
            return true;
        });
    }
    if (takeFault(hive, path, false)) throw PlatformError(platform::errors::AccessDenied);
    return std::make_unique<SimRegistryKey>(*this, hive, std::string(path));
}

void SimRegistry::deleteKey(Hive hive, std::string_view path) {
    auto parts = splitKeyPath(path);
    if (parts.empty() || !find(hive, path)) return;
    updateHive(hive, [&](RegKeyNode& root) {
        RegKeyNode* parent = &root;
        for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
            parent = parent->child(parts[i]);
            if (!parent) return false;
        }
        return parent->deleteChild(parts.back());
    });
}

void SimRegistry::failOpen(Hive hive, std::string path, int skip) {
    faults_.push_back({hive, std::move(path), skip, false});
}

void SimRegistry::failClose(Hive hive, std::string path) { faults_.push_back({hive, std::move(path), 0, true}); }

bool SimRegistry::takeFault(Hive hive, std::string_view path, bool onClose) {
    const auto want = splitKeyPath(path);
    for (auto it = faults_.begin(); it != faults_.end(); ++it) {
        if (it->hive != hive || it->onClose != onClose) continue;
        const auto have = splitKeyPath(it->path);
        if (have.size() != want.size() ||
            !std::equal(have.begin(), have.end(), want.begin(),
                        [](const std::string& a, const std::string& b) { return text::equalsNoCase(a, b); }))
            continue;
        if (it->skip > 0) {
            --it->skip;
            return false;
        }
        faults_.erase(it);
        return true;
    }
    return false;
}

}  // namespace corvane::simhost
