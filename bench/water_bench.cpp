// The about box's rippling picture: one frame of the water routine at the picture's size
// (384 x 160), on moving water, and one drop of each mouse size. A frame runs every 40 ms, so
// one step should take well under a millisecond.

#include "controls/water_routine.h"

#include <cstdint>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

constexpr int kWidth = 384;
constexpr int kHeight = 160;

std::vector<std::uint32_t> picture()
{
    std::vector<std::uint32_t> p(static_cast<std::size_t>(kWidth) * kHeight);
    for (std::size_t i = 0; i < p.size(); ++i)
        p[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0x00FFFFFFu;
    return p;
}

void BM_WaterFrame(benchmark::State& state)
{
    const std::vector<std::uint32_t> source = picture();
    std::vector<std::uint32_t> display = source;
    tovalo::gui::CWaterRoutine water;
    water.reset(kWidth, kHeight);
    int n = 0;
    for (auto _ : state) {
        // Keep the surface moving, as under a mouse: a press every 25 frames (a press costs
        // about 4 % of a frame, so it is timed with the frames rather than paused around).
        if (n++ % 25 == 0)
            water.drop((n * 37) % kWidth, (n * 11) % kHeight, tovalo::gui::CWaterRoutine::kPressRadius,
                       tovalo::gui::CWaterRoutine::kPressStrength);
        benchmark::DoNotOptimize(water.step(source.data(), display.data()));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_WaterFrame)->Unit(benchmark::kMicrosecond);

void BM_WaterDrop(benchmark::State& state)
{
    const auto radius = static_cast<int>(state.range(0));
    tovalo::gui::CWaterRoutine water;
    water.reset(kWidth, kHeight);
    for (auto _ : state) {
        water.drop(kWidth / 2, kHeight / 2, radius, 1);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_WaterDrop)
    ->Arg(tovalo::gui::CWaterRoutine::kMoveRadius)
    ->Arg(tovalo::gui::CWaterRoutine::kPressRadius);

} // namespace
