#pragma once
// Fields(tag) on every object of the component. Callers name string properties by their
// PT_STRING8 tags (…001E, …101E); the component always asks for the Unicode form, so that
// text outside the ANSI code page survives the read and the write.
#include <memory>
#include <string_view>

#include "corvane/mapi/props.h"
#include "corvane/outlook/fwd.h"

namespace corvane::access {

class MapiProperties {
public:
    virtual ~MapiProperties() = default;
    // The property, empty when the object does not have it.
    mapi::PropValue Fields(mapi::PropTag tag);
    void SetFields(mapi::PropTag tag, const mapi::PropValue& value);

protected:
    // The MAPI object behind this one; fails when there is none (not bound, deleted).
    virtual std::shared_ptr<mapi::PropertyObject> PropertySource(std::string_view member) = 0;
    virtual void FieldsWritten() {}
};

}  // namespace corvane::access
