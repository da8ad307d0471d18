#include "base/codec.h"
#include "base/file_io.h"
#include "base/path_text.h"
#include "base/text.h"
#include "data/command_line.h"
#include "data/definition_file.h"

#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

using namespace tovalo;
namespace fs = std::filesystem;

namespace {

std::tm fixedDate()
{
    std::tm tm{};
    tm.tm_year = 2026 - 1900;
    tm.tm_mon = 0;
    tm.tm_mday = 2;
    return tm;
}

std::string readText(const fs::path& p)
{
    std::string bytes;
    Message error;
    EXPECT_TRUE(readWholeFile(utf8FromPath(p), bytes, error)) << utf8FromPath(p) << ": " << error;
    return bytes;
}

const char* kindName(ReadNote::Kind k)
{
    switch (k) {
    case ReadNote::Kind::OutsideSection:
        return "outside-section";
    case ReadNote::Kind::SectionSkipped:
        return "section-skipped";
    case ReadNote::Kind::UnknownKey:
        return "unknown-key";
    case ReadNote::Kind::ChoiceNotInList:
        return "choice-not-in-list";
    case ReadNote::Kind::EmptyChoice:
        return "empty-choice";
    case ReadNote::Kind::SwitchValue:
        return "switch-value";
    case ReadNote::Kind::BrokenSection:
        return "broken-section";
    }
    return "?";
}

} // namespace

// Each folder under tests/data/definition holds input.txt and what it must give: format.txt (the
// writer's text dated 2026/01/02 with LF line ends), commands-cmd.txt and commands-sh.txt (one
// command line per item), notes.txt (what the reader skipped, "line kind text").
TEST(DefinitionFileGolden, EveryCaseMatches)
{
    const fs::path root = fs::path(TOVALO_TEST_DATA_DIR) / "definition";
    int cases = 0;
    for (const fs::directory_entry& dir : fs::directory_iterator(root)) {
        if (!dir.is_directory())
            continue;
        ++cases;
        SCOPED_TRACE(dir.path().filename().string());
        const ReadResult doc = parseDefinitionText(readText(dir.path() / "input.txt"));
        ASSERT_TRUE(doc.ok);
        ASSERT_EQ(doc.items.size(), doc.itemLines.size());

        std::string text;
        Message error;
        ASSERT_TRUE(formatDefinitionText(doc.items, fixedDate(), "\n", text, error)) << error;
        std::string cmd, sh, notes;
        for (const CDpctData& item : doc.items) {
            cmd += buildCommandLine(&item, Dialect::Cmd).text + "\n";
            sh += buildCommandLine(&item, Dialect::Sh).text + "\n";
        }
        for (const ReadNote& n : doc.notes)
            notes += std::to_string(n.line) + " " + kindName(n.kind) + " " + n.text + "\n";

        if (std::getenv("TOVALO_UPDATE_GOLDEN")) {
            // Regenerates the expectations; review the diff before committing it.
            for (const auto& [name, content] : {std::pair{"format.txt", &text},
                                                {"commands-cmd.txt", &cmd},
                                                {"commands-sh.txt", &sh},
                                                {"notes.txt", &notes}})
                ASSERT_TRUE(writeFileAtomically(utf8FromPath(dir.path() / name), *content, error)) << error;
            continue;
        }
        EXPECT_EQ(text, readText(dir.path() / "format.txt"));
        EXPECT_EQ(cmd, readText(dir.path() / "commands-cmd.txt"));
        EXPECT_EQ(sh, readText(dir.path() / "commands-sh.txt"));
        EXPECT_EQ(notes, readText(dir.path() / "notes.txt"));

        // What the writer wrote reads back to the same paths in the same order, and writing
        // it again changes nothing: format(format(x)) == format(x).
        const ReadResult again = parseDefinitionText(text);
        ASSERT_EQ(again.items.size(), doc.items.size());
        for (std::size_t i = 0; i < doc.items.size(); ++i)
            EXPECT_EQ(again.items[i].path, doc.items[i].path);
        std::string second;
        ASSERT_TRUE(formatDefinitionText(again.items, fixedDate(), "\n", second, error));
        EXPECT_EQ(second, text);
    }
    EXPECT_GE(cases, 10);
}

