#!/usr/bin/env python3
"""Draws the application icon (a blue badge with a camera lens and a red
recording light) and writes brevox.ico with 16, 32 and 48 pixel images."""
import math
import struct
import sys


def pixel(x, y, n):
    # Work in a unit square, y down.
    u, v = (x + 0.5) / n, (y + 0.5) / n
    # Badge: rounded square with a pointed bottom.
    inside = 0.08 <= u <= 0.92 and 0.06 <= v <= 0.70
    if v > 0.70:
        inside = abs(u - 0.5) <= (0.42 * (0.96 - v) / 0.26) and v <= 0.96
    if not inside:
        return (0, 0, 0, 0)
    shade = int(40 * (1 - v))
    color = (30 + shade, 90 + shade, 170 + shade)  # r, g, b
    d = math.hypot(u - 0.5, v - 0.42)
    if d < 0.22:
        color = (240, 244, 250)
    if d < 0.15:
        color = (20, 40, 80)
    if d < 0.07:
        color = (90, 150, 230)
    if math.hypot(u - 0.78, v - 0.17) < 0.07:
        color = (225, 30, 30)
    return color + (255,)


def image(n):
    rows = []
    for y in reversed(range(n)):  # bottom-up DIB
        rows.append(b"".join(struct.pack("<BBBB", b, g, r, a) for (r, g, b, a) in (pixel(x, y, n) for x in range(n))))
    xor = b"".join(rows)
    mask_row = ((n + 31) // 32) * 4
    andmask = b"\0" * (mask_row * n)
    header = struct.pack("<IiiHHIIiiII", 40, n, n * 2, 1, 32, 0, len(xor) + len(andmask), 0, 0, 0, 0)
    return header + xor + andmask


def main(out):
    sizes = [16, 32, 48]
    blobs = [image(n) for n in sizes]
    data = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for n, blob in zip(sizes, blobs):
        data += struct.pack("<BBBBHHII", n, n, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    with open(out, "wb") as f:
        f.write(data + b"".join(blobs))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "brevox.ico")
