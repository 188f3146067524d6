#pragma once
// Exact quarter turns and mirror images of GDI bitmaps, for pictures drawn
// in both orientations (Windows only).
#include <windows.h>

// A new 32-bit top-down DIB section holding `source` turned by a quarter,
// clockwise or counter-clockwise as seen on screen: w x h becomes h x w.
// Pixels (all four bytes) are moved, never resampled. nullptr when the
// source cannot be read; it must not be selected into a device context.
// The caller deletes the result.
HBITMAP RotateBitmapQuarter(HBITMAP source, bool clockwise);

// Same for a mirror image: left and right swapped (horizontal) or top and
// bottom (vertical).
HBITMAP FlipBitmap(HBITMAP source, bool horizontal);
