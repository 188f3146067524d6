// Decisions of the tab control skinner that need no window system: which
// side the tabs stand on, where the page frame lies below them and which
// picture a tab shows. Plain functions, so native tests can check them.
#pragma once

#include <cstdint>

#include "SkinRect.h"

enum class TabSide {
    Top,
    Bottom,
    Left,
    Right,
};

// TCS_VERTICAL with TCS_RIGHT and TCS_MULTILINE: right; TCS_VERTICAL alone:
// left; TCS_BOTTOM: bottom; otherwise top.
TabSide TabSideFor(uint32_t style);

// The client rectangle with the tab strip cut off: the edge facing the tabs
// moves to one pixel over the tabs' inner edge (the deepest row counts).
SkinRect TabPageFrame(TabSide side, const SkinRect& client, const SkinRect* tabs, int count);

// The tab pictures in the skin object's order.
enum TabState : int {
    kTabNormal = 0,
    kTabPressed = 1,
    kTabDisabled = 2,
    kTabHovered = 3,
};

// A disabled control shows every tab disabled; the selected tab (with
// TCS_BUTTONS also a pressed one, TCIS_BUTTONPRESSED) shows pressed; a
// highlighted one (TCIS_HIGHLIGHTED) hovered.
TabState TabStateFor(bool controlEnabled, bool buttons, bool selected, uint32_t itemState);
