// The .reg text format on its own: what is written, what is read back, what is refused.
#include <gtest/gtest.h>

#include "corvane/simhost/reg_file.h"
#include "support/platform_error.h"

using corvane::platform::Hive;
using corvane::platform::PlatformError;
using corvane::platform::RegValue;
using corvane::simhost::formatRegFile;
using corvane::simhost::parseRegFile;
using corvane::simhost::RegFileError;
using corvane::simhost::RegKeyNode;
using corvane::testing::FailsWith;
namespace regtype = corvane::platform::regtype;

namespace {

constexpr const char* Header = "Windows Registry Editor Version 5.00\n\n";

RegKeyNode parse(const std::string& text, Hive hive = Hive::CurrentUser) {
    return parseRegFile(text, hive, "HKCU.reg");
}

// The fault a text is refused for, as "line N: problem".
std::string refusal(const std::string& text) {
    try {
        parse(text);
    } catch (const RegFileError& e) {
        return "line " + std::to_string(e.line()) + ": " + e.problem();
    }
    return "accepted";
}

RegValue valueOf(const RegKeyNode& root, const char* path, const char* name) {
    const auto* key = root.find(path);
    if (!key) throw std::runtime_error(std::string("no key ") + path);
    const auto* v = key->value(name);
    if (!v) throw std::runtime_error(std::string("no value ") + name);
    return *v;
}

}  // namespace

TEST(RegFileFormat, WritesKeysInRegistryEditorLayout) {
    RegKeyNode root;
    auto& key = root.childOrCreate("Software").childOrCreate("Kelderon");
    key.setValue(RegValue::string("Greeting", "Grüße \"quoted\" C:\\path"));
    key.setValue(RegValue::string("", "default"));
    key.setValue(RegValue::dwordValue("Count", 28));
    EXPECT_EQ(formatRegFile(root, Hive::CurrentUser),
              "Windows Registry Editor Version 5.00\n"
              "\n"
              "[HKEY_CURRENT_USER\\Software]\n"
              "\n"
              "[HKEY_CURRENT_USER\\Software\\Kelderon]\n"
              "\"Greeting\"=\"Grüße \\\"quoted\\\" C:\\\\path\"\n"
              "@=\"default\"\n"
              "\"Count\"=dword:0000001c\n"
              "\n");
}

TEST(RegFileFormat, StringsWithEscapesAndNonAsciiTextRoundTrip) {
    RegKeyNode root;
    auto& key = root.childOrCreate("Software");
    const std::string texts[] = {"Grüße \"quoted\" C:\\path", "\\\\server\\share\\", "\"", "", "日本語 ✓ 𝄞"};
    for (std::size_t i = 0; i < std::size(texts); ++i)
        key.setValue(RegValue::string("v" + std::to_string(i) + " \"odd\\name\"", texts[i]));
    auto back = parse(formatRegFile(root, Hive::CurrentUser));
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        auto v = valueOf(back, "Software", ("v" + std::to_string(i) + " \"odd\\name\"").c_str());
        EXPECT_EQ(v.type, regtype::String);
        EXPECT_EQ(v.text, texts[i]);
    }
}

TEST(RegFileFormat, StringsWithLineBreaksTravelAsHexOneAndComeBackAsText) {
    RegKeyNode root;
    root.childOrCreate("K").setValue(RegValue::string("IgnoreTextValue", "Regards,\r\nÅsa 𝄞\n-- \r\n"));
    std::string text = formatRegFile(root, Hive::CurrentUser);
    EXPECT_NE(text.find("\"IgnoreTextValue\"=hex(1):52,00,65,00"), std::string::npos) << text;
    auto v = valueOf(parse(text), "K", "IgnoreTextValue");
    EXPECT_EQ(v.type, regtype::String);
    EXPECT_EQ(v.text, "Regards,\r\nÅsa 𝄞\n-- \r\n");
}

