#!/usr/bin/env python3
"""Draws the xpblue pictures of the button family as 24-bit BMP files:
button.bmp, checkbox.bmp, radio.bmp and groupbox.bmp. The output is
committed under skins/xpblue/images; run again after changing a picture:

    python3 skins/xpblue/art/button_art.py skins/xpblue/images

Magenta is the skin's transparent colour: keyed out when drawn, and cut out
of a push button's window region. Edge pixels are blended with the dialog
colour, which is what shows around a control.
"""
import math
import struct
import sys
from pathlib import Path

KEY = (255, 0, 255)
WHITE = (255, 255, 255)
DIALOG = (0xEC, 0xE9, 0xD8)
BORDER = (0x00, 0x3C, 0x74)
BORDER_OFF = (0xC9, 0xC7, 0xBA)
GLYPH_EDGE = (0x1C, 0x51, 0x80)
GLYPH_EDGE_OFF = (0xCA, 0xC8, 0xBB)
GREEN = (0x21, 0xA1, 0x21)
GRAY_INK = (0xB4, 0xB2, 0xA6)
HOVER_TOP, HOVER_BOTTOM = (0xFF, 0xE8, 0xB0), (0xE5, 0x97, 0x0A)
FOCUS_TOP, FOCUS_BOTTOM = (0xCE, 0xE7, 0xFF), (0x69, 0x82, 0xEE)
FRAME = (0xD0, 0xD0, 0xBF)


def mix(a, b, t):
    t = min(max(t, 0.0), 1.0)
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


