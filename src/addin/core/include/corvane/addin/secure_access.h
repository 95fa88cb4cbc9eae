#pragma once
// The calls the add-in core makes on the secure mail access component ("cvRedemption"
// classes). Each call creates the component's object, binds it and hands back what the
// caller reads; the caller drops it at once. DirectAccess goes straight through the
// Outlook object model's own MAPI objects, which is what the component does on a host
// without security prompts; the component proper replaces it.
#include <memory>

#include "corvane/platform/mapi/objects.h"
#include "corvane/platform/outlook/fwd.h"

namespace corvane::addin {

class SecureAccess {
public:
    virtual ~SecureAccess() = default;
    // "cvRDOSession" handed the MAPIOBJECT of Outlook's namespace.
    virtual std::shared_ptr<mapi::Session> RDOSessionFor(const std::shared_ptr<outlook::NameSpace>& ns) = 0;
    // "cvRDOSession" logged on by itself (Outlook 2000, which has no MAPIOBJECT).
    virtual std::shared_ptr<mapi::Session> RDOSessionLogon() = 0;
    // "cvSafeInspector" with its Item set to the Inspector: the Word document it edits.
    virtual std::shared_ptr<outlook::word::Document> SafeInspectorWordEditor(
        const std::shared_ptr<outlook::Inspector>& inspector) = 0;
    // "cvSafeMailItem" with its Item set to the item, read as the message behind it.
    virtual std::shared_ptr<mapi::Message> SafeMailItem(const std::shared_ptr<outlook::Item>& item) = 0;
};

class DirectAccess final : public SecureAccess {
public:
    std::shared_ptr<mapi::Session> RDOSessionFor(const std::shared_ptr<outlook::NameSpace>& ns) override;
    std::shared_ptr<mapi::Session> RDOSessionLogon() override;
    std::shared_ptr<outlook::word::Document> SafeInspectorWordEditor(
        const std::shared_ptr<outlook::Inspector>& inspector) override;
    std::shared_ptr<mapi::Message> SafeMailItem(const std::shared_ptr<outlook::Item>& item) override;
};

}  // namespace corvane::addin
