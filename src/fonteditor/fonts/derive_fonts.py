#!/usr/bin/env python3
"""Re-creates the derived entries of the font library from their free sources.

Usage: derive_fonts.py --root DEBIAN_ROOT --shared SHARED_DATA [ENTRY...]

DEBIAN_ROOT is a folder holding the Debian font packages listed in README.md,
installed (/) or extracted with `apt-get download` + `dpkg-deb -x PKG.deb ROOT`.
SHARED_DATA holds zx-rom-charset.bin and font-sources/ (unscii, font8x8, u8g2,
emutos). Entries are indices (default: every derived entry). It writes
NN_slug.txt beside itself; hand-drawn entries are left alone, but entries
derived from them (30, 31, 45, 49-51) are rebuilt from their text files. Needs python3
with fontTools (Debian: python3-fonttools) and pcf2bdf.

Glyphs here are lists of 8 row bytes, top row first, bit 7 the leftmost pixel.
"""
import argparse
import gzip
import os
import re
import struct
import subprocess
import sys
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import font_text  # noqa: E402

ROOT = "/"
SHARED = "/work/shared/data"


# ---------------------------------------------------------------- glyph helpers

def blank():
    return [0] * 8


def draw(art):
    """A glyph from 8 lines of '#'/'.' (whitespace-separated rows)."""
    rows = art.split()
    assert len(rows) == 8 and all(len(r) == 8 for r in rows), art
    return [int(r.replace("#", "1").replace(".", "0"), 2) for r in rows]


def pixel(g, r, c):
    return 0 <= r < 8 and 0 <= c < 8 and bool(g[r] & (0x80 >> c))


def from_pixels(test):
    return [sum(0x80 >> c for c in range(8) if test(r, c)) for r in range(8)]


def shift_right(g, n=1):
    return [(b >> n) if n >= 0 else ((b << -n) & 0xFF) for b in g]


def shift_down(g, n=1):
    return ([0] * n + g[:8 - n]) if n >= 0 else (g[-n:] + [0] * -n)


def ink_box(g):
    """(top, bottom, left, right) of the ink, or None for an empty glyph."""
    rows = [r for r in range(8) if g[r]]
    if not rows:
        return None
    cols = [c for c in range(8) if any(pixel(g, r, c) for r in range(8))]
    return rows[0], rows[-1], cols[0], cols[-1]


def bold(g):
    """Thicken vertical strokes to the right (keeps the left edge)."""
    return [b | (b >> 1) for b in g]


def bold_left(g):
    return [b | ((b << 1) & 0xFF) for b in g]


def vbold(g):
    """Thicken horizontal strokes downwards."""
    return [g[r] | (g[r - 1] if r else 0) for r in range(8)]


def narrow(g, width=6):
    """Merge middle columns until the ink is at most `width` wide."""
    box = ink_box(g)
    while box is not None and box[3] - box[2] + 1 > width:
        mid = (box[2] + box[3]) // 2
        keep = (0xFF << (8 - mid)) & 0xFF  # columns left of mid
        g = [(b & keep) | ((b | (b << 1)) & (0x80 >> mid)) | ((b << 1) & ~keep & ~(0x80 >> mid) & 0xFF)
             for b in g]
        box = ink_box(g)
    return g


def bold_if_room(g):
    """Bold on a glyph narrowed to 6 columns first, so letters never touch."""
    return fit_bold(narrow(g))


def stretch_tall(g, row=3):
    """A 7-row design (bottom row free) to 8 rows: repeat one middle row."""
    if g[7]:
        return g
    return g[:row + 1] + g[row:7]


def fat(g):
    return vbold(bold(g))


def fit_bold(g):
    """Bold that never loses the rightmost column: shift left first if needed."""
    if any(b & 1 for b in g) and not any(b & 0x80 for b in g):
        g = shift_right(g, -1)
    return bold(g)


def dilate(g, diagonal=True):
    def on(r, c):
        for dr in (-1, 0, 1):
            for dc in (-1, 0, 1):
                if (diagonal or dr == 0 or dc == 0) and pixel(g, r + dr, c + dc):
                    return True
        return False
    return from_pixels(on)


def outline(g, diagonal=True):
    """The ring around the ink: dilate and take the glyph out."""
    d = dilate(g, diagonal)
    return [d[r] & ~g[r] & 0xFF for r in range(8)]


def square_corners(g):
    """Fill the missing corner pixel where a horizontal run meets a vertical run."""
    def on(r, c):
        if pixel(g, r, c):
            return True
        for dr, dc in ((-1, -1), (-1, 1), (1, -1), (1, 1)):
            # Empty pixel with a horizontal run beside it and a vertical run above/below it.
            if (pixel(g, r, c - dc) and pixel(g, r, c - 2 * dc) and
                    pixel(g, r - dr, c) and pixel(g, r - 2 * dr, c) and not pixel(g, r - dr, c - dc) and
                    not pixel(g, r, c + dc) and not pixel(g, r + dr, c)):
                return True
        return False
    return from_pixels(on)


def round_corners(g):
    """Cut the outer pixel of square corners whose arms are both at least 3 long."""
    def on(r, c):
        if not pixel(g, r, c):
            return False
        for dr, dc in ((-1, -1), (-1, 1), (1, -1), (1, 1)):
            # Corner pixel: nothing outside on two sides, arms going inwards.
            if (not pixel(g, r + dr, c) and not pixel(g, r, c + dc) and not pixel(g, r + dr, c + dc) and
                    pixel(g, r, c - dc) and pixel(g, r, c - 2 * dc) and pixel(g, r, c - 3 * dc) and
                    pixel(g, r - dr, c) and pixel(g, r - 2 * dr, c) and pixel(g, r - 3 * dr, c)):
                return False
        return True
    return from_pixels(on)


def slant(g, shifts):
    """Shift row r right by shifts[r] (negative: left)."""
    return [(g[r] >> s) if s >= 0 else ((g[r] << -s) & 0xFF) for r, s in zip(range(8), shifts)]


ITALIC = (2, 1, 1, 1, 0, 0, 0, -1)
BACKSLANT = (-1, 0, 0, 0, 1, 1, 1, 2)


