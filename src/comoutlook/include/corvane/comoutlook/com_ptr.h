#pragma once
// The owning COM pointer of the Outlook wrappers: the one of the Extended-MAPI layer.
#include "corvane/commapi/com_ptr.h"

namespace corvane::comoutlook {

using commapi::ComPtr;

}  // namespace corvane::comoutlook
