#pragma once
// The root of every object the component factory creates. It is a Dispatch so that it can
// travel as a late-bound argument like any other Automation object.
#include "corvane/outlook/object.h"

namespace corvane::access {

class AccessObject : public outlook::Dispatch {};

}  // namespace corvane::access
