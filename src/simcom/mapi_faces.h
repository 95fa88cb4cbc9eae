#pragma once
// The Extended-MAPI objects behind the faces' MAPIOBJECT, over the simulated profile's own
// MAPI views: the NameSpace's session as an IMAPISession (its stores table and stores, the
// entries it opens by id, the profile's name), a folder as an IMAPIFolder, an item's
// message as an IMessage (IMAPIProp's GetProps, SetProps and SaveChanges, its recipient
// and attachment tables, ModifyRecipients, OpenAttach), an address entry as an IMailUser;
// and Outlook's account manager over the session's accounts. Blocks handed out are
// mapi32.dll's, as the caller frees them with MAPIFreeBuffer. Every call is counted per
// "Interface.Method" on the Faces that made the object.
#include <unknwn.h>

#include <memory>

#include "corvane/mapi/objects.h"
#include "corvane/outlook/application.h"
#include "corvane/outlook/object.h"
#include "corvane/simcom/faces.h"

namespace corvane::simcom {

// A MAPI object carried as a member's value until it is handed out as its COM object: a
// property object, or the session with the NameSpace it belongs to (which opens folders).
struct MapiObjectValue final : outlook::Dispatch {
    explicit MapiObjectValue(std::shared_ptr<mapi::PropertyObject> o) : object(std::move(o)) {}
    MapiObjectValue(std::shared_ptr<mapi::Session> s, std::shared_ptr<outlook::NameSpace> ns)
        : session(std::move(s)), nameSpace(std::move(ns)) {}
    std::shared_ptr<mapi::PropertyObject> object;
    std::shared_ptr<mapi::Session> session;
    std::shared_ptr<outlook::NameSpace> nameSpace;
};

// A new IMAPISession, IMAPIFolder, IMessage or IMailUser (with one reference for the
// caller) over the value.
IUnknown* MapiFaceOf(Faces& faces, const MapiObjectValue& value);
// The session behind one of our IMAPISession objects; nullptr for any other object.
const MapiObjectValue* SessionBehind(IUnknown* session);

// Outlook's account manager (CLSID_OlkAccountManager) offered in this process while the
// faces live: the cookie of its registration, and its revocation.
DWORD RegisterAccountManager(const std::shared_ptr<Faces>& faces);
void RevokeAccountManager(DWORD cookie);

}  // namespace corvane::simcom
