// The scroll-bar engine's arithmetic: thumb size and place, half arrows,
// part hits, position and page limits, drag positions, and the scroll-bar
// control's simpler geometry at the ends of the int32 range.
#include <gtest/gtest.h>

#include <climits>

#include "ScrollRules.h"

namespace {

ScrollValues Values(int min, int max, int page, int pos = 0) {
    ScrollValues v;
    v.min = min;
    v.max = max;
    v.page = page;
    v.pos = pos;
    return v;
}

TEST(ScrollRules, MulDivRoundsHalvesAwayFromZeroAndRefusesZeroDivisors) {
    struct Case {
        int a, b, c, result;
    };
    const Case cases[] = {
        {10, 66, 100, 7},    {-10, 66, 100, -7},       {1, 1, 2, 1},     {-1, 1, 2, -1}, {5, 5, 0, -1},
        {INT_MAX, 2, 1, -1}, {INT_MAX, 2, 2, INT_MAX}, {45, 59, 90, 30},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScrollMulDiv(c.a, c.b, c.c), c.result) << c.a << "*" << c.b << "/" << c.c;
}

TEST(ScrollRules, ThumbSizeAndPlaceAlongTheTrack) {
    // A 100-pixel bar with 17-pixel arrows: a 66-pixel track from 17 to 83.
    struct Case {
        ScrollValues values;
        uint32_t flags;
        bool hasThumb;
        int thumbStart;
        int thumbLength;
    };
    const Case cases[] = {
        {Values(0, 99, 10, 0), 0, true, 17, 7},            // MulDiv(10, 66, 100) = 7
        {Values(0, 99, 10, 45), 0, true, 47, 7},           // offset MulDiv(45, 59, 90)
        {Values(0, 99, 10, 90), 0, true, 76, 7},           // last position: thumb at the track's end
        {Values(0, 99, 10, 500), 0, true, 76, 7},          // a stray position stays in the track
        {Values(-50, 49, 10, -50), 0, true, 17, 7},        // negative minimum
        {Values(0, 99, 0, 50), 0, true, 42, 17},           // no page: arrow-long thumb, MulDiv(50, 49, 99)
        {Values(0, 9999, 1, 0), 0, true, 17, 6},           // raised to the minimum thumb
        {Values(0, 9, 20, 0), 0, false, 0, 0},             // page beyond the range: nothing to scroll
        {Values(0, 0, 0, 0), 0, false, 0, 0},              // empty range
        {Values(0, 99, 10, 0), 3, false, 0, 0},            // both arrows disabled
        {Values(0, 99, 10, 0), 1, true, 17, 7},            // one disabled arrow keeps the thumb
        {Values(INT_MIN, INT_MAX, 10, 0), 0, false, 0, 0}, // range too wide for a thumb
        {Values(0, 0x7FFFFFFE, 0x40000000, 0), 0, true, 17, 33} // widest range with a thumb
    };
    for (const auto& c : cases) {
        const ScrollBarLayout layout = LayoutScrollBar(100, 17, c.values, kMinThumbNt, c.flags);
        EXPECT_EQ(layout.arrow1, 17);
        EXPECT_EQ(layout.arrow2, 17);
        EXPECT_EQ(layout.hasThumb, c.hasThumb) << c.values.max << " " << c.values.page << " " << c.values.pos;
        if (!c.hasThumb) continue;
        EXPECT_EQ(layout.thumbStart, c.thumbStart)
            << c.values.max << " " << c.values.page << " " << c.values.pos;
        EXPECT_EQ(layout.thumbLength, c.thumbLength) << c.values.max << " " << c.values.page;
    }
}

TEST(ScrollRules, ShortBarsGetTwoHalfArrowsAndNoThumb) {
    struct Case {
        int length;
        int trackStart;
        int trackEnd;
    };
    const Case cases[] = {{30, 15, 15}, {31, 15, 16}, {34, 17, 17}, {1, 0, 1}, {0, 0, 0}};
    for (const auto& c : cases) {
        const ScrollBarLayout layout = LayoutScrollBar(c.length, 17, Values(0, 99, 10, 50), kMinThumbNt, 0);
        EXPECT_EQ(layout.arrow1, c.length / 2) << c.length;
        EXPECT_EQ(layout.arrow2, c.length / 2) << c.length;
        EXPECT_EQ(layout.trackStart, c.trackStart) << c.length;
        EXPECT_EQ(layout.trackEnd, c.trackEnd) << c.length;
        EXPECT_FALSE(layout.hasThumb) << c.length;
        // The odd pixel belongs to no arrow and is no part.
        if (c.length % 2) {
            EXPECT_EQ(ScrollPartAt(layout, c.length / 2, 0, 17), kPartNone);
        }
        if (c.length >= 2) {
            EXPECT_EQ(ScrollPartAt(layout, 0, 0, 17), kPartArrow1);
            EXPECT_EQ(ScrollPartAt(layout, c.length - 1, 0, 17), kPartArrow2);
        }
    }
}

TEST(ScrollRules, PartHitsAlongAndAcrossTheBar) {
    const ScrollBarLayout layout = LayoutScrollBar(100, 17, Values(0, 99, 10, 45), kMinThumbNt, 0);
    struct Case {
        int along;
        int across;
        ScrollPart part;
    };
    const Case cases[] = {
        {0, 0, kPartArrow1},  {16, 16, kPartArrow1}, {17, 5, kPartPageBefore}, {46, 5, kPartPageBefore},
        {47, 5, kPartThumb},  {53, 5, kPartThumb},   {54, 5, kPartPageAfter},  {82, 5, kPartPageAfter},
        {83, 5, kPartArrow2}, {99, 5, kPartArrow2},  {100, 5, kPartNone},      {-1, 5, kPartNone},
        {50, -1, kPartNone},  {50, 17, kPartNone},
    };
    for (const auto& c : cases) EXPECT_EQ(ScrollPartAt(layout, c.along, c.across, 17), c.part) << c.along;
    // Without a thumb the track is no part.
    const ScrollBarLayout still = LayoutScrollBar(100, 17, Values(0, 0, 0), kMinThumbNt, 0);
    EXPECT_EQ(ScrollPartAt(still, 50, 5, 17), kPartNone);
    EXPECT_EQ(ScrollPartAt(still, 5, 5, 17), kPartArrow1);
}

TEST(ScrollRules, PositionsAndPagesStayInsideTheRange) {
    struct PosCase {
        ScrollValues values;
        int asked;
        int held;
    };
    const PosCase positions[] = {
        {Values(0, 99, 10), 95, 90}, {Values(0, 99, 10), -5, 0},
        {Values(0, 99, 0), 150, 99}, // no page: the last position is max, not max + 1
        {Values(0, 99, 1), 150, 99}, {Values(0, 99, 100), 50, 0}, // a page as long as the range
        {Values(0, 99, 200), 50, 0}, // a page longer than the range keeps pos at min
        {Values(10, 20, 0), 0, 10},  {Values(INT_MIN, INT_MAX, 0), INT_MAX, INT_MAX},
        {Values(5, 5, 0), 9, 5},
    };
    for (const auto& c : positions) {
        EXPECT_EQ(ClampScrollPos(c.asked, c.values), c.held)
            << c.values.min << ".." << c.values.max << " page " << c.values.page << " pos " << c.asked;
    }
    struct PageCase {
        int page, min, max, held;
    };
    const PageCase pages[] = {
        {10, 0, 99, 10},
        {200, 0, 99, 100},
        {-3, 0, 99, 0},
        {5, 10, 0, 0},
        {INT_MAX, INT_MIN, INT_MAX, INT_MAX},
    };
    for (const auto& c : pages) EXPECT_EQ(ClampScrollPage(c.page, c.min, c.max), c.held) << c.page;
}

TEST(ScrollRules, BarShowsWhenThereIsSomethingToScrollOrItIsAsked) {
    struct Case {
        ScrollValues values;
        bool disableNoScroll;
        uint32_t flags;
        bool wanted;
    };
    const Case cases[] = {
        {Values(0, 99, 10), false, 0, true},
        {Values(0, 99, 100), false, 0, false}, // the page shows everything
        {Values(0, 0, 0), false, 0, false},
        {Values(0, 0, 0), true, 0, true},                // SIF_DISABLENOSCROLL keeps it
        {Values(0, 0, 0), false, kBarAlwaysShown, true}, // always shown
        {Values(5, 5, 0), false, 0, false},              // min == max
        {Values(0, 10, 10), false, 0, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScrollBarWanted(c.values, c.disableNoScroll, c.flags), c.wanted)
            << c.values.max << " " << c.values.page << " " << c.disableNoScroll << " " << c.flags;
    }
    EXPECT_FALSE(ScrollBarActive(Values(0, 99, 10), kBarArrow1Disabled | kBarArrow2Disabled));
    EXPECT_TRUE(ScrollBarActive(Values(0, 0, 0), kBarAlwaysShown));
    EXPECT_FALSE(ScrollBarActive(Values(0, 0, 0), 0));
}

TEST(ScrollRules, DraggedThumbGivesThePositionItStandsFor) {
    struct Case {
        ScrollValues values;
        int thumbStart;
        int pos;
    };
    const Case cases[] = {
        {Values(0, 99, 10), 17, 0},     {Values(0, 99, 10), 76, 90},
        {Values(0, 99, 10), 47, 46},    {Values(0, 99, 10), 0, 0},  // before the track: the first position
        {Values(0, 99, 10), 95, 90},                                // past it: the last
        {Values(10, 109, 10), 17, 10},                              // counted from min
        {Values(10, 109, 10), 76, 100}, {Values(0, 99, 0), 66, 99}, // no page: max, never max + 1
    };
    for (const auto& c : cases) {
        const ScrollBarLayout layout = LayoutScrollBar(100, 17, c.values, kMinThumbNt, 0);
        ASSERT_TRUE(layout.hasThumb);
        EXPECT_EQ(ScrollDragPosition(layout, c.thumbStart, c.values), c.pos)
            << c.values.min << " page " << c.values.page << " at " << c.thumbStart;
    }
}

TEST(ScrollRules, DragKeepsFollowingInsideTheWidenedBar) {
    const SkinRect horizontal = ScrollSnapRect(SkinRect{10, 200, 310, 217}, false);
    EXPECT_EQ(horizontal.left, 10 - 48);
    EXPECT_EQ(horizontal.right, 310 + 48);
    EXPECT_EQ(horizontal.top, 200 - 24);
    EXPECT_EQ(horizontal.bottom, 217 + 24);
    const SkinRect vertical = ScrollSnapRect(SkinRect{300, 10, 317, 210}, true);
    EXPECT_EQ(vertical.left, 300 - 24);
    EXPECT_EQ(vertical.top, 10 - 48);
}

TEST(ScrollCtlRules, ThumbCentredOnItsPlaceAndKeptInTheTrack) {
    // 100 pixels, 17-pixel arrows and thumb: the track runs from 17 to 83.
    struct Case {
        ScrollValues values;
        bool hasThumb;
        int thumbStart;
    };
    const Case cases[] = {
        {Values(0, 100, 0, 0), true, 17},                 // would stick out before the track
        {Values(0, 100, 0, 50), true, 42},                // centre 17 + 33
        {Values(0, 100, 0, 100), true, 66},               // pushed back from the end
        {Values(7, 7, 0, 7), true, 17},                   // empty range: track start
        {Values(INT_MIN, INT_MAX, 0, INT_MAX), true, 66}, // the whole int32 span, no overflow
        {Values(INT_MIN, INT_MAX, 0, 0), true, 42},
    };
    for (const auto& c : cases) {
        const ScrollCtlLayout layout = LayoutScrollCtl(100, 17, 17, c.values);
        EXPECT_EQ(layout.hasThumb, c.hasThumb);
        EXPECT_EQ(layout.thumbStart, c.thumbStart)
            << c.values.min << ".." << c.values.max << " " << c.values.pos;
    }
    // A track shorter than the thumb has none, and its track hits nothing.
    const ScrollCtlLayout tight = LayoutScrollCtl(40, 17, 17, Values(0, 10, 0, 5));
    EXPECT_FALSE(tight.hasThumb);
    EXPECT_EQ(ScrollCtlHitAt(tight, 20), kCtlHitNone);
    EXPECT_EQ(ScrollCtlHitAt(tight, 39), kCtlHitArrow2);
}

TEST(ScrollCtlRules, HitCodesAndPositionsUnderTheCursor) {
    const ScrollValues values = Values(0, 100, 0, 50);
    const ScrollCtlLayout layout = LayoutScrollCtl(100, 17, 17, values);
    struct Case {
        int along;
        ScrollCtlHit hit;
        int pos;
    };
    const Case cases[] = {
        {0, kCtlHitArrow1, 0},  {30, kCtlHitPageBefore, 19}, {42, kCtlHitThumb, 50},
        {58, kCtlHitThumb, 50}, {59, kCtlHitPageAfter, 63},  {83, kCtlHitArrow2, 100},
        {-4, kCtlHitNone, 0},   {100, kCtlHitNone, 100},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScrollCtlHitAt(layout, c.along), c.hit) << c.along;
        EXPECT_EQ(ScrollCtlPositionAt(layout, c.along, values), c.pos) << c.along;
    }
    // No track: the position is min rather than a division by zero.
    const ScrollCtlLayout none = LayoutScrollCtl(34, 17, 17, values);
    EXPECT_EQ(ScrollCtlPositionAt(none, 17, values), 0);
    // The whole int32 span in 64 bits.
    const ScrollValues wide = Values(INT_MIN, INT_MAX, 0, 0);
    const ScrollCtlLayout wideLayout = LayoutScrollCtl(100, 17, 17, wide);
    EXPECT_EQ(ScrollCtlPositionAt(wideLayout, 83, wide), INT_MAX);
    EXPECT_EQ(ScrollCtlPositionAt(wideLayout, 17, wide), INT_MIN);
}

} // namespace
