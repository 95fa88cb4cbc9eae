#pragma once
// The mapi:: seam over Extended MAPI, for the Windows DLL. Outlook hands its MAPI objects
// over as the MAPIOBJECT property of its NameSpace (the session), folders, items and
// address entries; each is wrapped here by what it is. A new session of the add-in's own
// comes from the Subsystem, which logs on through mapi32.dll loaded at run time (the DLL
// imports only system DLLs). Failures throw platform::PlatformError with MAPI's numbers.
#include <windows.h>

#include <memory>

#include "corvane/commapi/interfaces.h"
#include "corvane/mapi/objects.h"

namespace corvane::commapi {

// The MAPI functions the wrappers call: MAPI's own memory (MAPIFreeBuffer for what MAPI
// gives, MAPIAllocateBuffer for what the add-in hands MAPI to keep), and the logon.
struct Library {
    MAPIAllocateBufferFn allocateBuffer = nullptr;
    MAPIFreeBufferFn freeBuffer = nullptr;
    MAPIInitializeFn initialize = nullptr;
    MAPIUninitializeFn uninitialize = nullptr;
    MAPILogonExFn logonEx = nullptr;
    // For .msg files; without them Session::GetMessageFromMsgFile fails with MAPI_E_NO_SUPPORT.
    MAPIAllocateMoreFn allocateMore = nullptr;
    MAPIGetDefaultMallocFn defaultMalloc = nullptr;
    OpenIMsgSessionFn openMsgSession = nullptr;
    CloseIMsgSessionFn closeMsgSession = nullptr;
    OpenIMsgOnIStgFn openMsgOnStorage = nullptr;
};

// mapi32.dll's functions, loaded on first use and kept for the process. Without Extended
// MAPI on the machine this fails with platform::errors::MapiNotInstalled.
const Library& SystemLibrary();

// The session of an IMAPISession Outlook hands over (NameSpace.MAPIOBJECT): the add-in
// uses it and never logs it off. nullptr for a null pointer; an object that is no MAPI
// session fails with MAPI_E_INTERFACE_NOT_SUPPORTED.
std::shared_ptr<mapi::Session> SessionOf(IUnknown* session, const Library& library = SystemLibrary());

// The message, folder or address entry behind an Outlook item's, folder's or address
// entry's MAPIOBJECT (IMessage, IMAPIFolder, IMailUser or IDistList). `session`, when
// given, opens what the object refers to by entry id (a recipient's address entry).
std::shared_ptr<mapi::Message> MessageOf(IUnknown* message, IUnknown* session = nullptr,
                                         const Library& library = SystemLibrary());
std::shared_ptr<mapi::Folder> FolderOf(IUnknown* folder, const Library& library = SystemLibrary());
std::shared_ptr<mapi::AddressEntry> AddressEntryOf(IUnknown* entry, const Library& library = SystemLibrary());

// The Extended-MAPI subsystem of the Windows DLL: each Logon is a new session on the
// default profile (MAPIInitialize once, MAPILogonEx with MAPI_EXTENDED | MAPI_USE_DEFAULT),
// logged off by Session::Logoff or when its last holder lets it go. The first overload
// loads mapi32.dll at the first Logon, so making the subsystem never fails; Logon fails
// with platform::errors::MapiNotInstalled on a machine without Extended MAPI.
std::shared_ptr<mapi::Subsystem> SubsystemOf();
std::shared_ptr<mapi::Subsystem> SubsystemOf(const Library& library);

}  // namespace corvane::commapi
