// The reply prefix file Tags.txt and its use on a subject. Input: the file's content, a
// NUL, the subject. The lines are the content cut at LF (a CR before the LF dropped, a
// byte order mark at the start dropped) and nothing else; the file counts only with a
// non-blank line; collapsing the prefixes only ever deletes text from the subject.
#include <string>

#include "corvane/checks/tag_file.h"
#include "corvane/text/text.h"
#include "fuzz_support.h"
#include "support/memory_file_system.h"

using namespace corvane;
using namespace corvane::checks::basCorvane;
using fuzz::check;

namespace {

// The lines joined by LF again: the content without its byte order mark, each CR LF as
// LF, and without the final line break.
std::string rejoinedContent(std::string_view content) {
    if (content.starts_with("\xEF\xBB\xBF")) content.remove_prefix(3);
    std::string s = text::replaceAll(content, "\r\n", "\n");
    if (s.ends_with('\n')) s.pop_back();
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [content, subject] = fuzz::splitAtNul(fuzz::asText(data, size));
    const std::vector<std::string> lines = TagFileLines(content);
    check(text::join(lines, "\n") == rejoinedContent(content), "the lines are the content cut at its line breaks");

    testing::MemoryFileSystem files;
    const std::string path = "C:\\Program Files\\Corvane\\Tags.txt";
    bool found = true;
    check(FindReFwFromFile(files, subject, path, found) == subject && !found, "without Tags.txt the subject stays");

    files.files[path] = std::string(content);
    const auto read = ReadTagFile(files, path);
    bool anyLine = false;
    for (const auto& line : lines) anyLine = anyLine || text::trim(line) != "";
    check(read.has_value() == anyLine, "Tags.txt counts when it has a non-blank line");
    check(!read || *read == lines, "ReadTagFile gives the lines of the content");

    const std::string out = FindReFwFromFile(files, subject, path, found);
    check(found == anyLine, "FindReFwFromFile says whether it used the file");
    if (!found) check(out == subject, "an unused Tags.txt leaves the subject");
    check(out.size() <= subject.size(), "collapsing prefixes only deletes text");
    return 0;
}
