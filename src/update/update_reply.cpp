#include "corvane/update/update_reply.h"

#include <array>
#include <cstdint>
#include <optional>

#include "corvane/text/text.h"

namespace corvane::update {
namespace {

std::string PercentEncoded(std::string_view value) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string out;
    for (const char ch : value) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
            c == '_' || c == '~') {
            out += ch;
        } else {
            out += '%';
            out += Hex[c >> 4];
            out += Hex[c & 0xF];
        }
    }
    return out;
}

// major, minor and revision, each a 16-bit number.
std::optional<std::array<std::int16_t, 3>> VersionParts(std::string_view version) {
    const auto parts = text::split(version, ".");
    if (parts.size() < 3) return std::nullopt;
    std::array<std::int16_t, 3> out{};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto n = text::wholeNumber(parts[i]);
        if (!n || *n < INT16_MIN || *n > INT16_MAX) return std::nullopt;
        out[i] = static_cast<std::int16_t>(*n);
    }
    return out;
}

bool HasScheme(std::string_view address, std::string_view scheme) {
    return address.size() > scheme.size() && text::equalsNoCase(address.substr(0, scheme.size()), scheme);
}

}  // namespace

std::string VersionServiceAddress(std::string_view programName, std::string_view currentVersion) {
    return std::string(VersionServiceHost) + "/services/uploadversion.asp?program=" + PercentEncoded(programName) +
           "&version=" + PercentEncoded(currentVersion);
}

std::string TagValue(std::string_view reply, std::string_view tag) {
    std::string open = "<";
    open.append(tag).append(">");
    std::string close = "</";
    close.append(tag).append(">");
    const auto start = reply.find(open);
    if (start == std::string_view::npos) return "";
    const auto from = start + open.size();
    const auto end = reply.find(close, from);
    if (end == std::string_view::npos) return "";
    return std::string(reply.substr(from, end - from));
}

bool IsNewerVersion(std::string_view newest, std::string_view current) {
    const auto a = VersionParts(newest);
    const auto b = VersionParts(current);
    if (!a || !b) return false;
    // A new major version is never offered here.
    if ((*a)[0] != (*b)[0]) return false;
    if ((*a)[1] != (*b)[1]) return (*a)[1] > (*b)[1];
    return (*a)[2] > (*b)[2];
}

bool IsHttpsAddress(std::string_view address) { return HasScheme(address, "https://"); }

bool IsWebAddress(std::string_view address) { return IsHttpsAddress(address) || HasScheme(address, "http://"); }

}  // namespace corvane::update
