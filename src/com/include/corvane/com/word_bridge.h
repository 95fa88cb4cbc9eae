#pragma once
// How the code in Word's process reaches the add-in in Outlook's: Outlook creates a
// Corvane.Connect in its own process (Application.CreateObject) and hands it back as an
// IDispatch, a proxy across the processes. Its WordEditorVariablesGet/Set are called by
// name; the list object they carry is used through its members by name.
#include <oaidl.h>

#include <memory>

#include "corvane/core/send_acct.h"

namespace corvane::com {

// The Connect an IDispatch stands for: the add-in's own when it was made in this apartment,
// else the object reached by name; nullptr for Nothing.
std::shared_ptr<core::WordEditorVariables> ConnectOf(IDispatch* connect);
// The list object an IDispatch stands for: the add-in's own when it was handed out in this
// apartment, else the object reached by name; nullptr for Nothing.
std::shared_ptr<core::SendAcct> ListOf(IDispatch* object);

}  // namespace corvane::com
