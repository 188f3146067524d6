#include "ButtonRules.h"

namespace {

constexpr uint32_t kDtCenter = 0x1;
constexpr uint32_t kDtWordBreak = 0x10;
constexpr uint32_t kDtEditControl = 0x2000;
constexpr uint32_t kDtRtlReading = 0x20000;

// Horizontal and vertical alignment from the style bits.
enum class Align {
    kStart,
    kCentre,
    kEnd,
};

Align Horizontal(uint32_t style, bool pushButton) {
    switch (style & kBsCenter) {
    case kBsCenter:
        return Align::kCentre;
    case kBsRight:
        return Align::kEnd;
    case kBsLeft:
        return Align::kStart;
    default:
        return pushButton ? Align::kCentre : Align::kStart;
    }
}

Align Vertical(uint32_t style) {
    switch (style & kBsVCenter) {
    case kBsTop:
        return Align::kStart;
    case kBsBottom:
        return Align::kEnd;
    default:
        return Align::kCentre;
    }
}

// Start of an item of `size` inside [begin, end).
// Sizes may come from skin images: the arithmetic is wide and held.
int Place(int begin, int end, int size, Align align) {
    switch (align) {
    case Align::kStart:
        return begin;
    case Align::kEnd:
        return HoldCoordinate(int64_t(end) - size);
    default:
        return HoldCoordinate(begin + (int64_t(end) - begin - size) / 2);
    }
}

LookChain Chain(CheckLook a) {
    return LookChain{1, {a}};
}
LookChain Chain(CheckLook a, CheckLook b) {
    return LookChain{2, {a, b}};
}
LookChain Chain(CheckLook a, CheckLook b, CheckLook c) {
    return LookChain{3, {a, b, c}};
}

} // namespace

PushLook ChoosePushLook(const PushLookInput& in) {
    if (!in.enabled) return PushLook::kDisabled;
    if (in.pushed) return PushLook::kPressed;
    if (in.hovering && in.hasHighlightImage) return PushLook::kHighlighted;
    if (in.checked) return PushLook::kPressed;
    if (in.focused) return PushLook::kFocused;
    if (in.isDefault) return PushLook::kDefault;
    return PushLook::kNormal;
}

CheckLook ChooseCheckLook(const CheckLookInput& in) {
    const bool checked =
        in.checkState == kChecked || (in.checkBox && (in.checkState == kIndeterminate || in.pressed));
    if (!in.enabled) return checked ? CheckLook::kGrayedSelected : CheckLook::kGrayedNormal;
    if (in.pushed) return CheckLook::kSelected;
    if (in.focused) return checked ? CheckLook::kHighlightedSelected : CheckLook::kHighlightedNormal;
    if (checked) return in.hovering ? CheckLook::kHighlightedSelected : CheckLook::kSelected;
    return in.hovering ? CheckLook::kHighlightedNormal : CheckLook::kNormal;
}

CheckLook ChooseGlyphLook(const CheckLookInput& in, CheckLook look) {
    if (in.checkBox && in.enabled && in.checkState == kIndeterminate && !in.pushed && !in.pressed) {
        return CheckLook::kGrayedSelected;
    }
    return look;
}

LookChain BackgroundChain(CheckLook look, bool checkBox) {
    using L = CheckLook;
    switch (look) {
    case L::kSelected:
        return Chain(L::kSelected, L::kNormal);
    case L::kHighlightedNormal:
        return Chain(L::kHighlightedNormal, L::kNormal);
    case L::kHighlightedSelected:
        return Chain(L::kHighlightedSelected, L::kSelected, L::kNormal);
    case L::kGrayedNormal:
        return Chain(L::kGrayedNormal, L::kDisabled, L::kNormal);
    case L::kGrayedSelected:
        return checkBox ? Chain(L::kGrayedSelected, L::kDisabled, L::kNormal)
                        : Chain(L::kGrayedSelected, L::kSelected);
    default:
        return Chain(look);
    }
}

LookChain GlyphChain(CheckLook look, bool checkBox) {
    using L = CheckLook;
    switch (look) {
    case L::kHighlightedNormal:
        return Chain(L::kHighlightedNormal, L::kNormal);
    case L::kHighlightedSelected:
        return Chain(L::kHighlightedSelected, L::kSelected);
    case L::kGrayedNormal:
        return Chain(L::kGrayedNormal, L::kDisabled, L::kNormal);
    case L::kGrayedSelected:
        return checkBox ? Chain(L::kGrayedSelected, L::kDisabled, L::kSelected)
                        : Chain(L::kGrayedSelected, L::kSelected);
    default:
        return Chain(look);
    }
}

