// A piece's region covers exactly the pixels that drawing the piece touches.

#include <gtest/gtest.h>

#include <string>

#include "GdiRegion.h"
#include "GdiTestSupport.h"
#include "ImageDraw.h"
#include "PieceRegion.h"
#include "ResolvedImage.h"

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kMagenta = RGB(255, 0, 255);

// 5 x 4: a fully opaque top row, a transparent column and corners.
DibImage Shape() {
    DibImage img = CoordImage(5, 4);
    for (int y = 1; y < 4; ++y) img.SetColor(2, y, kMagenta);
    img.SetColor(0, 3, kMagenta);
    img.SetColor(4, 3, kMagenta);
    img.SetColor(4, 1, kMagenta);
    return img;
}

class PieceRegionTest : public ::testing::Test {
protected:
    PieceRegionTest() {
        skin.images.emplace("shape", Shape());
        skin.hasInfo = true;
        skin.useTransparent = true;
        skin.transparent = kMagenta;
        ImageRef ref;
        ref.SetName("shape");
        ref.source = SkinRect{0, 0, 5, 4};
        ResolveImageRef(skin, ref, piece);
    }
    TestSkin skin;
    ResolvedImage piece;
};

TEST_F(PieceRegionTest, CoversExactlyWhatIsDrawn) {
    ASSERT_NE(piece.region, nullptr);
    const RECT dests[] = {{1, 1, 4, 3},  {2, 1, 7, 5},  {1, 2, 13, 11}, {0, 0, 16, 12},
                          {3, 3, 6, 12}, {0, 5, 16, 7}, {4, 4, 5, 5}};
    for (const int mode : {kDrawNatural, kDrawTiled, kDrawStretched}) {
        for (const RECT& dest : dests) {
            SCOPED_TRACE("mode " + std::to_string(mode) + " dest (" + std::to_string(dest.left) + ", " +
                         std::to_string(dest.top) + ", " + std::to_string(dest.right) + ", " +
                         std::to_string(dest.bottom) + ")");
            Canvas canvas(16, 12, kBlue);
            DrawResolvedImage(canvas.Dc(), dest, piece, mode, kMagenta);
            HRGN region = PieceRegion(piece, dest, mode);
            ASSERT_NE(region, nullptr);
            std::string wrong;
            for (int y = 0; y < 12 && wrong.empty(); ++y)
                for (int x = 0; x < 16 && wrong.empty(); ++x)
                    if (bool(PtInRegion(region, x, y)) != (canvas.Pixel(x, y) != kBlue))
                        wrong = std::to_string(x) + ", " + std::to_string(y);
            EXPECT_EQ(wrong, "") << "region and drawing differ at this pixel";
            RECT box;
            if (GetRgnBox(region, &box) != NULLREGION) { // beyond the canvas too
                EXPECT_TRUE(box.left >= dest.left && box.top >= dest.top && box.right <= dest.right &&
                            box.bottom <= dest.bottom);
            }
            DeleteObject(region);
        }
    }
}

TEST_F(PieceRegionTest, WithoutRegionOrSize) {
    const RECT dest = {2, 3, 9, 7};
    const struct {
        const char* what;
        bool dropRegion;
        RECT dest;
        int expectedType;
        RECT expectedBox;
    } cases[] = {
        {"no region: all of dest", true, dest, SIMPLEREGION, dest},
        {"empty dest", false, RECT{4, 4, 4, 9}, NULLREGION, RECT{0, 0, 0, 0}},
        {"inverted dest", true, RECT{9, 7, 2, 3}, NULLREGION, RECT{0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        ResolvedImage copy;
        ImageRef ref;
        ref.SetName("shape");
        ref.source = SkinRect{0, 0, 5, 4};
        ASSERT_TRUE(ResolveImageRef(skin, ref, copy));
        if (c.dropRegion) {
            DeleteObject(copy.region);
            copy.region = nullptr;
        }
        for (const int mode : {kDrawNatural, kDrawTiled, kDrawStretched}) {
            HRGN region = PieceRegion(copy, c.dest, mode);
            RECT box;
            EXPECT_EQ(GetRgnBox(region, &box), c.expectedType) << c.what << " " << mode;
            EXPECT_TRUE(EqualRect(&box, &c.expectedBox)) << c.what << " " << mode;
            DeleteObject(region);
        }
    }
}

TEST_F(PieceRegionTest, FullyTransparentPieceCoversNothing) {
    skin.images.emplace("clear", DibImage());
    DibImage& clear = skin.images.at("clear");
    clear.Create(3, 2, 24, kImageFormatBmp);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) clear.SetColor(x, y, kMagenta);
    ImageRef ref;
    ref.SetName("clear");
    ref.source = SkinRect{0, 0, 3, 2};
    ResolvedImage empty;
    ASSERT_TRUE(ResolveImageRef(skin, ref, empty));
    for (const int mode : {kDrawNatural, kDrawTiled, kDrawStretched}) {
        HRGN region = PieceRegion(empty, RECT{0, 0, 20, 20}, mode);
        RECT box;
        EXPECT_EQ(GetRgnBox(region, &box), NULLREGION) << mode;
        DeleteObject(region);
    }
}

TEST(GdiRegion, RectanglesGoThereAndBack) {
    const std::vector<RECT> rects = {{0, 0, 4, 1}, {6, 0, 8, 1}, {1, 1, 3, 3}};
    HRGN region = RegionFromRects(rects);
    const std::vector<RECT> back = RectsOfRegion(region);
    int area = 0;
    for (const RECT& r : back) area += (r.right - r.left) * (r.bottom - r.top);
    EXPECT_EQ(area, 4 + 2 + 4);
    EXPECT_TRUE(PtInRegion(region, 7, 0));
    EXPECT_FALSE(PtInRegion(region, 5, 0));
    DeleteObject(region);
    EXPECT_TRUE(RectsOfRegion(nullptr).empty());
    HRGN none = RegionFromRects({});
    RECT box;
    EXPECT_EQ(GetRgnBox(none, &box), NULLREGION);
    DeleteObject(none);
}

} // namespace
