#!/usr/bin/env python3
"""Draw Quillo's toolbar icons (24x24) and application icon (64x64).

Standard library only: shapes are described in pixel coordinates (pixel i
covers [i, i+1]), sampled 4x4 per pixel for smooth diagonals, and written
as RGBA PNG files with zlib + struct.

Usage: python3 make_icons.py [output_dir]   (default: this script's folder)
"""

import math
import os
import struct
import sys
import zlib

SS = 4  # samples per pixel along each axis

# ---------------------------------------------------------------- palette
OUT = (28, 30, 46)          # outlines
WHITE = (250, 250, 244)
PAPER = (212, 218, 232)     # folded corners, shading
LINE = (150, 160, 186)      # text lines on pages
GRAY = (176, 184, 200)      # metal
DGRAY = (96, 104, 128)
BLUE = (52, 116, 214)
LBLUE = (196, 226, 250)
GREEN = (52, 178, 76)
YELLOW = (250, 200, 60)     # folder front
DYELLOW = (214, 148, 40)    # folder back
BROWN = (196, 136, 70)
RED = (220, 44, 44)
CASE = (40, 42, 56)         # the dark computer case
# the rainbow stripe, top-left to bottom-right
RAINBOW = [(232, 40, 40), (250, 210, 40), (60, 190, 70), (40, 190, 226)]


# ---------------------------------------------------------------- geometry
def seg_dist(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy
    t = 0.0 if ll == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / ll))
    qx, qy = ax + t * dx - px, ay + t * dy - py
    return math.sqrt(qx * qx + qy * qy)


class Shape:
    bbox = (-1e9, -1e9, 1e9, 1e9)

    def inside(self, x, y):
        raise NotImplementedError


class Fn(Shape):
    def __init__(self, f, bbox=None):
        self.f = f
        if bbox:
            self.bbox = bbox

    def inside(self, x, y):
        return self.f(x, y)


class Poly(Shape):
    def __init__(self, pts):
        self.pts = list(pts)
        xs = [p[0] for p in self.pts]
        ys = [p[1] for p in self.pts]
        self.bbox = (min(xs), min(ys), max(xs), max(ys))

    def inside(self, x, y):
        c = False
        pts = self.pts
        j = len(pts) - 1
        for i in range(len(pts)):
            xi, yi = pts[i]
            xj, yj = pts[j]
            if (yi > y) != (yj > y):
                if x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                    c = not c
            j = i
        return c

    def dist(self, x, y):
        pts = self.pts
        return min(seg_dist(x, y, *pts[i - 1], *pts[i]) for i in range(len(pts)))


class Stroke(Shape):
    """Points within hw of a polyline (round joins and caps)."""

    def __init__(self, pts, hw, closed=False):
        self.pts = list(pts)
        if closed:
            self.pts.append(self.pts[0])
        self.hw = hw
        xs = [p[0] for p in self.pts]
        ys = [p[1] for p in self.pts]
        self.bbox = (min(xs) - hw, min(ys) - hw, max(xs) + hw, max(ys) + hw)

    def inside(self, x, y):
        pts = self.pts
        hw = self.hw
        if len(pts) == 1:
            return math.hypot(x - pts[0][0], y - pts[0][1]) <= hw
        for i in range(1, len(pts)):
            if seg_dist(x, y, *pts[i - 1], *pts[i]) <= hw:
                return True
        return False


class Circle(Shape):
    def __init__(self, cx, cy, r, r_in=0.0):
        self.cx, self.cy, self.r, self.r_in = cx, cy, r, r_in
        self.bbox = (cx - r, cy - r, cx + r, cy + r)

    def inside(self, x, y):
        d = math.hypot(x - self.cx, y - self.cy)
        return self.r_in <= d <= self.r


class Union(Shape):
    def __init__(self, *shapes):
        self.shapes = shapes
        self.bbox = (min(s.bbox[0] for s in shapes), min(s.bbox[1] for s in shapes),
                     max(s.bbox[2] for s in shapes), max(s.bbox[3] for s in shapes))

    def inside(self, x, y):
        return any(s.inside(x, y) for s in self.shapes)


class Clip(Shape):
    """Points of a that are inside b (and not inside 'minus', if given)."""

    def __init__(self, a, b, minus=None):
        self.a, self.b, self.minus = a, b, minus
        self.bbox = (max(a.bbox[0], b.bbox[0]), max(a.bbox[1], b.bbox[1]),
                     min(a.bbox[2], b.bbox[2]), min(a.bbox[3], b.bbox[3]))

    def inside(self, x, y):
        if not (self.a.inside(x, y) and self.b.inside(x, y)):
            return False
        return not (self.minus and self.minus.inside(x, y))


