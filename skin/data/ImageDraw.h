#pragma once
// Drawing ImageRef values (Windows only).
#include <windows.h>

#include "ImageLookup.h"
#include "ImageRef.h"

// Draws `ref` into `dest` by its draw mode. When the reference is empty,
// its image is missing or the cut fails, fills `dest` with `fillColour`
// if `fill` is set.
void DrawImageRef(HDC dc, const RECT& dest, const ImageRef& ref, const ImageLookup& skin, COLORREF fillColour,
                  bool fill);
