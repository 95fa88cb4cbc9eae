#pragma once
// The add-in's address-list object (gSendAcct) as it crosses COM: WordEditorVariablesGet
// hands it out as an IDispatch and WordEditorVariablesSet takes it back. Inside the process
// that made it the IDispatch carries the add-in's own object; the list has no members of
// its own by name.
#include <oaidl.h>

#include <memory>

#include "corvane/core/send_acct.h"

namespace corvane::com {

// A new reference to an IDispatch carrying `list`; nullptr (Nothing) for no list.
IDispatch* NewListObject(std::shared_ptr<core::SendAcct> list);
// The list an IDispatch made by NewListObject in this process carries; nullptr for Nothing
// and for any other object.
std::shared_ptr<core::SendAcct> ListOf(IDispatch* object);

}  // namespace corvane::com