def fit_slant(g, shifts):
    """Slant, first moving the glyph sideways so no pixel falls off the cell."""
    box = ink_box(g)
    if box is None:
        return g
    top, bottom, left, right = box
    lo = min(shifts[r] for r in range(top, bottom + 1))
    hi = max(shifts[r] for r in range(top, bottom + 1))
    move = 0
    if left + lo < 0:
        move = -(left + lo)
    elif right + hi > 7:
        move = 7 - (right + hi)
    return slant(shift_right(g, move), shifts)


def serifs(g, top=True, bottom=True, min_stem=3, both_sides=True):
    """Slab serifs: a pixel each side of the free end of a vertical stem."""
    add = [0] * 8
    for r in range(8):
        for c in range(8):
            if not pixel(g, r, c):
                continue
            for end, inward in ((bottom, -1), (top, 1)):
                if not end or pixel(g, r - inward, c):
                    continue
                if not all(pixel(g, r + inward * k, c) for k in range(min_stem)):
                    continue
                sides = (-1, 1) if both_sides else (-1,)
                for dc in sides:
                    cc = c + dc
                    # Only into free space, so serifs never glue letters shut.
                    if (0 <= cc < 7 and not pixel(g, r, cc) and not pixel(g, r + inward, cc) and
                            not pixel(g, r - inward, cc) and not pixel(g, r, cc + dc)):
                        add[r] |= 0x80 >> cc
    return [g[r] | add[r] for r in range(8)]


def horizontal_cuts(g):
    """Stencil gap: clear the middle of each flat horizontal run of 4 or more."""
    out = list(g)
    for r in range(8):
        c = 0
        while c < 8:
            if not pixel(g, r, c):
                c += 1
                continue
            start = c
            while c < 8 and pixel(g, r, c):
                c += 1
            length = c - start
            if length >= 4:
                mid = start + length // 2
                for m in (mid, mid - 1):
                    if not pixel(g, r - 1, m) and not pixel(g, r + 1, m):
                        out[r] &= ~(0x80 >> m) & 0xFF
                        break
    return out


def vertical_cuts(g):
    """Stencil gap: clear the middle of each free vertical run of 4 or more."""
    t = transpose(g)
    return transpose(horizontal_cuts(t))


def transpose(g):
    return from_pixels(lambda r, c: pixel(g, c, r))


def drips(g):
    """Acid drops: ink running down from the bottom of some strokes."""
    out = list(g)
    n = 0
    for c in range(8):
        low = next((r for r in range(7, -1, -1) if pixel(g, r, c)), None)
        if low is None or low < 3 or low == 7 or pixel(g, low, c - 1) and c % 3 != 1:
            continue
        n += 1
        if n % 2:
            # Alternate long and short drops along the glyph.
            for r in range(low + 1, min(8, low + (3 if n % 4 == 1 else 2))):
                out[r] |= 0x80 >> c
    return out


def flames(g):
    """Fire along the top edge: tongues rising from every other top pixel."""
    out = list(g)
    for c in range(8):
        top = next((r for r in range(8) if pixel(g, r, c)), None)
        if top is None or top == 0:
            continue
        # Only the top outline of the letter catches fire.
        if pixel(g, top - 1, c):
            continue
        if c % 2 == 0:
            out[top - 1] |= 0x80 >> c
            if top >= 2 and c % 4 == 0:
                out[top - 2] |= 0x80 >> c
    return out


def scale7to8(g, row=3, col=3):
    """A 7x7 design in the top-left corner to 8x8: double one middle row and column."""
    rows = g[:row + 1] + g[row:7]
    out = []
    for b in rows:
        hi = b >> (7 - col)  # columns 0..col
        lo = b & ((1 << (7 - col)) - 1)  # columns col+1..7
        out.append(((hi << (7 - col)) | ((hi & 1) << (6 - col)) | (lo >> 1)) & 0xFF)
    return out


def squash_row(g):
    """Drop one row of the ink (a repeated one near the middle) and move the top down."""
    box = ink_box(g)
    if box is None:
        return g
    top, bottom = box[0], box[1]
    middle = (top + bottom) / 2
    # The row most like the one above it (a repeated stem row if any), nearest the middle.
    drop = min(range(top + 1, bottom + 1), key=lambda r: (bin(g[r] ^ g[r - 1]).count("1"), abs(r - middle)))
    rows = g[:drop] + g[drop + 1:]
    return [0] + rows


def move_into_cell(g, left_margin=None):
    """Move the ink horizontally so it starts at left_margin (default: centred)."""
    box = ink_box(g)
    if box is None:
        return g
    width = box[3] - box[2] + 1
    target = (8 - width) // 2 if left_margin is None else left_margin
    return shift_right(g, target - box[2])


def condense4(g):
    """Squeeze a glyph drawn in columns 1..6 into 3 columns plus a gap, in both nibbles."""
    out = []
    for b in g:
        n = 0
        for i, pair in enumerate(((0, 1, 2), (3, 4), (5, 6, 7))):
            if any(b & (0x80 >> c) for c in pair):
                n |= 0x8 >> i
        out.append((n << 4) | n)
    return out


def nibble_pair(g):
    """A 4-pixel glyph drawn in the left nibble, repeated in the right one."""
    return [(b & 0xF0) | (b >> 4) for b in g]


def block_graphic(n):
    """Spectrum block graphic 128+n: bit 0 top right, 1 top left, 2 bottom right, 3 bottom left."""
    top = (0x0F if n & 1 else 0) | (0xF0 if n & 2 else 0)
    low = (0x0F if n & 4 else 0) | (0xF0 if n & 8 else 0)
    return [top] * 4 + [low] * 4


# ---------------------------------------------------------------- sources

def root(path):
    return os.path.join(ROOT, path.lstrip("/"))


def shared(path):
    return os.path.join(SHARED, path)


def rom():
    data = open(shared("zx-rom-charset.bin"), "rb").read()
    assert len(data) == 768
    return {32 + i: list(data[i * 8:i * 8 + 8]) for i in range(96)}


def opense():
    data = open(root("/usr/share/spectrum-roms/opense.rom"), "rb").read()[0x3D00:0x3D00 + 768]
    return {32 + i: list(data[i * 8:i * 8 + 8]) for i in range(96)}