TEST(DefinitionFile, OtherFilesAreRefusedNotReadAsEmptyLists)
{
    for (const std::string_view text :
         {std::string_view(""), std::string_view("\n\n  \n"),
          std::string_view("Shopping list\nmilk=2\n[eggs]\n"), std::string_view("#!/bin/sh\necho hi\n")}) {
        const ReadResult r = parseDefinitionText(text);
        EXPECT_FALSE(r.ok) << text;
        EXPECT_EQ(r.failure, ReadFailure::NotDefinition) << text;
        EXPECT_TRUE(r.items.empty());
    }
    // A NUL byte anywhere, even in an otherwise good file, means binary data.
    const ReadResult binary = parseDefinitionText(std::string_view("[Common]\n[/a.cu]\n\0x", 19));
    EXPECT_FALSE(binary.ok);
    EXPECT_EQ(binary.failure, ReadFailure::Binary);
    // What Tovalo writes for an empty list, and a file of items without [Common], are read.
    EXPECT_TRUE(parseDefinitionText("[Common]\nVersion=01.00.00.00\n").ok);
    const ReadResult items = parseDefinitionText("[/w/a.cu]\n--comments\n");
    EXPECT_TRUE(items.ok);
    EXPECT_EQ(items.items.size(), 1u);
    EXPECT_EQ(readDefinitionFile("/no/such/folder/x.txt").failure, ReadFailure::Unreadable);
}

TEST(DefinitionFile, WriterLayoutIsExact)
{
    CDpctData a;
    a.path = R"(C:\work\src\vector add.cu)";
    a.setOn(kComments, true);
    a.setOn(kFormatStyle, true);
    a.setOn(kInRoot, true);
    a.setText(kInRoot, R"(C:\work\src)");
    a.setOn(kExtraArg, true);
    a.setText(kExtraArg, "-DA=\"1\"");
    a.setOn(kReportFormat, true);
    a.setChoiceIndex(kReportFormat, 7); // not an entry of the list: left out
    a.status = ItemStatus::ConvertedOk; // never written
    a.resultText = "output";
    CDpctData b;
    b.path = "C:\\b.cu";
    const CDpctData items[] = {a, b};
    std::string text;
    Message error;
    ASSERT_TRUE(formatDefinitionText(items, fixedDate(), "\r\n", text, error));
    EXPECT_EQ(
        text,
        "[Common]\r\nVersion=01.00.00.00\r\nLastUpdate=2026/01/02\r\n\r\n"
        "[C:\\work\\src\\vector add.cu]\r\n--comments\r\n--extra-arg=-DA=\"1\"\r\n--format-style=custom\r\n"
        "--in-root=\"C:\\work\\src\"\r\n[C:\\b.cu]\r\n");
}

TEST(DefinitionFile, EverythingOnSurvivesARoundTripButTheLaterGroupMembers)
{
    CDpctData item;
    item.path = "/src/all.cu";
    item.setOn(kSlotDirName, true);
    item.setOn(kSlotFileName, true);
    for (const OptionInfo& o : optionTable()) {
        item.setOn(o.slot, true);
        if (o.kind == OptionKind::Text)
            item.setText(o.slot, "value \"" + std::string(o.name) + "\" = x");
        else if (o.kind == OptionKind::Choice)
            item.setChoiceIndex(o.slot, static_cast<int>(valueListEntries(o.valueList).size()) - 1);
    }
    std::string text;
    Message error;
    ASSERT_TRUE(formatDefinitionText(std::span(&item, 1), fixedDate(), "\n", text, error));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4 + 1 + 34);

    const ReadResult back = parseDefinitionText(text);
    ASSERT_EQ(back.items.size(), 1u);
    CDpctData expected = item;
    expected.setOn(kNoIncrementalMigration, false);
    expected.setOn(kOptimizeMigration, false);
    EXPECT_EQ(back.items[0], expected);
    EXPECT_TRUE(back.notes.empty());
}

