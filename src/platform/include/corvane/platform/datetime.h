#pragma once
// A calendar date and time of day, in the user's local civil time, to the second: the
// value Outlook's dates (received, sent, deferred delivery) and the add-in's stored dates
// take. There are no time zones: everything the add-in compares is local time.
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane::platform {

struct CivilTime {
    int year = 1899;
    unsigned month = 12;
    unsigned day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class DateTime {
public:
    // 1899-12-30 00:00:00, the zero of Automation dates.
    DateTime();

    static DateTime fromCivil(int year, unsigned month, unsigned day, int hour = 0, int minute = 0, int second = 0);
    // Outlook's "no date" for a deferred delivery time: 01-Jan-4501 00:00:00.
    static DateTime none();
    // "YYYY-MM-DD", "YYYY-MM-DD HH:MM" or "YYYY-MM-DD HH:MM:SS" (also with a "T").
    static std::optional<DateTime> parseIso(std::string_view s);

    CivilTime civil() const;
    std::int64_t secondsSinceEpoch() const noexcept { return seconds_; }
    static DateTime fromSecondsSinceEpoch(std::int64_t s);

    DateTime addSeconds(std::int64_t s) const;
    DateTime addDays(std::int64_t d) const;
    DateTime dateOnly() const;  // midnight of the same day

    // "YYYY-MM-DD HH:MM:SS"
    std::string iso() const;
    // "YYYY-MM-DD"
    std::string isoDate() const;

    // The date written with a Windows date picture, as the regional settings give the
    // short-date form (LOCALE_SSHORTDATE): "d"/"dd" the day, "ddd"/"dddd" its weekday's
    // name, "M"/"MM" the month, "MMM"/"MMMM" its name, "y"/"yy" the year's last two
    // digits, "yyyy" the year; text in single quotes and any other character as it
    // stands. Names are English. "M/d/yyyy" writes 2026-03-02 as "3/2/2026".
    std::string format(std::string_view picture) const;
    // A date written in the picture's order of day, month and year, whatever the
    // separators (blanks, "/", "-", ".", ","), with or without leading zeros, a month
    // named or numbered; two-digit years fall in 1930 to 2029. Nothing when the text is
    // not such a date.
    static std::optional<DateTime> parse(std::string_view text, std::string_view picture);

    friend auto operator<=>(const DateTime&, const DateTime&) = default;

private:
    explicit DateTime(std::int64_t s) : seconds_(s) {}
    std::int64_t seconds_;  // seconds since 1970-01-01 00:00:00 local civil time
};

// Number of day boundaries from a to b (negative when b lies before a), as a calendar
// day difference: 23:59 to 00:01 of the next day is 1.
std::int64_t calendarDaysBetween(const DateTime& a, const DateTime& b);

}  // namespace corvane::platform
