#!/usr/bin/env python3
"""Draws a PNG contact sheet of library entries, to check them by eye.

Usage: contact_sheet.py [--zoom] OUT.png [ENTRY...]   (default: every entry)
Each entry: its number and name, its characters 32 at a time (all of them for
full and extended fonts), and a line of sample text.
"""
import glob
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import font_text  # noqa: E402

SCALE = 2
SAMPLE = "The quick brown fox jumps over the lazy dog 0123456789 $%&*()?"
INK, PAPER, PAPER2, TITLE = (0, 0, 0), (255, 255, 255), (225, 232, 240), (160, 0, 0)


def write_png(path, width, height, pixels):
    raw = b"".join(b"\x00" + bytes(v for px in pixels[y * width:(y + 1) * width] for v in px)
                   for y in range(height))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
                chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main(argv):
    global SCALE
    columns = 64
    if argv[1:2] == ["--zoom"]:
        # Bigger pixels, half the characters a line, to judge single glyphs.
        SCALE, columns = 4, 32
        argv = argv[:1] + argv[2:]
    out = argv[1]
    wanted = set(int(a) for a in argv[2:])
    files = sorted(glob.glob(os.path.join(HERE, "[0-9][0-9]_*.txt")))
    fonts = []
    for path in files:
        index = int(os.path.basename(path)[:2])
        if not wanted or index in wanted:
            fonts.append((index,) + font_text.parse(path))
    _, _, title_data = font_text.parse(files[0])
    title_glyph = {32 + i: title_data[i * 8:i * 8 + 8] for i in range(96)}
    lines = []  # (glyphs by code, codes, colour, alternate cell backgrounds)
    for index, name, kind, data in fonts:
        first, count = font_text.KINDS[kind]
        glyph = {first + i: data[i * 8:i * 8 + 8] for i in range(count)}
        title = "%02d %s (%s)" % (index, name, kind)
        lines.append((title_glyph, [ord(c) for c in title.encode("ascii", "replace").decode()], TITLE, False))
        codes = list(range(first, first + count))
        for start in range(0, len(codes), columns):
            lines.append((glyph, codes[start:start + columns], INK, True))
        lines.append((glyph, [ord(c) for c in SAMPLE], INK, False))
    width = columns * 8 * SCALE
    height = len(lines) * 9 * SCALE
    pixels = [PAPER] * (width * height)
    for li, (glyphs, codes, colour, checker) in enumerate(lines):
        for ci, code in enumerate(codes[:columns]):
            rows = glyphs.get(code, bytes(8))
            for r in range(8):
                for c in range(8):
                    on = rows[r] & (0x80 >> c)
                    px = colour if on else (PAPER2 if checker and ci % 2 else PAPER)
                    for dy in range(SCALE):
                        y = (li * 9 + r) * SCALE + dy
                        base = y * width + (ci * 8 + c) * SCALE
                        for dx in range(SCALE):
                            pixels[base + dx] = px
    write_png(out, width, height, pixels)


if __name__ == "__main__":
    main(sys.argv)
