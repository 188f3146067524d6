#include "NineGridDraw.h"

#include <cstring>

#include "GdiMask.h"
#include "GdiSurface.h"
#include "ImageDraw.h"

namespace {

enum Piece {
    kTopLeft,
    kTop,
    kTopRight,
    kLeft,
    kCentre,
    kRight,
    kBottomLeft,
    kBottom,
    kBottomRight
};

// Which single pieces a stretch mode switches to stretched (mode 1
// stretches all of them already).
bool StretchedByMode(int mode, int piece) {
    switch (mode) {
    case 2:
        return piece == kBottom;
    case 3:
        return piece == kCentre;
    case 4:
        return piece == kLeft;
    case 5:
    case 8:
        return piece == kTop || piece == kLeft || piece == kRight || piece == kBottom;
    case 6:
        return piece == kRight;
    case 7:
        return piece == kTop;
    default:
        return false;
    }
}

struct Layout {
    ImageRef refs[9];
    RECT dest[9];
};

Layout Split(const RECT& d, const NineGridImage& grid) {
    const SkinRect& s = grid.source;
    const int sx[4] = {s.left, s.left + grid.marginLeft, s.right - grid.marginRight, s.right};
    const int sy[4] = {s.top, s.top + grid.marginTop, s.bottom - grid.marginBottom, s.bottom};
    const int dx[4] = {int(d.left), int(d.left) + grid.marginLeft, int(d.right) - grid.marginRight,
                       int(d.right)};
    const int dy[4] = {int(d.top), int(d.top) + grid.marginTop, int(d.bottom) - grid.marginBottom,
                       int(d.bottom)};
    Layout layout;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const int i = row * 3 + col;
            ImageRef& ref = layout.refs[i];
            std::memcpy(ref.name, grid.name, sizeof ref.name);
            ref.name[sizeof ref.name - 1] = '\0';
            ref.source = SkinRect{sx[col], sy[row], sx[col + 1], sy[row + 1]};
            ref.drawMode =
                grid.stretchMode == 1 || StretchedByMode(grid.stretchMode, i) ? kDrawStretched : kDrawTiled;
            layout.dest[i] = RECT{dx[col], dy[row], dx[col + 1], dy[row + 1]};
        }
    }
    return layout;
}

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
    const Layout layout = Split(dest, grid);
    static const int kOrder[9] = {kTopLeft, kTop,        kTopRight, kLeft,       kCentre,
                                  kRight,   kBottomLeft, kBottom,   kBottomRight};
    for (int i : kOrder) {
        if (i == kCentre) {
            if (!withCentre) continue;
            if (grid.stretchMode == 8) {
                DrawCentreRow(dc, layout.dest[i], layout.refs[i], skin, fillColour, fill);
                continue;
            }
        }
        DrawImageRef(dc, layout.dest[i], layout.refs[i], skin, fillColour, fill);
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
