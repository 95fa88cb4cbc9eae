// Reading a hive from the text of a .reg file. Lenient where hand editing is harmless
// (blanks around "=", CR LF line ends, a UTF-8 byte order mark, comments, hex digits in
// either case), strict where a guess could change a value.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "corvane/simhost/reg_file.h"
#include "corvane/text/text.h"
#include "corvane/text/utf8.h"
#include "utf16.h"

namespace corvane::simhost {

using platform::Hive;
using platform::RegValue;

namespace {

constexpr std::string_view Header = "Windows Registry Editor Version 5.00";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view stripBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// 1 to `maxDigits` hex digits as a number, or nothing.
std::optional<std::uint32_t> parseHex(std::string_view s, std::size_t maxDigits) {
    if (s.empty() || s.size() > maxDigits) return std::nullopt;
    std::uint32_t v = 0;
    for (char c : s) {
        int d = hexDigit(c);
        if (d < 0) return std::nullopt;
        v = (v << 4) | static_cast<std::uint32_t>(d);
    }
    return v;
}

bool startsWithNoCaseAscii(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), s.begin(), [](char a, char b) {
               auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
               return lower(a) == lower(b);
           });
}

class Parser {
public:
    Parser(std::string_view text, Hive hive, std::string_view fileName) : text_(text), hive_(hive), file_(fileName) {}

    RegKeyNode run() {
        checkEncoding();
        splitLines();
        bool header = false;
        for (index_ = 0; index_ < lines_.size(); ++index_) {
            std::string_view t = stripBlanks(lines_[index_]);
            if (t.empty() || t.front() == ';') continue;
            if (!header) {
                if (t == "REGEDIT4")
                    fail("REGEDIT4 files are not read; expected the header \"" + std::string(Header) + "\"");
                if (t != Header) fail("expected the header \"" + std::string(Header) + "\"");
                header = true;
            } else if (t.front() == '[') {
                keyLine(t);
            } else if (t.front() == '"' || t.front() == '@') {
                valueLine(t);
            } else {
                fail("expected a [key] line or a \"name\"=value line");
            }
        }
        if (!header) {
            index_ = 0;
            fail("the header \"" + std::string(Header) + "\" is missing");
        }
        return std::move(root_);
    }

private:
    [[noreturn]] void fail(std::string problem) const {
        throw RegFileError(std::string(file_), static_cast<int>(index_ + 1), std::move(problem));
    }

    void checkEncoding() {
        auto starts = [&](std::string_view p) { return text_.substr(0, p.size()) == p; };
        if (starts("\xFF\xFE") || starts("\xFE\xFF")) fail("the file is UTF-16; registry files here are UTF-8");
        if (starts("\xEF\xBB\xBF")) text_.remove_prefix(3);
        const std::size_t bad = text::validUtf8Length(text_);
        if (bad != text_.size()) {
            index_ = static_cast<std::size_t>(
                std::count(text_.begin(), text_.begin() + static_cast<std::ptrdiff_t>(bad), '\n'));
            fail("the text is not valid UTF-8");
        }
    }

    void splitLines() {
        std::size_t start = 0;
        while (start < text_.size()) {
            std::size_t end = text_.find('\n', start);
            if (end == std::string_view::npos) end = text_.size();
            std::string_view line = text_.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            lines_.push_back(line);
            start = end + 1;
        }
    }

    void keyLine(std::string_view t) {
        if (t.back() != ']') fail("a key line must end with \"]\"");
        std::string_view path = t.substr(1, t.size() - 2);
        if (!path.empty() && path.front() == '-') fail("a key deletion ([-...]) has no place in a hive file");
        std::size_t slash = path.find('\\');
        std::string_view rootName = path.substr(0, slash);
        if (!text::equalsNoCase(rootName, hiveRootName(hive_))) {
            const Hive other = hive_ == Hive::CurrentUser ? Hive::LocalMachine : Hive::CurrentUser;
            if (text::equalsNoCase(rootName, hiveRootName(other)))
                fail("the key belongs to " + std::string(hiveRootName(other)) + ", not to this file's " +
                     std::string(hiveRootName(hive_)));
            fail("unknown root key \"" + std::string(rootName) + "\"; expected " + std::string(hiveRootName(hive_)));
        }
        current_ = &root_;
        if (slash == std::string_view::npos) return;
        std::string_view rest = path.substr(slash + 1);
        for (;;) {
            std::size_t next = rest.find('\\');
            std::string_view part = rest.substr(0, next);
            if (part.empty()) fail("the key path has an empty key name");
            current_ = &current_->childOrCreate(part);
            if (next == std::string_view::npos) break;
            rest = rest.substr(next + 1);
        }
    }

    // A quoted string starting at t[pos] == '"'; pos ends after the closing quote.
    std::string quoted(std::string_view t, std::size_t& pos) const {
        std::string out;
        for (std::size_t i = pos + 1; i < t.size(); ++i) {
            char c = t[i];
            if (c == '"') {
                pos = i + 1;
                return out;
            }
            if (c == '\\') {
                if (i + 1 >= t.size()) break;
                char e = t[++i];
                if (e != '\\' && e != '"')
                    fail(std::string("unknown escape \\") + e + " in a string (write a backslash as \\\\)");
                c = e;
            }
            out += c;
        }
        fail("a string is not closed by \" on its line");
    }

