#pragma once
// Drawing images by draw mode with a colour key (Windows only).
#include <windows.h>

#include "DibImage.h"
#include "ImageLookup.h"
#include "ImageRef.h"
#include "ResolvedImage.h"

// Draws `image` into `dest` by `drawMode`: natural size (its top-left part,
// at most as large as `dest`), tiled from the top-left corner, or stretched
// (nearest pixel, as StretchMap.h maps it). Target pixels under image pixels
// of `keyColour` stay as they were; the others are copied exactly, except
// that natural and tiled copies blend an image that has alpha.
void DrawImageKeyed(HDC dc, const RECT& dest, const DibImage& image, int drawMode, COLORREF keyColour);

// Cuts `ref` out of the skin's image and draws it by its draw mode with the
// skin's key colour (ImageLookup::KeyColour) left out. When the reference is
// empty, its image is missing or the cut fails, fills `dest` with
// `fillColour` if `fill` is set.
void DrawImageRef(HDC dc, const RECT& dest, const ImageRef& ref, const ImageLookup& skin, COLORREF fillColour,
                  bool fill);

// Draws a piece cut when its object was resolved (frame pieces) like
// DrawImageKeyed; a piece without image draws nothing.
void DrawResolvedImage(HDC dc, const RECT& dest, const ResolvedImage& piece, int drawMode,
                       COLORREF keyColour);
