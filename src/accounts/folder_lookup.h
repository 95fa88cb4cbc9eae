#pragma once
// Finding the settings mail folders beside the Inbox.
#include <memory>
#include <string_view>

#include "corvane/core/addin_process.h"
#include "corvane/outlook/fwd.h"

namespace corvane::accounts {

// The root of the default store: the parent of the Inbox of gOutlook's "MAPI" namespace.
std::shared_ptr<outlook::Folder> MailboxRoot(core::AddinProcess& p);
// A subfolder by name; nullptr when the lookup fails ("missing").
std::shared_ptr<outlook::Folder> ChildFolder(const std::shared_ptr<outlook::Folder>& parent, std::string_view name);

}  // namespace corvane::accounts
