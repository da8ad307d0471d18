#pragma once
// CommandOutput: the console text of the command that runs now, kept as it arrives.
//
// Each piece of text is looked at once: its complete lines are judged (DpctJudge), compared
// with the interpreter's prompt, and searched for the prompt's first occurrence, so asking
// whether the prompt is back, how the item went, or for the text before the prompt costs
// nothing that grows with the text already held.
//
// The prompt is either a fixed text (cmd's "C:\work>") or a form that carries the exit status
// of the command that has just ended (PromptForm: `before`, a decimal number, `after`). Lines end at "\n"; a
// "\r" before it stays with its line, and the last line may still be unterminated.

#include "dpct_output.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovalo {

class CommandOutput
{
public:
    CommandOutput();
    ~CommandOutput();
    CommandOutput(CommandOutput&&) noexcept;
    CommandOutput& operator=(CommandOutput&&) noexcept;

    /// The prompt to watch for; empty = none (the prompt is then never seen). The text held so
    /// far is looked at again for the new prompt.
    void setPrompt(std::string_view prompt);
    /// Watches for a prompt of the form `before` + exit status + `after` instead; the text held
    /// so far is looked at again.
    void setPromptForm(std::string_view before, std::string_view after);
    /// Forgets the text (the prompt stays).
    void clear();
    void append(std::string_view utf8);

    const std::string& text() const { return text_; }
    /// A line equal to the prompt has ended, or the unterminated last line equals it.
    bool promptSeen() const;
    /// The exit status carried by the first prompt line seen; empty when the prompt is not seen
    /// or carries none.
    std::optional<int> promptStatus() const;
    /// The judgement of all text held, the unterminated last line included.
    ItemJudgement judgement() const;
    /// The diagnostics of the complete lines held, in order; each is read once, when its line
    /// ends, however the text was cut into pieces.
    const std::vector<DpctDiagnostic>& diagnostics() const { return diagnostics_; }
    /// Hands over the diagnostics of all text held, the unterminated last line included (an
    /// output that ends without a line end), and forgets them. Only the first
    /// CDpctData::kMaxKeptDiagnostics are kept; the rest are counted (diagnosticsDropped).
    std::vector<DpctDiagnostic> takeDiagnostics();
    /// The diagnostics read but not kept, beyond the first CDpctData::kMaxKeptDiagnostics (those
    /// of the last line included once takeDiagnostics has read it); cleared with the text.
    std::int64_t diagnosticsDropped() const { return dropped_; }
    /// Hands over the text before the prompt's first occurrence (of a form's `before`; all text
    /// when the prompt does not occur; nothing when there is no prompt) without copying it, and forgets the
    /// text.
    std::string takeTextBeforePrompt();
    /// A copy of the text before the prompt's first occurrence (all text when it does not
    /// occur); the text is kept.
    std::string textBeforePrompt() const;
    /// Hands over all text without copying it, and forgets it.
    std::string takeText();

private:
    void rescan();
    void scan(std::size_t from);
    bool isPrompt(std::string_view line, std::optional<int>* status) const;
    void keep(std::vector<DpctDiagnostic>& into, DpctDiagnostic&& d);
    void makeRoomFor(std::size_t bytes);
    void dropGrowth();

    // A large text grows into a buffer that a worker thread has prepared: the thread that
    // appends never copies tens of megabytes at once when the text outgrows its buffer.
    class Growth;
    std::unique_ptr<Growth> growth_;
    std::string text_;
    std::string prompt_;                       ///< the fixed prompt, or a form's `before`
    std::string promptAfter_;                  ///< a form's `after`
    bool promptHasStatus_ = false;             ///< a form: a number stands between prompt_ and promptAfter_
    std::optional<int> promptLineStatus_;      ///< the status of the complete prompt line seen
    DpctJudge judge_;                          ///< the complete lines judged
    std::vector<DpctDiagnostic> diagnostics_;  ///< those of the complete lines
    std::int64_t dropped_ = 0;                 ///< those read beyond the cap
    std::size_t lineStart_ = 0;                ///< start of the unterminated last line
    bool promptLineSeen_ = false;              ///< a complete line equal to the prompt
    std::size_t promptAt_ = std::string::npos; ///< first occurrence of the prompt anywhere
    std::size_t promptSearchFrom_ = 0;         ///< where the search for it goes on
};

} // namespace tovalo
