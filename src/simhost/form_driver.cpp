#include "form_driver.h"

#include <cstdint>
#include <functional>
#include <optional>

#include "corvane/text/utf8.h"
#include "corvane/ui/text_presenter.h"

namespace corvane::simhost {

namespace {

template <class... Fs>
struct Overloaded : Fs... {
    using Fs::operator()...;
};
template <class... Fs>
Overloaded(Fs...) -> Overloaded<Fs...>;

std::string quotedList(const std::vector<std::string>& items) {
    if (items.empty()) return "(nothing)";
    std::string out;
    for (const std::string& item : items) out += (out.empty() ? "" : ", ") + ui::quote(item);
    return out;
}

// ["a", "b"], or [] for none.
std::string bracketed(const std::vector<std::string>& items) {
    return items.empty() ? "[]" : "[" + quotedList(items) + "]";
}

// "rgb(255, 128, 0)", or the system colour's number in hexadecimal.
std::string colorText(std::uint32_t c) {
    if (c & 0xFF000000u) {
        static constexpr char Hex[] = "0123456789ABCDEF";
        std::string out = "system colour &H";
        for (int shift = 28; shift >= 0; shift -= 4) out += Hex[(c >> shift) & 0xF];
        return out;
    }
    return "rgb(" + std::to_string(c & 0xFF) + ", " + std::to_string((c >> 8) & 0xFF) + ", " +
           std::to_string((c >> 16) & 0xFF) + ")";
}

std::string yesNo(bool b) { return b ? "yes" : "no"; }

std::string tickWord(int value) { return value == 1 ? "ticked" : value == 2 ? "greyed" : "clear"; }

// "cmdOK enabled no, text "Hi"": what an expect action checks of one control.
std::string describeState(const action::ControlState& s) {
    std::string out;
    auto add = [&](const char* name, const std::string& value) { out += std::string(", ") + name + " " + value; };
    if (s.enabled) add("enabled", yesNo(*s.enabled));
    if (s.visible) add("visible", yesNo(*s.visible));
    if (s.focus) add("focus", yesNo(*s.focus));
    if (s.text) add("text", ui::quote(*s.text));
    if (s.selectedText) add("selected_text", ui::quote(*s.selectedText));
    if (s.caption) add("caption", ui::quote(*s.caption));
    if (s.color) add("color", colorText(*s.color));
    if (s.ticked) add("ticked", tickWord(*s.ticked));
    if (s.chosen) add("chosen", yesNo(*s.chosen));
    if (s.items) add("items", bracketed(*s.items));
    if (s.selected) add("selected", bracketed(*s.selected));
    if (s.tickedRows) add("ticked_rows", bracketed(*s.tickedRows));
    return s.control + (out.empty() ? std::string() : " " + out.substr(2));
}

std::string keyName(int key) {
    if (key == 9) return "Tab";
    if (key == 13) return "Enter";
    if (key == 27) return "Escape";
    return "key " + std::to_string(key);
}

// "#3" names the third row; nothing when the text is not of that form.
std::optional<int> position(const std::string& ref) {
    if (ref.size() < 2 || ref[0] != '#') return std::nullopt;
    int n = 0;
    for (std::size_t i = 1; i < ref.size(); ++i) {
        if (ref[i] < '0' || ref[i] > '9' || n > 100000) return std::nullopt;
        n = n * 10 + (ref[i] - '0');
    }
    return n;
}

}  // namespace

std::string describeAction(const FormAction& action) {
    return std::visit(
        Overloaded{
            [](const action::Type& a) { return "type " + a.control + " " + ui::quote(a.text); },
            [](const action::Tick& a) { return (a.ticked ? "tick " : "untick ") + a.control; },
            [](const action::Choose& a) { return "choose " + a.control; },
            [](const action::Select& a) { return "select " + a.control + " " + quotedList(a.rows); },
            [](const action::TickRows& a) {
                return (a.ticked ? "tick rows of " : "untick rows of ") + a.control + " " + quotedList(a.rows);
            },
            [](const action::DoubleClick& a) { return "double-click " + a.control + " " + ui::quote(a.row); },
            [](const action::ClickColumn& a) {
                return "click column " + std::to_string(a.column) + " of " + a.control;
            },
            [](const action::SelectTab& a) { return "select tab " + ui::quote(a.tab) + " of " + a.control; },
            [](const action::Click& a) { return "click " + a.control; },
            [](const action::PressKey& a) { return "press " + keyName(a.key) + " in " + a.control; },
            [](const action::Hover& a) { return "hover over " + a.control; },
            [](const action::FireTimer& a) { return "timer " + a.control + " elapses"; },
            [](const action::Close&) { return std::string("close the window"); },
            [](const action::Expect& a) {
                std::string out;
                for (const auto& c : a.controls) out += (out.empty() ? "" : "; ") + describeState(c);
                return "expect " + out;
            },
        },
        action);
}

void FormDriver::run(const std::vector<FormAction>& actions) {
    for (const FormAction& action : actions) {
        ++actionNo_;
        current_ = describeAction(action);
        // What the user types into a password box reads as the box shows it.
        if (const auto* typed = std::get_if<action::Type>(&action)) {
            const auto* box = dynamic_cast<const ui::TextBox*>(form_.findControl(typed->control));
            if (box && !box->passwordChar().empty()) {
                std::string masked;
                for (std::size_t n = text::charCount(typed->text); n > 0; --n) masked += box->passwordChar();
                current_ = "type " + typed->control + " " + ui::quote(masked);
            }
        }
        if (!form_.isVisible())
            fail("the form has closed already; " + std::to_string(actions.size() - actionNo_ + 1) +
                 " scripted actions are left");
        ui_.record("> " + current_);
        std::visit(*this, action);
    }
}

void FormDriver::fail(const std::string& message) {
    ui_.fail("step " + std::to_string(stepNo_) + ", form " + form_.name() + ", action " + std::to_string(actionNo_) +
             " (" + current_ + "): " + message);
}

ui::Control& FormDriver::lookup(const std::string& ref) {
    std::string name = ref;
    int index = -1;
    if (const auto open = ref.find('('); open != std::string::npos && ref.back() == ')') {
        name = ref.substr(0, open);
        const std::string digits = ref.substr(open + 1, ref.size() - open - 2);
        if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos || digits.size() > 6)
            fail("\"" + ref + "\" is not a control name");
        index = std::stoi(digits);
    }
    if (ui::Control* c = form_.findControl(name, index)) return *c;
    std::string names;
    for (const ui::Control* c : form_.controls()) names += (names.empty() ? "" : ", ") + c->displayName();
    fail("the form has no control " + ref + "; it has " + names);
}

