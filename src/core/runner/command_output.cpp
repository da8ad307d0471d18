#include "command_output.h"

#include <charconv>
#include <utility>

namespace tovalo {

void CommandOutput::setPrompt(std::string_view prompt)
{
    prompt_.assign(prompt);
    promptAfter_.clear();
    promptHasStatus_ = false;
    rescan();
}

void CommandOutput::setPromptForm(std::string_view before, std::string_view after)
{
    prompt_.assign(before);
    promptAfter_.assign(after);
    promptHasStatus_ = true;
    rescan();
}

void CommandOutput::rescan()
{
    const std::string text = std::exchange(text_, {});
    clear();
    append(text);
}

bool CommandOutput::isPrompt(std::string_view line, std::optional<int>* status) const
{
    if (prompt_.empty() || !line.starts_with(prompt_))
        return false;
    line.remove_prefix(prompt_.size());
    if (!promptHasStatus_)
        return line.empty();
    int value = 0;
    const char* end = line.data() + line.size();
    const auto [p, ec] = std::from_chars(line.data(), end, value);
    if (ec != std::errc() || std::string_view(p, static_cast<std::size_t>(end - p)) != promptAfter_)
        return false;
    if (status)
        *status = value;
    return true;
}

void CommandOutput::clear()
{
    text_.clear();
    judge_ = DpctJudge{};
    diagnostics_.clear();
    dropped_ = 0;
    lineStart_ = 0;
    promptLineSeen_ = false;
    promptLineStatus_.reset();
    promptAt_ = std::string::npos;
    promptSearchFrom_ = 0;
}

void CommandOutput::append(std::string_view utf8)
{
    const std::size_t from = text_.size();
    text_ += utf8;
    scan(from);
}

void CommandOutput::scan(std::size_t from)
{
    const std::string_view text = text_;
    for (std::size_t nl = text.find('\n', from); nl != std::string_view::npos; nl = text.find('\n', nl + 1)) {
        const std::string_view line = text.substr(lineStart_, nl - lineStart_);
        if (!line.empty()) {
            judge_.feedLine(line);
            if (auto d = parseDiagnosticLine(line))
                keep(diagnostics_, std::move(*d));
        }
        if (!promptLineSeen_ && isPrompt(line, &promptLineStatus_))
            promptLineSeen_ = true;
        lineStart_ = nl + 1;
    }
    if (prompt_.empty() || promptAt_ != std::string::npos)
        return;
    promptAt_ = text.find(prompt_, promptSearchFrom_);
    // The next search starts where a prompt split by the end of this text could begin.
    if (promptAt_ == std::string::npos && text.size() >= prompt_.size())
        promptSearchFrom_ = text.size() - prompt_.size() + 1;
}

bool CommandOutput::promptSeen() const
{
    return promptLineSeen_ || isPrompt(std::string_view(text_).substr(lineStart_), nullptr);
}

std::optional<int> CommandOutput::promptStatus() const
{
    if (promptLineSeen_)
        return promptLineStatus_;
    std::optional<int> status;
    isPrompt(std::string_view(text_).substr(lineStart_), &status);
    return status;
}

ItemJudgement CommandOutput::judgement() const
{
    DpctJudge judge = judge_;
    const std::string_view last = std::string_view(text_).substr(lineStart_);
    if (!last.empty())
        judge.feedLine(last);
    return judge.result();
}

std::vector<DpctDiagnostic> CommandOutput::takeDiagnostics()
{
    std::vector<DpctDiagnostic> result = std::move(diagnostics_);
    diagnostics_.clear();
    const std::string_view last = std::string_view(text_).substr(lineStart_);
    if (!last.empty() && !isPrompt(last, nullptr)) {
        if (auto d = parseDiagnosticLine(last))
            keep(result, std::move(*d));
    }
    return result;
}

void CommandOutput::keep(std::vector<DpctDiagnostic>& into, DpctDiagnostic&& d)
{
    if (into.size() < CDpctData::kMaxKeptDiagnostics)
        into.push_back(std::move(d));
    else
        ++dropped_;
}

std::string CommandOutput::takeTextBeforePrompt()
{
    const std::size_t cut = prompt_.empty() ? 0 : promptAt_;
    std::string text = std::move(text_);
    if (cut != std::string::npos)
        text.resize(cut);
    clear();
    return text;
}

std::string CommandOutput::textBeforePrompt() const
{
    return text_.substr(0, prompt_.empty() ? text_.size() : promptAt_);
}

std::string CommandOutput::takeText()
{
    std::string text = std::move(text_);
    clear();
    return text;
}

} // namespace tovalo
