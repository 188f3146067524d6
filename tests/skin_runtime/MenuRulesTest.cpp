// Menu and tooltip decisions without windows: mnemonics, sizes, scroll
// strips, arrow keys and where popups and tips go on the work area.
#include <gtest/gtest.h>

#include <array>

#include "MenuBarRules.h"
#include "MenuRules.h"
#include "TooltipRules.h"

namespace {

std::array<int, 4> Box(const SkinRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

TEST(MenuText, MnemonicIsTheFirstSingleAmpersandsLetterUpperCased) {
    struct Case {
        const char16_t* text;
        char16_t mnemonic;
    };
    const Case cases[] = {
        {u"&Open", u'O'},    {u"Save &as", u'A'}, {u"Fish && &chips", u'C'},
        {u"No mnemonic", 0}, {u"Trailing &", 0},  {u"&&Only doubled", 0},
        {u"&1 first", u'1'}, {u"\u6253&F", u'F'}, {u"a&b&c", u'B'},
    };
    for (const Case& c : cases) EXPECT_EQ(MenuMnemonic(c.text), c.mnemonic) << std::u16string(c.text).size();
}

TEST(MenuText, TabSeparatesTheAcceleratorText) {
    const MenuTextParts open = SplitMenuText(u"Open\tCtrl+O");
    EXPECT_TRUE(open.hasTab);
    EXPECT_EQ(open.label, u"Open");
    EXPECT_EQ(open.accelerator, u"Ctrl+O");
    const MenuTextParts plain = SplitMenuText(u"Close");
    EXPECT_FALSE(plain.hasTab);
    EXPECT_EQ(plain.label, u"Close");
}

TEST(MenuSizes, ItemHeightAndPopupSize) {
    const ItemMargins margins{3, 2, 5, 4};
    EXPECT_EQ(MenuItemHeight(13, 0, margins), 13 + 2 + 4 + 2);
    EXPECT_EQ(MenuItemHeight(13, 16, margins), 16 + 2 + 4 + 2);
    const PopupFrame frame{4, 6, 3, 5};
    // widest + borders + margins + a free square at each end + 1
    EXPECT_EQ(Box(PopupSize(100, 7, 20, margins, frame)),
              (std::array{0, 0, 100 + 4 + 6 + 3 + 5 + 40 + 1, 7 * 20 + 3 + 5}));
}

TEST(MenuScroll, StripsTakeWhatTheVisibleItemsLeave) {
    struct Case {
        int clientHeight, itemHeight, count;
        bool scrolling;
        int visible, strip;
    };
    const Case cases[] = {
        {200, 20, 10, false, 10, 0},                             // fits exactly
        {200, 20, 5, false, 5, 0},   {590, 20, 40, true, 29, 5}, // 29 items leave 10: strips of 5
        {585, 20, 40, true, 28, 12},                             // 5 left over is too thin: one item fewer
        {15, 20, 3, true, 0, 7},
    };
    for (const Case& c : cases) {
        const PopupScroll s = PopupScrollFor(c.clientHeight, c.itemHeight, c.count);
        EXPECT_EQ(s.scrolling, c.scrolling) << c.clientHeight;
        EXPECT_EQ(s.visibleCount, c.visible) << c.clientHeight;
        EXPECT_EQ(s.stripHeight, c.strip) << c.clientHeight;
    }
}

TEST(MenuScroll, HitTestHonoursStripsAndFirstVisibleItem) {
    const PopupScroll scroll{true, 5, 10};
    struct Case {
        int x, y, first, item;
    };
    const Case cases[] = {
        {5, 5, 0, -1},                                                                    // upper strip
        {5, 10, 0, 0},    {5, 29, 0, 0},    {5, 30, 0, 1}, {5, 30, 7, 8}, {5, 109, 0, 4}, // last visible
        {5, 110, 0, -1},                                                                  // lower strip
        {-1, 40, 0, -1},  {100, 40, 0, -1},                                               // outside the width
        {5, 100, 38, -1}, // past the last item of 40
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PopupItemAt(c.x, c.y, 100, 120, scroll, 20, 40, c.first), c.item) << c.x << "," << c.y;
    }
    EXPECT_EQ(PopupItemAt(5, 15, 100, 120, PopupScroll{false, 0, 0}, 20, 0, 0), -1); // empty list
}

TEST(MenuKeys, ArrowsWrapAndSkipSeparators) {
    const std::vector<uint32_t> items = {0, kMenuSeparator, kMenuGrayed, 0, kMenuSeparator};
    struct Case {
        int current;
        bool down;
        int next;
    };
    const Case cases[] = {
        {-1, false, 3},               // none: up goes to the last that is not a separator
        {-1, true, 0},  {0, true, 2}, // grayed items can be current
        {2, true, 3},   {3, true, 0}, // past the trailing separator to the first
        {0, false, 3},  {2, false, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(NextMenuItem(items, c.current, c.down), c.next) << c.current;
    EXPECT_EQ(NextMenuItem({kMenuSeparator, kMenuSeparator}, -1, true), -1);
    EXPECT_EQ(NextMenuItem({}, -1, true), -1);
    // A popup item carries the separator bit's neighbour flags but is no separator.
    EXPECT_EQ(NextMenuItem({kMenuSeparator | kMenuPopup}, -1, true), 0);
}

TEST(MenuKeys, MnemonicFindsTheFirstMatch) {
    const std::vector<char16_t> mnemonics = {u'O', 0, u'S', u'O'};
    EXPECT_EQ(MenuItemForKey(mnemonics, u'O'), 0);
    EXPECT_EQ(MenuItemForKey(mnemonics, u's'), 2);
    EXPECT_EQ(MenuItemForKey(mnemonics, u'X'), -1);
    EXPECT_EQ(MenuItemForKey(mnemonics, 0), -1);
}

const SkinRect kWork{0, 0, 800, 600};

TEST(MenuPlacement, TrackedPopupStaysOnTheWorkArea) {
    struct Case {
        int x, y, w, h;
        std::array<int, 4> box;
    };
    const Case cases[] = {
        {100, 100, 50, 60, {100, 100, 150, 160}},
        {780, 100, 50, 60, {748, 100, 798, 160}}, // right edge passed by 30: 32 left
        {100, 580, 50, 60, {100, 538, 150, 598}}, // bottom passed by 40: 42 up
        {100, 10, 50, 900, {100, 2, 150, 598}},   // taller than the work area: cut at the top
        {10, 10, 1000, 60, {2, 10, 798, 70}},     // wider: cut at the left
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Box(PlaceTrackedPopup(c.x, c.y, c.w, c.h, kWork)), c.box) << c.x << "," << c.y;
    }
}

TEST(MenuPlacement, SubmenuBesideItsItemOrFlipped) {
    struct Case {
        SkinRect item;
        int w, h;
        std::array<int, 4> box;
    };
    const Case cases[] = {
        {{100, 100, 200, 120}, 80, 60, {200, 100, 280, 160}},
        {{100, 570, 200, 590}, 80, 60, {200, 539, 280, 599}}, // moved up to end 1 above the bottom
        {{700, 100, 780, 120}, 80, 60, {620, 100, 700, 160}}, // flipped to the item's left
        {{10, 100, 790, 120}, 80, 60, {0, 100, 80, 160}},     // flipped, held at the left edge
        {{100, 100, 200, 120}, 80, 700, {200, 1, 280, 599}},  // taller: top 1 below, bottom 1 above
    };
    for (const Case& c : cases) EXPECT_EQ(Box(PlaceSubmenu(c.item, c.w, c.h, kWork)), c.box);
}

TEST(MenuPlacement, DropDownUnderItsBarItem) {
    struct Case {
        SkinRect item;
        int w, h;
        std::array<int, 4> box;
    };
    const Case cases[] = {
        {{10, 30, 60, 50}, 120, 200, {10, 50, 130, 250}},
        {{750, 30, 790, 50}, 120, 200, {670, 50, 790, 250}}, // right-aligned with the item
        {{10, 500, 60, 520}, 120, 200, {10, 300, 130, 500}}, // above the item
        {{10, 100, 60, 120}, 120, 700, {10, 1, 130, 599}},   // too tall either way
    };
    for (const Case& c : cases) EXPECT_EQ(Box(PlaceDropDown(c.item, c.w, c.h, kWork)), c.box);
}

TEST(MenuBar, EntriesWrapIntoRowsOfTheTallestEntry) {
    const ItemMargins inner{3, 2, 5, 1};
    const std::vector<FrameSize> sizes = {{40, 16}, {50, 18}, {60, 16}, {30, 16}};
    struct Case {
        int width;
        bool mdi;
        int rows;
        std::vector<std::array<int, 4>> boxes;
    };
    const Case cases[] = {
        // All in one row from the left margin + 4.
        {300, false, 1, {{7, 2, 47, 20}, {47, 2, 97, 20}, {97, 2, 157, 20}, {157, 2, 187, 20}}},
        // The third entry would pass 150 - 5: it starts row two, 20 lower.
        {150, false, 2, {{7, 2, 47, 20}, {47, 2, 97, 20}, {7, 22, 67, 40}, {67, 22, 97, 40}}},
        // A maximized child: 16 more at the start, and its buttons need a row.
        {200, true, 2, {{23, 2, 63, 20}, {63, 2, 113, 20}, {113, 2, 173, 20}, {7, 22, 37, 40}}},
        {240, true, 2, {{23, 2, 63, 20}, {63, 2, 113, 20}, {113, 2, 173, 20}, {173, 2, 203, 20}}},
    };
    for (const Case& c : cases) {
        const MenuBarLayout layout = LayoutMenuBar(sizes, c.width, inner, c.mdi);
        EXPECT_EQ(layout.rows, c.rows) << c.width << c.mdi;
        EXPECT_EQ(layout.height, 20 * c.rows + 3) << c.width << c.mdi;
        ASSERT_EQ(layout.items.size(), c.boxes.size());
        for (size_t i = 0; i < c.boxes.size(); ++i)
            EXPECT_EQ(Box(layout.items[i]), c.boxes[i]) << c.width << " " << i;
    }
    // An entry wider than the bar keeps a row of its own instead of an empty one before it.
    EXPECT_EQ(LayoutMenuBar({{500, 16}}, 100, inner, false).rows, 1);
}

TEST(MenuBar, MdiButtonsAtBothEnds) {
    const MdiButtonRects r = PlaceMdiButtons(300, 2, 18, ItemMargins{3, 2, 5, 1});
    EXPECT_EQ(Box(r.icon), (std::array{5, 4, 21, 20}));
    EXPECT_EQ(Box(r.close), (std::array{279, 4, 295, 20}));
    EXPECT_EQ(Box(r.restore), (std::array{261, 4, 277, 20}));
    EXPECT_EQ(Box(r.minimize), (std::array{243, 4, 259, 20}));
}

TEST(MenuBar, ArrowsSkipDisabledEntriesAndWrap) {
    const std::vector<bool> enabled = {true, false, true, true};
    struct Case {
        int current;
        bool right;
        int next;
    };
    const Case cases[] = {{-1, true, 0}, {-1, false, 3}, {0, true, 2},
                          {3, true, 0},  {0, false, 3},  {2, false, 0}};
    for (const Case& c : cases) EXPECT_EQ(NextBarItem(enabled, c.current, c.right), c.next) << c.current;
    EXPECT_EQ(NextBarItem({false, false}, 0, true), -1);
    EXPECT_EQ(NextBarItem({}, -1, true), -1);
}

TEST(TooltipPlacement, EachCodeAroundThePoint) {
    struct Case {
        int code;
        TipCorner corner;
    };
    const Case cases[] = {
        {0, {402, 322}}, {1, {350, 322}}, {2, {298, 322}}, {3, {402, 280}},
        {4, {298, 280}}, {5, {402, 258}}, {6, {350, 258}}, {7, {298, 258}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TooltipCorner(c.code, 400, 300, 100, 40), c.corner) << c.code;
        int used = -1;
        PlaceTooltip(c.code, 400, 300, 100, 40, kWork, &used);
        EXPECT_EQ(used, c.code);
    }
}

TEST(TooltipPlacement, FallsBackToTheFirstCodeThatFits) {
    struct Case {
        int preferred, x, y, w, h, used;
    };
    const Case cases[] = {
        {0, 750, 100, 100, 40, 2},  // right edge: left of the point
        {0, 100, 570, 100, 40, 3},  // bottom: beside it, centred
        {0, 750, 570, 100, 40, 4},  // bottom-right corner
        {0, 750, 595, 100, 40, 7},  // lowest row: only above and left
        {5, 100, 20, 100, 40, 0},   // no room above: below
        {3, 400, 300, 900, 700, 7}, // larger than the work area
        {0, 698, 100, 100, 40, 1},  // right edge exactly at 800 is outside
    };
    for (const Case& c : cases) {
        int used = -1;
        const SkinRect r = PlaceTooltip(c.preferred, c.x, c.y, c.w, c.h, kWork, &used);
        EXPECT_EQ(used, c.used) << c.x << "," << c.y;
        const TipCorner corner = TooltipCorner(c.used, c.x, c.y, c.w, c.h);
        EXPECT_EQ(Box(r), (std::array{corner.left, corner.top, corner.left + c.w, corner.top + c.h}));
    }
}

} // namespace
