#pragma once
// Where the nine pieces of a NineGridImage come from and go to (portable).

#include "ImageRef.h"
#include "NineGridImage.h"
#include "SkinRect.h"

// Piece numbers, row by row.
enum NineGridPiece : int {
    kPieceTopLeft,
    kPieceTop,
    kPieceTopRight,
    kPieceLeft,
    kPieceCentre,
    kPieceRight,
    kPieceBottomLeft,
    kPieceBottom,
    kPieceBottomRight,
    kPieceCount
};

struct NineGridLayout {
    ImageRef refs[kPieceCount]; // image name, source piece, tiled or stretched
    SkinRect dest[kPieceCount];
};

// Splits the source rectangle and `dest` by the margins. Margins and
// rectangles come from skin files, so the sums are taken wide and held
// within +-2^29, far beyond any drawable coordinate, so that later
// differences and sums cannot overflow either.
NineGridLayout SplitNineGrid(const SkinRect& dest, const NineGridImage& grid);
