#include "corvane/sim/msg_file.h"

#include "corvane/platform/error.h"
#include "corvane/sim/address_book.h"
#include "corvane/text/text.h"

namespace corvane::sim {

namespace {

[[noreturn]] void Bad(std::size_t line, const std::string& what) {
    throw platform::PlatformError(platform::errors::MapiCorruptData.number,
                                  "Message file line " + std::to_string(line) + ": " + what);
}

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        if (text[i] == '\n') {
            lines.push_back(std::move(current));
            current.clear();
        } else {
            current += text[i];
        }
    }
    lines.push_back(std::move(current));
    return lines;
}

std::vector<RecipientSpec> Recipients(std::string_view value) {
    std::vector<RecipientSpec> out;
    for (const auto& part : text::split(value, ";")) {
        auto entry = text::trim(part);
        if (!entry.empty()) out.emplace_back(entry);
    }
    return out;
}

platform::DateTime Date(std::size_t line, std::string_view value) {
    auto parsed = platform::DateTime::parseIso(text::trim(value));
    if (!parsed) Bad(line, "\"" + std::string(value) + "\" is not a date (YYYY-MM-DD HH:MM:SS)");
    return *parsed;
}

}  // namespace

ItemSpec ParseMessageFile(std::string_view content) {
    ItemSpec spec;
    auto lines = Lines(content);
    bool html = false;
    std::size_t i = 0;
    for (; i < lines.size() && !lines[i].empty(); ++i) {
        const auto& line = lines[i];
        auto colon = line.find(':');
        if (colon == std::string::npos) Bad(i + 1, "expected \"Name: value\" but found \"" + line + "\"");
        auto name = text::trim(std::string_view(line).substr(0, colon));
        auto value = text::trim(std::string_view(line).substr(colon + 1));
        if (text::equalsNoCase(name, "Subject")) {
            spec.subject = value;
        } else if (text::equalsNoCase(name, "From")) {
            auto parts = SplitNameAndAddress(value);
            spec.from = parts ? AddressBook::oneOff(parts->first, parts->second) : AddressBook::oneOff("", value);
        } else if (text::equalsNoCase(name, "To")) {
            spec.to = Recipients(value);
        } else if (text::equalsNoCase(name, "Cc")) {
            spec.cc = Recipients(value);
        } else if (text::equalsNoCase(name, "Bcc")) {
            spec.bcc = Recipients(value);
        } else if (text::equalsNoCase(name, "Message-Class")) {
            spec.messageClass = value;
        } else if (text::equalsNoCase(name, "Sent")) {
            spec.sentOn = Date(i + 1, value);
        } else if (text::equalsNoCase(name, "Received")) {
            spec.received = Date(i + 1, value);
        } else if (text::equalsNoCase(name, "Content-Type")) {
            if (text::equalsNoCase(value, "text/html")) {
                html = true;
            } else if (!text::equalsNoCase(value, "text/plain")) {
                Bad(i + 1, "unknown content type \"" + value + "\"");
            }
        } else if (text::equalsNoCase(name, "Attachment")) {
            spec.attachments.push_back({value, {}, {}});
        } else {
            Bad(i + 1, "unknown header \"" + name + "\"");
        }
    }
    std::string body;
    for (std::size_t j = i + 1; j < lines.size(); ++j) {
        if (j > i + 1) body += "\r\n";
        body += lines[j];
    }
    (html ? spec.html : spec.body) = body;
    if (!spec.received && spec.sentOn) spec.received = spec.sentOn;
    return spec;
}

std::string FormatMessageFile(const ItemSpec& spec) {
    auto names = [](const std::vector<RecipientSpec>& list) {
        std::string out;
        for (const auto& r : list) {
            if (!out.empty()) out += "; ";
            out += r.entry ? r.entry->spec().name + " <" + r.entry->smtpAddress() + ">" : r.text;
        }
        return out;
    };
    std::string out;
    if (!spec.messageClass.empty()) out += "Message-Class: " + spec.messageClass + "\r\n";
    out += "Subject: " + spec.subject + "\r\n";
    if (spec.from) out += "From: " + spec.from->spec().name + " <" + spec.from->smtpAddress() + ">\r\n";
    if (!spec.to.empty()) out += "To: " + names(spec.to) + "\r\n";
    if (!spec.cc.empty()) out += "Cc: " + names(spec.cc) + "\r\n";
    if (!spec.bcc.empty()) out += "Bcc: " + names(spec.bcc) + "\r\n";
    if (spec.sentOn) out += "Sent: " + spec.sentOn->iso() + "\r\n";
    if (spec.received) out += "Received: " + spec.received->iso() + "\r\n";
    for (const auto& a : spec.attachments) out += "Attachment: " + a.fileName + "\r\n";
    if (!spec.html.empty()) out += "Content-Type: text/html\r\n";
    out += "\r\n";
    out += spec.html.empty() ? spec.body : spec.html;
    return out;
}

}  // namespace corvane::sim
