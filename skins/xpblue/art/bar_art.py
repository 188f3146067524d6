#!/usr/bin/env python3
"""Draws the default skin's trackbar, status bar and header pictures.

Run after changing a colour: python3 skins/xpblue/art/bar_art.py
Writes images/bars.bmp as a 24-bit BMP; magenta (0xFF00FF) pixels are keyed
out by the skin. Pieces, left to right (x, width; all start at the top):
  0, 16   trackbar channel, 6 high (sunken groove, margins 2)
  16, 11  trackbar thumb, 21 high (rounded, pointing down)
  27, 16  status bar background, 22 high
  43, 16  status bar part, 22 high (margins 3)
  59, 16  header background, 20 high
  75, 16  header item, 20 high (margins 3, separator on the right)
  91, 11  trackbar thumb of vertical trackbars, 21 high: drawn lying with
          its point up, so that the quarter turn of a vertical trackbar
          makes it point right, towards the ticks
  102, 120 up-down arrows of vertical up-downs, 15 x 11 each: for the
          states normal, pressed, hovered and disabled the up arrow then
          the down arrow
  222, 88  up-down arrows of horizontal up-downs, 11 x 15 each: for the
          same states the left arrow then the right arrow
"""
import os

from control_art import KEY, THUMBS, blend, canvas, round_corners, write_bmp

FACE = (0xEC, 0xE9, 0xD8)
SHADOW = (0xAC, 0xA8, 0x99)
DARK = (0x71, 0x6F, 0x64)
WHITE = (0xFF, 0xFF, 0xFF)
BLUE_EDGE = (0x1C, 0x51, 0xA8)
BLUE_TOP = (0xF2, 0xF6, 0xFF)
BLUE_BOTTOM = (0xB9, 0xCD, 0xF3)


def channel(pixels, x0):
    for y in range(6):
        for x in range(16):
            edge_top = y == 0 or x == 0
            edge_bottom = y == 5 or x == 15
            pixels[y][x0 + x] = SHADOW if edge_top else WHITE if edge_bottom else (0xF4, 0xF3, 0xEE)


def thumb(pixels, x0):
    width, height, point = 11, 21, 5
    for y in range(height):
        inset = max(0, y - (height - 1 - point))  # the point narrows the bottom
        for x in range(width):
            if x < inset or x > width - 1 - inset:
                continue
            border = y == 0 or x == inset or x == width - 1 - inset
            pixels[y][x0 + x] = BLUE_EDGE if border else blend(BLUE_TOP, BLUE_BOTTOM, y / (height - 1))
    round_corners(pixels, x0, 0, width, height - point)


def status_background(pixels, x0):
    for y in range(22):
        colour = SHADOW if y == 0 else WHITE if y == 1 else blend(FACE, (0xE3, 0xE0, 0xCE), y / 21)
        for x in range(16):
            pixels[y][x0 + x] = colour


def status_part(pixels, x0):
    for y in range(22):
        for x in range(16):
            if y < 2 or y > 20:
                pixels[y][x0 + x] = KEY
            elif y == 2 or x == 0:
                pixels[y][x0 + x] = SHADOW
            elif y == 20 or x == 15:
                pixels[y][x0 + x] = WHITE
            else:
                pixels[y][x0 + x] = KEY


def header_background(pixels, x0):
    for y in range(20):
        colour = blend((0xFF, 0xFF, 0xFF), (0xEB, 0xEA, 0xDB), y / 19)
        for x in range(16):
            pixels[y][x0 + x] = colour


def header_item(pixels, x0):
    for y in range(20):
        colour = blend((0xFF, 0xFF, 0xFF), (0xEB, 0xEA, 0xDB), y / 19)
        for x in range(16):
            pixels[y][x0 + x] = colour
        # A separator on the right and the orange-free XP underline.
        if 3 <= y <= 16:
            pixels[y][x0 + 14] = SHADOW
            pixels[y][x0 + 15] = WHITE
        if y >= 17:
            for x in range(16):
                pixels[y][x0 + x] = blend((0xE2, 0xDE, 0xCD), (0xCB, 0xC7, 0xB8), (y - 17) / 2)


def upward_thumb(pixels, x0):
    thumb(pixels, x0)
    for x in range(x0, x0 + 11):
        column = [pixels[y][x] for y in range(21)]
        for y in range(21):
            pixels[y][x] = column[20 - y]


def spin_arrow(pixels, x0, width, height, colours, direction):
    """A small drop-button-like square with a solid triangle: up, down, left or right."""
    border, top, bottom, arrow = colours
    for y in range(height):
        shade = blend(top, bottom, y / (height - 1))
        for x in range(width):
            edge = x in (0, width - 1) or y in (0, height - 1)
            pixels[y][x0 + x] = border if edge else shade
    cx, cy = x0 + width // 2, height // 2
    for i in range(3):  # rows (or columns) of 1, 3 and 5 pixels
        step = {"up": 1, "left": 1}.get(direction, -1)
        along = (1 - i) * step
        for j in range(-i, i + 1):
            if direction in ("up", "down"):
                pixels[cy - along][cx + j] = arrow
            else:
                pixels[cy + j][cx - along] = arrow


def spins(pixels):
    for state, colours in enumerate(THUMBS):
        spin_arrow(pixels, 102 + state * 30, 15, 11, colours, "up")
        spin_arrow(pixels, 117 + state * 30, 15, 11, colours, "down")
        spin_arrow(pixels, 222 + state * 22, 11, 15, colours, "left")
        spin_arrow(pixels, 233 + state * 22, 11, 15, colours, "right")


def bars():
    pixels = canvas(310, 22)
    channel(pixels, 0)
    thumb(pixels, 16)
    status_background(pixels, 27)
    status_part(pixels, 43)
    header_background(pixels, 59)
    header_item(pixels, 75)
    upward_thumb(pixels, 91)
    spins(pixels)
    return pixels


if __name__ == "__main__":
    here = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "images")
    write_bmp(os.path.join(here, "bars.bmp"), bars())
