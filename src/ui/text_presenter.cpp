#include "corvane/ui/text_presenter.h"

#include <algorithm>
#include <cstdio>

#include "corvane/text/utf8.h"
#include "corvane/ui/controls.h"

namespace corvane::ui {

namespace {

std::string hexByte(unsigned char c) {
    char buf[5];
    std::snprintf(buf, sizeof buf, "\\x%02X", c);
    return buf;
}

std::string masked(const ui::TextBox& box) {
    std::string out;
    for (std::size_t n = text::charCount(box.text()); n > 0; --n) out += box.passwordChar();
    return out;
}

std::string checkMark(int value) {
    switch (value) {
        case ui::CheckBox::Checked: return "[x]";
        case ui::CheckBox::Grayed: return "[-]";
        default: return "[ ]";
    }
}

constexpr int RowTolerance = 120;  // twips

class Renderer {
public:
    explicit Renderer(const ui::Form& form) : form_(form) {}

    std::vector<std::string> run() {
        lines_.push_back("form " + form_.name() + " " + quote(form_.caption()));
        children(nullptr, 1);
        return std::move(lines_);
    }

private:
    void children(const ui::Control* container, int depth) {
        std::vector<const ui::Control*> shown;
        for (const ui::Control* c : form_.controls())
            if (c->container() == container && c->visible() && c->isOnScreen() && c->kind() != "timer")
                shown.push_back(c);
        // Reading order: rows from the top, each row from the left. A control whose top
        // lies less than RowTolerance below the first control of a row shares that row, so
        // that a label and the box beside it read together.
        std::stable_sort(shown.begin(), shown.end(),
                         [](const ui::Control* a, const ui::Control* b) { return a->top() < b->top(); });
        for (auto row = shown.begin(); row != shown.end();) {
            const int rowTop = (*row)->top();
            auto end = std::find_if(row, shown.end(),
                                    [&](const ui::Control* c) { return c->top() >= rowTop + RowTolerance; });
            std::stable_sort(row, end,
                             [](const ui::Control* a, const ui::Control* b) { return a->left() < b->left(); });
            row = end;
        }
        for (const ui::Control* c : shown) control(*c, depth);
    }

    void add(int depth, const std::string& text) {
        lines_.push_back(std::string(static_cast<std::size_t>(depth) * 2, ' ') + text);
    }

    std::string flags(const ui::Control& c) const {
        std::string out;
        if (!c.tag().empty()) out += " tag " + quote(c.tag());
        if (!c.enabled()) out += " (disabled)";
        if (auto* t = dynamic_cast<const ui::TextBox*>(&c); t && t->locked()) out += " (read-only)";
        if (auto* b = dynamic_cast<const ui::CommandButton*>(&c)) {
            if (b->isDefault()) out += " (default)";
            if (b->isCancel()) out += " (cancel)";
        }
        if (c.hasFocus()) {
            out += " (focus)";
            if (auto* t = dynamic_cast<const ui::TextBox*>(&c); t && t->selLength() > 0)
                out += " (selection " + std::to_string(t->selStart()) + "+" + std::to_string(t->selLength()) + ")";
        }
        return out;
    }

    void control(const ui::Control& c, int depth) {
        const std::string head = std::string(c.kind()) + " " + c.displayName();
        if (auto* l = dynamic_cast<const ui::Label*>(&c)) {
            add(depth, head + " " + quote(l->caption()) + flags(c));
        } else if (auto* t = dynamic_cast<const ui::TextBox*>(&c)) {
            add(depth, head + " " + quote(t->passwordChar().empty() ? t->text() : masked(*t)) + flags(c));
        } else if (auto* k = dynamic_cast<const ui::CheckBox*>(&c)) {
            add(depth, head + " " + checkMark(k->value()) + " " + quote(k->caption()) + flags(c));
        } else if (auto* o = dynamic_cast<const ui::OptionButton*>(&c)) {
            add(depth, head + (o->value() ? " (o) " : " ( ) ") + quote(o->caption()) + flags(c));
        } else if (auto* b = dynamic_cast<const ui::CommandButton*>(&c)) {
            add(depth, head + " " + quote(b->caption()) + flags(c));
        } else if (auto* lb = dynamic_cast<const ui::ListBox*>(&c)) {
            const bool multi = lb->multiSelect() != ui::MultiSelect::None;
            add(depth, head + (multi ? " (multi-select)" : "") + flags(c));
            for (int i = 0; i < lb->listCount(); ++i)
                add(depth + 1, quote(lb->list(i)) + (lb->selected(i) ? " (selected)" : ""));
        } else if (auto* cb = dynamic_cast<const ui::ComboBox*>(&c)) {
            add(depth, head + " " + quote(cb->text()) + flags(c));
            for (int i = 0; i < cb->listCount(); ++i)
                add(depth + 1, quote(cb->list(i)) + (i == cb->listIndex() ? " (selected)" : ""));
        } else if (auto* lv = dynamic_cast<const ui::ListView*>(&c)) {
            listView(*lv, head, depth);
        } else if (auto* ts = dynamic_cast<const ui::TabStrip*>(&c)) {
            add(depth, head + flags(c));
            for (int i = 1; i <= ts->tabCount(); ++i)
                add(depth + 1, "tab " + quote(ts->tab(i).caption()) + (i == ts->selectedIndex() ? " (selected)" : ""));
        } else if (auto* f = dynamic_cast<const ui::Frame*>(&c)) {
            add(depth, head + " " + quote(f->caption()) + flags(c));
            children(&c, depth + 1);
        } else if (auto* p = dynamic_cast<const ui::PictureBox*>(&c)) {
            add(depth, head + " " + picture(p->picture()) + flags(c));
            children(&c, depth + 1);
        } else if (auto* im = dynamic_cast<const ui::Image*>(&c)) {
            add(depth, head + " " + picture(im->picture()) + flags(c));
        } else {
            add(depth, head + flags(c));
        }
    }

