#include "SkinUpDown.h"

#include <commctrl.h>
#include <windowsx.h>

#include "ImageDraw.h"
#include "ScrollObjects.h"
#include "Skin.h"
#include "TurnedDraw.h"
#include "WindowRegistry.h"

bool SkinUpDown::Horizontal() const {
    return (GetWindowLongPtrW(hwnd_, GWL_STYLE) & UDS_HORZ) != 0;
}

int SkinUpDown::ArrowAt(LPARAM lParam) const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (!PtInRect(&client, p)) return -1;
    // Vertical: up on top. Horizontal: the increasing arrow on the right.
    if (Horizontal()) return p.x >= client.right / 2 ? 0 : 1;
    return p.y < client.bottom / 2 ? 0 : 1;
}

void SkinUpDown::PaintWhole(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const auto* spin = dynamic_cast<const SpinObject*>(object_);
    if (!spin) return;
    const Skin& skin = WindowRegistry::Instance().CurrentSkin();
    const bool enabled = IsWindowEnabled(hwnd_) != FALSE;
    auto stateOf = [&](int arrow) {
        if (!enabled) return SpinObject::Disabled;
        if (pressed_ == arrow) return SpinObject::Pressed;
        if (hot_ == arrow && pressed_ < 0) return SpinObject::Hover;
        return SpinObject::Normal;
    };
    auto pick = [](const ImageRef& own, const ImageRef& normal) -> const ImageRef& {
        return own.IsEmpty() ? normal : own;
    };
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const bool horizontal = Horizontal();
    const bool ownHorizontal = !spin->horizontal[SpinObject::Normal].up.IsEmpty();
    if (horizontal && ownHorizontal) {
        const RECT left{0, 0, client.right / 2, client.bottom};
        const RECT right{client.right / 2, 0, client.right, client.bottom};
        const auto& normal = spin->horizontal[SpinObject::Normal];
        DrawImageRef(dc, right, pick(spin->horizontal[stateOf(0)].up, normal.up), skin, face, false);
        DrawImageRef(dc, left, pick(spin->horizontal[stateOf(1)].down, normal.down), skin, face, false);
        return;
    }
    const auto& normal = spin->vertical[SpinObject::Normal];
    // Turned a quarter counter-clockwise the lying picture's top half comes
    // to the left, where the decreasing arrow is: its state shows there.
    const int topArrow = horizontal ? 1 : 0;
    DrawTurned(
        dc, client, horizontal ? Turn::Left : Turn::None,
        [&](HDC lying, int width, int height) {
            DrawImageRef(lying, RECT{0, 0, width, height / 2},
                         pick(spin->vertical[stateOf(topArrow)].up, normal.up), skin, face, false);
            DrawImageRef(lying, RECT{0, height / 2, width, height},
                         pick(spin->vertical[stateOf(1 - topArrow)].down, normal.down), skin, face, false);
        },
        false, transparentColor_);
}

LRESULT SkinUpDown::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE: {
        const int arrow = ArrowAt(lParam);
        if (arrow != hot_) {
            hot_ = arrow;
            InvalidateRect(hwnd_, nullptr, FALSE);
        }
        return SkinControl::WindowProc(message, wParam, lParam);
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        pressed_ = ArrowAt(lParam);
        InvalidateRect(hwnd_, nullptr, FALSE);
        return SkinControl::WindowProc(message, wParam, lParam);
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        pressed_ = -1;
        InvalidateRect(hwnd_, nullptr, FALSE);
        return CallPrev(message, wParam, lParam);
    case WM_MOUSELEAVE:
        hot_ = -1;
        return SkinControl::WindowProc(message, wParam, lParam);
    default:
        return SkinControl::WindowProc(message, wParam, lParam);
    }
}
