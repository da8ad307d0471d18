#include "base/ascii.h"
#include "base/codec.h"
#include "base/file_io.h"
#include "base/path_text.h"
#include "base/text.h"
#include "data/run_results.h"

#include <chrono>
#include <filesystem>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif
#include <fstream>

#include <gtest/gtest.h>

using namespace tovalo;

TEST(Utf8, ValidityRejectsMalformedSequences)
{
    EXPECT_TRUE(isValidUtf8(""));
    EXPECT_TRUE(isValidUtf8("plain ascii"));
    EXPECT_TRUE(isValidUtf8("\xE5\xA4\x89\xE6\x8F\x9B")); // 変換
    EXPECT_TRUE(isValidUtf8("\xF0\x9F\x98\x80"));
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));         // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(isValidUtf8("\xE5\xA4"));         // cut short
    EXPECT_FALSE(isValidUtf8("\x95\xCF\x8A\xB7")); // 変換 in CP932
}

TEST(Utf8, CompletePrefixHoldsBackOnlyAnUnfinishedCharacter)
{
    const std::string s = "ab\xE5\xA4\x89";
    EXPECT_EQ(completeUtf8Prefix(s), s.size());
    EXPECT_EQ(completeUtf8Prefix(s.substr(0, 4)), 2u);
    EXPECT_EQ(completeUtf8Prefix(s.substr(0, 3)), 2u);
    EXPECT_EQ(completeUtf8Prefix("ab"), 2u);
    EXPECT_EQ(completeUtf8Prefix("\xF0\x9F\x98"), 0u);
    // A stray continuation byte or an impossible start is not held back: it is already broken.
    EXPECT_EQ(completeUtf8Prefix("a\x80"), 2u);
    EXPECT_EQ(completeUtf8Prefix("a\xE0\x80"), 3u);
}

TEST(Utf8, BoundariesNeverSplitACharacter)
{
    // Cut 1, 2 and 3 bytes into characters of 2, 3 and 4 bytes, between 'a' and 'b'.
    for (const std::string ch : {"\xC3\xA9", "\xE5\xA4\x89", "\xF0\x9F\x98\x80"}) {
        const std::string s = "a" + ch + "b";
        for (std::size_t into = 0; into < ch.size(); ++into) {
            SCOPED_TRACE(testing::Message() << ch.size() << "-byte character, cut " << into << " in");
            EXPECT_EQ(utf8BoundaryBefore(s, 1 + into), 1u);
            EXPECT_EQ(utf8BoundaryAfter(s, 1 + into), into == 0 ? 1u : 1 + ch.size());
        }
        EXPECT_EQ(utf8BoundaryBefore(s, 1 + ch.size()), 1 + ch.size());
        EXPECT_EQ(utf8BoundaryAfter(s, 1 + ch.size()), 1 + ch.size());
    }

    // Every position of a mixed text lands on a character start no more than three bytes away.
    const std::string mixed = "x\xC3\xA9\xE5\xA4\x89\xF0\x9F\x98\x80y\xE6\x8F\x9B";
    for (std::size_t pos = 0; pos <= mixed.size(); ++pos) {
        const std::size_t before = utf8BoundaryBefore(mixed, pos);
        const std::size_t after = utf8BoundaryAfter(mixed, pos);
        EXPECT_TRUE(before <= pos && pos - before <= 3 && after >= pos && after - pos <= 3) << pos;
        EXPECT_TRUE(isValidUtf8(mixed.substr(0, before)) && isValidUtf8(mixed.substr(after))) << pos;
    }

    EXPECT_EQ(utf8BoundaryBefore("", 0), 0u);
    EXPECT_EQ(utf8BoundaryAfter("", 0), 0u);
    EXPECT_EQ(utf8BoundaryBefore("ab", 7), 2u);
    EXPECT_EQ(utf8BoundaryAfter("ab", 7), 2u);

    // Bytes that are no character are cut where asked, however many stray continuation bytes
    // come in a row; an unfinished start is still held back before the cut.
    const std::string stray = "a\x80\x80\x80\x80\x80z";
    EXPECT_EQ(utf8BoundaryBefore(stray, 5), 5u);
    EXPECT_EQ(utf8BoundaryAfter(stray, 5), 5u);
    EXPECT_EQ(utf8BoundaryBefore("\xE0\x80\x80", 2), 2u); // overlong
    EXPECT_EQ(utf8BoundaryAfter("\xE0\x80\x80", 1), 1u);
    EXPECT_EQ(utf8BoundaryAfter("\xF4\x90\x80\x80", 1), 1u); // above U+10FFFF
    const std::string cutShort = std::string("\xE5\xA4") + "b";
    EXPECT_EQ(utf8BoundaryBefore(cutShort, 2), 0u);
    EXPECT_EQ(utf8BoundaryAfter(cutShort, 1), 2u);
    EXPECT_EQ(utf8BoundaryAfter(cutShort, 2), 2u);
    // A character that follows a stray byte is still kept whole.
    EXPECT_EQ(utf8BoundaryBefore("\x80\xE5\xA4\x89", 3), 1u);
}

