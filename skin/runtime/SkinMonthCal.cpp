#include "SkinMonthCal.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <climits>

#include "MiscControlObjects.h"
#include "NineGridDraw.h"
#include "Skin.h"
#include "SkinMessages.h"
#include "WindowRegistry.h"

namespace {
// Pictures of the object: previous and next button, normal, pressed and
// disabled.
constexpr int kPicture[2][3] = {{0, 1, 4}, {2, 3, 5}};
} // namespace

bool SkinMonthCal::Attach(HWND hwnd) {
    if (!SkinControl::Attach(hwnd)) return false;
    FindButtons();
    PostMessageW(hwnd, kWmSkinInitScrollCtl, 0, 0);
    return true;
}

void SkinMonthCal::PushColours() {
    const auto* calendar = dynamic_cast<const MonthCalendarObject*>(object_);
    if (!calendar) return;
    CallPrev(MCM_SETCOLOR, MCSC_BACKGROUND, calendar->color1 & 0xFFFFFF);
    CallPrev(MCM_SETCOLOR, MCSC_MONTHBK, calendar->colors[0] & 0xFFFFFF);
    CallPrev(MCM_SETCOLOR, MCSC_TEXT, calendar->color2 & 0xFFFFFF);
    CallPrev(MCM_SETCOLOR, MCSC_TITLEBK, calendar->colors[1] & 0xFFFFFF);
    CallPrev(MCM_SETCOLOR, MCSC_TITLETEXT, calendar->colors[2] & 0xFFFFFF);
    CallPrev(MCM_SETCOLOR, MCSC_TRAILINGTEXT, calendar->colors[3] & 0xFFFFFF);
}

void SkinMonthCal::FindButtons() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    RECT found[2] = {{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN}, {LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN}};
    for (int y = 0; y < client.bottom / 2; ++y) {
        for (int x = 0; x < client.right; ++x) {
            MCHITTESTINFO hit{};
            hit.cbSize = sizeof hit;
            hit.pt = POINT{x, y};
            CallPrev(MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
            const int which = hit.uHit == MCHT_TITLEBTNPREV ? 0 : hit.uHit == MCHT_TITLEBTNNEXT ? 1 : -1;
            if (which < 0) continue;
            RECT& r = found[which];
            r.left = std::min<LONG>(r.left, x);
            r.top = std::min<LONG>(r.top, y);
            r.right = std::max<LONG>(r.right, x + 1);
            r.bottom = std::max<LONG>(r.bottom, y + 1);
        }
    }
    for (int i = 0; i < 2; ++i) {
        buttons_[i] = found[i].right > found[i].left ? found[i] : RECT{};
        if (found[i].right > found[i].left) InflateRect(&buttons_[i], 2, 2);
    }
}

void SkinMonthCal::PaintWhole(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const auto* calendar = dynamic_cast<const MonthCalendarObject*>(object_);
    const Skin& skin = WindowRegistry::Instance().CurrentSkin();
    const COLORREF back = calendar ? calendar->color1 & 0xFFFFFF : GetSysColor(COLOR_WINDOW);
    const COLORREF old = SetBkColor(dc, back);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
    SetBkColor(dc, old);
    if (calendar) DrawNineGrid(dc, client, calendar->mainImage, skin, back, false);
    CallPrev(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    if (!calendar) return;
    const bool enabled = IsWindowEnabled(hwnd_) != FALSE;
    for (int i = 0; i < 2; ++i) {
        if (buttons_[i].right <= buttons_[i].left) continue;
        const int state = !enabled ? 2 : pressed_ == i ? 1 : 0;
        const NineGridImage& own = calendar->images[kPicture[i][state]];
        const NineGridImage& picture = own.IsEmpty() ? calendar->images[kPicture[i][0]] : own;
        if (!picture.IsEmpty()) DrawNineGridKeyed(dc, buttons_[i], picture, skin, transparentColor_);
    }
}

LRESULT SkinMonthCal::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kWmSkinInitScrollCtl:
        PushColours();
        InvalidateRect(hwnd_, nullptr, FALSE);
        return 0;
    case WM_SIZE: {
        const LRESULT result = CallPrev(message, wParam, lParam);
        FindButtons();
        return result;
    }
    case WM_LBUTTONDOWN: {
        const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        pressed_ = PtInRect(&buttons_[0], p) ? 0 : PtInRect(&buttons_[1], p) ? 1 : -1;
        return CallPrevAndInvalidate(message, wParam, lParam);
    }
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        pressed_ = -1;
        return CallPrevAndInvalidate(message, wParam, lParam);
    default:
        return SkinControl::WindowProc(message, wParam, lParam);
    }
}
