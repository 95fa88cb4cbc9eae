// Reading a saved list with pugixml.
#include <pugixml.hpp>

#include <cstring>

#include "corvane/accounts/rowset.h"

namespace corvane::accounts {
namespace {

// The name after the namespace prefix: "rs:data" -> "data".
std::string_view LocalName(const char* name) {
    const char* local = name;
    for (const char* c = name; *c; ++c)
        if (*c == ':') local = c + 1;
    return local;
}

// Whether an attribute's name, read where it lies in the text (which ends at `end`), is the
// given one: compared with its terminating NUL in one fixed-length comparison when the
// text goes on that far, as it does but for the last bytes of a text.
template <std::size_t N>
bool FieldIs(const char* name, const char* end, const char (&wanted)[N]) {
    if (end - name >= static_cast<std::ptrdiff_t>(N)) return std::memcmp(name, wanted, N) == 0;
    return std::strcmp(name, wanted) == 0;
}

std::string_view View(const pugi::xml_attribute& a) {
    const char* value = a.value();
    return {value, std::strlen(value)};
}

// Every call on a pugixml node or attribute is a call into the library, made here as few
// times as the walk allows: a null node or attribute answers an empty name, and with the
// parse options used every node with a name is an element (text between rows has none).
void ReadRows(pugi::xml_node parent, const char* end, std::vector<ListRecordView>& out) {
    for (auto node = parent.first_child();; node = node.next_sibling()) {
        const char* name = node.name();
        if (*name == '\0') {
            if (node.type() == pugi::node_null) return;
            continue;
        }
        const auto local = LocalName(name);
        if (local == "row") {
            ListRecordView& r = out.emplace_back();
            for (auto a = node.first_attribute();; a = a.next_attribute()) {
                const char* field = a.name();
                if (*field == '\0') break;
                if (FieldIs(field, end, "strEmailAddress"))
                    r.strEmailAddress = View(a);
                else if (FieldIs(field, end, "strAccount"))
                    r.strAccount = View(a);
            }
        } else if (local == "insert") {
            ReadRows(node, end, out);
        }
    }
}

}  // namespace

RowsetText ReadRowsetInPlace(std::string text) {
    RowsetText read{std::make_unique<std::string>(std::move(text)), {}};
    std::string& buffer = *read.text;
    pugi::xml_document doc;
    const auto parsed = doc.load_buffer_inplace(buffer.data(), buffer.size(), pugi::parse_default,
                                                pugi::encoding_utf8);
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
    // Room for as many records as a text this long holds in the add-in's format (each
    // row taking some fifty characters and more), made once rather than grown.
    read.records.reserve(buffer.size() / 48 + 16);
    ReadRows(data, buffer.data() + buffer.size() + 1, read.records);
    return read;
}

}  // namespace corvane::accounts
