// The console text of one command, looked at piece by piece as it arrives: the result must be
// the same wherever the pieces are cut.

#include "runner/command_output.h"

#include <vector>

#include <gtest/gtest.h>

using namespace tovalo;

namespace {

// What the text as a whole says about the prompt: a line equal to it, or a last line equal to it.
bool promptInWhole(std::string_view text, std::string_view prompt)
{
    std::size_t start = 0;
    for (std::size_t nl = text.find('\n'); nl != std::string_view::npos; nl = text.find('\n', start)) {
        if (text.substr(start, nl - start) == prompt)
            return true;
        start = nl + 1;
    }
    return text.substr(start) == prompt;
}

struct Outcome
{
    ItemJudgement judgement;
    bool promptSeen;
    std::string before;
};

Outcome feedPieces(const std::vector<std::string_view>& pieces, std::string_view prompt)
{
    CommandOutput out;
    out.setPrompt(prompt);
    for (std::string_view p : pieces)
        out.append(p);
    Outcome o{out.judgement(), out.promptSeen(), {}};
    o.before = out.takeTextBeforePrompt();
    EXPECT_TRUE(out.text().empty());
    return o;
}

void expectSameAsWhole(const Outcome& o, std::string_view whole, std::string_view prompt)
{
    const ItemJudgement j = judgeDpctOutput(whole);
    EXPECT_EQ(o.judgement.status, j.status);
    EXPECT_EQ(o.judgement.exitCode, j.exitCode);
    EXPECT_EQ(o.promptSeen, promptInWhole(whole, prompt));
    EXPECT_EQ(o.before, std::string(whole.substr(0, whole.find(prompt))));
}

const std::string_view kPrompt = "tovalo> ";

const char* const kTexts[] = {
    "dpct --in-root=/src /src/a.cu\nParsing: /src/a.cu\nAnalyzing: /src/a.cu\nMigrating: /src/a.cu\n"
    "Processed 1 file(s) in -in-root folder \"/src\"\ntovalo> ",
    "Processing: a.cu\r\n1 parsing error(s)\r\n\r\ntovalo> ",
    "Processing: a.cu\nProcessed 1 file(s)\ndpct exited with code: -5 (Error)\ntovalo> \ntovalo> ",
    "dpct exited with code: 12\nProcessing: a.cu\nProcessed 1 file(s)\n",
    "echo tovalo> x\nProcessing: a.cu\nProcessed 1 file(s)",
    "1 parsing error(s)\nProcessing: a.cu\nProcessed 1 file(s)\r\ntovalo> \r\nmore\n",
};

} // namespace

TEST(CommandOutput, EveryCutGivesTheResultOfTheWholeText)
{
    for (std::string_view text : kTexts) {
        for (std::size_t a = 0; a <= text.size(); ++a) {
            SCOPED_TRACE(testing::Message() << text << " cut at " << a);
            expectSameAsWhole(feedPieces({text.substr(0, a), text.substr(a)}, kPrompt), text, kPrompt);
            // and a second cut after the first, which puts short pieces inside lines and prompts
            for (std::size_t b = a; b <= text.size(); b += 3)
                expectSameAsWhole(
                    feedPieces({text.substr(0, a), text.substr(a, b - a), text.substr(b)}, kPrompt), text,
                    kPrompt);
        }
        std::vector<std::string_view> bytes;
        for (std::size_t i = 0; i < text.size(); ++i)
            bytes.push_back(text.substr(i, 1));
        expectSameAsWhole(feedPieces(bytes, kPrompt), text, kPrompt);
    }
}

TEST(CommandOutput, PromptIsSeenOnlyOnceItIsWholeAndAlone)
{
    CommandOutput out;
    out.setPrompt(kPrompt);
    out.append("Processed 1 file(s)\ntova");
    EXPECT_FALSE(out.promptSeen());
    out.append("lo>");
    EXPECT_FALSE(out.promptSeen());
    out.append(" ");
    EXPECT_TRUE(out.promptSeen());
    // A prompt followed by more on its line is not the prompt; a prompt line that ended stays seen.
    out.clear();
    out.append("tovalo> x");
    EXPECT_FALSE(out.promptSeen());
    out.append("\ntovalo> \nnext");
    EXPECT_TRUE(out.promptSeen());
    EXPECT_EQ(out.takeTextBeforePrompt(), "");

    // Without a prompt nothing is the prompt and no text comes before it.
    CommandOutput none;
    none.append("tovalo> ");
    EXPECT_FALSE(none.promptSeen());
    EXPECT_EQ(none.takeTextBeforePrompt(), "");
}

