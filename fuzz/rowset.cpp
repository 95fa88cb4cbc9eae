// The preference list's text (the body of the list message, which anyone can edit). Any
// text is read into records or refused with a RowsetError; records read are written in
// the saved-list format, which reads back to the same records.
#include <string>

#include "corvane/accounts/rowset.h"
#include "fuzz_support.h"

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<accounts::ListRecord> records;
    try {
        records = accounts::ReadRowset(accounts::WithoutNoBreakSpaces(std::string(fuzz::asText(data, size))));
    } catch (const accounts::RowsetError&) {
        return 0;
    }
    const std::string written = accounts::WriteRowset(records);
    try {
        if (accounts::ReadRowset(written) != records) fuzz::fail("a written list reads back to the same records");
    } catch (const accounts::RowsetError& e) {
        std::fprintf(stderr, "%s\n--- written:\n%s\n", e.what(), written.c_str());
        fuzz::fail("a written list cannot be read back");
    }
    return 0;
}
