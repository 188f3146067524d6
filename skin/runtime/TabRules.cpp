#include "TabRules.h"

#include <algorithm>

namespace {
constexpr uint32_t kTcsBottomOrRight = 0x0002;
constexpr uint32_t kTcsVertical = 0x0080;
constexpr uint32_t kTcsMultiline = 0x0200;
constexpr uint32_t kTcisButtonPressed = 0x0001;
constexpr uint32_t kTcisHighlighted = 0x0002;
} // namespace

TabSide TabSideFor(uint32_t style) {
    constexpr uint32_t kRight = kTcsVertical | kTcsBottomOrRight | kTcsMultiline;
    if ((style & kRight) == kRight) return TabSide::Right;
    if (style & kTcsVertical) return TabSide::Left;
    if (style & kTcsBottomOrRight) return TabSide::Bottom;
    return TabSide::Top;
}

SkinRect TabPageFrame(TabSide side, const SkinRect& client, const SkinRect* tabs, int count) {
    SkinRect frame = client;
    for (int i = 0; i < count; ++i) {
        const SkinRect& tab = tabs[i];
        switch (side) {
        case TabSide::Top:
            frame.top = std::max(frame.top, tab.bottom - 1);
            break;
        case TabSide::Bottom:
            frame.bottom = std::min(frame.bottom, tab.top + 1);
            break;
        case TabSide::Left:
            frame.left = std::max(frame.left, tab.right - 1);
            break;
        case TabSide::Right:
            frame.right = std::min(frame.right, tab.left + 1);
            break;
        }
    }
    return frame;
}

TabState TabStateFor(bool controlEnabled, bool buttons, bool selected, uint32_t itemState) {
    if (!controlEnabled) return kTabDisabled;
    if (selected || (buttons && (itemState & kTcisButtonPressed))) return kTabPressed;
    if (itemState & kTcisHighlighted) return kTabHovered;
    return kTabNormal;
}
