#!/usr/bin/env python3
"""Draws the program's art: resources/about.bmp and resources/sorvanto.ico.

Only the Python standard library is used, and no font: the word mark is built
from our own strokes (arcs and bars) and rasterised through signed distance
fields, so the output does not depend on which fonts or image tools a machine
has. Every number below is fixed and the arithmetic is plain IEEE doubles, so
running the script again writes the same bytes.

    python3 resources/art/draw.py            # writes into resources/
    python3 resources/art/draw.py OUTDIR     # writes into OUTDIR instead
    python3 resources/art/draw.py --check    # exit 1 if the files in resources/ are stale
"""

import math
import os
import struct
import sys

# ---------------------------------------------------------------------------
# Signed distance primitives. Coordinates are pixels, y grows downwards,
# angles are degrees counter-clockwise from +x as seen on screen.
# A shape is a function (x, y) -> distance to its edge, negative inside.


def _box(px, py, hx, hy):
    qx = abs(px) - hx
    qy = abs(py) - hy
    ox = qx if qx > 0.0 else 0.0
    oy = qy if qy > 0.0 else 0.0
    inside = qx if qx > qy else qy
    return math.sqrt(ox * ox + oy * oy) + (inside if inside < 0.0 else 0.0)


def rect(x0, y0, x1, y1):
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0, (y1 - y0) / 2.0
    return lambda x, y: _box(x - cx, y - cy, hx, hy)


def rrect(x0, y0, x1, y1, rad):
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0 - rad, (y1 - y0) / 2.0 - rad
    return lambda x, y: _box(x - cx, y - cy, hx, hy) - rad


def disc(cx, cy, rad):
    return lambda x, y: math.hypot(x - cx, y - cy) - rad


def ring(cx, cy, rad, half):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - rad) - half


def bar(ax, ay, bx, by, half):
    """A straight stroke with square (butt) ends at a and b."""
    mx, my = (ax + bx) / 2.0, (ay + by) / 2.0
    dx, dy = bx - ax, by - ay
    length = math.hypot(dx, dy)
    ux, uy = dx / length, dy / length
    hl = length / 2.0

    def sd(x, y):
        rx, ry = x - mx, y - my
        return _box(rx * ux + ry * uy, -rx * uy + ry * ux, hl, half)
    return sd


def capsule(ax, ay, bx, by, half):
    """A straight stroke with round ends."""
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy

    def sd(x, y):
        t = ((x - ax) * dx + (y - ay) * dy) / ll
        t = 0.0 if t < 0.0 else (1.0 if t > 1.0 else t)
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - half
    return sd


def _dir(deg):
    a = math.radians(deg)
    return math.cos(a), -math.sin(a)


def arc(cx, cy, rad, a0, a1, half):
    """A circular stroke from angle a0 to a1 (counter-clockwise), butt ends."""
    sweep = (a1 - a0) % 360.0
    ends = []
    for a in (a0, a1):
        ux, uy = _dir(a)
        ends.append(bar(cx + ux * (rad - half), cy + uy * (rad - half),
                        cx + ux * (rad + half), cy + uy * (rad + half), 1e-9))

    def sd(x, y):
        ang = math.degrees(math.atan2(cy - y, x - cx))
        cut = min(ends[0](x, y), ends[1](x, y))
        if (ang - a0) % 360.0 <= sweep:
            # inside the sweep the square ends bound the field too, or it
            # would jump at them
            return max(abs(math.hypot(x - cx, y - cy) - rad) - half, -cut)
        return cut
    return sd


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def intersect(a, b):
    return lambda x, y: max(a(x, y), b(x, y))


def subtract(a, b):
    return lambda x, y: max(a(x, y), -b(x, y))


def squeeze(shape, cx, sx):
    """The shape stretched sx times along x about cx. The field is divided by
    its numerically measured slope so the anti-aliased edge stays one pixel
    wide."""
    def inner(x, y):
        return shape(cx + (x - cx) / sx, y)

    def sd(x, y):
        d = inner(x, y)
        h = 0.25
        gx = (inner(x + h, y) - inner(x - h, y)) / (2 * h)
        gy = (inner(x, y + h) - inner(x, y - h)) / (2 * h)
        g = math.hypot(gx, gy)
        return d / g if g > 1e-6 else d
    return sd


