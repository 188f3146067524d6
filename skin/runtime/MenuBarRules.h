// Where the menu bar's entries lie and how the keyboard moves between them.
// Plain functions (no window system).
#pragma once

#include <vector>

#include "FrameGeometry.h"
#include "MenuRules.h"

struct MenuBarLayout {
    std::vector<SkinRect> items; // relative to the bar's top-left corner
    int height = 0;
    int rows = 0;
};

// Entries of the given sizes run from the left margin (past the MDI icon
// when a child is maximized) and wrap to a new row when the next would pass
// the bar's inner width; rows are the tallest entry + 2 apart. A maximized
// child's three buttons need 48 pixels at the end of the last row, else
// they get a row of their own.
MenuBarLayout LayoutMenuBar(const std::vector<FrameSize>& sizes, int barWidth, const ItemMargins& inner,
                            bool mdiMaximized);

// The MDI buttons of a maximized child, 16 x 16 in a row of `rowHeight`
// starting at `top`: the icon at the left, minimize, restore and close at
// the right.
struct MdiButtonRects {
    SkinRect icon, minimize, restore, close;
};
MdiButtonRects PlaceMdiButtons(int barWidth, int top, int rowHeight, const ItemMargins& inner);

// The entry an arrow key moves to: the next enabled one in that direction,
// wrapping around; -1 when none is enabled.
int NextBarItem(const std::vector<bool>& enabled, int current, bool right);
