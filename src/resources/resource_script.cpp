#include "corvane/resources/resource_script.h"

#include <cstddef>
#include <vector>

#include "script_lexer.h"

namespace corvane::resources {

namespace {

using detail::Describe;
using detail::Token;

bool isKeyword(const Token& t, std::string_view keyword) {
    if (t.kind != Token::Kind::Word || t.value.size() != keyword.size()) return false;
    for (std::size_t i = 0; i < keyword.size(); ++i) {
        char c = t.value[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != keyword[i]) return false;
    }
    return true;
}

bool opensBlock(const Token& t) { return t.kind == Token::Kind::OpenBrace || isKeyword(t, "BEGIN"); }
bool closesBlock(const Token& t) { return t.kind == Token::Kind::CloseBrace || isKeyword(t, "END"); }

bool isNumber(const Token& t) {
    if (t.kind != Token::Kind::Word || t.value.empty()) return false;
    for (char c : t.value)
        if (c < '0' || c > '9') return false;
    return true;
}

class Parser {
public:
    explicit Parser(const std::vector<Token>& tokens) : tokens_(tokens) {}

    std::optional<ResourceScriptError> run(ResourceScript& out) {
        while (peek().kind != Token::Kind::End) {
            if (isKeyword(peek(), "STRINGTABLE")) {
                if (auto e = stringTable(out)) return e;
            } else if (isNumber(peek())) {
                if (auto e = bitmap(out)) return e;
            } else {
                return fail(peek(),
                            "expected STRINGTABLE or a statement '<id> BITMAP \"file\"', found " + Describe(peek()));
            }
        }
        return std::nullopt;
    }

private:
    const Token& peek() const { return tokens_[pos_]; }
    const Token& next() {
        const Token& t = tokens_[pos_];
        if (t.kind != Token::Kind::End) ++pos_;
        return t;
    }

    static ResourceScriptError fail(const Token& at, std::string what) {
        return ResourceScriptError{at.line, std::move(what)};
    }

    // Ids are 16-bit like a Windows resource id.
    static std::optional<ResourceScriptError> readId(const Token& t, std::string_view what, int& id) {
        long value = 0;
        for (char c : t.value) {
            value = value * 10 + (c - '0');
            if (value > 65535) return fail(t, std::string(what) + " id " + t.value + " is out of range (0 to 65535)");
        }
        id = static_cast<int>(value);
        return std::nullopt;
    }

    std::optional<ResourceScriptError> stringTable(ResourceScript& out) {
        const Token& keyword = next();
        if (!opensBlock(peek())) return fail(peek(), "expected BEGIN after STRINGTABLE, found " + Describe(peek()));
        next();
        while (!closesBlock(peek())) {
            const Token& idToken = next();
            if (idToken.kind == Token::Kind::End)
                return fail(keyword, "the STRINGTABLE that starts here is not closed with END");
            if (!isNumber(idToken)) return fail(idToken, "expected a string id or END, found " + Describe(idToken));
            int id = 0;
            if (auto e = readId(idToken, "string", id)) return e;
            if (peek().kind == Token::Kind::Comma) next();
            const Token& text = next();
            if (text.kind != Token::Kind::Text)
                return fail(text, "expected the text of string " + idToken.value + " in double quotes, found " +
                                      Describe(text));
            if (auto it = stringLines_.find(id); it != stringLines_.end())
                return fail(idToken, "string " + idToken.value + " is defined twice (first on line " +
                                         std::to_string(it->second) + ")");
            stringLines_[id] = idToken.line;
            out.strings[id] = text.value;
        }
        next();
        return std::nullopt;
    }

    std::optional<ResourceScriptError> bitmap(ResourceScript& out) {
        const Token& idToken = next();
        if (!isKeyword(peek(), "BITMAP"))
            return fail(peek(), "expected BITMAP after " + idToken.value + ", found " + Describe(peek()));
        next();
        int id = 0;
        if (auto e = readId(idToken, "bitmap", id)) return e;
        const Token& file = next();
        const bool isName = file.kind == Token::Kind::Text || file.kind == Token::Kind::Word;
        if (!isName || file.value.empty())
            return fail(file, "expected the file name of bitmap " + idToken.value + ", found " +
                                  (file.kind == Token::Kind::Text ? "an empty text" : Describe(file)));
        if (auto it = out.bitmaps.find(id); it != out.bitmaps.end())
            return fail(idToken, "bitmap " + idToken.value + " is defined twice (first on line " +
                                     std::to_string(it->second.line) + ")");
        out.bitmaps[id] = BitmapStatement{file.value, idToken.line};
        return std::nullopt;
    }

    const std::vector<Token>& tokens_;
    std::size_t pos_ = 0;
    std::map<int, int> stringLines_;
};

}  // namespace

ParsedResourceScript ParseResourceScript(std::string_view text) {
    ParsedResourceScript result;
    std::vector<Token> tokens;
    if (auto e = detail::Tokenize(text, tokens)) {
        result.error = std::move(e);
        return result;
    }
    if (auto e = Parser(tokens).run(result.script)) {
        result.error = std::move(e);
        result.script = {};
    }
    return result;
}

}  // namespace corvane::resources