class Inset(Shape):
    """Inside the polygon and at least d away from its boundary."""

    def __init__(self, poly, d):
        self.poly, self.d = poly, d
        self.bbox = poly.bbox

    def inside(self, x, y):
        return self.poly.inside(x, y) and self.poly.dist(x, y) >= self.d


def rect_pts(x0, y0, x1, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


def Rect(x0, y0, x1, y1):
    return Fn(lambda x, y: x0 <= x <= x1 and y0 <= y <= y1, (x0, y0, x1, y1))


def arc_pts(cx, cy, r, a0, a1, n=None):
    """Polyline along a circle; angles in degrees, y down (clockwise)."""
    if n is None:
        n = max(4, int(abs(a1 - a0) / 6))
    out = []
    for i in range(n + 1):
        a = math.radians(a0 + (a1 - a0) * i / n)
        out.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return out


# ---------------------------------------------------------------- canvas
class Canvas:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(w * h)]

    def _cover(self, shape):
        x0, y0, x1, y1 = shape.bbox
        i0, j0 = max(0, int(math.floor(x0)) - 1), max(0, int(math.floor(y0)) - 1)
        i1, j1 = min(self.w, int(math.ceil(x1)) + 1), min(self.h, int(math.ceil(y1)) + 1)
        n = SS * SS
        for j in range(j0, j1):
            for i in range(i0, i1):
                c = 0
                for sy in range(SS):
                    y = j + (sy + 0.5) / SS
                    for sx in range(SS):
                        if shape.inside(i + (sx + 0.5) / SS, y):
                            c += 1
                if c:
                    yield j * self.w + i, c / n

    def paint(self, shape, color, alpha=1.0):
        for k, cov in self._cover(shape):
            a = cov * alpha
            p = self.px[k]
            da = p[3]
            oa = a + da * (1 - a)
            for ch in range(3):
                p[ch] = (color[ch] * a + p[ch] * da * (1 - a)) / oa
            p[3] = oa

    def clear(self, shape):
        for k, cov in self._cover(shape):
            self.px[k][3] *= (1 - cov)

    def flip_h(self):
        w = self.w
        rows = [self.px[j * w:(j + 1) * w][::-1] for j in range(self.h)]
        self.px = [p for row in rows for p in row]
        return self

    def save(self, path):
        raw = bytearray()
        for j in range(self.h):
            raw.append(0)
            for i in range(self.w):
                r, g, b, a = self.px[j * self.w + i]
                if a <= 0.002:
                    raw += b"\0\0\0\0"
                else:
                    raw += bytes((int(round(r)), int(round(g)), int(round(b)),
                                  int(round(min(1.0, a) * 255))))

        def chunk(tag, data):
            c = struct.pack(">I", len(data)) + tag + data
            return c + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF)

        png = b"\x89PNG\r\n\x1a\n"
        png += chunk(b"IHDR", struct.pack(">IIBBBBB", self.w, self.h, 8, 6, 0, 0, 0))
        png += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
        png += chunk(b"IEND", b"")
        with open(path, "wb") as f:
            f.write(png)

    # ------------------------------------------------ drawing helpers
    def poly(self, pts, fill, ow=1.0):
        """Filled polygon with a 2*ow px outline centred on its edges."""
        p = Poly(pts)
        self.paint(Union(p, Stroke(pts, ow, closed=True)), OUT)
        self.paint(Inset(p, ow), fill)

    def rect(self, x0, y0, x1, y1, fill, ow=1.0):
        self.poly(rect_pts(x0, y0, x1, y1), fill, ow)

    def circle(self, cx, cy, r, fill, ow=1.0):
        self.paint(Circle(cx, cy, r + ow), OUT)
        self.paint(Circle(cx, cy, r - ow), fill)

    def path(self, pts, width, fill, ow=1.0):
        """Thick outlined polyline: outline pass then fill pass."""
        self.paint(Stroke(pts, width / 2), OUT)
        self.paint(Stroke(pts, width / 2 - ow), fill)

    def hline(self, x0, x1, y, color):
        """A crisp 1 px line across pixels x0..x1-1 of row y."""
        self.paint(Rect(x0, y, x1, y + 1), color)

    def bitmap(self, x, y, rows, color):
        for j, row in enumerate(rows):
            for i, ch in enumerate(row):
                if ch != ".":
                    self.paint(Rect(x + i, y + j, x + i + 1, y + j + 1), color)


