#include "platform/registry/RegistryFileFormat.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace powerball;

namespace {

const std::string kKey = "HKEY_CURRENT_USER\\SOFTWARE\\Velmar\\PowerBall";

RegistryValue string(const std::string& text) {
    return {1, std::vector<std::uint8_t>(text.begin(), text.end())};
}
RegistryValue dword(std::uint32_t value) {
    return {4,
            {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
             static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)}};
}

std::string withHeader(const std::string& lines) {
    return "REGEDIT4\r\n\r\n[" + kKey + "]\r\n" + lines;
}

TEST(RegistryFileFormat, ReadsTheValuesRegeditWrites) {
    struct Case {
        std::string file;
        std::string name;
        RegistryValue value;
    };
    const std::vector<Case> cases{
        {withHeader("\"a\"=\"C:\\\\Tipps\\\\ \\\"neu\\\"\"\r\n"), "a",
         string("C:\\Tipps\\ \"neu\"")},
        {withHeader("\"a\"=\"\"\n"), "a", string("")},
        {withHeader("\"a\"=dword:ffffffff\n"), "a", dword(0xffffffff)},
        {withHeader("\"a\"=DWORD:2a\n"), "a", dword(42)},
        {withHeader("\"a\"=hex:00,00,00,00,c0,a5,e4,40\n"),
         "a",
         {3, {0, 0, 0, 0, 0xc0, 0xa5, 0xe4, 0x40}}},
        {withHeader("\"a\"=hex:01,02,\\\n  03,\\\n  04\n"), "a", {3, {1, 2, 3, 4}}},
        {withHeader("\"a\"=hex:\n"), "a", {3, {}}},
        {withHeader("\"a\"=hex(7):41,00,00,00\n"), "a", {7, {0x41, 0, 0, 0}}},
        {withHeader("@=\"default\"\n"), "", string("default")},
        {withHeader("; a note\n  \"a\" = \"b\"  \n"), "a", string("b")},
        {withHeader("\"a\"=\"1\"\n\"A\"=\"2\"\n"), "a", string("2")},
        {withHeader("\"Größe\"=\"Müller\"\n"), "größe", string("Müller")},
        // Windows-1252, as an older export holds it.
        {withHeader("\"a\"=\"M\xFCller \x80\"\n"), "a", string("Müller €")},
        {"\xEF\xBB\xBF" + withHeader("\"a\"=\"\xC3\xBC\"\n"), "a", string("ü")},
    };
    for (const Case& c : cases) {
        const MemoryRegistryStore content = RegistryFileFormat::parse(c.file);
        EXPECT_EQ(content.value(kKey, c.name), c.value) << c.file;
    }
}

TEST(RegistryFileFormat, ReadsAUnicodeExportOfWindows) {
    const std::u16string text = u"Windows Registry Editor Version 5.00\r\n\r\n"
                                u"[HKEY_CURRENT_USER\\Software\\Velmar\\PowerBall]\r\n"
                                u"\"ProxyHostEdit\"=\"Grüß 😀\"\r\n";
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    const MemoryRegistryStore content = RegistryFileFormat::parse(bytes);
    EXPECT_EQ(content.value(kKey, "proxyhostedit"), string("Grüß 😀"));
}

TEST(RegistryFileFormat, RefusesWhatItCannotRead) {
    const std::vector<std::pair<std::string, int>> cases{
        {"[HKEY_CURRENT_USER\\X]\n", 1},
        {"Hallo\n", 1},
        {"REGEDIT4\n\"a\"=\"b\"\n", 2},
        {withHeader("\"a\"=\"unterminated\n"), 4},
        {withHeader("\"a\"=\"C:\\Tipps\"\n"), 4},
        {withHeader("\"a\"=\"b\" c\n"), 4},
        {withHeader("\"a\"=dword:123456789\n"), 4},
        {withHeader("\"a\"=dword:\n"), 4},
        {withHeader("\"a\"=hex:1,zz\n"), 4},
        {withHeader("\"a\"=hex:100\n"), 4},
        {withHeader("\"a\"=hex:01,\n"), 4},
        {withHeader("\"a\"=hex(x):01\n"), 4},
        {withHeader("\"a\"=-\n"), 4},
        {withHeader("\"a\"=42\n"), 4},
        {withHeader("\"a\"\n"), 4},
        // An unquoted name: its first byte must not be taken for a quote.
        {withHeader("a\"=\"b\"\n"), 4},
        {withHeader("\xC3\x88\"=\"b\"\n"), 4},
        {withHeader("[-HKEY_CURRENT_USER\\X]\n"), 4},
        {withHeader("[HKEY_CURRENT_USER\\X\n"), 4},
        {withHeader("\"x\"=\"1\"\n\n\"a\"=dword:zz\n"), 6},
    };
    for (const auto& [file, line] : cases) {
        try {
            RegistryFileFormat::parse(file);
            ADD_FAILURE() << "read: " << file;
        } catch (const RegistryFormatError& error) {
            EXPECT_EQ(error.line(), line) << file << error.what();
        }
    }
    EXPECT_TRUE(RegistryFileFormat::parse("").keys().empty());
    EXPECT_TRUE(RegistryFileFormat::parse("\r\n  \n").keys().empty());
}

