#include "controls/water_routine.h"

#include <algorithm>

namespace tovalo::gui {

namespace {

// Heights are kept within +-2^27, far beyond any the mouse makes (a few tens of thousands at
// most), so that the sum of eight neighbours and every difference fit in 32 bits and a
// pathological stream of drops can never overflow.
constexpr std::int32_t kHeightLimit = std::int32_t{1} << 27;

std::int32_t limited(std::int32_t value)
{
    return std::clamp(value, -kHeightLimit, kHeightLimit);
}

std::uint32_t shaded(std::uint32_t pixel, std::int32_t shade)
{
    const auto channel = [&](int shift) {
        const std::int32_t value = static_cast<std::int32_t>((pixel >> shift) & 0xFFu) - shade;
        return static_cast<std::uint32_t>(std::clamp(value, 0, 255)) << shift;
    };
    return channel(16) | channel(8) | channel(0);
}

} // namespace

void CWaterRoutine::reset(int width, int height)
{
    if (width < 1 || height < 1)
        width = height = 0;
    width_ = width;
    height_ = height;
    page_ = 0;
    quietSteps_ = 0;
    const auto cells = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    mapA_.assign(cells, 0);
    mapB_.assign(cells, 0);
}

void CWaterRoutine::clear()
{
    std::fill(mapA_.begin(), mapA_.end(), 0);
    std::fill(mapB_.begin(), mapB_.end(), 0);
    quietSteps_ = 0;
}

bool CWaterRoutine::step(const std::uint32_t* source, std::uint32_t* display)
{
    const int w = width_;
    const std::int64_t cells = std::int64_t{w} * height_;
    bool changed = false;

    // Refraction through map A: each inner pixel shows the source pixel displaced by an eighth
    // of the local slope, darkened (or lightened) by the slope towards the right neighbour.
    const std::int32_t* a = mapA_.data();
    for (int y = 1; y + 1 < height_; ++y) {
        const std::int64_t rowStart = std::int64_t{y} * w;
        for (std::int64_t i = rowStart + 1; i < rowStart + w - 1; ++i) {
            const std::int32_t dx = a[i] - a[i + 1];
            const std::int32_t dy = a[i] - a[i + w];
            const std::int64_t j = i + std::int64_t{w} * (dy >> 3) + (dx >> 3);
            if (j <= 0 || j >= cells)
                continue;
            const std::uint32_t s = source[j];
            const std::uint32_t pixel = fourthByte_ | (dx == 0 ? s & 0x00FFFFFFu : shaded(s, dx));
            changed = changed || display[i] != pixel;
            display[i] = pixel;
        }
    }

    // Propagation: the written map becomes twice the mean of the eight neighbours in the other
    // map minus its own earlier value, less 1/32 of that.
    std::int32_t* next = page_ == 0 ? mapA_.data() : mapB_.data();
    const std::int32_t* old = page_ == 0 ? mapB_.data() : mapA_.data();
    for (int y = 1; y + 1 < height_; ++y) {
        std::int32_t* out = next + std::int64_t{y} * w;
        const std::int32_t* up = old + std::int64_t{y + 1} * w;
        const std::int32_t* mid = old + std::int64_t{y} * w;
        const std::int32_t* down = old + std::int64_t{y - 1} * w;
        std::int32_t rowChanged = 0;
        for (int x = 1; x < w - 1; ++x) {
            std::int32_t n = (down[x - 1] + down[x + 1] + up[x - 1] + up[x + 1] + down[x] + up[x] +
                              mid[x - 1] + mid[x + 1]) >>
                             2;
            n -= out[x];
            const std::int32_t value = limited(n - (n >> kDampingShift));
            rowChanged |= value ^ out[x];
            out[x] = value;
        }
        changed = changed || rowChanged != 0;
    }

    page_ = 1 - page_;
    quietSteps_ = changed ? 0 : std::min(quietSteps_ + 1, 2);
    return changed;
}

void CWaterRoutine::drop(int x, int y, int radius, int strength)
{
    if (radius <= 0 || width_ < 3 || height_ < 3)
        return;
    std::int32_t* map = page_ == 0 ? mapA_.data() : mapB_.data();
    const std::int64_t r = radius;
    // Only offsets whose cell lies in the inner area are visited.
    const std::int64_t uFirst = std::max<std::int64_t>(-r, 1 - std::int64_t{x});
    const std::int64_t uLast = std::min<std::int64_t>(r - 1, width_ - 2 - std::int64_t{x});
    const std::int64_t vFirst = std::max<std::int64_t>(-r, 1 - std::int64_t{y});
    const std::int64_t vLast = std::min<std::int64_t>(r - 1, height_ - 2 - std::int64_t{y});
    bool touched = false;
    for (std::int64_t v = vFirst; v <= vLast; ++v) {
        for (std::int64_t u = uFirst; u <= uLast; ++u) {
            if (u * u + v * v >= r * r)
                continue;
            std::int32_t& cell = map[(y + v) * std::int64_t{width_} + x + u];
            cell = static_cast<std::int32_t>(
                std::clamp<std::int64_t>(std::int64_t{cell} + strength, -kHeightLimit, kHeightLimit));
            touched = true;
        }
    }
    if (touched)
        quietSteps_ = 0;
}

} // namespace tovalo::gui