template <class T>
T& FormDriver::find(const std::string& ref, const char* wanted) {
    ui::Control& c = lookup(ref);
    if (auto* t = dynamic_cast<T*>(&c)) return *t;
    fail(ref + " is a " + std::string(c.kind()) + ", not " + wanted);
}

void FormDriver::requireReachable(const ui::Control& control) {
    for (const ui::Control* c = &control; c; c = c->container()) {
        const std::string who = c == &control ? control.displayName()
                                              : control.displayName() + " is inside " + c->displayName() + ", which";
        if (!c->visible()) fail(who + " is hidden");
        if (!c->isOnScreen()) fail(who + " is out of sight");
        if (!c->enabled()) fail(who + " is disabled");
    }
}

template <class T>
T& FormDriver::reachable(const std::string& ref, const char* wanted) {
    T& t = find<T>(ref, wanted);
    requireReachable(t);
    return t;
}

void FormDriver::noteKeptFocus() {
    const ui::Control* kept = form_.activeControl();
    ui_.record("  (Validate kept the focus in " + (kept ? kept->displayName() : std::string("the form")) + ")");
}

bool FormDriver::focus(ui::Control& control) {
    if (form_.userMoveFocus(control)) return true;
    noteKeptFocus();
    return false;
}

namespace {
// The one row that `ref` names among `count` rows, each given by its texts.
template <class Texts>
int pickRow(int count, const std::string& ref, Texts texts, const std::function<void(const std::string&)>& fail) {
    if (const auto n = position(ref)) {
        if (*n < 1 || *n > count) fail("there is no row " + ref + "; the list has " + std::to_string(count) + " rows");
        return *n - 1;
    }
    int found = -1;
    for (int i = 0; i < count; ++i) {
        for (const std::string& t : texts(i)) {
            if (t != ref) continue;
            if (found >= 0 && found != i) fail("more than one row reads " + ui::quote(ref) + "; name it by \"#n\"");
            found = i;
        }
    }
    if (found < 0) fail("no row reads " + ui::quote(ref));
    return found;
}
}  // namespace

