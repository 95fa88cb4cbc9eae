// Reading the prompts a step must raise and how each is answered.
#include "corvane/scenario/parse.h"

#include <cstdint>

namespace corvane::scenario {

namespace {

using profile::YamlInput;
using profile::YamlMap;
namespace act = simhost::action;

const std::vector<std::string_view> AnswerWords = {"ok", "cancel", "abort", "retry", "ignore", "yes", "no"};

// The one control and its argument of an action written {control: argument}.
std::pair<std::string, YAML::Node> controlAndArgument(const YamlInput& in, const YAML::Node& node,
                                                      const std::string& what) {
    YamlMap map(in, node, what);
    if (map.entries().size() != 1)
        in.fail(node, what + " names one control and its argument, as {txtSubject: \"Hello\"}");
    return map.entries().front();
}

std::vector<std::string> rows(const YamlInput& in, const YAML::Node& node, const std::string& what) {
    auto list = in.texts(node, what);
    if (list.empty()) in.fail(node, what + " names no row");
    return list;
}

std::vector<std::string> texts(const YamlInput& in, const YAML::Node& node, const std::string& what) {
    if (node.IsSequence() && node.size() == 0) return {};
    return in.texts(node, what);
}

// expect: {CONTROL: {enabled: false, text: "..."}, ...}: what the controls show now.
act::Expect parseExpect(const YamlInput& in, const YAML::Node& node) {
    YamlMap controls(in, node, "the expect action");
    if (controls.entries().empty())
        in.fail(node, "the expect action names the controls checked, as {cmdOK: {enabled: false}}");
    act::Expect e;
    for (const auto& [name, body] : controls.entries()) {
        const std::string self = "the expectations on " + name;
        YamlMap map(in, body, self);
        act::ControlState c;
        c.control = name;
        if (auto v = map.get("enabled")) c.enabled = in.boolean(*v, "enabled of " + name);
        if (auto v = map.get("visible")) c.visible = in.boolean(*v, "visible of " + name);
        if (auto v = map.get("focus")) c.focus = in.boolean(*v, "focus of " + name);
        if (auto v = map.get("text")) c.text = in.text(*v, "the text of " + name);
        if (auto v = map.get("selected_text")) c.selectedText = in.text(*v, "the selected text of " + name);
        if (auto v = map.get("caption")) c.caption = in.text(*v, "the caption of " + name);
        if (auto v = map.get("color")) {
            const std::string what = "the colour of " + name + " ([red, green, blue])";
            if (!v->IsSequence() || v->size() != 3) in.fail(*v, what + " is three numbers");
            std::uint32_t rgb = 0;
            for (std::size_t i = 0; i < 3; ++i)
                rgb |= static_cast<std::uint32_t>(in.integer((*v)[i], what, 0, 255)) << (8 * i);
            c.color = rgb;
        }
        if (auto v = map.get("ticked")) {
            const auto word = in.choice(*v, "ticked of " + name, {"false", "true", "greyed", "no", "yes"});
            c.ticked = static_cast<int>(word % 3);  // no and yes read as false and true
        }
        if (auto v = map.get("chosen")) c.chosen = in.boolean(*v, "chosen of " + name);
        if (auto v = map.get("items")) c.items = texts(in, *v, "the items of " + name);
        if (auto v = map.get("selected")) c.selected = texts(in, *v, "the selected rows of " + name);
        if (auto v = map.get("ticked_rows")) c.tickedRows = texts(in, *v, "the ticked rows of " + name);
        map.done();
        if (map.entries().empty())
            in.fail(body, self +
                              " are missing (enabled, visible, focus, text, selected_text, caption, color, ticked, "
                              "chosen, items, selected or ticked_rows)");
        e.controls.push_back(std::move(c));
    }
    return e;
}

simhost::FormAction parseAction(const YamlInput& in, const YAML::Node& node) {
    if (node.IsScalar()) {
        if (node.Scalar() == "close") return act::Close{};
        in.fail(node, "a form action is a mapping such as {click: cmdOK}; only close stands alone");
    }
    YamlMap map(in, node, "a form action");
    if (map.entries().size() != 1)
        in.fail(node,
                "a form action has exactly one key (type, tick, untick, choose, select, tick_rows, untick_rows, "
                "double_click, click_column, select_tab, click, press, hover, fire_timer, close or expect)");
    const auto& [kind, arg] = map.entries().front();
    const std::string what = "the " + kind + " action";
    if (kind == "type") {
        auto [control, text] = controlAndArgument(in, arg, what);
        return act::Type{control, in.text(text, "the text typed into " + control)};
    }
    if (kind == "tick" || kind == "untick") return act::Tick{in.text(arg, what), kind == "tick"};
    if (kind == "choose") return act::Choose{in.text(arg, what)};
    if (kind == "select") {
        auto [control, which] = controlAndArgument(in, arg, what);
        return act::Select{control, rows(in, which, "the rows selected in " + control)};
    }
    if (kind == "tick_rows" || kind == "untick_rows") {
        auto [control, which] = controlAndArgument(in, arg, what);
        return act::TickRows{control, rows(in, which, "the rows of " + control), kind == "tick_rows"};
    }
    if (kind == "double_click") {
        auto [control, row] = controlAndArgument(in, arg, what);
        return act::DoubleClick{control, in.text(row, "the row double-clicked in " + control)};
    }
    if (kind == "click_column") {
        auto [control, n] = controlAndArgument(in, arg, what);
        return act::ClickColumn{control, static_cast<int>(in.integer(n, "the column of " + control, 1, 100))};
    }
    if (kind == "select_tab") {
        auto [control, tab] = controlAndArgument(in, arg, what);
        return act::SelectTab{control, in.text(tab, "the tab of " + control)};
    }
    if (kind == "click") return act::Click{in.text(arg, what)};
    if (kind == "press") {
        auto [control, key] = controlAndArgument(in, arg, what);
        int code = 0;
        if (key.IsScalar() && key.Scalar() == "tab") {
            code = 9;
        } else if (key.IsScalar() && key.Scalar() == "enter") {
            code = 13;
        } else if (key.IsScalar() && key.Scalar() == "escape") {
            code = 27;
        } else {
            code = static_cast<int>(
                in.integer(key, "the key pressed in " + control + " (tab, enter, escape or a code)", 1, 255));
        }
        return act::PressKey{control, code};
    }
    if (kind == "hover") return act::Hover{in.text(arg, what)};
    if (kind == "fire_timer") return act::FireTimer{in.text(arg, what)};
    if (kind == "expect") return parseExpect(in, arg);
    if (kind == "close") {
        if (!arg.IsNull() && !(arg.IsMap() && arg.size() == 0)) in.fail(arg, "the close action takes nothing");
        return act::Close{};
    }
    in.fail(map.keyNodes().front(), "unknown form action \"" + kind +
                                        "\" (known: type, tick, untick, choose, select, tick_rows, untick_rows, "
                                        "double_click, click_column, select_tab, click, press, hover, fire_timer, "
                                        "close, expect)");
}

simhost::UiStep parseMessageBox(const YamlInput& in, const YAML::Node& node) {
    YamlMap map(in, node, "a message_box prompt");
    simhost::MessageBoxStep m;
    if (auto v = map.get("title")) m.title = in.text(*v, "the title of a message box");
    if (auto v = map.get("text")) m.text = in.text(*v, "the text of a message box");
    if (auto v = map.get("text_contains")) m.textContains = in.text(*v, "text_contains of a message box");
    if (auto v = map.get("buttons"))
        m.buttons = static_cast<int>(in.integer(*v, "the buttons of a message box", 0, 0xFFFF));
    m.answer = static_cast<int>(in.choice(map.require("answer"), "the answer to a message box", AnswerWords)) + 1;
    map.done();
    return m;
}

simhost::UiStep parseForm(const YamlInput& in, const YAML::Node& node) {
    YamlMap map(in, node, "a form prompt");
    simhost::FormStep f;
    f.form = in.text(map.require("name"), "the name of a form (its class, as frmNoSubject)");
    if (auto v = map.get("caption")) f.caption = in.text(*v, "the caption of form " + f.form);
    if (auto v = map.get("actions")) {
        in.requireSequence(*v, "the actions on form " + f.form);
        for (const auto& a : *v) f.actions.push_back(parseAction(in, a));
    }
    map.done();
    return f;
}

simhost::UiStep parseFolderChooser(const YamlInput& in, const YAML::Node& node) {
    YamlMap map(in, node, "a browse_folder prompt");
    simhost::FolderStep f;
    if (auto v = map.get("title")) f.title = in.text(*v, "the title of the folder chooser");
    auto folder = map.get("folder");
    auto cancel = map.get("cancel");
    map.done();
    if (folder && cancel) in.fail(node, "the folder chooser is answered with a folder or with cancel, not both");
    if (folder) {
        f.folder = in.text(*folder, "the folder chosen");
    } else if (!cancel || !in.boolean(*cancel, "cancel of the folder chooser")) {
        in.fail(node, "the folder chooser needs its answer: folder: C:\\Some\\Folder, or cancel: true");
    }
    return f;
}

}  // namespace

std::vector<simhost::UiStep> ParsePrompts(const YamlInput& in, const YAML::Node& node) {
    in.requireSequence(node, "prompts");
    std::vector<simhost::UiStep> out;
    for (const auto& p : node) {
        YamlMap map(in, p, "a prompt");
        if (map.entries().size() != 1) in.fail(p, "a prompt has exactly one key: message_box, form or browse_folder");
        const auto& [kind, body] = map.entries().front();
        if (kind == "message_box") {
            out.push_back(parseMessageBox(in, body));
        } else if (kind == "form") {
            out.push_back(parseForm(in, body));
        } else if (kind == "browse_folder") {
            out.push_back(parseFolderChooser(in, body));
        } else {
            in.fail(map.keyNodes().front(),
                    "unknown prompt \"" + kind + "\" (known: message_box, form, browse_folder)");
        }
    }
    return out;
}

}  // namespace corvane::scenario