TEST(CommandOutput, NewPromptLooksAtTheTextAgainAndClearKeepsIt)
{
    CommandOutput out;
    out.append("Processing: a.cu\nC:\\work>");
    EXPECT_FALSE(out.promptSeen());
    out.setPrompt("C:\\work>");
    EXPECT_TRUE(out.promptSeen());
    EXPECT_EQ(out.judgement().status, ItemStatus::Converting);
    out.append("\r\nProcessed 1 file(s)\r\n");
    EXPECT_EQ(out.judgement().status, ItemStatus::ConvertedOk);
    EXPECT_EQ(out.takeTextBeforePrompt(), "Processing: a.cu\n");
    // Taking forgets the text and the judgement, not the prompt.
    EXPECT_EQ(out.judgement().status, ItemStatus::Converting);
    out.append("Processed 1 file(s)\r\nC:\\work>");
    EXPECT_TRUE(out.promptSeen());
    EXPECT_EQ(out.judgement().status, ItemStatus::Converting);
    EXPECT_EQ(out.takeText(), "Processed 1 file(s)\r\nC:\\work>");
    EXPECT_FALSE(out.promptSeen());
}

TEST(CommandOutput, PromptFormCarriesTheExitStatusAndOnlyItsWholeLineCounts)
{
    constexpr std::string_view kBefore = "[5f1c2a9e3b7d ", kAfter = "] tovalo> ";
    const std::string prompt139 = std::string(kBefore) + "139" + std::string(kAfter);
    // The form is found whatever the cuts; text before it stays whole, the old prompt included.
    const std::string whole = "dpct '/a/tovalo> b.cu'\ntovalo> \nStack dump:\n" + prompt139;
    for (std::size_t a = 0; a <= whole.size(); ++a) {
        SCOPED_TRACE(a);
        CommandOutput out;
        out.setPromptForm(kBefore, kAfter);
        out.append(std::string_view(whole).substr(0, a));
        EXPECT_EQ(out.promptSeen(), a == whole.size());
        out.append(std::string_view(whole).substr(a));
        EXPECT_TRUE(out.promptSeen());
        EXPECT_EQ(out.promptStatus(), 139);
        EXPECT_EQ(out.judgement().status, ItemStatus::Converting);
        EXPECT_EQ(out.takeTextBeforePrompt(), "dpct '/a/tovalo> b.cu'\ntovalo> \nStack dump:\n");
    }

    CommandOutput out;
    out.setPromptForm(kBefore, kAfter);
    for (const char* notPrompt :
         {"[5f1c2a9e3b7d ] tovalo> ", "[5f1c2a9e3b7d x] tovalo> ", "[5f1c2a9e3b7d 0] tovalo>",
          "[5f1c2a9e3b7d 0] tovalo> x", " [5f1c2a9e3b7d 0] tovalo> "}) {
        SCOPED_TRACE(notPrompt);
        out.clear();
        out.append(notPrompt);
        EXPECT_FALSE(out.promptSeen());
        EXPECT_FALSE(out.promptStatus().has_value());
    }
    // A whole prompt line stays seen with its status when more follows; a negative status reads.
    out.clear();
    out.append(std::string(kBefore) + "-1" + std::string(kAfter) + "\nnext\n" + prompt139);
    EXPECT_TRUE(out.promptSeen());
    EXPECT_EQ(out.promptStatus(), -1);
    // A fixed prompt carries no status.
    out.setPrompt("C:\\work>");
    out.clear();
    out.append("x\r\nC:\\work>");
    EXPECT_TRUE(out.promptSeen());
    EXPECT_FALSE(out.promptStatus().has_value());
}

// A text of tens of megabytes outgrows its buffer several times while it arrives; the buffers
// prepared beside it must hold every byte in order, whether the command ends, the text is
// cleared half-way (a prepared buffer dropped) or the prompt changes (the text looked at again).
TEST(CommandOutput, LargeTextKeepsEveryByteAcrossItsBuffers)
{
    std::string line = "/src/big.cu:1:1: warning: DPCT1000:0: " + std::string(60, 'x') + " line 0000000\n";
    std::string whole;
    CommandOutput out;
    out.setPrompt(kPrompt);
    for (int i = 0; i < 120000; ++i) {
        const std::string number = std::to_string(i);
        line.replace(line.size() - 1 - number.size(), number.size(), number);
        whole += line;
        out.append(line);
        if (i == 30000) { // a prepared buffer is under way: dropped with the text
            out.clear();
            whole.clear();
        }
        if (i == 60000)
            out.setPrompt("other> ");
    }
    out.setPrompt(kPrompt);
    whole += "Processed 1 file(s)\n";
    out.append("Processed 1 file(s)\n");
    out.append(kPrompt);
    EXPECT_TRUE(out.promptSeen());
    EXPECT_EQ(out.diagnostics().size(), CDpctData::kMaxKeptDiagnostics);
    const std::string before = out.takeTextBeforePrompt();
    ASSERT_EQ(before.size(), whole.size());
    EXPECT_TRUE(before == whole);
}
