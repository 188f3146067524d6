#include "ScrollRules.h"

#include <algorithm>
#include <climits>

namespace {

// Ranges wider than this have no thumb the pixels could express.
constexpr int64_t kWidestRange = 0x7FFFFFFE;

int64_t Range(const ScrollValues& v) {
    return static_cast<int64_t>(v.max) - v.min;
}

int ClampInt(int64_t value, int64_t low, int64_t high) {
    if (high < low) high = low;
    return static_cast<int>(std::clamp(value, low, high));
}

} // namespace

int ScrollMulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const int64_t product = static_cast<int64_t>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const uint64_t magnitude = product < 0 ? static_cast<uint64_t>(-product) : static_cast<uint64_t>(product);
    const uint64_t divisor =
        c < 0 ? static_cast<uint64_t>(-static_cast<int64_t>(c)) : static_cast<uint64_t>(c);
    const uint64_t quotient = (magnitude + divisor / 2) / divisor;
    if (quotient > static_cast<uint64_t>(INT_MAX)) return -1;
    return negative ? -static_cast<int>(quotient) : static_cast<int>(quotient);
}

bool ScrollBarScrollable(const ScrollValues& values) {
    return values.max >= values.page && values.min < values.max && values.max != 0;
}

bool ScrollBarActive(const ScrollValues& values, uint32_t flags) {
    const uint32_t both = kBarArrow1Disabled | kBarArrow2Disabled;
    if ((flags & both) == both) return false;
    return (flags & kBarAlwaysShown) != 0 || ScrollBarScrollable(values);
}

int ClampScrollPage(int page, int min, int max) {
    const int64_t most = std::max<int64_t>(static_cast<int64_t>(max) - min + 1, 0);
    return ClampInt(page, 0, std::min<int64_t>(most, INT_MAX));
}

int ClampScrollPos(int pos, const ScrollValues& values) {
    // A page of 0 counts as 1: the last position is max, not max + 1.
    const int64_t high = static_cast<int64_t>(values.max) - std::max(values.page, 1) + 1;
    return ClampInt(pos, values.min, high);
}

bool ScrollBarWanted(const ScrollValues& values, bool disableNoScroll, uint32_t flags) {
    if (disableNoScroll || (flags & kBarAlwaysShown)) return true;
    return values.max >= values.page && !(values.page == 0 && values.max == 0) && values.min < values.max;
}

ScrollBarLayout LayoutScrollBar(int length, int arrowLength, const ScrollValues& values, int minThumb,
                                uint32_t flags) {
    ScrollBarLayout layout;
    layout.length = std::max(length, 0);
    const int arrow = std::max(arrowLength, 0);
    if (2 * arrow >= layout.length) {
        // Two half arrows; an odd pixel between them is track.
        layout.arrow1 = layout.arrow2 = layout.length / 2;
        layout.trackStart = layout.arrow1;
        layout.trackEnd = layout.length - layout.arrow2;
        return layout;
    }
    layout.arrow1 = layout.arrow2 = arrow;
    layout.trackStart = arrow;
    layout.trackEnd = layout.length - arrow;
    const int track = layout.trackEnd - layout.trackStart;
    const int64_t range = Range(values);

    int thumb = 0;
    int offset = 0;
    if (range <= kWidestRange) {
        if (values.page == 0) {
            thumb = arrow;
        } else {
            thumb = ScrollMulDiv(values.page, track, static_cast<int>(range + 1));
            thumb = std::max(thumb, minThumb);
        }
        const int64_t steps = range - std::max(values.page, 1) + 1;
        if (steps > 0 && track > thumb) {
            offset = ScrollMulDiv(static_cast<int>(static_cast<int64_t>(values.pos) - values.min),
                                  track - thumb, static_cast<int>(steps));
        }
        offset = ClampInt(offset, 0, std::max(track - thumb, 0));
    }
    const uint32_t both = kBarArrow1Disabled | kBarArrow2Disabled;
    layout.hasThumb = thumb > 0 && track >= thumb && ScrollBarScrollable(values) && (flags & both) != both;
    if (layout.hasThumb) {
        layout.thumbStart = layout.trackStart + offset;
        layout.thumbLength = thumb;
    }
    return layout;
}