int FirstNonEmpty(const LookChain& chain, unsigned emptyMask) {
    for (int i = 0; i < chain.count; ++i) {
        const int look = static_cast<int>(chain.looks[i]);
        if (!(emptyMask & (1u << look))) return look;
    }
    return -1;
}

int NextCheckState(uint32_t style, int state) {
    switch (style & kBsTypeMask) {
    case kBsAutoCheckBox:
        return state == kUnchecked ? kChecked : kUnchecked;
    case kBsAuto3State:
        return state == kUnchecked ? kChecked : state == kChecked ? kIndeterminate : kUnchecked;
    default:
        return state;
    }
}

std::pair<std::size_t, std::size_t> RadioGroupRange(const std::vector<bool>& startsGroup, std::size_t index) {
    if (index >= startsGroup.size()) return {index, index};
    std::size_t first = index;
    while (first > 0 && !startsGroup[first]) --first;
    std::size_t last = first + 1;
    while (last < startsGroup.size() && !startsGroup[last]) ++last;
    return {first, last};
}

bool IsOwnerDrawnButton(uint32_t style) {
    // The whole type: 0xF (default command link) shares the owner-draw bits.
    return (style & kBsTypeMask) == kBsOwnerDraw;
}

SkinRect AlignContent(const SkinRect& area, int width, int height, uint32_t style, bool pushButton) {
    SkinRect placed = area;
    if (width < area.Width()) {
        placed.left = Place(area.left, area.right, width, Horizontal(style, pushButton));
        placed.right = HoldCoordinate(int64_t(placed.left) + width);
    }
    if (height < area.Height()) {
        placed.top = Place(area.top, area.bottom, height, Vertical(style));
        placed.bottom = HoldCoordinate(int64_t(placed.top) + height);
    }
    return placed;
}

uint32_t ButtonTextFormat(uint32_t style, uint32_t exStyle) {
    uint32_t format = (style & kBsMultiline) ? kDtWordBreak | kDtEditControl : kDtCenter;
    if (exStyle & kWsExRtlReading) format |= kDtRtlReading;
    return format;
}

GlyphLayout LayOutGlyph(const SkinRect& content, int glyphWidth, int glyphHeight, uint32_t style) {
    // The glyph's own height decides its row; the text keeps the full height.
    GlyphLayout layout;
    const int top = Place(content.top, content.bottom, glyphHeight, Vertical(style));
    const bool leftText = (style & kBsLeftText) != 0;
    const int left = leftText ? HoldCoordinate(int64_t(content.right) - glyphWidth) : content.left;
    layout.glyph = SkinRect{left, top, HoldCoordinate(int64_t(left) + glyphWidth),
                            HoldCoordinate(int64_t(top) + glyphHeight)};
    if (leftText) {
        layout.text = SkinRect{content.left, content.top, layout.glyph.left, content.bottom};
    } else {
        layout.text = SkinRect{HoldCoordinate(int64_t(layout.glyph.right) + 2), content.top, content.right,
                               content.bottom};
    }
    return layout;
}

SkinRect GroupCaptionRect(const SkinRect& client, int textWidth, int textHeight, const Margins& margins,
                          uint32_t style) {
    // Margins come from the skin file: sums are held, so the arithmetic
    // below stays within int.
    const int width = HoldCoordinate(int64_t(textWidth) + margins.left + margins.right);
    const int height = HoldCoordinate(int64_t(textHeight) + margins.top + margins.bottom);
    SkinRect caption{0, client.top, 0, HoldCoordinate(int64_t(client.top) + height)};
    switch (style & kBsCenter) {
    case kBsCenter:
        caption.left = HoldCoordinate(client.left + (int64_t(client.Width()) - width) / 2);
        caption.right = HoldCoordinate(int64_t(caption.left) + width);
        break;
    case kBsRight:
        caption.right = HoldCoordinate(int64_t(client.right) - 4);
        caption.left = HoldCoordinate(int64_t(client.right) - width - 4);
        if (caption.left < int64_t(client.left) + 2) caption.left = HoldCoordinate(int64_t(client.left) + 2);
        break;
    default:
        caption.left = 4;
        caption.right = width + 4;
        if (caption.right > int64_t(client.right) - 2)
            caption.right = HoldCoordinate(int64_t(client.right) - 2);
        break;
    }
    return caption;
}

SkinRect GroupFrameRect(const SkinRect& client, const SkinRect& caption) {
    SkinRect frame = client;
    frame.top = caption.top + caption.Height() / 2;
    return frame;
}

bool UsesSystemButtonProc(SystemKind system, ControlKind kind, uint64_t previousProc) {
    if (system != kSystemXp) return false;
    if (kind != kKindPushButton && kind != kKindCheckBox && kind != kKindRadio) return false;
    return previousProc >= 0xFFFF0000u && previousProc <= 0xFFFFFFFFu;
}
