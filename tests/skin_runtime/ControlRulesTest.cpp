// Decisions of the static, edit, combo box and progress bar skinners:
// which statics and combos are skinned, static text formats, edit border
// widths, the combo's hover zone, progress arithmetic at the int32 ends.
#include <gtest/gtest.h>

#include <climits>

#include "ControlRules.h"
#include "TabRules.h"

namespace {

TEST(StaticRules, OnlyTextIconAndBitmapStaticsAreSkinned) {
    // Index: SS_ type in the low five style bits.
    const bool skinned[0x13] = {true,  true,  true, true,  false, false, false, false, false, false,
                                false, false, true, false, true,  false, false, false, false};
    for (uint32_t type = 0; type < 0x13; ++type) {
        EXPECT_EQ(StaticIsSkinned(type | 0x50000000), skinned[type]) << type;
        // Flags above the type (SS_CENTERIMAGE, SS_NOTIFY, ellipses) never change it.
        EXPECT_EQ(StaticIsSkinned(type | 0xC380), skinned[type]) << type;
    }
}

TEST(StaticRules, TextFormatFollowsAlignmentWrappingAndEllipsis) {
    constexpr uint32_t kCenter = 0x1, kRight = 0x2, kVCenter = 0x4, kWordBreak = 0x10, kSingle = 0x20,
                       kTabs = 0x40, kNoPrefix = 0x800, kEdit = 0x2000, kPath = 0x4000, kEnd = 0x8000,
                       kRtl = 0x20000, kWord = 0x40000;
    struct Case {
        uint32_t style;
        uint32_t exStyle;
        uint32_t format;
    };
    const Case cases[] = {
        {0x0, 0, kTabs | kWordBreak},                                  // SS_LEFT
        {0x1, 0, kTabs | kWordBreak | kCenter},                        // SS_CENTER
        {0x2, 0, kTabs | kWordBreak | kRight},                         // SS_RIGHT
        {0xC, 0, kTabs},                                               // SS_LEFTNOWORDWRAP
        {0x1 | 0x200, 0, kTabs | kCenter | kSingle | kVCenter},        // centred both ways
        {0x0 | 0x80, 0, kTabs | kWordBreak | kNoPrefix},               // SS_NOPREFIX
        {0x0 | 0x2000, 0, kTabs | kWordBreak | kEdit},                 // SS_EDITCONTROL
        {0x0 | 0x4000, 0, kTabs | kSingle | kEnd},                     // SS_ENDELLIPSIS
        {0x0 | 0x8000 | 0x80, 0, kTabs | kSingle | kPath | kNoPrefix}, // SS_PATHELLIPSIS
        {0x0 | 0xC000, 0, kTabs | kSingle | kWord},                    // SS_WORDELLIPSIS: both bits
        {0x1, 0x1000, kTabs | kWordBreak | kRight},                    // WS_EX_RIGHT wins
        {0x0, 0x2000, kTabs | kWordBreak | kRtl},                      // WS_EX_RTLREADING
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StaticTextFormat(c.style, c.exStyle), c.format) << std::hex << c.style << " " << c.exStyle;
    }
}

TEST(EditRules, BorderWidthAddsEveryFrameStyle) {
    EdgeMetrics m;
    m.edgeX = 2;
    m.edgeY = 3;
    m.dlgFrameX = 4;
    m.dlgFrameY = 5;
    m.borderX = 1;
    m.borderY = 1;
    constexpr uint32_t kBorder = 0x00800000, kClientEdge = 0x200, kModal = 0x1, kStaticEdge = 0x20000;
    struct Case {
        uint32_t style;
        uint32_t exStyle;
        int x;
        int y;
    };
    const Case cases[] = {
        {0, 0, 0, 0},
        {0, kClientEdge, 2, 3},
        {0, kModal, 4, 5},
        {0, kStaticEdge, 1, 1},
        {0, kClientEdge | kModal | kStaticEdge, 7, 9},
        {kBorder, 0, 1, 1},
        {kBorder, kClientEdge, 3, 4},
        {0x50010000, 0x4, 0, 0}, // other styles draw no frame
    };
    for (const auto& c : cases) {
        const BorderWidth width = ScrollHostBorder(c.style, c.exStyle, m);
        EXPECT_EQ(width.x, c.x) << std::hex << c.style << " " << c.exStyle;
        EXPECT_EQ(width.y, c.y) << std::hex << c.style << " " << c.exStyle;
        EXPECT_EQ(width.IsEmpty(), c.x == 0 && c.y == 0);
    }
}

