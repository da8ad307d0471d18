#include "base/codec.h"
#include "base/file_io.h"
#include "base/text.h"

#include <filesystem>
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

TEST(Utf8, CaseFoldComparesLettersOfSeveralScripts)
{
    EXPECT_TRUE(caseFoldEquals("C:\\Src\\a.cu", "c:\\src\\A.CU"));
    EXPECT_TRUE(caseFoldEquals("\xC3\x84", "\xC3\xA4"));                 // Ä ä
    EXPECT_TRUE(caseFoldEquals("\xD0\x96", "\xD0\xB6"));                 // Ж ж
    EXPECT_TRUE(caseFoldEquals("\xEF\xBC\xA1", "\xEF\xBD\x81"));         // Ａ ａ
    EXPECT_FALSE(caseFoldEquals("a.cu", "a.cu "));
    EXPECT_FALSE(caseFoldEquals("\xC3\x97", "\xC3\xB7"));                // × is not ÷
    EXPECT_FALSE(caseFoldEquals("abc", "ab"));
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
    std::string error;
    ASSERT_TRUE(writeFileAtomically(path("a.txt"), "first", error)) << error;
    ASSERT_TRUE(writeFileAtomically(path("a.txt"), "second", error)) << error;
    std::string bytes;
    ASSERT_TRUE(readWholeFile(path("a.txt"), bytes, error));
    EXPECT_EQ(bytes, "second");
    EXPECT_EQ(fileCount(), 1u);
}

TEST_F(FileIo, FailedWriteKeepsThePreviousFile)
{
    std::string error;
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

TEST_F(FileIo, ReadReportsTheReason)
{
    std::string bytes, error;
    EXPECT_FALSE(readWholeFile(path("nope.txt"), bytes, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(pathExists(path("nope.txt")));
    const std::string unicode = path("\xE5\xA4\x89\xE6\x8F\x9B.txt");
    ASSERT_TRUE(writeFileAtomically(unicode, "x", error)) << error;
    EXPECT_TRUE(pathExists(unicode));
}