TEST(RegistryFileFormat, ReadsCrLineEndsAndIgnoresTrailingNuls) {
    const std::vector<std::string> files{
        "REGEDIT4\r\r[" + kKey + "]\r\"a\"=dword:2a\r\"b\"=hex:01,\\\r  02\r",
        withHeader("\"a\"=dword:2a\r\n\"b\"=hex:01,02\r\n") + std::string(7, '\0'),
    };
    for (const std::string& file : files) {
        const MemoryRegistryStore content = RegistryFileFormat::parse(file);
        EXPECT_EQ(content.value(kKey, "a"), dword(42));
        EXPECT_EQ(content.value(kKey, "b"), (RegistryValue{3, {1, 2}}));
    }
}

TEST(RegistryFileFormat, AnErrorQuotesTheFileShortAndEscaped) {
    for (const std::string& token : {std::string(10'000'000, 'f'), std::string("\x1b[2J")}) {
        try {
            RegistryFileFormat::parse(withHeader("\"a\"=hex:" + token + "\n"));
            ADD_FAILURE() << "read";
        } catch (const RegistryFormatError& error) {
            const std::string message = error.what();
            EXPECT_LT(message.size(), 200u);
            EXPECT_EQ(message.find('\x1b'), std::string::npos) << message;
        }
    }
}

TEST(RegistryFileFormat, WritesWhatItReadsBack) {
    MemoryRegistryStore content;
    content.createKey("HKEY_CURRENT_USER\\SOFTWARE\\Velmar\\Leer");
    content.setValue(kKey, "Chekcbox1", dword(1));
    content.setValue(kKey, "Sprache", dword(0xfffffffe));
    content.setValue(kKey, "Pfad \"x\"", string("C:\\Tipps \"neu\" – Größe €"));
    content.setValue(kKey, "Zeilen", string("eins\r\nzwei"));
    content.setValue(kKey, "Kaputt", string("\xFF"));
    content.setValue(kKey, "DateTimePicker2", {3, {0, 0, 0, 0, 0xc0, 0xa5, 0xe4, 0x40}});
    content.setValue(kKey, "Lang", {3, std::vector<std::uint8_t>(100, 0xab)});
    content.setValue(kKey, "Mehrere", {7, {0x41, 0, 0, 0}});
    content.setValue(kKey, "Kurz", {4, {1, 2}});
    content.setValue(kKey, "", string("standard"));
    content.setValue("HKEY_CURRENT_USER\\SOFTWARE\\Velmar\\Pilotex", "Pfad", string("/opt/p"));

    const std::string text = RegistryFileFormat::format(content);
    EXPECT_THAT(text, ::testing::StartsWith(
                          "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\Velmar\\Leer]\r\n"));
    EXPECT_THAT(text, ::testing::HasSubstr("\r\n\"Chekcbox1\"=dword:00000001\r\n"));
    EXPECT_THAT(text, ::testing::HasSubstr("\r\n\"Sprache\"=dword:fffffffe\r\n"));
    EXPECT_THAT(text, ::testing::HasSubstr(
                          "\r\n\"Pfad \\\"x\\\"\"=\"C:\\\\Tipps \\\"neu\\\" – Größe €\"\r\n"));
    EXPECT_THAT(text, ::testing::HasSubstr("\r\n\"Zeilen\"=hex(1):65,69,6e,73,0d,0a,7a"));
    EXPECT_THAT(text,
                ::testing::HasSubstr("\r\n\"DateTimePicker2\"=hex:00,00,00,00,c0,a5,e4,40\r\n"));
    EXPECT_THAT(text, ::testing::HasSubstr("\r\n@=\"standard\"\r\n"));
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
         start = end + 2)
        EXPECT_LE(end - start, 80u) << text.substr(start, end - start);

    const MemoryRegistryStore again = RegistryFileFormat::parse(text);
    ASSERT_EQ(again.keys().size(), content.keys().size());
    for (std::size_t k = 0; k < content.keys().size(); ++k) {
        EXPECT_EQ(again.keys()[k].path, content.keys()[k].path);
        ASSERT_EQ(again.keys()[k].values.size(), content.keys()[k].values.size());
        for (std::size_t v = 0; v < content.keys()[k].values.size(); ++v) {
            EXPECT_EQ(again.keys()[k].values[v].name, content.keys()[k].values[v].name);
            EXPECT_EQ(again.keys()[k].values[v].value, content.keys()[k].values[v].value)
                << content.keys()[k].values[v].name;
        }
    }
}

} // namespace
