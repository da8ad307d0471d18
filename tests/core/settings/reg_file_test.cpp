// The registry-export format: what regedit writes must read, and what is not understood must
// come back unchanged.

#include "base/file_io.h"
#include "base/text.h"
#include "settings/reg_file.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace tovalo {
namespace {

constexpr std::string_view kCommon = "HKEY_CURRENT_USER\\SOFTWARE\\mossbank\\Tovalo\\Common";
constexpr std::string_view kDpct = "HKEY_CURRENT_USER\\SOFTWARE\\mossbank\\Tovalo\\Dpct";

std::string dataFile(const std::string& name)
{
    std::string bytes;
    Message error;
    EXPECT_TRUE(readWholeFile(std::string(TOVALO_TEST_DATA_DIR) + "/settings/" + name, bytes, error))
        << error;
    return bytes;
}

std::string textOf(const RegValue* v)
{
    return v && v->type == kRegSz ? utf8FromUtf16le(v->data) : std::string("<none>");
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t nl = text.find('\n', start);
        lines.push_back(text.substr(start, nl - start));
        if (nl == std::string::npos)
            break;
        start = nl + 1;
    }
    return lines;
}

TEST(RegFileTest, RegeditExportInUtf16WithCrLfReadsAndWritesBackByteForByte)
{
    const std::string bytes = dataFile("regedit-export-utf16.reg");
    const RegDocument doc = RegDocument::parse(bytes);
    EXPECT_TRUE(doc.hasHeader());
    EXPECT_TRUE(doc.isUtf16());
    EXPECT_TRUE(doc.usesCrLf());

    EXPECT_EQ(doc.find(kCommon, "ApplicationLook"),
              doc.find("hkey_current_user\\software\\MOSSBANK\\tovalo\\common", "applicationlook"));
    ASSERT_NE(doc.find(kCommon, "ApplicationLook"), nullptr);
    EXPECT_EQ(*doc.find(kCommon, "ApplicationLook"), regDword(0xD0));
    EXPECT_EQ(textOf(doc.find(kCommon, "Recent01")), "C:\\Users\\山田\\Documents\\定義ファイル.txt");
    const RegValue* tab = doc.find(kCommon, "TabMode");
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(tab->type, kRegBinary);
    ASSERT_EQ(tab->data.size(), 52u); // three physical lines joined
    EXPECT_EQ(tab->data.substr(44, 4), regDword(2).data);
    const RegValue* mru = doc.find("HKEY_CURRENT_USER\\SOFTWARE\\mossbank\\Tovalo\\Workspace", "MRU");
    ASSERT_NE(mru, nullptr);
    EXPECT_EQ(mru->type, kRegMultiSz);

    EXPECT_EQ(doc.format(), bytes);
}

