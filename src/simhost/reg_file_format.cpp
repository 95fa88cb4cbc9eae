// Writing a hive as the text of a .reg file, the way the registry editor exports it:
// every key in depth-first order with a blank line after each, hex data wrapped at 80
// columns with "\" continuation lines indented by two blanks.
#include <cstdio>

#include "corvane/platform/error.h"
#include "corvane/simhost/reg_file.h"
#include "corvane/text/utf8.h"
#include "utf16.h"

namespace corvane::simhost {

using platform::RegValue;

namespace {

constexpr std::size_t LineWidth = 80;

void checkStorable(std::string_view s, std::string_view what) {
    if (text::validUtf8Length(s) != s.size())
        throw platform::PlatformError(platform::errors::InvalidParameter.number,
                                      std::string(what) + " is not valid UTF-8 text");
}

void checkName(std::string_view name, std::string_view what) {
    checkStorable(name, what);
    if (name.find_first_of("\r\n") != std::string_view::npos)
        throw platform::PlatformError(platform::errors::InvalidParameter.number,
                                      std::string(what) + " \"" + std::string(name) + "\" holds a line break");
}

std::string quote(std::string_view s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    out += '"';
    return out;
}

void appendHex(std::string& out, std::string line, const std::vector<std::uint8_t>& bytes) {
    char digits[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(digits, sizeof digits, "%02x", static_cast<unsigned>(bytes[i]));
        std::string token = digits;
        if (i + 1 < bytes.size()) token += ',';
        // Room is kept for the "\" that continues the line.
        if (line.size() + token.size() > LineWidth - 1) {
            out += line + "\\\n";
            line = "  ";
        }
        line += token;
    }
    out += line + '\n';
}

void appendValue(std::string& out, const RegValue& v) {
    checkName(v.name, "The value name");
    std::string line = v.name.empty() ? "@" : quote(v.name);
    line += '=';
    char buf[24];
    switch (v.type) {
        case platform::regtype::String:
            checkStorable(v.text, "The text of value \"" + v.name + "\"");
            if (v.text.find('\0') != std::string::npos)
                throw platform::PlatformError(platform::errors::InvalidParameter.number,
                                              "The text of value \"" + v.name + "\" holds a zero character");
            if (v.text.find_first_of("\r\n") == std::string::npos) {
                out += line + quote(v.text) + '\n';
            } else {
                // A line break would end the line: keep the string as its UTF-16 data.
                auto bytes = utf::toUtf16le(v.text);
                bytes.push_back(0);
                bytes.push_back(0);
                appendHex(out, line + "hex(1):", bytes);
            }
            break;
        case platform::regtype::DWord:
            std::snprintf(buf, sizeof buf, "dword:%08x", static_cast<unsigned>(v.dword));
            out += line + buf + '\n';
            break;
        case platform::regtype::Binary: appendHex(out, line + "hex:", v.bytes); break;
        default:
            std::snprintf(buf, sizeof buf, "hex(%x):", static_cast<unsigned>(v.type));
            appendHex(out, line + buf, v.bytes);
            break;
    }
}

void appendKey(std::string& out, const RegKeyNode& node, const std::string& path, bool isRoot) {
    if (!isRoot || !node.values.empty()) {
        out += '[' + path + "]\n";
        for (const auto& v : node.values) appendValue(out, v);
        out += '\n';
    }
    for (const auto& c : node.children) {
        checkName(c->name, "The key name");
        appendKey(out, *c, path + '\\' + c->name, false);
    }
}

}  // namespace

std::string formatRegFile(const RegKeyNode& root, platform::Hive hive) {
    std::string out = "Windows Registry Editor Version 5.00\n\n";
    appendKey(out, root, std::string(hiveRootName(hive)), true);
    return out;
}

}  // namespace corvane::simhost