int FormDriver::listRow(const ui::ListBox& list, const std::string& ref) {
    return pickRow(
        list.listCount(), ref, [&](int i) { return std::vector<std::string>{list.list(i)}; },
        [&](const std::string& m) { fail(list.displayName() + ": " + m); });
}

int FormDriver::comboRow(const ui::ComboBox& combo, const std::string& ref) {
    return pickRow(
        combo.listCount(), ref, [&](int i) { return std::vector<std::string>{combo.list(i)}; },
        [&](const std::string& m) { fail(combo.displayName() + ": " + m); });
}

ui::ListItem& FormDriver::viewRow(ui::ListView& view, const std::string& ref) {
    const int i = pickRow(
        view.itemCount(), ref,
        [&](int row) {
            const ui::ListItem& item = view.item(row + 1);
            std::vector<std::string> texts{item.text()};
            for (int s = 1; s <= item.subItemCount(); ++s) texts.push_back(item.subItem(s));
            return texts;
        },
        [&](const std::string& m) { fail(view.displayName() + ": " + m); });
    return view.item(i + 1);
}

int FormDriver::tabIndex(const ui::TabStrip& tabs, const std::string& ref) {
    return 1 + pickRow(
                   tabs.tabCount(), ref, [&](int i) { return std::vector<std::string>{tabs.tab(i + 1).caption()}; },
                   [&](const std::string& m) { fail(tabs.displayName() + ": " + m); });
}

void FormDriver::operator()(const action::Type& a) {
    ui::Control& c = lookup(a.control);
    if (auto* box = dynamic_cast<ui::TextBox*>(&c)) {
        requireReachable(*box);
        if (box->locked()) fail(a.control + " is read-only");
        if (focus(*box)) box->userType(a.text);
        return;
    }
    if (auto* combo = dynamic_cast<ui::ComboBox*>(&c)) {
        requireReachable(*combo);
        if (combo->style() == ui::ComboStyle::DropDownList)
            fail(a.control + " only offers its list; select an item instead");
        if (focus(*combo)) combo->userType(a.text);
        return;
    }
    fail(a.control + " is a " + std::string(c.kind()) + "; only text boxes and combo boxes take typing");
}

void FormDriver::operator()(const action::Tick& a) {
    auto& box = reachable<ui::CheckBox>(a.control, "a check box");
    if (box.ticked() == a.ticked) fail(a.control + (a.ticked ? " is ticked already" : " is clear already"));
    if (focus(box)) box.userSetTicked(a.ticked);
}

void FormDriver::operator()(const action::Choose& a) {
    auto& option = reachable<ui::OptionButton>(a.control, "an option button");
    if (focus(option)) option.userChoose();
}

void FormDriver::operator()(const action::Select& a) {
    ui::Control& c = lookup(a.control);
    requireReachable(c);
    if (auto* list = dynamic_cast<ui::ListBox*>(&c)) {
        std::vector<int> rows;
        for (const std::string& r : a.rows) rows.push_back(listRow(*list, r));
        if (list->multiSelect() == ui::MultiSelect::None && rows.size() > 1)
            fail(a.control + " selects one row at a time");
        if (focus(*list)) list->userSelect(rows);
        return;
    }
    if (a.rows.size() != 1) fail("name exactly one row of " + a.control);
    if (auto* view = dynamic_cast<ui::ListView*>(&c)) {
        ui::ListItem& item = viewRow(*view, a.rows.front());
        if (focus(*view)) view->userClickItem(item);
        return;
    }
    if (auto* combo = dynamic_cast<ui::ComboBox*>(&c)) {
        const int row = comboRow(*combo, a.rows.front());
        if (focus(*combo)) combo->userChoose(row);
        return;
    }
    fail(a.control + " is a " + std::string(c.kind()) + ", not a list, list view or combo box");
}

void FormDriver::operator()(const action::TickRows& a) {
    auto& view = reachable<ui::ListView>(a.control, "a list view");
    if (!view.checkboxes()) fail(a.control + " has no tick boxes");
    std::vector<ui::ListItem*> rows;
    for (const std::string& r : a.rows) {
        ui::ListItem& item = viewRow(view, r);
        if (item.checked() == a.ticked)
            fail("row " + ui::quote(r) + (a.ticked ? " is ticked already" : " is clear already"));
        rows.push_back(&item);
    }
    if (!focus(view)) return;
    for (ui::ListItem* item : rows) view.userSetChecked(*item, a.ticked);
}