TEST(RegFileFormat, DwordsRoundTripAndAcceptShortOrUpperCaseDigits) {
    RegKeyNode root;
    auto& key = root.childOrCreate("K");
    for (std::uint32_t d : {0u, 1u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu})
        key.setValue(RegValue::dwordValue("d" + std::to_string(d), d));
    auto back = parse(formatRegFile(root, Hive::CurrentUser));
    for (std::uint32_t d : {0u, 1u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
        auto v = valueOf(back, "K", ("d" + std::to_string(d)).c_str());
        EXPECT_EQ(v.type, regtype::DWord);
        EXPECT_EQ(v.dword, d);
    }
    auto hand = parse(std::string(Header) + "[HKEY_CURRENT_USER\\K]\n\"a\"=DWORD:1F\n\"b\" = dword:00ABCDEF ; note\n");
    EXPECT_EQ(valueOf(hand, "K", "a").dword, 0x1Fu);
    EXPECT_EQ(valueOf(hand, "K", "b").dword, 0xABCDEFu);
}

TEST(RegFileFormat, OtherTypesKeepTheirBytesAcrossContinuationLines) {
    const std::string text = std::string(Header) +
                             "[HKEY_CURRENT_USER\\K]\r\n"
                             "\"Expand\"=hex(2):25,00,54,00,45,00,4d,00,50,00,25,00,00,00\r\n"
                             "\"Multi\"=hex(7):61,00,00,00,62,00,00,00,\\\r\n"
                             "  00,00\r\n"
                             "\"Bin\"=hex:DE,ad, be ,EF,\\\r\n"
                             "\t 00\r\n"
                             "\"Empty\"=hex:\r\n"
                             "\"Q\"=hex(b):01,02,03,04,05,06,07,08\r\n"
                             "\"None\"=hex(0):ff\r\n";
    auto root = parse(text);
    const auto* k = root.find("K");
    ASSERT_TRUE(k);
    ASSERT_EQ(k->values.size(), 6u);
    EXPECT_EQ(k->values[0].type, regtype::ExpandString);
    EXPECT_EQ(k->values[0].bytes.size(), 14u);
    EXPECT_EQ(k->values[1].type, regtype::MultiString);
    EXPECT_EQ(k->values[1].bytes, (std::vector<std::uint8_t>{0x61, 0, 0, 0, 0x62, 0, 0, 0, 0, 0}));
    EXPECT_EQ(k->values[2].type, regtype::Binary);
    EXPECT_EQ(k->values[2].bytes, (std::vector<std::uint8_t>{0xDE, 0xAD, 0xBE, 0xEF, 0}));
    EXPECT_TRUE(k->values[3].bytes.empty());
    EXPECT_EQ(k->values[4].type, regtype::QWord);
    EXPECT_EQ(k->values[5].type, regtype::None);

    auto again = parse(formatRegFile(root, Hive::CurrentUser));
    const auto* k2 = again.find("K");
    ASSERT_TRUE(k2);
    ASSERT_EQ(k2->values.size(), k->values.size());
    for (std::size_t i = 0; i < k->values.size(); ++i) {
        EXPECT_EQ(k2->values[i].name, k->values[i].name);
        EXPECT_EQ(k2->values[i].type, k->values[i].type);
        EXPECT_EQ(k2->values[i].bytes, k->values[i].bytes);
    }
}

TEST(RegFileFormat, LongHexDataWrapsAtEightyColumnsAndReadsBackWhole) {
    RegKeyNode root;
    RegValue v;
    v.name = "Blob";
    v.type = regtype::Binary;
    for (int i = 0; i < 300; ++i) v.bytes.push_back(static_cast<std::uint8_t>(i * 7));
    root.childOrCreate("K").setValue(v);
    std::string text = formatRegFile(root, Hive::CurrentUser);
    std::size_t start = 0, lines = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        EXPECT_LE(end - start, 80u) << text.substr(start, end - start);
        start = end + 1;
        ++lines;
    }
    EXPECT_GT(lines, 10u);
    EXPECT_EQ(valueOf(parse(text), "K", "Blob").bytes, v.bytes);
}