TEST(Utf8, CaseFoldComparesLettersOfSeveralScripts)
{
    EXPECT_TRUE(caseFoldEquals("C:\\Src\\a.cu", "c:\\src\\A.CU"));
    EXPECT_TRUE(caseFoldEquals("\xC3\x84", "\xC3\xA4"));         // Ä ä
    EXPECT_TRUE(caseFoldEquals("\xD0\x96", "\xD0\xB6"));         // Ж ж
    EXPECT_TRUE(caseFoldEquals("\xEF\xBC\xA1", "\xEF\xBD\x81")); // Ａ ａ
    EXPECT_FALSE(caseFoldEquals("a.cu", "a.cu "));
    EXPECT_FALSE(caseFoldEquals("\xC3\x97", "\xC3\xB7")); // × is not ÷
    EXPECT_FALSE(caseFoldEquals("abc", "ab"));
}

namespace {

// UTF-16LE bytes of the given code units.
std::string le(std::initializer_list<char16_t> units)
{
    std::string out;
    for (const char16_t u : units) {
        out.push_back(static_cast<char>(u & 0xFF));
        out.push_back(static_cast<char>(u >> 8));
    }
    return out;
}

} // namespace

TEST(Utf16, ConversionPairsSurrogatesAndReplacesLoneOnes)
{
    const std::string text = "a\xC3\xA9\xE5\xA4\x89\xF0\x9F\x98\x80"; // a é 変 😀
    const std::string units = le({u'a', 0xE9, 0x5909, 0xD83D, 0xDE00});
    EXPECT_EQ(utf16leFromUtf8(text), units);
    EXPECT_EQ(utf8FromUtf16le(units), text);

    // A high surrogate at the end, a low one alone, a high one before a non-surrogate.
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(utf8FromUtf16le(le({u'a', 0xD83D})), "a" + replacement);
    EXPECT_EQ(utf8FromUtf16le(le({0xDE00, u'a'})), replacement + "a");
    EXPECT_EQ(utf8FromUtf16le(le({0xD83D, u'a'})), replacement + "a");
    EXPECT_EQ(utf8FromUtf16le(le({u'a'}) + "b"), "a"); // odd last byte

    const std::string withNul = le({u'a', 0, u'b'});
    EXPECT_EQ(utf8FromUtf16le(withNul), "a");
    EXPECT_EQ(utf8FromUtf16le(withNul, false), std::string("a\0b", 3));
    EXPECT_EQ(utf16UnitsBeforeNul(withNul), 1u);
    EXPECT_EQ(utf16UnitsBeforeNul(units), 5u);
}

TEST(Ascii, HexNumbersHaveOneToEightDigitsAndNothingElse)
{
    EXPECT_EQ(parseHex32("0"), 0u);
    EXPECT_EQ(parseHex32("aBcD"), 0xABCDu);
    EXPECT_EQ(parseHex32("FFFFFFFF"), 0xFFFFFFFFu);
    EXPECT_EQ(parseHex32("000000001"), std::nullopt); // nine digits, though the value fits
    EXPECT_EQ(parseHex32(""), std::nullopt);
    EXPECT_EQ(parseHex32("0x1"), std::nullopt);
    EXPECT_EQ(parseHex32(" 1"), std::nullopt);
    EXPECT_EQ(parseHex32("g"), std::nullopt);

    EXPECT_EQ(formatHex(0), "0");
    EXPECT_EQ(formatHex(0xD1, 8), "000000d1");
    EXPECT_EQ(formatHex(0xFFFFFFFF, 2), "ffffffff");
    EXPECT_EQ(formatHex(0xB, 2), "0b");
}

