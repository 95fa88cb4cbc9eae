#include "corvane/access/field_values.h"

#include <string>
#include <type_traits>
#include <variant>

#include "corvane/access/errors.h"

namespace corvane::access {

bool IsEmpty(const mapi::PropValue& value) noexcept { return std::holds_alternative<std::monostate>(value); }

std::string AsText(const mapi::PropValue& value) {
    return std::visit(
        [](const auto& v) -> std::string {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                return {};
            } else if constexpr (std::is_same_v<T, bool>) {
                return v ? "True" : "False";
            } else if constexpr (std::is_same_v<T, std::int32_t>) {
                return std::to_string(v);
            } else if constexpr (std::is_same_v<T, std::string>) {
                return v;
            } else if constexpr (std::is_same_v<T, platform::DateTime>) {
                return v.iso();
            } else if constexpr (std::is_same_v<T, mapi::Binary>) {
                static constexpr char hex[] = "0123456789ABCDEF";
                std::string text;
                text.reserve(v.size() * 2);
                for (auto b : v) {
                    text += hex[b >> 4];
                    text += hex[b & 0x0F];
                }
                return text;
            } else {
                errors::ThrowTypeMismatch("an array of texts read as one text");
            }
        },
        value);
}

std::vector<std::string> AsTexts(const mapi::PropValue& value) {
    if (const auto* texts = std::get_if<std::vector<std::string>>(&value)) return *texts;
    errors::ThrowTypeMismatch(IsEmpty(value) ? "the property is empty, not an array of texts"
                                             : "the property is not an array of texts");
}

platform::DateTime AsDate(const mapi::PropValue& value) {
    if (const auto* date = std::get_if<platform::DateTime>(&value)) return *date;
    if (IsEmpty(value)) return platform::DateTime{};
    errors::ThrowTypeMismatch("the property is not a date");
}

}  // namespace corvane::access
