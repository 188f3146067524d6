#include "NineGridDraw.h"

#include <cstring>

#include "GdiMask.h"
#include "GdiSurface.h"
#include "ImageDraw.h"
#include "NineGridLayout.h"

namespace {

// Mode 8 centre: whole copies of the centre piece side by side at the
// piece's width, the last one stretched into what is left.
void DrawCentreRow(HDC dc, const RECT& dest, const ImageRef& centre, const ImageLookup& skin,
                   COLORREF fillColour, bool fill) {
    const int pieceW = centre.source.Width();
    if (pieceW <= 0) { // nothing to repeat: fall back like any empty piece
        DrawImageRef(dc, dest, centre, skin, fillColour, fill);
        return;
    }
    ImageRef copy = centre;
    copy.drawMode = kDrawStretched;
    // Coordinates stay within +-2^29 (SplitNineGrid) and so does the width.
    int x = dest.left;
    while (x + pieceW <= dest.right) {
        DrawImageRef(dc, RECT{x, dest.top, x + pieceW, dest.bottom}, copy, skin, fillColour, fill);
        x += pieceW;
    }
    if (x < dest.right)
        DrawImageRef(dc, RECT{x, dest.top, dest.right, dest.bottom}, copy, skin, fillColour, fill);
}

void DrawPieces(HDC dc, const RECT& dest, const NineGridImage& grid, const ImageLookup& skin,
                COLORREF fillColour, bool fill, bool withCentre) {
    const NineGridLayout layout = SplitNineGrid(SkinRect{dest.left, dest.top, dest.right, dest.bottom}, grid);
    for (int i = 0; i < kPieceCount; ++i) {
        const SkinRect& d = layout.dest[i];
        const RECT piece = {d.left, d.top, d.right, d.bottom};
        if (i == kPieceCentre) {
            if (!withCentre) continue;
            if (grid.stretchMode == 8) {
                DrawCentreRow(dc, piece, layout.refs[i], skin, fillColour, fill);
                continue;
            }
        }
        DrawImageRef(dc, piece, layout.refs[i], skin, fillColour, fill);
    }
}

} // namespace

void DrawNineGrid(HDC dc, const RECT& dest, const NineGridImage& grid, const ImageLookup& skin,
                  COLORREF fillColour, bool fill) {
    DrawPieces(dc, dest, grid, skin, fillColour, fill, true);
}

void DrawNineGridBorder(HDC dc, const RECT& dest, const NineGridImage& grid, const ImageLookup& skin,
                        COLORREF fillColour, bool fill) {
    DrawPieces(dc, dest, grid, skin, fillColour, fill, false);
}

void DrawNineGridKeyed(HDC dc, const RECT& dest, const NineGridImage& grid, const ImageLookup& skin,
                       COLORREF keyColour) {
    const int w = dest.right - dest.left;
    const int h = dest.bottom - dest.top;
    GdiSurface offscreen(dc, w, h);
    if (!offscreen.Ok()) return;
    // Pieces leave the skin's key pixels untouched: those must read as the
    // key here too, so that the copy below leaves them out.
    const RECT all = {0, 0, w, h};
    HBRUSH key = CreateSolidBrush(keyColour);
    FillRect(offscreen.Dc(), &all, key);
    DeleteObject(key);
    DrawNineGrid(offscreen.Dc(), all, grid, skin, keyColour, true);
    HBITMAP mask = CreateKeyMask(offscreen, keyColour);
    if (!mask) return;
    BlitThroughMaskAndOr(dc, dest.left, dest.top, offscreen, mask, keyColour);
    DeleteObject(mask);
}
