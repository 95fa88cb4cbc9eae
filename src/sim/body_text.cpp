#include "corvane/sim/body_text.h"

#include <array>
#include <cctype>

#include "corvane/text/text.h"

namespace corvane::sim {

namespace {

bool TagIs(std::string_view tag, std::string_view name) {
    // tag is the text between "<" and ">", e.g. "br/", "/p", "div class=x"
    if (!tag.empty() && tag.front() == '/') tag.remove_prefix(1);
    if (tag.size() < name.size()) return false;
    if (!text::equalsNoCase(tag.substr(0, name.size()), name)) return false;
    return tag.size() == name.size() || tag[name.size()] == ' ' || tag[name.size()] == '/' || tag[name.size()] == '>';
}

}  // namespace

std::string HtmlToText(std::string_view html) {
    std::string body = HtmlInner(html);
    std::string out;
    std::size_t i = 0;
    while (i < body.size()) {
        char c = body[i];
        if (c == '<') {
            auto end = body.find('>', i);
            if (end == std::string::npos) break;
            std::string_view tag(body.data() + i + 1, end - i - 1);
            bool closing = !tag.empty() && tag.front() == '/';
            if (TagIs(tag, "br") || (closing && (TagIs(tag, "p") || TagIs(tag, "div") || TagIs(tag, "tr")))) {
                out += "\r\n";
            }
            i = end + 1;
        } else if (c == '&') {
            static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> entities{{
                {"&nbsp;", "\xC2\xA0"},
                {"&amp;", "&"},
                {"&lt;", "<"},
                {"&gt;", ">"},
                {"&quot;", "\""},
                {"&#39;", "'"},
            }};
            bool decoded = false;
            for (const auto& [entity, value] : entities) {
                if (std::string_view(body).substr(i, entity.size()) == entity) {
                    out += value;
                    i += entity.size();
                    decoded = true;
                    break;
                }
            }
            if (!decoded) out += body[i++];
        } else if (c == '\r' || c == '\n') {
            // HTML source line breaks are blanks.
            if (!out.empty() && out.back() != ' ' && out.back() != '\n') out += ' ';
            ++i;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

std::string HtmlEscape(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string TextToHtml(std::string_view text) {
    std::string escaped = HtmlEscape(text);
    escaped = text::replaceAll(escaped, "\r\n", "<br>");
    escaped = text::replaceAll(escaped, "\n", "<br>");
    return "<html><body>" + escaped + "</body></html>";
}

std::string HtmlInner(std::string_view html) {
    auto open = text::findNoCase(html, "<body");
    if (open == std::string_view::npos) return std::string(html);
    auto start = html.find('>', open);
    if (start == std::string_view::npos) return std::string(html);
    auto close = text::findNoCase(html, "</body>", start);
    if (close == std::string_view::npos) close = html.size();
    return std::string(html.substr(start + 1, close - start - 1));
}

std::string LongDateTime(platform::DateTime when) {
    static constexpr std::array<std::string_view, 7> days{"Thursday", "Friday",  "Saturday", "Sunday",
                                                          "Monday",   "Tuesday", "Wednesday"};
    static constexpr std::array<std::string_view, 12> months{"January",   "February", "March",    "April",
                                                             "May",       "June",     "July",     "August",
                                                             "September", "October",  "November", "December"};
    auto c = when.civil();
    auto dayNumber = when.dateOnly().secondsSinceEpoch() / 86400;  // 1970-01-01 was a Thursday
    auto weekday = static_cast<std::size_t>(((dayNumber % 7) + 7) % 7);
    int hour12 = c.hour % 12 == 0 ? 12 : c.hour % 12;
    std::string minute = (c.minute < 10 ? "0" : "") + std::to_string(c.minute);
    std::string day = (c.day < 10 ? "0" : "") + std::to_string(c.day);
    return std::string(days[weekday]) + ", " + std::string(months[c.month - 1]) + " " + day + ", " +
           std::to_string(c.year) + " " + std::to_string(hour12) + ":" + minute + (c.hour < 12 ? " AM" : " PM");
}

std::string NormalizedSubject(std::string_view subject) {
    auto colon = subject.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 3) return std::string(subject);
    if (colon + 1 >= subject.size() || subject[colon + 1] != ' ') return std::string(subject);
    for (std::size_t i = 0; i < colon; ++i) {
        auto c = static_cast<unsigned char>(subject[i]);
        if (c == ' ' || std::isdigit(c)) return std::string(subject);
    }
    return std::string(subject.substr(colon + 2));
}

}  // namespace corvane::sim
