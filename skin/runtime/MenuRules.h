// Popup-menu decisions that need no window system: mnemonics, item and popup
// sizes, the scroll strips, hit testing, keyboard moves and where popups go
// on the work area.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "SkinRect.h"

// Menu item state bits as the platform's menu state reports them.
constexpr uint32_t kMenuGrayed = 0x1;
constexpr uint32_t kMenuDisabled = 0x2;
constexpr uint32_t kMenuChecked = 0x8;
constexpr uint32_t kMenuPopup = 0x10;
constexpr uint32_t kMenuSeparator = 0x800;

inline bool MenuItemEnabled(uint32_t state) {
    return (state & (kMenuGrayed | kMenuDisabled)) == 0;
}
inline bool MenuItemIsSeparator(uint32_t state) {
    return (state & kMenuSeparator) && !(state & kMenuPopup);
}

// The upper-cased character after the first "&" that is not doubled; 0 when
// there is none.
char16_t MenuMnemonic(std::u16string_view text);

// The label before the first tab and the accelerator text after it.
struct MenuTextParts {
    std::u16string_view label;
    std::u16string_view accelerator; // empty without a tab
    bool hasTab = false;
};
MenuTextParts SplitMenuText(std::u16string_view text);

// The four margins of the highlight image inset every item.
struct ItemMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Every item, separators included, is as tall as the font's text or the
// icon, whichever is larger, plus the highlight's top and bottom margins and
// 2 pixels.
int MenuItemHeight(int textHeight, int iconSize, const ItemMargins& margins);

// The popup's window size: the widest item (texts with a tab measured four
// spaces wider by the caller) with a square of the item height kept free at
// both ends, inside the frame borders.
struct PopupFrame {
    int left = 0; // widths of the left and right borders
    int right = 0;
    int top = 0; // heights of the top and bottom borders
    int bottom = 0;
};
SkinRect PopupSize(int widestText, int itemCount, int itemHeight, const ItemMargins& margins,
                   const PopupFrame& frame);

// Which items a client area of `clientHeight` shows. Without scrolling every
// item is visible; with it the left-over height is split between an upper
// and a lower strip.
struct PopupScroll {
    bool scrolling = false;
    int visibleCount = 0;
    int stripHeight = 0; // each strip
};
PopupScroll PopupScrollFor(int clientHeight, int itemHeight, int itemCount);

// The item under a client point, or -1.
int PopupItemAt(int x, int y, int clientWidth, int clientHeight, const PopupScroll& scroll, int itemHeight,
                int itemCount, int firstVisible);

// The item an arrow key moves to from `current` (-1: none): up wraps from the
// first (or none) to the last, down from the last (or none) to the first;
// separators are skipped; -1 when every item is a separator.
int NextMenuItem(const std::vector<uint32_t>& states, int current, bool down);

// The first item whose mnemonic is `key`, or -1.
int MenuItemForKey(const std::vector<char16_t>& mnemonics, char16_t key);

// A tracked popup at (x, y): moved left and up (by the excess plus 2) when it
// passes the work area's right or bottom edge, then its left and top edges
// kept 2 pixels inside the work area.
SkinRect PlaceTrackedPopup(int x, int y, int width, int height, const SkinRect& work);

// A submenu beside its item (`item` in screen coordinates): top-left at the
// item's top-right corner; moved up when it ends below the work area, and to
// the item's left when it passes the right edge.
SkinRect PlaceSubmenu(const SkinRect& item, int width, int height, const SkinRect& work);

// A menu-bar drop-down under its item: right-aligned with the item when it
// would pass the right edge, above the item when it would pass the bottom,
// then kept inside the work area.
SkinRect PlaceDropDown(const SkinRect& item, int width, int height, const SkinRect& work);