TEST(Codec, FileTextIsUtf8FirstThenCp932)
{
    EXPECT_EQ(decodeFileText("\xEF\xBB\xBF[Common]").utf8, "[Common]");
    EXPECT_EQ(decodeFileText("\xEF\xBB\xBF[Common]").encoding, "UTF-8 with BOM");
    const DecodedText sjis = decodeFileText("[C:\\\x95\xCF\x8A\xB7\\a.cu]");
    EXPECT_EQ(sjis.utf8, "[C:\\\xE5\xA4\x89\xE6\x8F\x9B\\a.cu]");
    EXPECT_FALSE(sjis.lastResort);
    // Bytes that are neither UTF-8 nor CP932 still read, losslessly, as Windows-1252.
    const DecodedText latin = decodeFileText("caf\xE9 \x81\xFF");
    EXPECT_TRUE(latin.lastResort);
    EXPECT_EQ(latin.utf8, "caf\xC3\xA9 \xC2\x81\xC3\xBF");
}

TEST(Codec, TheReadingThatIsPlausibleWins)
{
    // One stray byte in a comment of a UTF-8 file: the file stays UTF-8, the byte becomes U+FFFD.
    const std::string path =
        "/home/user/\xE9\x96\x8B\xE7\x99\xBA/\xE3\x83\x99\xE3\x82\xAF\xE3\x83\x88\xE3\x83\xAB.cu";
    const DecodedText stray = decodeFileText("[Common]\n# \xB1\n[" + path + "]\n");
    EXPECT_EQ(stray.encoding, "UTF-8");
    EXPECT_EQ(stray.utf8, "[Common]\n# \xEF\xBF\xBD\n[" + path + "]\n");
    EXPECT_EQ(stray.replaced, 1u);
    EXPECT_EQ(stray.firstReplaced, 11u);
    EXPECT_FALSE(stray.cleanUtf8());
    EXPECT_FALSE(stray.keptBySave());
    const DecodedText bom = decodeFileText("\xEF\xBB\xBF[" + path + "]\xFF\n");
    EXPECT_EQ(bom.encoding, "UTF-8 with BOM");
    EXPECT_EQ(bom.utf8, "[" + path + "]\xEF\xBF\xBD\n");
    EXPECT_EQ(bom.firstReplaced, 3u + 1 + path.size() + 1);

    // Half-width katakana in CP932: "ﾃｽ" happens to be valid UTF-8, "ﾄ." is not. As many bytes
    // that are not UTF-8 as sequences that are: not UTF-8 with a few bad bytes, but CP932.
    const DecodedText halfWidth = decodeFileText("[C:\\\xC3\xBD\xC4\\\xC3\xBD\xC4.cu]\r\n");
    EXPECT_EQ(halfWidth.encoding, legacyCodeSet() == "UTF-8" ? "CP932" : legacyCodeSet());
    EXPECT_EQ(halfWidth.utf8,
              "[C:\\\xEF\xBE\x83\xEF\xBD\xBD\xEF\xBE\x84\\\xEF\xBE\x83\xEF\xBD\xBD\xEF\xBE\x84.cu]\r\n");
    EXPECT_EQ(halfWidth.replaced, 0u);

    // Windows-1252 "José" before a backslash: CP932 would take \xE9\ as one kanji and lose the
    // separator. A CP932 "表" (95 5C) before a backslash is CP932 all the same: 0x95 is a bullet
    // in Windows-1252, not a letter of a name.
    const DecodedText latin = decodeFileText("[C:\\Users\\Jos\xE9\\src\\a.cu]");
    EXPECT_EQ(latin.encoding, "Windows-1252");
    EXPECT_EQ(latin.utf8, "[C:\\Users\\Jos\xC3\xA9\\src\\a.cu]");
    EXPECT_FALSE(latin.lastResort);
    const DecodedText names = decodeFileText("[/home/Ren\xE9"
                                             "e/Bj\xF6rk.cu]");
    EXPECT_EQ(names.encoding, "Windows-1252");
    EXPECT_EQ(names.utf8, "[/home/Ren\xC3\xA9"
                          "e/Bj\xC3\xB6rk.cu]");
    const DecodedText kanji = decodeFileText("[C:\\\x95\\\\a.cu]");
    EXPECT_EQ(kanji.utf8, "[C:\\\xE8\xA1\xA8\\a.cu]");

    // What a save keeps: clean UTF-8 where files are written as UTF-8, the ANSI code page where
    // they are written in it.
    EXPECT_EQ(decodeFileText("[/a.cu]").keptBySave(), fileCodeSet() == "UTF-8");
    EXPECT_EQ(decodeFileText("\xEF\xBB\xBF[/a.cu]").keptBySave(), fileCodeSet() == "UTF-8");
    EXPECT_EQ(decodeFileText("[C:\\\x95\xCF\x8A\xB7\\a.cu]").keptBySave(), fileCodeSet() == "CP932");
}

