#include "runner/output_decoder.h"

#include <gtest/gtest.h>

using namespace tovalo;

TEST(OutputDecoder, Utf8CharacterSplitAcrossReadsIsKeptWhole)
{
    const std::string text = "a\xE5\xA4\x89\xE6\x8F\x9B b\xF0\x9F\x98\x80"; // a変換 b😀
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        for (std::size_t cut2 = cut; cut2 <= text.size(); ++cut2) {
            OutputDecoder d;
            std::string out = d.decode(text.substr(0, cut));
            out += d.decode(text.substr(cut, cut2 - cut));
            out += d.decode(text.substr(cut2));
            out += d.flush();
            ASSERT_EQ(out, text) << cut << "," << cut2;
        }
    }
}

TEST(OutputDecoder, MalformedBytesBecomeReplacementCharacters)
{
    OutputDecoder d;
    EXPECT_EQ(d.decode("a\xFF"
                       "b"),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(d.decode("c\xE5\xA4"), "c");
    EXPECT_EQ(d.flush(), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(OutputDecoder, LegacyCodePageLeadByteWaitsForItsTrailByte)
{
    const std::string sjis = "x\x95\xCF\x8A\xB7y"; // x変換y in CP932
    for (std::size_t cut = 0; cut <= sjis.size(); ++cut) {
        OutputDecoder d("CP932");
        std::string out = d.decode(sjis.substr(0, cut));
        out += d.decode(sjis.substr(cut));
        out += d.flush();
        ASSERT_EQ(out, "x\xE5\xA4\x89\xE6\x8F\x9By") << cut;
    }
}

TEST(OutputDecoder, Utf16ReadsAreDetectedAndDecoded)
{
    const std::string le("P\0r\0o\0c\0e\0s\0s\0e\0d\0 \0\x09\x59\xDB\x63\n\0", 26); // "Processed 変換\n"
    bool be = true;
    EXPECT_TRUE(OutputDecoder::looksLikeUtf16(le, be));
    EXPECT_FALSE(be);
    EXPECT_FALSE(OutputDecoder::looksLikeUtf16("Processed 1 file(s)\r\n", be));
    // Any cut, as long as each read holds some Latin text (a read of only non-Latin UTF-16 has
    // no zero byte and cannot be told from code-page text).
    for (std::size_t cut = 2; cut <= le.size(); ++cut) {
        if (cut > 20 && cut < 24)
            continue;
        OutputDecoder d("UTF-8", true);
        std::string out = d.decode(le.substr(0, cut));
        out += d.decode(le.substr(cut));
        out += d.flush();
        ASSERT_EQ(out, "Processed \xE5\xA4\x89\xE6\x8F\x9B\n") << cut;
    }
    // Without detection the same bytes are taken as text of the code set.
    OutputDecoder plain;
    EXPECT_EQ(plain.decode(std::string("P\0", 2)), std::string("P\0", 2));
}

TEST(OutputDecoder, CodePageConsoleAlsoTakesUtf8Reads)
{
    const std::string utf8 = "Parsing: C:\\\xE5\xA4\x89\xE6\x8F\x9B.cu\n"; // 変換 in UTF-8
    const std::string sjis = "C:\\\x95\xCF\x8A\xB7>";                      // 変換 in CP932
    for (std::size_t cut = 0; cut <= utf8.size(); ++cut) {
        OutputDecoder d("CP932", true, true);
        std::string out = d.decode(utf8.substr(0, cut));
        out += d.decode(utf8.substr(cut));
        ASSERT_EQ(out + d.flush(), utf8) << cut;
    }
    for (std::size_t cut = 0; cut <= sjis.size(); ++cut) {
        OutputDecoder d("CP932", true, true);
        std::string out = d.decode(sjis.substr(0, cut));
        out += d.decode(sjis.substr(cut));
        ASSERT_EQ(out + d.flush(), "C:\\\xE5\xA4\x89\xE6\x8F\x9B>") << cut;
    }
}

// cmd.exe writes its prompt in the code page; whatever else a read holds (UTF-8 from dpct, code
// page text) and wherever the reads are cut, the prompt line decodes to the same text, even when
// its bytes are valid UTF-8 too (half-width "ﾃｽ" is C3 BD, "ý" in UTF-8).
TEST(OutputDecoder, PromptDecodesTheSameInEveryRead)
{
    const std::string prompt = "C:\\\xC3\xBD>";
    const std::string promptText = "C:\\\xEF\xBE\x83\xEF\xBD\xBD>";
    const std::string utf8Line = "Parsing: C:\\\xE5\xA4\x89.cu\r\n"; // 変 in UTF-8
    const std::string cp932Line = "\x95\x5C\r\n";                    // 表 in CP932
    const std::string bytes = utf8Line + cp932Line + prompt;
    const std::string text = utf8Line + "\xE8\xA1\xA8\r\n" + promptText;
    for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
        OutputDecoder d("CP932", true, true);
        std::string out = d.decode(bytes.substr(0, cut));
        out += d.decode(bytes.substr(cut));
        ASSERT_EQ(out, text) << cut; // nothing left for a flush: the prompt is whole
    }
    OutputDecoder alone("CP932", true, true);
    EXPECT_EQ(alone.decode(prompt), promptText);
    EXPECT_EQ(alone.decode(utf8Line + prompt), utf8Line + promptText);
}

// A byte sequence that is not CP932 ("\x81 ") before a character cut between two reads: the
// bad bytes become U+FFFD and the character still arrives whole, not as U+FFFD and a stray
// trail byte (here "\", which would also break the prompt after it).
TEST(OutputDecoder, SplitCharacterNextToABadByteIsKeptWhole)
{
    const std::string bytes = "a\x81 b\x95\x5C>";
    const std::string text = "a\xEF\xBF\xBD b\xE8\xA1\xA8>";
    for (const bool acceptUtf8 : {false, true}) {
        for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
            OutputDecoder d("CP932", acceptUtf8, acceptUtf8);
            std::string out = d.decode(bytes.substr(0, cut));
            out += d.decode(bytes.substr(cut));
            ASSERT_EQ(out, text) << cut << " " << acceptUtf8;
        }
    }
}
