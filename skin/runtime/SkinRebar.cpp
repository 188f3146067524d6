#include "SkinRebar.h"

#include <commctrl.h>

#include "BarObjects.h"
#include "NineGridDraw.h"
#include "Skin.h"
#include "WindowRegistry.h"

void SkinRebar::PaintWhole(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const auto* rebar = dynamic_cast<const RebarObject*>(object_);
    if (!rebar) return;
    const Skin& skin = WindowRegistry::Instance().CurrentSkin();
    DrawNineGrid(dc, client, rebar->mainImage, skin, GetSysColor(COLOR_BTNFACE), false);
    const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const int count = static_cast<int>(CallPrev(RB_GETBANDCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        RECT rect{};
        if (!CallPrev(RB_GETRECT, i, reinterpret_cast<LPARAM>(&rect))) continue;
        DrawNineGridKeyed(dc, rect, rebar->bandImage, skin, transparentColor_);
        wchar_t text[100] = {};
        REBARBANDINFOW band{};
        band.cbSize = sizeof band;
        band.fMask = RBBIM_TEXT;
        band.lpText = text;
        band.cch = 99;
        CallPrev(RB_GETBANDINFOW, i, reinterpret_cast<LPARAM>(&band));
        RECT inner = rect;
        inner.left += rebar->bandImage.marginLeft + 4;
        inner.right -= rebar->bandImage.marginRight;
        DrawTextW(dc, text, -1, &inner, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}
