#pragma once
// An XML document read into a small tree of elements, each with the line and column of its
// name: what the custom UI checks walk. The reading is the platform's (pugixml on POSIX,
// XmlLite on Windows); a failure names where reading stopped.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace corvane::sim {

struct XmlElement {
    std::string name;  // as written, with its prefix
    std::vector<std::pair<std::string, std::string>> attributes;
    std::vector<XmlElement> children;
    int line = 1;
    int column = 1;

    // The attribute's value, or nothing when the element has no such attribute.
    std::optional<std::string_view> attribute(std::string_view attributeName) const {
        for (const auto& [key, value] : attributes)
            if (key == attributeName) return value;
        return std::nullopt;
    }
};

struct XmlProblem {
    int line = 1;
    int column = 1;
    std::string what;
};

// The top-level elements of the text in document order (a well-formed document has one),
// or the first problem the reader met.
std::variant<std::vector<XmlElement>, XmlProblem> ReadXmlTree(std::string_view xml);

}  // namespace corvane::sim
