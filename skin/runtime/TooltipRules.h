// Where the skinned tooltip goes around the point it refers to. Plain
// functions (no window system).
#pragma once

#include "SkinRect.h"

// Top-left corner of a tip of width x height for placement code 0-7 around
// (x, y): right/centred/left of the point, below (+22, clear of the cursor),
// beside or above it (2 pixels off).
struct TipCorner {
    int left;
    int top;
    bool operator==(const TipCorner&) const = default;
};
TipCorner TooltipCorner(int code, int x, int y, int width, int height);

// The tip's rectangle: the preferred code when the tip lies inside the work
// area, else the first of codes 0 to 7 that does, else code 7. `usedCode`
// receives the code taken.
SkinRect PlaceTooltip(int preferred, int x, int y, int width, int height, const SkinRect& work,
                      int* usedCode = nullptr);
