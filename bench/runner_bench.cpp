// Runner benchmarks: output throughput through the engine, and the CPU an idle console uses.
// The per-item overhead against a plain shell loop is measured by per_item_overhead.sh.

#include "runner/console.h"
#include "runner/output_decoder.h"
#include "runner/run_engine.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <ctime>
#include <deque>
#include <mutex>
#include <thread>

#include <benchmark/benchmark.h>

#ifndef _WIN32
#include <sys/resource.h>
#endif

using namespace tovalo;

namespace {

// Takes a fresh engine through the start-up sequence and starts a run of `item`, so the next
// text handed over is that item's dpct output.
void startItem(RunEngine& engine, CDpctData& item)
{
    Message error;
    engine.startUp(error);
    engine.handleConsoleText("\ntovalo> ");
    engine.processPending();
    engine.handleConsoleText("x\n\ntovalo> ");
    engine.processPending();
    engine.handleConsoleText("\ndpct version 18.0.0. Codebase:(c)\n\ntovalo> ");
    item.path = "/work/src/kernel.cu";
    engine.start({&item});
    engine.processPending();
}

class NullConsole : public Console
{
public:
    bool open(WakeFunction, Message&) override { return true; }
    bool isOpen() const override { return true; }
    Dialect dialect() const override { return Dialect::Sh; }
    bool writeCommand(std::string_view, Message&) override { return true; }
    void setReadingPaused(bool) override {}
    bool interruptCommand() override { return false; }
    ConsoleOutput takeOutput() override { return {}; }
    void close() override {}
};

class CountingObserver : public RunObserver
{
public:
    void consoleText(std::string_view t) override { bytes += t.size(); }
    void itemFinished(CDpctData&) override { ++finished; }
    std::size_t bytes = 0;
    int finished = 0;
};

// About `total` bytes of dpct-like warning output, in reads of 64 KiB as the reader makes them.
std::vector<std::string> burst(std::size_t total)
{
    std::string text;
    text.reserve(total + 256);
    int n = 0;
    while (text.size() < total) {
        text += "/work/src/kernel.cu:" + std::to_string(100 + n % 900) +
                ":7: warning: DPCT1049:" + std::to_string(n) +
                ": The work-group size passed to the SYCL kernel may exceed the limit. Adjust it if needed.\n"
                "  263 |       SPMV_ATOMIC<<<num_blocks, block_size>>>(\n      |       ^\n";
        ++n;
    }
    std::vector<std::string> reads;
    for (std::size_t i = 0; i < text.size(); i += 65536)
        reads.push_back(text.substr(i, 65536));
    return reads;
}

// (c) 50 MB of output for one item, decoded and handed to the engine read by read, then the prompt.
void BM_EngineBurst50MB(benchmark::State& state)
{
    const std::vector<std::string> reads = burst(50u << 20);
    std::size_t total = 0;
    for (const std::string& r : reads)
        total += r.size();
    for (auto _ : state) {
        NullConsole console;
        CountingObserver observer;
        RunEngine engine(console, observer, RunEngineConfig{"/opt/intel/oneapi/", 3}, [] {});
        CDpctData item;
        startItem(engine, item);
        OutputDecoder decoder;
        engine.handleConsoleText("Parsing: /work/src/kernel.cu\n");
        for (const std::string& r : reads)
            engine.handleConsoleText(decoder.decode(r));
        engine.handleConsoleText("Processed 1 file(s) in -in-root folder \"/work/src\"\n\ntovalo> ");
        if (item.status != ItemStatus::ConvertedOk)
            state.SkipWithError("the item was not judged OK");
        benchmark::DoNotOptimize(item.resultText.size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(total));
}
BENCHMARK(BM_EngineBurst50MB)->Unit(benchmark::kMillisecond)->Iterations(3);

// A console that hands over prepared pieces of output one at a time and wakes the host while
// pieces remain, as the reader does when dpct writes faster than the host takes.
class PieceConsole : public NullConsole
{
public:
    bool open(WakeFunction wake, Message&) override
    {
        wake_ = std::move(wake);
        return true;
    }
    ConsoleOutput takeOutput() override
    {
        ConsoleOutput o;
        if (!pieces.empty()) {
            o.text = std::move(pieces.front());
            pieces.pop_front();
        }
        if (!pieces.empty())
            wake_();
        return o;
    }
    std::deque<std::string> pieces;

private:
    WakeFunction wake_;
};

// (c'') The same 50 MB handed over in 16 MB pieces, as a busy GUI thread finds it queued: the
// longest single processPending() call is what holds up the host's event loop.
void BM_EngineBurstLongestCall(benchmark::State& state)
{
    std::string text = "Parsing: /work/src/kernel.cu\n";
    for (const std::string& r : burst(50u << 20))
        text += r;
    text += "Processed 1 file(s) in -in-root folder \"/work/src\"\n\ntovalo> ";
    double longestMs = 0;
    int calls = 0;
    for (auto _ : state) {
        state.PauseTiming();
        PieceConsole console;
        CountingObserver observer;
        bool woken = false;
        RunEngine engine(console, observer, RunEngineConfig{"/opt/intel/oneapi/", 3},
                         [&woken] { woken = true; });
        CDpctData item;
        startItem(engine, item);
        for (std::size_t i = 0; i < text.size(); i += 16u << 20)
            console.pieces.push_back(text.substr(i, 16u << 20));
        state.ResumeTiming();
        woken = true;
        while (woken) {
            woken = false;
            const auto t0 = std::chrono::steady_clock::now();
            engine.processPending();
            const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - t0;
            longestMs = std::max(longestMs, took.count());
            ++calls;
        }
        if (item.status != ItemStatus::ConvertedOk)
            state.SkipWithError("the item was not judged OK");
        benchmark::DoNotOptimize(item.resultText.size());
    }
    state.counters["longest_call_ms"] = longestMs;
    state.counters["calls"] = static_cast<double>(calls) / static_cast<double>(state.iterations());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_EngineBurstLongestCall)->Unit(benchmark::kMillisecond)->Iterations(3);

struct Host
{
    std::mutex m;
    std::condition_variable cv;
    bool woken = false;
    void wake()
    {
        {
            std::lock_guard l(m);
            woken = true;
        }
        cv.notify_one();
    }
    void wait()
    {
        std::unique_lock l(m);
        cv.wait(l, [this] { return woken; });
        woken = false;
    }
};

// (c') the same burst through the real interpreter: a command prints 50 MB, the engine reads it.
void BM_ConsoleBurst50MB(benchmark::State& state)
{
    std::string command;
    for (auto _ : state) {
        state.PauseTiming();
        Host host;
        auto console = createPlatformConsole();
        CountingObserver observer;
        RunEngine engine(*console, observer, RunEngineConfig{}, [&host] { host.wake(); });
        Message error;
        engine.startUp(error);
        // Wait for the first prompt (no oneAPI: the engine stays idle and only shows text).
        while (observer.bytes < 8) {
            host.wait();
            engine.processPending();
        }
        const std::size_t before = observer.bytes;
        const bool cmd = console->dialect() == Dialect::Cmd;
        state.ResumeTiming();
        console->writeCommand(cmd ? "for /L %i in (1,1,400000) do @echo "
                                    "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"
                                    "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"
                                  : "head -c 52428800 /dev/zero | tr '\\0' 'x' | fold -w 127",
                              error);
        while (observer.bytes - before < (52428800u / 128u) * 128u) {
            host.wait();
            engine.processPending();
        }
        state.PauseTiming();
        console->close();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 52428800);
}
BENCHMARK(BM_ConsoleBurst50MB)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

#ifndef _WIN32
double cpuSeconds(int who)
{
    rusage u{};
    getrusage(who, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// (b) CPU used by an open console (reader thread and interpreter) idle for 10 s.
void BM_IdleConsole10s(benchmark::State& state)
{
    double percent = 0;
    for (auto _ : state) {
        Host host;
        auto console = createPlatformConsole();
        CountingObserver observer;
        RunEngine engine(*console, observer, RunEngineConfig{}, [&host] { host.wake(); });
        Message error;
        engine.startUp(error);
        while (observer.bytes < 8) {
            host.wait();
            engine.processPending();
        }
        const double self0 = cpuSeconds(RUSAGE_SELF), child0 = cpuSeconds(RUSAGE_CHILDREN);
        std::this_thread::sleep_for(std::chrono::seconds(10));
        const double self1 = cpuSeconds(RUSAGE_SELF);
        console->close(); // reaps the interpreter, so its CPU time is counted in RUSAGE_CHILDREN
        const double child1 = cpuSeconds(RUSAGE_CHILDREN);
        percent = ((self1 - self0) + (child1 - child0)) / 10.0 * 100.0;
    }
    state.counters["cpu_percent_of_one_core"] = percent;
}
BENCHMARK(BM_IdleConsole10s)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
#endif

} // namespace