TEST(RegFileTest, LinesThatAreNotUnderstoodAreKeptWhenValuesChange)
{
    const std::string original = dataFile("unknown-lines.reg");
    RegDocument doc = RegDocument::parse(original);
    EXPECT_FALSE(doc.isUtf16());
    EXPECT_FALSE(doc.usesCrLf());

    // Understood: the look, the unknown "Theme", values in a key written in other letter case,
    // a DWORD written as hex(4). Not understood: a malformed DWORD, an unterminated string, a
    // deletion, anything in a "[-key]" section.
    EXPECT_EQ(*doc.find(kCommon, "ApplicationLook"), regDword(0xD1));
    EXPECT_EQ(textOf(doc.find(kCommon, "Theme")), "dark");
    EXPECT_EQ(doc.find(kCommon, "Language"), nullptr);
    EXPECT_EQ(doc.find(kCommon, "Recent01"), nullptr);
    EXPECT_EQ(doc.find(kCommon, "Recent02"), nullptr);
    EXPECT_FALSE(doc.hasKey("HKEY_CURRENT_USER\\SOFTWARE\\mossbank\\Tovalo\\Old"));
    EXPECT_EQ(*doc.find(kDpct, "--comments"), regDword(1));
    EXPECT_EQ(*doc.find(kDpct, "--USM-LEVEL"), regDword(1));
    EXPECT_EQ(textOf(doc.find("HKEY_CURRENT_USER\\SOFTWARE\\mossbank\\Tovalo\\Plugins", "")), "default text");

    EXPECT_EQ(doc.format(), original);

    doc.set(kCommon, "ApplicationLook", regDword(0xD5));
    doc.remove(kDpct, "--comments");
    doc.set(kDpct, "--in-root", regText("/src"));
    doc.set("HKEY_CURRENT_USER\\SOFTWARE\\mossbank\\Tovalo\\Color", "Color01", regDword(0xFF000000));
    const std::string written = doc.format();

    // Every original line except the two changed ones is still there, in the same order.
    std::vector<std::string> kept = linesOf(original);
    std::erase(kept, "\"ApplicationLook\"=dword:000000d1");
    std::erase(kept, "\"--comments\"=dword:00000001");
    std::vector<std::string> out = linesOf(written);
    std::size_t at = 0;
    for (const std::string& line : kept) {
        while (at < out.size() && out[at] != line)
            ++at;
        ASSERT_LT(at, out.size()) << "lost or reordered: " << line;
    }
    EXPECT_NE(written.find("\"ApplicationLook\"=dword:000000d5\n; the language"), std::string::npos);
    EXPECT_NE(written.find("\"--usm-level\"=hex(4):01,00,00,00\n\"--in-root\"=\"/src\"\n"),
              std::string::npos);
    EXPECT_NE(written.find("@=\"default text\"\n\n[HKEY_CURRENT_USER\\SOFTWARE\\mossbank\\Tovalo\\Color]\n"
                           "\"Color01\"=dword:ff000000\n"),
              std::string::npos);

    const RegDocument again = RegDocument::parse(written);
    EXPECT_EQ(*again.find(kCommon, "ApplicationLook"), regDword(0xD5));
    EXPECT_EQ(again.find(kDpct, "--comments"), nullptr);
}

TEST(RegFileTest, ValuesOfEveryKindSurviveWriteAndRead)
{
    const RegValue values[] = {
        regText(""),
        regText("C:\\dir\\\"quoted\" name\\"),
        regText("line one\nline two\ttab\r"), // control characters: written as hex(1)
        regText("日本語 and \xF0\x9F\x98\x80"),
        RegValue{kRegSz, std::string("a\0b\0\0\0c\0", 8)}, // embedded NUL: kept as bytes
        RegValue{kRegSz, std::string("\x00\xD8", 2)},      // a lone surrogate
        regDword(0),
        regDword(0xFFFFFFFF),
        regBinary(std::string(200, '\xAB')),
        regBinary(""),
        RegValue{kRegQword, std::string("\1\2\3\4\5\6\7\x08", 8)},
        RegValue{kRegDword, std::string("\1\2", 2)}, // a DWORD of the wrong size stays as it is
    };
    RegDocument doc;
    int n = 0;
    for (const RegValue& v : values)
        doc.set(kCommon, "v" + std::to_string(n++), v);
    doc.set(kCommon, "name with \"quotes\" and \\", regDword(7));
    const std::string text = doc.format();
    EXPECT_EQ(text.rfind("Windows Registry Editor Version 5.00\n\n[", 0), 0u) << text;
    for (const std::string& line : linesOf(text))
        EXPECT_LE(line.size(), 80u) << line;

    const RegDocument back = RegDocument::parse(text);
    n = 0;
    for (const RegValue& v : values) {
        const RegValue* got = back.find(kCommon, "v" + std::to_string(n++));
        ASSERT_NE(got, nullptr) << n;
        EXPECT_EQ(*got, v) << n;
    }
    EXPECT_EQ(*back.find(kCommon, "NAME WITH \"QUOTES\" AND \\"), regDword(7));
}

