#include "corvane/sim/addin_loader.h"

#include <algorithm>

#include "corvane/platform/error.h"
#include "corvane/text/text.h"

namespace corvane::sim {
namespace {

std::string AddinKey(std::string_view progId) { return std::string(OutlookAddinsKey) + "\\" + std::string(progId); }

void ListSubKeys(platform::Registry& registry, platform::Hive hive, std::vector<std::string>& out) {
    auto key = registry.openKey(hive, OutlookAddinsKey);
    if (!key) return;
    for (std::uint32_t i = 0;; ++i) {
        auto name = key->enumSubKey(i);
        if (!name) break;
        const bool known = std::any_of(out.begin(), out.end(),
                                       [&](const std::string& s) { return text::equalsNoCase(s, *name); });
        if (!known) out.push_back(*name);
    }
}

}  // namespace

std::vector<std::string> AddinLoader::listedAddins() {
    std::vector<std::string> out;
    ListSubKeys(registry_, platform::Hive::CurrentUser, out);
    ListSubKeys(registry_, platform::Hive::LocalMachine, out);
    return out;
}

std::uint32_t AddinLoader::loadBehavior(std::string_view progId) {
    for (auto hive : {platform::Hive::CurrentUser, platform::Hive::LocalMachine}) {
        auto value = registry_.getValue(hive, AddinKey(progId), "LoadBehavior");
        if (!value) continue;
        if (value->type == platform::regtype::DWord) return value->dword;
        return 0;
    }
    return 0;
}

std::shared_ptr<outlook::ComAddin> AddinLoader::create(const std::string& progId) {
    try {
        return std::dynamic_pointer_cast<outlook::ComAddin>(app_->CreateObject(progId));
    } catch (const platform::PlatformError&) {
        return nullptr;
    }
}

std::vector<std::string> AddinLoader::loadStartupAddins() {
    std::vector<std::string> loaded;
    for (const auto& progId : listedAddins()) {
        if (loadBehavior(progId) != LoadAtStartup || app_->isConnected(progId)) continue;
        auto addin = create(progId);
        if (!addin) continue;
        if (app_->running())
            app_->connectAddin(progId, addin, outlook::extconnect::AfterStartup);
        else
            app_->registerAddin(progId, addin);
        loaded.push_back(progId);
    }
    return loaded;
}

bool AddinLoader::switchOn(const std::string& progId) {
    if (app_->isConnected(progId)) return true;
    auto addin = create(progId);
    if (!addin) return false;
    registry_.setDword(platform::Hive::CurrentUser, AddinKey(progId), "LoadBehavior", LoadAtStartup);
    app_->connectAddin(progId, addin, outlook::extconnect::AfterStartup);
    return true;
}

void AddinLoader::switchOff(const std::string& progId) {
    app_->disconnectAddin(progId, outlook::extdisconnect::UserClosed);
    registry_.setDword(platform::Hive::CurrentUser, AddinKey(progId), "LoadBehavior", NotLoaded);
}

}  // namespace corvane::sim
