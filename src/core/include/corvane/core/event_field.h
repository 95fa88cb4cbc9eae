#pragma once
// An object field that receives the object's events, as a classic WithEvents variable:
// setting it ends the connection to the old object and advises the sink on the new one;
// setting it to nothing ends the connection.
#include <memory>
#include <utility>

#include "corvane/outlook/events.h"

namespace corvane::core {

template <class T>
class EventField {
public:
    EventField() = default;
    EventField(const EventField&) = delete;
    EventField& operator=(const EventField&) = delete;

    const std::shared_ptr<T>& get() const { return object_; }
    T* operator->() const { return object_.get(); }
    explicit operator bool() const { return static_cast<bool>(object_); }

    // Advises the sink on the new object; when that fails the field is left at nothing.
    template <class Sink>
    void set(std::shared_ptr<T> object, const std::shared_ptr<Sink>& sink) {
        reset();
        if (!object) return;
        connection_ = object->Advise(sink);
        object_ = std::move(object);
    }
    void reset() {
        connection_.disconnect();
        object_.reset();
    }

private:
    std::shared_ptr<T> object_;
    outlook::Connection connection_;
};

}  // namespace corvane::core