TEST(RegFileFormat, ValuesAndSubkeysKeepTheirStoredOrder) {
    auto root = parse(std::string(Header) +
                      "[HKEY_CURRENT_USER\\K\\zeta]\n\n[HKEY_CURRENT_USER\\K\\Alpha]\n\n"
                      "[HKEY_CURRENT_USER\\K]\n\"z\"=\"1\"\n\"a\"=\"2\"\n\"M\"=\"3\"\n");
    auto text = formatRegFile(root, Hive::CurrentUser);
    auto back = parse(text);
    const auto* k = back.find("K");
    ASSERT_TRUE(k);
    ASSERT_EQ(k->values.size(), 3u);
    EXPECT_EQ(k->values[0].name, "z");
    EXPECT_EQ(k->values[1].name, "a");
    EXPECT_EQ(k->values[2].name, "M");
    ASSERT_EQ(k->children.size(), 2u);
    EXPECT_EQ(k->children[0]->name, "zeta");
    EXPECT_EQ(k->children[1]->name, "Alpha");
}

TEST(RegFileFormat, CommentsBlankLinesByteOrderMarkAndRootValuesAreRead) {
    auto root = parse("\xEF\xBB\xBF; exported by hand\r\n" + std::string(Header) +
                      "; a comment\n\n[HKEY_CURRENT_USER]\n@=\"root default\"\n  ; indented comment\n"
                      "[hkey_current_user\\Software\\Empty]\n");
    ASSERT_TRUE(root.value(""));
    EXPECT_EQ(root.value("")->text, "root default");
    EXPECT_TRUE(root.find("Software\\Empty"));
    EXPECT_EQ(formatRegFile(root, Hive::CurrentUser),
              std::string(Header) +
                  "[HKEY_CURRENT_USER]\n@=\"root default\"\n\n"
                  "[HKEY_CURRENT_USER\\Software]\n\n[HKEY_CURRENT_USER\\Software\\Empty]\n\n");
}

TEST(RegFileFormat, AnEmptyHiveIsTheHeaderAlone) {
    EXPECT_EQ(formatRegFile(RegKeyNode{}, Hive::LocalMachine), Header);
    EXPECT_TRUE(parse(Header, Hive::LocalMachine).children.empty());
}

