// Importing a compilation database of 50,000 entries: read, JSON, entries, items, missing files.

#include "base/file_io.h"
#include "base/json.h"
#include "base/text.h"
#include "data/compile_db_import.h"

#include <filesystem>

#include <benchmark/benchmark.h>

using namespace tovalo;

namespace {

// A database like Bear's (`arguments`) or CMake's (`command`): two sources in five are CUDA
// (nvcc), one entry in ten compiles a CUDA source a second time, the rest is host C++. About 25
// arguments an entry, as real builds have.
std::string makeDatabase(int entries, bool commands)
{
    JsonWriter json;
    json.beginArray(JsonWriter::Layout::Lines);
    for (int i = 0; i < entries; ++i) {
        // Entry i - 9 of a tenth entry compiles a CUDA source: (i - 9) % 5 == 0.
        const bool again = i % 10 == 9;
        const int n = again ? i - 9 : i;
        const bool cuda = n % 5 < 2;
        const std::string folder = "/home/user/project/src/module" + std::to_string(n % 211);
        const std::string file = folder + "/unit" + std::to_string(n) + (cuda ? ".cu" : ".cpp");
        std::vector<std::string> args = {cuda ? "/usr/local/cuda/bin/nvcc" : "/usr/bin/c++"};
        for (int k = 0; k < 8; ++k)
            args.push_back("-I/home/user/project/include/dir" + std::to_string(k));
        for (int k = 0; k < 8; ++k)
            args.push_back("-DFEATURE_" + std::to_string(k) + "=" + std::to_string(i % 3));
        for (const char* a : {"-O2", "-g", "-std=c++17", "-fPIC", "-Wall", "-c", "-o"})
            args.emplace_back(a);
        args.push_back("CMakeFiles/target.dir/unit" + std::to_string(i) + ".o");
        args.push_back(file);
        json.beginObject(JsonWriter::Layout::Lines);
        json.key("directory").string("/home/user/project/build");
        if (commands) {
            std::string line;
            for (const std::string& a : args)
                line += (line.empty() ? "" : " ") + a;
            json.key("command").string(line);
        } else {
            json.key("arguments").beginArray();
            for (const std::string& a : args)
                json.string(a);
            json.endArray();
        }
        json.key("file").string(file);
        json.key("output").string("CMakeFiles/target.dir/unit" + std::to_string(i) + ".o");
        json.endObject();
    }
    json.endArray();
    return json.text();
}

void importBench(benchmark::State& state, bool commands)
{
    const int entries = static_cast<int>(state.range(0));
    const auto dir = std::filesystem::temp_directory_path() / "tovalo-compile-db-bench";
    std::filesystem::create_directories(dir);
    const std::string path = utf8FromPath(dir / "compile_commands.json");
    const std::string text = makeDatabase(entries, commands);
    Message error;
    if (!writeFileAtomically(path, text, error)) {
        state.SkipWithError(englishText(error).c_str());
        return;
    }
    ImportResult result;
    for (auto _ : state) {
        if (!importCompileDb(path, {}, result, error)) {
            state.SkipWithError(englishText(error).c_str());
            break;
        }
        benchmark::DoNotOptimize(result.items.data());
    }
    state.counters["items"] = static_cast<double>(result.items.size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
    std::filesystem::remove_all(dir);
}

void BM_ImportCompileDbArguments(benchmark::State& state)
{
    importBench(state, false);
}
BENCHMARK(BM_ImportCompileDbArguments)->Arg(50000)->Unit(benchmark::kMillisecond);

void BM_ImportCompileDbCommands(benchmark::State& state)
{
    importBench(state, true);
}
BENCHMARK(BM_ImportCompileDbCommands)->Arg(50000)->Unit(benchmark::kMillisecond);

} // namespace
