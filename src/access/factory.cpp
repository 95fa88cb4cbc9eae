#include "corvane/access/factory.h"

#include <algorithm>
#include <type_traits>

#include "corvane/access/mapi_utils.h"
#include "corvane/access/rdo_session.h"
#include "corvane/access/safe_inspector.h"
#include "corvane/access/safe_mail_item.h"
#include "corvane/platform/error.h"

namespace corvane::access {

namespace {
bool SameProgId(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

template <class T>
std::shared_ptr<AccessObject> Make(const std::shared_ptr<ComponentState>& state) {
    if constexpr (std::is_constructible_v<T, std::shared_ptr<ComponentState>>) {
        return std::make_shared<T>(state);
    } else {
        return std::make_shared<T>();
    }
}
}  // namespace

ComponentFactory::ComponentFactory(std::shared_ptr<mapi::Subsystem> subsystem)
    : state_(std::make_shared<ComponentState>()) {
    state_->subsystem = std::move(subsystem);
    entries_ = {
        {SafeMailItem::ProgId, Make<SafeMailItem>},     {SafePostItem::ProgId, Make<SafePostItem>},
        {SafeReportItem::ProgId, Make<SafeReportItem>}, {SafeInspector::ProgId, Make<SafeInspector>},
        {MAPIUtils::ProgId, Make<MAPIUtils>},           {RDOSession::ProgId, Make<RDOSession>},
    };
}

ComponentFactory::Entry* ComponentFactory::Find(std::string_view progId) {
    auto it = std::find_if(entries_.begin(), entries_.end(),
                           [&](const Entry& e) { return SameProgId(e.progId, progId); });
    return it == entries_.end() ? nullptr : &*it;
}

const ComponentFactory::Entry* ComponentFactory::Find(std::string_view progId) const {
    return const_cast<ComponentFactory*>(this)->Find(progId);
}

std::shared_ptr<AccessObject> ComponentFactory::CreateObject(std::string_view progId) {
    const Entry* entry = Find(progId);
    if (!entry || !entry->registered) throw platform::PlatformError(platform::errors::CannotCreateObject);
    auto object = entry->create(state_);
    std::erase_if(made_, [](const auto& w) { return w.expired(); });
    made_.push_back(object);
    return object;
}

void ComponentFactory::SetRegistered(std::string_view progId, bool registered) {
    Entry* entry = Find(progId);
    if (!entry) {
        throw platform::PlatformError(platform::errors::InvalidCall,
                                      ": \"" + std::string(progId) + "\" is not a ProgId of the component");
    }
    entry->registered = registered;
}

bool ComponentFactory::IsRegistered(std::string_view progId) const {
    const Entry* entry = Find(progId);
    return entry && entry->registered;
}

std::size_t ComponentFactory::LiveObjects() const {
    return static_cast<std::size_t>(
        std::count_if(made_.begin(), made_.end(), [](const auto& w) { return !w.expired(); }));
}

}  // namespace corvane::access