TEST(RegFileFormat, MalformedTextIsRefusedNamingLineAndFault) {
    const std::string h = Header;
    struct Case {
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"", "line 1: the header \"Windows Registry Editor Version 5.00\" is missing"},
        {"REGEDIT4\n",
         "line 1: REGEDIT4 files are not read; expected the header \"Windows Registry Editor Version 5.00\""},
        {"\xFF\xFEW\0i\0", "line 1: the file is UTF-16; registry files here are UTF-8"},
        {h + "[HKEY_CURRENT_USER\\K]\n\n\"\xC0\xAF\"=\"overlong\"\n", "line 5: the text is not valid UTF-8"},
        {h + "\"a\"=\"b\"\n", "line 3: a value before the first [key] line"},
        {h + "[HKEY_CURRENT_USER\\K\n", "line 3: a key line must end with \"]\""},
        {h + "[HKEY_LOCAL_MACHINE\\K]\n",
         "line 3: the key belongs to HKEY_LOCAL_MACHINE, not to this file's HKEY_CURRENT_USER"},
        {h + "[HKCU\\K]\n", "line 3: unknown root key \"HKCU\"; expected HKEY_CURRENT_USER"},
        {h + "[HKEY_CURRENT_USER\\K\\\\L]\n", "line 3: the key path has an empty key name"},
        {h + "[-HKEY_CURRENT_USER\\K]\n", "line 3: a key deletion ([-...]) has no place in a hive file"},
        {h + "[HKEY_CURRENT_USER\\K]\n\"a\"=-\n", "line 4: a value deletion (=-) has no place in a hive file"},
        {h + "[HKEY_CURRENT_USER\\K]\n\n\"Path\"=\"C:\\Program Files\"\n",
         "line 5: unknown escape \\P in a string (write a backslash as \\\\)"},
        {h + "[HKEY_CURRENT_USER\\K]\n\"a\"=\"open\n", "line 4: a string is not closed by \" on its line"},
        {h + "[HKEY_CURRENT_USER\\K]\n\"a\" \"b\"\n", "line 4: expected \"=\" after the value name"},
        {h + "[HKEY_CURRENT_USER\\K]\n\"a\"=\"b\" c\n", "line 4: unexpected text after the value: c"},
        {h + "[HKEY_CURRENT_USER\\K]\n\"a\"=dword:123456789\n", "line 4: a dword value needs 1 to 8 hex digits"},
        {h + "[HKEY_CURRENT_USER\\K]\n\"a\"=dword:12x\n", "line 4: unexpected text after the value: x"},
        {h + "[HKEY_CURRENT_USER\\K]\n\"a\"=hex:00,\\\n  01,0g\n", "line 5: \"0g\" is not a hex byte"},
        {h + "[HKEY_CURRENT_USER\\K]\n\"a\"=hex:00,\\\n", "line 4: the value continues past the end of the file"},
        {h + "[HKEY_CURRENT_USER\\K]\n\"a\"=hex:00,01,\n", "line 4: a hex byte is missing after the last \",\""},
        {h + "[HKEY_CURRENT_USER\\K]\n\"a\"=hex(z):00\n",
         "line 4: hex( must be followed by a type number in hex and \")\""},
        {h + "[HKEY_CURRENT_USER\\K]\n\"a\"=hex(4):01,02\n", "line 4: hex(4) data must be exactly 4 bytes"},
        {h + "[HKEY_CURRENT_USER\\K]\n\"a\"=hex(1):41\n",
         "line 4: hex(1) data is not a UTF-16 string (with at most one terminating zero)"},
        {h + "[HKEY_CURRENT_USER\\K]\n\"a\"=str:x\n",
         "line 4: unknown value data; expected \"text\", dword:, hex: or hex(type):"},
        {h + "garbage\n", "line 3: expected a [key] line or a \"name\"=value line"},
    };
    for (const auto& c : cases) EXPECT_EQ(refusal(c.text), c.expected) << c.text;
}

TEST(RegFileFormat, TheErrorMessageNamesFileLineAndFault) {
    try {
        parseRegFile(std::string(Header) + "bad\n", Hive::CurrentUser, "/profile/registry/HKCU.reg");
        FAIL() << "accepted";
    } catch (const PlatformError& e) {
        EXPECT_EQ(e.number(), corvane::platform::errors::RegistryCorrupt.number);
        EXPECT_STREQ(e.what(), "/profile/registry/HKCU.reg, line 3: expected a [key] line or a \"name\"=value line");
    }
}

TEST(RegFileFormat, HexTypedStringsAndDwordsBecomeTextAndNumbers) {
    auto root = parse(std::string(Header) +
                      "[HKEY_CURRENT_USER\\K]\n\"s\"=hex(1):47,00,fc,00,00,00\n\"n\"=hex(1):\n"
                      "\"d\"=hex(4):78,56,34,12\n");
    EXPECT_EQ(valueOf(root, "K", "s").text, "Gü");
    EXPECT_EQ(valueOf(root, "K", "n").text, "");
    EXPECT_EQ(valueOf(root, "K", "d").type, regtype::DWord);
    EXPECT_EQ(valueOf(root, "K", "d").dword, 0x12345678u);
}

TEST(RegFileFormat, WritingRefusesWhatNoFileCouldHoldBack) {
    for (const RegValue& v : {RegValue::string("two\nlines", "x"), RegValue::string("bad", "\xC3"),
                              RegValue::string("nul", std::string("a\0b", 3))}) {
        RegKeyNode root;
        root.childOrCreate("K").setValue(v);
        EXPECT_THAT([&] { formatRegFile(root, Hive::CurrentUser); }, FailsWith(87)) << v.name;
    }
    RegKeyNode root;
    root.childOrCreate("line\nbreak");
    EXPECT_THAT([&] { formatRegFile(root, Hive::CurrentUser); }, FailsWith(87));
}
