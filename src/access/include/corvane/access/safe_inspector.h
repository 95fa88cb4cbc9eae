#pragma once
// The Safe inspector: set Item to an Inspector, then reach the Word document that edits
// its item.
#include <memory>

#include "corvane/access/access_object.h"
#include "corvane/access/progids.h"

namespace corvane::access {

class SafeInspector : public AccessObject {
public:
    static constexpr std::string_view ProgId = progid::SafeInspector;

    void SetItem(std::shared_ptr<outlook::Inspector> inspector) noexcept { inspector_ = std::move(inspector); }
    std::shared_ptr<outlook::Inspector> Item() const noexcept { return inspector_; }
    // The Word document of a Word-edited item; nullptr (Nothing) for any other editor.
    std::shared_ptr<outlook::word::Document> WordEditor();

private:
    std::shared_ptr<outlook::Inspector> inspector_;
};

}  // namespace corvane::access
