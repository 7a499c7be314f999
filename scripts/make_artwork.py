#!/usr/bin/env python3
"""Draws every picture the application ships: toolbar icons, the pointer, the "like" badge, the
About portrait, the application icon in all its sizes and the plain style sheet.

Only the Python standard library is used so that the artwork can be rebuilt on any machine
with Python 3; JPEG encoding is left to GraphicsMagick's `gm`, which the build needs anyway.
Every shape is a signed distance function sampled per pixel, with supersampling only along
edges, so the same description renders cleanly at 16 px and at 256 px. Nothing depends on
time or randomness: running the script twice writes the same bytes.

Usage: python3 scripts/make_artwork.py
"""

import math
import os
import struct
import subprocess
import sys
import tempfile
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# ---------------------------------------------------------------------------------------------
# Distance functions. Each shape is a callable (x, y) -> signed distance in pixels, negative
# inside. They stay 1-Lipschitz (or underestimate), which lets the rasteriser skip
# supersampling wherever the centre of a pixel is farther than a pixel from any edge.
# ---------------------------------------------------------------------------------------------


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def ellipse(cx, cy, rx, ry):
    k = min(rx, ry)

    def f(x, y):
        return (math.hypot((x - cx) / rx, (y - cy) / ry) - 1.0) * k

    return f


def box(x0, y0, x1, y1, r=0.0):
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hw, hh = (x1 - x0) / 2.0 - r, (y1 - y0) / 2.0 - r

    def f(x, y):
        qx = abs(x - cx) - hw
        qy = abs(y - cy) - hh
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - r

    return f


def obox(cx, cy, hw, hh, angle, r=0.0):
    """Box of half-size (hw, hh) rotated by angle (radians, y axis pointing down)."""
    c, s = math.cos(angle), math.sin(angle)
    inner = box(-hw, -hh, hw, hh, r)

    def f(x, y):
        dx, dy = x - cx, y - cy
        return inner(dx * c + dy * s, -dx * s + dy * c)

    return f


def polygon(pts):
    n = len(pts)

    def f(x, y):
        d = float("inf")
        inside = False
        for i in range(n):
            ax, ay = pts[i]
            bx, by = pts[i - 1]
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            ee = ex * ex + ey * ey
            t = 0.0 if ee == 0 else max(0.0, min(1.0, (wx * ex + wy * ey) / ee))
            px, py = wx - ex * t, wy - ey * t
            dd = px * px + py * py
            if dd < d:
                d = dd
            if (ay > y) != (by > y):
                if x < ax + (y - ay) * (bx - ax) / (by - ay):
                    inside = not inside
        d = math.sqrt(d)
        return -d if inside else d

    return f


def segment(ax, ay, bx, by, r):
    ex, ey = bx - ax, by - ay
    ee = ex * ex + ey * ey

    def f(x, y):
        wx, wy = x - ax, y - ay
        t = 0.0 if ee == 0 else max(0.0, min(1.0, (wx * ex + wy * ey) / ee))
        return math.hypot(wx - ex * t, wy - ey * t) - r

    return f


def polyline(pts, r):
    return union(*[segment(pts[i][0], pts[i][1], pts[i + 1][0], pts[i + 1][1], r)
                   for i in range(len(pts) - 1)])


def arc(cx, cy, radius, a0, a1, r):
    """Thick arc of the circle around (cx, cy) from angle a0 to a1 (degrees, counter-clockwise
    on screen, 0 pointing right) with round caps of radius r."""
    a0r, a1r = math.radians(a0), math.radians(a1)
    span = (a1r - a0r) % (2 * math.pi)
    p0 = (cx + radius * math.cos(a0r), cy - radius * math.sin(a0r))
    p1 = (cx + radius * math.cos(a1r), cy - radius * math.sin(a1r))

    def f(x, y):
        a = math.atan2(-(y - cy), x - cx)
        if (a - a0r) % (2 * math.pi) <= span:
            return abs(math.hypot(x - cx, y - cy) - radius) - r
        return min(math.hypot(x - p0[0], y - p0[1]), math.hypot(x - p1[0], y - p1[1])) - r

    return f


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def intersect(*shapes):
    return lambda x, y: max(s(x, y) for s in shapes)


def subtract(a, *bs):
    return lambda x, y: max(a(x, y), max(-b(x, y) for b in bs))


def grow(s, k):
    return lambda x, y: s(x, y) - k


