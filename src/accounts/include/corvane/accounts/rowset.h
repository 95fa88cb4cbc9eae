#pragma once
// The preference list as text: a recordset of two text fields saved in the ADO XML
// persistence format (rowset schema), the way the list message's body holds it.
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::accounts {

// One record; a field the row does not carry is null.
struct ListRecord {
    std::optional<std::string> strEmailAddress;
    std::optional<std::string> strAccount;
    friend bool operator==(const ListRecord&, const ListRecord&) = default;
};

// A record as read: its fields are views into the text of the list it was read from.
struct ListRecordView {
    std::optional<std::string_view> strEmailAddress;
    std::optional<std::string_view> strAccount;
};

// A saved list read where it lies: the records point into text, which stays where it is
// for as long as this object holds it.
struct RowsetText {
    std::unique_ptr<std::string> text;
    std::vector<ListRecordView> records;
};

// A text that is not a saved list; what() says what is wrong with it.
class RowsetError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The records of a saved list, in the order of its rows. Attributes may come in any
// order; rows of pending inserts (rs:insert) count as rows. Fails with RowsetError when
// the text is not well-formed XML or holds no rowset data. The text is taken over and
// read where it lies (pass it with std::move when it is not needed afterwards).
std::vector<ListRecord> ReadRowset(std::string text);
// The same records as views into the text, taken over and kept by the result: nothing is
// copied for each record.
RowsetText ReadRowsetInPlace(std::string text);

// The whole list saved again: the schema, one z:row per record with one attribute per
// field that is not null, lines joined by CR LF, no line break after the last.
std::string WriteRowset(const std::vector<ListRecord>& records);
std::string WriteRowsetViews(const std::vector<ListRecordView>& records);

// Every no-break space (U+00A0, written in UTF-8) taken out of the text, in one pass
// over the text's own buffer.
std::string WithoutNoBreakSpaces(std::string text);

}  // namespace corvane::accounts