ScrollPart ScrollPartAt(const ScrollBarLayout& layout, int along, int across, int thickness) {
    if (across < 0 || across >= thickness || along < 0 || along >= layout.length) return kPartNone;
    if (along < layout.arrow1) return kPartArrow1;
    if (along >= layout.length - layout.arrow2) return kPartArrow2;
    if (!layout.hasThumb) return kPartNone;
    if (along < layout.thumbStart) return kPartPageBefore;
    if (along < layout.thumbStart + layout.thumbLength) return kPartThumb;
    return kPartPageAfter;
}

int ScrollDragPosition(const ScrollBarLayout& layout, int thumbStart, const ScrollValues& values) {
    const int pixels = thumbStart - layout.trackStart;
    const int64_t range = Range(values);
    const int free = layout.trackEnd - layout.trackStart - layout.thumbLength;
    if (range <= 0 || free <= 0) return values.min + std::max(pixels, 0);
    const int64_t steps = range - std::max(values.page, 1) + 1;
    if (steps <= 0) return values.min;
    const int offset = ScrollMulDiv(std::clamp(pixels, 0, free), static_cast<int>(steps), free);
    return ClampScrollPos(
        static_cast<int>(std::min<int64_t>(static_cast<int64_t>(values.min) + offset, INT_MAX)), values);
}

SkinRect ScrollSnapRect(const SkinRect& bar, bool vertical) {
    if (vertical) {
        return SkinRect{bar.left - kSnapAcross, bar.top - kSnapAlong, bar.right + kSnapAcross,
                        bar.bottom + kSnapAlong};
    }
    return SkinRect{bar.left - kSnapAlong, bar.top - kSnapAcross, bar.right + kSnapAlong,
                    bar.bottom + kSnapAcross};
}

ScrollCtlLayout LayoutScrollCtl(int length, int arrowLength, int thumbLength, const ScrollValues& values) {
    ScrollCtlLayout layout;
    layout.length = std::max(length, 0);
    layout.arrow = std::clamp(arrowLength, 0, layout.length / 2);
    layout.trackStart = layout.arrow;
    layout.trackEnd = layout.length - layout.arrow;
    const int track = layout.trackEnd - layout.trackStart;
    if (thumbLength <= 0 || track < thumbLength) return layout;
    const int64_t range = Range(values);
    int64_t centre = layout.trackStart;
    if (range > 0)
        centre += static_cast<int64_t>(track) * (static_cast<int64_t>(values.pos) - values.min) / range;
    // Centred on its place, pushed back inside the track where it sticks out.
    const int64_t start = std::clamp<int64_t>(centre - thumbLength / 2, layout.trackStart,
                                              static_cast<int64_t>(layout.trackEnd) - thumbLength);
    layout.hasThumb = true;
    layout.thumbStart = static_cast<int>(start);
    layout.thumbLength = thumbLength;
    return layout;
}

ScrollCtlHit ScrollCtlHitAt(const ScrollCtlLayout& layout, int along) {
    if (along < 0 || along >= layout.length) return kCtlHitNone;
    if (along < layout.trackStart) return kCtlHitArrow1;
    if (along >= layout.trackEnd) return kCtlHitArrow2;
    if (!layout.hasThumb) return kCtlHitNone;
    if (along < layout.thumbStart) return kCtlHitPageBefore;
    if (along < layout.thumbStart + layout.thumbLength) return kCtlHitThumb;
    return kCtlHitPageAfter;
}

int ScrollCtlPositionAt(const ScrollCtlLayout& layout, int along, const ScrollValues& values) {
    if (layout.hasThumb && along >= layout.thumbStart && along < layout.thumbStart + layout.thumbLength) {
        return values.pos;
    }
    const int64_t track = layout.trackEnd - layout.trackStart;
    const int64_t range = Range(values);
    if (track <= 0 || range <= 0) return values.min;
    const int64_t offset = std::clamp<int64_t>(along - layout.trackStart, 0, track);
    return ClampInt(values.min + offset * range / track, values.min, values.max);
}
