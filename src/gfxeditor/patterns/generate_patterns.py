#!/usr/bin/env python3
"""Writes brushes.txt and textures.txt, Quillo's built-in brush and texture sets.

Every entry is designed here as a small formula over the 16x16 grid; run this
script after changing one and commit the text files it writes.
Usage: generate_patterns.py [FOLDER]  (default: this script's folder)
"""
import math
import os
import sys

SIZE = 16


def grid(inside):
    return [[bool(inside(x, y)) for x in range(SIZE)] for y in range(SIZE)]


def centred(inside):
    # Brush shapes are drawn about the centre of the 16x16 cell block.
    return grid(lambda x, y: inside(x - 7.5, y - 7.5))


def cloud():
    # A fixed pseudo-random scatter, denser in the middle, like an airbrush.
    state, cells = 12345, [[False] * SIZE for _ in range(SIZE)]
    for _ in range(60):
        state = (state * 1103515245 + 12345) % 2 ** 31
        angle = (state % 3600) / 3600 * 2 * math.pi
        state = (state * 1103515245 + 12345) % 2 ** 31
        radius = 7.5 * ((state % 1000) / 1000) ** 0.7
        cells[int(7.5 + radius * math.sin(angle) + 0.5) % SIZE][int(7.5 + radius * math.cos(angle) + 0.5) % SIZE] = True
    return cells


def brushes():
    entries = [("Round dot %d" % r, centred(lambda x, y, r=r: x * x + y * y <= r * r)) for r in (1, 2, 3, 5, 7.5)]
    entries += [
        ("Square 4", centred(lambda x, y: abs(x) < 2 and abs(y) < 2)),
        ("Square 8", centred(lambda x, y: abs(x) < 4 and abs(y) < 4)),
        ("Diamond", centred(lambda x, y: abs(x) + abs(y) <= 7.5)),
        ("Plus", centred(lambda x, y: (abs(x) < 1.5 and abs(y) < 7) or (abs(y) < 1.5 and abs(x) < 7))),
        ("X cross", centred(lambda x, y: abs(abs(x) - abs(y)) < 1.5 and abs(x) < 7)),
        ("Slash", centred(lambda x, y: abs(x + y) < 1.5 and abs(x) < 7)),
        ("Backslash", centred(lambda x, y: abs(x - y) < 1.5 and abs(x) < 7)),
        ("Ring", centred(lambda x, y: 4.5 ** 2 <= x * x + y * y <= 7 ** 2)),
        ("Star", centred(lambda x, y: x * x + y * y <= 2.5 ** 2 or ((abs(x) < 1 or abs(y) < 1 or abs(abs(x) - abs(y)) < 1)
                                                                  and x * x + y * y <= 7.5 ** 2))),
        ("Small pixel", grid(lambda x, y: x == 7 and y == 7)),
        ("Horizontal bar", centred(lambda x, y: abs(y) < 1.5 and abs(x) < 7.5)),
        ("Vertical bar", centred(lambda x, y: abs(x) < 1.5 and abs(y) < 7.5)),
        ("Airbrush cloud", cloud()),
    ]
    return entries


BAYER4 = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


def textures():
    entries = [("Solid", grid(lambda x, y: True))]
    # Ordered dither: level k sets the pixels whose Bayer threshold is below k;
    # 8/16 is the one-pixel checkerboard.
    entries += [("Dither %d/16" % k, grid(lambda x, y, k=k: BAYER4[y % 4][x % 4] < k)) for k in range(1, 16)]
    entries += [("Checkerboard %d" % w, grid(lambda x, y, w=w: (x // w + y // w) % 2 == 0)) for w in (2, 4, 8)]
    entries += [("Horizontal stripes %d" % w, grid(lambda x, y, w=w: (y // w) % 2 == 0)) for w in (1, 2, 4)]
    entries += [("Vertical stripes %d" % w, grid(lambda x, y, w=w: (x // w) % 2 == 0)) for w in (1, 2, 4)]
    entries += [("Diagonal stripes / %d" % w, grid(lambda x, y, w=w: ((x + y) // w) % 2 == 0)) for w in (2, 4)]
    entries += [("Diagonal stripes \\ %d" % w, grid(lambda x, y, w=w: ((x - y) // w) % 2 == 0)) for w in (2, 4)]
    entries += [
        ("Bricks", grid(lambda x, y: y % 8 == 7 or (x + (4 if y % 16 >= 8 else 0)) % 8 == 0 and y % 8 != 7)),
        ("Grid 4", grid(lambda x, y: x % 4 == 0 or y % 4 == 0)),
        ("Grid 8", grid(lambda x, y: x % 8 == 0 or y % 8 == 0)),
        ("Dots 4", grid(lambda x, y: x % 4 < 2 and y % 4 < 2)),
        ("Dots 8", grid(lambda x, y: 2 <= x % 8 <= 4 and 2 <= y % 8 <= 4 and (x % 8 - 3) ** 2 + (y % 8 - 3) ** 2 <= 1)),
        ("Crosshatch", grid(lambda x, y: (x + y) % 8 == 0 or (x - y) % 8 == 0)),
        ("Fine crosshatch", grid(lambda x, y: (x + y) % 4 == 0 or (x - y) % 4 == 0)),
        ("Waves", grid(lambda x, y: (y - round(2 * math.sin(x * math.pi / 8))) % 8 == 0)),
        ("Scales", grid(lambda x, y: abs(math.hypot(x % 8 - 4, y % 8) - 4) < 0.7)),
        ("Weave", grid(lambda x, y: (y % 4 == 1) if (x // 4 + y // 4) % 2 == 0 else (x % 4 == 1))),
        ("Zigzag", grid(lambda x, y: (y - (x % 8 if x % 8 < 4 else 8 - x % 8)) % 8 == 0)),
        ("Diamonds", grid(lambda x, y: abs((x % 8) - 4) + abs((y % 8) - 4) == 4)),
        ("Sparse horizontal lines", grid(lambda x, y: y % 4 == 0)),
        ("Sparse vertical lines", grid(lambda x, y: x % 4 == 0)),
        ("Rings", grid(lambda x, y: 2.5 <= math.hypot(x % 8 - 3.5, y % 8 - 3.5) <= 3.6)),
        ("Herringbone", grid(lambda x, y: (x + (y if (x // 4) % 2 == 0 else -y)) % 4 == 0)),
    ]
    return entries


def write(path, title, entries, count):
    names = [name for name, _ in entries]
    shapes = ["".join("#" if c else "." for row in cells for c in row) for _, cells in entries]
    if len(entries) != count:
        sys.exit("%s: %d entries, expected %d" % (path, len(entries), count))
    if len(set(shapes)) != len(shapes):
        dup = [n for n, s in zip(names, shapes) if shapes.count(s) > 1]
        sys.exit("%s: identical entries: %s" % (path, ", ".join(dup)))
    if any("#" not in s for s in shapes):
        sys.exit("%s: an empty entry" % path)
    out = ["; %s of Quillo's graphics editor, written by generate_patterns.py: edit the recipe there." % title,
           "; 16 rows of 16 pixels an entry, '#' set, '.' clear.", ""]
    for name, cells in entries:
        out.append("name: " + name)
        out += ["".join("#" if c else "." for c in row) for row in cells]
        out.append("")
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(out))


def main(argv):
    folder = argv[1] if len(argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    write(os.path.join(folder, "brushes.txt"), "The built-in brushes", brushes(), 18)
    write(os.path.join(folder, "textures.txt"), "The built-in textures", textures(), 45)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
