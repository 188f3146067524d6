#include "MenuRules.h"

#include <algorithm>

char16_t MenuMnemonic(std::u16string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'&') continue;
        if (i + 1 >= text.size()) return 0;
        if (text[i + 1] == u'&') {
            ++i; // a doubled "&" is a literal one
            continue;
        }
        const char16_t c = text[i + 1];
        return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
    }
    return 0;
}

MenuTextParts SplitMenuText(std::u16string_view text) {
    const size_t tab = text.find(u'\t');
    if (tab == std::u16string_view::npos) return MenuTextParts{text, {}, false};
    return MenuTextParts{text.substr(0, tab), text.substr(tab + 1), true};
}

int MenuItemHeight(int textHeight, int iconSize, const ItemMargins& margins) {
    return std::max(textHeight, iconSize) + margins.top + margins.bottom + 2;
}

SkinRect PopupSize(int widestText, int itemCount, int itemHeight, const ItemMargins& margins,
                   const PopupFrame& frame) {
    const int width =
        widestText + frame.left + frame.right + margins.left + margins.right + 2 * itemHeight + 1;
    const int height = itemHeight * itemCount + frame.top + frame.bottom;
    return SkinRect{0, 0, width, height};
}

PopupScroll PopupScrollFor(int clientHeight, int itemHeight, int itemCount) {
    PopupScroll scroll;
    if (itemHeight <= 0 || clientHeight >= itemHeight * itemCount) {
        scroll.visibleCount = itemCount;
        return scroll;
    }
    scroll.scrolling = true;
    int visible = clientHeight / itemHeight;
    // Strips thinner than 10 pixels could not be hit: give them an item.
    if (clientHeight % itemHeight < 10) --visible;
    scroll.visibleCount = std::max(visible, 0);
    scroll.stripHeight = (clientHeight - scroll.visibleCount * itemHeight) / 2;
    return scroll;
}

int PopupItemAt(int x, int y, int clientWidth, int clientHeight, const PopupScroll& scroll, int itemHeight,
                int itemCount, int firstVisible) {
    if (itemCount <= 0 || itemHeight <= 0) return -1;
    if (x < 0 || x >= clientWidth) return -1;
    if (y < scroll.stripHeight || y >= clientHeight - scroll.stripHeight) return -1;
    const int index = (y - scroll.stripHeight) / itemHeight + firstVisible;
    // Below the last item (a popup taller than its items) is no item either.
    return index < itemCount && index - firstVisible < scroll.visibleCount ? index : -1;
}

int NextMenuItem(const std::vector<uint32_t>& states, int current, bool down) {
    const int count = static_cast<int>(states.size());
    if (count == 0) return -1;
    int index = current;
    for (int tries = 0; tries < count; ++tries) {
        if (down) {
            index = index < 0 || index >= count - 1 ? 0 : index + 1;
        } else {
            index = index <= 0 || index >= count ? count - 1 : index - 1;
        }
        if (!MenuItemIsSeparator(states[index])) return index;
    }
    return -1;
}

int MenuItemForKey(const std::vector<char16_t>& mnemonics, char16_t key) {
    if (key == 0) return -1;
    const char16_t upper = key >= u'a' && key <= u'z' ? static_cast<char16_t>(key - u'a' + u'A') : key;
    for (size_t i = 0; i < mnemonics.size(); ++i) {
        if (mnemonics[i] == upper) return static_cast<int>(i);
    }
    return -1;
}

SkinRect PlaceTrackedPopup(int x, int y, int width, int height, const SkinRect& work) {
    SkinRect r{x, y, x + width, y + height};
    if (r.right > work.right) {
        const int shift = r.right - work.right + 2;
        r.left -= shift;
        r.right -= shift;
    }
    if (r.bottom > work.bottom) {
        const int shift = r.bottom - work.bottom + 2;
        r.top -= shift;
        r.bottom -= shift;
    }
    // A popup larger than the work area keeps its far edges and is cut at
    // the near ones; a tall one then scrolls.
    if (r.left < work.left) r.left = work.left + 2;
    if (r.top < work.top) r.top = work.top + 2;
    return r;
}

SkinRect PlaceSubmenu(const SkinRect& item, int width, int height, const SkinRect& work) {
    SkinRect r{item.right, item.top, item.right + width, item.top + height};
    if (r.bottom > work.bottom) {
        r.bottom = work.bottom - 1;
        r.top = std::max(r.bottom - height, work.top + 1);
    }
    if (r.right > work.right) {
        r.left = std::max(item.left - width, work.left);
        r.right = std::min(r.left + width, work.right);
    }
    return r;
}

SkinRect PlaceDropDown(const SkinRect& item, int width, int height, const SkinRect& work) {
    SkinRect r{item.left, item.bottom, item.left + width, item.bottom + height};
    if (r.right > work.right) {
        r.right = item.right;
        r.left = item.right - width;
    }
    if (r.bottom > work.bottom) {
        r.bottom = item.top;
        r.top = item.top - height;
    }
    if (r.top < work.top) {
        r.top = work.top + 1;
        r.bottom = std::min(r.top + height, work.bottom - 1);
    }
    if (r.left < work.left) {
        r.left = work.left + 1;
        r.right = std::min(r.left + width, work.right - 1);
    }
    return r;
}