void FormDriver::operator()(const action::DoubleClick& a) {
    ui::Control& c = lookup(a.control);
    requireReachable(c);
    if (auto* list = dynamic_cast<ui::ListBox*>(&c)) {
        const int row = listRow(*list, a.row);
        if (!focus(*list)) return;
        list->userSelect({row});
        list->userDblClick();
        return;
    }
    if (auto* view = dynamic_cast<ui::ListView*>(&c)) {
        ui::ListItem& item = viewRow(*view, a.row);
        if (!focus(*view)) return;
        view->userClickItem(item);
        view->userDblClickItem(item);
        return;
    }
    fail(a.control + " is a " + std::string(c.kind()) + ", not a list or list view");
}

void FormDriver::operator()(const action::ClickColumn& a) {
    auto& view = reachable<ui::ListView>(a.control, "a list view");
    if (a.column < 1 || a.column > view.columnCount())
        fail(a.control + " has no column " + std::to_string(a.column) + "; it has " +
             std::to_string(view.columnCount()));
    view.userClickColumn(view.column(a.column));
}

void FormDriver::operator()(const action::SelectTab& a) {
    auto& tabs = reachable<ui::TabStrip>(a.control, "a tab strip");
    const int index = tabIndex(tabs, a.tab);
    if (focus(tabs)) tabs.userSelect(index);
}

void FormDriver::operator()(const action::Click& a) {
    ui::Control& c = lookup(a.control);
    requireReachable(c);
    if (auto* button = dynamic_cast<ui::CommandButton*>(&c)) {
        if (focus(*button)) button->userClick();
    } else if (auto* picture = dynamic_cast<ui::PictureBox*>(&c)) {
        if (focus(*picture)) picture->userClick();
    } else if (auto* label = dynamic_cast<ui::Label*>(&c)) {
        label->userClick();
    } else if (auto* frame = dynamic_cast<ui::Frame*>(&c)) {
        frame->userClick();
    } else if (auto* image = dynamic_cast<ui::Image*>(&c)) {
        image->userClick();
    } else {
        fail(a.control + " is a " + std::string(c.kind()) +
             "; tick a check box, choose an option, select rows of a list");
    }
}

void FormDriver::operator()(const action::PressKey& a) {
    ui::Control& c = lookup(a.control);
    requireReachable(c);
    if (!c.canTakeFocus()) fail(a.control + " cannot take the focus");
    if (!form_.userPressKey(c, a.key)) noteKeptFocus();
}

void FormDriver::operator()(const action::Hover& a) {
    ui::Control& c = lookup(a.control);
    if (!c.isShown()) fail(a.control + " is not shown");
    c.userMouseMove();
}

void FormDriver::operator()(const action::FireTimer& a) {
    auto& timer = find<ui::Timer>(a.control, "a timer");
    if (!timer.fire()) fail(a.control + " is not running");
}

void FormDriver::operator()(const action::Close&) {
    if (!form_.userClose()) ui_.record("  (the form stayed open)");
}

namespace {

// A list view row as an expectation names it: its text and sub-items that are not empty,
// joined by " | ".
std::string rowLine(const ui::ListItem& item) {
    std::string line = item.text();
    for (int s = 1; s <= item.subItemCount(); ++s) {
        if (item.subItem(s).empty()) continue;
        line += (line.empty() ? "" : " | ") + item.subItem(s);
    }
    return line;
}

struct Rows {
    std::vector<std::string> all, selected, ticked;
    bool has = false;
};

Rows rowsOf(const ui::Control& c) {
    Rows r;
    if (auto* list = dynamic_cast<const ui::ListBox*>(&c)) {
        for (int i = 0; i < list->listCount(); ++i) {
            r.all.push_back(list->list(i));
            if (list->selected(i)) r.selected.push_back(list->list(i));
        }
    } else if (auto* combo = dynamic_cast<const ui::ComboBox*>(&c)) {
        for (int i = 0; i < combo->listCount(); ++i) r.all.push_back(combo->list(i));
        if (combo->listIndex() >= 0) r.selected.push_back(combo->list(combo->listIndex()));
    } else if (auto* view = dynamic_cast<const ui::ListView*>(&c)) {
        for (int i = 1; i <= view->itemCount(); ++i) {
            const ui::ListItem& item = view->item(i);
            r.all.push_back(rowLine(item));
            if (item.selected()) r.selected.push_back(r.all.back());
            if (item.checked()) r.ticked.push_back(r.all.back());
        }
    } else if (auto* tabs = dynamic_cast<const ui::TabStrip*>(&c)) {
        for (int i = 1; i <= tabs->tabCount(); ++i) r.all.push_back(tabs->tab(i).caption());
        if (tabs->selectedIndex() >= 1) r.selected.push_back(tabs->tab(tabs->selectedIndex()).caption());
    } else {
        return r;
    }
    r.has = true;
    return r;
}

std::optional<std::string> captionOf(const ui::Control& c) {
    if (auto* l = dynamic_cast<const ui::Label*>(&c)) return l->caption();
    if (auto* b = dynamic_cast<const ui::CommandButton*>(&c)) return b->caption();
    if (auto* f = dynamic_cast<const ui::Frame*>(&c)) return f->caption();
    if (auto* k = dynamic_cast<const ui::CheckBox*>(&c)) return k->caption();
    if (auto* o = dynamic_cast<const ui::OptionButton*>(&c)) return o->caption();
    return std::nullopt;
}

std::optional<std::string> textOf(const ui::Control& c) {
    if (auto* t = dynamic_cast<const ui::TextBox*>(&c)) return t->text();
    if (auto* k = dynamic_cast<const ui::ComboBox*>(&c)) return k->text();
    return std::nullopt;
}

}  // namespace

