#!/usr/bin/env python3
"""Draws the menu bar's buttons for a maximized MDI child.

Run after changing a colour: python3 skins/xpblue/art/mdi_art.py
Writes images/mdi_buttons.bmp as a 24-bit BMP; magenta (0xFF00FF) pixels are
keyed out by the skin. Nine 16 x 16 pieces side by side: minimize, restore
and close, each normal, hovered and pressed. The child's icon has no picture:
the bar shows the child's own icon.
"""
import os

from control_art import blend, canvas, round_corners, write_bmp

SIZE = 16
WHITE = (0xFF, 0xFF, 0xFF)
# border, top, bottom for normal, hovered and pressed
BLUE = [
    ((0x1C, 0x51, 0xA8), (0x5C, 0x8E, 0xF0), (0x24, 0x5C, 0xDB)),
    ((0x1C, 0x51, 0xA8), (0x84, 0xAE, 0xFF), (0x3C, 0x78, 0xF0)),
    ((0x14, 0x3C, 0x84), (0x20, 0x4C, 0xB8), (0x3A, 0x6A, 0xD8)),
]
RED = [
    ((0x8C, 0x24, 0x10), (0xF0, 0x8C, 0x6C), (0xD8, 0x48, 0x24)),
    ((0x8C, 0x24, 0x10), (0xFF, 0xAC, 0x8C), (0xEC, 0x60, 0x38)),
    ((0x6C, 0x18, 0x08), (0xB8, 0x3C, 0x1C), (0xD8, 0x5C, 0x38)),
]


def box(pixels, x0, colours):
    border, top, bottom = colours
    for y in range(SIZE):
        shade = blend(top, bottom, y / (SIZE - 1))
        for x in range(SIZE):
            edge = x in (0, SIZE - 1) or y in (0, SIZE - 1)
            pixels[y][x0 + x] = border if edge else shade
    round_corners(pixels, x0, 0, SIZE, SIZE)


def minimize(pixels, x0, colours):
    for y in (11, 12):
        for x in range(4, 9):
            pixels[y][x0 + x] = WHITE


def restore(pixels, x0, colours):
    _, top, bottom = colours

    def frame(left, y0, w, h):
        # The front window hides the back one's lines.
        for y in range(y0 + 2, y0 + h - 1):
            for x in range(left + 1, left + w - 1):
                pixels[y][x0 + x] = blend(top, bottom, y / (SIZE - 1))
        for x in range(left, left + w):
            pixels[y0][x0 + x] = WHITE
            pixels[y0 + 1][x0 + x] = WHITE
            pixels[y0 + h - 1][x0 + x] = WHITE
        for y in range(y0, y0 + h):
            pixels[y][x0 + left] = WHITE
            pixels[y][x0 + left + w - 1] = WHITE

    frame(6, 3, 7, 6)
    frame(3, 6, 7, 7)


def close(pixels, x0, colours):
    # Two strokes, two pixels wide, corner to corner.
    for i in range(8):
        for d in (0, 1):
            pixels[4 + i][x0 + min(4 + i + d, 11)] = WHITE
            pixels[4 + i][x0 + max(11 - i - d, 4)] = WHITE


def main():
    pixels = canvas(SIZE * 9, SIZE)
    glyphs = [(minimize, BLUE), (restore, BLUE), (close, RED)]
    for b, (glyph, looks) in enumerate(glyphs):
        for state, colours in enumerate(looks):
            x0 = (b * 3 + state) * SIZE
            box(pixels, x0, colours)
            glyph(pixels, x0, colours)
    here = os.path.dirname(os.path.abspath(__file__))
    write_bmp(os.path.join(here, "..", "images", "mdi_buttons.bmp"), pixels)


if __name__ == "__main__":
    main()