TEST(DefinitionFile, NotKeptAreOutcomeChangedMarksAndValuesOfOffOptions)
{
    CDpctData item;
    item.path = "/a.cu";
    item.includeSubdirs = false;
    item.setText(kInRoot, "/kept/while/off");
    item.setChoiceIndex(kFormatStyle, 0);
    item.status = ItemStatus::SyntaxError;
    item.exitCode = 9;
    item.resultText = "x";
    item.setChanged(kComments, true);
    std::string text;
    Message error;
    ASSERT_TRUE(formatDefinitionText(std::span(&item, 1), fixedDate(), "\n", text, error));
    const ReadResult back = parseDefinitionText(text);
    ASSERT_EQ(back.items.size(), 1u);
    CDpctData expected;
    expected.path = "/a.cu";
    expected.setOn(kSlotDirName, true);
    expected.setOn(kSlotFileName, true);
    EXPECT_EQ(back.items[0], expected);
}

TEST(DefinitionFile, LineBreaksInPathsOrValuesRefuseTheSave)
{
    CDpctData item;
    item.path = "/a\n[evil.cu]";
    std::string text;
    Message error;
    EXPECT_FALSE(formatDefinitionText(std::span(&item, 1), fixedDate(), "\n", text, error));
    EXPECT_EQ(englishText(error), "the path \"/a\n[evil.cu]\" contains a line break");
    item.path = "/a.cu";
    item.setOn(kExtraArg, true);
    item.setText(kExtraArg, "-DA\r\n--comments");
    EXPECT_FALSE(formatDefinitionText(std::span(&item, 1), fixedDate(), "\n", text, error));
    EXPECT_EQ(error, Message(MessageId::OptionValueHasLineBreak, {"--extra-arg", "/a.cu"}));
}

TEST(DefinitionFile, ACharacterTheFileCodePageCannotHoldIsNamed)
{
    if (fileCodeSet() != "CP932")
        GTEST_SKIP() << "needs files written in CP932, not " << fileCodeSet();
    CDpctData item;
    item.path = "C:\\w\\\xE5\xA4\x89\xF0\x9F\x98\x80.cu"; // 変 fits, the emoji does not
    Message error;
    const std::string file = utf8FromPath(fs::temp_directory_path() / "tovalo-codepage-test.txt");
    EXPECT_FALSE(writeDefinitionFile(file, std::span(&item, 1), error));
    EXPECT_EQ(error, Message(MessageId::CharacterNotInCodePage, {"\xF0\x9F\x98\x80", "U+1F600", "932"}));
    EXPECT_FALSE(fs::exists(file));
}

TEST(DefinitionFile, SaveIsAtomicAndReadsBack)
{
    const fs::path dir = fs::temp_directory_path() / "tovalo-deffile-test";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string file = utf8FromPath(dir / "list.txt");
    CDpctData item;
    item.path = "/w/a.cu";
    item.setOn(kComments, true);
    Message error;
    ASSERT_TRUE(writeDefinitionFile(file, std::span(&item, 1), error)) << error;

    // A save that fails (a line break in a path) leaves the earlier file as it was.
    CDpctData bad;
    bad.path = "/w/\nb.cu";
    EXPECT_FALSE(writeDefinitionFile(file, std::span(&bad, 1), error));
    const ReadResult back = readDefinitionFile(file);
    ASSERT_TRUE(back.ok);
    ASSERT_EQ(back.items.size(), 1u);
    EXPECT_EQ(back.items[0].path, "/w/a.cu");
    EXPECT_TRUE(back.items[0].isOn(kComments));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 1);

    const ReadResult missing = readDefinitionFile(utf8FromPath(dir / "missing.txt"));
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.error.empty());
    fs::remove_all(dir);
}

