#include "corvane/sim/custom_ui.h"

#include <algorithm>
#include <array>
#include <set>

#include "xml_tree.h"

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

std::string At(int line, int column, const std::string& what) {
    return "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + what;
}
std::string At(const XmlElement& element, const std::string& what) { return At(element.line, element.column, what); }

std::optional<std::string> CheckElements(const XmlElement& node, const std::string& prefix,
                                         std::set<std::string>& ids) {
    for (const auto& child : node.children) {
        const std::string_view name = child.name;
        const bool inSchema = prefix.empty() ? name.find(':') == std::string_view::npos
                                             : name.starts_with(prefix + ":");
        if (!inSchema || std::find(KnownElements.begin(), KnownElements.end(), LocalName(name)) == KnownElements.end())
            return At(child, "the element \"" + std::string(name) + "\" is not expected in \"" + node.name + "\"");
        for (const char* idName : {"id", "idQ"}) {
            auto id = child.attribute(idName);
            if (!id) continue;
            if (id->empty())
                return At(child, "the " + std::string(idName) + " of \"" + std::string(name) + "\" is empty");
            if (!ids.emplace(*id).second) return At(child, "the id \"" + std::string(*id) + "\" is used twice");
        }
        if (auto problem = CheckElements(child, prefix, ids)) return problem;
    }
    return std::nullopt;
}

// The onAction of the first element, in document order, with the id (or the idQ's local id).
std::optional<std::string> ActionOf(const XmlElement& node, std::string_view controlId) {
    const auto id = node.attribute("id");
    const auto idQ = node.attribute("idQ");
    if ((id && *id == controlId) || (idQ && !idQ->empty() && LocalName(*idQ) == controlId))
        return std::string(node.attribute("onAction").value_or(""));
    for (const auto& child : node.children)
        if (auto found = ActionOf(child, controlId)) return found;
    return std::nullopt;
}

}  // namespace

struct CustomUI::Doc {
    XmlElement root;
};

CustomUI::CustomUI(std::unique_ptr<Doc> doc) : doc_(std::move(doc)) {}
CustomUI::~CustomUI() = default;

std::variant<std::shared_ptr<const CustomUI>, std::string> CustomUI::Load(std::string_view xml, int major) {
    auto read = ReadXmlTree(xml);
    if (const auto* problem = std::get_if<XmlProblem>(&read)) return At(problem->line, problem->column, problem->what);
    auto& roots = std::get<std::vector<XmlElement>>(read);
    if (roots.empty()) return At(1, 1, "the XML has no root element");
    if (roots.size() > 1) return At(roots[1], "the XML has a second root element \"" + roots[1].name + "\"");
    auto doc = std::make_unique<Doc>(Doc{std::move(roots.front())});
    const XmlElement& root = doc->root;
    const std::string_view rootName = root.name;
    const auto colon = rootName.find(':');
    const std::string prefix(colon == std::string_view::npos ? std::string_view() : rootName.substr(0, colon));
    if (LocalName(rootName) != "customUI") return At(root, "the root element is \"" + root.name + "\", not customUI");
    const std::string_view ns = root.attribute(prefix.empty() ? "xmlns" : "xmlns:" + prefix).value_or("");
    if (ns != CustomUi2007Namespace && !(ns == CustomUi2010Namespace && major >= 14))
        return At(root, "customUI is not in a custom UI namespace this Outlook reads (\"" + std::string(ns) + "\")");
    std::set<std::string> ids;
    if (auto problem = CheckElements(root, prefix, ids)) return *problem;
    return std::shared_ptr<const CustomUI>(new CustomUI(std::move(doc)));
}

std::string CustomUI::onLoad() const { return std::string(doc_->root.attribute("onLoad").value_or("")); }

std::optional<std::string> CustomUI::onAction(std::string_view controlId) const {
    return ActionOf(doc_->root, controlId);
}

}  // namespace corvane::sim