def coverage(d):
    """Pixel coverage from the distance at its centre: a one pixel ramp."""
    c = 0.5 - d
    return 0.0 if c <= 0.0 else (1.0 if c >= 1.0 else c)


# ---------------------------------------------------------------------------
# The word mark: a geometric, monoline, bold lower case with a capital S.

class Face:
    def __init__(self, xh, cap, w, baseline, overshoot):
        self.xh, self.cap, self.w, self.yb, self.ov = xh, cap, w, baseline, overshoot

    # Each glyph returns (shape, advance) for its left edge at x0.
    def o(self, x0):
        w, R = self.w, (self.xh - self.w) / 2.0 + self.ov
        cx, cy = x0 + R + w / 2.0, self.yb - self.xh / 2.0
        return ring(cx, cy, R, w / 2.0), 2 * R + w

    def a(self, x0):
        w, R = self.w, (self.xh - self.w) / 2.0 + self.ov
        cx, cy = x0 + R + w / 2.0, self.yb - self.xh / 2.0
        stem = rect(cx + R - w / 2.0, self.yb - self.xh, cx + R + w / 2.0, self.yb)
        return union(ring(cx, cy, R, w / 2.0), stem), 2 * R + w

    def _shoulder(self, x0, R, a0):
        w, top = self.w, self.yb - self.xh
        cx, cy = x0 + w / 2.0 + R, top - self.ov + w / 2.0 + R
        stem = rect(x0, top, x0 + w, self.yb)
        return stem, arc(cx, cy, R, a0, 180.0, w / 2.0), cx, cy

    def n(self, x0, R):
        stem, shoulder, cx, cy = self._shoulder(x0, R, 0.0)
        w = self.w
        leg = rect(cx + R - w / 2.0, cy, cx + R + w / 2.0, self.yb)
        return union(stem, shoulder, leg), 2 * R + w

    def r(self, x0, R, a0):
        stem, shoulder, cx, cy = self._shoulder(x0, R, a0)
        ux, _ = _dir(a0)
        right = cx + ux * (R + self.w / 2.0)
        return union(stem, shoulder), right - x0

    def v(self, x0, width, slant_gain):
        w, top = self.w, self.yb - self.xh
        half = w / 2.0 * slant_gain
        xc = x0 + width / 2.0
        # Both strokes run into the baseline at xc and are cut flat there and
        # at the x-height, so the point stays as heavy as the stems.
        dx = width / 2.0 - half * 1.1
        ext = 8.0
        slope = dx / self.xh
        left = bar(xc - dx - slope * ext, top - ext, xc, self.yb, half)
        right = bar(xc + dx + slope * ext, top - ext, xc, self.yb, half)
        band = rect(x0 - 4, top, x0 + width + 4, self.yb)
        return intersect(union(left, right), band), width

    def t(self, x0, width, rise):
        w, top = self.w, self.yb - self.xh
        xs = x0 + width / 2.0
        stem = rect(xs - w / 2.0, top - rise, xs + w / 2.0, self.yb)
        cross = rect(x0, top, x0 + width, top + w * 0.86)
        return union(stem, cross), width

    def S(self, x0, tilt, split, a_top, a_bot, sx, w_s):
        """Two bowls joined by a straight spine on their inner common
        tangent, then widened sx times: the sides come out a little heavier
        than top and bottom, as in drawn lettering. tilt (0..1) is how
        steep the spine is; split is the top bowl's share of the radii."""
        half = w_s / 2.0
        top, bot = self.yb - self.cap - self.ov, self.yb + self.ov
        span = bot - top - w_s
        radii = tilt * span / (1.0 + tilt)
        r_top, r_bot = radii * split, radii * (1.0 - split)
        y1 = top + half + r_top
        y2 = bot - half - r_bot
        dist = y2 - y1
        uy = (r_top + r_bot) / dist
        ux = -math.sqrt(1.0 - uy * uy)
        cx = 0.0
        t1x, t1y = cx + r_top * ux, y1 + r_top * uy
        t2x, t2y = cx - r_bot * ux, y2 - r_bot * uy
        j1 = math.degrees(math.atan2(-(t1y - y1), t1x - cx)) % 360.0
        j2 = math.degrees(math.atan2(-(t2y - y2), t2x - cx))
        bowl1 = arc(cx, y1, r_top, a_top, j1, half)
        bowl2 = arc(cx, y2, r_bot, a_bot, j2, half)
        # the spine runs a pixel into each bowl so no seam shows at the joins
        sl = math.hypot(t2x - t1x, t2y - t1y)
        ex, ey = (t2x - t1x) / sl, (t2y - t1y) / sl
        spine = bar(t1x - ex, t1y - ey, t2x + ex, t2y + ey, half)
        shape = union(bowl1, spine, bowl2)
        left = -(max(r_top, r_bot) + half) * sx
        off = x0 - left
        wide = squeeze(shape, 0.0, sx)
        return (lambda x, y: wide(x - off, y)), 2 * (max(r_top, r_bot) + half) * sx


