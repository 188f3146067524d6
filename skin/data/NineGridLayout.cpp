#include "NineGridLayout.h"

#include <algorithm>
#include <cstring>

namespace {

// Which single pieces a stretch mode switches to stretched (mode 1
// stretches all of them already).
bool StretchedByMode(int mode, int piece) {
    switch (mode) {
    case 2:
        return piece == kPieceBottom;
    case 3:
        return piece == kPieceCentre;
    case 4:
        return piece == kPieceLeft;
    case 5:
    case 8:
        return piece == kPieceTop || piece == kPieceLeft || piece == kPieceRight || piece == kPieceBottom;
    case 6:
        return piece == kPieceRight;
    case 7:
        return piece == kPieceTop;
    default:
        return false;
    }
}

} // namespace

NineGridLayout SplitNineGrid(const SkinRect& d, const NineGridImage& grid) {
    const SkinRect& s = grid.source;
    const int32_t sx[4] = {HoldCoordinate(s.left), HoldCoordinate(int64_t(s.left) + grid.marginLeft),
                           HoldCoordinate(int64_t(s.right) - grid.marginRight), HoldCoordinate(s.right)};
    const int32_t sy[4] = {HoldCoordinate(s.top), HoldCoordinate(int64_t(s.top) + grid.marginTop),
                           HoldCoordinate(int64_t(s.bottom) - grid.marginBottom), HoldCoordinate(s.bottom)};
    const int32_t dx[4] = {HoldCoordinate(d.left), HoldCoordinate(int64_t(d.left) + grid.marginLeft),
                           HoldCoordinate(int64_t(d.right) - grid.marginRight), HoldCoordinate(d.right)};
    const int32_t dy[4] = {HoldCoordinate(d.top), HoldCoordinate(int64_t(d.top) + grid.marginTop),
                           HoldCoordinate(int64_t(d.bottom) - grid.marginBottom), HoldCoordinate(d.bottom)};
    NineGridLayout layout;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const int i = row * 3 + col;
            ImageRef& ref = layout.refs[i];
            std::memcpy(ref.name, grid.name, sizeof ref.name);
            ref.name[sizeof ref.name - 1] = '\0';
            ref.source = SkinRect{sx[col], sy[row], sx[col + 1], sy[row + 1]};
            ref.drawMode =
                grid.stretchMode == 1 || StretchedByMode(grid.stretchMode, i) ? kDrawStretched : kDrawTiled;
            layout.dest[i] = SkinRect{dx[col], dy[row], dx[col + 1], dy[row + 1]};
        }
    }
    return layout;
}
