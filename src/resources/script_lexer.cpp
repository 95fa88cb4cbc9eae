#include "script_lexer.h"

#include <cstddef>

#include "corvane/text/utf8.h"

namespace corvane::resources::detail {

namespace {

int lineAt(std::string_view s, std::size_t offset) {
    int line = 1;
    for (std::size_t i = 0; i < offset && i < s.size(); ++i)
        if (s[i] == '\n') ++line;
    return line;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

bool endsWord(char c) { return isBlank(c) || c == '"' || c == ',' || c == '{' || c == '}'; }

}  // namespace

std::optional<ResourceScriptError> Tokenize(std::string_view s, std::vector<Token>& out) {
    out.clear();
    if (s.substr(0, 3) == "\xEF\xBB\xBF") s.remove_prefix(3);  // a BOM says only "UTF-8"
    if (const std::size_t valid = text::validUtf8Length(s); valid != s.size())
        return ResourceScriptError{lineAt(s, valid), "the text is not valid UTF-8"};

    int line = 1;
    std::size_t i = 0;
    while (true) {
        while (i < s.size() && isBlank(s[i])) {
            if (s[i] == '\n') ++line;
            ++i;
        }
        if (i >= s.size()) break;
        if (s.substr(i, 2) == "//") {
            while (i < s.size() && s[i] != '\n') ++i;
            continue;
        }
        if (s.substr(i, 2) == "/*") {
            const int start = line;
            std::size_t close = s.find("*/", i + 2);
            if (close == std::string_view::npos)
                return ResourceScriptError{start, "a comment opened with /* is not closed with */"};
            for (; i < close + 2; ++i)
                if (s[i] == '\n') ++line;
            continue;
        }
        Token t;
        t.line = line;
        const char c = s[i];
        if (c == ',' || c == '{' || c == '}') {
            t.kind = c == ',' ? Token::Kind::Comma : c == '{' ? Token::Kind::OpenBrace : Token::Kind::CloseBrace;
            t.value = std::string(1, c);
            ++i;
        } else if (c == '"') {
            t.kind = Token::Kind::Text;
            ++i;
            while (true) {
                if (i >= s.size() || s[i] == '\n' || s[i] == '\r')
                    return ResourceScriptError{line, "a text in double quotes is not closed on its line"};
                const char d = s[i];
                if (d == '"') {
                    if (i + 1 < s.size() && s[i + 1] == '"') {  // "" stands for one quote
                        t.value += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                if (d == '\\') {
                    if (i + 1 >= s.size() || s[i + 1] == '\n' || s[i + 1] == '\r')
                        return ResourceScriptError{line, "a text in double quotes is not closed on its line"};
                    const char e = s[i + 1];
                    switch (e) {
                        case '\\': t.value += '\\'; break;
                        case '"': t.value += '"'; break;
                        case 'n': t.value += '\n'; break;
                        case 'r': t.value += '\r'; break;
                        case 't': t.value += '\t'; break;
                        default: {
                            std::size_t end = i + 2;  // the whole character after the backslash
                            while (!text::isCharBoundary(s, end)) ++end;
                            return ResourceScriptError{line, "unknown escape \\" +
                                                                 std::string(s.substr(i + 1, end - i - 1)) +
                                                                 " in a text (write \\\\ for a backslash)"};
                        }
                    }
                    i += 2;
                    continue;
                }
                t.value += d;
                ++i;
            }
        } else {
            t.kind = Token::Kind::Word;
            const std::size_t start = i;
            while (i < s.size() && !endsWord(s[i]) && s.substr(i, 2) != "//" && s.substr(i, 2) != "/*") ++i;
            t.value = std::string(s.substr(start, i - start));
        }
        out.push_back(std::move(t));
    }
    out.push_back(Token{Token::Kind::End, {}, line});
    return std::nullopt;
}

std::string Describe(const Token& t) {
    switch (t.kind) {
        case Token::Kind::Word: return "'" + t.value + "'";
        case Token::Kind::Text: return "a text in double quotes";
        case Token::Kind::End: return "the end of the file";
        default: return "'" + t.value + "'";
    }
}

}  // namespace corvane::resources::detail
