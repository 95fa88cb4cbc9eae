#pragma once
// Where something was written, and the error that names it: what profiles and scenarios
// carry on every platform, whether they were read from a file or built in code.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::profile {

// A place in a file, for messages: "profiles/home.yaml:12".
struct Where {
    std::string file;
    int line = 0;  // from 1; 0 when unknown
    std::string text() const;
};

// A file that cannot be used: the message is "<file>:<line>: <what is wrong>".
class FormatError : public std::runtime_error {
public:
    FormatError(Where where, const std::string& problem);
    const Where& where() const { return where_; }
    const std::string& problem() const { return problem_; }

private:
    Where where_;
    std::string problem_;
};

// "a, b or c" for messages.
std::string JoinWords(const std::vector<std::string_view>& words, std::string_view last = " or ");

}  // namespace corvane::profile
