#include "corvane/platform/datetime.h"

#include <chrono>
#include <cstdio>

namespace corvane::platform {

namespace {
using namespace std::chrono;

constexpr std::int64_t kSecondsPerDay = 86400;

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

bool readInt(std::string_view s, std::size_t& pos, std::size_t digits, int& out) {
    if (pos + digits > s.size()) return false;
    int v = 0;
    for (std::size_t i = 0; i < digits; ++i) {
        char c = s[pos + i];
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    pos += digits;
    out = v;
    return true;
}
}  // namespace

DateTime::DateTime() : DateTime(fromCivil(1899, 12, 30)) {}

DateTime DateTime::fromCivil(int year, unsigned month, unsigned day, int hour, int minute, int second) {
    const sys_days d{std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day}};
    const std::int64_t days = d.time_since_epoch().count();
    return DateTime(days * kSecondsPerDay + hour * 3600LL + minute * 60LL + second);
}

DateTime DateTime::none() { return fromCivil(4501, 1, 1); }

DateTime DateTime::fromSecondsSinceEpoch(std::int64_t s) { return DateTime(s); }

std::optional<DateTime> DateTime::parseIso(std::string_view s) {
    std::size_t pos = 0;
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, se = 0;
    if (!readInt(s, pos, 4, y) || pos >= s.size() || s[pos++] != '-' || !readInt(s, pos, 2, mo) || pos >= s.size() ||
        s[pos++] != '-' || !readInt(s, pos, 2, d))
        return std::nullopt;
    if (pos < s.size()) {
        if (s[pos] != ' ' && s[pos] != 'T') return std::nullopt;
        ++pos;
        if (!readInt(s, pos, 2, h) || pos >= s.size() || s[pos++] != ':' || !readInt(s, pos, 2, mi))
            return std::nullopt;
        if (pos < s.size()) {
            if (s[pos++] != ':' || !readInt(s, pos, 2, se)) return std::nullopt;
        }
        if (pos != s.size()) return std::nullopt;
    }
    const year_month_day ymd{std::chrono::year{y}, std::chrono::month{static_cast<unsigned>(mo)},
                             std::chrono::day{static_cast<unsigned>(d)}};
    if (!ymd.ok() || h > 23 || mi > 59 || se > 59) return std::nullopt;
    return fromCivil(y, static_cast<unsigned>(mo), static_cast<unsigned>(d), h, mi, se);
}

CivilTime DateTime::civil() const {
    const std::int64_t days = floorDiv(seconds_, kSecondsPerDay);
    const std::int64_t rest = seconds_ - days * kSecondsPerDay;
    const year_month_day ymd{sys_days{std::chrono::days{days}}};
    CivilTime c;
    c.year = static_cast<int>(ymd.year());
    c.month = static_cast<unsigned>(ymd.month());
    c.day = static_cast<unsigned>(ymd.day());
    c.hour = static_cast<int>(rest / 3600);
    c.minute = static_cast<int>((rest % 3600) / 60);
    c.second = static_cast<int>(rest % 60);
    return c;
}

DateTime DateTime::addSeconds(std::int64_t s) const { return DateTime(seconds_ + s); }
DateTime DateTime::addDays(std::int64_t d) const { return DateTime(seconds_ + d * kSecondsPerDay); }
DateTime DateTime::dateOnly() const { return DateTime(floorDiv(seconds_, kSecondsPerDay) * kSecondsPerDay); }

std::string DateTime::iso() const {
    const CivilTime c = civil();
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02u-%02u %02d:%02d:%02d", c.year, c.month, c.day, c.hour, c.minute,
                  c.second);
    return buf;
}

std::string DateTime::isoDate() const { return iso().substr(0, 10); }

std::int64_t calendarDaysBetween(const DateTime& a, const DateTime& b) {
    return floorDiv(b.secondsSinceEpoch(), kSecondsPerDay) - floorDiv(a.secondsSinceEpoch(), kSecondsPerDay);
}

}  // namespace corvane::platform
