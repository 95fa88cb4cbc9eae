#pragma once
// The secure mail access component's classes as COM objects ("cvRedemption.cvSafeMailItem"
// ...): each an IDispatch by name over the component's own object, made by the component
// factory of this process's add-in core. What a member hands out (the recipients, an address
// entry, the stores, a message) comes back as an IDispatch of its own; Outlook's objects
// (Item, WordEditor) pass as Outlook's own COM objects.
#include <objbase.h>

namespace corvane::com {

// IClassFactory::CreateInstance of the class T (access::SafeMailItem, access::SafePostItem,
// access::SafeReportItem, access::SafeInspector, access::MAPIUtils, access::RDOSession).
template <class T>
HRESULT CreateAccessClass(REFIID iid, void** object);

}  // namespace corvane::com
