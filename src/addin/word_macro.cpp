#include "corvane/addin/word_macro.h"

#include "corvane/access/safe_inspector.h"
#include "corvane/core/vb_errors.h"
#include "corvane/outlook/application.h"
#include "corvane/outlook/inspector.h"
#include "corvane/outlook/word.h"

namespace corvane::addin {

bool WordEditorMode(Process& process) {
    auto inspector = core::vb::Need(core::vb::Need(process.gOutlook)->ActiveInspector());
    return inspector->EditorType() == outlook::oleditor::Word && core::OutlookMajorVersionNumber(process) < 12;
}

void RunWordMacro(Process& process, std::string_view macro, std::vector<outlook::Variant>& args) {
    auto safe = access::CreateAccessObject<access::SafeInspector>(*process.access);
    safe->SetItem(core::vb::Need(core::vb::Need(process.gOutlook)->ActiveInspector()));
    auto document = core::vb::Need(safe->WordEditor());
    core::vb::Need(document->Application())->Run(macro, args);
}

bool VariantBool(const outlook::Variant& v) {
    if (const bool* b = std::get_if<bool>(&v)) return *b;
    if (const std::int32_t* n = std::get_if<std::int32_t>(&v)) return *n != 0;
    if (const double* d = std::get_if<double>(&v)) return *d != 0;
    if (std::holds_alternative<std::monostate>(v)) return false;
    throw platform::PlatformError(platform::errors::TypeMismatch);
}

std::string VariantText(const outlook::Variant& v) {
    if (const std::string* s = std::get_if<std::string>(&v)) return *s;
    return "";
}

}  // namespace corvane::addin
