#include "corvane/access/rdo_session.h"
#include "corvane/checks/basCorvane_reply.h"
#include "reply_support.h"

namespace corvane::checks::basCorvane {

// Through the component rather than Outlook, so that the message goes for good instead of
// into Deleted Items.
void DeleteMessageByEntryID(core::AddinProcess& p, const std::string& entryID) {
    OpenProfileSession(p)->GetMessageFromID(entryID)->Delete();
}

}  // namespace corvane::checks::basCorvane
