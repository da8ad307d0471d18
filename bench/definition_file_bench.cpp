// Reading and writing a definition file of 10,000 items with many options each.

#include "data/definition_file.h"

#include <cstdio>

#include <benchmark/benchmark.h>

using namespace tovalo;

namespace {

std::vector<CDpctData> makeItems(int count)
{
    std::vector<CDpctData> items(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        CDpctData& item = items[static_cast<std::size_t>(i)];
        item.path = "/home/user/projects/cuda-samples/Samples/" + std::to_string(i % 97) + "_module/kernel_" +
                    std::to_string(i) + ".cu";
        for (const OptionInfo& o : optionTable()) {
            if ((o.slot + i) % 3 == 0)
                continue; // about two thirds of the options on
            item.setOn(o.slot, true);
            if (o.kind == OptionKind::Text)
                item.setText(o.slot, "/home/user/projects/out dir/" + std::string(o.name.substr(2)));
            else if (o.kind == OptionKind::Choice)
                item.setChoiceIndex(o.slot, 0);
        }
    }
    return items;
}

std::tm date()
{
    std::tm tm{};
    tm.tm_year = 126;
    tm.tm_mday = 7;
    tm.tm_mon = 11;
    return tm;
}

void BM_FormatDefinitionText(benchmark::State& state)
{
    const auto items = makeItems(static_cast<int>(state.range(0)));
    std::string text;
    Message error;
    for (auto _ : state) {
        formatDefinitionText(items, date(), "\n", text, error);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_FormatDefinitionText)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ParseDefinitionText(benchmark::State& state)
{
    const auto items = makeItems(static_cast<int>(state.range(0)));
    std::string text;
    Message error;
    formatDefinitionText(items, date(), "\n", text, error);
    for (auto _ : state) {
        ReadResult r = parseDefinitionText(text);
        benchmark::DoNotOptimize(r.items.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ParseDefinitionText)->Arg(10000)->Unit(benchmark::kMillisecond);

// The whole save and open as the program does them: encode, atomic write with fsync, read, decode.
void BM_WriteAndReadFile(benchmark::State& state)
{
    const auto items = makeItems(static_cast<int>(state.range(0)));
    const std::string path = "/tmp/tovalo-bench-definition.txt";
    Message error;
    for (auto _ : state) {
        writeDefinitionFile(path, items, error);
        ReadResult r = readDefinitionFile(path);
        benchmark::DoNotOptimize(r.items.data());
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_WriteAndReadFile)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
