// The simulated Outlook's reading of an add-in's ribbon XML. Input: the XML.
//
// Whatever the text, reading it either loads a ribbon whose callbacks can be asked for, or
// refuses it with a message that says where ("line L, column C: ...").
#include <string>

#include "corvane/sim/custom_ui.h"
#include "fuzz_support.h"

using namespace corvane;
using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string xml(fuzz::asText(data, size));
    auto loaded = sim::CustomUI::Load(xml, 14);
    if (const auto* error = std::get_if<std::string>(&loaded)) {
        check(error->starts_with("line ") && error->find(", column ") != std::string::npos,
              "a refusal says where the XML went wrong");
        return 0;
    }
    const auto& ui = std::get<std::shared_ptr<const sim::CustomUI>>(loaded);
    (void)ui->onLoad();
    (void)ui->onAction("cmdCVSettings_kelderontab");
    return 0;
}