def wordmark(face, x0, kern):
    """The word 'Sorvanto' as (shape, x from, x to) per letter, and its
    width. kern holds the extra space after each letter but the last."""
    w = face.w
    shapes = []
    x = x0
    plan = [
        lambda x: face.S(x, 0.62, 0.46, 28.0, 208.0, 1.32, w * 0.98),
        lambda x: face.o(x),
        lambda x: face.r(x, face.xh * 0.34, 62.0),
        lambda x: face.v(x, face.xh * 0.98, 1.12),
        lambda x: face.a(x),
        lambda x: face.n(x, face.xh * 0.36),
        lambda x: face.t(x, face.xh * 0.56, face.xh * 0.30),
        lambda x: face.o(x),
    ]
    assert len(kern) == len(plan) - 1, "one spacing between each two letters"
    for i, make in enumerate(plan):
        shape, adv = make(x)
        shapes.append((shape, x - 2, x + adv + 2))
        x += adv + (kern[i] if i < len(kern) else 0.0)
    return shapes, x - x0


# ---------------------------------------------------------------------------
# Raster helpers.

class Canvas:
    def __init__(self, w, h, bg=(0.0, 0.0, 0.0, 0.0)):
        self.w, self.h = w, h
        self.px = [list(bg) for _ in range(w * h)]

    def paint(self, shape, colour, box=None, alpha=1.0):
        """Composites shape over the canvas; colour is (r,g,b) or a function
        of (x, y) giving one. Channels are 0..1, alpha kept straight."""
        x0, y0, x1, y1 = box if box else (0, 0, self.w, self.h)
        x0, y0 = max(0, int(math.floor(x0))), max(0, int(math.floor(y0)))
        x1, y1 = min(self.w, int(math.ceil(x1))), min(self.h, int(math.ceil(y1)))
        for y in range(y0, y1):
            for x in range(x0, x1):
                c = coverage(shape(x + 0.5, y + 0.5)) * alpha
                if c <= 0.0:
                    continue
                r, g, b = colour(x + 0.5, y + 0.5) if callable(colour) else colour
                p = self.px[y * self.w + x]
                da = p[3]
                oa = c + da * (1.0 - c)
                for k, v in enumerate((r, g, b)):
                    p[k] = (v * c + p[k] * da * (1.0 - c)) / oa
                p[3] = oa


def mix(a, b, t):
    t = 0.0 if t < 0.0 else (1.0 if t > 1.0 else t)
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def rgb(hexstr):
    v = int(hexstr, 16)
    return ((v >> 16) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0)


def to_byte(v):
    v = int(v * 255.0 + 0.5)
    return 0 if v < 0 else (255 if v > 255 else v)


# ---------------------------------------------------------------------------
# The shared motif: a rounded tile (a ticked check box turned into a badge)
# carrying the S, with a small switch knob in the corner.

TILE_TOP = rgb("4FA3FF")
TILE_BOTTOM = rgb("1B4FC4")
KNOB = rgb("FFB23A")
WHITE = (1.0, 1.0, 1.0)