    static std::string picture(const std::string& ref) { return ref.empty() ? "(no picture)" : quote(ref); }

    void listView(const ui::ListView& lv, const std::string& head, int depth) {
        add(depth, head + flags(lv));
        for (int i = 1; i <= lv.columnCount(); ++i) {
            const ui::ColumnHeader& col = lv.column(i);
            std::string line = "column " + std::to_string(i) + " " + quote(col.text()) + " width " +
                               std::to_string(col.width());
            if (col.icon() != 0) line += " icon " + std::to_string(col.icon());
            add(depth + 1, line);
        }
        const int cells = std::max(lv.columnCount(), 1);
        for (int i = 1; i <= lv.itemCount(); ++i) {
            const ui::ListItem& item = lv.item(i);
            std::string line = lv.checkboxes() ? (item.checked() ? "[x] " : "[ ] ") : "";
            line += quote(item.text());
            const int subs = std::max(cells - 1, item.subItemCount());
            for (int s = 1; s <= subs; ++s) line += " | " + quote(item.subItem(s));
            if (!item.tag().empty()) line += " tag " + quote(item.tag());
            if (item.selected()) line += " (selected)";
            add(depth + 1, line);
        }
    }

    const ui::Form& form_;
    std::vector<std::string> lines_;
};

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> out(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out.emplace_back();
        } else {
            out.back() += c;
        }
    }
    return out;
}

}  // namespace

std::string quote(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += "\\n";
            ++i;
        } else if (c == '\r') {
            out += "\\r";
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            out += hexByte(static_cast<unsigned char>(c));
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string describeButtons(int buttons) {
    static constexpr const char* kSets[] = {"OK",     "OK Cancel",   "Abort Retry Ignore", "Yes No Cancel",
                                            "Yes No", "Retry Cancel"};
    const int set = buttons & 0x0F;
    std::string out = set < 6 ? kSets[set] : "buttons " + std::to_string(set);
    switch (buttons & 0xF0) {
        case 0: break;
        case 16: out += ", critical"; break;
        case 32: out += ", question"; break;
        case 48: out += ", exclamation"; break;
        case 64: out += ", information"; break;
        default: out += ", icon " + std::to_string(buttons & 0xF0); break;
    }
    return out;
}

std::string answerName(int answer) {
    static constexpr const char* kNames[] = {"", "OK", "Cancel", "Abort", "Retry", "Ignore", "Yes", "No"};
    if (answer >= 1 && answer <= 7) return kNames[answer];
    return "button " + std::to_string(answer);
}

bool buttonsOffer(int buttons, int answer) {
    switch (buttons & 0x0F) {
        case 0: return answer == 1;
        case 1: return answer == 1 || answer == 2;
        case 2: return answer >= 3 && answer <= 5;
        case 3: return answer == 6 || answer == 7 || answer == 2;
        case 4: return answer == 6 || answer == 7;
        case 5: return answer == 4 || answer == 2;
        default: return false;
    }
}

std::vector<std::string> renderForm(const ui::Form& form) { return Renderer(form).run(); }

std::vector<std::string> renderMessageBox(std::string_view prompt, int buttons, std::string_view title) {
    std::vector<std::string> lines;
    lines.push_back("message box " + quote(title) + " buttons " + std::to_string(buttons) + " (" +
                    describeButtons(buttons) + ")");
    for (const std::string& line : splitLines(prompt)) lines.push_back(line.empty() ? "  |" : "  | " + line);
    return lines;
}

}  // namespace corvane::ui
