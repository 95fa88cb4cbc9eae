#pragma once
// The add-in's address-list object (gSendAcct) as it crosses COM: WordEditorVariablesGet
// hands it out as an IDispatch and WordEditorVariablesSet takes it back. The IDispatch
// answers the list's members by name, so that the code in Word's process works on
// Outlook's list through a proxy; inside the apartment that made it, it carries the
// add-in's own object. A list reached from another process is used through its members by
// name, and handed on as the object it came as.
#include <oaidl.h>

#include <memory>

#include "corvane/com/word_bridge.h"
#include "corvane/comoutlook/objects.h"
#include "corvane/comoutlook/value.h"
#include "corvane/core/send_acct.h"

namespace corvane::com {

// A new reference to an IDispatch for `list`; nullptr (Nothing) for no list. Items passed
// to its members are wrapped in `objects`.
IDispatch* NewListObject(std::shared_ptr<core::SendAcct> list, std::shared_ptr<comoutlook::Objects> objects);
// The same as a late-bound value.
comoutlook::Value ListValue(const std::shared_ptr<core::SendAcct>& list,
                            const std::shared_ptr<comoutlook::Objects>& objects);

}  // namespace corvane::com
