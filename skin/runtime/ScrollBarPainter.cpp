#include "ScrollBarPainter.h"

#include "ImageDraw.h"
#include "NineGridDraw.h"
#include "ScrollObjects.h"
#include "Skin.h"

namespace {

void FillColour(HDC dc, const RECT& rect, COLORREF colour) {
    const COLORREF old = SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

// The system's track: an 8 x 8 checker of the scroll-bar and highlight
// colours, the two swapped while pressed.
void FillChecker(HDC dc, const RECT& rect, bool inverted) {
    WORD bits[8];
    for (int i = 0; i < 8; ++i) bits[i] = static_cast<WORD>((i & 1) ? 0xAAAA : 0x5555);
    HBITMAP pattern = CreateBitmap(8, 8, 1, 1, bits);
    HBRUSH brush = CreatePatternBrush(pattern);
    const COLORREF a = GetSysColor(COLOR_SCROLLBAR);
    const COLORREF b = GetSysColor(COLOR_3DHILIGHT);
    const COLORREF oldText = SetTextColor(dc, inverted ? b : a);
    const COLORREF oldBack = SetBkColor(dc, inverted ? a : b);
    FillRect(dc, &rect, brush);
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBack);
    DeleteObject(brush);
    DeleteObject(pattern);
}

bool Empty(const RECT& rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

} // namespace

ScrollBarPainter::ScrollBarPainter(const ScrollBarObject* object, const Skin& skin, bool vertical)
    : object_(object), skin_(skin), vertical_(vertical) {}

int ScrollBarPainter::Block(ScrollPaintState state) const {
    int block = ScrollBarObject::Normal;
    switch (state) {
    case ScrollPaintState::Pressed:
        block = ScrollBarObject::Pressed;
        break;
    case ScrollPaintState::Hot:
        block = ScrollBarObject::Highlighted;
        break;
    case ScrollPaintState::Disabled:
        block = ScrollBarObject::Disabled;
        break;
    default:
        break;
    }
    return vertical_ ? block + ScrollBarObject::VNormal : block;
}

void ScrollBarPainter::Arrow(HDC dc, const RECT& rect, bool second, ScrollPaintState state) const {
    if (Empty(rect)) return;
    if (!object_) {
        UINT kind = vertical_ ? (second ? DFCS_SCROLLDOWN : DFCS_SCROLLUP)
                              : (second ? DFCS_SCROLLRIGHT : DFCS_SCROLLLEFT);
        if (state == ScrollPaintState::Pressed) kind |= DFCS_PUSHED | DFCS_FLAT;
        if (state == ScrollPaintState::Disabled) kind |= DFCS_INACTIVE;
        RECT r = rect;
        DrawFrameControl(dc, &r, DFC_SCROLL, kind);
        return;
    }
    const auto& normal = object_->states[vertical_ ? ScrollBarObject::VNormal : ScrollBarObject::Normal];
    const auto& block = object_->states[Block(state)];
    const ImageRef& own = second ? block.arrow2 : block.arrow1;
    const ImageRef& image = own.IsEmpty() ? (second ? normal.arrow2 : normal.arrow1) : own;
    FillColour(dc, rect, GetSysColor(COLOR_BTNFACE));
    DrawImageRef(dc, rect, image, skin_, GetSysColor(COLOR_BTNFACE), true);
}

void ScrollBarPainter::Page(HDC dc, const RECT& rect, bool pressed) const {
    if (Empty(rect)) return;
    if (!object_) {
        FillChecker(dc, rect, pressed);
        return;
    }
    const auto& normal = object_->states[vertical_ ? ScrollBarObject::VNormal : ScrollBarObject::Normal];
    const auto& block =
        object_->states[Block(pressed ? ScrollPaintState::Pressed : ScrollPaintState::Normal)];
    const NineGridImage& track = block.track.IsEmpty() ? normal.track : block.track;
    DrawNineGrid(dc, rect, track, skin_, GetSysColor(COLOR_SCROLLBAR), true);
}

void ScrollBarPainter::Thumb(HDC dc, const RECT& rect, ScrollPaintState state) const {
    if (Empty(rect)) return;
    if (!object_) {
        RECT r = rect;
        FillColour(dc, r, GetSysColor(COLOR_BTNFACE));
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
        return;
    }
    const auto& normal = object_->states[vertical_ ? ScrollBarObject::VNormal : ScrollBarObject::Normal];
    const auto& block = object_->states[Block(state)];
    // The thumb sits on a piece of track; its picture goes inside the
    // track picture's margins across the bar.
    const bool own = !block.thumb.IsEmpty();
    const NineGridImage& track = own && !block.track.IsEmpty() ? block.track : normal.track;
    const NineGridImage& thumb = own ? block.thumb : normal.thumb;
    DrawNineGrid(dc, rect, track, skin_, GetSysColor(COLOR_SCROLLBAR), true);
    RECT inner = rect;
    if (vertical_) {
        inner.left += track.marginLeft;
        inner.right -= track.marginRight;
    } else {
        inner.top += track.marginTop;
        inner.bottom -= track.marginBottom;
    }
    if (Empty(inner)) return;
    DrawNineGridKeyed(dc, inner, thumb, skin_, skin_.KeyColour());
}

void ScrollBarPainter::Corner(HDC dc, const RECT& rect, bool grip, bool leftGrip) const {
    if (Empty(rect)) return;
    FillColour(dc, rect, GetSysColor(COLOR_BTNFACE));
    if (object_) {
        DrawImageRef(dc, rect, object_->gripper, skin_, GetSysColor(COLOR_BTNFACE), false);
        return;
    }
    if (grip) {
        RECT r = rect;
        DrawFrameControl(dc, &r, DFC_SCROLL, leftGrip ? DFCS_SCROLLSIZEGRIPRIGHT : DFCS_SCROLLSIZEGRIP);
    }
}
