// Code pages through ICU's converters, found by the Windows code page's number
// ("windows-1252", else "cp932", else "ibm-437"). Decoding stops at the first byte
// sequence the code page does not define; encoding writes "?" for what it lacks and never
// a look-alike.
#include <unicode/ucnv.h>
#include <unicode/unistr.h>

#include <limits>
#include <memory>

#include "code_page_convert.h"

namespace corvane::text::codepage {

namespace {

struct ConverterClose {
    void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterClose>;

Converter openCodePage(unsigned codePage) {
    for (const char* prefix : {"windows-", "cp", "ibm-"}) {
        UErrorCode status = U_ZERO_ERROR;
        const std::string name = prefix + std::to_string(codePage);
        Converter c(ucnv_open(name.c_str(), &status));
        if (U_SUCCESS(status) && c) return c;
    }
    return nullptr;
}

bool fitsIcuLength(std::size_t n) { return n <= static_cast<std::size_t>(std::numeric_limits<int32_t>::max() / 4); }

}  // namespace

std::optional<std::string> decode(std::string_view bytes, unsigned codePage) {
    Converter c = openCodePage(codePage);
    if (!c || !fitsIcuLength(bytes.size())) return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    ucnv_setToUCallBack(c.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    if (U_FAILURE(status)) return std::nullopt;
    const icu::UnicodeString wide(bytes.data(), static_cast<int32_t>(bytes.size()), c.get(), status);
    if (U_FAILURE(status) || wide.isBogus()) return std::nullopt;
    std::string out;
    wide.toUTF8String(out);
    return out;
}

std::optional<std::string> encode(std::string_view utf8, unsigned codePage) {
    Converter c = openCodePage(codePage);
    if (!c || !fitsIcuLength(utf8.size())) return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    ucnv_setSubstChars(c.get(), "?", 1, &status);
    ucnv_setFallback(c.get(), false);
    if (U_FAILURE(status)) return std::nullopt;
    const icu::UnicodeString wide = icu::UnicodeString::fromUTF8(
        icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
    const int32_t capacity = wide.length() * 4 + 1;  // at most four bytes a unit in any code page
    std::string out(static_cast<std::size_t>(capacity), '\0');
    const int32_t n = ucnv_fromUChars(c.get(), out.data(), capacity, wide.getBuffer(), wide.length(), &status);
    if (U_FAILURE(status) || n < 0) return std::nullopt;
    out.resize(static_cast<std::size_t>(n));
    return out;
}

}  // namespace corvane::text::codepage
