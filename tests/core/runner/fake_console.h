#pragma once
// A console without a process: records the commands written and hands over text the test
// queues. Used to drive the run engine by text alone.

#include "runner/console.h"
#include "runner/run_engine.h"

#include <string>
#include <vector>

namespace tovalo::test {

class FakeConsole : public Console
{
public:
    explicit FakeConsole(Dialect d = Dialect::Sh) : dialect_(d) {}
    bool open(WakeFunction wake, Message& error) override
    {
        if (failOpen) {
            error = "cannot start";
            return false;
        }
        ++opens;
        wake_ = std::move(wake);
        open_ = true;
        return true;
    }
    bool isOpen() const override { return open_; }
    Dialect dialect() const override { return dialect_; }
    bool writeCommand(std::string_view line, Message& error) override
    {
        if (!open_) {
            error = "not running";
            return false;
        }
        written.emplace_back(line);
        return true;
    }
    Message refusal(std::string_view line) const override
    {
        if (!refuse.empty() && line.find(refuse) != std::string_view::npos)
            return "refused by the console";
        return Console::refusal(line);
    }
    void setReadingPaused(bool p) override { paused = p; }
    bool interruptCommand() override
    {
        ++interrupts;
        return false;
    }
    PromptForm promptForm() const override { return form; }
    ConsoleOutput takeOutput() override
    {
        ConsoleOutput o;
        o.text.swap(queued);
        o.ended = ended;
        o.endReason = Message(MessageId::KilledBySignal, {"9"});
        ended = false;
        return o;
    }
    void close() override { open_ = false; }

    std::vector<std::string> written;
    std::string queued;
    bool ended = false;
    bool paused = false;
    bool failOpen = false;
    std::string refuse; ///< lines containing this are refused
    int opens = 0;
    int interrupts = 0;
    PromptForm form; ///< a prompt the console frames itself; empty: the interpreter's own

private:
    Dialect dialect_;
    WakeFunction wake_;
    bool open_ = false;
};

/// Records what the engine reports, in order.
class RecordingObserver : public RunObserver
{
public:
    void phaseChanged(RunPhase p) override { phases.push_back(p); }
    void versionKnown(const std::string& v, const std::string& c) override
    {
        version = v;
        codebase = c;
    }
    void itemFinished(CDpctData& item) override { finished.push_back(&item); }
    void advance(bool next) override { advances.push_back(next); }
    void progress(int done, int total) override
    {
        progressDone = done;
        progressTotal = total;
    }
    void consoleText(std::string_view t) override { text += t; }

    std::vector<RunPhase> phases;
    std::string version, codebase;
    std::vector<CDpctData*> finished;
    std::vector<bool> advances;
    int progressDone = 0, progressTotal = 0;
    std::string text;
};

} // namespace tovalo::test
