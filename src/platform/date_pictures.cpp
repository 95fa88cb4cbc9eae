// Dates written and read with a Windows date picture (the machine's short-date form).
#include <array>
#include <cctype>
#include <chrono>
#include <vector>

#include "corvane/platform/datetime.h"

namespace corvane::platform {
namespace {

constexpr std::array<std::string_view, 12> MonthNames = {"January",   "February", "March",    "April",
                                                         "May",       "June",     "July",     "August",
                                                         "September", "October",  "November", "December"};
constexpr std::array<std::string_view, 7> DayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                      "Thursday", "Friday", "Saturday"};

// One piece of a picture: a run of one field letter, or text written as it stands.
struct PicturePiece {
    char field = 0;  // 'd', 'M', 'y', or 0 for text
    std::size_t width = 0;
    std::string text;
};

std::vector<PicturePiece> PictureOf(std::string_view picture) {
    std::vector<PicturePiece> pieces;
    for (std::size_t i = 0; i < picture.size();) {
        const char c = picture[i];
        if (c == 'd' || c == 'M' || c == 'y') {
            std::size_t n = 1;
            while (i + n < picture.size() && picture[i + n] == c) ++n;
            pieces.push_back({c, n, {}});
            i += n;
        } else if (c == '\'') {
            const auto close = picture.find('\'', i + 1);
            const auto end = close == std::string_view::npos ? picture.size() : close;
            pieces.push_back({0, 0, std::string(picture.substr(i + 1, end - i - 1))});
            i = end + 1;
        } else {
            pieces.push_back({0, 0, std::string(1, c)});
            ++i;
        }
    }
    return pieces;
}

std::string Padded(int value, std::size_t width) {
    std::string digits = std::to_string(value);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The month a name or its three-letter abbreviation gives, from 1; 0 for none.
unsigned MonthNamed(std::string_view word) {
    for (std::size_t m = 0; m < MonthNames.size(); ++m)
        if (SameLetters(word, MonthNames[m]) || SameLetters(word, MonthNames[m].substr(0, 3)))
            return static_cast<unsigned>(m + 1);
    return 0;
}

bool IsDayName(std::string_view word) {
    for (auto name : DayNames)
        if (SameLetters(word, name) || SameLetters(word, name.substr(0, 3))) return true;
    return false;
}

}  // namespace

std::string DateTime::format(std::string_view picture) const {
    const CivilTime c = civil();
    std::string out;
    for (const auto& piece : PictureOf(picture)) {
        switch (piece.field) {
            case 'd':
                if (piece.width <= 2) {
                    out += Padded(static_cast<int>(c.day), piece.width);
                } else {
                    const std::chrono::weekday wd{std::chrono::sys_days{
                        std::chrono::year{c.year} / std::chrono::month{c.month} / std::chrono::day{c.day}}};
                    const auto name = DayNames[wd.c_encoding()];
                    out += piece.width == 3 ? name.substr(0, 3) : name;
                }
                break;
            case 'M':
                if (piece.width <= 2)
                    out += Padded(static_cast<int>(c.month), piece.width);
                else
                    out += piece.width == 3 ? MonthNames[c.month - 1].substr(0, 3) : MonthNames[c.month - 1];
                break;
            case 'y': out += piece.width <= 2 ? Padded(c.year % 100, piece.width) : Padded(c.year, 4); break;
            default: out += piece.text;
        }
    }
    return out;
}

std::optional<DateTime> DateTime::parse(std::string_view text, std::string_view picture) {
    // The fields in the order the picture writes them; the text's numbers (and a month
    // name) are taken in that order, whatever separates them.
    std::vector<PicturePiece> fields;
    for (auto& piece : PictureOf(picture))
        if (piece.field) fields.push_back(std::move(piece));
    int day = 0, month = 0, year = -1;
    std::size_t next = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if (IsDigit(c) || IsLetter(c)) {
            std::size_t end = pos;
            const bool digits = IsDigit(c);
            while (end < text.size() && (digits ? IsDigit(text[end]) : IsLetter(text[end]))) ++end;
            const auto word = text.substr(pos, end - pos);
            pos = end;
            if (!digits) {
                // A day's name is skipped; a month's name fills the month.
                const unsigned named = MonthNamed(word);
                if (named == 0) {
                    if (!IsDayName(word)) return std::nullopt;
                    continue;
                }
                while (next < fields.size() && fields[next].field == 'd' && fields[next].width > 2) ++next;
                if (next >= fields.size() || fields[next].field != 'M') return std::nullopt;
                month = static_cast<int>(named);
                ++next;
                continue;
            }
            while (next < fields.size() && fields[next].field == 'd' && fields[next].width > 2) ++next;
            if (next >= fields.size() || word.size() > 4) return std::nullopt;
            int value = 0;
            for (char d : word) value = value * 10 + (d - '0');
            const auto& field = fields[next++];
            if (field.field == 'd') {
                day = value;
            } else if (field.field == 'M') {
                month = value;
            } else {
                // Two digits of a year: 30 to 99 in the 1900s, 00 to 29 in the 2000s.
                year = word.size() <= 2 ? (value < 30 ? 2000 + value : 1900 + value) : value;
            }
        } else if (c == ' ' || c == '/' || c == '-' || c == '.' || c == ',' || c == '\'') {
            ++pos;
        } else {
            return std::nullopt;
        }
    }
    if (day < 1 || day > 31 || month < 1 || month > 12 || year < 100) return std::nullopt;
    const std::chrono::year_month_day ymd{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                                          std::chrono::day{static_cast<unsigned>(day)}};
    if (!ymd.ok()) return std::nullopt;
    return fromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
}

}  // namespace corvane::platform