// A long file is read piece by piece: lines across two pieces, a byte order mark, CRLF line ends
// and multi-byte characters read as in the whole text, and items with equal texts stay apart when
// one of them changes. A NUL byte or a byte that is not UTF-8 far into the file is found as in
// the whole text.
TEST(DefinitionFile, ALongFileReadsAsItsWholeText)
{
    std::string text = "\xEF\xBB\xBF[Common]\r\nVersion=01.00.00.00\r\n";
    int count = 0;
    while (text.size() < (std::size_t{5} << 19)) {
        text += "[/w/\xC3\xBC" + std::to_string(count) + "/kernel.cu]\r\n--comments\r\n";
        text += "--out-root=\"/out/\xCE\xA3" + std::to_string(count % 3) + "\"\r\n";
        if (count % 5 == 0)
            text += "\xE3\x80\x80--extra-arg=-DN=" + std::to_string(count) + "\r\nno-such-option\r\n";
        ++count;
    }
    const fs::path dir = fs::temp_directory_path() / "tovalo-deffile-long";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string file = utf8FromPath(dir / "list.txt");
    const auto readBoth = [&](const std::string& bytes, ReadResult& whole) {
        Message error;
        EXPECT_TRUE(writeFileAtomically(file, bytes, error)) << error;
        whole = parseDefinitionText(bytes);
        return readDefinitionFile(file);
    };
    const auto expectSame = [](const ReadResult& read, const ReadResult& whole) {
        EXPECT_EQ(read.ok, whole.ok);
        EXPECT_EQ(read.failure, whole.failure);
        EXPECT_EQ(read.items, whole.items);
        EXPECT_EQ(read.itemLines, whole.itemLines);
        ASSERT_EQ(read.notes.size(), whole.notes.size());
        for (std::size_t i = 0; i < read.notes.size(); ++i) {
            EXPECT_EQ(read.notes[i].line, whole.notes[i].line);
            EXPECT_EQ(read.notes[i].text, whole.notes[i].text);
        }
        EXPECT_EQ(read.encoding, whole.encoding);
        EXPECT_EQ(read.encodingKeptBySave, whole.encodingKeptBySave);
        EXPECT_EQ(read.replacedBytes, whole.replacedBytes);
        EXPECT_EQ(read.firstReplacedLine, whole.firstReplacedLine);
    };

    ReadResult whole;
    ReadResult read = readBoth(text, whole);
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.items.size(), static_cast<std::size_t>(count));
    EXPECT_EQ(read.items[10].text(kExtraArg), "-DN=10");
    EXPECT_EQ(read.items[count - 1].text(kOutRoot), "/out/\xCE\xA3" + std::to_string((count - 1) % 3));
    expectSame(read, whole);
    read.items[1].setText(kOutRoot, "/elsewhere");
    EXPECT_EQ(read.items[4].text(kOutRoot), "/out/\xCE\xA3"
                                            "1");

    for (const char odd : {'\xFF', '\0'}) {
        std::string bytes = text;
        bytes.insert(bytes.find("/kernel.cu]", bytes.size() / 2), 1, odd);
        read = readBoth(bytes, whole);
        expectSame(read, whole);
        EXPECT_EQ(read.failure, odd == '\0' ? ReadFailure::Binary : ReadFailure::None);
    }
    fs::remove_all(dir);
}

TEST(DefinitionFile, ASaveThatWouldChangeTheEncodingIsDescribed)
{
    const ReadResult stray =
        parseDefinitionText("[Common]\nVersion=01.00.00.00\n# \xB1\n[/w/\xE5\xA4\x89\xE6\x8F\x9B.cu]\n");
    ASSERT_TRUE(stray.ok);
    EXPECT_EQ(stray.items.at(0).path, "/w/\xE5\xA4\x89\xE6\x8F\x9B.cu");
    EXPECT_EQ(stray.replacedBytes, 1u);
    EXPECT_EQ(stray.firstReplacedLine, 3);
    EXPECT_FALSE(stray.encodingKeptBySave);
    EXPECT_NE(describeEncoding(stray).find("not UTF-8 (the first on line 3)"), std::string::npos)
        << describeEncoding(stray);

    const ReadResult latin = parseDefinitionText("[C:\\Jos\xE9\\a.cu]\r\n");
    EXPECT_EQ(latin.encoding, "Windows-1252");
    EXPECT_EQ(describeEncoding(latin), "read as Windows-1252; saving writes " + fileCodeSet());

    const ReadResult clean = parseDefinitionText("[Common]\n[/w/a.cu]\n");
    EXPECT_EQ(clean.encodingKeptBySave, fileCodeSet() == "UTF-8");
    EXPECT_EQ(describeEncoding(clean).empty(), fileCodeSet() == "UTF-8");
}

