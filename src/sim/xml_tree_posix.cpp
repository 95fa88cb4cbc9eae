// The custom UI's XML read with pugixml.
#include <algorithm>
#include <pugixml.hpp>
#include <tuple>

#include "xml_tree.h"

namespace corvane::sim {
namespace {

// The line and column (counted in bytes) of an offset into the text.
std::pair<int, int> LineAndColumn(std::string_view xml, std::ptrdiff_t offset) {
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
    return {line, column};
}

XmlElement TreeOf(std::string_view xml, const pugi::xml_node& node) {
    XmlElement element;
    element.name = node.name();
    std::tie(element.line, element.column) = LineAndColumn(xml, node.offset_debug());
    for (const auto& attribute : node.attributes())
        element.attributes.emplace_back(attribute.name(), attribute.value());
    for (const auto& child : node.children())
        if (child.type() == pugi::node_element) element.children.push_back(TreeOf(xml, child));
    return element;
}

}  // namespace

std::variant<std::vector<XmlElement>, XmlProblem> ReadXmlTree(std::string_view xml) {
    pugi::xml_document doc;
    const auto parsed = doc.load_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed) {
        auto [line, column] = LineAndColumn(xml, parsed.offset);
        return XmlProblem{line, column, std::string("the XML is not well formed (") + parsed.description() + ")"};
    }
    std::vector<XmlElement> roots;
    for (const auto& node : doc.children())
        if (node.type() == pugi::node_element) roots.push_back(TreeOf(xml, node));
    return roots;
}

}  // namespace corvane::sim
