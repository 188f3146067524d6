#pragma once
// The region a frame piece covers once drawn into a rectangle: the window
// region is built from these (Windows only).
#include <windows.h>

#include "ResolvedImage.h"

// The piece's region (its opaque pixels, in piece coordinates) as the piece
// is drawn into `dest` by `drawMode`: moved to dest's corner (natural size),
// repeated from there (tiled), or scaled to dest's size with the pixel
// mapping of the drawing (stretched), so it covers exactly the pixels that
// DrawResolvedImage draws. Never reaches outside `dest`. A piece without a
// region covers the whole of `dest`. The caller deletes the result.
HRGN PieceRegion(const ResolvedImage& piece, const RECT& dest, int drawMode);
