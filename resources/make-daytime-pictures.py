#!/usr/bin/env python3
"""Paints the six pictures of the about box, one per four hours of the local day.

    daytime/0-night.png      0:00 to 3:59   moon and stars over a lake between mountains
    daytime/1-dawn.png       4:00 to 7:59   the sun on the horizon behind dark hills
    daytime/2-morning.png    8:00 to 11:59  clear sky, clouds, green hills and a blue lake
    daytime/3-noon.png       12:00 to 15:59 a high sun over the sea and a pale beach
    daytime/4-afternoon.png  16:00 to 19:59 a low golden sun, trees against the light
    daytime/5-evening.png    20:00 to 23:59 twilight, a rising moon over a misty lake

384 x 160 pixels each. The lower part of every picture, where the caption is written, is kept
light or dark enough for the caption colour of its hours. Only Python's standard library is
used (the PNGs are written with zlib), and the drawing is deterministic: running it again gives
the same files. The PNGs are committed, so the build does not run this script:
    python3 resources/make-daytime-pictures.py
"""
import math
import os
import random
import struct
import zlib

W, H = 384, 160
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "daytime")


class Canvas:
    def __init__(self):
        self.px = [[(0.0, 0.0, 0.0)] * W for _ in range(H)]

    def blend(self, x, y, color, alpha):
        if 0 <= x < W and 0 <= y < H and alpha > 0:
            a = min(1.0, alpha)
            r, g, b = self.px[y][x]
            self.px[y][x] = (r + (color[0] - r) * a, g + (color[1] - g) * a, b + (color[2] - b) * a)

    def vertical_gradient(self, top, bottom, stops):
        """Fills rows top..bottom-1 with colours interpolated between (position, colour) stops."""
        for y in range(top, bottom):
            t = (y - top) / max(1, bottom - top - 1)
            color = interpolate(stops, t)
            self.px[y] = [color] * W

    def disc(self, cx, cy, radius, color, alpha=1.0):
        for y in range(int(cy - radius - 2), int(cy + radius + 3)):
            for x in range(int(cx - radius - 2), int(cx + radius + 3)):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                self.blend(x, y, color, alpha * clamp(radius - d + 0.5))

    def crescent(self, cx, cy, radius, color, offset):
        """A disc of `radius` less a disc of the same size moved by `offset` (dx, dy)."""
        for y in range(int(cy - radius - 2), int(cy + radius + 3)):
            for x in range(int(cx - radius - 2), int(cx + radius + 3)):
                lit = clamp(radius - math.hypot(x + 0.5 - cx, y + 0.5 - cy) + 0.5)
                dark = clamp(radius - math.hypot(x + 0.5 - cx - offset[0], y + 0.5 - cy - offset[1]) + 0.5)
                self.blend(x, y, color, lit * (1 - dark))

    def shimmer(self, cx, top, bottom, half_width, color, strength, seed):
        """Broken bright dashes on water below a light source, widening towards the viewer."""
        rnd = random.Random(seed)
        for y in range(top, bottom):
            width = half_width * (0.4 + 0.6 * (y - top) / max(1, bottom - top))
            x = cx - width
            while x < cx + width:
                length = rnd.uniform(2, 7)
                if rnd.random() < 0.55:
                    fade = 1 - abs(x - cx) / width
                    for k in range(int(length)):
                        self.blend(int(x) + k, y, color, strength * fade)
                x += length + rnd.uniform(1, 5)

    def glow(self, cx, cy, radius, color, strength):
        for y in range(int(cy - radius), int(cy + radius) + 1):
            for x in range(int(cx - radius), int(cx + radius) + 1):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy) / radius
                if d < 1:
                    self.blend(x, y, color, strength * (1 - d) ** 2)

    def ridge(self, height_at, color, bottom=H, shade=None):
        """Fills below the curve y = height_at(x) down to `bottom`, with an anti-aliased edge;
        `shade(x, depth)` may return a colour per pixel instead of the flat one."""
        for x in range(W):
            top = height_at(x + 0.5)
            for y in range(max(0, int(top)), bottom):
                c = shade(x, y - top) if shade else color
                self.blend(x, y, c, clamp(y + 1 - top))

    def reflect(self, horizon, strength, tint, ripple=0.0, seed=0):
        """Mirrors the rows above `horizon` into the rows below it, darkened towards `tint`, with
        horizontal ripple bands."""
        rnd = random.Random(seed)
        bands = [rnd.uniform(-1, 1) for _ in range(H)]
        for y in range(horizon, H):
            src = horizon - 1 - (y - horizon)
            if src < 0:
                src = 0
            shift = int(round(ripple * bands[y] * (y - horizon + 4) / 16))
            row = self.px[src]
            new = []
            for x in range(W):
                r, g, b = row[min(W - 1, max(0, x + shift))]
                new.append((r + (tint[0] - r) * strength, g + (tint[1] - g) * strength,
                            b + (tint[2] - b) * strength))
            self.px[y] = new

    def write(self, path):
        raw = bytearray()
        for row in self.px:
            raw.append(0)
            for r, g, b in row:
                raw += bytes((to_byte(r), to_byte(g), to_byte(b)))

        def chunk(kind, data):
            return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

        png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", W, H, 8, 2, 0, 0, 0))
        png += chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b"")
        with open(path, "wb") as f:
            f.write(png)


