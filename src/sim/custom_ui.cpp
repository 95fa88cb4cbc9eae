#include "corvane/sim/custom_ui.h"

#include <algorithm>
#include <array>
#include <pugixml.hpp>
#include <set>

namespace corvane::sim {
namespace {

// The elements of the custom UI schema a ribbon of Outlook may hold.
constexpr std::array<std::string_view, 33> KnownElements{"customUI",
                                                         "ribbon",
                                                         "tabs",
                                                         "tab",
                                                         "group",
                                                         "button",
                                                         "menu",
                                                         "menuSeparator",
                                                         "dialogBoxLauncher",
                                                         "splitButton",
                                                         "toggleButton",
                                                         "checkBox",
                                                         "comboBox",
                                                         "dropDown",
                                                         "item",
                                                         "editBox",
                                                         "gallery",
                                                         "label",
                                                         "box",
                                                         "buttonGroup",
                                                         "separator",
                                                         "dynamicMenu",
                                                         "control",
                                                         "commands",
                                                         "command",
                                                         "officeMenu",
                                                         "qat",
                                                         "sharedControls",
                                                         "documentControls",
                                                         "contextualTabs",
                                                         "tabSet",
                                                         "backstage",
                                                         "contextMenus"};

std::string_view LocalName(std::string_view name) {
    const auto colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

struct Problem {
    std::ptrdiff_t offset;
    std::string what;
};

std::string At(std::string_view xml, std::ptrdiff_t offset, const std::string& what) {
    int line = 1;
    int column = 1;
    const auto end = std::min(static_cast<std::size_t>(std::max<std::ptrdiff_t>(offset, 0)), xml.size());
    for (std::size_t i = 0; i < end; ++i) {
        if (xml[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + what;
}

std::optional<Problem> CheckElements(const pugi::xml_node& node, const std::string& prefix,
                                     std::set<std::string>& ids) {
    for (auto child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element) continue;
        const std::string_view name = child.name();
        const bool inSchema = prefix.empty() ? name.find(':') == std::string_view::npos
                                             : name.starts_with(prefix + ":");
        if (!inSchema || std::find(KnownElements.begin(), KnownElements.end(), LocalName(name)) == KnownElements.end())
            return Problem{child.offset_debug(), "the element \"" + std::string(name) + "\" is not expected in \"" +
                                                     std::string(node.name()) + "\""};
        for (const char* idName : {"id", "idQ"}) {
            auto id = child.attribute(idName);
            if (!id) continue;
            if (std::string_view(id.value()).empty())
                return Problem{child.offset_debug(),
                               "the " + std::string(idName) + " of \"" + std::string(name) + "\" is empty"};
            if (!ids.insert(id.value()).second)
                return Problem{child.offset_debug(), "the id \"" + std::string(id.value()) + "\" is used twice"};
        }
        if (auto problem = CheckElements(child, prefix, ids)) return problem;
    }
    return std::nullopt;
}

}  // namespace

struct CustomUI::Doc {
    pugi::xml_document xml;
};

CustomUI::CustomUI(std::unique_ptr<Doc> doc) : doc_(std::move(doc)) {}
CustomUI::~CustomUI() = default;

std::variant<std::shared_ptr<const CustomUI>, std::string> CustomUI::Load(std::string_view xml, int major) {
    auto doc = std::make_unique<Doc>();
    const auto parsed = doc->xml.load_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed)
        return At(xml, parsed.offset, std::string("the XML is not well formed (") + parsed.description() + ")");
    const auto root = doc->xml.document_element();
    for (auto extra = root.next_sibling(); extra; extra = extra.next_sibling())
        if (extra.type() == pugi::node_element)
            return At(xml, extra.offset_debug(),
                      "the XML has a second root element \"" + std::string(extra.name()) + "\"");
    const std::string_view rootName = root.name();
    const auto colon = rootName.find(':');
    const std::string prefix(colon == std::string_view::npos ? std::string_view() : rootName.substr(0, colon));
    if (LocalName(rootName) != "customUI")
        return At(xml, root.offset_debug(), "the root element is \"" + std::string(rootName) + "\", not customUI");
    const std::string_view ns = root.attribute(prefix.empty() ? "xmlns" : ("xmlns:" + prefix).c_str()).value();
    if (ns != CustomUi2007Namespace && !(ns == CustomUi2010Namespace && major >= 14))
        return At(xml, root.offset_debug(),
                  "customUI is not in a custom UI namespace this Outlook reads (\"" + std::string(ns) + "\")");
    std::set<std::string> ids;
    if (auto problem = CheckElements(root, prefix, ids)) return At(xml, problem->offset, problem->what);
    return std::shared_ptr<const CustomUI>(new CustomUI(std::move(doc)));
}

std::string CustomUI::onLoad() const { return doc_->xml.document_element().attribute("onLoad").value(); }

std::optional<std::string> CustomUI::onAction(std::string_view controlId) const {
    for (const auto& found : doc_->xml.select_nodes("//*[@id or @idQ]")) {
        const auto node = found.node();
        const std::string_view id = node.attribute("id").value();
        const std::string_view idQ = node.attribute("idQ").value();
        if (id == controlId || (!idQ.empty() && LocalName(idQ) == controlId))
            return std::string(node.attribute("onAction").value());
    }
    return std::nullopt;
}

}  // namespace corvane::sim
