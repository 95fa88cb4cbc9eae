#pragma once
// Tokens of the resource script: words (keywords, numbers, unquoted file names), quoted
// texts, commas and braces, with the line each starts on. Internal to this folder.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/resources/resource_script.h"

namespace corvane::resources::detail {

struct Token {
    enum class Kind { Word, Text, Comma, OpenBrace, CloseBrace, End };
    Kind kind = Kind::End;
    std::string value;  // the word, or the text with its escapes resolved
    int line = 0;
};

// All tokens of `script`, ending with an End token; or the first lexical problem (invalid
// UTF-8, a text or comment left open, an unknown escape).
std::optional<ResourceScriptError> Tokenize(std::string_view script, std::vector<Token>& out);

// How a token is named in an error message: 'word', a quoted text, ',' or the end.
std::string Describe(const Token& t);

}  // namespace corvane::resources::detail
