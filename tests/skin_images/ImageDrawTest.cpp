#include <gtest/gtest.h>

#include "DibImageGdi.h"
#include "GdiTestSupport.h"
#include "ImageDraw.h"
#include "ResolvedImage.h"

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);

DibImage KeyedPair() { // magenta, red
    DibImage img;
    img.Create(2, 1, 24, kImageFormatBmp);
    img.SetColor(0, 0, kMagenta);
    img.SetColor(1, 0, kRed);
    return img;
}

ImageRef Ref(const char* name, SkinRect source, int mode) {
    ImageRef ref;
    ref.SetName(name);
    ref.source = source;
    ref.drawMode = mode;
    return ref;
}

} // namespace

TEST(ImageGdi, DrawTransparentKeysOutOnlyWithAnIndex) {
    DibImage img = KeyedPair();
    Canvas plain(6, 3, kBlue);
    DrawTransparent(img, plain.Dc(), 1, 1, 4, 2);
    EXPECT_EQ(plain.Pixel(1, 1), kMagenta); // no index: plain stretch
    EXPECT_EQ(plain.Pixel(4, 2), kRed);

    img.SetTransparentIndex(0);
    img.SetTransparentColor(kMagenta);
    Canvas keyed(6, 3, kBlue);
    DrawTransparent(img, keyed.Dc(), 1, 1, 4, 2);
    EXPECT_EQ(keyed.Pixel(1, 1), kBlue);
    EXPECT_EQ(keyed.Pixel(2, 2), kBlue);
    EXPECT_EQ(keyed.Pixel(3, 1), kRed);
    EXPECT_EQ(keyed.Pixel(4, 2), kRed);
    EXPECT_EQ(keyed.Pixel(5, 1), kBlue);
}