def read_psf(path):
    """(glyphs, unicode -> glyph index) of an 8-row PSF1 or PSF2 console font."""
    data = gzip.open(path).read() if path.endswith(".gz") else open(path, "rb").read()
    if data[:2] == b"\x36\x04":
        mode, size = data[2], data[3]
        count = 512 if mode & 1 else 256
        header, has_table = 4, bool(mode & 6)
        height = size
    else:
        _, _, header, flags, count, size, height, _ = struct.unpack("<4sIIIIIII", data[:32])
        has_table = bool(flags & 1)
    assert height == 8 and size == 8, path
    glyphs = [list(data[header + i * size:header + i * size + 8]) for i in range(count)]
    table = {}
    pos = header + count * size
    if has_table:
        index = 0
        if data[:2] == b"\x36\x04":
            while index < count and pos + 1 < len(data):
                (u,) = struct.unpack("<H", data[pos:pos + 2])
                pos += 2
                if u == 0xFFFF:
                    index += 1
                elif u != 0xFFFE:
                    table.setdefault(u, index)
        else:
            rest = data[pos:]
            for index, entry in enumerate(rest.split(b"\xff")[:count]):
                text = entry.split(b"\xfe")[0].decode("utf-8", "replace")
                for ch in text:
                    table.setdefault(ord(ch), index)
    return glyphs, table


def psf_unicode(path, codepage=None):
    """{code point: glyph}, through the font's Unicode table or, lacking one, a code page."""
    glyphs, table = read_psf(path)
    if not table and codepage:
        table = {ord(bytes([i]).decode(codepage)): i for i in range(256)}
    return {u: glyphs[i] for u, i in table.items()}