# ---------------------------------------------------------------- pieces
def page(c, x0, y0, x1, y1, fold=6, fill=WHITE):
    pts = [(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)]
    c.poly(pts, fill)
    c.poly([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)], PAPER)


def text_lines(c, x0, x1, ys, color=LINE):
    for y in ys:
        c.hline(x0, x1, y, color)


def rainbow_badge(c, x0, y0, x1, y1):
    """A small dark square crossed by the four-colour diagonal stripe."""
    c.rect(x0, y0, x1, y1, CASE)
    inner = Rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1)
    mid = (x0 + y0 + x1 + y1) / 2
    bw = (x1 - x0 - 2) * 0.36
    start = mid - 2 * bw
    for k, col in enumerate(RAINBOW):
        lo, hi = start + k * bw, start + (k + 1) * bw
        band = Fn(lambda x, y, lo=lo, hi=hi: lo <= x + y < hi)
        c.paint(Clip(band, inner), col)


def arrow_head(c_pts_tip, base_c, normal, half):
    """Triangle points: tip, and base centre +- half * normal."""
    bx, by = base_c
    nx, ny = normal
    return [c_pts_tip, (bx + nx * half, by + ny * half), (bx - nx * half, by - ny * half)]


# ---------------------------------------------------------------- icons
def icon_new():
    c = Canvas(24, 24)
    page(c, 5, 2, 19, 22)
    return c


def icon_open():
    c = Canvas(24, 24)
    c.poly([(2, 4), (9, 4), (11, 6), (19, 6), (19, 20), (2, 20)], DYELLOW)
    c.rect(5, 8, 17, 15, WHITE)
    c.poly([(7, 11), (23, 11), (19, 20), (2, 20)], YELLOW)
    return c


def icon_save():
    c = Canvas(24, 24)
    c.poly([(3, 3), (19, 3), (21, 5), (21, 21), (3, 21)], BLUE)
    c.rect(7, 3, 17, 10, GRAY)
    c.paint(Rect(13, 5, 15, 8), OUT)
    c.rect(6, 13, 18, 21, WHITE)
    text_lines(c, 8, 16, [16, 18])
    return c


def icon_print():
    c = Canvas(24, 24)
    c.rect(6, 2, 18, 10, WHITE)
    c.rect(2, 8, 22, 18, GRAY)
    c.paint(Rect(18, 10, 20, 12), GREEN)
    c.rect(6, 14, 18, 22, WHITE)
    text_lines(c, 8, 16, [17, 19])
    return c


def icon_close():
    c = Canvas(24, 24)
    page(c, 3, 2, 17, 21)
    a, b = (12.5, 12.5), (20.5, 20.5)
    d, e = (20.5, 12.5), (12.5, 20.5)
    c.paint(Union(Stroke([a, b], 2.6), Stroke([d, e], 2.6)), OUT)
    c.paint(Union(Stroke([a, b], 1.5), Stroke([d, e], 1.5)), RED)
    return c


def icon_left():
    c = Canvas(24, 24)
    c.poly([(2, 12), (11, 3), (11, 8), (21, 8), (21, 16), (11, 16), (11, 21)], GREEN)
    return c


def icon_right():
    return icon_left().flip_h()


def icon_find():
    c = Canvas(24, 24)
    c.path([(14.5, 14.5), (20.5, 20.5)], 5.5, DGRAY)
    c.paint(Circle(9.5, 9.5, 7.5), OUT)
    c.paint(Circle(9.5, 9.5, 5.5), LBLUE)
    c.paint(Stroke(arc_pts(9.5, 9.5, 3.3, 190, 260), 0.9), WHITE)
    return c


def icon_cut():
    c = Canvas(24, 24)
    # blades: the second is drawn over the first
    c.path([(8.5, 14.5), (16.5, 2.5)], 4.5, GRAY)
    c.path([(15.5, 14.5), (7.5, 2.5)], 4.5, GRAY)
    c.paint(Circle(12, 9.2, 1.0), OUT)
    for cx in (6.5, 17.5):
        c.paint(Circle(cx, 18, 5.0), OUT)
        c.paint(Circle(cx, 18, 4.0, 2.0), RED)
        c.clear(Circle(cx, 18, 1.2))
    return c


