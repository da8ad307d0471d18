#!/usr/bin/env python3
"""Draws Tovalo's toolbar and program icons.

Writes one SVG per icon into icons/src/ and renders the PNGs the program embeds with
ImageMagick: <name>.png (normal), <name>-disabled.png (grey, faded) and <name>-hot.png
(brighter, for the button under the mouse), 48 x 48 pixels; the program icon tovalo.png at
256 pixels and the tab icon document.png at 16 pixels; and the program icon in the sizes a
desktop's icon theme asks for, icons/app/tovalo-<size>.png, installed with the program. Run it
after changing a drawing and commit the results:  python3 resources/make-icons.py
"""
import math
import os
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
SRC = os.path.join(HERE, "icons", "src")
OUT = os.path.join(HERE, "icons")

PAGE = ('<path d="M10 4 H30 L38 12 V44 H10 Z" fill="#ffffff" stroke="#4a5568" stroke-width="2"/>'
        '<path d="M30 4 V12 H38" fill="#dfe6ee" stroke="#4a5568" stroke-width="2"/>')
LIST = ''.join(f'<rect x="8" y="{y}" width="28" height="6" rx="1" fill="{c}" stroke="#3c4a5c" stroke-width="1.5"/>'
               for y, c in ((8, "#e8f1fb"), (17, "#cfe2f7"), (26, "#e8f1fb"), (35, "#cfe2f7")))
FLOPPY = ('<rect x="6" y="6" width="36" height="36" rx="3" fill="#2f6db5" stroke="#1d3f69" stroke-width="2"/>'
          '<rect x="13" y="6" width="20" height="13" fill="#e9eef5" stroke="#1d3f69" stroke-width="1.5"/>'
          '<rect x="27" y="8" width="4" height="9" fill="#2f6db5"/>'
          '<rect x="11" y="26" width="26" height="16" fill="#ffffff" stroke="#1d3f69" stroke-width="1.5"/>'
          '<line x1="14" y1="31" x2="34" y2="31" stroke="#9aa9bb" stroke-width="1.5"/>'
          '<line x1="14" y1="36" x2="34" y2="36" stroke="#9aa9bb" stroke-width="1.5"/>')


def plus(cx, cy, color="#2e9e3f"):
    return (f'<circle cx="{cx}" cy="{cy}" r="9" fill="{color}" stroke="#1c6b29" stroke-width="1.5"/>'
            f'<rect x="{cx-5}" y="{cy-1.5}" width="10" height="3" fill="#ffffff"/>'
            f'<rect x="{cx-1.5}" y="{cy-5}" width="3" height="10" fill="#ffffff"/>')


def cross(cx, cy, r=9):
    return (f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="#d33a2c" stroke="#8e1f16" stroke-width="1.5"/>'
            f'<path d="M{cx-4} {cy-4} L{cx+4} {cy+4} M{cx+4} {cy-4} L{cx-4} {cy+4}" stroke="#ffffff" '
            f'stroke-width="3" stroke-linecap="round"/>')


def gear(cx, cy, teeth=8, outer=21, inner=15):
    points = []
    for i in range(teeth * 4):
        angle = math.pi * 2 * i / (teeth * 4)
        r = outer if i % 4 in (1, 2) else inner
        points.append(f"{cx + r * math.cos(angle):.2f},{cy + r * math.sin(angle):.2f}")
    return f'<polygon points="{" ".join(points)}" fill="#6b7a8f" stroke="#2f3b4a" stroke-width="1.5"/>'