def clamp(v):
    return max(0.0, min(1.0, v))


def to_byte(v):
    return max(0, min(255, int(round(v))))


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def interpolate(stops, t):
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            return mix(c0, c1, (t - t0) / max(1e-9, t1 - t0))
    return stops[-1][1]


def waves(*terms):
    """A skyline: base height plus a sum of (amplitude, period, phase) sines."""
    base, rest = terms[0], terms[1:]
    return lambda x: base + sum(a * math.sin(x / p * 2 * math.pi + ph) for a, p, ph in rest)


def stars(canvas, count, bottom, seed, color=(255, 255, 240)):
    rnd = random.Random(seed)
    for _ in range(count):
        x, y = rnd.randrange(W), rnd.randrange(bottom)
        canvas.blend(x, y, color, rnd.uniform(0.35, 1.0))
        if rnd.random() < 0.08:
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                canvas.blend(x + dx, y + dy, color, 0.35)


def cloud(canvas, cx, cy, scale, color, alpha):
    for dx, dy, r in ((0, 0, 10), (11, -4, 12), (24, 0, 10), (12, 4, 9), (-9, 3, 7), (33, 4, 7)):
        canvas.disc(cx + dx * scale, cy + dy * scale, r * scale, color, alpha)


def tree(canvas, x, ground, height, color):
    for y in range(int(ground - height * 0.25), int(ground) + 1):
        canvas.blend(int(x), y, color, 1)
        canvas.blend(int(x) + 1, y, color, 1)
    canvas.disc(x + 1, ground - height * 0.55, height * 0.32, color)
    canvas.disc(x - height * 0.15, ground - height * 0.4, height * 0.24, color)
    canvas.disc(x + height * 0.2, ground - height * 0.42, height * 0.25, color)


def night():
    c = Canvas()
    c.vertical_gradient(0, H, [(0, (6, 10, 34)), (0.6, (18, 32, 74)), (1, (30, 48, 96))])
    stars(c, 260, 96, seed=1)
    c.glow(300, 30, 60, (120, 140, 200), 0.35)
    c.crescent(300, 30, 14, (246, 243, 222), (6, -4))
    c.ridge(waves(78, (12, 97, 0.4), (7, 41, 1.3), (3, 17, 0.2)), (40, 50, 88))
    c.ridge(waves(92, (8, 71, 2.0), (5, 29, 0.7)), (24, 32, 62))
    c.reflect(104, 0.4, (8, 14, 36), ripple=3, seed=2)
    c.shimmer(300, 106, H, 30, (230, 228, 200), 0.55, seed=9)
    return c


def dawn():
    c = Canvas()
    c.vertical_gradient(0, 100, [(0, (40, 38, 92)), (0.45, (128, 78, 134)), (0.8, (232, 134, 104)),
                                 (1, (252, 196, 120))])
    stars(c, 40, 30, seed=3, color=(255, 240, 230))
    c.glow(120, 88, 110, (255, 200, 130), 0.6)
    c.disc(120, 88, 18, (255, 226, 160))
    cloud(c, 230, 40, 1.2, (230, 140, 150), 0.55)
    cloud(c, 40, 55, 0.9, (214, 120, 140), 0.5)
    c.ridge(waves(86, (9, 130, 0.3), (5, 47, 1.1), (2, 13, 0.5)), (72, 52, 90))
    c.ridge(waves(96, (6, 83, 2.3), (4, 31, 0.1)), (44, 32, 62), bottom=100)
    c.reflect(100, 0.5, (30, 24, 56), ripple=4, seed=4)
    c.shimmer(120, 101, H, 28, (255, 210, 150), 0.5, seed=10)
    return c