TEST(PathText, LetterCaseCountsWhereTheFileSystemSaysSo)
{
    EXPECT_TRUE(samePathText("/w/Kernel.cu", "/w/Kernel.cu"));
    EXPECT_FALSE(samePathText("/w/Kernel.cu", "/w/Kernel.cuh"));
    EXPECT_EQ(samePathText("/w/Kernel.cu", "/w/kernel.cu"), pathsIgnoreCase());
    EXPECT_EQ(samePathText("C:\\Ärger\\a.cu", "c:\\ärger\\A.CU"), pathsIgnoreCase());
    // Equal paths have equal keys, so hash tables find them.
    EXPECT_EQ(pathKey("/w/Kernel.cu") == pathKey("/w/kernel.cu"), pathsIgnoreCase());
    EXPECT_EQ(pathKey("C:\\Ärger") == pathKey("c:\\ärger"), pathsIgnoreCase());

    // The index is a multiset: a path listed twice counts until both are gone.
    PathIndex index;
    index.insert("/w/Kernel.cu");
    index.insert("/w/Kernel.cu");
    index.insert("/w/Σ.cu");
    EXPECT_TRUE(index.contains("/w/Kernel.cu"));
    EXPECT_EQ(index.contains("/w/KERNEL.CU"), pathsIgnoreCase());
    EXPECT_EQ(index.contains("/w/σ.cu"), pathsIgnoreCase());
    EXPECT_TRUE(index.erase("/w/Kernel.cu"));
    EXPECT_TRUE(index.contains("/w/Kernel.cu"));
    EXPECT_TRUE(index.erase("/w/Kernel.cu"));
    EXPECT_FALSE(index.contains("/w/Kernel.cu"));
    EXPECT_FALSE(index.erase("/w/Kernel.cu"));
    EXPECT_TRUE(index.contains("/w/Σ.cu"));
}

class FileIo : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir_ = std::filesystem::temp_directory_path() /
               ("tovalo-io-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string path(const char* name) const { return utf8FromPath(dir_ / name); }
    std::size_t fileCount() const
    {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir_), {}));
    }
    std::filesystem::path dir_;
};

TEST_F(FileIo, AtomicWriteReplacesAndLeavesNoTemporaryFile)
{
    Message error;
    ASSERT_TRUE(writeFileAtomically(path("a.txt"), "first", error)) << error;
    ASSERT_TRUE(writeFileAtomically(path("a.txt"), "second", error)) << error;
    std::string bytes;
    ASSERT_TRUE(readWholeFile(path("a.txt"), bytes, error));
    EXPECT_EQ(bytes, "second");
    EXPECT_EQ(fileCount(), 1u);
}

TEST_F(FileIo, AtomicWriteTakesItsBytesPieceByPiece)
{
    Message error;
    ASSERT_TRUE(writeFileAtomically(
        path("a.txt"), [](const ByteSink& sink) { EXPECT_TRUE(sink("one ") && sink("") && sink("two")); },
        error))
        << error;
    std::string bytes;
    ASSERT_TRUE(readWholeFile(path("a.txt"), bytes, error));
    EXPECT_EQ(bytes, "one two");
}

