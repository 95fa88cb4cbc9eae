// Compiles the Extended-MAPI seam headers on every platform, so that a header that does
// not stand on its own fails the build here rather than in a later layer.
#include "corvane/mapi/fwd.h"
#include "corvane/mapi/objects.h"
#include "corvane/mapi/props.h"