def draw_tile(cv, x0, y0, size, detail):
    """The badge in a size x size square at (x0, y0). detail 0 is for the
    16 px icon: no knob, thicker S."""
    s = float(size)
    inset = s * (0.03 if detail else 0.0)
    rad = s * 0.22
    tile = rrect(x0 + inset, y0 + inset, x0 + s - inset, y0 + s - inset, rad)
    top, bottom = y0 + inset, y0 + s - inset

    def shade(x, y):
        return mix(TILE_TOP, TILE_BOTTOM, (y - top) / (bottom - top))
    cv.paint(tile, shade, (x0, y0, x0 + s, y0 + s))
    # a soft lighter rim along the top keeps the tile from looking flat
    if detail:
        rim = subtract(tile, rrect(x0 + inset, y0 + inset + s * 0.035,
                                   x0 + s - inset, y0 + s - inset + s * 0.03, rad))
        cv.paint(rim, WHITE, (x0, y0, x0 + s, y0 + s * 0.4), alpha=0.35)

    cap = s * (0.66 if detail else 0.80)
    w = s * (0.128 if detail else 0.17)
    face = Face(xh=cap * 0.7, cap=cap, w=w, baseline=y0 + s / 2.0 + cap / 2.0,
                overshoot=s * 0.004)
    sx = 1.18 if detail else 1.25
    _, width = face.S(0.0, 0.62, 0.46, 28.0, 208.0, sx, w)
    shape, _ = face.S(x0 + (s - width) / 2.0,
                      0.62, 0.46, 28.0, 208.0, sx, w)
    cv.paint(shape, WHITE, (x0, y0, x0 + s, y0 + s))
    if detail:
        kr = s * 0.085
        kx, ky = x0 + s - inset - s * 0.16, y0 + inset + s * 0.16
        cv.paint(disc(kx, ky, kr + s * 0.03), TILE_BOTTOM, (x0, y0, x0 + s, y0 + s), alpha=0.5)
        cv.paint(disc(kx, ky, kr), KNOB, (x0, y0, x0 + s, y0 + s))


# ---------------------------------------------------------------------------
# about.bmp: 267 x 88, 8 bits per pixel, shown centred on a black panel.

ABOUT_W, ABOUT_H = 267, 88


def draw_about():
    cv = Canvas(ABOUT_W, ABOUT_H, (0.0, 0.0, 0.0, 1.0))
    tile = 56
    tx, ty = 9, (ABOUT_H - tile) // 2
    draw_tile(cv, tx, ty, tile, 1)

    face = Face(xh=22.0, cap=31.0, w=5.6, baseline=53.0, overshoot=0.4)
    kern = [1.4, 2.2, 0.8, 1.2, 2.6, 1.6, 3.0]
    _, width = wordmark(face, 0.0, kern)
    left = tx + tile + (ABOUT_W - (tx + tile) - width) / 2.0
    shapes, _ = wordmark(face, left, kern)
    top, bottom = face.yb - face.cap, face.yb

    def shade(x, y):
        return mix(rgb("FFFFFF"), rgb("A9CCF5"), (y - top) / (bottom - top))
    for shape, gx0, gx1 in shapes:
        cv.paint(shape, shade, (gx0, top - 2, gx1, bottom + 2))

    # a row of switch marks under the word: on, off, on
    row_y = 66.5
    x = left
    for on in (True, False, True):
        pw, ph = 14.0, 7.0
        track = rrect(x, row_y - ph / 2, x + pw, row_y + ph / 2, ph / 2)
        cv.paint(track, rgb("2C6FE0") if on else rgb("3A3F48"), (x - 1, row_y - 6, x + pw + 1, row_y + 6))
        kx = x + pw - ph / 2 if on else x + ph / 2
        cv.paint(disc(kx, row_y, ph / 2 - 1.0), WHITE if on else rgb("9AA0AA"),
                 (x - 1, row_y - 6, x + pw + 1, row_y + 6))
        x += pw + 6.0
    line = rect(x + 2.0, row_y - 0.6, left + width, row_y + 0.6)
    cv.paint(line, rgb("2A3442"), (x, row_y - 3, left + width + 1, row_y + 3))
    return cv


