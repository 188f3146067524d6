#include "SkinScrollBar.h"

#include <windowsx.h>

#include <algorithm>

#include "ImageDraw.h"
#include "NineGridDraw.h"
#include "ScrollObjects.h"
#include "Skin.h"
#include "SkinMessages.h"
#include "WindowRegistry.h"

namespace {

// SBS_SIZEBOX and SBS_SIZEGRIP: a size box, no bar at all.
constexpr LONG_PTR kSizeBoxStyles = 0x08 | 0x10;

const ImageRef& Pick(const ImageRef& own, const ImageRef& normal) {
    return own.IsEmpty() ? normal : own;
}

const NineGridImage& Pick(const NineGridImage& own, const NineGridImage& normal) {
    return own.IsEmpty() ? normal : own;
}

} // namespace

bool SkinScrollBar::Attach(HWND hwnd) {
    if (!SkinControl::Attach(hwnd)) return false;
    PostMessageW(hwnd, kWmSkinInitScrollCtl, 0, 0);
    return true;
}

void SkinScrollBar::Detach() {
    if (hwnd_ && !destroyed_) {
        KillTimer(hwnd_, kRepeatTimer);
        if (GetCapture() == hwnd_) ReleaseCapture();
    }
    SkinControl::Detach();
}

bool SkinScrollBar::Vertical() const {
    return (GetWindowLongPtrW(hwnd_, GWL_STYLE) & SBS_VERT) != 0;
}

bool SkinScrollBar::SizeBox() const {
    return (GetWindowLongPtrW(hwnd_, GWL_STYLE) & kSizeBoxStyles) != 0;
}

const ScrollBarObject* SkinScrollBar::Bars() const {
    return dynamic_cast<const ScrollBarObject*>(object_);
}

ScrollCtlLayout SkinScrollBar::Layout() const {
    const ScrollBarObject* bars = Bars();
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (!bars) return ScrollCtlLayout{};
    if (Vertical()) {
        const auto& normal = bars->states[ScrollBarObject::VNormal];
        return LayoutScrollCtl(client.bottom, normal.arrow1.source.Height(), normal.thumb.source.Height(),
                               values_);
    }
    const auto& normal = bars->states[ScrollBarObject::Normal];
    return LayoutScrollCtl(client.right, normal.arrow1.source.Width(), normal.thumb.source.Width(), values_);
}

int SkinScrollBar::Along(LPARAM lParam) const {
    return Vertical() ? GET_Y_LPARAM(lParam) : GET_X_LPARAM(lParam);
}

void SkinScrollBar::ReadControl() {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    // Straight to the control: our own SBM_GETSCROLLINFO answer is the copy.
    if (CallPrev(SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&info))) {
        values_ = ScrollValues{info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos, info.nTrackPos};
    }
}

void SkinScrollBar::PaintWhole(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const ScrollBarObject* bars = Bars();
    const Skin& skin = WindowRegistry::Instance().CurrentSkin();
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    if (!bars) return;
    if (SizeBox()) {
        DrawImageRef(dc, client, bars->gripper, skin, GetSysColor(COLOR_BTNFACE), false);
        return;
    }
    const bool vertical = Vertical();
    const int base = vertical ? ScrollBarObject::VNormal : ScrollBarObject::Normal;
    const auto& normal = bars->states[base];
    if (!initialised_) {
        DrawNineGrid(dc, client, normal.track, skin, GetSysColor(COLOR_SCROLLBAR), true);
        return;
    }
    const bool enabled = IsWindowEnabled(hwnd_) != FALSE;
    const auto& disabled = bars->states[base + ScrollBarObject::Disabled];
    // The part under the mouse: pressed while held, highlighted otherwise.
    auto stateOf = [&](ScrollCtlHit hit) -> const ScrollBarObject::StateBlock& {
        if (!enabled) return disabled;
        if (pressed_ != kCtlHitNone) {
            return pressed_ == hit && hot_ == hit ? bars->states[base + ScrollBarObject::Pressed] : normal;
        }
        return hot_ == hit ? bars->states[base + ScrollBarObject::Highlighted] : normal;
    };
    DrawNineGrid(dc, client, enabled ? normal.track : Pick(disabled.track, normal.track), skin,
                 GetSysColor(COLOR_SCROLLBAR), true);
    const ScrollCtlLayout layout = Layout();
    const int thickness = vertical ? client.right : client.bottom;
    auto along = [vertical, thickness](int start, int end) {
        return vertical ? RECT{0, start, thickness, end} : RECT{start, 0, end, thickness};
    };
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    DrawImageRef(dc, along(0, layout.trackStart), Pick(stateOf(kCtlHitArrow1).arrow1, normal.arrow1), skin,
                 face, false);
    DrawImageRef(dc, along(layout.trackEnd, layout.length),
                 Pick(stateOf(kCtlHitArrow2).arrow2, normal.arrow2), skin, face, false);
    if (!layout.hasThumb) return;
    RECT thumb = along(layout.thumbStart, layout.thumbStart + layout.thumbLength);
    // Across the bar the thumb keeps inside the track picture's margins.
    if (vertical) {
        thumb.left += normal.track.marginLeft;
        thumb.right -= normal.track.marginRight;
    } else {
        thumb.top += normal.track.marginTop;
        thumb.bottom -= normal.track.marginBottom;
    }
    DrawNineGridKeyed(dc, thumb, Pick(stateOf(kCtlHitThumb).thumb, normal.thumb), skin, transparentColor_);
}

