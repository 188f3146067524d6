#include "SkinHeader.h"

#include <commctrl.h>

#include "BarObjects.h"
#include "NineGridDraw.h"
#include "Skin.h"
#include "TextEffectDraw.h"
#include "WindowRegistry.h"

void SkinHeader::PaintWhole(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const auto* header = dynamic_cast<const HeaderObject*>(object_);
    if (!header) return;
    const Skin& skin = WindowRegistry::Instance().CurrentSkin();
    DrawNineGrid(dc, client, header->mainImage, skin, GetSysColor(COLOR_BTNFACE), false);
    const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
    const int count = static_cast<int>(CallPrev(HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        RECT rect{};
        if (!CallPrev(HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&rect))) continue;
        wchar_t text[260] = {};
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_FORMAT;
        item.pszText = text;
        item.cchTextMax = 259;
        CallPrev(HDM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
        DrawNineGrid(dc, rect, header->item, skin, GetSysColor(COLOR_BTNFACE), false);
        UINT align = DT_LEFT;
        if ((item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER) align = DT_CENTER;
        if ((item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT) align = DT_RIGHT;
        RECT inner = rect;
        InflateRect(&inner, -4, 0);
        DrawEffectText(dc, text, -1, inner,
                       align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX,
                       header->textEffect);
    }
    SelectObject(dc, oldFont);
}

LRESULT SkinHeader::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case HDM_INSERTITEMW:
    case HDM_SETITEMW:
    case HDM_DELETEITEM:
    case HDM_LAYOUT:
    case WM_LBUTTONUP:
        return CallPrevAndInvalidate(message, wParam, lParam);
    case WM_MOUSEMOVE:
        // Dragging a divider resizes the items.
        if (wParam & MK_LBUTTON) InvalidateRect(hwnd_, nullptr, FALSE);
        return SkinControl::WindowProc(message, wParam, lParam);
    default:
        return SkinControl::WindowProc(message, wParam, lParam);
    }
}