// Where files are written in the ANSI code page, CP932 text can be valid UTF-8 as well
// (half-width "ﾃｽ" is C3 BD, "ý" in UTF-8; "ﾐ申" is D0 90 5C, "А\" in UTF-8). Whatever the
// writer writes reads back as it was.
TEST(DefinitionFile, WhatIsWrittenReadsBackAsWritten)
{
    if (fileCodeSet() != "UTF-8" && fileCodeSet() != "CP932")
        GTEST_SKIP() << "the names need UTF-8 or CP932 files, not " << fileCodeSet();
    const fs::path dir = fs::temp_directory_path() / "tovalo-roundtrip-test";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string file = utf8FromPath(dir / "list.txt");
    const std::vector<std::vector<std::string>> lists = {
        // Every byte of these is valid UTF-8 in CP932.
        {"C:\\\xEF\xBE\x83\xEF\xBD\xBD\\\xEF\xBE\x83\xEF\xBD\xBD.cu",               // C:\ﾃｽ\ﾃｽ.cu
         "C:\\\xEF\xBE\x90\xE7\x94\xB3\\a.cu"},                                     // C:\ﾐ申\a.cu
        {"C:\\\xEF\xBE\x83\xEF\xBD\xBD\xEF\xBE\x84.cu",                             // C:\ﾃｽﾄ.cu
         "C:\\\xE9\x96\x8B\xE7\x99\xBA\\\xEF\xBE\x8D\xEF\xBE\x9E\xEF\xBD\xB8.cu"}}; // C:\開発\ﾍﾞｸ.cu
    for (const auto& paths : lists) {
        std::vector<CDpctData> items;
        for (const std::string& p : paths) {
            CDpctData& item = items.emplace_back();
            item.path = p;
            item.setOn(kSlotDirName, true);
            item.setOn(kSlotFileName, true);
            item.setOn(kInRoot, true);
            item.setText(kInRoot, p.substr(0, p.rfind('\\')));
        }
        Message error;
        ASSERT_TRUE(writeDefinitionFile(file, items, error)) << error;
        if (&paths == &lists.front() && fileCodeSet() == "CP932") {
            ASSERT_TRUE(isValidUtf8(readText(file))); // the ambiguity is there
        }
        const ReadResult back = readDefinitionFile(file);
        ASSERT_TRUE(back.ok);
        EXPECT_EQ(back.encoding, fileCodeSet());
        EXPECT_TRUE(back.encodingKeptBySave);
        ASSERT_EQ(back.items.size(), items.size());
        for (std::size_t i = 0; i < items.size(); ++i)
            EXPECT_EQ(back.items[i], items[i]) << paths[i];
    }
    fs::remove_all(dir);
}

TEST(RecentList, FrontInsertDedupAsTheFileSystemComparesAndCut)
{
    std::vector<std::string> list;
    for (int i = 0; i < 20; ++i)
        pushRecent(list, "/f" + std::to_string(i) + ".txt");
    ASSERT_EQ(list.size(), 16u);
    EXPECT_EQ(list.front(), "/f19.txt");
    EXPECT_EQ(list.back(), "/f4.txt");
    pushRecent(list, "/f10.txt");
    EXPECT_EQ(list.size(), 16u);
    EXPECT_EQ(list.front(), "/f10.txt");
    EXPECT_EQ(std::count(list.begin(), list.end(), "/f10.txt"), 1);
    // Another letter case names the same file on Windows and macOS, another file on Linux.
    pushRecent(list, "/F10.TXT");
    EXPECT_EQ(list.size(), 16u);
    EXPECT_EQ(list.front(), "/F10.TXT");
    EXPECT_EQ(std::count_if(list.begin(), list.end(),
                            [](const std::string& s) { return caseFoldEquals(s, "/f10.txt"); }),
              pathsIgnoreCase() ? 1 : 2);
}