def shell(s, w):
    """A band of width 2*w centred on the outline of s."""
    return lambda x, y: abs(s(x, y)) - w


def gear(cx, cy, body, outer, teeth, tooth_half, hole):
    step = 2 * math.pi / teeth
    tooth = box(body - 1.0, -tooth_half, outer, tooth_half, min(0.6, tooth_half * 0.5))
    core = circle(cx, cy, body)

    def f(x, y):
        dx, dy = x - cx, y - cy
        a = math.atan2(dy, dx)
        k = round(a / step)
        b = -k * step
        c, s = math.cos(b), math.sin(b)
        rx, ry = dx * c - dy * s, dx * s + dy * c
        d = min(core(x, y), tooth(rx, ry))
        return max(d, hole - math.hypot(dx, dy))

    return f


# ---------------------------------------------------------------------------------------------
# Canvas: premultiplied float RGBA, composited with "over".
# ---------------------------------------------------------------------------------------------


def rgb(h, a=1.0):
    h = h.lstrip("#")
    return (int(h[0:2], 16) / 255.0, int(h[2:4], 16) / 255.0, int(h[4:6], 16) / 255.0, a)


def mix(c0, c1, t):
    return tuple(c0[i] + (c1[i] - c0[i]) * t for i in range(4))


def vgrad(c0, c1, y0, y1):
    """Vertical gradient paint from c0 at y0 to c1 at y1."""

    def f(x, y):
        t = 0.0 if y1 == y0 else max(0.0, min(1.0, (y - y0) / (y1 - y0)))
        return mix(c0, c1, t)

    return f


class Canvas:
    def __init__(self, w, h, ss=8):
        self.w, self.h, self.ss = w, h, ss
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(w * h)]
        offs = [(i + 0.5) / ss for i in range(ss)]
        self.samples = [(ox, oy) for oy in offs for ox in offs]

    def fill(self, shape, paint, bbox=None, clip=None):
        """Composites paint (a colour tuple or a function of x, y) over the area where shape is
        negative, optionally also limited to where clip is negative."""
        x0, y0, x1, y1 = bbox if bbox else (0, 0, self.w, self.h)
        x0, y0 = max(0, int(math.floor(x0))), max(0, int(math.floor(y0)))
        x1, y1 = min(self.w, int(math.ceil(x1))), min(self.h, int(math.ceil(y1)))
        if clip is not None:
            inner = shape
            shape = lambda x, y: max(inner(x, y), clip(x, y))  # noqa: E731
        n = float(len(self.samples))
        for j in range(y0, y1):
            for i in range(x0, x1):
                d = shape(i + 0.5, j + 0.5)
                if d >= 0.75:
                    continue
                if d <= -0.75:
                    cov = 1.0
                else:
                    hits = 0
                    for ox, oy in self.samples:
                        if shape(i + ox, j + oy) < 0:
                            hits += 1
                    if hits == 0:
                        continue
                    cov = hits / n
                c = paint(i + 0.5, j + 0.5) if callable(paint) else paint
                a = c[3] * cov
                p = self.px[j * self.w + i]
                k = 1.0 - a
                p[0] = c[0] * a + p[0] * k
                p[1] = c[1] * a + p[1] * k
                p[2] = c[2] * a + p[2] * k
                p[3] = a + p[3] * k

    def outlined(self, shape, fill, line, width=1.0, bbox=None):
        """The house style: a flat fill inside a darker line of the given width."""
        self.fill(shape, line, bbox)
        self.fill(grow(shape, -width), fill, bbox)

    def set_pixel(self, i, j, c):
        self.px[j * self.w + i] = [c[0] * c[3], c[1] * c[3], c[2] * c[3], c[3]]

    def rgba_bytes(self):
        out = bytearray()
        for p in self.px:
            a = p[3]
            if a <= 0.0:
                out += b"\0\0\0\0"
                continue
            out.append(q(p[0] / a))
            out.append(q(p[1] / a))
            out.append(q(p[2] / a))
            out.append(q(a))
        return bytes(out)

    def rgb_bytes(self):
        out = bytearray()
        for p in self.px:
            out.append(q(p[0]))
            out.append(q(p[1]))
            out.append(q(p[2]))
        return bytes(out)


def q(v):
    return max(0, min(255, int(v * 255.0 + 0.5)))