TEST(RegFileTest, LaterValueWinsAndSettingItLeavesOneCopy)
{
    const std::string text = "Windows Registry Editor Version 5.00\r\n\r\n"
                             "[HKEY_CURRENT_USER\\SOFTWARE\\mossbank\\Tovalo\\Common]\r\n"
                             "\"Language\"=dword:00000001\r\n\r\n"
                             "[HKEY_CURRENT_USER\\SOFTWARE\\mossbank\\Tovalo\\Common]\r\n"
                             "\"language\"=dword:00000002\r\n";
    RegDocument doc = RegDocument::parse(text);
    EXPECT_TRUE(doc.usesCrLf());
    EXPECT_EQ(*doc.find(kCommon, "Language"), regDword(2));
    doc.set(kCommon, "Language", regDword(3));
    const std::string written = doc.format();
    EXPECT_EQ(written.find("dword:00000001"), std::string::npos);
    EXPECT_EQ(written.find("dword:00000002"), std::string::npos);
    EXPECT_NE(written.find("\r\n\"Language\"=dword:00000003\r\n"), std::string::npos);
    doc.remove(kCommon, "LANGUAGE");
    EXPECT_EQ(doc.find(kCommon, "Language"), nullptr);
}

TEST(RegFileTest, OnlyHexValuesContinueOnTheNextLine)
{
    const RegDocument doc = RegDocument::parse("Windows Registry Editor Version 5.00\n\n"
                                               "[HKEY_CURRENT_USER\\SOFTWARE\\mossbank\\Tovalo\\Dpct]\n"
                                               "\"-p\"=\"C:\\\n"
                                               "[HKEY_CURRENT_USER\\SOFTWARE\\mossbank\\Tovalo\\Common]\n"
                                               "\"TabMode\"=hex:01,00,\\\n"
                                               "  02,00\n"
                                               "\"Language\"=dword:00000001\n");
    EXPECT_EQ(doc.find(kDpct, "-p"), nullptr);
    EXPECT_EQ(*doc.find(kCommon, "TabMode"), regBinary(std::string("\1\0\2\0", 4)));
    EXPECT_EQ(*doc.find(kCommon, "Language"), regDword(1));
}

TEST(RegFileTest, Utf8WithByteOrderMarkAndFilesWithoutHeaderRead)
{
    const RegDocument bom = RegDocument::parse("\xEF\xBB\xBFWindows Registry Editor Version 5.00\n\n"
                                               "[HKEY_CURRENT_USER\\SOFTWARE\\mossbank\\Tovalo\\Common]\n"
                                               "\"Recent01\"=\"/tmp/é.txt\"");
    EXPECT_TRUE(bom.hasHeader());
    EXPECT_EQ(textOf(bom.find(kCommon, "Recent01")), "/tmp/é.txt");

    RegDocument junk = RegDocument::parse("not a registry file\n\x01\x02 binary\n");
    EXPECT_FALSE(junk.hasHeader());
    junk.set(kCommon, "Language", regDword(1));
    const std::string written = junk.format();
    EXPECT_EQ(written.rfind("Windows Registry Editor Version 5.00\nnot a registry file\n", 0), 0u);
    EXPECT_EQ(*RegDocument::parse(written).find(kCommon, "Language"), regDword(1));
}

// A file's first line end is its line end. In a file of LF lines, a CR before an LF belongs to
// its line and comes back with it; the line is read all the same.
TEST(RegFileTest, CarriageReturnsOfAnLfFileComeBack)
{
    const std::string mixed = "REGEDIT4\n\r\n[HKEY_CURRENT_USER\\X]\r\n\"A\"=\"a\"\r\n\"B\"=dword:00000002\n";
    const RegDocument doc = RegDocument::parse(mixed);
    EXPECT_FALSE(doc.usesCrLf());
    EXPECT_EQ(doc.format(), mixed);
    EXPECT_EQ(textOf(doc.find("HKEY_CURRENT_USER\\X", "A")), "a");
    EXPECT_EQ(*doc.find("HKEY_CURRENT_USER\\X", "B"), regDword(2));

    const std::string crlf = "REGEDIT4\r\n\r\r\n[HKEY_CURRENT_USER\\X]\n\"A\"=\"a\"\r\n";
    const RegDocument other = RegDocument::parse(crlf);
    EXPECT_TRUE(other.usesCrLf());
    const std::string written = other.format();
    EXPECT_EQ(written, "REGEDIT4\r\n\r\r\n[HKEY_CURRENT_USER\\X]\r\n\"A\"=\"a\"\r\n");
    EXPECT_EQ(RegDocument::parse(written).format(), written);
    EXPECT_EQ(textOf(other.find("HKEY_CURRENT_USER\\X", "A")), "a");
}

