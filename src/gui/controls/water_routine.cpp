#include "controls/water_routine.h"

#include <algorithm>
#include <limits>

namespace tovalo::gui {

namespace {

// Heights stay far inside 32 bits in use (drops add at most a few thousand per frame and every
// step damps); intermediate sums are formed in 64 bits and a result is stored saturated, so
// that a pathological stream of drops can never overflow.
std::int32_t saturated(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

std::uint32_t channel(std::uint32_t pixel, int shift, std::int64_t shade)
{
    const std::int64_t value = static_cast<std::int64_t>((pixel >> shift) & 0xFFu) - shade;
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(value, 0, 255)) << shift;
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
    const std::int64_t w = width_;
    const std::int64_t cells = w * height_;
    bool changed = false;

    // Refraction through map A: each inner pixel shows the source pixel displaced by an eighth
    // of the local slope, darkened (or lightened) by the slope towards the right neighbour.
    const std::int32_t* a = mapA_.data();
    for (std::int64_t y = 1; y + 1 < height_; ++y) {
        for (std::int64_t i = y * w + 1, end = y * w + w - 1; i < end; ++i) {
            const std::int64_t dx = std::int64_t{a[i]} - a[i + 1];
            const std::int64_t dy = std::int64_t{a[i]} - a[i + w];
            const std::int64_t j = i + w * (dy >> 3) + (dx >> 3);
            if (j <= 0 || j >= cells)
                continue;
            const std::uint32_t s = source[j];
            const std::uint32_t pixel = fourthByte_ | channel(s, 16, dx) | channel(s, 8, dx) | channel(s, 0, dx);
            if (display[i] != pixel) {
                display[i] = pixel;
                changed = true;
            }
        }
    }

    // Propagation: the written map becomes twice the mean of the eight neighbours in the other
    // map minus its own earlier value, less 1/32 of that.
    std::int32_t* next = page_ == 0 ? mapA_.data() : mapB_.data();
    const std::int32_t* old = page_ == 0 ? mapB_.data() : mapA_.data();
    for (std::int64_t y = 1; y + 1 < height_; ++y) {
        for (std::int64_t i = y * w + 1, end = y * w + w - 1; i < end; ++i) {
            std::int64_t n = (std::int64_t{old[i - w - 1]} + old[i - w + 1] + old[i + w - 1] + old[i + w + 1] +
                              old[i - w] + old[i + w] + old[i - 1] + old[i + 1]) >>
                             2;
            n -= next[i];
            const std::int32_t value = saturated(n - (n >> kDampingShift));
            if (next[i] != value) {
                next[i] = value;
                changed = true;
            }
        }
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
            cell = saturated(std::int64_t{cell} + strength);
            touched = true;
        }
    }
    if (touched)
        quietSteps_ = 0;
}

} // namespace tovalo::gui