std::vector<std::string> FormDriver::differences(const action::ControlState& want) {
    const ui::Control& c = lookup(want.control);
    const std::string name = want.control;
    const std::string kind = "a " + std::string(c.kind());
    std::vector<std::string> out;
    auto compare = [&](const char* what, const std::string& actual, const std::string& expected) {
        if (actual != expected) out.push_back(name + " " + what + " is " + actual + ", expected " + expected);
    };
    if (want.enabled) compare("enabled", yesNo(c.enabled()), yesNo(*want.enabled));
    if (want.visible) compare("visible", yesNo(c.isShown()), yesNo(*want.visible));
    if (want.focus) compare("focus", yesNo(c.hasFocus()), yesNo(*want.focus));
    if (want.text) {
        const auto text = textOf(c);
        if (!text) fail(name + " is " + kind + ", which has no text (only text boxes and combo boxes)");
        compare("text", ui::quote(*text), ui::quote(*want.text));
    }
    if (want.selectedText) {
        auto* box = dynamic_cast<const ui::TextBox*>(&c);
        if (!box) fail(name + " is " + kind + ", not a text box");
        compare("selected_text", ui::quote(box->selText()), ui::quote(*want.selectedText));
    }
    if (want.caption) {
        const auto caption = captionOf(c);
        if (!caption) fail(name + " is " + kind + ", which has no caption");
        compare("caption", ui::quote(*caption), ui::quote(*want.caption));
    }
    if (want.color) {
        auto* label = dynamic_cast<const ui::Label*>(&c);
        if (!label) fail(name + " is " + kind + ", not a label");
        compare("color", colorText(label->foreColor()), colorText(*want.color));
    }
    if (want.ticked) {
        auto* box = dynamic_cast<const ui::CheckBox*>(&c);
        if (!box) fail(name + " is " + kind + ", not a check box");
        compare("ticked", tickWord(box->value()), tickWord(*want.ticked));
    }
    if (want.chosen) {
        auto* option = dynamic_cast<const ui::OptionButton*>(&c);
        if (!option) fail(name + " is " + kind + ", not an option button");
        compare("chosen", yesNo(option->value()), yesNo(*want.chosen));
    }
    if (want.items || want.selected || want.tickedRows) {
        const Rows rows = rowsOf(c);
        if (!rows.has) fail(name + " is " + kind + ", not a list, combo box, list view or tab strip");
        if (want.items) compare("items", bracketed(rows.all), bracketed(*want.items));
        if (want.selected) compare("selected", bracketed(rows.selected), bracketed(*want.selected));
        if (want.tickedRows) {
            auto* view = dynamic_cast<const ui::ListView*>(&c);
            if (!view || !view->checkboxes()) fail(name + " has no rows with tick boxes");
            compare("ticked_rows", bracketed(rows.ticked), bracketed(*want.tickedRows));
        }
    }
    return out;
}

void FormDriver::operator()(const action::Expect& a) {
    std::vector<std::string> all;
    for (const auto& control : a.controls)
        for (auto& d : differences(control)) all.push_back(std::move(d));
    if (all.empty()) return;
    std::string message = all.front();
    for (std::size_t i = 1; i < all.size(); ++i) message += "; " + all[i];
    fail(message);
}

}  // namespace corvane::simhost