def read_bdf(text):
    """(ascent, {encoding: (w, h, xoff, yoff, rows)}) of a BDF font."""
    ascent, chars, cur = None, {}, None
    lines = iter(text.splitlines())
    for line in lines:
        if line.startswith("FONT_ASCENT"):
            ascent = int(line.split()[1])
        elif line.startswith("ENCODING"):
            cur = {"enc": int(line.split()[1])}
        elif line.startswith("BBX") and cur is not None:
            cur["bbx"] = [int(v) for v in line.split()[1:5]]
        elif line.startswith("BITMAP") and cur is not None:
            rows = []
            for row in lines:
                if row.startswith("ENDCHAR"):
                    break
                rows.append(int(row, 16) << (8 * (4 - len(row) // 2)) if row else 0)
            w, h, xo, yo = cur["bbx"]
            chars[cur["enc"]] = (w, h, xo, yo, rows)
            cur = None
    return ascent, chars


def bdf_font(path, baseline=7, left=1):
    """{encoding: glyph} of a BDF (or PCF, through pcf2bdf) font placed in the 8x8 cell.

    baseline: how many cell rows lie above the baseline; left: the cell column of x = 0.
    """
    if ".pcf" in path:
        text = subprocess.run(["pcf2bdf", path], check=True, capture_output=True).stdout.decode("latin-1")
    else:
        text = open(path, encoding="latin-1").read()
    _, chars = read_bdf(text)
    font = {}
    for enc, (w, h, xo, yo, rows) in chars.items():
        g = [0] * 8
        for i, bits in enumerate(rows):
            r = baseline - yo - h + i
            for x in range(w):
                if bits & (1 << (31 - x)):
                    c = left + xo + x
                    if 0 <= r < 8 and 0 <= c < 8:
                        g[r] |= 0x80 >> c
        font[enc] = g
    return font


def pcf(name, **kw):
    return bdf_font(root("/usr/share/fonts/X11/misc/%s.pcf.gz" % name), **kw)


def ttf_font(path, top, unit, cols, codepoints, left=0, row_offset=0):
    """{codepoint: glyph} sampled at pixel centres of a pixel-square outline font."""
    from fontTools.ttLib import TTFont
    from fontTools.pens.recordingPen import RecordingPen
    font = TTFont(path)
    cmap = font.getBestCmap()
    glyph_set = font.getGlyphSet()
    out = {}
    for cp in codepoints:
        if cp not in cmap:
            continue
        pen = RecordingPen()
        glyph_set[cmap[cp]].draw(pen)
        contours, current = [], []
        for op, args in pen.value:
            if op == "moveTo":
                current = [args[0]]
            elif op in ("lineTo", "qCurveTo", "curveTo"):
                current.append(args[-1])
            elif op in ("closePath", "endPath"):
                contours.append(current)
                current = []

        def inside(x, y):
            winding = 0
            for poly in contours:
                for (x0, y0), (x1, y1) in zip(poly, poly[1:] + poly[:1]):
                    if y0 <= y < y1 and (x1 - x0) * (y - y0) - (x - x0) * (y1 - y0) > 0:
                        winding += 1
                    elif y1 <= y < y0 and (x1 - x0) * (y - y0) - (x - x0) * (y1 - y0) < 0:
                        winding -= 1
            return winding != 0

        g = [0] * 8
        for r in range(8):
            for c in range(cols):
                if inside((c + 0.5) * unit, top - (r - row_offset + 0.5) * unit):
                    cc = left + c
                    if 0 <= cc < 8:
                        g[r] |= 0x80 >> cc
        out[cp] = g
    return out


def misaki(face, fullwidth=True):
    """Misaki Latin: the full-width 7x7 forms (U+FF01..FF5E), or the half-width 4x8 ones."""
    path = root("/usr/share/fonts/truetype/misaki/misaki_%s.ttf" % face)
    from fontTools.ttLib import TTFont
    top = TTFont(path)["hhea"].ascent  # 1536, but 1792 in Gothic 2nd
    if fullwidth:
        sampled = ttf_font(path, top, 256, 8, range(0xFF01, 0xFF5F))
        return {cp - 0xFEE0: g for cp, g in sampled.items()}
    return ttf_font(path, top, 256, 4, range(32, 127))


def spleen():
    return psf_unicode(root("/usr/share/consolefonts/spleen-5x8.psfu.gz"))


def atarismall():
    return ttf_font(root("/usr/share/fonts/truetype/fonts-atarismall/AtariSmall.ttf"), 801, 125, 4,
                    list(range(32, 127)) + [0xA3, 0xA9, 0x2191])


def unscii(variant=""):
    name = "unscii-8%s.hex" % ("-" + variant if variant else "")
    font = {}
    for line in open(shared("font-sources/unscii/" + name)):
        cp, _, hexbytes = line.strip().partition(":")
        if len(hexbytes) == 16:
            font[int(cp, 16)] = list(bytes.fromhex(hexbytes))
    return font


def font8x8(part):
    """Daniel Hepper's tables (bit 0 leftmost) keyed by the U+ code in each line's comment."""
    font = {}
    text = open(shared("font-sources/font8x8/font8x8_%s.h" % part)).read()
    for m in re.finditer(r"\{([^{}]*)\},[ \t]*//[ \t]*U\+([0-9A-Fa-f]+)", text):
        values = [int(v, 16) for v in m.group(1).split(",") if v.strip()]
        font[int(m.group(2), 16)] = [int("{:08b}".format(v)[::-1], 2) for v in values]
    return font


def emutos(name="st"):
    text = open(shared("font-sources/emutos/emutos_fnt_%s_8x8.c" % name)).read()
    body = text.split("dat_table[] =", 1)[1].split("};", 1)[0]
    words = [int(w, 16) for w in re.findall(r"0x([0-9a-fA-F]{4})", body)]
    data = b"".join(struct.pack(">H", w) for w in words)
    assert len(data) == 2048
    return {c: [data[r * 256 + c] for r in range(8)] for c in range(256)}


def cbios():
    data = open(root("/usr/share/cbios/cbios_main_msx1_jp.rom"), "rb").read()
    (address,) = struct.unpack("<H", data[4:6])
    return list(data[address:address + 2048])


# ---------------------------------------------------------------- building fonts

def zx_unicode(code):
    """The Unicode character a Spectrum code stands for (codes 32..127)."""
    return {0x5E: 0x2191, 0x60: 0xA3, 0x7F: 0xA9}.get(code, code)


_opense = None


def fallback(code):
    global _opense
    if _opense is None:
        _opense = opense()
    return list(_opense[code])


def printable(source, transform=None, keyed_by_unicode=True, fill=None):
    """96 Spectrum characters from a font keyed by Unicode (or Spectrum codes).

    Missing characters come from fill (keyed like source) or OpenSE's glyph.
    """
    out = []
    for code in range(32, 128):
        key = zx_unicode(code) if keyed_by_unicode else code
        g = source.get(key)
        if g is not None and code != 32 and not any(g):
            g = None  # some console fonts map characters they lack to a blank glyph
        if g is None and key == 0x2191:
            g = source.get(ord("^"))
        if g is None:
            g = (fill or {}).get(key) or fallback(code)
        g = list(g)
        if transform:
            g = transform(g)
        out.append(g)
    return out


def as_map(glyphs, first=32):
    return {first + i: g for i, g in enumerate(glyphs)}


def flatten(glyphs):
    return [b for g in glyphs for b in g]


# Accents for the composed Latin-1 letters, as drawn rows centred over the letter.
ACCENTS = {
    "\u0300": ["#.", ".#"],        # grave
    "\u0301": [".#", "#."],        # acute
    "\u0302": [".#.", "#.#"],      # circumflex
    "\u0303": [".#.#", "#.#."],    # tilde
    "\u0308": ["#.#"],             # diaeresis
    "\u030A": [".#.", "#.#", ".#."],  # ring
}


def compose_latin1(base, code, other):
    """A Latin-1 letter: base-font letter plus a drawn accent, else `other`'s glyph."""
    ch = chr(code)
    pieces = unicodedata.normalize("NFD", ch)
    if len(pieces) == 2 and ord(pieces[0]) < 128 and ord(pieces[0]) in base:
        letter, mark = pieces
        g = list(base[ord(letter)])
        if mark == "\u0327":  # cedilla: a hook under the letter
            box = ink_box(g)
            centre = (box[2] + box[3]) // 2
            g[7] |= (0xC0 >> centre)
            return g
        accent = ACCENTS.get(mark)
        if accent is not None:
            if letter == "i":
                g = [0, 0] + [b if r >= 3 else 0 for r, b in enumerate(g)][2:]
            box = ink_box(g)
            if letter.isupper():
                while box[0] < len(accent) + (0 if len(accent) == 1 else 0) or \
                        box[0] < (2 if len(accent) == 3 else len(accent)):
                    g = squash_row(g)
                    box = ink_box(g)
            top = box[0]
            start = max(0, top - len(accent) - (1 if top - len(accent) >= 1 and letter.islower() else 0))
            if len(accent) == 1:
                start = max(0, top - 2)
            width = len(accent[0])
            centre2 = box[2] + box[3]  # twice the centre column
            left = (centre2 - (width - 1) + 1) // 2
            for i, row in enumerate(accent):
                r = start + i
                if r >= top:
                    break
                for x, p in enumerate(row):
                    if p == "#" and 0 <= left + x < 8:
                        g[r] |= 0x80 >> (left + x)
            return g
    g = other.get(code)
    return list(g) if g is not None else blank()


SYMBOLS_CP437 = [0x0020, 0x263A, 0x263B, 0x2665, 0x2666, 0x2663, 0x2660, 0x2022, 0x25D8, 0x25CB, 0x25D9,
                 0x2642, 0x2640, 0x266A, 0x266B, 0x263C, 0x25BA, 0x25C4, 0x2195, 0x203C, 0x00B6, 0x00A7,
                 0x25AC, 0x21A8, 0x2191, 0x2193, 0x2192, 0x2190, 0x221F, 0x2194, 0x25B2, 0x25BC]

BOX_DRAWING = [0x2500, 0x2502, 0x250C, 0x2510, 0x2514, 0x2518, 0x251C, 0x2524, 0x252C, 0x2534, 0x253C,
               0x2591, 0x2592, 0x2593, 0x2580, 0x2584]

CONTROL_NAMES = ["NU", "SH", "SX", "EX", "ET", "EQ", "AK", "BL", "BS", "HT", "LF", "VT", "FF", "CR", "SO", "SI",
                 "DL", "D1", "D2", "D3", "D4", "NK", "SY", "EB", "CN", "EM", "SB", "EC", "FS", "GS", "RS", "US"]


def control_pictures():
    """Codes 0..31 as two small letters on a diagonal, like Unicode's control pictures."""
    small = bdf_font(shared("font-sources/u8g2/tom-thumb.bdf"), baseline=5, left=0)
    out = []
    for name in CONTROL_NAMES:
        a, b = small[ord(name[0])], small[ord(name[1])]
        a = [x for x in a]
        g = [0] * 8
        for r in range(8):
            g[r] |= a[r] if r < 5 else 0
        b_rows = [x for x in b][:5]
        for i, x in enumerate(b_rows):
            if 3 + i < 8:
                g[3 + i] |= x >> 4
        out.append(g)
    return out


def symbols(font, codepoints):
    return [list(font.get(cp, blank())) for cp in codepoints]


# ---------------------------------------------------------------- hand-drawn pieces

# The 4x8 squeeze clogs these; drawn for Quillo in the left nibble.
CONDENSED_REDRAWN = {
    ord("M"): "........ #.#..... ###..... ###..... #.#..... #.#..... #.#..... ........",
    ord("W"): "........ #.#..... #.#..... #.#..... ###..... ###..... #.#..... ........",
    ord("m"): "........ ........ ##...... ###..... ###..... #.#..... #.#..... ........",
    ord("w"): "........ ........ #.#..... #.#..... ###..... ###..... #.#..... ........",
    ord("@"): "........ .#...... #.#..... ###..... ###..... #....... .##..... ........",
    ord("&"): "........ .#...... #.#..... .#...... ###..... #.#..... .##..... ........",
    ord("%"): "........ #.#..... ..#..... .#...... .#...... #....... #.#..... ........",
    ord("#"): "........ #.#..... ###..... #.#..... ###..... #.#..... ........ ........",
    127: "........ ####.... #..#.... #.##.... #.##.... #..#.... ####.... ........",
    ord("N"): "........ #.#..... ###..... ###..... ###..... #.#..... #.#..... ........",
    ord("Q"): "........ .#...... #.#..... #.#..... #.#..... ###..... .##..... ........",
    ord("$"): "........ .#...... ###..... ##...... .##..... ###..... .#...... ........",
    ord("*"): "........ ........ #.#..... .#...... ###..... .#...... #.#..... ........",
}

# Code 127 of the CPC recreation is missing: a checkered block.
CPC_127 = "#.#.#.#. .#.#.#.# #.#.#.#. .#.#.#.# #.#.#.#. .#.#.#.# #.#.#.#. .#.#.#.#"


# ---------------------------------------------------------------- the entries

ENTRIES = {}


def entry(index, name, kind, slug, source):
    def register(func):
        ENTRIES[index] = (name, kind, slug, source, func)
        return func
    return register


HAND_DRAWN = {
    32: ("Chinese Upper", "printable", "chinese_upper"),
    35: ("Computer Fat OCR", "printable", "computer_fat_ocr"),
    44: ("Gothic", "printable", "gothic"),
    47: ("Handwritten 1", "printable", "handwritten_1"),
    48: ("Handwritten 2", "printable", "handwritten_2"),
}


def file_name(index, slug):
    return os.path.join(HERE, "%02d_%s.txt" % (index, slug))


def hand_drawn(index):
    name, kind, slug = HAND_DRAWN[index]
    _, _, data = font_text.parse(file_name(index, slug))
    return [list(data[i:i + 8]) for i in range(0, len(data), 8)]


def rom_map():
    return rom()


@entry(0, "Standard ZX Spectrum font", "printable", "standard_zx_spectrum",
       "the Spectrum ROM character set (zx-rom-charset.bin), unchanged")
def _():
    return printable(rom(), keyed_by_unicode=False)


def extended_zx():
    """ROM 32..127, blocks, UDGs A..U, Latin-1 165..255 composed from ROM letters, CP437-style 0..31."""
    zx = rom()
    uns = unscii()
    glyphs = symbols(uns, SYMBOLS_CP437)
    glyphs += [zx[c] for c in range(32, 128)]
    glyphs += [block_graphic(n) for n in range(16)]
    glyphs += [zx[ord("A") + i] for i in range(21)]
    glyphs += [compose_latin1(zx, code, uns) for code in range(165, 256)]
    return glyphs


@entry(1, "Extended ZX Spectrum font", "full", "extended_zx_spectrum",
       "ROM 32-127, block graphics 128-143, UDGs A-U 144-164, Latin-1 165-255 (ROM letters plus drawn "
       "accents, other signs from unscii-8), CP437-style symbols 0-31 from unscii-8")
def _():
    return extended_zx()


@entry(2, "SE Basic ZX Spectrum font", "full", "se_basic_zx_spectrum",
       "OpenSE BASIC 32-127, block graphics 128-143, box drawing and shades 144-159 (unscii-8), Latin-1 "
       "160-255 (OpenSE letters plus drawn accents, other signs from unscii-8), control pictures 0-31 "
       "(Tom Thumb letters)")
def _():
    se = opense()
    uns = unscii()
    glyphs = control_pictures()
    glyphs += [se[c] for c in range(32, 128)]
    glyphs += [block_graphic(n) for n in range(16)]
    glyphs += symbols(uns, BOX_DRAWING)
    glyphs += [compose_latin1(se, code, uns) for code in range(160, 256)]
    return glyphs


@entry(3, "Std. ZX Spectrum 4x8 font", "full", "std_zx_spectrum_4x8",
       "entry 1 squeezed to 3 columns plus a gap, in both nibbles; the glyphs the squeeze clogs "
       "redrawn for Quillo")
def _():
    out = []
    for code, g in enumerate(extended_zx()):
        if 128 <= code < 144:
            n = code - 128
            top = (0xC if n & 2 else 0) | (0x3 if n & 1 else 0)
            low = (0xC if n & 8 else 0) | (0x3 if n & 4 else 0)
            out.append([top * 17] * 4 + [low * 17] * 4)
        elif code in CONDENSED_REDRAWN or (code - 144 + ord("A")) in CONDENSED_REDRAWN and 144 <= code < 165:
            key = code if code in CONDENSED_REDRAWN else code - 144 + ord("A")
            out.append(nibble_pair(draw(CONDENSED_REDRAWN[key])))
        else:
            out.append(condense4(g))
    return out


@entry(4, "SAM Coupé standard font", "full", "sam_coupe_standard",
       "no free copy of the SAM's ROM font exists: Quillo's own set in its 6-pixel style, from misc-fixed "
       "5x8 (ASCII, Latin-1 160-255), CP437-style symbols 0-31 (unscii-8-thin), block graphics 128-143, "
       "box drawing 144-159 (misc-fixed 5x8); Spectrum codes 94, 96, 127")
def _():
    f = pcf("5x8", baseline=7, left=1)
    thin = unscii("thin")
    glyphs = symbols(thin, SYMBOLS_CP437)
    glyphs += printable(f)
    glyphs += [block_graphic(n) for n in range(16)]
    glyphs += [list(f.get(cp, thin.get(cp, blank()))) for cp in BOX_DRAWING]
    glyphs += [list(f.get(code, blank())) for code in range(160, 256)]
    return glyphs


@entry(5, "MSX + Kana (japanese) font", "full", "msx_kana_japanese",
       "the font of C-BIOS's Japanese MSX1 BIOS (cbios_main_msx1_jp.rom), unchanged")
def _():
    data = cbios()
    return [data[i:i + 8] for i in range(0, 2048, 8)]


@entry(6, "Amstrad CPC font + symbols", "full", "amstrad_cpc_symbols",
       "ruboku's Amstrad CPC recreation (u8g2 amstrad_cpc_extended.bdf) for 32-255, 127 drawn, symbols "
       "0-31 from unscii-8-alt")
def _():
    cpc = bdf_font(shared("font-sources/u8g2/amstrad_cpc_extended.bdf"), baseline=8, left=0)
    alt = unscii("alt")
    glyphs = symbols(alt, SYMBOLS_CP437)
    for code in range(32, 256):
        if code == 127:
            glyphs.append(draw(CPC_127))
        else:
            glyphs.append(list(cpc.get(code, blank())))
    return glyphs


@entry(7, "Atari ST font + symbols", "extended", "atari_st_symbols",
       "EmuTOS's Atari ST 8x8 system font (fnt_st_8x8.c), codes 32-255, unchanged")
def _():
    st = emutos("st")
    return [st[c] for c in range(32, 256)]


# Printable entries: (index, name, slug, source description, glyph list builder).
def p(index, name, slug, source):
    return entry(index, name, "printable", slug, source)


@p(8, "Squared 1", "squared_1", "square corners on the ROM character set")
def _():
    return printable(rom(), square_corners, keyed_by_unicode=False)


@p(9, "Squared 2", "squared_2", "square corners on bold Schumacher Clean clR7x8")
def _():
    return printable(pcf("clR7x8", left=0), lambda g: square_corners(fit_bold(g)))


@p(10, "Squared Future", "squared_future", "unscii-8-mcr, unchanged")
def _():
    return printable(unscii("mcr"))


@p(11, "Antic", "antic", "unscii-8, unchanged")
def _():
    return printable(unscii())


@p(12, "Future Tall", "future_tall", "square corners on Spleen 5x8; pound and copyright from misc-fixed 5x8")
def _():
    return printable(spleen(), lambda g: square_corners(shift_right(g, 1)), fill=pcf("5x8", left=0))


@p(13, "Serif", "serif", "Misaki Mincho's full-width 7x7 Latin")
def _():
    return printable(misaki("mincho"), lambda g: move_into_cell(g))


@p(14, "Serif Fat Left", "serif_fat_left", "slab serifs on Schumacher Clean clR6x8, thickened to the left")
def _():
    return printable(pcf("clR6x8", left=1), lambda g: bold_left(serifs(g)))


@p(15, "Small Fat", "small_fat", "bold Schumacher Clean clR5x6")
def _():
    return printable(pcf("clR5x6", baseline=7, left=1), bold)


@p(16, "Stencil Fat", "stencil_fat", "stencil cuts on the fat ROM character set")
def _():
    return printable(rom(), lambda g: vbold(horizontal_cuts(bold(g))), keyed_by_unicode=False)


@p(17, "Stencil Thin", "stencil_thin", "stencil cuts on Schumacher Clean clR7x8")
def _():
    return printable(pcf("clR7x8", left=1), lambda g: vertical_cuts(horizontal_cuts(g)))


@p(18, "3 Pix Wide Small", "3_pix_wide_small", "Tom Thumb 3x6 (u8g2 tom-thumb.bdf)")
def _():
    return printable(bdf_font(shared("font-sources/u8g2/tom-thumb.bdf"), baseline=6, left=2))


@p(19, "4 Pix Wide", "4_pix_wide", "Atari Small (fonts-atarismall), 4x8")
def _():
    return printable(atarismall(), lambda g: shift_right(g, 2))


@p(20, "Acid", "acid", "drips on the bold ROM character set")
def _():
    return printable(rom(), lambda g: drips(bold(g)), keyed_by_unicode=False)


@p(21, "Antic 2", "antic_2", "unscii-8-alt, unchanged")
def _():
    return printable(unscii("alt"))


@p(22, "AnticFat", "anticfat", "unscii-8 thickened downwards")
def _():
    return printable(unscii(), vbold)


@p(23, "Big Char Serif Thin", "big_char_serif_thin", "Misaki Mincho's 7x7 Latin scaled to 8x8")
def _():
    return printable(misaki("mincho"), scale7to8)


@p(24, "Big Fat Squared", "big_fat_squared", "square corners on Schumacher Clean bold clB8x8 thickened downwards")
def _():
    return printable(pcf("clB8x8", left=0), lambda g: square_corners(vbold(g)))


@p(25, "Big Fat Upper Fire", "big_fat_upper_fire",
   "flames on the bold capitals of Misaki Gothic's 7x7 Latin, capitals on the small-letter codes too")
def _():
    src = misaki("gothic")
    for c in range(ord("a"), ord("z") + 1):
        src[c] = src[c - 32]
    return printable(src, lambda g: flames(shift_down(fit_bold(g), 1)))


@p(26, "Big Squared Future", "big_squared_future", "square corners on unscii-8-mcr stretched to 8 rows")
def _():
    return printable(unscii("mcr"), lambda g: square_corners(stretch_tall(g)))


@p(27, "Big Thick", "big_thick", "Misaki Gothic's 7x7 Latin stretched to 8 rows, narrowed to 6 columns and bold")
def _():
    return printable(misaki("gothic"), lambda g: bold_if_room(stretch_tall(g)))


@p(28, "Big Thin Serif", "big_thin_serif", "slab serifs on Schumacher Clean clR8x8")
def _():
    return printable(pcf("clR8x8", left=0), serifs)


@p(29, "Chaplin", "chaplin", "misc-fixed 5x8 one row taller, thin and tall as on silent-film title cards")
def _():
    return [grow(g) for g in printable(pcf("5x8", left=1))]


def chinese_upper():
    return hand_drawn(32)


@p(30, "Chinese", "chinese", "entry 32 (Chinese Upper) capitals, small capitals squashed from them on the "
   "small-letter codes")
def _():
    glyphs = chinese_upper()
    for code in range(ord("a"), ord("z") + 1):
        glyphs[code - 32] = squash_row(squash_row(glyphs[code - 32 - 32]))
    return glyphs


@p(31, "Chinese 2", "chinese_2", "entry 30 (Chinese) narrowed to 6 columns and slanted like a quick brush")
def _():
    return [fit_slant(narrow(g), ITALIC) for g in ENTRIES[30][4]()]


@p(33, "Computer 2", "computer_2", "seven-segment seg7-ascii-05x07 (xfonts-libdockapp)")
def _():
    return printable(pcf("seg7-ascii-05x07", left=1))


@p(34, "Computer 3", "computer_3", "Luxel luxel-ascii-06x09 (xfonts-libdockapp), one row trimmed")
def _():
    return printable(pcf("luxel-ascii-06x09", baseline=7, left=1))


CYRILLIC_ON_LATIN = {
    "A": "А", "B": "Б", "V": "В", "G": "Г", "D": "Д", "E": "Е", "J": "Ж", "Z": "З", "I": "И", "Y": "Й",
    "K": "К", "L": "Л", "M": "М", "N": "Н", "O": "О", "P": "П", "R": "Р", "S": "С", "T": "Т", "U": "У",
    "F": "Ф", "H": "Х", "C": "Ц", "Q": "Ч", "W": "Ш", "X": "Щ",
}


@p(36, "Cyrylic", "cyrylic", "Cyrillic letters of unscii-8 on the Latin codes they sound like "
   "(A-А, B-Б, V-В, G-Г, D-Д ...; Q-Ч, W-Ш, X-Щ), both cases")
def _():
    uns = unscii()
    src = {c: uns[c] for c in range(32, 128) if c in uns}
    for lat, cyr in CYRILLIC_ON_LATIN.items():
        src[ord(lat)] = uns[ord(cyr)]
        src[ord(lat.lower())] = uns[ord(cyr.lower())]
    src[0xA3] = uns.get(0xA3)
    src[0x2191] = uns.get(0x2191)
    src[0xA9] = uns.get(0xA9)
    return printable(src)


@p(37, "Double Line", "double_line", "double lines around the strokes of Schumacher Clean clR5x8")
def _():
    return printable(pcf("clR5x8", left=1), lambda g: outline(g, diagonal=False))


@p(38, "Double Line Capitals", "double_line_capitals",
   "double lines around the strokes of Schumacher Clean clR4x6 capitals (on both cases)")
def _():
    src = pcf("clR4x6", baseline=7, left=2)
    for c in range(ord("a"), ord("z") + 1):
        src[c] = src[c - 32]
    return printable(src, lambda g: outline(g, diagonal=False))


@p(39, "Extremly Fat", "extremly_fat", "Schumacher Clean clR6x8 thickened twice sideways and downwards")
def _():
    return printable(pcf("clR6x8", left=0), lambda g: vbold(bold(bold(g))))


@p(40, "Fantasy", "fantasy", "unscii-8-fantasy, unchanged")
def _():
    return printable(unscii("fantasy"))


@p(41, "Fat 1", "fat_1", "the ROM character set thickened sideways and downwards")
def _():
    return printable(rom(), fat, keyed_by_unicode=False)


@p(42, "Fat Outline", "fat_outline", "outline of the ROM character set")
def _():
    return printable(rom(), outline, keyed_by_unicode=False)


@p(43, "Fat Rounded", "fat_rounded", "round corners on Schumacher Clean bold clB8x8 thickened downwards")
def _():
    return printable(pcf("clB8x8", left=0), lambda g: round_corners(vbold(g)))


GREEK_ON_LATIN = {
    "A": "Α", "B": "Β", "G": "Γ", "D": "Δ", "E": "Ε", "Z": "Ζ", "H": "Η", "Q": "Θ", "I": "Ι", "K": "Κ",
    "L": "Λ", "M": "Μ", "N": "Ν", "J": "Ξ", "O": "Ο", "P": "Π", "R": "Ρ", "S": "Σ", "T": "Τ", "Y": "Υ",
    "F": "Φ", "X": "Χ", "C": "Ψ", "W": "Ω", "U": "Θ", "V": "Β",
}


@p(46, "Greek", "greek", "Greek letters of unscii-8 on the Latin codes (A-Α, B-Β, G-Γ, D-Δ ...; Q-Θ, J-Ξ, "
   "C-Ψ, W-Ω, U-Υ, V-Ϋ), both cases (s-σ, v-ς, u-θ)")
def _():
    uns = unscii()
    src = dict(uns)
    mapping = dict(GREEK_ON_LATIN)
    mapping["U"] = "Υ"
    mapping["V"] = "Ϋ"
    lower = {"S": "σ", "V": "ς", "U": "θ"}
    for lat, greek in mapping.items():
        src[ord(lat)] = uns[ord(greek)]
        src[ord(lat.lower())] = uns[ord(lower.get(lat, greek.lower()))]
    return printable(src)


def grow(g):
    """One row taller: move up into a free top row and repeat the row most like its neighbour."""
    box = ink_box(g)
    if box is None or box[1] - box[0] < 2:
        return g
    top, bottom = box[0], box[1]
    if top > 0:
        g = g[1:] + [0]
        top, bottom = top - 1, bottom - 1
    elif g[7]:
        return g
    mid = (top + bottom) / 2
    r = min(range(top + 1, bottom + 1), key=lambda r: (bin(g[r] ^ g[r - 1]).count("1"), abs(r - mid)))
    return (g[:r] + [g[r]] + g[r:])[:8]


@p(45, "Gothic Big", "gothic_big", "entry 44 (Gothic) one row taller")
def _():
    return [grow(g) for g in hand_drawn(44)]


def handwritten_fat(index, transform):
    return [transform(g) for g in hand_drawn(index)]


@p(49, "FontHandwritten Fat 1", "fonthandwritten_fat_1", "entry 47 (Handwritten 1) made bold")
def _():
    return handwritten_fat(47, fit_bold)


@p(50, "FontHandwritten Fat 2", "fonthandwritten_fat_2", "entry 48 (Handwritten 2) made bold")
def _():
    return handwritten_fat(48, fit_bold)


@p(51, "FontHandwritten Fat 2", "fonthandwritten_fat_2b", "entry 48 (Handwritten 2) made bold and slanted")
def _():
    return handwritten_fat(48, lambda g: fit_slant(fit_bold(narrow(g, 5)), (1, 1, 1, 1, 0, 0, 0, 0)))


@p(52, "Impact", "impact", "Schumacher Clean clR5x8 thickened sideways and downwards")
def _():
    return printable(pcf("clR5x8", left=1), lambda g: fat(g))


@p(53, "Italic 1", "italic_1", "Schumacher Clean italic clI8x8")
def _():
    return printable(pcf("clI8x8", left=0))


@p(54, "Italic 2", "italic_2", "the ROM character set slanted")
def _():
    return printable(rom(), lambda g: fit_slant(g, ITALIC), keyed_by_unicode=False)


@p(55, "Italic 3", "italic_3", "unscii-8 slanted")
def _():
    return printable(unscii(), lambda g: fit_slant(g, ITALIC))


@p(56, "King", "king", "unscii-8-fantasy capitals with slab serifs, small capitals on the small-letter codes")
def _():
    src = unscii("fantasy")
    for c in range(ord("a"), ord("z") + 1):
        src[c] = squash_row(squash_row(src[c - 32]))
    return printable(src, serifs)


@p(57, "Knight", "knight", "unscii-8-fantasy slanted")
def _():
    return printable(unscii("fantasy"), lambda g: fit_slant(g, ITALIC))


@p(58, "Knight 2", "knight_2", "unscii-8-fantasy slanted backwards")
def _():
    return printable(unscii("fantasy"), lambda g: fit_slant(g, BACKSLANT))


@p(59, "Outline", "outline", "outline of misc-fixed 5x8")
def _():
    return printable(pcf("5x8", left=1), outline)


@p(60, "Prince", "prince", "slab serifs on Misaki Gothic 2nd's 7x7 Latin")
def _():
    return printable(misaki("gothic_2nd"), lambda g: serifs(move_into_cell(g)))


@p(61, "Round Fat", "round_fat", "round corners on unscii-8 thickened downwards")
def _():
    return printable(unscii(), lambda g: round_corners(vbold(g)))


@p(62, "Serif Fat Tall", "serif_fat_tall", "Misaki Mincho's 7x7 Latin stretched to 8 rows, narrowed to 6 columns and bold")
def _():
    return printable(misaki("mincho"), lambda g: bold_if_room(stretch_tall(g)))


@p(63, "Serif Thin 1", "serif_thin_1", "slab serifs on the ROM character set")
def _():
    return printable(rom(), serifs, keyed_by_unicode=False)


@p(64, "Serif Thin 2", "serif_thin_2", "slab serifs on Schumacher Clean clR6x8")
def _():
    return printable(pcf("clR6x8", left=1), serifs)


@p(65, "Square 4", "square_4", "square corners on the ROM character set squeezed to 4 columns (as entry 3)")
def _():
    zx = rom()
    glyphs = []
    for code in range(32, 128):
        art = CONDENSED_REDRAWN.get(code)
        four = draw(art) if art else [b & 0xF0 for b in condense4(zx[code])]
        glyphs.append(square_corners(shift_right(four, 2)))
    return glyphs


@p(66, "Stencil 2", "stencil_2", "horizontal and vertical stencil cuts on unscii-8")
def _():
    return printable(unscii(), lambda g: vertical_cuts(horizontal_cuts(g)))


@p(67, "Tall Fat", "tall_fat", "bold Spleen 5x8; pound and copyright from misc-fixed 5x8")
def _():
    return printable(spleen(), lambda g: bold(shift_right(g, 1)), fill=pcf("5x8", left=0))


@p(68, "Times Fat 1", "times_fat_1", "Misaki Mincho's 7x7 Latin narrowed to 6 columns, bold")
def _():
    return printable(misaki("mincho"), lambda g: bold_if_room(move_into_cell(g, 0)))


@p(69, "Times Fat 2", "times_fat_2", "slab serifs on Schumacher Clean bold clB8x8")
def _():
    return printable(pcf("clB8x8", left=0), serifs)


@p(70, "West", "west", "slab serifs on the bold ROM character set")
def _():
    return printable(rom(), lambda g: serifs(bold(g)), keyed_by_unicode=False)


@p(71, "Western", "western", "slab serifs on the ROM character set, thickened downwards (thick "
   "horizontals, as on wanted posters)")
def _():
    return printable(rom(), lambda g: vbold(serifs(g)), keyed_by_unicode=False)


GREEK_LOOK_ALIKES = {"A": 0x039B, "E": 0x03A3, "N": 0x03A0, "O": 0x0398, "R": 0x0393, "U": 0x03A8,
                     "W": 0x03A9, "X": 0x039E, "Y": 0x03A5, "D": 0x0394, "F": 0x03A6}


@p(72, "Zeus", "zeus", "Daniel Hepper's font8x8 with Greek capitals standing in for look-alike Latin ones "
   "(A-Λ, E-Σ, N-Π, O-Θ, R-Γ, U-Ψ, W-Ω, X-Ξ, D-Δ, F-Φ)")
def _():
    src = font8x8("basic")
    greek = font8x8("greek")
    for lat, cp in GREEK_LOOK_ALIKES.items():
        src[ord(lat)] = greek[cp]
    return printable(src, lambda g: move_into_cell(g))


@p(73, "ZX Improved", "zx_improved", "unscii-8-thin, unchanged")
def _():
    return printable(unscii("thin"))


def main():
    global ROOT, SHARED
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--root", default="/", help="folder the Debian font packages are installed or extracted in")
    parser.add_argument("--shared", default=SHARED, help="folder with zx-rom-charset.bin and font-sources/")
    parser.add_argument("entries", nargs="*", type=int)
    args = parser.parse_args()
    ROOT, SHARED = args.root, args.shared
    wanted = args.entries or sorted(ENTRIES)
    for index in wanted:
        name, kind, slug, source, func = ENTRIES[index]
        glyphs = func()
        data = flatten(glyphs)
        text = font_text.render(name, kind, data, [
            "Entry %d of Quillo's font library. Written by derive_fonts.py: edit the recipe there." % index,
            "Source: " + source + "."])
        with open(file_name(index, slug), "w", encoding="utf-8") as f:
            f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
