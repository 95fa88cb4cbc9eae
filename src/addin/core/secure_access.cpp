#include "corvane/addin/secure_access.h"

#include "corvane/addin/vb_errors.h"
#include "corvane/platform/outlook/application.h"
#include "corvane/platform/outlook/inspector.h"
#include "corvane/platform/outlook/items.h"

namespace corvane::addin {

std::shared_ptr<mapi::Session> DirectAccess::RDOSessionFor(const std::shared_ptr<outlook::NameSpace>& ns) {
    return vb::Need(vb::Need(ns)->MAPIOBJECT());
}

std::shared_ptr<mapi::Session> DirectAccess::RDOSessionLogon() {
    // Without the component there is no MAPI subsystem to log on to.
    throw vb::CannotCreateObject();
}

std::shared_ptr<outlook::word::Document> DirectAccess::SafeInspectorWordEditor(
    const std::shared_ptr<outlook::Inspector>& inspector) {
    return vb::Need(inspector)->WordEditor();
}

std::shared_ptr<mapi::Message> DirectAccess::SafeMailItem(const std::shared_ptr<outlook::Item>& item) {
    return vb::Need(vb::Need(item)->MAPIOBJECT());
}

}  // namespace corvane::addin