// A file is written back in what it was read as: a REGEDIT4 file in its ANSI code page (CP932
// here, with trail bytes that are backslashes), UTF-8 with its byte-order mark, and a REGEDIT4
// file of ASCII only as ASCII. Text the code page cannot hold goes as hex(1): and reads back.
TEST(RegFileTest, EveryFileKeepsItsEncoding)
{
    const std::string cp932 = dataFile("regedit4-cp932.reg");
    RegDocument doc = RegDocument::parse(cp932);
    EXPECT_EQ(doc.encoding(), "CP932");
    EXPECT_TRUE(doc.usesCrLf());
    EXPECT_EQ(textOf(doc.find(kCommon, "Recent01")), "C:\\作業\\表示.txt");
    EXPECT_EQ(doc.format(), cp932);

    doc.set(kCommon, "Recent02", regText("D:\\日本\\ソース.cu"));
    doc.set(kCommon, "Recent03", regText("/tmp/café €"));
    const std::string written = doc.format();
    EXPECT_EQ(written.rfind("REGEDIT4\r\n", 0), 0u);
    EXPECT_NE(written.find("\"Recent02\"=\"D:\\\\\x93\xfa\x96\x7b\\\\\x83\x5c\x81\x5b\x83\x58.cu\""),
              std::string::npos);
    EXPECT_NE(written.find("\"Recent03\"=hex(1):"), std::string::npos);
    EXPECT_EQ(written.find("\xe6\x97\xa5"), std::string::npos); // no UTF-8 "日"
    const RegDocument back = RegDocument::parse(written);
    EXPECT_EQ(back.encoding(), "CP932");
    EXPECT_EQ(textOf(back.find(kCommon, "Recent01")), "C:\\作業\\表示.txt");
    EXPECT_EQ(textOf(back.find(kCommon, "Recent02")), "D:\\日本\\ソース.cu");
    EXPECT_EQ(textOf(back.find(kCommon, "Recent03")), "/tmp/café €");

    RegDocument bom = RegDocument::parse("\xEF\xBB\xBFWindows Registry Editor Version 5.00\n");
    bom.set(kCommon, "Recent01", regText("/tmp/é"));
    EXPECT_EQ(bom.format().rfind("\xEF\xBB\xBFWindows Registry Editor Version 5.00\n", 0), 0u);
    EXPECT_NE(bom.format().find("\"/tmp/\xC3\xA9\""), std::string::npos);

    RegDocument ascii = RegDocument::parse("REGEDIT4\n\n[HKEY_CURRENT_USER\\X]\n\"A\"=\"a\"\n");
    EXPECT_EQ(ascii.encoding(), "ASCII");
    ascii.set(kCommon, "Recent01", regText("/tmp/日本"));
    ascii.set(kCommon, "Recent02", regText("/tmp/plain"));
    const std::string asciiText = ascii.format();
    EXPECT_TRUE(std::all_of(asciiText.begin(), asciiText.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
    EXPECT_NE(asciiText.find("\"Recent02\"=\"/tmp/plain\""), std::string::npos);
    EXPECT_EQ(textOf(RegDocument::parse(asciiText).find(kCommon, "Recent01")), "/tmp/日本");

    // Bytes that are neither UTF-8 nor CP932 are read as Windows-1252 and written back as such.
    const std::string latin = "REGEDIT4\n[HKEY_CURRENT_USER\\X]\n\"A\"=\"caf\xE9\"\n\"C\"=\"\x81\"\n";
    RegDocument w1252 = RegDocument::parse(latin);
    EXPECT_EQ(w1252.encoding(), "Windows-1252");
    EXPECT_EQ(w1252.format(), latin);
    w1252.set(kCommon, "B", regText("\xE2\x80\x9Cq\xE2\x80\x9D \xC3\xBC"));
    EXPECT_NE(w1252.format().find("\"B\"=\"\x93q\x94 \xFC\""), std::string::npos);
    EXPECT_EQ(textOf(RegDocument::parse(w1252.format()).find(kCommon, "B")), "“q” ü");
}

} // namespace
} // namespace tovalo
