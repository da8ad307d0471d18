// Messages for the user as identifiers with arguments, worded in English for tovalo-cli.

#include "base/message.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

using namespace tovalo;

namespace {

// The highest placeholder number in `pattern` (%1 to %9).
int placeholderCount(std::string_view pattern)
{
    int n = 0;
    for (std::size_t i = 0; i + 1 < pattern.size(); ++i)
        if (pattern[i] == '%' && pattern[i + 1] >= '1' && pattern[i + 1] <= '9')
            n = std::max(n, pattern[i + 1] - '0');
    return n;
}

} // namespace

TEST(Message, EveryIdentifierHasAnEnglishWordingWithItsArgumentsInPlace)
{
    std::set<std::string> seen;
    for (int i = 1; i < static_cast<int>(MessageId::Count); ++i) {
        const auto id = static_cast<MessageId>(i);
        SCOPED_TRACE(i);
        const std::string_view pattern = englishTemplate(id);
        ASSERT_FALSE(pattern.empty());
        EXPECT_TRUE(seen.insert(std::string(pattern)).second) << "two identifiers share " << pattern;
        const int n = placeholderCount(pattern);
        Message m(id);
        for (int a = 1; a <= n; ++a)
            m.args.emplace_back("<arg" + std::to_string(a) + ">");
        const std::string worded = englishText(m);
        for (int a = 1; a <= n; ++a) {
            EXPECT_NE(worded.find("<arg" + std::to_string(a) + ">"), std::string::npos) << worded;
            // Every number up to the highest is used: an argument is never dropped.
            EXPECT_NE(pattern.find("%" + std::to_string(a)), std::string_view::npos) << pattern;
        }
        EXPECT_EQ(placeholderCount(worded), 0) << worded;
    }
    EXPECT_EQ(englishTemplate(MessageId::Text), "");
    EXPECT_EQ(englishTemplate(MessageId::Count), "");
}

TEST(Message, NestedArgumentsLiteralTextAndPercentSigns)
{
    // A refusal inside a notice, worded in one piece, as tovalo-cli always printed it.
    const Message refusal(MessageId::ValueRefused, {Message(MessageId::SubjectOptionValue, {"--out-root"}),
                                                    MessageId::QuoteEndsQuotes});
    EXPECT_EQ(englishText(Message(MessageId::NotConverted, {refusal})),
              "Not converted: the value of --out-root contains a double quote, which would end its quotes on "
              "the command line.");
    EXPECT_EQ(englishText(Message(MessageId::KilledBySignalNamed, {"9", "Killed"})),
              "killed by signal 9 (Killed)");

    // An argument's own "%2" is text, not a placeholder; a percent sign of the template stays.
    EXPECT_EQ(englishText(Message(MessageId::PathHasLineBreak, {"/w/%2%1.cu"})),
              "the path \"/w/%2%1.cu\" contains a line break");
    EXPECT_NE(englishText(MessageId::VariableEdit).find("%NAME:...%"), std::string::npos);
    // Missing arguments leave their placeholders visible rather than words out of place.
    EXPECT_EQ(englishText(MessageId::CharacterNotInCodePage),
              "the character \"%1\" (%2) cannot be stored in code page %3");
    EXPECT_EQ(fillPlaceholders("%1%%2 %10", {"a", "b"}), "a%b a0");

    Message literal = "as it is";
    EXPECT_EQ(literal.id, MessageId::Text);
    EXPECT_EQ(englishText(literal), "as it is");
    EXPECT_FALSE(literal.empty());
    literal.clear();
    EXPECT_TRUE(literal.empty());
    EXPECT_FALSE(Message(MessageId::OutputClosed).empty());
}
