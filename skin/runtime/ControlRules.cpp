#include "ControlRules.h"

#include <algorithm>

namespace {

// Win32 values, spelled out so that this file builds without <windows.h>.
constexpr uint32_t kSsTypeMask = 0x1F;
constexpr uint32_t kSsLeft = 0x0;
constexpr uint32_t kSsCenter = 0x1;
constexpr uint32_t kSsRight = 0x2;
constexpr uint32_t kSsIcon = 0x3;
constexpr uint32_t kSsSimple = 0xB;
constexpr uint32_t kSsLeftNoWordWrap = 0xC;
constexpr uint32_t kSsOwnerDraw = 0xD;
constexpr uint32_t kSsBitmap = 0xE;
constexpr uint32_t kSsEnhMetafile = 0xF;
constexpr uint32_t kSsNoPrefix = 0x80;
constexpr uint32_t kSsEditControl = 0x2000;
constexpr uint32_t kSsCenterImage = 0x200;
constexpr uint32_t kSsEllipsisMask = 0xC000;
constexpr uint32_t kSsEndEllipsis = 0x4000;
constexpr uint32_t kSsPathEllipsis = 0x8000;

constexpr uint32_t kDtCenter = 0x1;
constexpr uint32_t kDtRight = 0x2;
constexpr uint32_t kDtVCenter = 0x4;
constexpr uint32_t kDtWordBreak = 0x10;
constexpr uint32_t kDtSingleLine = 0x20;
constexpr uint32_t kDtExpandTabs = 0x40;
constexpr uint32_t kDtNoPrefix = 0x800;
constexpr uint32_t kDtEditControl = 0x2000;
constexpr uint32_t kDtPathEllipsis = 0x4000;
constexpr uint32_t kDtEndEllipsis = 0x8000;
constexpr uint32_t kDtRtlReading = 0x20000;
constexpr uint32_t kDtWordEllipsis = 0x40000;

constexpr uint32_t kWsBorder = 0x00800000;
constexpr uint32_t kWsExDlgModalFrame = 0x1;
constexpr uint32_t kWsExRight = 0x1000;
constexpr uint32_t kWsExRtlReading = 0x2000;
constexpr uint32_t kWsExClientEdge = 0x200;
constexpr uint32_t kWsExStaticEdge = 0x20000;

constexpr uint32_t kCbsTypeMask = 0x3;
constexpr uint32_t kCbsSimple = 0x1;
constexpr uint32_t kCbsDropDown = 0x2;
constexpr uint32_t kCbsOwnerDrawFixed = 0x10;
constexpr uint32_t kCbsOwnerDrawVariable = 0x20;

} // namespace

bool StaticIsSkinned(uint32_t style) {
    switch (style & kSsTypeMask) {
    case kSsLeft:
    case kSsCenter:
    case kSsRight:
    case kSsIcon:
    case kSsLeftNoWordWrap:
    case kSsBitmap:
        return true;
    case kSsSimple:
    case kSsOwnerDraw:
    case kSsEnhMetafile:
    default: // black, grey, white and etched rectangles and frames
        return false;
    }
}

uint32_t StaticTextFormat(uint32_t style, uint32_t exStyle) {
    uint32_t format = kDtExpandTabs;
    switch (style & kSsTypeMask) {
    case kSsCenter:
        format |= kDtCenter | kDtWordBreak;
        break;
    case kSsRight:
        format |= kDtRight | kDtWordBreak;
        break;
    case kSsLeftNoWordWrap:
        break;
    default:
        format |= kDtWordBreak;
        break;
    }
    if (exStyle & kWsExRight) format = (format & ~kDtCenter) | kDtRight;
    if (exStyle & kWsExRtlReading) format |= kDtRtlReading;
    if (style & kSsNoPrefix) format |= kDtNoPrefix;
    if (style & kSsEditControl) format |= kDtEditControl;
    // Vertical centring and ellipses only work on one line.
    if (style & kSsCenterImage) format = (format & ~kDtWordBreak) | kDtSingleLine | kDtVCenter;
    switch (style & kSsEllipsisMask) {
    case kSsEndEllipsis:
        format = (format & ~kDtWordBreak) | kDtSingleLine | kDtEndEllipsis;
        break;
    case kSsPathEllipsis:
        format = (format & ~kDtWordBreak) | kDtSingleLine | kDtPathEllipsis;
        break;
    case kSsEllipsisMask:
        format = (format & ~kDtWordBreak) | kDtSingleLine | kDtWordEllipsis;
        break;
    default:
        break;
    }
    return format;
}

