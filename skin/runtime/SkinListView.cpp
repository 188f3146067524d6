#include "SkinListView.h"

#include <commctrl.h>

#include <cstring>

#include "EditObjects.h"
#include "NineGridDraw.h"
#include "Skin.h"
#include "TextEffectDraw.h"
#include "WindowRegistry.h"

bool SkinListView::Attach(HWND hwnd) {
    if (!SkinScrollHost::Attach(hwnd)) return false;
    PushColours(true);
    return true;
}

void SkinListView::Detach() {
    if (hwnd_ && !destroyed_) PushColours(false);
    SkinScrollHost::Detach();
}

SkinObject* SkinListView::SetObject(SkinObject* object) {
    SkinObject* previous = SkinScrollHost::SetObject(object);
    if (hwnd_ && GetPropW(hwnd_, L"OBJECT") == this) PushColours(true);
    return previous;
}

void SkinListView::PushColours(bool skin) {
    // CLR_DEFAULT and -1 give the controls their system colours back.
    const COLORREF back = skin && object_ ? BackColour() : CLR_DEFAULT;
    const COLORREF text = skin && object_ ? TextColour() : CLR_DEFAULT;
    if (kind_ == kKindListView) {
        CallPrev(LVM_SETBKCOLOR, 0, static_cast<LPARAM>(back));
        CallPrev(LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(back));
        CallPrev(LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(text));
    } else {
        CallPrev(TVM_SETBKCOLOR, 0, static_cast<LPARAM>(skin && object_ ? back : static_cast<COLORREF>(-1)));
        CallPrev(TVM_SETTEXTCOLOR, 0,
                 static_cast<LPARAM>(skin && object_ ? text : static_cast<COLORREF>(-1)));
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void SkinListView::PaintCaretItem(HDC dc) {
    const auto* tree = dynamic_cast<const TreeViewObject*>(object_);
    if (!tree) return;
    const bool focused = GetFocus() == hwnd_;
    if (!focused && !(GetWindowLongPtrW(hwnd_, GWL_STYLE) & TVS_SHOWSELALWAYS)) return;
    const auto caret = reinterpret_cast<HTREEITEM>(CallPrev(TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (!caret) return;
    // TVM_GETITEMRECT takes the item in the rectangle's first bytes.
    RECT rect{};
    std::memcpy(&rect, &caret, sizeof caret);
    if (!CallPrev(TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect))) return;
    wchar_t text[260] = {};
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = caret;
    item.pszText = text;
    item.cchTextMax = 259;
    CallPrev(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    const COLORREF back = (focused ? tree->activeColor : tree->inactiveColor) & 0xFFFFFF;
    const COLORREF old = SetBkColor(dc, back);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, old);
    DrawNineGrid(dc, rect, focused ? tree->activeItem : tree->inactiveItem,
                 WindowRegistry::Instance().CurrentSkin(), back, false);
    const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
    DrawEffectText(dc, text, -1, rect, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX,
                   focused ? tree->activeText : tree->inactiveText);
    SelectObject(dc, oldFont);
}

void SkinListView::PaintTree() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (client.right > 0 && client.bottom > 0) {
        HDC buffer = CreateCompatibleDC(dc);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
        HGDIOBJ old = SelectObject(buffer, bitmap);
        CallPrev(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(buffer), PRF_CLIENT | PRF_ERASEBKGND);
        PaintCaretItem(buffer);
        BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
        SelectObject(buffer, old);
        DeleteObject(bitmap);
        DeleteDC(buffer);
    }
    EndPaint(hwnd_, &ps);
}

LRESULT SkinListView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (kind_ == kKindTreeView && message == WM_PAINT && dynamic_cast<const TreeViewObject*>(object_)) {
        PaintTree();
        return 0;
    }
    return SkinScrollHost::WindowProc(message, wParam, lParam);
}
