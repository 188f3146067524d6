// Images drawn with the key colour left out, in every draw mode, and the
// regions of drawn pieces, checked pixel by pixel.

#include <gtest/gtest.h>

#include <string>

#include "GdiTestSupport.h"
#include "ImageDraw.h"
#include "NineGridDraw.h"
#include "PieceRegion.h"
#include "StretchMap.h"

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);

// What `dest` shows at (x, y) by the documented mapping; blue where nothing
// is drawn or the pixel is keyed.
COLORREF Expected(const DibImage& img, const RECT& dest, int mode, COLORREF key, int x, int y) {
    const int w = dest.right - dest.left, h = dest.bottom - dest.top, dx = x - dest.left, dy = y - dest.top;
    if (dx < 0 || dy < 0 || dx >= w || dy >= h) return kBlue;
    if (mode == kDrawNatural && (dx >= img.Width() || dy >= img.Height())) return kBlue;
    const COLORREF c = mode == kDrawStretched ? img.GetColor(StretchSource(dx, img.Width(), w),
                                                             StretchSource(dy, img.Height(), h))
                                              : img.GetColor(dx % img.Width(), dy % img.Height());
    return c == key ? kBlue : c;
}

TEST(KeyedDraw, EveryModeLeavesExactlyTheKeyPixelsAndRegionsCoverTheRest) {
    const RECT dests[] = {{1, 1, 4, 3}, {2, 1, 7, 5}, {1, 2, 13, 11}, {0, 0, 3, 11}, {4, 4, 5, 5}};
    for (const bool hasInfo : {false, true}) {
        TestSkin skin; // 5 x 4, an opaque top row, magenta and green pixels
        DibImage& img = skin.images.emplace("p", CoordImage(5, 4)).first->second;
        for (const auto& [x, y] : {std::pair{4, 1}, {2, 1}, {2, 2}, {2, 3}, {0, 3}})
            img.SetColor(x, y, kMagenta);
        img.SetColor(1, 0, kGreen);
        skin.hasInfo = skin.useTransparent = hasInfo; // its colour is the key and makes the regions
        skin.transparent = kGreen;
        const COLORREF key = hasInfo ? kGreen : kMagenta;
        for (const int mode : {kDrawNatural, kDrawTiled, kDrawStretched}) {
            ImageRef ref;
            ref.SetName("p");
            ref.source = SkinRect{0, 0, 5, 4};
            ref.drawMode = mode;
            ResolvedImage piece;
            ASSERT_TRUE(ResolveImageRef(skin, ref, piece));
            for (const RECT& dest : dests) {
                Canvas byRef(16, 12, kBlue), byPiece(16, 12, kBlue);
                DrawImageRef(byRef.Dc(), dest, ref, skin, kBlue, true);
                DrawResolvedImage(byPiece.Dc(), dest, piece, mode, key);
                HRGN region = PieceRegion(piece, dest, mode);
                std::string wrong;
                for (int y = 0; y < 12 && wrong.empty(); ++y) {
                    for (int x = 0; x < 16 && wrong.empty(); ++x) {
                        const COLORREF want = Expected(img, dest, mode, key, x, y);
                        // Without a region the piece covers all of dest.
                        const bool covered = want != kBlue || (!hasInfo && PtInRect(&dest, POINT{x, y}));
                        if (byRef.Pixel(x, y) != want || byPiece.Pixel(x, y) != want ||
                            bool(PtInRegion(region, x, y)) != covered)
                            wrong = std::to_string(x) + ", " + std::to_string(y);
                    }
                }
                EXPECT_EQ(wrong, "") << "mode " << mode << ", dest right " << dest.right << ", key " << key;
                RECT box;
                GetRgnBox(region, &box);
                UnionRect(&box, &box, &dest);
                EXPECT_TRUE(EqualRect(&box, &dest)) << "region beyond dest";
                DeleteObject(region);
            }
        }
    }
}

TEST(KeyedDraw, OwnSizeCopiesBlendAlphaAndStillKey) {
    DibImage img = CoordImage(2, 2); // magenta, alpha 0 / half, opaque
    img.SetColor(0, 0, kMagenta);
    img.CreateAlpha();
    img.SetAlpha(1, 0, 0);
    img.SetAlpha(0, 1, 128);
    for (const int mode : {kDrawNatural, kDrawTiled}) {
        Canvas canvas(5, 3, RGB(0, 0, 0));
        DrawImageKeyed(canvas.Dc(), RECT{0, 0, 5, 3}, img, mode, kMagenta);
        EXPECT_EQ(canvas.Pixel(0, 0), RGB(0, 0, 0)) << mode;
        EXPECT_EQ(canvas.Pixel(1, 0), RGB(0, 0, 0)) << mode;
        EXPECT_EQ(canvas.Pixel(0, 1), RGB(0, 20 * 128 / 256, 100 * 128 / 256)) << mode;
        EXPECT_EQ(canvas.Pixel(3, 1), mode == kDrawTiled ? img.GetColor(1, 1) : RGB(0, 0, 0)) << mode;
    }
}

TEST(KeyedDraw, LargeAreasGoThroughInStrips) {
    constexpr int kRows = 600000; // 2 x 600000 pixels take two scratch strips
    DibImage column;
    column.Create(1, 3, 24, kImageFormatBmp);
    column.SetColor(0, 0, RGB(10, 0, 0));
    column.SetColor(0, 1, kMagenta);
    column.SetColor(0, 2, RGB(30, 0, 0));
    for (const bool alpha : {false, true}) {
        if (alpha) column.CreateAlpha(); // opaque, but through the blending path
        Canvas canvas(2, kRows, kBlue);
        DrawImageKeyed(canvas.Dc(), RECT{0, 0, 2, kRows}, column, kDrawTiled, kMagenta);
        for (const int y : {0, 1, 2, 524286, 524287, 524288, 524289, 524290, kRows - 2, kRows - 1}) {
            const COLORREF want = y % 3 == 0 ? RGB(10, 0, 0) : y % 3 == 1 ? kBlue : RGB(30, 0, 0);
            EXPECT_EQ(canvas.Pixel(1, y), want) << y << (alpha ? " blending" : " copying");
        }
    }
}

TEST(KeyedDraw, KeyedNineGridLeavesTheSkinsKeyPixelsToo) {
    TestSkin skin;
    DibImage& img = skin.images.emplace("p", CoordImage(6, 6)).first->second;
    img.SetColor(2, 2, kMagenta); // the skin's key, inside the stretched centre
    img.SetColor(0, 0, kGreen);   // the keyed copy's own key, a corner
    NineGridImage grid;
    grid.SetName("p");
    grid.source = SkinRect{0, 0, 6, 6};
    grid.marginLeft = grid.marginTop = grid.marginRight = grid.marginBottom = 2;
    grid.stretchMode = 1;
    Canvas canvas(12, 12, kBlue);
    DrawNineGridKeyed(canvas.Dc(), RECT{0, 0, 12, 12}, grid, skin, kGreen);
    EXPECT_EQ(canvas.Pixel(0, 0), kBlue);
    EXPECT_EQ(canvas.Pixel(3, 3), kBlue); // not black
    EXPECT_EQ(canvas.Pixel(6, 6), RGB(60, 60, 100));
}

} // namespace
