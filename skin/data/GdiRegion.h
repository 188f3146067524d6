#pragma once
// Regions to and from lists of rectangles (Windows only).
#include <windows.h>

#include <vector>

// The union of `rects`; an empty region for none. The caller deletes it.
HRGN RegionFromRects(const std::vector<RECT>& rects);

// The rectangles `region` is made of, in the system's order (bands from the
// top, left to right within a band). None for a null or empty region.
std::vector<RECT> RectsOfRegion(HRGN region);
