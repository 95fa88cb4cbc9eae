// Reading a saved list with pugixml.
#include <pugixml.hpp>

#include <cstring>

#include "corvane/accounts/rowset.h"

namespace corvane::accounts {
namespace {

// The name after the namespace prefix: "rs:data" -> "data".
std::string_view LocalName(const char* name) {
    const char* colon = std::strrchr(name, ':');
    return colon ? colon + 1 : name;
}

// The rows under parent, pending inserts included: counted first so that the records
// are made once, where they stay.
std::size_t CountRows(const pugi::xml_node& parent) {
    std::size_t n = 0;
    for (auto node = parent.first_child(); node; node = node.next_sibling()) {
        if (node.type() != pugi::node_element) continue;
        const auto local = LocalName(node.name());
        if (local == "row")
            ++n;
        else if (local == "insert")
            n += CountRows(node);
    }
    return n;
}

void ReadRows(const pugi::xml_node& parent, std::vector<ListRecord>& out) {
    for (auto node = parent.first_child(); node; node = node.next_sibling()) {
        if (node.type() != pugi::node_element) continue;
        const auto local = LocalName(node.name());
        if (local == "row") {
            ListRecord& r = out.emplace_back();
            for (auto a = node.first_attribute(); a; a = a.next_attribute()) {
                if (std::strcmp(a.name(), "strEmailAddress") == 0)
                    r.strEmailAddress.emplace(a.value());
                else if (std::strcmp(a.name(), "strAccount") == 0)
                    r.strAccount.emplace(a.value());
            }
        } else if (local == "insert") {
            ReadRows(node, out);
        }
    }
}

}  // namespace

std::vector<ListRecord> ReadRowset(std::string text) {
    pugi::xml_document doc;
    const auto parsed = doc.load_buffer_inplace(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed)
        throw RowsetError(std::string(parsed.description()) + " at character " + std::to_string(parsed.offset));
    auto root = doc.document_element();
    if (!root || LocalName(root.name()) != "xml") throw RowsetError("the text is not a saved list");
    pugi::xml_node data;
    for (auto node : root.children()) {
        if (node.type() == pugi::node_element && LocalName(node.name()) == "data") {
            data = node;
            break;
        }
    }
    if (!data) throw RowsetError("the saved list has no data");
    std::vector<ListRecord> records;
    records.reserve(CountRows(data));
    ReadRows(data, records);
    return records;
}

}  // namespace corvane::accounts
