#pragma once
// Outlook's events raised to the sinks advised on a face's connection point: for each
// kind of source, the event dispinterface its connection point offers and a bridge that
// registers with the seam object and calls the sink's Invoke with the dispatch identifiers
// Outlook gives its events (Cancel by reference, VT_BYREF | VT_BOOL). The type library
// made in memory describes the same interfaces, so a sink can read the identifiers.
#include <oaidl.h>

#include <functional>
#include <memory>
#include <span>

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
    // The interfaces the source may offer, newest first; its connection point offers the
    // newest the Outlook version has (EventsFor).
    std::span<const comoutlook::EventInterface> interfaces;
    bool (*is)(outlook::Dispatch& object);
    Advised (*advise)(outlook::Dispatch& object, const std::shared_ptr<Faces>& faces,
                      comoutlook::ComPtr<IDispatch> sink);
};

// The events the object raises, or nullptr for an object without events.
const EventSource* EventSourceOf(outlook::Dispatch& object);
// The interface a source of that Outlook major version offers: Outlook 2002 (10) brought
// the _10 interfaces, Outlook 2003 (11) the _11 ones.
const comoutlook::EventInterface& EventsFor(const EventSource& source, int outlookMajor);

// The type information every face gives (GetTypeInfo): its library also holds the event
// dispinterfaces. Made once for the process.
ITypeInfo* FaceTypeInfo();

}  // namespace corvane::simcom