def morning():
    c = Canvas()
    c.vertical_gradient(0, 92, [(0, (70, 140, 220)), (1, (176, 214, 242))])
    c.glow(60, 24, 70, (255, 255, 230), 0.5)
    c.disc(60, 24, 13, (255, 252, 228))
    cloud(c, 150, 28, 1.0, (255, 255, 255), 0.85)
    cloud(c, 280, 18, 0.8, (250, 252, 255), 0.8)
    cloud(c, 330, 50, 0.6, (245, 248, 255), 0.7)
    c.ridge(waves(74, (10, 150, 1.7), (4, 53, 0.4)), (110, 150, 180))  # far mountains
    c.ridge(waves(86, (6, 110, 0.9), (3, 37, 2.2)), (70, 140, 70),
            shade=lambda x, d: mix((96, 168, 84), (44, 108, 52), clamp(d / 14)))
    c.ridge(lambda x: 96.0, (0, 0, 0))
    c.vertical_gradient(96, H, [(0, (40, 104, 170)), (1, (16, 56, 116))])
    c.reflect(96, 0.55, (20, 70, 140), ripple=3, seed=5)
    for y in range(100, H, 7):
        for x in range((y * 37) % 23, W, 41):
            for k in range(8):
                c.blend(x + k, y, (200, 230, 255), 0.25)
    return c


def noon():
    c = Canvas()
    c.vertical_gradient(0, 70, [(0, (96, 170, 236)), (1, (196, 228, 250))])
    c.glow(270, 16, 80, (255, 255, 240), 0.6)
    c.disc(270, 16, 12, (255, 255, 246))
    cloud(c, 60, 22, 0.9, (255, 255, 255), 0.9)
    cloud(c, 170, 40, 0.6, (255, 255, 255), 0.75)
    c.vertical_gradient(70, H, [(0, (60, 150, 200)), (0.33, (110, 200, 214)), (1, (110, 200, 214))])
    for y in range(72, 100, 4):
        for x in range((y * 29) % 17, W, 27):
            for k in range(6):
                c.blend(x + k, y, (235, 250, 255), 0.45)
    # surf line and a pale beach where the caption sits
    c.ridge(waves(100, (2.5, 60, 0.3), (1.2, 21, 1.4)), (236, 246, 248))
    c.ridge(waves(104, (2.5, 60, 0.3), (1.2, 21, 1.4)), (244, 232, 206),
            shade=lambda x, d: mix((240, 226, 196), (250, 240, 218), clamp(d / 50)))
    rnd = random.Random(6)
    for _ in range(500):
        c.blend(rnd.randrange(W), rnd.randrange(106, H), (214, 196, 160), 0.35)
    return c


def afternoon():
    c = Canvas()
    c.vertical_gradient(0, 104, [(0, (78, 110, 170)), (0.5, (224, 158, 92)), (1, (250, 196, 104))])
    c.glow(270, 84, 120, (255, 214, 140), 0.65)
    c.disc(270, 84, 17, (255, 236, 176))
    cloud(c, 90, 30, 1.1, (236, 170, 120), 0.6)
    cloud(c, 320, 36, 0.7, (244, 184, 128), 0.5)
    c.ridge(waves(92, (6, 140, 0.6), (3, 43, 1.9)), (120, 82, 70))
    c.ridge(lambda x: 104.0, (0, 0, 0))
    c.vertical_gradient(104, H, [(0, (110, 70, 48)), (1, (54, 34, 28))])
    c.reflect(104, 0.55, (60, 36, 30), ripple=5, seed=7)
    c.shimmer(270, 105, H, 30, (255, 220, 150), 0.45, seed=12)
    for x, h in ((18, 40), (44, 52), (70, 36), (350, 48), (372, 38)):
        tree(c, x, 104, h, (56, 36, 30))
    return c


def evening():
    c = Canvas()
    c.vertical_gradient(0, 96, [(0, (16, 22, 60)), (0.6, (52, 62, 118)), (1, (150, 128, 156))])
    stars(c, 90, 60, seed=8)
    c.glow(96, 70, 60, (236, 230, 200), 0.4)
    c.disc(96, 70, 15, (250, 244, 214))
    c.ridge(waves(84, (5, 120, 2.6), (3, 35, 0.9)), (60, 64, 104))
    for x in range(200, 380, 9):
        # lit windows of a far town
        c.blend(x, 86 - (x % 4), (255, 214, 120), 0.9)
    c.ridge(lambda x: 96.0, (0, 0, 0))
    # mist over the lake: pale where the caption sits
    c.vertical_gradient(96, H, [(0, (150, 150, 180)), (0.4, (200, 204, 222)), (1, (214, 218, 232))])
    for y in range(98, H, 5):
        for x in range((y * 31) % 19, W, 33):
            for k in range(10):
                c.blend(x + k, y, (236, 238, 246), 0.35)
    c.shimmer(96, 97, 130, 16, (255, 250, 224), 0.6, seed=11)
    return c


SCENES = [("0-night", night), ("1-dawn", dawn), ("2-morning", morning), ("3-noon", noon),
          ("4-afternoon", afternoon), ("5-evening", evening)]


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, paint in SCENES:
        path = os.path.join(OUT, name + ".png")
        paint().write(path)
        print(path)


if __name__ == "__main__":
    main()
