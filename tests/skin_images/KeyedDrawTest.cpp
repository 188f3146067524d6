// Images drawn with the skin's key colour left out, in every draw mode,
// checked pixel by pixel against the documented mapping.

#include <gtest/gtest.h>

#include <string>

#include "GdiTestSupport.h"
#include "ImageDraw.h"
#include "NineGridDraw.h"
#include "ResolvedImage.h"
#include "StretchMap.h"

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);

// 5 x 4, no two pixels alike, with magenta and green pixels among them.
DibImage Pattern() {
    DibImage img = CoordImage(5, 4);
    for (const auto& [x, y] : {std::pair{0, 0}, {4, 1}, {2, 2}, {3, 2}}) img.SetColor(x, y, kMagenta);
    for (const auto& [x, y] : {std::pair{1, 0}, {0, 3}}) img.SetColor(x, y, kGreen);
    return img;
}

ImageRef WholeRef(int mode) {
    ImageRef ref;
    ref.SetName("p");
    ref.source = SkinRect{0, 0, 5, 4};
    ref.drawMode = mode;
    return ref;
}

// What `dest` should show at (x, y): the source pixel the mode puts there,
// or the background where the mode draws nothing or the pixel is keyed.
COLORREF Expected(const DibImage& img, const RECT& dest, int mode, COLORREF key, int x, int y) {
    const int w = dest.right - dest.left, h = dest.bottom - dest.top;
    const int dx = x - dest.left, dy = y - dest.top;
    if (dx < 0 || dy < 0 || dx >= w || dy >= h) return kBlue;
    int sx = dx, sy = dy;
    if (mode == kDrawTiled) {
        sx %= img.Width();
        sy %= img.Height();
    } else if (mode == kDrawStretched) {
        sx = StretchSource(dx, img.Width(), w);
        sy = StretchSource(dy, img.Height(), h);
    } else if (sx >= img.Width() || sy >= img.Height()) {
        return kBlue;
    }
    const COLORREF c = img.GetColor(sx, sy);
    return c == key ? kBlue : c;
}

struct Mismatch {
    std::string where;
    explicit operator bool() const { return !where.empty(); }
};

// The first pixel of a 16 x 12 canvas that differs from the expectation.
template <typename Expect>
Mismatch Compare(const Canvas& canvas, Expect expect) {
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x)
            if (canvas.Pixel(x, y) != expect(x, y))
                return {"pixel (" + std::to_string(x) + ", " + std::to_string(y) + ")"};
    return {};
}

TEST(KeyedDraw, EveryModeLeavesExactlyTheKeyPixels) {
    const RECT dests[] = {{1, 1, 4, 3}, {2, 1, 7, 5}, {1, 2, 13, 11}, {0, 0, 3, 11}};
    for (const bool hasInfo : {false, true}) {
        TestSkin skin;
        skin.images.emplace("p", Pattern());
        skin.hasInfo = hasInfo; // with an information object its colour is the key,
        skin.transparent = kGreen;
        skin.useTransparent = false; // whatever USETRANSPARENTCOLOR says
        const COLORREF key = hasInfo ? kGreen : kMagenta;
        const DibImage& img = skin.images.at("p");
        for (const int mode : {kDrawNatural, kDrawTiled, kDrawStretched}) {
            for (const RECT& dest : dests) {
                SCOPED_TRACE("mode " + std::to_string(mode) + " dest " + std::to_string(dest.right) + "x" +
                             std::to_string(dest.bottom) + (hasInfo ? " green key" : " magenta key"));
                auto expect = [&](int x, int y) { return Expected(img, dest, mode, key, x, y); };
                Canvas byRef(16, 12, kBlue);
                DrawImageRef(byRef.Dc(), dest, WholeRef(mode), skin, kRed, true);
                EXPECT_FALSE(Compare(byRef, expect)) << Compare(byRef, expect).where;

                ResolvedImage piece;
                ASSERT_TRUE(ResolveImageRef(skin, WholeRef(mode), piece));
                Canvas byPiece(16, 12, kBlue);
                DrawResolvedImage(byPiece.Dc(), dest, piece, mode, key);
                EXPECT_FALSE(Compare(byPiece, expect)) << Compare(byPiece, expect).where;
            }
        }
    }
}

