#include "corvane/access/properties.h"

#include "corvane/mapi/objects.h"

namespace corvane::access {

mapi::PropTag NormalizeTag(mapi::PropTag tag) noexcept {
    switch (mapi::PropType(tag)) {
        case mapi::pt::String8:
            return mapi::MakeTag(mapi::PropId(tag), mapi::pt::Unicode);
        case mapi::pt::MvString8:
            return mapi::MakeTag(mapi::PropId(tag), mapi::pt::MvUnicode);
        default:
            return tag;
    }
}

mapi::PropValue MapiProperties::Fields(mapi::PropTag tag) {
    return PropertySource("Fields")->Fields(NormalizeTag(tag));
}

void MapiProperties::SetFields(mapi::PropTag tag, const mapi::PropValue& value) {
    PropertySource("Fields")->SetFields(NormalizeTag(tag), value);
    FieldsWritten();
}

}  // namespace corvane::access
