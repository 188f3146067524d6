#include "MenuBarRules.h"

#include <algorithm>

namespace {
constexpr int kMdiIconRoom = 16;
constexpr int kMdiButtonsRoom = 48;
} // namespace

MenuBarLayout LayoutMenuBar(const std::vector<FrameSize>& sizes, int barWidth, const ItemMargins& inner,
                            bool mdiMaximized) {
    MenuBarLayout layout;
    int tallest = 0;
    for (const FrameSize& s : sizes) tallest = std::max(tallest, s.height);
    const int rowStep = tallest + 2;
    const int start = inner.left + (mdiMaximized ? kMdiIconRoom + 4 : 4);
    const int limit = barWidth - inner.right;
    int x = start;
    int row = 0;
    for (const FrameSize& s : sizes) {
        // A wrap only when the row already holds something: an entry wider
        // than the bar keeps a row of its own.
        if (x + s.width > limit && x > start) {
            ++row;
            x = inner.left + 4;
        }
        const int top = inner.top + row * rowStep;
        layout.items.push_back(SkinRect{x, top, x + s.width, top + tallest});
        x += s.width;
    }
    layout.rows = row + 1;
    if (mdiMaximized && limit - x < kMdiButtonsRoom) ++layout.rows;
    layout.height = rowStep * layout.rows + inner.top + inner.bottom;
    return layout;
}

MdiButtonRects PlaceMdiButtons(int barWidth, int top, int rowHeight, const ItemMargins& inner) {
    // Centred for a 14-pixel glyph in the row.
    const int y = top + (rowHeight - 14) / 2;
    const int right = barWidth - inner.right;
    auto at = [y](int x) { return SkinRect{x, y, x + 16, y + 16}; };
    return MdiButtonRects{at(inner.left + 2), at(right - 16 - 36), at(right - 16 - 18), at(right - 16)};
}

int NextBarItem(const std::vector<bool>& enabled, int current, bool right) {
    const int count = static_cast<int>(enabled.size());
    int index = current < 0 || current >= count ? (right ? -1 : count) : current;
    for (int tries = 0; tries < count; ++tries) {
        index = right ? (index + 1) % count : (index - 1 + count) % count;
        if (enabled[index]) return index;
    }
    return -1;
}
