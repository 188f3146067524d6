#pragma once
// Monochrome masks of a key colour and the masked copies built on them
// (Windows only).
#include <windows.h>

#include "GdiSurface.h"

// Monochrome bitmap of the surface's size: 1 (white) where the pixel's
// red, green and blue equal `key`, 0 (black) elsewhere.
HBITMAP CreateKeyMask(const GdiSurface& surface, COLORREF key);

// Copies `surface` to (x, y) of `dc` by XOR, AND, XOR with `mask`, so that
// pixels whose mask bit is 1 leave the target unchanged.
void BlitThroughMaskXor(HDC dc, int x, int y, const GdiSurface& surface, HBITMAP mask);

// Same result by AND and OR: blackens the masked pixels of `surface`
// first (the surface is changed).
void BlitThroughMaskAndOr(HDC dc, int x, int y, GdiSurface& surface, HBITMAP mask, COLORREF key);