def icon_copy():
    c = Canvas(24, 24)
    c.rect(3, 2, 14, 16, WHITE)
    text_lines(c, 5, 12, [5, 8])
    c.rect(9, 7, 20, 22, WHITE)
    text_lines(c, 11, 18, [10, 13, 16, 19])
    return c


def icon_paste():
    c = Canvas(24, 24)
    c.rect(3, 4, 18, 22, BROWN)
    c.rect(7, 2, 14, 7, GRAY)
    c.rect(10, 10, 21, 22, WHITE)
    text_lines(c, 12, 19, [13, 16, 19])
    return c


def icon_undo():
    c = Canvas(24, 24)
    body = [(9, 9.5), (14, 9.5)] + arc_pts(14, 14.5, 5, -90, 90)[1:] + [(8, 19.5)]
    head = [(2, 9.5), (9.5, 3), (9.5, 16)]
    c.paint(Stroke(body, 2.5), OUT)
    c.paint(Union(Poly(head), Stroke(head, 1.0, closed=True)), OUT)
    c.paint(Stroke(body, 1.5), BLUE)
    c.paint(Inset(Poly(head), 1.0), BLUE)
    return c


def icon_redo():
    return icon_undo().flip_h()


def icon_refresh():
    c = Canvas(24, 24)
    cx, cy, r = 11.5, 13.5, 6.5
    a0, a1 = 25, 270
    a = math.radians(a1)
    base = (cx + r * math.cos(a), cy + r * math.sin(a))
    radial = (math.cos(a), math.sin(a))
    tang = (-math.sin(a), math.cos(a))
    tip = (base[0] + tang[0] * 7, base[1] + tang[1] * 7)
    head = arrow_head(tip, base, radial, 6.0)
    body = arc_pts(cx, cy, r, a0, a1)
    c.paint(Stroke(body, 2.5), OUT)
    c.paint(Union(Poly(head), Stroke(head, 1.0, closed=True)), OUT)
    c.paint(Stroke(body, 1.5), GREEN)
    c.paint(Inset(Poly(head), 1.0), GREEN)
    return c


def icon_properties():
    c = Canvas(24, 24)
    rows = [(4, 15), (11, 8), (18, 14)]  # track top row, knob centre x
    for y, _ in rows:
        c.paint(Rect(3, y, 21, y + 2), DGRAY)
    for y, kx in rows:
        c.circle(kx, y + 1, 2.6, WHITE)
    return c


QUESTION = [
    ".####.",
    "##..##",
    "....##",
    "...##.",
    "..##..",
    "..##..",
    "......",
    "..##..",
    "..##..",
]


def icon_help():
    c = Canvas(24, 24)
    c.circle(12, 12, 10, BLUE)
    c.bitmap(9, 7, QUESTION, WHITE)
    return c


def gear_pts(cx, cy, R, r, teeth=8, tip=9.0, root=15.0, phase=0.0):
    pts = []
    for k in range(teeth):
        a = phase + k * 360.0 / teeth
        for rad, da in ((r, -root - 4), (R, -tip), (R, tip), (r, root + 4)):
            t = math.radians(a + da)
            pts.append((cx + rad * math.cos(t), cy + rad * math.sin(t)))
    return pts


def icon_compile():
    c = Canvas(24, 24)
    cx, cy = 10, 10
    c.poly(gear_pts(cx, cy, 8.5, 6.2, phase=22.5), GRAY)
    c.paint(Circle(cx, cy, 3.6), OUT)
    c.clear(Circle(cx, cy, 2.2))
    rainbow_badge(c, 13, 13, 23, 23)
    return c


def icon_compilerun():
    c = Canvas(24, 24)
    c.poly([(3, 2), (3, 20), (18, 11)], GREEN)
    rainbow_badge(c, 13, 13, 23, 23)
    return c


def icon_gfx():
    c = Canvas(24, 24)
    c.rect(2, 2, 23, 23, WHITE)
    for k in (7, 12, 17):
        c.paint(Rect(k, 3, k + 1, 22), PAPER)
        c.paint(Rect(3, k, 22, k + 1), PAPER)
    cells = [(3, 0), (2, 1), (1, 2), (0, 3)]
    for (ci, cj), col in zip(cells, RAINBOW):
        x, y = 3 + ci * 5, 3 + cj * 5
        c.paint(Rect(x, y, x + 4, y + 4), col)
    return c


def icon_stop():
    c = Canvas(24, 24)
    c.poly([(8, 2), (16, 2), (22, 8), (22, 16), (16, 22), (8, 22), (2, 16), (2, 8)], RED)
    c.paint(Rect(9, 9, 15, 15), WHITE)
    return c