TEST_F(FileIo, FileViewReadsWhatReadWholeFileReads)
{
    Message error;
    const std::string text(3 << 20, 'x');
    ASSERT_TRUE(writeFileAtomically(path("big.txt"), text + "end", error)) << error;
    FileView big;
    ASSERT_TRUE(big.open(path("big.txt"), error)) << error;
    big.release(2 << 20); // let go of, not lost
    EXPECT_EQ(big.bytes(), text + "end");
    ASSERT_TRUE(writeFileAtomically(path("empty.txt"), "", error));
    FileView empty;
    ASSERT_TRUE(empty.open(path("empty.txt"), error)) << error;
    EXPECT_TRUE(empty.bytes().empty());
    // The refusals of readWholeFile: a folder, a file larger than the limit.
    FileView refused;
    EXPECT_FALSE(refused.open(utf8FromPath(dir_), error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(refused.open(path("big.txt"), error, 1024));
    EXPECT_EQ(error.id, MessageId::FileTooLarge);
}

#ifndef _WIN32
TEST_F(FileIo, AFileCutShortWhileReadReadsAsZeroBytesAndTheReaderSaysWhy)
{
    // Results with an output of 3 MB, mapped, then cut to 100 bytes by "another program": the
    // pages past the new end read as zero bytes instead of ending the process with SIGBUS.
    CDpctData item;
    item.path = "/p/a.cu";
    item.status = ItemStatus::ConvertedOk;
    item.resultText.assign(3 << 20, 'x');
    const std::string json = resultsJson({&item}, {}, OutputInResults::Included);
    Message error;
    ASSERT_TRUE(writeFileAtomically(path("r.json"), json, error)) << error;
    FileView view;
    ASSERT_TRUE(view.open(path("r.json"), error)) << error;
    std::filesystem::resize_file(dir_ / "r.json", 100);
    EXPECT_EQ(view.bytes().size(), json.size());
    EXPECT_EQ(view.bytes().substr(0, 50), std::string_view(json).substr(0, 50));
    EXPECT_EQ(view.bytes().back(), '\0');
    EXPECT_TRUE(view.changedWhileRead());
    ResultsHeader header;
    std::vector<CDpctData> items;
    std::string why;
    EXPECT_FALSE(readResultsJson(view, header, items, why));
    EXPECT_NE(why.find("cut short"), std::string::npos) << why;
    // A file left alone is not said to have changed.
    FileView whole;
    ASSERT_TRUE(writeFileAtomically(path("r.json"), json, error)) << error;
    ASSERT_TRUE(whole.open(path("r.json"), error)) << error;
    EXPECT_TRUE(readResultsJson(whole, header, items, why)) << why;
    EXPECT_FALSE(whole.changedWhileRead());
}
#endif

TEST_F(FileIo, FailedWriteKeepsThePreviousFile)
{
    Message error;
    ASSERT_TRUE(writeFileAtomically(path("a.txt"), "precious", error));
    // The target is a folder now: the write must fail and leave the file beside it alone.
    std::filesystem::create_directories(dir_ / "sub.txt");
    EXPECT_FALSE(writeFileAtomically(path("sub.txt"), "x", error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(writeFileAtomically(path("missing/folder.txt"), "x", error));
    std::string bytes;
    ASSERT_TRUE(readWholeFile(path("a.txt"), bytes, error));
    EXPECT_EQ(bytes, "precious");
    EXPECT_EQ(fileCount(), 2u); // a.txt and the folder, no temporary left behind
}

TEST_F(FileIo, SaveRemovesTemporaryFilesLeftByAnEarlierSaveOfTheSameFile)
{
    Message error;
    ASSERT_TRUE(writeFileAtomically(path("a.txt"), "first", error)) << error;
    // What a save killed half-way leaves behind, an hour ago; one of another file; and one of
    // a save that may still be under way in another process.
    const std::string stale = std::string(".a.txt") + std::string(kTemporaryInfix) + "Ab3dE9";
    const std::string other = std::string(".b.txt") + std::string(kTemporaryInfix) + "Ab3dE9";
    const std::string fresh = std::string(".a.txt") + std::string(kTemporaryInfix) + "Zz9yX8";
    for (const std::string& name : {stale, other, fresh})
        ASSERT_TRUE(writeFileAtomically(path(name.c_str()), "half", error)) << error;
    const auto hourAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    std::filesystem::last_write_time(dir_ / stale, hourAgo);
    std::filesystem::last_write_time(dir_ / other, hourAgo);

    ASSERT_TRUE(writeFileAtomically(path("a.txt"), "second", error)) << error;
    EXPECT_FALSE(std::filesystem::exists(dir_ / stale));
    EXPECT_TRUE(std::filesystem::exists(dir_ / other));
    EXPECT_TRUE(std::filesystem::exists(dir_ / fresh));
    EXPECT_EQ(fileCount(), 3u); // a.txt, other, fresh: the save left no temporary of its own
}

#ifndef _WIN32
TEST_F(FileIo, SaveWritesThroughLinksAndRefusesWhatIsNotARegularFile)
{
    Message error;
    std::filesystem::create_directories(dir_ / "real");
    ASSERT_TRUE(writeFileAtomically(path("real/list.txt"), "old", error)) << error;
    std::filesystem::create_symlink("real/list.txt", dir_ / "link.txt");
    std::filesystem::create_symlink("link.txt", dir_ / "link2.txt"); // a chain of two
    ASSERT_TRUE(writeFileAtomically(path("link2.txt"), "new", error)) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(dir_ / "link.txt"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir_ / "link2.txt"));
    std::string bytes;
    ASSERT_TRUE(readWholeFile(path("real/list.txt"), bytes, error));
    EXPECT_EQ(bytes, "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_ / "real"), {}), 1); // no temporary

    // A link to a file that does not exist yet makes that file.
    std::filesystem::create_symlink("real/later.txt", dir_ / "later-link.txt");
    ASSERT_TRUE(writeFileAtomically(path("later-link.txt"), "made", error)) << error;
    ASSERT_TRUE(readWholeFile(path("real/later.txt"), bytes, error));
    EXPECT_EQ(bytes, "made");

    // A FIFO is left as it is.
    ASSERT_EQ(::mkfifo(path("pipe.txt").c_str(), 0600), 0);
    EXPECT_FALSE(writeFileAtomically(path("pipe.txt"), "x", error));
    EXPECT_EQ(error, Message(MessageId::NotRegularFile)); // worded by each front end
    EXPECT_TRUE(std::filesystem::is_fifo(dir_ / "pipe.txt"));

    // A hard link keeps the previous text: the save replaces the name, not the old contents.
    std::filesystem::create_hard_link(dir_ / "real/list.txt", dir_ / "hard.txt");
    ASSERT_TRUE(writeFileAtomically(path("real/list.txt"), "newest", error)) << error;
    ASSERT_TRUE(readWholeFile(path("hard.txt"), bytes, error));
    EXPECT_EQ(bytes, "new");
}

TEST_F(FileIo, SaveKeepsOwnerGroupAndMode)
{
    Message error;
    ASSERT_TRUE(writeFileAtomically(path("owned.txt"), "x", error)) << error;
    ASSERT_EQ(::chmod(path("owned.txt").c_str(), 0640), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(path("owned.txt").c_str(), 4321, 4322), 0);
    }
    struct stat before
    {
    };
    ASSERT_EQ(::stat(path("owned.txt").c_str(), &before), 0);
    ASSERT_TRUE(writeFileAtomically(path("owned.txt"), "y", error)) << error;
    struct stat after
    {
    };
    ASSERT_EQ(::stat(path("owned.txt").c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    if (root) {
        EXPECT_EQ(after.st_uid, 4321u);
    }
}
#endif

TEST_F(FileIo, ReadReportsTheReason)
{
    std::string bytes;
    Message error;
    EXPECT_FALSE(readWholeFile(path("nope.txt"), bytes, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(pathExists(path("nope.txt")));
    const std::string unicode = path("\xE5\xA4\x89\xE6\x8F\x9B.txt");
    ASSERT_TRUE(writeFileAtomically(unicode, "x", error)) << error;
    EXPECT_TRUE(pathExists(unicode));
}
