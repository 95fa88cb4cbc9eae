#include "corvane/sim/prop_bag.h"

namespace corvane::sim {

bool PropTypeMatches(std::uint16_t type, const mapi::PropValue& value) {
    switch (type) {
        case mapi::pt::Unspecified: return true;
        case mapi::pt::I2:
        case mapi::pt::Long: return std::holds_alternative<std::int32_t>(value);
        case mapi::pt::Boolean: return std::holds_alternative<bool>(value);
        case mapi::pt::String8:
        case mapi::pt::Unicode: return std::holds_alternative<std::string>(value);
        case mapi::pt::SysTime: return std::holds_alternative<platform::DateTime>(value);
        case mapi::pt::Binary: return std::holds_alternative<mapi::Binary>(value);
        case mapi::pt::MvString8:
        case mapi::pt::MvUnicode: return std::holds_alternative<std::vector<std::string>>(value);
        default: return false;
    }
}

mapi::PropValue PropBag::get(mapi::PropTag tag) const {
    auto it = values_.find(mapi::PropId(tag));
    if (it == values_.end() || !PropTypeMatches(mapi::PropType(tag), it->second)) return {};
    return it->second;
}

void PropBag::set(mapi::PropTag tag, mapi::PropValue value) {
    if (std::holds_alternative<std::monostate>(value)) {
        values_.erase(mapi::PropId(tag));
        return;
    }
    values_[mapi::PropId(tag)] = std::move(value);
}

bool PropBag::has(mapi::PropTag tag) const { return !std::holds_alternative<std::monostate>(get(tag)); }

std::string PropBag::text(mapi::PropTag tag) const {
    auto v = get(tag);
    if (auto s = std::get_if<std::string>(&v)) return std::move(*s);
    return {};
}

std::optional<platform::DateTime> PropBag::time(mapi::PropTag tag) const {
    auto v = get(tag);
    if (auto t = std::get_if<platform::DateTime>(&v)) return *t;
    return std::nullopt;
}

std::int32_t PropBag::number(mapi::PropTag tag, std::int32_t fallback) const {
    auto v = get(tag);
    if (auto n = std::get_if<std::int32_t>(&v)) return *n;
    return fallback;
}

}  // namespace corvane::sim
