#pragma once
// The missing-attachment check of basCorvane, the second check of the message window's
// send event.
#include <memory>

#include "corvane/core/addin_process.h"
#include "corvane/outlook/fwd.h"

namespace corvane::checks::basCorvane {

// When the subject or the new text of the outgoing message mentions an attachment while
// the message carries none (inline pictures and ignored names do not count), asks whether
// to send it anyway; No sets Cancel (by reference). Never clears Cancel; a failure shows
// its message and lets the send go on.
void cvAttachMissingCheck(core::AddinProcess& process, const std::shared_ptr<outlook::Item>& item, bool& Cancel);

}  // namespace corvane::checks::basCorvane
