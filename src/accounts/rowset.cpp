// The saved list's text: the schema lines, the rows, and what the reader shares.
#include "corvane/accounts/rowset.h"

#include <algorithm>
#include <array>

namespace corvane::accounts {
namespace {

constexpr std::array<std::string_view, 18> HeaderLines = {
    "<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882'",
    "xmlns:dt='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882'",
    "xmlns:rs='urn:schemas-microsoft-com:rowset'",
    "xmlns:z='#RowsetSchema'>",
    "<s:Schema id='RowsetSchema'>",
    "<s:ElementType name='row' content='eltOnly' rs:updatable='true'>",
    "<s:AttributeType name='strAccount' rs:number='2' rs:nullable='true' rs:maydefer='true' rs:write='true' "
    "rs:basetable='tblEmailAddress'",
    "rs:basecolumn='strAccount'>",
    "<s:datatype dt:type='string' dt:maxLength='255'/>",
    "</s:AttributeType>",
    "<s:AttributeType name='strEmailAddress' rs:number='1' rs:nullable='true' rs:maydefer='true' rs:write='true'",
    "rs:basetable='tblEmailAddress' rs:basecolumn='strEmailAddress'>",
    "<s:datatype dt:type='string' dt:maxLength='255'/>",
    "</s:AttributeType>",
    "<s:extends type='rs:rowbase'/>",
    "</s:ElementType>",
    "</s:Schema>",
    "<rs:data>",
};
constexpr std::array<std::string_view, 2> FooterLines = {"</rs:data>", "</xml>"};

void AppendEscaped(std::string& out, std::string_view value) {
    for (char c : value) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '\'': out += "&#x27;"; break;
            case '"': out += "&quot;"; break;
            case '\r': out += "&#xd;"; break;
            case '\n': out += "&#xa;"; break;
            case '\t': out += "&#x9;"; break;
            default: out += c;
        }
    }
}

template <class Record>
std::string WriteRecords(const std::vector<Record>& records) {
    std::string out;
    out.reserve(1200 + records.size() * 80);
    for (auto line : HeaderLines) out.append(line).append("\r\n");
    for (const auto& r : records) {
        out += "<z:row";
        // Fields in their number order: the address (1), then the account (2).
        if (r.strEmailAddress) {
            out += " strEmailAddress='";
            AppendEscaped(out, *r.strEmailAddress);
            out += '\'';
        }
        if (r.strAccount) {
            out += " strAccount='";
            AppendEscaped(out, *r.strAccount);
            out += '\'';
        }
        out += "/>\r\n";
    }
    out.append(FooterLines[0]).append("\r\n").append(FooterLines[1]);
    return out;
}

std::optional<std::string> Owned(const std::optional<std::string_view>& field) {
    if (!field) return std::nullopt;
    return std::string(*field);
}

}  // namespace

std::string WriteRowset(const std::vector<ListRecord>& records) { return WriteRecords(records); }
std::string WriteRowsetViews(const std::vector<ListRecordView>& records) { return WriteRecords(records); }

std::vector<ListRecord> ReadRowset(std::string text) {
    const RowsetText read = ReadRowsetInPlace(std::move(text));
    std::vector<ListRecord> records;
    records.reserve(read.records.size());
    for (const auto& r : read.records) records.push_back({Owned(r.strEmailAddress), Owned(r.strAccount)});
    return records;
}

std::string WithoutNoBreakSpaces(std::string text) {
    constexpr std::string_view Nbsp = "\xC2\xA0";
    std::size_t from = text.find(Nbsp);
    if (from == std::string::npos) return text;
    std::size_t to = from;
    while (from != std::string::npos) {
        from += Nbsp.size();
        const std::size_t next = text.find(Nbsp, from);
        const std::size_t end = next == std::string::npos ? text.size() : next;
        const auto kept = static_cast<std::ptrdiff_t>(end - from);
        std::copy(text.begin() + static_cast<std::ptrdiff_t>(from),
                  text.begin() + static_cast<std::ptrdiff_t>(from) + kept,
                  text.begin() + static_cast<std::ptrdiff_t>(to));
        to += end - from;
        from = next;
    }
    text.resize(to);
    return text;
}

}  // namespace corvane::accounts