void SkinScrollBar::Scroll(int code, int pos) {
    const HWND parent = GetParent(hwnd_);
    if (!parent) return;
    SendMessageW(parent, Vertical() ? WM_VSCROLL : WM_HSCROLL,
                 MAKEWPARAM(static_cast<WORD>(code), static_cast<WORD>(pos)),
                 reinterpret_cast<LPARAM>(hwnd_));
}

void SkinScrollBar::OnButtonDown(LPARAM lParam) {
    const HWND hwnd = hwnd_;
    SetCapture(hwnd);
    const int along = Along(lParam);
    const ScrollCtlHit hit = ScrollCtlHitAt(Layout(), along);
    lastAlong_ = along;
    if (hit == kCtlHitNone) {
        ReleaseCapture();
        return;
    }
    pressed_ = hit;
    hot_ = hit;
    if (hit == kCtlHitThumb) {
        Scroll(SB_THUMBTRACK, values_.pos);
    } else {
        // Hit codes 1-4 are SB_LINEUP .. SB_PAGEDOWN plus one.
        Scroll(hit - 1, 0);
        if (FromWindow(hwnd) != this) return;
        SetTimer(hwnd_, kRepeatTimer, kRepeatMs, nullptr);
        repeating_ = true;
    }
    RepaintNow();
}

void SkinScrollBar::OnMouseMove(WPARAM wParam, LPARAM lParam) {
    const int along = Along(lParam);
    lastAlong_ = along;
    const ScrollCtlLayout layout = Layout();
    const ScrollCtlHit under = ScrollCtlHitAt(layout, along);
    if (pressed_ != kCtlHitNone && (wParam & MK_LBUTTON)) {
        if (pressed_ == kCtlHitThumb) {
            Scroll(SB_THUMBTRACK, ScrollCtlPositionAt(layout, along, values_));
            return;
        }
        const bool over = under == pressed_;
        if (over && !repeating_) {
            SetTimer(hwnd_, kRepeatTimer, kRepeatMs, nullptr);
            repeating_ = true;
        } else if (!over && repeating_) {
            KillTimer(hwnd_, kRepeatTimer);
            repeating_ = false;
        }
        if (hot_ != under) {
            hot_ = under;
            RepaintNow();
        }
        return;
    }
    if (under != hot_) {
        hot_ = under;
        RepaintNow();
    }
}

void SkinScrollBar::OnButtonUp(LPARAM lParam) {
    KillTimer(hwnd_, kRepeatTimer);
    repeating_ = false;
    const ScrollCtlHit was = pressed_;
    pressed_ = kCtlHitNone;
    if (GetCapture() == hwnd_) ReleaseCapture();
    if (was == kCtlHitNone) return;
    const HWND hwnd = hwnd_;
    if (was == kCtlHitThumb) Scroll(SB_THUMBPOSITION, ScrollCtlPositionAt(Layout(), Along(lParam), values_));
    if (FromWindow(hwnd) != this) return;
    Scroll(SB_ENDSCROLL, 0);
    if (FromWindow(hwnd) == this) RepaintNow();
}

