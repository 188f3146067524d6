#include "SkinStatic.h"

#include <algorithm>

#include "ControlRules.h"
#include "HiddenCall.h"
#include "IconSize.h"
#include "MiscControlObjects.h"
#include "NineGridDraw.h"
#include "Skin.h"
#include "TextEffectDraw.h"
#include "WindowRegistry.h"

namespace {

constexpr int kMaxText = 1023;

} // namespace

bool SkinStatic::Attach(HWND hwnd) {
    if (!StaticIsSkinned(static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)))) return false;
    if (!SkinControl::Attach(hwnd)) return false;
    UpdateTransparentStyle();
    return true;
}

void SkinStatic::Detach() {
    if (addedTransparent_ && hwnd_ && !destroyed_) {
        SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & ~WS_EX_TRANSPARENT);
    }
    addedTransparent_ = false;
    SkinControl::Detach();
}

SkinObject* SkinStatic::SetObject(SkinObject* object) {
    SkinObject* previous = SkinControl::SetObject(object);
    if (hwnd_ && GetPropW(hwnd_, L"OBJECT") == this) UpdateTransparentStyle();
    return previous;
}

void SkinStatic::UpdateTransparentStyle() {
    const auto* object = dynamic_cast<const StaticObject*>(object_);
    const LONG_PTR exStyle = GetWindowLongPtrW(hwnd_, GWL_EXSTYLE);
    if (object && object->transparent) {
        if (!(exStyle & WS_EX_TRANSPARENT)) {
            SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, exStyle | WS_EX_TRANSPARENT);
            addedTransparent_ = true;
        }
    } else if (addedTransparent_) {
        SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, exStyle & ~WS_EX_TRANSPARENT);
        addedTransparent_ = false;
    }
}

void SkinStatic::PaintWhole(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const auto* object = dynamic_cast<const StaticObject*>(object_);
    if (!object || object->transparent) {
        PaintOwnerBackground(dc, client);
    } else {
        const COLORREF back = object->color1 & 0xFFFFFF;
        const COLORREF oldBk = SetBkColor(dc, back);
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
        SetBkColor(dc, oldBk);
        if (!object->mainImage.IsEmpty()) {
            DrawNineGrid(dc, client, object->mainImage, WindowRegistry::Instance().CurrentSkin(), back,
                         false);
        }
    }
    if (!object) return;
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
    switch (style & SS_TYPEMASK) {
    case SS_ICON:
        PaintIcon(dc, client, style);
        break;
    case SS_BITMAP:
        PaintBitmap(dc, client);
        break;
    default:
        PaintText(dc, client, style);
        break;
    }
}

void SkinStatic::PaintIcon(HDC dc, const RECT& client, DWORD style) {
    HICON icon = reinterpret_cast<HICON>(SendMessageW(hwnd_, STM_GETICON, 0, 0));
    if (!icon) return;
    if (style & SS_CENTERIMAGE) {
        const SIZE size = IconSize(icon);
        DrawIconEx(dc, (client.right - size.cx) / 2, (client.bottom - size.cy) / 2, icon, size.cx, size.cy, 0,
                   nullptr, DI_NORMAL);
    } else {
        DrawIconEx(dc, 0, 0, icon, client.right, client.bottom, 0, nullptr, DI_NORMAL);
    }
}

void SkinStatic::PaintBitmap(HDC dc, const RECT& client) {
    HBITMAP bitmap = reinterpret_cast<HBITMAP>(SendMessageW(hwnd_, STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap);
    BitBlt(dc, 0, 0, std::min<LONG>(info.bmWidth, client.right), std::min<LONG>(info.bmHeight, client.bottom),
           source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}

void SkinStatic::PaintText(HDC dc, const RECT& client, DWORD style) {
    wchar_t text[kMaxText + 1] = {};
    const int length = GetWindowTextW(hwnd_, text, kMaxText + 1);
    if (length <= 0) return;
    const auto& object = static_cast<const StaticObject&>(*object_);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE));
    DrawEffectText(dc, text, length, client, StaticTextFormat(style, exStyle), object.textEffect);
    SelectObject(dc, oldFont);
}

LRESULT SkinStatic::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETTEXT:
    case WM_ENABLE:
    case STM_SETICON:
    case STM_SETIMAGE: {
        // The control would paint the change itself, over the skin: it runs
        // hidden and the skinned picture follows.
        const HWND hwnd = hwnd_;
        const LRESULT result = CallHidden(prevProc_, hwnd, message, wParam, lParam);
        if (!IsWindow(hwnd)) return result;
        InvalidateRect(hwnd, nullptr, FALSE);
        UpdateWindow(hwnd);
        return result;
    }
    default:
        return SkinControl::WindowProc(message, wParam, lParam);
    }
}
