#pragma once
// Drawing NineGridImage values (Windows only).
#include <windows.h>

#include "ImageLookup.h"
#include "NineGridImage.h"

// Draws the nine pieces into `dest` by the stretch mode; missing or empty
// pieces are filled with `fillColour` when `fill` is set.
void DrawNineGrid(HDC dc, const RECT& dest, const NineGridImage& grid, const ImageLookup& skin,
                  COLORREF fillColour, bool fill);

// Same without the centre piece (frames around content of their own).
void DrawNineGridBorder(HDC dc, const RECT& dest, const NineGridImage& grid, const ImageLookup& skin,
                        COLORREF fillColour, bool fill);

// Draws the nine-grid off screen on a `keyColour` background, then copies
// it so that pixels of the key colour leave the target unchanged.
void DrawNineGridKeyed(HDC dc, const RECT& dest, const NineGridImage& grid, const ImageLookup& skin,
                       COLORREF keyColour);
