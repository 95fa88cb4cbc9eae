#pragma once
// A ribbon's custom UI XML as Office reads it: well-formed XML whose root is customUI in
// a custom UI namespace Outlook knows, with elements of that schema and ids used once.
// Office refuses anything else and loads nothing of it, reporting the first problem with
// its line and column.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace corvane::sim {

// The custom UI namespaces: Office 2007's, and Office 2010's, which Outlook 2010 and later
// also read.
inline constexpr std::string_view CustomUi2007Namespace = "http://schemas.microsoft.com/office/2006/01/customui";
inline constexpr std::string_view CustomUi2010Namespace = "http://schemas.microsoft.com/office/2009/07/customui";

class CustomUI {
public:
    // The loaded XML, or the error Office reports: "line 1, column 42: ...". `major` is
    // Outlook's major version (the 2010 namespace needs 14 or later).
    static std::variant<std::shared_ptr<const CustomUI>, std::string> Load(std::string_view xml, int major);
    ~CustomUI();
    CustomUI(const CustomUI&) = delete;
    CustomUI& operator=(const CustomUI&) = delete;

    // The root's onLoad callback ("" without one).
    std::string onLoad() const;
    // The onAction callback of the control with that id (or idQ's local id); nothing when
    // no control has the id, "" when it has no action.
    std::optional<std::string> onAction(std::string_view controlId) const;

private:
    struct Doc;
    explicit CustomUI(std::unique_ptr<Doc> doc);
    std::unique_ptr<Doc> doc_;
};

}  // namespace corvane::sim
