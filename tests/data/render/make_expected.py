#!/usr/bin/env python3
"""Writes the expected element pictures of the renderer tests.

Each picture is drawn here from the look rules directly (inclusive pixel ranges), independently
of the C++ drawing code. Run it from this folder after changing a rule; the PNGs are committed.
"""
import struct
import zlib

CLEAR = (0, 0, 0, 0)
BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)
BUTTON_SHADOW = (0xA0, 0xA0, 0xA0, 255)
DARK_SHADOW = (0x69, 0x69, 0x69, 255)
SCROLL_BAR = (0xC8, 0xC8, 0xC8, 255)


def write_png(name, pixels):
    height, width = len(pixels), len(pixels[0])
    raw = b"".join(b"\0" + bytes(c for p in row for c in p) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    with open(name, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def canvas(width, height, colour):
    return [[colour] * width for _ in range(height)]


def hline(p, y, x_from, x_to, colour):
    for x in range(x_from, x_to + 1):
        p[y][x] = colour


def vline(p, x, y_from, y_to, colour):
    for y in range(y_from, y_to + 1):
        p[y][x] = colour


def outline(p, colour):
    h, w = len(p), len(p[0])
    hline(p, 0, 0, w - 1, colour)
    hline(p, h - 1, 0, w - 1, colour)
    vline(p, 0, 0, h - 1, colour)
    vline(p, w - 1, 0, h - 1, colour)


def bevel(p, outer_tl, inner_tl, outer_br, inner_br):
    # Top/left lines stop short of the far corner; bottom/right lines run to it and cover it.
    h, w = len(p), len(p[0])
    hline(p, 0, 0, w - 2, outer_tl)
    vline(p, 0, 0, h - 2, outer_tl)
    hline(p, 1, 1, w - 3, inner_tl)
    vline(p, 1, 1, h - 3, inner_tl)
    hline(p, h - 1, 0, w - 1, outer_br)
    vline(p, w - 1, 0, h - 1, outer_br)
    hline(p, h - 2, 1, w - 2, inner_br)
    vline(p, w - 2, 1, h - 2, inner_br)


def sunken(p):
    bevel(p, BUTTON_SHADOW, DARK_SHADOW, WHITE, SCROLL_BAR)


def raised(p):
    bevel(p, SCROLL_BAR, WHITE, DARK_SHADOW, BUTTON_SHADOW)


# Register with the three-dimensional border: white fill, sunken rim.
p = canvas(12, 8, WHITE)
sunken(p)
write_png("register_sunken_12x8.png", p)

# Function key with the three-dimensional border: green fill, raised rim.
p = canvas(12, 8, (0, 255, 0, 255))
raised(p)
write_png("functionkey_raised_12x8.png", p)

# Text with the plain border: black outline round the background.
p = canvas(10, 6, WHITE)
outline(p, BLACK)
write_png("text_plainborder_10x6.png", p)

# Unfilled rectangle with the sunken outline: only the two-pixel rim is opaque.
p = canvas(12, 8, CLEAR)
sunken(p)
write_png("rectangle_sunken_unfilled_12x8.png", p)

# Filled rectangle (red) with the raised outline.
p = canvas(12, 8, (255, 0, 0, 255))
raised(p)
write_png("rectangle_raised_filled_12x8.png", p)

# Scale 11 x 9 hanging from the top: 3 major ticks, 1 minor between, baseline.
# W = 10, H = 8; lines leave out their end point.
RED = (255, 0, 0, 255)
p = canvas(11, 9, CLEAR)
hline(p, 0, 0, 9, RED)
for x in (0, 5, 10):
    vline(p, x, 0, 7, RED)
for x in (0, 2, 5, 7, 10):
    vline(p, x, 0, 3, RED)
write_png("scale_top_11x9.png", p)

# Scale 9 x 11 from the right: ticks from x = W div 2 to W, baseline at x = W.
p = canvas(9, 11, CLEAR)
vline(p, 8, 0, 9, RED)
for y in (0, 5, 10):
    hline(p, y, 0, 7, RED)
for y in (0, 2, 5, 7, 10):
    hline(p, y, 4, 7, RED)
write_png("scale_right_9x11.png", p)

# Bar graph 6 x 8 growing upwards, solid: black frame round the dark background, the lower
# half a black-framed bar in the foreground colour.
BACK = (0x3A, 0x3A, 0x3A, 255)
p = canvas(6, 8, BACK)
outline(p, BLACK)
for y in range(4, 8):
    hline(p, y, 0, 5, RED)
hline(p, 4, 0, 5, BLACK)
hline(p, 7, 0, 5, BLACK)
vline(p, 0, 4, 7, BLACK)
vline(p, 5, 4, 7, BLACK)
write_png("bargraph_solid_up_6x8.png", p)