ICONS = {
    "new": PAGE + plus(34, 35),
    "open": ('<path d="M4 12 H18 L22 16 H40 V40 H4 Z" fill="#e8b33a" stroke="#8a6412" stroke-width="2"/>'
             '<path d="M4 40 L12 22 H46 L40 40 Z" fill="#f7d36b" stroke="#8a6412" stroke-width="2"/>'),
    "save": FLOPPY,
    "saveas": FLOPPY + ('<path d="M30 44 L32 36 L44 24 L48 28 L36 40 Z" fill="#f0a030" stroke="#7a4b0c" '
                        'stroke-width="1.5"/><path d="M30 44 L32 36 L36 40 Z" fill="#3b3b3b"/>'),
    "add": LIST + plus(36, 36),
    "update": LIST + ('<circle cx="36" cy="36" r="10" fill="#f39c12" stroke="#8a5506" stroke-width="1.5"/>'
                      '<path d="M31 36 A5 5 0 1 1 36 41" fill="none" stroke="#ffffff" stroke-width="2.5"/>'
                      '<path d="M27 35 L31 40 L35 35 Z" fill="#ffffff"/>'),
    "delete": LIST + cross(36, 36),
    "deleteall": (''.join(f'<rect x="{x}" y="{y}" width="26" height="30" rx="2" fill="#e8f1fb" '
                          f'stroke="#3c4a5c" stroke-width="1.5"/>' for x, y in ((14, 4), (10, 8), (6, 12)))
                  + cross(34, 34, 11)),
    "start": ('<circle cx="24" cy="24" r="20" fill="#2e9e3f" stroke="#1c6b29" stroke-width="2"/>'
              '<path d="M18 13 L36 24 L18 35 Z" fill="#ffffff"/>'),
    "stop": ('<circle cx="24" cy="24" r="20" fill="#d33a2c" stroke="#8e1f16" stroke-width="2"/>'
             '<rect x="15" y="15" width="18" height="18" rx="2" fill="#ffffff"/>'),
    "pause": ('<circle cx="24" cy="24" r="20" fill="#2f6db5" stroke="#1d3f69" stroke-width="2"/>'
              '<rect x="15" y="14" width="6" height="20" rx="1" fill="#ffffff"/>'
              '<rect x="27" y="14" width="6" height="20" rx="1" fill="#ffffff"/>'),
    "options": (gear(24, 24) + '<circle cx="24" cy="24" r="6" fill="#e9eef5" stroke="#2f3b4a" stroke-width="2"/>'),
}

APP = ('<rect x="8" y="8" width="240" height="240" rx="44" fill="#1b6f86"/>'
       '<rect x="8" y="8" width="240" height="120" rx="44" fill="#2a94ad"/>'
       '<rect x="8" y="84" width="240" height="44" fill="#2a94ad"/>'
       '<rect x="56" y="58" width="144" height="32" rx="6" fill="#ffffff"/>'
       '<rect x="112" y="58" width="32" height="140" rx="6" fill="#ffffff"/>'
       '<path d="M150 160 H196 V140 L232 176 L196 212 V192 H150 Z" fill="#f5b82e" stroke="#8a5a00" '
       'stroke-width="4"/>')
DOCUMENT = ('<path d="M3 1 H10 L13 4 V15 H3 Z" fill="#ffffff" stroke="#2f6db5" stroke-width="1"/>'
            '<line x1="5" y1="7" x2="11" y2="7" stroke="#2f6db5"/><line x1="5" y1="10" x2="11" y2="10" '
            'stroke="#2f6db5"/><line x1="5" y1="13" x2="9" y2="13" stroke="#2f6db5"/>')


def svg(body, size):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" '
            f'viewBox="0 0 {size} {size}">{body}</svg>\n')


def render(src, dst, extra=()):
    subprocess.run(["convert", "-background", "none", "-density", "96", src, *extra, "-depth", "8", "-strip",
                    "-define", "png:exclude-chunks=date,time", dst], check=True)


def main():
    os.makedirs(SRC, exist_ok=True)
    for name, body in ICONS.items():
        src = os.path.join(SRC, name + ".svg")
        with open(src, "w") as f:
            f.write(svg(body, 48))
        render(src, os.path.join(OUT, name + ".png"))
        render(src, os.path.join(OUT, name + "-disabled.png"),
               ["-colorspace", "Gray", "-level", "-40%,100%", "-channel", "A", "-evaluate", "multiply", "0.45",
                "+channel"])
        render(src, os.path.join(OUT, name + "-hot.png"), ["-modulate", "115,125"])
    for name, body, size in (("tovalo", APP, 256), ("document", DOCUMENT, 16)):
        src = os.path.join(SRC, name + ".svg")
        with open(src, "w") as f:
            f.write(svg(body, size))
        render(src, os.path.join(OUT, name + ".png"))
    # The program icon for the desktop's icon theme, drawn from the same picture at each size.
    app = os.path.join(OUT, "app")
    os.makedirs(app, exist_ok=True)
    for size in APP_SIZES:
        render(os.path.join(SRC, "tovalo.svg"), os.path.join(app, f"tovalo-{size}.png"),
               ["-resize", f"{size}x{size}"])


APP_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)

if __name__ == "__main__":
    main()