TEST(ComboRules, TypesDecideSkinningOwnerContentAndEdit) {
    struct Case {
        uint32_t style;
        bool skinned;
        bool ownerContent;
        bool edit;
    };
    const Case cases[] = {
        {0x1, false, false, false},        // CBS_SIMPLE
        {0x2, true, false, true},          // CBS_DROPDOWN
        {0x3, true, false, false},         // CBS_DROPDOWNLIST
        {0x3 | 0x10, true, true, false},   // owner-draw fixed
        {0x2 | 0x10, true, true, true},    // owner-draw fixed with an edit
        {0x3 | 0x20, false, false, false}, // owner-draw variable
        {0x2 | 0x20, false, false, true},
        {0x3 | 0x40 | 0x100, true, false, false}, // CBS_AUTOHSCROLL, CBS_SORT
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ComboIsSkinned(c.style), c.skinned) << std::hex << c.style;
        EXPECT_EQ(ComboHasOwnerContent(c.style), c.ownerContent) << std::hex << c.style;
        EXPECT_EQ(ComboHasEdit(c.style), c.edit) << std::hex << c.style;
    }
}

TEST(ComboRules, HoverZoneSparesTheButtonsLeftColumnsAndTheMargin) {
    const ComboLayout l = LayoutCombo(120, 22, {1, 1, 1, 1});
    EXPECT_EQ(l.dropButton.left, 102);
    EXPECT_EQ(l.text.right, 100);
    EXPECT_TRUE(InRect(l.hoverZone, 104, 10));
    EXPECT_FALSE(InRect(l.hoverZone, 103, 10));
    EXPECT_FALSE(InRect(l.hoverZone, 119, 10));
    EXPECT_FALSE(InRect(l.hoverZone, 110, 0));
}

TEST(ProgressRules, BarLengthInSixtyFourBits) {
    struct Case {
        int32_t pos, low, high;
        int width;
        int length;
    };
    const Case cases[] = {
        {0, 0, 100, 200, 0},
        {50, 0, 100, 200, 100},
        {100, 0, 100, 200, 200},
        {5, 5, 5, 200, 0}, // empty range
        {1 << 30, 0, INT_MAX, 240, 120},
        {INT_MAX, 0, INT_MAX, 240, 240},
        {INT_MAX - 1, 0, INT_MAX, 240, 239},
        {0, INT_MIN, INT_MAX, 1000, 500},
        {INT_MAX, INT_MIN, INT_MAX, INT_MAX, INT_MAX},
        {INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0},
        {150, 0, 100, 200, 200}, // never past the end
        {-10, 0, 100, 200, 0},
        {25, 100, 0, 200, 150}, // reversed range
        {50, 0, 100, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProgressBarLength(c.pos, c.low, c.high, c.width), c.length)
            << c.pos << " in " << c.low << ".." << c.high << " over " << c.width;
    }
}

