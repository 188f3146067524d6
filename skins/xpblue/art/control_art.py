#!/usr/bin/env python3
"""Draws the default skin's combo box drop buttons and progress bar pictures.

Run after changing a colour: python3 skins/xpblue/art/control_art.py
Writes images/combo_thumbs.bmp and images/progress.bmp as 24-bit BMPs;
magenta (0xFF00FF) pixels are keyed out by the skin.
"""
import os
import struct

KEY = (255, 0, 255)


def blend(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def write_bmp(path, pixels):
    """pixels: rows top to bottom of (r, g, b)."""
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) & ~3
    body = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        body += line + bytes(stride - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + body)


def canvas(width, height, colour=KEY):
    return [[colour] * width for _ in range(height)]


def round_corners(pixels, x0, y0, w, h):
    for x, y in ((x0, y0), (x0 + w - 1, y0), (x0, y0 + h - 1), (x0 + w - 1, y0 + h - 1)):
        pixels[y][x] = KEY


# Drop buttons, 17 x 20 each: normal, pressed, hovered, disabled (the order of
# the skin's THUMB keys). A rounded border, a vertical gradient and a chevron.
THUMBS = [
    # border, top, bottom, arrow
    ((0xB4, 0xC8, 0xF5), (0xDE, 0xE8, 0xFE), (0xB0, 0xC6, 0xF7), (0x4D, 0x61, 0x85)),
    ((0x8C, 0xA8, 0xE8), (0x9C, 0xB6, 0xEE), (0xC2, 0xD3, 0xFA), (0x36, 0x48, 0x6C)),
    ((0xA6, 0xC0, 0xF7), (0xF4, 0xF8, 0xFF), (0xC6, 0xD7, 0xFD), (0x4D, 0x61, 0x85)),
    ((0xD2, 0xD0, 0xC4), (0xF4, 0xF3, 0xEE), (0xE6, 0xE4, 0xDA), (0xAC, 0xA8, 0x99)),
]
THUMB_W, THUMB_H = 17, 20


def draw_thumb(pixels, x0, border, top, bottom, arrow):
    for y in range(THUMB_H):
        shade = blend(top, bottom, y / (THUMB_H - 1))
        for x in range(THUMB_W):
            edge = x in (0, THUMB_W - 1) or y in (0, THUMB_H - 1)
            pixels[y][x0 + x] = border if edge else shade
    round_corners(pixels, x0, 0, THUMB_W, THUMB_H)
    # A chevron two pixels thick, centred.
    cx, cy = x0 + THUMB_W // 2, THUMB_H // 2 - 2
    for i in range(4):
        for dy in (0, 1):
            pixels[cy + i + dy][cx - 3 + i] = arrow
            pixels[cy + i + dy][cx + 3 - i] = arrow


def combo_thumbs():
    pixels = canvas(THUMB_W * len(THUMBS), THUMB_H)
    for i, colours in enumerate(THUMBS):
        draw_thumb(pixels, i * THUMB_W, *colours)
    return pixels


# Progress bar: a 16 x 16 background (rounded dark border, light inner
# ring, white field; margins 2) and a 10 x 16 chunk (two keyed columns of
# gap on the left, two keyed rows above and below for the border to show).
def progress():
    pixels = canvas(26, 16)
    frame, ring, field = (0x68, 0x68, 0x68), (0xEE, 0xEE, 0xEE), (0xFF, 0xFF, 0xFF)
    for y in range(16):
        for x in range(16):
            outer = min(x, y, 15 - x, 15 - y)
            pixels[y][x] = frame if outer == 0 else ring if outer == 1 else field
    round_corners(pixels, 0, 0, 16, 16)
    dark, light = (0x25, 0xB2, 0x2A), (0xA8, 0xEC, 0xA8)
    for y in range(2, 14):
        # Lightest a little above the middle, darker towards both edges.
        t = abs(y - 6.5) / 6.5
        shade = blend(light, dark, min(1.0, t))
        for x in range(18, 26):
            pixels[y][x] = shade
    return pixels


if __name__ == "__main__":
    here = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "images")
    write_bmp(os.path.join(here, "combo_thumbs.bmp"), combo_thumbs())
    write_bmp(os.path.join(here, "progress.bmp"), progress())
