#include "SkinToolbar.h"

#include <commctrl.h>
#include <windowsx.h>

#include "BarObjects.h"
#include "NineGridDraw.h"
#include "Skin.h"
#include "WindowRegistry.h"

namespace {

enum Picture {
    kMain,
    kNormal,
    kPressed,
    kHot,
    kDisabled
};

// The small black arrow of a drop-down button, 3 to 9 pixels from its right.
void DropArrow(HDC dc, const RECT& button) {
    const int right = button.right - 3;
    const int left = button.right - 9;
    const int top = (button.top + button.bottom) / 2 - 1;
    const POINT points[3] = {{left, top}, {right, top}, {(left + right) / 2, top + 3}};
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    Polygon(dc, points, 3);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
}

} // namespace

void SkinToolbar::Paint() {
    // The control gets its WM_PAINT too, but finds nothing left to paint.
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    CallPrev(WM_PAINT, 0, 0);
    PaintThroughBuffer(dc);
    EndPaint(hwnd_, &ps);
}

void SkinToolbar::PaintButton(HDC dc, int index, bool hot, bool textMode) {
    const auto* toolbar = static_cast<const ToolbarObject*>(object_);
    TBBUTTON button{};
    if (!CallPrev(TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button))) return;
    if (button.fsStyle & BTNS_SEP) return;
    RECT rect{};
    if (!CallPrev(TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect))) return;
    const bool pressed = (button.fsState & (TBSTATE_PRESSED | TBSTATE_CHECKED)) != 0;
    const bool disabled = !(button.fsState & TBSTATE_ENABLED) || (button.fsState & TBSTATE_INDETERMINATE);
    const Picture state = pressed ? kPressed : disabled ? kDisabled : hot ? kHot : kNormal;
    const NineGridImage& own = toolbar->images[state];
    const NineGridImage& picture = own.IsEmpty() ? toolbar->images[kNormal] : own;
    if (state != kNormal || !picture.IsEmpty()) {
        DrawNineGridKeyed(dc, rect, picture, WindowRegistry::Instance().CurrentSkin(), transparentColor_);
    }
    RECT content = rect;
    if (button.fsStyle & (BTNS_DROPDOWN | BTNS_WHOLEDROPDOWN)) {
        DropArrow(dc, rect);
        content.right -= 6;
    }
    auto images = reinterpret_cast<HIMAGELIST>(CallPrev(hot ? TB_GETHOTIMAGELIST : TB_GETIMAGELIST, 0, 0));
    if (!images) images = reinterpret_cast<HIMAGELIST>(CallPrev(TB_GETIMAGELIST, 0, 0));
    int cx = 0;
    int cy = 0;
    if (images) ImageList_GetIconSize(images, &cx, &cy);
    wchar_t text[100] = {};
    const bool hasText = textMode &&
                         CallPrev(TB_GETBUTTONTEXTW, button.idCommand, reinterpret_cast<LPARAM>(text)) > 0 &&
                         text[0];
    const bool list = (GetWindowLongPtrW(hwnd_, GWL_STYLE) & TBSTYLE_LIST) != 0;
    POINT icon{(content.left + content.right - cx) / 2, (content.top + content.bottom - cy) / 2};
    RECT textRect = content;
    if (hasText && list) {
        icon.x = content.left + 2;
        textRect.left = icon.x + cx + 2;
    } else if (hasText) {
        SIZE a{};
        GetTextExtentPoint32W(dc, L"A", 1, &a);
        textRect.top = content.bottom - a.cy - 2;
        icon.y = (content.top + textRect.top - cy) / 2;
    }
    if (images && button.iBitmap >= 0) {
        if (disabled) {
            HICON handle = ImageList_GetIcon(images, button.iBitmap, ILD_TRANSPARENT);
            DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(handle), 0, icon.x, icon.y, cx, cy,
                       DST_ICON | DSS_DISABLED);
            DestroyIcon(handle);
        } else {
            ImageList_Draw(images, button.iBitmap, dc, icon.x, icon.y, ILD_TRANSPARENT);
        }
    }
    if (hasText) {
        SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
        const UINT format = list ? DT_SINGLELINE | DT_VCENTER : DT_SINGLELINE | DT_VCENTER | DT_CENTER;
        DrawTextW(dc, text, -1, &textRect, format | DT_NOPREFIX);
    }
}

void SkinToolbar::PaintWhole(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const auto* toolbar = dynamic_cast<const ToolbarObject*>(object_);
    if (!toolbar) return;
    DrawNineGrid(dc, client, toolbar->images[kMain], WindowRegistry::Instance().CurrentSkin(),
                 GetSysColor(COLOR_BTNFACE), false);
    const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const int count = static_cast<int>(CallPrev(TB_BUTTONCOUNT, 0, 0));
    bool textMode = false;
    for (int i = 0; i < count && !textMode; ++i) {
        TBBUTTON button{};
        wchar_t text[100] = {};
        if (CallPrev(TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button)) &&
            CallPrev(TB_GETBUTTONTEXTW, button.idCommand, reinterpret_cast<LPARAM>(text)) > 0) {
            textMode = text[0] != L'\0';
        }
    }
    const int hot = static_cast<int>(CallPrev(TB_GETHOTITEM, 0, 0));
    for (int i = 0; i < count; ++i) {
        if (i != hot) PaintButton(dc, i, false, textMode);
    }
    if (hot >= 0 && hot < count) PaintButton(dc, hot, true, textMode);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}

int SkinToolbar::ButtonAt(LPARAM lParam) {
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return static_cast<int>(CallPrev(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&p)));
}

LRESULT SkinToolbar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE: {
        const LRESULT result = SkinControl::WindowProc(message, wParam, lParam);
        const int hit = ButtonAt(lParam);
        if (hit != lastHit_) {
            lastHit_ = hit;
            InvalidateRect(hwnd_, nullptr, FALSE);
        }
        return result;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        lastHit_ = ButtonAt(lParam);
        return CallPrevAndInvalidate(message, wParam, lParam);
    case WM_MOUSELEAVE:
        lastHit_ = -1;
        return CallPrevAndInvalidate(message, wParam, lParam);
    case TB_SETSTATE:
    case TB_CHECKBUTTON:
    case TB_ENABLEBUTTON:
    case TB_PRESSBUTTON:
    case TB_SETHOTITEM:
        return CallPrevAndInvalidate(message, wParam, lParam);
    default:
        return SkinControl::WindowProc(message, wParam, lParam);
    }
}