TEST(ProgressRules, PositionsStayInTheRangeWithoutOverflow) {
    EXPECT_EQ(ProgressClamp(int64_t{INT_MAX} + 10, 0, INT_MAX), INT_MAX);
    EXPECT_EQ(ProgressClamp(int64_t{INT_MIN} - 10, INT_MIN, 0), INT_MIN);
    EXPECT_EQ(ProgressClamp(50, 100, 0), 50);
    EXPECT_EQ(ProgressClamp(150, 100, 0), 100);

    struct Case {
        int32_t pos, step, low, high;
        int32_t next;
    };
    const Case cases[] = {
        {0, 10, 0, 100, 10},
        {95, 10, 0, 100, 5}, // past the end: starts over
        {100, 0, 0, 100, 100},
        {5, -10, 0, 100, 95},
        {50, 10, 7, 7, 50},
        {INT_MAX - 5, 10, 0, INT_MAX, 5},
        {INT_MIN + 5, -10, INT_MIN, INT_MAX, INT_MAX - 5},
        {INT_MAX, INT_MAX, INT_MIN, INT_MAX, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProgressStepped(c.pos, c.step, c.low, c.high), c.next)
            << c.pos << " + " << c.step << " in " << c.low << ".." << c.high;
    }
}

} // namespace

namespace {

TEST(TabRules, SideFollowsTheStyleBits) {
    constexpr uint32_t kBottomOrRight = 0x2, kVertical = 0x80, kMultiline = 0x200, kButtons = 0x100;
    struct Case {
        uint32_t style;
        TabSide side;
    };
    const Case cases[] = {
        {0, TabSide::Top},
        {kButtons, TabSide::Top},
        {kBottomOrRight, TabSide::Bottom},
        {kVertical, TabSide::Left},
        {kVertical | kMultiline, TabSide::Left},
        {kVertical | kBottomOrRight, TabSide::Left}, // right needs multiline too
        {kVertical | kBottomOrRight | kMultiline, TabSide::Right},
    };
    for (const auto& c : cases) EXPECT_EQ(TabSideFor(c.style), c.side) << std::hex << c.style;
}

TEST(TabRules, PageFrameStartsOnePixelOverTheDeepestTabEdge) {
    const SkinRect client{0, 0, 200, 100};
    const SkinRect top[] = {{2, 2, 60, 22}, {60, 0, 120, 24}, {2, 24, 60, 44}}; // two rows
    const SkinRect bottom[] = {{2, 78, 60, 98}, {2, 56, 60, 78}};
    const SkinRect left[] = {{2, 2, 22, 60}, {22, 2, 40, 60}};
    const SkinRect right[] = {{178, 2, 198, 60}};
    struct Case {
        TabSide side;
        const SkinRect* tabs;
        int count;
        SkinRect frame;
    };
    const Case cases[] = {
        {TabSide::Top, top, 3, {0, 43, 200, 100}},   {TabSide::Bottom, bottom, 2, {0, 0, 200, 57}},
        {TabSide::Left, left, 2, {39, 0, 200, 100}}, {TabSide::Right, right, 1, {0, 0, 179, 100}},
        {TabSide::Top, top, 0, {0, 0, 200, 100}},
    };
    for (const auto& c : cases) {
        const SkinRect frame = TabPageFrame(c.side, client, c.tabs, c.count);
        EXPECT_EQ(frame.left, c.frame.left);
        EXPECT_EQ(frame.top, c.frame.top);
        EXPECT_EQ(frame.right, c.frame.right);
        EXPECT_EQ(frame.bottom, c.frame.bottom);
    }
}

TEST(TabRules, StatePriorityDisabledThenPressedThenHovered) {
    constexpr uint32_t kPressedItem = 0x1, kHighlighted = 0x2;
    struct Case {
        bool enabled, buttons, selected;
        uint32_t itemState;
        TabState state;
    };
    const Case cases[] = {
        {false, false, true, kHighlighted, kTabDisabled}, {true, false, true, kHighlighted, kTabPressed},
        {true, false, false, kHighlighted, kTabHovered},  {true, false, false, 0, kTabNormal},
        {true, true, false, kPressedItem, kTabPressed}, // a pressed button that is not the selection
        {true, false, false, kPressedItem, kTabNormal}, // the pressed bit means nothing without buttons
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TabStateFor(c.enabled, c.buttons, c.selected, c.itemState), c.state)
            << c.enabled << c.buttons << c.selected << c.itemState;
    }
}

} // namespace
