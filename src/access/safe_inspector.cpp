#include "corvane/access/safe_inspector.h"

#include "corvane/access/errors.h"
#include "corvane/outlook/inspector.h"

namespace corvane::access {

std::shared_ptr<outlook::word::Document> SafeInspector::WordEditor() {
    if (!inspector_) errors::ThrowNotBound("SafeInspector", "WordEditor");
    return inspector_->WordEditor();
}

}  // namespace corvane::access