LRESULT SkinScrollBar::SetInfo(WPARAM redraw, const SCROLLINFO* info) {
    const int old = values_.pos;
    if (!info || info->cbSize != sizeof(SCROLLINFO)) return old;
    if (info->fMask & SIF_PAGE) values_.page = static_cast<int>(std::min<UINT>(info->nPage, 0x7FFFFFFF));
    if (info->fMask & SIF_POS) {
        values_.pos = info->nPos;
        values_.trackPos = values_.pos;
    }
    if (info->fMask & SIF_RANGE) {
        values_.min = info->nMin;
        values_.max = info->nMax;
    }
    if (info->fMask & SIF_TRACKPOS) values_.trackPos = info->nTrackPos;
    values_.page = ClampScrollPage(values_.page, values_.min, values_.max);
    values_.pos = ClampScrollPos(values_.pos, values_);
    // The control keeps the same values (and enables or disables itself
    // for SIF_DISABLENOSCROLL by whether it can scroll).
    CallPrev(SBM_SETSCROLLINFO, FALSE, reinterpret_cast<LPARAM>(info));
    if (redraw) RepaintNow();
    return values_.pos;
}

LRESULT SkinScrollBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kWmSkinInitScrollCtl) {
        ReadControl();
        initialised_ = true;
        RepaintNow();
        return 0;
    }
    if (!initialised_ && message != WM_PAINT && message != WM_ERASEBKGND && message != WM_NCDESTROY) {
        return CallPrev(message, wParam, lParam);
    }
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (SizeBox()) break;
        OnButtonDown(lParam);
        return 0;
    case WM_MOUSEMOVE:
        if (SizeBox()) break;
        OnMouseMove(wParam, lParam);
        return SkinControl::WindowProc(message, wParam, lParam);
    case WM_LBUTTONUP:
        if (SizeBox()) break;
        OnButtonUp(lParam);
        return 0;
    case WM_CAPTURECHANGED:
        if (pressed_ != kCtlHitNone && reinterpret_cast<HWND>(lParam) != hwnd_) {
            KillTimer(hwnd_, kRepeatTimer);
            repeating_ = false;
            pressed_ = kCtlHitNone;
            Scroll(SB_ENDSCROLL, 0);
            RepaintNow();
        }
        return CallPrev(message, wParam, lParam);
    case WM_MOUSELEAVE:
        hot_ = kCtlHitNone;
        RepaintNow();
        return SkinControl::WindowProc(message, wParam, lParam);
    case WM_TIMER:
        if (wParam != kRepeatTimer) break;
        if (pressed_ != kCtlHitNone && pressed_ != kCtlHitThumb &&
            ScrollCtlHitAt(Layout(), lastAlong_) == pressed_) {
            Scroll(pressed_ - 1, 0);
        }
        return 0;
    case SBM_SETSCROLLINFO:
        return SetInfo(wParam, reinterpret_cast<const SCROLLINFO*>(lParam));
    case SBM_GETSCROLLINFO: {
        auto* info = reinterpret_cast<SCROLLINFO*>(lParam);
        if (!info) return FALSE;
        if (info->fMask & SIF_PAGE) info->nPage = static_cast<UINT>(values_.page);
        if (info->fMask & SIF_POS) info->nPos = values_.pos;
        if (info->fMask & SIF_TRACKPOS) info->nTrackPos = values_.trackPos;
        if (info->fMask & SIF_RANGE) {
            info->nMin = values_.min;
            info->nMax = values_.max;
        }
        return TRUE;
    }
    case SBM_GETPOS:
        return values_.pos;
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW: {
        // The control does the arithmetic; the copy follows it.
        const LRESULT result = CallPrev(message, wParam, lParam);
        ReadControl();
        if (message != SBM_SETPOS || wParam) RepaintNow();
        return result;
    }
    case WM_ENABLE: {
        const LRESULT result = CallPrevHiding(WS_VISIBLE, message, wParam, lParam);
        RepaintNow();
        return result;
    }
    default:
        break;
    }
    return SkinControl::WindowProc(message, wParam, lParam);
}