# ---------------------------------------------------------------- app icon
def quill_vane(a, b, wl, wr, notches, n=60):
    """Feather vane from a (tip) to b (base) as (left, right) edge lists.

    wl / wr: the widest half widths of the two sides; notches: (side, t)
    pairs, side -1 for left and +1 for right, t along the vane."""
    ux, uy = b[0] - a[0], b[1] - a[1]
    ln = math.hypot(ux, uy)
    ux, uy = ux / ln, uy / ln
    nx, ny = -uy, ux  # left normal
    left, right = [], []
    for i in range(n + 1):
        t = i / n
        w = math.sin(math.pi * t ** 0.7) ** 0.7
        px, py = a[0] + ux * ln * t, a[1] + uy * ln * t
        for side, wmax, out in ((-1, wl, left), (1, wr, right)):
            f = 1.0
            for s, tn in notches:
                if s == side and tn - 0.06 <= t <= tn:
                    # a notch sloping towards the base
                    f = min(f, 0.45 + 0.55 * (tn - t) / 0.06)
            ww = wmax * w * f
            sgn = 1 if side == -1 else -1
            out.append((px + sgn * nx * ww, py + sgn * ny * ww))
    return left, right


def icon_app(top=(44.0, 4.0), nib=(20.0, 60.0), stripe=(68.0, 8.0)):
    c = Canvas(64, 64)
    # dark rounded square
    R, x0, y0, x1, y1 = 9.0, 2.0, 2.0, 62.0, 62.0

    def rr(x, y, grow):
        qx = max(x0 + R - x, 0, x - (x1 - R))
        qy = max(y0 + R - y, 0, y - (y1 - R))
        return math.hypot(qx, qy) <= R + grow and x0 - grow <= x <= x1 + grow \
            and y0 - grow <= y <= y1 + grow

    c.paint(Fn(lambda x, y: rr(x, y, 1.0)), OUT)
    c.paint(Fn(lambda x, y: rr(x, y, -1.0)), CASE)
    inner = Fn(lambda x, y: rr(x, y, -1.0))
    # rainbow stripe in the lower right, running up to the right
    start, bw = stripe
    for k, col in enumerate(RAINBOW):
        lo, hi = start + k * bw, start + (k + 1) * bw
        c.paint(Clip(Fn(lambda x, y, lo=lo, hi=hi: lo <= x + y < hi), inner), col)
    # the quill: vane from top to base, then bare shaft and nib
    ux, uy = nib[0] - top[0], nib[1] - top[1]
    ln = math.hypot(ux, uy)
    ux, uy = ux / ln, uy / ln
    nx, ny = -uy, ux
    at = lambda t, off=0.0: (top[0] + ux * ln * t + nx * off, top[1] + uy * ln * t + ny * off)
    base = at(0.74)
    left, right = quill_vane(top, base, 7.5, 10.0, [(1, 0.45), (1, 0.72), (-1, 0.6)])
    vane = left + right[::-1]
    c.poly(vane, WHITE, ow=1.25)
    c.paint(Clip(Poly(left), Inset(Poly(vane), 1.25)), PAPER)
    # nib
    nibpts = [at(0.76, 2.4), at(0.89, 2.7), nib, at(0.89, -2.7), at(0.76, -2.4)]
    c.poly(nibpts, GRAY, ow=1.25)
    c.paint(Stroke([at(0.9), at(0.96)], 0.6), OUT)
    # shaft
    c.paint(Stroke([at(0.04), at(0.76)], 1.1), OUT)
    return c


ICONS = {
    "new": icon_new,
    "open": icon_open,
    "save": icon_save,
    "print": icon_print,
    "close": icon_close,
    "left": icon_left,
    "right": icon_right,
    "find": icon_find,
    "cut": icon_cut,
    "copy": icon_copy,
    "paste": icon_paste,
    "undo": icon_undo,
    "redo": icon_redo,
    "refresh": icon_refresh,
    "properties": icon_properties,
    "help": icon_help,
    "compile": icon_compile,
    "compilerun": icon_compilerun,
    "gfx": icon_gfx,
    "stop": icon_stop,
    "quillo": icon_app,
}


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    only = sys.argv[2:]
    for name, fn in ICONS.items():
        if only and name not in only:
            continue
        fn().save(os.path.join(out, name + ".png"))
        print(name + ".png")


if __name__ == "__main__":
    main()
