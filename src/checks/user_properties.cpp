// The user properties that carry pending work from a reply check to the reply's window.
#include "corvane/checks/basCorvane_reply.h"
#include "corvane/outlook/attachments.h"
#include "corvane/outlook/items.h"

namespace corvane::checks::basCorvane {

void AddUserProperties(const std::shared_ptr<outlook::Item>& item, std::string_view name, std::string_view value) {
    item->UserProperties()->Add(name, outlook::olprop::Text)->SetValue(std::string(value));
}

void DeleteUserProperties(const std::shared_ptr<outlook::Item>& item, std::string_view name) {
    if (auto property = item->UserProperties()->Find(name)) {
        property->Delete();
        item->Save();
    }
}

}  // namespace corvane::checks::basCorvane
