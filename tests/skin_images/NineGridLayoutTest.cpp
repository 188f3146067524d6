// Splitting a nine-grid whose margins and rectangles come from a skin file.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <utility>

#include "NineGridLayout.h"

namespace {

NineGridImage Grid(SkinRect source, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    NineGridImage g;
    g.SetName("frame");
    g.source = source;
    g.marginLeft = left;
    g.marginTop = top;
    g.marginRight = right;
    g.marginBottom = bottom;
    return g;
}

} // namespace

TEST(NineGridLayout, SplitsSourceAndDestinationByTheMargins) {
    const NineGridLayout l = SplitNineGrid(SkinRect{100, 50, 200, 90}, Grid({10, 20, 40, 50}, 5, 6, 7, 8));
    EXPECT_EQ(l.refs[kPieceTopLeft].source, (SkinRect{10, 20, 15, 26}));
    EXPECT_EQ(l.refs[kPieceCentre].source, (SkinRect{15, 26, 33, 42}));
    EXPECT_EQ(l.refs[kPieceBottomRight].source, (SkinRect{33, 42, 40, 50}));
    EXPECT_EQ(l.dest[kPieceTopLeft], (SkinRect{100, 50, 105, 56}));
    EXPECT_EQ(l.dest[kPieceCentre], (SkinRect{105, 56, 193, 82}));
    EXPECT_EQ(l.dest[kPieceBottomRight], (SkinRect{193, 82, 200, 90}));
    EXPECT_STREQ(l.refs[kPieceRight].name, "frame");
}

TEST(NineGridLayout, ExtremeValuesDoNotWrapRound) {
    // Every sum keeps the side the margin moves it to: a wrapped sum would
    // land on the far side of the coordinate range.
    struct Case {
        const char* what;
        SkinRect source;
        SkinRect dest;
        int32_t margin; // all four
    };
    const Case cases[] = {
        {"huge margins", {0, 0, 10, 10}, {0, 0, 100, 100}, INT32_MAX},
        {"huge negative margins", {0, 0, 10, 10}, {0, 0, 100, 100}, INT32_MIN},
        {"source at the ends of the range",
         {INT32_MAX - 3, INT32_MAX - 3, INT32_MIN + 3, INT32_MIN + 3},
         {0, 0, 100, 100},
         100},
        {"destination at the ends of the range",
         {0, 0, 10, 10},
         {INT32_MAX - 3, INT32_MAX - 3, INT32_MIN + 3, INT32_MIN + 3},
         100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const NineGridLayout l =
            SplitNineGrid(c.dest, Grid(c.source, c.margin, c.margin, c.margin, c.margin));
        const std::pair<SkinRect, SkinRect> centres[] = {{c.source, l.refs[kPieceCentre].source},
                                                         {c.dest, l.dest[kPieceCentre]}};
        for (const auto& [whole, centre] : centres) {
            // Inner edges are the outer ones moved by the margin, held to
            // +-2^29; never on the wrong side.
            constexpr int32_t kLimit = 1 << 29;
            if (c.margin > 0) {
                EXPECT_GE(centre.left, std::min(whole.left, kLimit));
                EXPECT_LE(centre.right, std::max(whole.right, -kLimit));
            } else {
                EXPECT_LE(centre.left, std::max(whole.left, -kLimit));
                EXPECT_GE(centre.right, std::min(whole.right, kLimit));
            }
            EXPECT_EQ(int64_t(centre.Width()), int64_t(centre.right) - centre.left);
        }
    }
}

TEST(NineGridLayout, RectangleExtentsHoldAtTheEndsOfTheRange) {
    EXPECT_EQ((SkinRect{INT32_MIN, 0, INT32_MAX, 1}).Width(), INT32_MAX);
    EXPECT_EQ((SkinRect{0, INT32_MAX, 1, INT32_MIN}).Height(), INT32_MIN);
    EXPECT_EQ((SkinRect{-5, -5, 5, 7}).Height(), 12);
}
