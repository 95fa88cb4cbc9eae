#pragma once
// The sinks registered with one event source. A sink is held weakly and kept alive while
// it is called; sinks that connect or disconnect during a call take effect for the next
// event. A platform failure thrown by a handler is swallowed, as Outlook ignores the
// errors of its event handlers.
#include <algorithm>
#include <memory>
#include <vector>

#include "corvane/outlook/events.h"
#include "corvane/platform/error.h"

namespace corvane::sim {

template <class Sink>
class SinkList {
public:
    SinkList() : slots_(std::make_shared<Slots>()) {}
    SinkList(const SinkList&) = delete;
    SinkList& operator=(const SinkList&) = delete;

    outlook::Connection add(std::shared_ptr<Sink> sink) {
        if (!sink) throw platform::PlatformError(platform::errors::InvalidCall);
        auto slot = std::make_shared<Slot>();
        slot->sink = sink;
        slots_->push_back(slot);
        std::weak_ptr<Slots> weakSlots = slots_;
        std::weak_ptr<Slot> weakSlot = slot;
        return outlook::Connection([weakSlots, weakSlot] {
            auto all = weakSlots.lock();
            auto mine = weakSlot.lock();
            if (!mine) return;
            mine->removed = true;
            if (all) std::erase(*all, mine);
        });
    }

    // Calls f(sink) for every sink connected when the event starts.
    template <class F>
    void raise(F&& f) {
        const Slots snapshot = *slots_;
        for (const auto& slot : snapshot) {
            if (slot->removed) continue;
            auto sink = slot->sink.lock();
            if (!sink) continue;
            try {
                f(*sink);
            } catch (const platform::PlatformError&) {
                // Outlook goes on with the next sink and its own work.
            }
        }
    }

    std::size_t size() const {
        return static_cast<std::size_t>(std::count_if(slots_->begin(), slots_->end(), [](const auto& s) {
            return !s->removed && !s->sink.expired();
        }));
    }

private:
    struct Slot {
        std::weak_ptr<Sink> sink;
        bool removed = false;
    };
    using Slots = std::vector<std::shared_ptr<Slot>>;
    std::shared_ptr<Slots> slots_;
};

}  // namespace corvane::sim
