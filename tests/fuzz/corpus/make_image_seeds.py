#!/usr/bin/env python3
"""Writes the small BMP and TGA seed files of the image decoder fuzzers."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def bmp(w, h, bits, comp, pixels, palette=(), masks=(), core=False, file_header=True):
    if core:
        info = struct.pack('<IHHHH', 12, w, h, 1, bits)
        pal = b''.join(struct.pack('<BBB', c & 255, (c >> 8) & 255, c >> 16) for c in palette)
    else:
        info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, bits, comp, len(pixels), 3780, 3780,
                           len(palette), 0)
        pal = b''.join(struct.pack('<I', c) for c in palette)
    body = info + b''.join(struct.pack('<I', m) for m in masks) + pal
    head = struct.pack('<HIII', 0x4D42, 14 + len(body) + len(pixels), 0, 14 + len(body))
    return (head if file_header else b'') + body + pixels


def tga(kind, w, h, depth, data, desc=0, cmap=()):
    head = struct.pack('<BBBHHBHHHHBB', 0, 1 if cmap else 0, kind, 0, len(cmap), 24 if cmap else 0,
                       0, 0, w, h, depth, desc)
    return head + b''.join(struct.pack('<BBB', c & 255, (c >> 8) & 255, c >> 16) for c in cmap) + data


def write(folder, name, data):
    os.makedirs(os.path.join(HERE, folder), exist_ok=True)
    with open(os.path.join(HERE, folder, name), 'wb') as f:
        f.write(data)


grey16 = [i * 0x111111 for i in range(16)]
grey256 = [i * 0x010101 for i in range(256)]
write('bmp', 'mono.bmp', bmp(9, 3, 1, 0, bytes([0xA5, 0x80, 0, 0]) * 3, [0, 0xFFFFFF]))
write('bmp', 'nibbles.bmp', bmp(5, 2, 4, 0, bytes([0x12, 0x34, 0x50, 0]) * 2, grey16))
write('bmp', 'bytes.bmp', bmp(3, 2, 8, 0, bytes([1, 2, 3, 0, 4, 5, 6, 0]), grey256[:8]))
write('bmp', 'topdown.bmp', bmp(2, -2, 24, 0, bytes(range(16))))
write('bmp', 'bare.dib', bmp(2, 2, 24, 0, bytes(range(16)), file_header=False))
write('bmp', 'core.bmp', bmp(3, 2, 8, 0, bytes([1, 2, 3, 0, 4, 5, 6, 0]), grey256, core=True))
write('bmp', 'rgb555.bmp', bmp(3, 2, 16, 0, bytes(range(16))))
write('bmp', 'rgb565.bmp', bmp(3, 2, 16, 3, bytes(range(16)), masks=(0xF800, 0x07E0, 0x1F)))
write('bmp', 'rgbx.bmp', bmp(2, 2, 32, 0, bytes(range(16))))
write('bmp', 'fields32.bmp', bmp(2, 2, 32, 3, bytes(range(16)), masks=(0xFF0000, 0xFF00, 0xFF)))
write('bmp', 'rle8.bmp', bmp(8, 4, 8, 1, bytes([3, 7, 0, 0, 0, 3, 1, 2, 3, 0, 0, 2, 2, 1, 4, 9,
                                                0, 0, 9, 5, 0, 1]), grey256[:16]))
write('bmp', 'rle4.bmp', bmp(8, 3, 4, 2, bytes([5, 0x12, 0, 0, 0, 5, 0x67, 0x89, 0xA0, 0,
                                                0, 0, 0, 7, 0xB1, 0x23, 0x45, 0x60, 0, 1]), grey16))
write('tga', 'plain24.tga', tga(2, 2, 2, 24, bytes(range(12))))
write('tga', 'topright.tga', tga(2, 2, 2, 24, bytes(range(12)), desc=0x30))
write('tga', 'alpha32.tga', tga(2, 2, 2, 32, bytes(range(16)), desc=0x28))
write('tga', 'rgb16.tga', tga(2, 2, 2, 16, bytes(range(8))))
write('tga', 'mapped.tga', tga(1, 3, 1, 8, bytes([0, 1, 2]), cmap=(0xFF0000, 0x00FF00, 0x0000FF)))
write('tga', 'grey.tga', tga(3, 3, 1, 8, bytes([0, 128, 255])))
write('tga', 'rle24.tga', tga(10, 3, 2, 24, bytes([0x83, 5, 0, 0, 0x01, 6, 0, 0, 7, 0, 0])))
write('tga', 'rle8mapped.tga', tga(9, 4, 1, 8, bytes([0x83, 1]), cmap=(0, 0xFF)))
write('tga', 'rlegrey.tga', tga(11, 4, 2, 8, bytes([0x02, 1, 2, 3, 0x84, 9])))
write('tga', 'rle32.tga', tga(10, 2, 2, 32, bytes([0x81, 1, 2, 3, 4, 0x01, 5, 6, 7, 8, 9, 10, 11, 12])))
