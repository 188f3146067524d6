#include <gtest/gtest.h>

#include <string>

#include "GdiTestSupport.h"
#include "NineGridDraw.h"

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kMagenta = RGB(255, 0, 255);

// A 6 x 6 image cut by margins of 2: every piece is 2 x 2 in the source,
// drawn into 12 x 12 so that edges and centre cover 8 pixels.
NineGridImage Grid(int mode) {
    NineGridImage grid;
    grid.SetName("grid");
    grid.source = SkinRect{0, 0, 6, 6};
    grid.marginLeft = grid.marginTop = grid.marginRight = grid.marginBottom = 2;
    grid.stretchMode = mode;
    return grid;
}

// 'T' when the 8 pixels along one direction repeat the 2-pixel source
// (tiled or copied side by side), 'S' when each source pixel covers 4.
char Pattern(const Canvas& c, int x0, int y0, bool horizontal) {
    std::string got;
    for (int i = 0; i < 8; ++i) {
        const COLORREF p = horizontal ? c.Pixel(x0 + i, y0) : c.Pixel(x0, y0 + i);
        got += char('0' + (horizontal ? SourceX(p) : SourceY(p)) % 2);
    }
    if (got == "01010101") return 'T';
    if (got == "00001111") return 'S';
    return '?';
}

// How pieces 1 (top), 3 (left), 5 (right), 7 (bottom) and the centre
// (across, down) were drawn.
std::string Shape(const Canvas& c) {
    return std::string{Pattern(c, 2, 0, true),  Pattern(c, 0, 2, false), Pattern(c, 10, 2, false),
                       Pattern(c, 2, 10, true), Pattern(c, 2, 5, true),  Pattern(c, 5, 2, false)};
}

class NineGridTest : public ::testing::Test {
protected:
    NineGridTest() { skin_.images.emplace("grid", CoordImage(6, 6)); }
    TestSkin skin_;
};

} // namespace

TEST_F(NineGridTest, EveryStretchModePicksItsPieces) {
    const struct {
        int mode;
        const char* shape;
    } cases[] = {
        {0, "TTTTTT"}, {1, "SSSSSS"}, {2, "TTTSTT"}, {3, "TTTTSS"}, {4, "TSTTTT"},
        {5, "SSSSTT"}, {6, "TTSTTT"}, {7, "STTTTT"}, {8, "SSSSTS"}, {9, "TTTTTT"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        Canvas canvas(12, 12, kBlue);
        DrawNineGrid(canvas.Dc(), RECT{0, 0, 12, 12}, Grid(c.mode), skin_, kBlue, true);
        EXPECT_EQ(Shape(canvas), c.shape);
        // Corners always keep their own pixels.
        EXPECT_EQ(canvas.Pixel(0, 0), RGB(0, 0, 100));
        EXPECT_EQ(canvas.Pixel(11, 11), RGB(100, 100, 100));
    }
}

TEST_F(NineGridTest, ModeEightRepeatsWholeCentresAndStretchesTheRest) {
    Canvas canvas(13, 12, kBlue); // centre 9 wide: four copies of 2, then 1
    DrawNineGrid(canvas.Dc(), RECT{0, 0, 13, 12}, Grid(8), skin_, kBlue, true);
    EXPECT_EQ(SourceX(canvas.Pixel(8, 5)), 2);
    EXPECT_EQ(SourceX(canvas.Pixel(9, 5)), 3);
    // The last copy is squeezed into one pixel, still from the centre piece.
    EXPECT_EQ(SourceX(canvas.Pixel(10, 5)) / 2, 1);
    EXPECT_EQ(SourceY(canvas.Pixel(10, 5)), 2);
    EXPECT_EQ(SourceX(canvas.Pixel(11, 5)), 4);
}

TEST_F(NineGridTest, BorderOnlyLeavesTheCentre) {
    Canvas canvas(12, 12, kBlue);
    DrawNineGridBorder(canvas.Dc(), RECT{0, 0, 12, 12}, Grid(8), skin_, kBlue, true);
    EXPECT_EQ(canvas.Pixel(5, 5), kBlue);
    EXPECT_EQ(Pattern(canvas, 2, 0, true), 'S');
}

TEST_F(NineGridTest, KeyedCopyLeavesKeyPixels) {
    DibImage& img = skin_.images.at("grid");
    img.SetColor(0, 0, kMagenta);
    Canvas canvas(14, 14, kBlue);
    DrawNineGridKeyed(canvas.Dc(), RECT{1, 1, 13, 13}, Grid(1), skin_, kMagenta);
    EXPECT_EQ(canvas.Pixel(1, 1), kBlue); // key pixel of the image
    EXPECT_EQ(canvas.Pixel(2, 1), RGB(20, 0, 100));
    EXPECT_EQ(canvas.Pixel(0, 0), kBlue); // outside the destination

    NineGridImage missing = Grid(1);
    missing.SetName("none"); // filled with the key: nothing shows
    Canvas untouched(14, 14, kBlue);
    DrawNineGridKeyed(untouched.Dc(), RECT{1, 1, 13, 13}, missing, skin_, kMagenta);
    EXPECT_EQ(untouched.Pixel(6, 6), kBlue);
}
