#include "corvane/ui/text_box.h"

#include <algorithm>

namespace corvane::ui {

namespace {

bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

int countChars(const std::string& s) {
    return static_cast<int>(std::count_if(s.begin(), s.end(), [](char c) { return !isContinuation(c); }));
}

// Byte offset of character `n` (clamped to the end).
std::size_t byteOffset(const std::string& s, int n) {
    std::size_t i = 0;
    for (int seen = 0; i < s.size(); ++i) {
        if (!isContinuation(s[i])) {
            if (seen == n) return i;
            ++seen;
        }
    }
    return s.size();
}

}  // namespace

void TextBox::setText(std::string text) {
    if (text == state_.text) return;
    state_.text = std::move(text);
    state_.selStart = 0;
    state_.selLength = 0;
    raise(onChange);
}

int TextBox::length() const { return countChars(state_.text); }

void TextBox::setSelStart(int start) {
    state_.selStart = std::clamp(start, 0, length());
    state_.selLength = 0;
}

void TextBox::setSelLength(int len) {
    state_.selLength = std::clamp(len, 0, length() - state_.selStart);
}

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
    setText(std::move(text));
    state_.selStart = length();
    state_.selLength = 0;
}

}  // namespace corvane::ui
