#pragma once
// Outlook's events over COM: a sink object per registration, implementing IDispatch for
// the source's event dispinterface, advised on the source's connection point and unadvised
// when the returned Connection ends. Invoke finds the handler by the event's dispatch
// identifier, read by name from the source's type information when it is connected
// (remembered per interface for the process); an event without a handler, and a handler
// that fails, answer S_OK: nothing crosses back into Outlook.
#include <oaidl.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "corvane/comoutlook/com_ptr.h"
#include "corvane/comoutlook/event_interfaces.h"
#include "corvane/comoutlook/value.h"
#include "corvane/outlook/events.h"

namespace corvane::comoutlook {

// One event's arguments, counted first first (DISPPARAMS holds them last first); each
// may come by value or by reference.
class EventArgs {
public:
    explicit EventArgs(DISPPARAMS& params) : params_(&params) {}

    Value value(std::size_t index) const;
    ComPtr<IDispatch> object(std::size_t index) const { return value(index).object(); }
    std::string text(std::size_t index) const { return value(index).text(); }
    // Cancel passed by reference (VT_BYREF | VT_BOOL): `handler(cancel)` sees what the
    // earlier sinks left, and what it leaves is written back.
    void withCancel(std::size_t index, const std::function<void(bool&)>& handler) const;

private:
    VARIANT& arg(std::size_t index) const;
    DISPPARAMS* params_;
};

using EventHandler = std::function<void(const EventArgs&)>;

struct EventBinding {
    std::string_view event;
    EventHandler handler;
};

// Connects the handlers to the source's events through the first of `interfaces` the
// source has a connection point for. Fails with the platform's error when the source has
// no connection points, none of the interfaces, or no type information to name them.
outlook::Connection ConnectEvents(IDispatch* source, std::span<const EventInterface> interfaces,
                                  std::vector<EventBinding> bindings);

// A handler calling `handler(sink, args)` while the add-in's sink is alive (the source
// holds it weakly).
template <class Sink, class Handler>
EventHandler ForSink(const std::weak_ptr<Sink>& sink, Handler handler) {
    return [sink, handler = std::move(handler)](const EventArgs& args) {
        if (auto alive = sink.lock()) handler(*alive, args);
    };
}

}  // namespace corvane::comoutlook
