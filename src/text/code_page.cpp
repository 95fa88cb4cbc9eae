// The portable part of the code-page conversions: ASCII needs no converter.
#include "corvane/text/code_page.h"

#include "ascii.h"
#include "code_page_convert.h"

namespace corvane::text {

std::optional<std::string> fromCodePage(std::string_view bytes, unsigned codePage) {
    if (ascii::isAscii(bytes)) return std::string(bytes);
    return codepage::decode(bytes, codePage);
}

std::optional<std::string> toCodePage(std::string_view utf8, unsigned codePage) {
    if (ascii::isAscii(utf8)) return std::string(utf8);
    return codepage::encode(utf8, codePage);
}

}  // namespace corvane::text
