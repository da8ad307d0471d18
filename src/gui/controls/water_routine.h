#pragma once
// CWaterRoutine: the water surface behind the about box's rippling picture. Plain C++ without
// any window or Qt type: pixels in, pixels out, so that it is tested and timed on its own.
//
// Pictures and height maps are width x height arrays stored bottom-up (row 0 is the bottom row
// of the picture, as in a device-independent bitmap), one 32-bit pixel 0x00RRGGBB per cell.
// Two height maps hold the surface at two successive steps; the page says which one the next
// step writes (page 0: map A from map B; page 1: map B from map A). The picture is always
// refracted through map A. Only integer arithmetic is used (shifts, no division).
//
// Nothing outside rows 1..H-2 and columns 1..W-2 is ever written: not in either map (drops
// are clipped) and not in the display picture, whose border keeps what the caller put there.

#include <cstdint>
#include <vector>

namespace tovalo::gui {

class CWaterRoutine
{
public:
    /// Damping: each step removes 1/2^shift of the new height.
    static constexpr int kDampingShift = 5;
    /// Drops from the mouse: with the left button held, and without it.
    static constexpr int kPressRadius = 50;
    static constexpr int kPressStrength = 500;
    static constexpr int kMoveRadius = 5;
    static constexpr int kMoveStrength = 50;

    /// Sets the size; both maps are zeroed, page 0. A size below 1 in either direction gives
    /// an empty field on which step() and drop() do nothing.
    void reset(int width, int height);
    /// Zeroes both maps (flat water); the page is kept.
    void clear();

    /// One frame: refracts `source` into `display` through map A, then propagates the surface
    /// and turns the page. Both arrays hold width() * height() pixels and must not overlap.
    /// Returns whether anything changed: a height in the written map or a pixel of `display`.
    bool step(const std::uint32_t* source, std::uint32_t* display);

    /// Adds `strength` to every cell of the map the next step writes whose offset (u, v) from
    /// (x, y), with u and v in [-radius, radius), lies inside the circle u^2 + v^2 < radius^2;
    /// cells outside the inner area are left out. `y` is a picture row (bottom-up).
    void drop(int x, int y, int radius, int strength);

    /// The picture row of client row `clientY` of a control showing the picture top-down at
    /// its top-left corner.
    int pictureRow(int clientY) const { return height_ - clientY; }

    /// True once two successive steps changed nothing: from then on every step leaves maps
    /// and display exactly as they are, so the caller may stop stepping. A drop or clear()
    /// ends the rest.
    bool atRest() const { return quietSteps_ >= 2; }

    /// The value written into the fourth byte (bits 24..31) of every display pixel a step
    /// writes: 0 as in a device-independent bitmap (the default); a Qt RGB32 image wants 0xFF.
    void setFourthByte(std::uint8_t value) { fourthByte_ = std::uint32_t{value} << 24; }

    int width() const { return width_; }
    int height() const { return height_; }
    int page() const { return page_; }
    const std::vector<std::int32_t>& mapA() const { return mapA_; }
    const std::vector<std::int32_t>& mapB() const { return mapB_; }

private:
    int width_ = 0;
    int height_ = 0;
    int page_ = 0;
    int quietSteps_ = 0;
    std::uint32_t fourthByte_ = 0;
    std::vector<std::int32_t> mapA_;
    std::vector<std::int32_t> mapB_;
};

} // namespace tovalo::gui
