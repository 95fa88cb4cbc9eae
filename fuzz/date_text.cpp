// Short dates read with a date picture (the LastCheckUpdateDate value, which anyone can
// change in the registry, against the machine's short-date form). Input: the picture, a
// NUL, the text. Any text is read into a date or refused; any picture writes any date;
// a date read is a real calendar date.
#include <string>

#include "corvane/platform/datetime.h"
#include "fuzz_support.h"

using namespace corvane;
using platform::DateTime;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [picture, text] = fuzz::splitAtNul(fuzz::asText(data, size));
    const auto read = DateTime::parse(text, picture);
    if (read) {
        fuzz::check(read->dateOnly() == *read, "a date read has no time of day");
        fuzz::check(DateTime::parseIso(read->isoDate()) == read, "a date read is a calendar date");
    }
    const std::string written = DateTime::fromCivil(2026, 3, 2).format(picture);
    fuzz::check(written.size() <= 9 * picture.size() + 1, "a picture writes at most a few characters per letter");
    return 0;
}