class Canvas:
    def __init__(self, w, h, fill=KEY):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def get(self, x, y):
        return self.px[y][x]

    def fill(self, l, t, r, b, c):
        for y in range(t, b):
            for x in range(l, r):
                self.set(x, y, c)

    def gradient(self, l, t, r, b, top, bottom):
        for y in range(t, b):
            self.fill(l, y, r, y + 1, mix(top, bottom, (y - t) / max(1, b - t - 1)))

    def save(self, path):
        row = (self.w * 3 + 3) & ~3
        data = bytearray()
        for y in reversed(range(self.h)):
            line = bytearray()
            for x in range(self.w):
                r, g, b = self.px[y][x]
                line += bytes((b, g, r))
            data += line + bytes(row - len(line))
        header = struct.pack('<2sIHHI', b'BM', 54 + len(data), 0, 0, 54)
        info = struct.pack('<IiiHHIIiiII', 40, self.w, self.h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        Path(path).write_bytes(header + info + data)


def rounded_box(c, l, t, w, h, radius, inside):
    """Calls inside(x, y, coverage) for every pixel of a box with rounded
    corners; coverage is how much of the pixel the box covers (0..1)."""
    for y in range(h):
        for x in range(w):
            cx = min(x + 0.5, w - x - 0.5)
            cy = min(y + 0.5, h - y - 0.5)
            cover = 1.0
            if cx < radius and cy < radius:
                d = math.hypot(radius - cx, radius - cy)
                cover = min(max(radius - d + 0.5, 0.0), 1.0)
            inside(l + x, t + y, x, y, cover)


def push_button():
    """Push button states, 32 x 22 each, stacked: normal, pressed,
    default (and focused), hover, disabled. Nine-grid margins 4."""
    w, h = 32, 22
    c = Canvas(w, h * 5)
    for s in range(5):
        top = s * h
        disabled = s == 4

        def face(x, y):
            if disabled:
                return (0xF5, 0xF4, 0xEA)
            if s == 1:  # pressed: darker at the top, a shade under the border
                return mix((0xDA, 0xD7, 0xCD), (0xF2, 0xF1, 0xEC), (y - 1) / (h - 3))
            base = mix(WHITE, (0xEC, 0xEB, 0xE6), (y - 1) / (h - 3))
            if y >= h - 3:
                base = mix(base, (0xD6, 0xD0, 0xC5), 0.6 if y == h - 2 else 0.3)
            if x >= w - 3:
                base = mix(base, (0xD6, 0xD0, 0xC5), 0.25)
            return base

        def ring(y):
            # Inner two-pixel ring of the default and hover looks.
            if s == 2:
                return mix(FOCUS_TOP, FOCUS_BOTTOM, y / (h - 1))
            if s == 3:
                return mix(HOVER_TOP, HOVER_BOTTOM, y / (h - 1))
            return None

        def paint(px, py, x, y, cover):
            if cover <= 0.05:
                c.set(px, py, KEY)
                return
            edge = BORDER_OFF if disabled else BORDER
            on_border = x == 0 or y == 0 or x == w - 1 or y == h - 1
            # Pixels next to a rounded corner are border too.
            corner = min(x, w - 1 - x) + min(y, h - 1 - y) <= 2
            if on_border or corner:
                colour = edge
            elif ring(y) and (x <= 2 or y <= 2 or x >= w - 3 or y >= h - 3):
                colour = ring(y)
            else:
                colour = face(x, y)
            c.set(px, py, mix(DIALOG, colour, cover))

        rounded_box(c, 0, top, w, h, 3.0, paint)
    return c


def check_mark(c, x0, ink):
    # A three-pixel-thick tick in the middle of the box.
    points = [(3, 5), (3, 6), (3, 7), (4, 6), (4, 7), (4, 8), (5, 7), (5, 8), (5, 9),
              (6, 6), (6, 7), (6, 8), (7, 5), (7, 6), (7, 7), (8, 4), (8, 5), (8, 6), (9, 3), (9, 4), (9, 5)]
    for x, y in points:
        c.set(x0 + x, y, ink)


LOOKS = ['normal', 'selected', 'disabled', 'grayednormal', 'grayedselected',
         'highlightednormal', 'highlightedselected']


def look_facts(s):
    checked = s in (1, 4, 6)
    disabled = s in (2, 3, 4)
    hover = s in (5, 6)
    return checked, disabled, hover


def check_boxes():
    """Check boxes, 13 x 13, in the seven looks side by side."""
    c = Canvas(13 * 7, 13)
    for s in range(7):
        checked, disabled, hover = look_facts(s)
        x0 = s * 13
        c.fill(x0, 0, x0 + 13, 13, GLYPH_EDGE_OFF if disabled else GLYPH_EDGE)
        for y in range(1, 12):
            for x in range(1, 12):
                if disabled:
                    colour = WHITE
                else:
                    colour = mix((0xDC, 0xDC, 0xD7), WHITE, (x + y - 2) / 20)
                c.set(x0 + x, y, colour)
        if hover:
            for y in range(1, 12):
                for x in range(1, 12):
                    if x in (1, 2, 10, 11) or y in (1, 2, 10, 11):
                        c.set(x0 + x, y, mix(HOVER_TOP, HOVER_BOTTOM, (y - 1) / 10))
        if checked:
            check_mark(c, x0, GRAY_INK if disabled else GREEN)
    return c


def radios():
    """Radio buttons, 13 x 13, in the seven looks side by side."""
    c = Canvas(13 * 7, 13)
    for s in range(7):
        checked, disabled, hover = look_facts(s)
        x0 = s * 13
        edge = GLYPH_EDGE_OFF if disabled else GLYPH_EDGE
        for y in range(13):
            for x in range(13):
                d = math.hypot(x + 0.5 - 6.5, y + 0.5 - 6.5)
                outer = min(max(6.5 - d + 0.5, 0.0), 1.0)
                if outer <= 0.05:
                    continue
                if disabled:
                    inner = WHITE
                else:
                    inner = mix((0xDC, 0xDC, 0xD7), WHITE, (x + y) / 22)
                if hover and d > 4.1:
                    inner = mix(HOVER_TOP, HOVER_BOTTOM, y / 12)
                body = mix(edge, inner, min(max(5.6 - d + 0.5, 0.0), 1.0))
                if checked:
                    ink = GRAY_INK if disabled else mix((0x55, 0xD0, 0x4B), GREEN, min(d / 2.5, 1.0))
                    body = mix(body, ink, min(max(2.8 - d + 0.5, 0.0), 1.0))
                c.set(x0 + x, y, mix(DIALOG, body, outer))
    return c


def group_box():
    """Group box frame, 16 x 16, nine-grid margins 4; the inside is not drawn."""
    w = h = 16
    c = Canvas(w, h)

    def paint(px, py, x, y, cover):
        ring = min(x, w - 1 - x, y, h - 1 - y) == 0 or min(x, w - 1 - x) + min(y, h - 1 - y) <= 2
        if cover <= 0.05 or not ring:
            return
        c.set(px, py, mix(DIALOG, FRAME, cover))

    rounded_box(c, 0, 0, w, h, 3.0, paint)
    return c


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else '.')
    push_button().save(out / 'button.bmp')
    check_boxes().save(out / 'checkbox.bmp')
    radios().save(out / 'radio.bmp')
    group_box().save(out / 'groupbox.bmp')


if __name__ == '__main__':
    main()
