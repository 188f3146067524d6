#include "PieceRegion.h"

#include <vector>

#include "GdiRegion.h"
#include "ImageRef.h"
#include "StretchMap.h"

namespace {

bool SameBand(const RECT& a, const RECT& b) {
    return a.top == b.top && a.bottom == b.bottom;
}

// Appends `r` unless empty, joined to the previous rectangle when the two
// touch within one band (copies of an opaque row become one rectangle).
void Append(std::vector<RECT>& out, const RECT& r) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    if (!out.empty()) {
        RECT& last = out.back();
        if (SameBand(last, r) && last.right == r.left) {
            last.right = r.right;
            return;
        }
    }
    out.push_back(r);
}

// Copies of the piece's rectangles from dest's corner, clipped to dest: one
// copy, or as many as it takes to fill dest. Output stays in band order.
std::vector<RECT> Repeated(const std::vector<RECT>& rects, int width, int height, const RECT& dest,
                           bool repeat) {
    std::vector<RECT> out;
    for (int y = dest.top; y < dest.bottom; y += height) {
        for (size_t band = 0; band < rects.size();) {
            size_t end = band + 1;
            while (end < rects.size() && SameBand(rects[end], rects[band])) ++end;
            for (int x = dest.left; x < dest.right; x += width) {
                for (size_t i = band; i < end; ++i) {
                    RECT r = rects[i];
                    OffsetRect(&r, x, y);
                    if (IntersectRect(&r, &r, &dest)) Append(out, r);
                }
                if (!repeat) break;
            }
            band = end;
        }
        if (!repeat) break;
    }
    return out;
}

std::vector<RECT> Stretched(const std::vector<RECT>& rects, int width, int height, const RECT& dest) {
    const int w = dest.right - dest.left;
    const int h = dest.bottom - dest.top;
    std::vector<RECT> out;
    for (const RECT& r : rects) {
        Append(
            out,
            RECT{dest.left + StretchStart(r.left, width, w), dest.top + StretchStart(r.top, height, h),
                 dest.left + StretchStart(r.right, width, w), dest.top + StretchStart(r.bottom, height, h)});
    }
    return out;
}

} // namespace

HRGN PieceRegion(const ResolvedImage& piece, const RECT& dest, int drawMode) {
    if (dest.right <= dest.left || dest.bottom <= dest.top) return CreateRectRgn(0, 0, 0, 0);
    if (!piece.region || piece.width <= 0 || piece.height <= 0) return CreateRectRgnIndirect(&dest);
    // Cut to the piece first, so that copies never overlap.
    const RECT bounds = {0, 0, piece.width, piece.height};
    std::vector<RECT> rects;
    for (RECT r : RectsOfRegion(piece.region)) {
        if (IntersectRect(&r, &r, &bounds)) rects.push_back(r);
    }
    if (drawMode == kDrawStretched) return RegionFromRects(Stretched(rects, piece.width, piece.height, dest));
    return RegionFromRects(Repeated(rects, piece.width, piece.height, dest, drawMode == kDrawTiled));
}
