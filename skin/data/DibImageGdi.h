#pragma once
// GDI operations on a DibImage (Windows only).
#include <windows.h>

#include "DibImage.h"

// With a device context: a device-dependent bitmap of the pixels; without
// one: a DIB section with the pixels copied in. nullptr on failure.
HBITMAP MakeBitmap(const DibImage& image, HDC dc);

// Stretches the image to (x, y, width, height) (-1: own width/height);
// pixels of the transparent colour (when a transparent index is set) leave
// the target unchanged.
void DrawTransparent(const DibImage& image, HDC dc, int x, int y, int width, int height);

// Draws the top-left (width x height) part at its own size at (x, y);
// -1 means the image's own width/height. Blends when the image has an
// alpha channel, a transparent index or blending switched on. `clip`
// (optional) limits the pixels touched.
void Draw(const DibImage& image, HDC dc, int x, int y, int width = -1, int height = -1,
          const RECT* clip = nullptr);

// Stretches the whole image over (x, y, width, height), colour on colour.
void Stretch(const DibImage& image, HDC dc, int x, int y, int width, int height);

// Repeats the image from the rectangle's top-left corner, clipped to it.
void Tile(const DibImage& image, HDC dc, const RECT& rect);

// Region of the pixels of `bitmap` whose colour differs from `colour`
// (empty region when all match). Caller deletes it.
HRGN RegionFromBitmap(HBITMAP bitmap, COLORREF colour);

// Same, straight from a DibImage.
HRGN RegionFromImage(const DibImage& image, COLORREF colour);