TEST(ImageGdi, DrawCopiesOrBlendsAtOwnSize) {
    DibImage img = CoordImage(4, 3);
    Canvas canvas(8, 8, kBlue);
    Draw(img, canvas.Dc(), 2, 1, 2, -1); // two columns, all rows
    EXPECT_EQ(canvas.Pixel(2, 1), img.GetColor(0, 0));
    EXPECT_EQ(canvas.Pixel(3, 3), img.GetColor(1, 2));
    EXPECT_EQ(canvas.Pixel(4, 1), kBlue);

    Canvas clipped(8, 8, kBlue);
    const RECT clip = {3, 2, 8, 8};
    Draw(img, clipped.Dc(), 2, 1, -1, -1, &clip);
    EXPECT_EQ(clipped.Pixel(2, 1), kBlue);
    EXPECT_EQ(clipped.Pixel(3, 2), img.GetColor(1, 1));
    EXPECT_EQ(clipped.Pixel(5, 3), img.GetColor(3, 2));

    img.CreateAlpha();
    img.SetAlpha(0, 0, 0);
    img.SetAlpha(1, 0, 128);
    Canvas blended(8, 8, RGB(0, 0, 0));
    Draw(img, blended.Dc(), 0, 0);
    EXPECT_EQ(blended.Pixel(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(blended.Pixel(1, 0), RGB(20 * 128 / 256, 0, 100 * 128 / 256));
    EXPECT_EQ(blended.Pixel(2, 0), img.GetColor(2, 0));

    img.SetEnabled(false);
    Canvas disabled(8, 8, kBlue);
    Draw(img, disabled.Dc(), 0, 0);
    EXPECT_EQ(disabled.Pixel(2, 0), kBlue);
}

TEST(ImageGdi, StretchAndTile) {
    const DibImage img = CoordImage(2, 2);
    Canvas stretched(4, 4, kBlue);
    Stretch(img, stretched.Dc(), 0, 0, 4, 4);
    EXPECT_EQ(stretched.Pixel(1, 1), img.GetColor(0, 0));
    EXPECT_EQ(stretched.Pixel(2, 1), img.GetColor(1, 0));
    EXPECT_EQ(stretched.Pixel(3, 3), img.GetColor(1, 1));

    Canvas tiled(7, 5, kBlue);
    Tile(img, tiled.Dc(), RECT{1, 1, 6, 4});
    for (int y = 1; y < 4; ++y)
        for (int x = 1; x < 6; ++x) EXPECT_EQ(tiled.Pixel(x, y), img.GetColor((x - 1) % 2, (y - 1) % 2));
    EXPECT_EQ(tiled.Pixel(6, 1), kBlue);
    EXPECT_EQ(tiled.Pixel(1, 4), kBlue);
}

TEST(ImageGdi, BitmapsAndRegions) {
    DibImage img = KeyedPair();
    Canvas canvas(2, 1, kBlue);
    for (HDC dc : {canvas.Dc(), HDC(nullptr)}) {
        HBITMAP bitmap = MakeBitmap(img, dc);
        ASSERT_NE(bitmap, nullptr);
        HRGN region = RegionFromBitmap(bitmap, kMagenta);
        EXPECT_FALSE(PtInRegion(region, 0, 0));
        EXPECT_TRUE(PtInRegion(region, 1, 0));
        DeleteObject(region);
        DeleteObject(bitmap);
    }
    HRGN none = RegionFromImage(CoordImage(1, 1), RGB(0, 0, 100));
    RECT box;
    EXPECT_EQ(GetRgnBox(none, &box), NULLREGION);
    DeleteObject(none);
}

TEST(ImageGdi, ResolveCutsAndBuildsRegionWhenAsked) {
    TestSkin skin;
    skin.images.emplace("pair", KeyedPair());
    ResolvedImage piece;
    EXPECT_TRUE(ResolveImageRef(skin, Ref("pair", {0, 0, 2, 1}, 0), piece));
    EXPECT_EQ(piece.width, 2);
    EXPECT_EQ(piece.region, nullptr); // no skin information object

    skin.hasInfo = true;
    skin.useTransparent = true;
    skin.transparent = kMagenta;
    ASSERT_TRUE(ResolveImageRef(skin, Ref("pair", {0, 0, 2, 1}, 0), piece));
    ASSERT_NE(piece.region, nullptr);
    EXPECT_TRUE(PtInRegion(piece.region, 1, 0));
    EXPECT_FALSE(PtInRegion(piece.region, 0, 0));

    EXPECT_FALSE(ResolveImageRef(skin, Ref("nothing", {0, 0, 2, 1}, 0), piece));
    EXPECT_EQ(piece.image, nullptr);
    EXPECT_EQ(piece.region, nullptr);
}

TEST(ImageGdi, ImageRefModesAndFallback) {
    TestSkin skin;
    skin.images.emplace("c", CoordImage(6, 6));
    const DibImage& img = skin.images.at("c");

    Canvas natural(8, 8, kBlue);
    DrawImageRef(natural.Dc(), RECT{1, 1, 3, 3}, Ref("c", {2, 2, 6, 6}, kDrawNatural), skin, kRed, true);
    EXPECT_EQ(natural.Pixel(1, 1), img.GetColor(2, 2)); // top-left part only
    EXPECT_EQ(natural.Pixel(2, 2), img.GetColor(3, 3));
    EXPECT_EQ(natural.Pixel(3, 3), kBlue);

    Canvas tiled(8, 8, kBlue);
    DrawImageRef(tiled.Dc(), RECT{0, 0, 5, 2}, Ref("c", {1, 1, 3, 2}, kDrawTiled), skin, kRed, true);
    EXPECT_EQ(tiled.Pixel(4, 1), img.GetColor(1, 1));
    EXPECT_EQ(tiled.Pixel(3, 0), img.GetColor(2, 1));
    EXPECT_EQ(tiled.Pixel(5, 0), kBlue);

    Canvas stretched(8, 8, kBlue);
    DrawImageRef(stretched.Dc(), RECT{0, 0, 8, 4}, Ref("c", {0, 0, 2, 2}, kDrawStretched), skin, kRed, true);
    EXPECT_EQ(stretched.Pixel(3, 1), img.GetColor(0, 0));
    EXPECT_EQ(stretched.Pixel(4, 3), img.GetColor(1, 1));

    Canvas missing(8, 8, kBlue);
    DrawImageRef(missing.Dc(), RECT{0, 0, 2, 2}, Ref("gone", {0, 0, 2, 2}, 0), skin, kRed, true);
    DrawImageRef(missing.Dc(), RECT{2, 2, 4, 4}, Ref("c", {3, 3, 3, 5}, 0), skin, kRed, true);
    DrawImageRef(missing.Dc(), RECT{4, 4, 6, 6}, Ref("c", {7, 7, 9, 9}, 0), skin, kRed, true);
    DrawImageRef(missing.Dc(), RECT{6, 6, 8, 8}, Ref("gone", {0, 0, 2, 2}, 0), skin, kRed, false);
    EXPECT_EQ(missing.Pixel(1, 1), kRed);
    EXPECT_EQ(missing.Pixel(3, 3), kRed);  // empty source rectangle
    EXPECT_EQ(missing.Pixel(5, 5), kRed);  // source outside the image
    EXPECT_EQ(missing.Pixel(7, 7), kBlue); // no fill asked

    // A source at the far end of the coordinate range is outside the image;
    // its natural-size cut must not wrap round to the whole image.
    Canvas farOff(8, 8, kBlue);
    DrawImageRef(farOff.Dc(), RECT{0, 0, 8, 8},
                 Ref("c", {INT32_MAX - 4, INT32_MAX - 4, INT32_MAX, INT32_MAX}, 0), skin, kRed, true);
    EXPECT_EQ(farOff.Pixel(0, 0), kRed);
}
