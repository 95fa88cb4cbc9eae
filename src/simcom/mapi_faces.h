#pragma once
// The Extended-MAPI objects behind the faces' MAPIOBJECT: an item's message as an
// IMessage (IMAPIProp's GetProps, SetProps and SaveChanges, its recipient table and
// ModifyRecipients), an address entry as an IMailUser, over the simulated profile's own
// MAPI view of them. Blocks handed out
// are mapi32.dll's, as the caller frees them with MAPIFreeBuffer. Every call is counted
// per "Interface.Method" on the Faces that made the object.
#include <unknwn.h>

#include <memory>

#include "corvane/mapi/objects.h"
#include "corvane/outlook/object.h"
#include "corvane/simcom/faces.h"

namespace corvane::simcom {

// A MAPI object carried as a member's value until it is handed out as its COM object.
struct MapiObjectValue final : outlook::Dispatch {
    explicit MapiObjectValue(std::shared_ptr<mapi::PropertyObject> o) : object(std::move(o)) {}
    std::shared_ptr<mapi::PropertyObject> object;
};

// A new IMessage or IMailUser (with one reference for the caller) over the object.
IUnknown* MapiFaceOf(Faces& faces, const std::shared_ptr<mapi::PropertyObject>& object);

}  // namespace corvane::simcom