TEST(KeyedDraw, OwnSizeCopiesBlendAlphaAndStillKey) {
    DibImage img = Pattern();
    img.CreateAlpha();
    img.SetAlpha(1, 1, 0);   // invisible
    img.SetAlpha(2, 1, 128); // half
    const RECT dest = {1, 1, 13, 11};
    for (const int mode : {kDrawNatural, kDrawTiled}) {
        SCOPED_TRACE(mode);
        Canvas canvas(16, 12, RGB(0, 0, 0));
        DrawImageKeyed(canvas.Dc(), dest, img, mode, kMagenta);
        EXPECT_EQ(canvas.Pixel(1, 1), RGB(0, 0, 0)); // key
        EXPECT_EQ(canvas.Pixel(2, 2), RGB(0, 0, 0)); // alpha 0
        EXPECT_EQ(canvas.Pixel(3, 2), RGB(40 * 128 / 256, 20 * 128 / 256, 100 * 128 / 256));
        EXPECT_EQ(canvas.Pixel(5, 4), img.GetColor(4, 3));
        EXPECT_EQ(canvas.Pixel(6, 4), mode == kDrawTiled ? kGreen : RGB(0, 0, 0)); // next copy
    }
}

TEST(KeyedDraw, LargeAreasGoThroughInStrips) {
    // 2 x 600000 pixels is more than one scratch surface takes at once.
    constexpr int kRows = 600000;
    DibImage column;
    column.Create(1, 3, 24, kImageFormatBmp);
    column.SetColor(0, 0, RGB(10, 0, 0));
    column.SetColor(0, 1, kMagenta);
    column.SetColor(0, 2, RGB(30, 0, 0));
    for (const bool alpha : {false, true}) {
        SCOPED_TRACE(alpha ? "blending" : "copying");
        DibImage source;
        ASSERT_TRUE(column.Crop(0, 0, 1, 3, source));
        if (alpha) source.CreateAlpha(); // opaque, but drawn through the blending path
        Canvas canvas(2, kRows, kBlue);
        DrawImageKeyed(canvas.Dc(), RECT{0, 0, 2, kRows}, source, kDrawTiled, kMagenta);
        for (const int y : {0, 1, 2, 524286, 524287, 524288, 524289, 524290, kRows - 2, kRows - 1}) {
            const COLORREF want = y % 3 == 0 ? RGB(10, 0, 0) : y % 3 == 1 ? kBlue : RGB(30, 0, 0);
            EXPECT_EQ(canvas.Pixel(1, y), want) << y;
        }
    }
}

TEST(KeyedDraw, NineGridsKeyTheirPiecesAndTheKeyedCopyStillWorks) {
    TestSkin skin;
    skin.images.emplace("p", CoordImage(6, 6));
    skin.images.at("p").SetColor(2, 2, kMagenta); // inside the stretched centre
    skin.images.at("p").SetColor(0, 0, kGreen);   // a corner, in the keyed copy's colour
    NineGridImage grid;
    grid.SetName("p");
    grid.source = SkinRect{0, 0, 6, 6};
    grid.marginLeft = grid.marginTop = grid.marginRight = grid.marginBottom = 2;
    grid.stretchMode = 1;
    Canvas plain(16, 12, kBlue);
    DrawNineGrid(plain.Dc(), RECT{0, 0, 12, 12}, grid, skin, kRed, true);
    EXPECT_EQ(plain.Pixel(0, 0), kGreen);
    EXPECT_EQ(plain.Pixel(2, 2), kBlue); // the centre's key pixel covers 4 x 4
    EXPECT_EQ(plain.Pixel(5, 5), kBlue);
    EXPECT_EQ(plain.Pixel(6, 6), RGB(60, 60, 100));

    Canvas keyed(16, 12, kBlue);
    DrawNineGridKeyed(keyed.Dc(), RECT{0, 0, 12, 12}, grid, skin, kGreen);
    EXPECT_EQ(keyed.Pixel(0, 0), kBlue); // the copy's own key
    EXPECT_EQ(keyed.Pixel(3, 3), kBlue); // the skin's key, not black
    EXPECT_EQ(keyed.Pixel(6, 6), RGB(60, 60, 100));
}

} // namespace
