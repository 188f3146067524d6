#include "SkinStatusBar.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "BarObjects.h"
#include "NineGridDraw.h"
#include "Skin.h"
#include "WindowRegistry.h"

void SkinStatusBar::PaintWhole(HDC dc) {
    // Without an object of its own the bar draws from a default one: the
    // system's face colour and text.
    static const StatusBarObject kDefault;
    const auto* own = dynamic_cast<const StatusBarObject*>(object_);
    const StatusBarObject& bar = own ? *own : kDefault;
    const Skin& skin = WindowRegistry::Instance().CurrentSkin();
    RECT client{};
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    DrawNineGrid(dc, client, bar.mainImage, skin, GetSysColor(COLOR_BTNFACE), false);

    const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldText = SetTextColor(dc, own ? bar.font.color & 0xFFFFFF : GetSysColor(COLOR_BTNTEXT));
    const int parts = static_cast<int>(CallPrev(SB_GETPARTS, 0, 0));
    for (int i = 0; i < parts; ++i) {
        RECT rect{};
        if (!CallPrev(SB_GETRECT, i, reinterpret_cast<LPARAM>(&rect))) continue;
        DrawNineGrid(dc, rect, bar.itemImage, skin, GetSysColor(COLOR_BTNFACE), false);
        const int length = LOWORD(CallPrev(SB_GETTEXTLENGTHW, i, 0));
        std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
        CallPrev(SB_GETTEXTW, i, reinterpret_cast<LPARAM>(text.data()));
        RECT inner = rect;
        inner.left += bar.itemImage.marginLeft;
        inner.right -= bar.itemImage.marginRight;
        if (bar.itemImage.IsEmpty()) InflateRect(&inner, -2, 0);
        DrawTextW(dc, text.data(), -1, &inner, DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    SetTextColor(dc, oldText);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}

LRESULT SkinStatusBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case SB_SETTEXTW:
    case SB_SETPARTS:
    case WM_SETTEXT:
    case WM_SIZE:
        return CallPrevAndInvalidate(message, wParam, lParam);
    default:
        return SkinControl::WindowProc(message, wParam, lParam);
    }
}