    void expectEnd(std::string_view rest) const {
        rest = stripBlanks(rest);
        if (!rest.empty() && rest.front() != ';') fail("unexpected text after the value: " + std::string(rest));
    }

    void valueLine(std::string_view t) {
        if (!current_) fail("a value before the first [key] line");
        std::size_t pos = 0;
        std::string name;
        if (t.front() == '@') {
            pos = 1;
        } else {
            name = quoted(t, pos);
        }
        while (pos < t.size() && isBlank(t[pos])) ++pos;
        if (pos >= t.size() || t[pos] != '=') fail("expected \"=\" after the value name");
        std::string_view data = stripBlanks(t.substr(pos + 1));

        RegValue v;
        if (!data.empty() && data.front() == '"') {
            std::size_t p = 0;
            std::string s = quoted(data, p);
            expectEnd(data.substr(p));
            v = RegValue::string(std::move(name), std::move(s));
        } else if (startsWithNoCaseAscii(data, "dword:")) {
            std::string_view digits = data.substr(6);
            std::size_t end = 0;
            while (end < digits.size() && hexDigit(digits[end]) >= 0) ++end;
            auto d = parseHex(digits.substr(0, end), 8);
            if (!d) fail("a dword value needs 1 to 8 hex digits");
            expectEnd(digits.substr(end));
            v = RegValue::dwordValue(std::move(name), *d);
        } else if (startsWithNoCaseAscii(data, "hex")) {
            v = hexValue(std::move(name), data.substr(3));
        } else if (data == "-") {
            fail("a value deletion (=-) has no place in a hive file");
        } else {
            fail("unknown value data; expected \"text\", dword:, hex: or hex(type):");
        }
        current_->setValue(v);
    }

    RegValue hexValue(std::string name, std::string_view t) {
        std::uint32_t type = platform::regtype::Binary;
        if (!t.empty() && t.front() == '(') {
            std::size_t close = t.find(')');
            auto n = close == std::string_view::npos ? std::nullopt : parseHex(t.substr(1, close - 1), 8);
            if (!n) fail("hex( must be followed by a type number in hex and \")\"");
            type = *n;
            t = t.substr(close + 1);
        }
        if (t.empty() || t.front() != ':') fail("expected \":\" after hex or hex(type)");
        std::vector<std::uint8_t> bytes = hexBytes(t.substr(1));

        RegValue v;
        v.name = std::move(name);
        v.type = type;
        if (type == platform::regtype::String) {
            // Strings are held as text; their data must be UTF-16 with at most a
            // terminating zero.
            std::size_t size = bytes.size();
            if (size >= 2 && bytes[size - 1] == 0 && bytes[size - 2] == 0 && size % 2 == 0) size -= 2;
            auto s = utf::fromUtf16le(bytes.data(), size);
            if (!s || s->find('\0') != std::string::npos)
                fail("hex(1) data is not a UTF-16 string (with at most one terminating zero)");
            v.text = std::move(*s);
        } else if (type == platform::regtype::DWord) {
            if (bytes.size() != 4) fail("hex(4) data must be exactly 4 bytes");
            v.dword = static_cast<std::uint32_t>(bytes[0] | (bytes[1] << 8) | (bytes[2] << 16)) |
                      (static_cast<std::uint32_t>(bytes[3]) << 24);
        } else {
            v.bytes = std::move(bytes);
        }
        return v;
    }

    // Comma-separated bytes; a "\" at the end of a line continues them on the next line.
    std::vector<std::uint8_t> hexBytes(std::string_view t) {
        std::vector<std::uint8_t> bytes;
        bool expectMore = false;  // a comma was seen: another byte must follow
        for (;;) {
            t = stripBlanks(t);
            bool continues = !t.empty() && t.back() == '\\';
            if (continues) {
                t.remove_suffix(1);
            } else {
                std::size_t comment = t.find(';');
                if (comment != std::string_view::npos) t = t.substr(0, comment);
            }
            t = stripBlanks(t);
            while (!t.empty()) {
                std::size_t comma = t.find(',');
                std::string_view token = stripBlanks(t.substr(0, comma));
                auto b = parseHex(token, 2);
                if (!b) fail("\"" + std::string(token) + "\" is not a hex byte");
                bytes.push_back(static_cast<std::uint8_t>(*b));
                expectMore = comma != std::string_view::npos;
                t = comma == std::string_view::npos ? std::string_view() : t.substr(comma + 1);
                t = stripBlanks(t);
            }
            if (!continues) break;
            if (++index_ >= lines_.size()) {
                --index_;
                fail("the value continues past the end of the file");
            }
            t = lines_[index_];
        }
        if (expectMore) fail("a hex byte is missing after the last \",\"");
        return bytes;
    }

    std::string_view text_;
    Hive hive_;
    std::string_view file_;
    std::vector<std::string_view> lines_;
    std::size_t index_ = 0;
    RegKeyNode root_;
    RegKeyNode* current_ = nullptr;
};

}  // namespace

RegFileError::RegFileError(std::string file, int line, std::string problem)
    : PlatformError(platform::errors::RegistryCorrupt.number,
                    file + ", line " + std::to_string(line) + ": " + problem),
      file_(std::move(file)),
      line_(line),
      problem_(std::move(problem)) {}

std::string_view hiveRootName(Hive hive) {
    return hive == Hive::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
}

RegKeyNode parseRegFile(std::string_view text, Hive hive, std::string_view fileName) {
    return Parser(text, hive, fileName).run();
}

}  // namespace corvane::simhost
