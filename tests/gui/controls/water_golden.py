#!/usr/bin/env python3
"""Writes the golden frames of the water routine (data/water_golden.txt).

A reference written directly from the routine's formulas, independent of the C++ code: a small
picture, a fixed sequence of drops and steps, and after every step the display picture and
both height maps. Python's integers do not overflow and its >> on negative numbers rounds
towards minus infinity, as the routine's arithmetic shift does.

Pictures and maps are W x H lists stored bottom-up (index i = y * W + x), pixels 0x00RRGGBB.
Run it from anywhere; it rewrites the data file next to it.
"""
import os

W, H = 16, 12
DAMPING_SHIFT = 5


def source_picture():
    # A picture with distinct colours in every pixel, channels near both ends of 0..255 so
    # that the shading clamps.
    pix = []
    for y in range(H):
        for x in range(W):
            r = (x * 17 + y * 5) % 256
            g = (255 - x * 9 - y * 13) % 256
            b = (x * y * 7 + 3) % 256
            pix.append((r << 16) | (g << 8) | b)
    return pix


def initial_display():
    # The plain bitmap shown before the first frame: a different picture, so that a pixel the
    # step must not write (the border, or a displacement outside the picture) is recognisable.
    return [(0x10 << 16) | ((i * 3) % 256 << 8) | (i % 256) for i in range(W * H)]


class Water:
    def __init__(self):
        self.a = [0] * (W * H)
        self.b = [0] * (W * H)
        self.page = 0

    def drop(self, x, y, r, s):
        target = self.a if self.page == 0 else self.b
        for v in range(-r, r):
            for u in range(-r, r):
                if u * u + v * v >= r * r:
                    continue
                cx, cy = x + u, y + v
                if cx < 1 or cx > W - 2 or cy < 1 or cy > H - 2:
                    continue
                target[cy * W + cx] += s

    def step(self, src, dst):
        a = self.a
        for y in range(1, H - 1):
            for x in range(1, W - 1):
                i = y * W + x
                dx = a[i] - a[i + 1]
                dy = a[i] - a[i + W]
                j = i + W * (dy >> 3) + (dx >> 3)
                if 0 < j < W * H:
                    p = src[j]
                    out = 0
                    for shift in (16, 8, 0):
                        c = ((p >> shift) & 0xFF) - dx
                        c = max(0, min(255, c))
                        out |= c << shift
                    dst[i] = out
        new, old = (self.a, self.b) if self.page == 0 else (self.b, self.a)
        for y in range(1, H - 1):
            for x in range(1, W - 1):
                i = y * W + x
                n = (old[i - W - 1] + old[i - W + 1] + old[i + W - 1] + old[i + W + 1] +
                     old[i - W] + old[i + W] + old[i - 1] + old[i + 1]) >> 2
                n -= new[i]
                new[i] = n - (n >> DAMPING_SHIFT)
        self.page = 1 - self.page


# The sequence: drops of both mouse sizes (a radius-50 press covers the whole small picture),
# drops at and beyond the edges, and steps on both pages.
SEQUENCE = [
    ("drop", 7, 5, 3, 500),
    ("step",), ("step",), ("step",),
    ("drop", 1, 1, 2, 50),
    ("drop", 14, 10, 4, 300),
    ("step",), ("step",),
    ("drop", 0, 11, 5, 50),
    ("step",), ("step",), ("step",),
    ("drop", 8, 6, 50, 500),
    ("step",), ("step",),
    ("drop", 3, 9, 5, 50),
    ("step",), ("step",), ("step",), ("step",), ("step",),
]


def hexes(values, signed=False):
    return " ".join(str(v) if signed else "%06x" % v for v in values)


def main():
    src = source_picture()
    dst = initial_display()
    water = Water()
    lines = ["# Golden frames of the water routine, written by water_golden.py; do not edit.",
             "size %d %d" % (W, H), "source " + hexes(src), "display " + hexes(dst)]
    for op in SEQUENCE:
        if op[0] == "drop":
            water.drop(*op[1:])
            lines.append("drop %d %d %d %d" % op[1:])
        else:
            water.step(src, dst)
            lines.append("step")
            lines.append("expect-display " + hexes(dst))
            lines.append("expect-a " + hexes(water.a, True))
            lines.append("expect-b " + hexes(water.b, True))
            lines.append("expect-page %d" % water.page)
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "data", "water_golden.txt")
    with open(path, "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