def median_cut(colours, count):
    """colours: {(r,g,b): pixels}. Returns up to count palette colours,
    splitting the box with the widest weighted channel first."""
    boxes = [list(colours.items())]
    while len(boxes) < count:
        best, best_key = None, None
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for ch in range(3):
                lo = min(c[0][ch] for c in box)
                hi = max(c[0][ch] for c in box)
                weight = sum(c[1] for c in box)
                key = ((hi - lo) * math.sqrt(weight), -i, -ch)
                if hi > lo and (best_key is None or key > best_key):
                    best_key, best = key, (i, ch)
        if best is None:
            break
        i, ch = best
        box = sorted(boxes[i], key=lambda c: (c[0][ch], c[0]))
        total = sum(c[1] for c in box)
        run, cut = 0, 1
        for j, c in enumerate(box[:-1]):
            run += c[1]
            cut = j + 1
            if run * 2 >= total:
                break
        boxes[i:i + 1] = [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        n = sum(c[1] for c in box)
        palette.append(tuple(int(sum(c[0][k] * c[1] for c in box) / n + 0.5) for k in range(3)))
    return palette


def write_bmp8(path, cv):
    pixels = [tuple(to_byte(v) for v in p[:3]) for p in cv.px]
    hist = {}
    for p in pixels:
        if p != (0, 0, 0):
            hist[p] = hist.get(p, 0) + 1
    # Black is entry 0 and exact, so the picture melts into the black panel.
    palette = [(0, 0, 0)] + sorted(set(median_cut(hist, 255)))
    palette = palette[:256]
    lookup = {(0, 0, 0): 0}
    for p in hist:
        best, bd = 0, None
        for i, q in enumerate(palette):
            d = (p[0] - q[0]) ** 2 * 3 + (p[1] - q[1]) ** 2 * 4 + (p[2] - q[2]) ** 2 * 2
            if bd is None or d < bd:
                best, bd = i, d
        lookup[p] = best
    while len(palette) < 256:
        palette.append((0, 0, 0))
    stride = (cv.w + 3) & ~3
    rows = bytearray()
    for y in range(cv.h - 1, -1, -1):
        row = bytes(lookup[pixels[y * cv.w + x]] for x in range(cv.w))
        rows += row + b"\0" * (stride - cv.w)
    pal = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + 40 + len(pal)
    info = struct.pack("<IiiHHIIiiII", 40, cv.w, cv.h, 1, 8, 0, len(rows), 2835, 2835, 256, 0)
    head = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(head + info + pal + bytes(rows))


# ---------------------------------------------------------------------------
# sorvanto.ico: 16, 32 and 48 px, 32 bits with alpha plus the AND mask.

def draw_icon(size):
    cv = Canvas(size, size)
    draw_tile(cv, 0, 0, size, 0 if size <= 16 else 1)
    return cv


def icon_image(cv):
    n = cv.w
    xor = bytearray()
    mask = bytearray()
    mstride = ((n + 31) // 32) * 4
    for y in range(n - 1, -1, -1):
        bits = bytearray(mstride)
        for x in range(n):
            r, g, b, a = cv.px[y * n + x]
            ab = to_byte(a)
            if ab == 0:
                xor += b"\0\0\0\0"
                bits[x >> 3] |= 0x80 >> (x & 7)
            else:
                xor += bytes((to_byte(b), to_byte(g), to_byte(r), ab))
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, n, n * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + bytes(xor) + bytes(mask)


def write_ico(path, sizes):
    images = [icon_image(draw_icon(s)) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, img in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


OUTPUTS = ("about.bmp", "sorvanto.ico")


def draw_all(outdir):
    write_bmp8(os.path.join(outdir, "about.bmp"), draw_about())
    write_ico(os.path.join(outdir, "sorvanto.ico"), [16, 32, 48])


def main():
    resources = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    args = sys.argv[1:]
    if args == ["--check"]:
        # The committed files must be what this script draws now: an edit to the
        # drawing that was not followed by a run shows up here.
        import tempfile
        with tempfile.TemporaryDirectory() as tmp:
            draw_all(tmp)
            stale = []
            for name in OUTPUTS:
                with open(os.path.join(tmp, name), "rb") as a:
                    fresh = a.read()
                try:
                    with open(os.path.join(resources, name), "rb") as b:
                        kept = b.read()
                except OSError:
                    kept = None
                if fresh != kept:
                    stale.append(name)
        for name in stale:
            print("resources/%s is not what resources/art/draw.py draws; run it" % name)
        return 1 if stale else 0
    draw_all(args[0] if args else resources)
    return 0


if __name__ == "__main__":
    sys.exit(main())
