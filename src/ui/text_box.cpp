#include "corvane/ui/text_box.h"

#include <algorithm>

#include "corvane/text/utf8.h"

namespace corvane::ui {

namespace {

std::size_t byteOffset(const std::string& s, int n) { return text::charOffset(s, static_cast<std::size_t>(n)); }

}  // namespace

void TextBox::setText(std::string text) {
    if (text == state_.text) return;
    state_.text = std::move(text);
    state_.selStart = 0;
    state_.selLength = 0;
    raise(onChange);
}

int TextBox::length() const { return static_cast<int>(text::charCount(state_.text)); }

void TextBox::setSelStart(int start) {
    state_.selStart = std::clamp(start, 0, length());
    state_.selLength = 0;
}

void TextBox::setSelLength(int len) { state_.selLength = std::clamp(len, 0, length() - state_.selStart); }

void TextBox::selectAll() {
    state_.selStart = 0;
    state_.selLength = length();
}

std::string TextBox::selText() const {
    const std::size_t from = byteOffset(state_.text, state_.selStart);
    const std::size_t to = byteOffset(state_.text, state_.selStart + state_.selLength);
    return state_.text.substr(from, to - from);
}

void TextBox::userType(std::string text) {
    // Typing leaves the caret after the text before the change handlers run, as a real edit box does.
    const bool changed = text != state_.text;
    state_.text = std::move(text);
    state_.selStart = length();
    state_.selLength = 0;
    if (changed) raise(onChange);
}

}  // namespace corvane::ui