# ---------------------------------------------------------------------------------------------
# File writers.
# ---------------------------------------------------------------------------------------------


def png_bytes(w, h, rgba):
    def chunk(tag, data):
        body = tag + data
        crc = zlib.crc32(body) & 0xFFFFFFFF
        return struct.pack(">I", len(data)) + body + struct.pack(">I", crc)

    stride = w * 4
    raw = bytearray()
    for y in range(h):
        raw.append(0)
        raw += rgba[y * stride:(y + 1) * stride]
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def write_file(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def save_png(canvas, path):
    write_file(path, png_bytes(canvas.w, canvas.h, canvas.rgba_bytes()))


def bmp_icon_entry(w, h, rgba):
    """A 32-bit DIB as stored inside .ico files: double height, bottom-up BGRA, then the 1-bit
    AND mask. Readers that honour alpha ignore the mask; the ones that do not still get the
    transparent area right from it."""
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    mask = bytearray()
    mask_stride = ((w + 31) // 32) * 4
    for y in range(h - 1, -1, -1):
        row = bytearray(mask_stride)
        for x in range(w):
            o = (y * w + x) * 4
            r, g, b, a = rgba[o:o + 4]
            pixels += bytes((b, g, r, a))
            if a == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return header + bytes(pixels) + bytes(mask)


def ico_bytes(images):
    """images: list of (size, rgba). Sizes under 256 are stored as DIBs, which every reader
    understands; the 256 px one as PNG to keep the file small, as Windows itself does."""
    blobs = []
    for size, rgba in images:
        if size >= 256:
            blobs.append(png_bytes(size, size, rgba))
        else:
            blobs.append(bmp_icon_entry(size, size, rgba))
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for (size, _), blob in zip(images, blobs):
        dim = 0 if size >= 256 else size
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    return bytes(out)


# ---------------------------------------------------------------------------------------------
# Palette shared by the toolbar icons.
# ---------------------------------------------------------------------------------------------

GREEN = rgb("5cb83c")
GREEN_LINE = rgb("2d6e1a")
BLUE = rgb("3d8ae0")
BLUE_LINE = rgb("1c4f94")
RED = rgb("e0403a")
RED_LINE = rgb("8e1a16")
YELLOW = rgb("f7cf5a")
YELLOW_DARK = rgb("e6b23c")
YELLOW_LINE = rgb("9a6c12")
STEEL = rgb("a9b3bf")
STEEL_LINE = rgb("4a5360")
INK = rgb("3c4450")
WHITE = rgb("ffffff")


def icon_add():
    c = Canvas(16, 16)
    c.outlined(union(box(1.5, 6, 14.5, 10), box(6, 1.5, 10, 14.5)), GREEN, GREEN_LINE)
    return c


def icon_convert():
    c = Canvas(16, 16)
    arrow = polygon([(1.5, 5.5), (8, 5.5), (8, 1.5), (14.8, 8), (8, 14.5), (8, 10.5), (1.5, 10.5)])
    c.outlined(arrow, BLUE, BLUE_LINE)
    return c


def icon_stop():
    c = Canvas(16, 16)
    # Vertices on whole pixels make the diagonals run through pixel corners, so the eight
    # sides survive at 16 px instead of melting into a disc.
    octagon = polygon([(5, 1), (11, 1), (15, 5), (15, 11), (11, 15), (5, 15), (1, 11), (1, 5)])
    c.outlined(octagon, RED, RED_LINE)
    # The white rim, a pixel inside the edge, is what a stop sign is recognised by.
    c.fill(shell(grow(octagon, -2.5), 0.5), WHITE)
    return c


def icon_delete():
    c = Canvas(16, 16)
    cross = union(segment(4, 4, 12, 12, 2.3), segment(4, 12, 12, 4, 2.3))
    c.outlined(cross, RED, RED_LINE)
    return c


def icon_clear():
    c = Canvas(16, 16)
    angle = math.radians(-45)
    body = obox(8.6, 7.0, 6.4, 3.2, angle, 0.8)
    # The eraser is two-tone: the rubber tip at the lower left, a sleeve at the upper right.
    cut = lambda x, y: (-0.5 - (x - y)) * 0.7071  # noqa: E731
    c.fill(body, rgb("7a2340"))
    c.fill(grow(body, -1), rgb("f28cab"))
    c.fill(intersect(grow(body, -1), cut), rgb("6fa8e6"))
    c.fill(intersect(grow(body, -1), shell(cut, 0.5)), rgb("7a2340"))
    c.fill(segment(1.5, 14.5, 14.5, 14.5, 0.5), INK)
    return c


def icon_exit():
    c = Canvas(16, 16)
    frame = box(1.5, 1.5, 10.5, 15, 0.3)
    c.fill(frame, rgb("5a3a1c"))
    c.fill(box(2.5, 2.5, 9.5, 15), rgb("2a2a2a"))
    # The door leaf swings open towards the viewer, drawn as a trapezoid.
    leaf = polygon([(2.5, 2.5), (7.5, 1.0), (7.5, 16), (2.5, 15)])
    c.outlined(leaf, rgb("c98a4b"), rgb("5a3a1c"))
    c.fill(circle(6.2, 8.6, 0.75), rgb("f5d36b"))
    arrow = polygon([(6.5, 7), (10.5, 7), (10.5, 4.5), (15.2, 8.5), (10.5, 12.5), (10.5, 10),
                     (6.5, 10)])
    c.outlined(arrow, GREEN, GREEN_LINE)
    return c


def folder_shapes(x0=1.0, y0=2.0, x1=15.0, y1=14.0):
    back = union(box(x0, y0, x0 + 6.0, y0 + 4.0, 0.8), box(x0, y0 + 2.0, x1, y1, 0.6))
    front = box(x0, y0 + 4.0, x1, y1, 0.6)
    return back, front


def draw_folder(c, **kw):
    back, front = folder_shapes(**kw)
    c.outlined(back, YELLOW_DARK, YELLOW_LINE)
    c.outlined(front, YELLOW, YELLOW_LINE)


def icon_folder_add():
    c = Canvas(16, 16)
    draw_folder(c, x0=0.5, y0=1.5, x1=14.5, y1=13.5)
    plus = union(box(7.5, 10, 16, 14), box(9.75, 7.75, 13.75, 16))
    c.outlined(plus, GREEN, GREEN_LINE)
    return c


def icon_explore():
    c = Canvas(16, 16)
    draw_folder(c, x0=0.5, y0=1.5, x1=14.5, y1=13.5)
    cx, cy, r = 9.2, 9.2, 3.6
    c.fill(segment(cx + 2.6, cy + 2.6, 14.7, 14.7, 1.6), STEEL_LINE)
    c.fill(segment(cx + 2.6, cy + 2.6, 14.4, 14.4, 0.7), rgb("6b4a2a"))
    c.fill(circle(cx, cy, r + 1.1), STEEL_LINE)
    c.fill(circle(cx, cy, r), rgb("d4ecfb"))
    c.fill(circle(cx - 1.1, cy - 1.1, 1.0), rgb("ffffff", 0.9))
    return c


def icon_list():
    c = Canvas(16, 16)
    for y in (3.0, 8.0, 13.0):
        c.outlined(circle(3.0, y, 1.9), BLUE, BLUE_LINE)
        c.fill(box(6.5, y - 1.0, 15, y + 1.0, 0.3), INK)
    return c


def icon_options():
    c = Canvas(16, 16)
    g = gear(8, 8, 5.3, 7.6, 8, 1.45, 2.2)
    c.outlined(g, STEEL, STEEL_LINE)
    return c


def icon_option():
    c = Canvas(16, 16)
    # A wrench: round head with an open jaw at the top right, handle to the lower left.
    head = circle(10.8, 5.2, 4.3)
    jaw = union(obox(12.6, 3.4, 1.5, 3.5, math.radians(45)), circle(10.8, 5.2, 1.6))
    handle = segment(2.7, 13.3, 9.6, 6.4, 1.9)
    wrench = subtract(union(head, handle), jaw)
    c.outlined(wrench, STEEL, STEEL_LINE)
    c.fill(circle(3.1, 12.9, 0.8), STEEL_LINE)
    return c


def icon_color():
    c = Canvas(16, 16)
    body = subtract(ellipse(8, 8.3, 7.3, 6.3), circle(10.8, 11.8, 1.7), circle(15.6, 11.0, 2.2))
    c.outlined(body, rgb("f0d4a0"), rgb("8a6432"))
    for (x, y, col) in ((4.0, 6.8, "e0403a"), (7.3, 4.3, "f7cf3a"), (11.2, 5.0, "3d8ae0"),
                        (4.8, 10.7, "4cb83c")):
        c.fill(circle(x, y, 1.75), rgb(col))
    return c


def icon_tick():
    c = Canvas(16, 16)
    check = polyline([(3.0, 8.6), (6.4, 12.0), (13.0, 4.2)], 2.2)
    c.outlined(check, GREEN, GREEN_LINE)
    return c


def draw_picture(c, x0, y0, x1, y1, line=1.0, sun=True):
    """A framed landscape; coordinates are the outer edge of the frame."""
    frame = box(x0, y0, x1, y1)
    c.fill(frame, INK)
    inside = grow(frame, -line)
    w, h = x1 - x0, y1 - y0
    c.fill(inside, vgrad(rgb("7cc0f5"), rgb("d8efff"), y0, y1))
    if sun:
        c.fill(circle(x0 + w * 0.72, y0 + h * 0.32, h * 0.14), rgb("ffd23a"), clip=inside)
    c.fill(ellipse(x0 + w * 0.25, y1 + h * 0.05, w * 0.55, h * 0.50), rgb("4e9e3a"), clip=inside)
    c.fill(ellipse(x0 + w * 0.85, y1 + h * 0.15, w * 0.45, h * 0.45), rgb("6fc04a"), clip=inside)


def icon_image():
    c = Canvas(16, 16)
    draw_picture(c, 0.5, 2, 15.5, 14)
    return c


# ---------------------------------------------------------------------------------------------
# Larger pictures.
# ---------------------------------------------------------------------------------------------


def picture_like():
    c = Canvas(32, 32)
    cuff = box(2.5, 13.5, 9.5, 29.5, 1.2)
    hand = union(
        box(9.0, 12.5, 27.0, 29.5, 3.0),
        polygon([(9.0, 14.5), (13.0, 12.5), (15.5, 5.5), (21.5, 5.5), (20.0, 13.5), (9.0, 16.0)]),
        segment(18.0, 5.8, 19.2, 5.4, 3.0),
    )
    c.outlined(cuff, rgb("2f6fc4"), BLUE_LINE, 1.3)
    c.fill(circle(6.0, 25.5, 1.1), rgb("d9e8fb"))
    c.outlined(hand, rgb("4a93e8"), BLUE_LINE, 1.3)
    # Curled fingers: creases across the back of the hand, short of its left edge.
    for y in (17.3, 21.5, 25.5):
        c.fill(segment(19.0, y, 26.5, y, 0.65), BLUE_LINE)
    return c


# The classic pointer: B = outline, W = fill, '.' = transparent. The hot spot is the top-left
# pixel, so the tip sits there.
CURSOR = [
    "B...........",
    "BB..........",
    "BWB.........",
    "BWWB........",
    "BWWWB.......",
    "BWWWWB......",
    "BWWWWWB.....",
    "BWWWWWWB....",
    "BWWWWWWWB...",
    "BWWWWWWWWB..",
    "BWWWWWWWWWB.",
    "BWWWWWWBBBBB",
    "BWWWBWWB....",
    "BWWBBWWB....",
    "BWB..BWWB...",
    "BB...BWWB...",
    "B.....BWWB..",
    "......BWWB..",
    ".......BB...",
]


def picture_cursor():
    c = Canvas(32, 32)
    for j, row in enumerate(CURSOR):
        for i, ch in enumerate(row):
            if ch == "B":
                c.set_pixel(i, j, (0.0, 0.0, 0.0, 1.0))
            elif ch == "W":
                c.set_pixel(i, j, (1.0, 1.0, 1.0, 1.0))
    return c


def picture_about():
    w, h = 180, 135
    c = Canvas(w, h, ss=4)
    c.fill(box(-1, -1, w + 1, h + 1), vgrad(rgb("dcecfa"), rgb("f6e6f0"), 0, h))
    # Soft halo behind the head keeps the subject off the background.
    c.fill(circle(90, 58, 56), rgb("ffffff", 0.35))
    c.fill(circle(90, 58, 46), rgb("ffffff", 0.25))
    skin, skin_shade = rgb("f6cfae"), rgb("e8b48e")
    hair, hair_dark = rgb("6b4326"), rgb("4e2f19")
    line = rgb("5a3a28")

    # Shoulders and shirt.
    shoulders = union(ellipse(90, 150, 70, 42), box(20, 140, 160, 140 + 20))
    c.fill(shoulders, rgb("2f6fc4"))
    c.fill(ellipse(90, 151, 66, 38), rgb("3d8ae0"))
    c.fill(box(79, 84, 101, 112, 6), skin_shade)
    c.fill(polygon([(74, 110), (90, 130), (106, 110), (101, 107), (79, 107)]), skin_shade)
    collar_l = polygon([(72, 109), (80, 106), (90, 124), (84, 130)])
    collar_r = polygon([(108, 109), (100, 106), (90, 124), (96, 130)])
    c.fill(collar_l, rgb("ffffff"))
    c.fill(collar_r, rgb("ffffff"))

    # Hair behind the head.
    c.fill(ellipse(90, 56, 38, 40), hair_dark)
    # Ears, face.
    c.fill(ellipse(56, 66, 6, 9), skin_shade)
    c.fill(ellipse(124, 66, 6, 9), skin_shade)
    c.fill(ellipse(90, 64, 32, 36), skin)
    # Fringe sweeping over the forehead.
    fringe = union(
        intersect(ellipse(90, 50, 36, 30), lambda x, y: y - 44 - 0.18 * (x - 90)),
        ellipse(68, 40, 18, 14),
        ellipse(100, 34, 26, 12),
    )
    c.fill(intersect(fringe, ellipse(90, 56, 38, 40)), hair)

    # Eyes with a catch light, brows.
    for ex in (77, 103):
        c.fill(ellipse(ex, 64, 4.2, 5.2), rgb("2b2220"))
        c.fill(circle(ex + 1.4, 62.0, 1.5), WHITE)
        c.fill(arc(ex, 61, 9, 60, 120, 1.4), hair_dark)
    # Cheeks, nose, smile.
    c.fill(ellipse(70, 78, 6, 3.5), rgb("f29a8e", 0.55))
    c.fill(ellipse(110, 78, 6, 3.5), rgb("f29a8e", 0.55))
    c.fill(arc(90, 69, 5, 225, 315, 1.2), skin_shade)
    mouth = intersect(ellipse(90, 80, 11, 9), lambda x, y: 80.0 - y)
    c.fill(grow(mouth, 1.3), line)
    c.fill(mouth, rgb("b8434a"))
    c.fill(intersect(mouth, ellipse(90, 80, 8, 3.2)), WHITE)
    return c


# ---------------------------------------------------------------------------------------------
# Application icon: a photo stacked on another, with an arrow turning one into the other.
# Drawn on a 0..1 unit square and sampled at each size, with line widths kept to whole pixels
# at the small sizes so they stay crisp.
# ---------------------------------------------------------------------------------------------


def app_icon(size):
    c = Canvas(size, size, ss=8 if size <= 64 else 4)
    s = float(size)
    lw = max(1.0, round(s / 48.0 * 2) / 2)  # outline width in pixels

    def snap(v):
        return round(v * s)

    def photo(x0, y0, x1, y1, warm):
        X0, Y0, X1, Y1 = snap(x0), snap(y0), snap(x1), snap(y1)
        r = max(0.0, s / 64.0)
        card = box(X0, Y0, X1, Y1, r)
        if size >= 32:
            # Drop shadow, only where there is room for it to read as one.
            c.fill(box(X0 + lw, Y0 + lw * 1.5, X1 + lw, Y1 + lw * 1.5, r), rgb("000000", 0.22))
        c.fill(card, INK)
        c.fill(grow(card, -lw), WHITE)
        m = lw + max(1.0, round(s / 24.0))
        pic = box(X0 + m, Y0 + m, X1 - m, Y1 - m)
        pw, ph = X1 - X0 - 2 * m, Y1 - Y0 - 2 * m
        px0, py0, py1 = X0 + m, Y0 + m, Y1 - m
        if warm:
            c.fill(pic, vgrad(rgb("f59a3c"), rgb("ffd98a"), py0, py1))
            c.fill(circle(px0 + pw * 0.30, py0 + ph * 0.45, ph * 0.18), rgb("fff3c4"), clip=pic)
            c.fill(polygon([(px0 - 1, py1 + 1), (px0 + pw * 0.45, py0 + ph * 0.35),
                            (px0 + pw * 1.0 + 1, py1 + 1)]), rgb("8a4f8c"), clip=pic)
        else:
            c.fill(pic, vgrad(rgb("5aa9f0"), rgb("cfe9ff"), py0, py1))
            c.fill(circle(px0 + pw * 0.74, py0 + ph * 0.30, ph * 0.16), rgb("ffd23a"), clip=pic)
            c.fill(ellipse(px0 + pw * 0.22, py1 + ph * 0.10, pw * 0.60, ph * 0.52), rgb("3f8f32"),
                   clip=pic)
            c.fill(ellipse(px0 + pw * 0.90, py1 + ph * 0.20, pw * 0.50, ph * 0.50), rgb("6cc04a"),
                   clip=pic)

    # A curved arrow sweeping from the back photo to the front one around the top right corner.
    # Below 32 px there is no room for an outline around it, so it is drawn solid, and at 16 px
    # the photos move apart to leave the arrow a clear corner of its own.
    small = size < 32
    if size <= 16:
        photo(0.0, 0.0, 0.625, 0.5, True)
        photo(0.3125, 0.4375, 1.0, 0.9375, False)
        cx, cy, rad = 0.63 * s, 0.41 * s, 0.22 * s
    else:
        photo(0.03, 0.06, 0.70, 0.60, True)
        photo(0.30, 0.36, 0.97, 0.90, False)
        cx, cy, rad = 0.57 * s, 0.42 * s, 0.29 * s
    thick = max(0.9, s * 0.05)
    body = arc(cx, cy, rad, 20.0, 110.0, thick)
    tip_a = math.radians(-8.0)
    tx, ty = cx + rad * math.cos(tip_a), cy - rad * math.sin(tip_a)
    base_a = math.radians(28.0)
    bx, by = cx + rad * math.cos(base_a), cy - rad * math.sin(base_a)
    nx, ny = math.cos(base_a), -math.sin(base_a)
    head_w = thick * 2.7
    head = polygon([(tx, ty), (bx + nx * head_w, by + ny * head_w),
                    (bx - nx * head_w, by - ny * head_w)])
    arrow = union(body, head)
    c.fill(grow(arrow, 0.6 if small else lw), rgb("ffffff", 0.9))
    if small:
        c.fill(arrow, rgb("1f6fd0"))
    else:
        c.outlined(arrow, rgb("2e8be8"), BLUE_LINE, lw)
    return c


# ---------------------------------------------------------------------------------------------


ICONS = {
    "add": icon_add,
    "convert": icon_convert,
    "stop": icon_stop,
    "delete": icon_delete,
    "clear": icon_clear,
    "exit": icon_exit,
    "folder_add": icon_folder_add,
    "list": icon_list,
    "options": icon_options,
    "option": icon_option,
    "color": icon_color,
    "tick": icon_tick,
    "image": icon_image,
    "explore": icon_explore,
}

APP_SIZES = (16, 24, 32, 48, 64, 96, 128, 256)

PLAIN_QSS = b'QWidget {\r\nfont-family:"Trebuchet MS";\r\n}\r\n'


def write_jpeg(canvas, path):
    with tempfile.TemporaryDirectory() as tmp:
        ppm = os.path.join(tmp, "about.ppm")
        with open(ppm, "wb") as f:
            f.write(b"P6\n%d %d\n255\n" % (canvas.w, canvas.h))
            f.write(canvas.rgb_bytes())
        out = os.path.join(tmp, "about.jpg")
        subprocess.run(["gm", "convert", ppm, "-strip", "-sampling-factor", "1x1", "-quality", "90",
                        out], check=True)
        with open(out, "rb") as f:
            write_file(path, f.read())


def main(argv):
    images = os.path.join(ROOT, "app", "res", "images")
    icons = os.path.join(ROOT, "app", "res", "icons")
    for name, make in ICONS.items():
        save_png(make(), os.path.join(images, name + ".png"))
    save_png(picture_like(), os.path.join(images, "like.png"))
    save_png(picture_cursor(), os.path.join(images, "cursor.png"))
    write_jpeg(picture_about(), os.path.join(images, "about.jpg"))

    entries = []
    for size in APP_SIZES:
        canvas = app_icon(size)
        rgba = canvas.rgba_bytes()
        write_file(os.path.join(icons, "tarvo-%d.png" % size), png_bytes(size, size, rgba))
        entries.append((size, rgba))
    write_file(os.path.join(icons, "tarvo.ico"), ico_bytes(entries))

    write_file(os.path.join(ROOT, "app", "res", "styles", "plain.qss"), PLAIN_QSS)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
