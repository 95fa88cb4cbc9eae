#pragma once
// Outlook's events raised to the sinks advised on a face's connection point: for each
// kind of source, the event dispinterface its connection point offers and a bridge that
// registers with the seam object and calls the sink's Invoke with the dispatch identifiers
// Outlook gives its events (Cancel by reference, VT_BYREF | VT_BOOL). The type library
// made in memory describes the same interfaces, so a sink can read the identifiers.
#include <oaidl.h>

#include <functional>
#include <memory>

#include "corvane/comoutlook/com_ptr.h"
#include "corvane/comoutlook/event_interfaces.h"
#include "corvane/outlook/events.h"
#include "corvane/simcom/faces.h"

namespace corvane::simcom {

// One sink's registration with the seam object: the bridge and its connection.
struct Advised {
    std::shared_ptr<void> bridge;
    outlook::Connection connection;
};

struct EventSource {
    const comoutlook::EventInterface* events;  // the interface the connection point offers
    bool (*is)(outlook::Dispatch& object);
    Advised (*advise)(outlook::Dispatch& object, const std::shared_ptr<Faces>& faces,
                      comoutlook::ComPtr<IDispatch> sink);
};

// The events the object raises, or nullptr for an object without events.
const EventSource* EventSourceOf(outlook::Dispatch& object);

// The type information every face gives (GetTypeInfo): its library also holds the event
// dispinterfaces. Made once for the process.
ITypeInfo* FaceTypeInfo();

}  // namespace corvane::simcom
