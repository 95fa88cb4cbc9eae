#include "corvane/access/properties.h"

#include "corvane/mapi/objects.h"

namespace corvane::access {

mapi::PropValue MapiProperties::Fields(mapi::PropTag tag) {
    return PropertySource("Fields")->Fields(mapi::UnicodeTag(tag));
}

void MapiProperties::SetFields(mapi::PropTag tag, const mapi::PropValue& value) {
    PropertySource("Fields")->SetFields(mapi::UnicodeTag(tag), value);
    FieldsWritten();
}

}  // namespace corvane::access
