// The migration report of 10,000 items with 20 diagnostics each: reading the results file and
// writing the page (bench/report_scale.sh measures the whole command and the page in a browser).

#include "data/run_results.h"
#include "report/report_html.h"

#include <benchmark/benchmark.h>

using namespace tovalo;

namespace {

std::vector<CDpctData> makeItems(int count, int perItem)
{
    static const char* const kMessages[] = {
        "Migrated API does not return error code. (*, 0) is inserted. You may need to rewrite this code.",
        "The work-group size passed to the SYCL kernel may exceed the limit. To get the device limit, query "
        "info::device::max_work_group_size. Adjust the work-group size if needed.",
        "SYCL group functions and algorithms must be encountered in converged control flow. You may need to "
        "adjust "
        "the code.",
        "The size of the local memory array was replaced with a value. Modify the code to use the original "
        "expression, provided in comments, if it is correct."};
    std::vector<CDpctData> items(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        CDpctData& item = items[static_cast<std::size_t>(i)];
        item.path = "/home/ci/builds/solver-suite/src/module_" + std::to_string(i % 97) + "/kernel_" +
                    std::to_string(i) + ".cu";
        item.status = i % 9 == 0 ? ItemStatus::ConvertedNg : ItemStatus::ConvertedOk;
        item.elapsedMs = 200 + (i * 7919) % 20000;
        for (int k = 0; k < perItem; ++k) {
            const bool unique = k == 0 && i % 100 == 0;
            item.diagnostics.push_back({item.path, 10 + k * 37, 1 + k % 40, unique ? "error" : "warning",
                                        unique ? "" : "DPCT10" + std::to_string(10 + (i + k) % 4),
                                        unique
                                            ? "use of undeclared identifier 'sym_" + std::to_string(i) + "'"
                                            : kMessages[(i + k) % 4]});
        }
    }
    return items;
}

std::vector<const CDpctData*> pointers(const std::vector<CDpctData>& items)
{
    std::vector<const CDpctData*> p;
    for (const CDpctData& d : items)
        p.push_back(&d);
    return p;
}

void BM_ReadResultsJson(benchmark::State& state)
{
    const auto items = makeItems(static_cast<int>(state.range(0)), 20);
    const std::string json = resultsJson(pointers(items), {"2025.1.0.", "abc", {}}, OutputInResults::LeftOut);
    for (auto _ : state) {
        ResultsHeader header;
        std::vector<CDpctData> read;
        std::string error;
        benchmark::DoNotOptimize(readResultsJson(json, header, read, error));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(json.size()));
}
BENCHMARK(BM_ReadResultsJson)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_MigrationReportHtml(benchmark::State& state)
{
    const auto items = makeItems(static_cast<int>(state.range(0)), 20);
    const auto list = pointers(items);
    const ReportWords words = englishReportWords();
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string html = migrationReportHtml(list, {"2025.1.0.", "abc", {}}, words);
        size = html.size();
        benchmark::DoNotOptimize(html.data());
    }
    state.counters["MB"] = static_cast<double>(size) / 1048576.0;
}
BENCHMARK(BM_MigrationReportHtml)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