BorderWidth ScrollHostBorder(uint32_t style, uint32_t exStyle, const EdgeMetrics& m) {
    BorderWidth width;
    if (exStyle & kWsExClientEdge) {
        width.x += m.edgeX;
        width.y += m.edgeY;
    }
    if (exStyle & kWsExDlgModalFrame) {
        width.x += m.dlgFrameX;
        width.y += m.dlgFrameY;
    }
    if (exStyle & kWsExStaticEdge) {
        width.x += 1;
        width.y += 1;
    }
    // A plain border is the same line a dialog of the older template
    // format turns into a client edge: the skin draws it too.
    if (style & kWsBorder) {
        width.x += m.borderX;
        width.y += m.borderY;
    }
    return width;
}

bool ComboIsSkinned(uint32_t style) {
    return (style & kCbsTypeMask) != kCbsSimple && !(style & kCbsOwnerDrawVariable);
}

bool ComboHasOwnerContent(uint32_t style) {
    return (style & kCbsOwnerDrawFixed) != 0;
}

bool ComboHasEdit(uint32_t style) {
    return (style & kCbsTypeMask) == kCbsDropDown;
}

ComboLayout LayoutCombo(int width, int height, const ComboMargins& margins, int buttonWidth, int hoverWidth) {
    ComboLayout layout;
    // Margins and sizes come from the skin file: every coordinate is taken
    // wide and held.
    const int left = HoldCoordinate(margins.left);
    const int top = HoldCoordinate(margins.top);
    const int innerRight = HoldCoordinate(int64_t(width) - margins.right);
    const int innerBottom = HoldCoordinate(int64_t(height) - margins.bottom);
    layout.inner = SkinRect{left, top, innerRight, innerBottom};
    layout.dropButton = SkinRect{HoldCoordinate(int64_t(width) - buttonWidth), top, innerRight, innerBottom};
    layout.text = SkinRect{HoldCoordinate(int64_t(left) + 1), HoldCoordinate(int64_t(top) + 1),
                           HoldCoordinate(int64_t(layout.dropButton.left) - 2),
                           HoldCoordinate(int64_t(innerBottom) - 1)};
    layout.hoverZone = SkinRect{HoldCoordinate(int64_t(width) - hoverWidth), top, innerRight, innerBottom};
    return layout;
}

bool InRect(const SkinRect& rect, int x, int y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

ComboThumb ComboThumbFor(bool enabled, ComboButtonState state) {
    if (!enabled) return kThumbDisabled;
    switch (state) {
    case ComboButtonState::kHover:
        return kThumbHovered;
    case ComboButtonState::kPressed:
        return kThumbPressed;
    default:
        return kThumbNormal;
    }
}

int ProgressBarLength(int32_t pos, int32_t low, int32_t high, int width) {
    if (high == low || width <= 0) return 0;
    // |pos - low| < 2^32 and width < 2^31: the product fits in 63 bits.
    const int64_t length = (int64_t{pos} - low) * width / (int64_t{high} - low);
    return static_cast<int>(std::clamp<int64_t>(length, 0, width));
}

int32_t ProgressClamp(int64_t value, int32_t low, int32_t high) {
    const int64_t lo = std::min(low, high);
    const int64_t hi = std::max(low, high);
    return static_cast<int32_t>(std::clamp(value, lo, hi));
}

int32_t ProgressStepped(int32_t pos, int32_t step, int32_t low, int32_t high) {
    const int64_t lo = std::min(low, high);
    const int64_t hi = std::max(low, high);
    if (lo == hi) return pos;
    const int64_t span = hi - lo;
    int64_t next = int64_t{pos} + step;
    if (next > hi) next = lo + (next - lo) % span;
    if (next < lo) next = hi + (next - lo) % span;
    return static_cast<int32_t>(next);
}

int ProgressChunkCount(int length, int chunkWidth) {
    if (chunkWidth <= 0 || length <= 0) return 0;
    return length / chunkWidth;
}
