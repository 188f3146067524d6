#include "SkinTabControl.h"

#include <commctrl.h>

#include <vector>

#include "MiscControlObjects.h"
#include "NineGridDraw.h"
#include "Skin.h"
#include "SkinMessages.h"
#include "TextEffectDraw.h"
#include "TurnedDraw.h"
#include "WindowRegistry.h"

namespace {

void FillFace(HDC dc, const RECT& rect) {
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
}

SkinRect ToSkin(const RECT& r) {
    return SkinRect{r.left, r.top, r.right, r.bottom};
}

Turn TurnFor(TabSide side) {
    switch (side) {
    case TabSide::Bottom:
        return Turn::FlipVertical;
    case TabSide::Left:
        return Turn::Left;
    case TabSide::Right:
        return Turn::Right;
    default:
        return Turn::None;
    }
}

} // namespace

void SkinTabControl::PaintTab(HDC dc, int index, TabSide side, bool enabled, int selected) {
    const auto* tabs = static_cast<const TabControlObject*>(object_);
    const Skin& skin = WindowRegistry::Instance().CurrentSkin();
    RECT rect{};
    if (!SendMessageW(hwnd_, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect))) return;
    wchar_t text[101] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_STATE;
    item.dwStateMask = TCIS_BUTTONPRESSED | TCIS_HIGHLIGHTED;
    item.pszText = text;
    item.cchTextMax = 100;
    SendMessageW(hwnd_, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
    const bool buttons = (GetWindowLongPtrW(hwnd_, GWL_STYLE) & TCS_BUTTONS) != 0;
    const TabState state = TabStateFor(enabled, buttons, index == selected, item.dwState);
    const auto& block = tabs->states[state];
    const NineGridImage& picture = block.tab.IsEmpty() ? tabs->states[kTabNormal].tab : block.tab;

    DrawTurned(
        dc, rect, TurnFor(side),
        [&](HDC lying, int width, int height) {
            DrawNineGridKeyed(lying, RECT{0, 0, width, height}, picture, skin, transparentColor_);
        },
        true, transparentColor_);

    // Icon, then the text centred in what is left.
    RECT textRect = rect;
    auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(hwnd_, TCM_GETIMAGELIST, 0, 0));
    if (images && item.iImage >= 0) {
        int cx = 0;
        int cy = 0;
        ImageList_GetIconSize(images, &cx, &cy);
        ImageList_Draw(images, item.iImage, dc, rect.left + 4, (rect.top + rect.bottom - cy) / 2,
                       ILD_TRANSPARENT);
        textRect.left += cx + 4;
    }
    DrawEffectText(dc, text, -1, textRect, DT_END_ELLIPSIS | DT_VCENTER | DT_CENTER | DT_SINGLELINE,
                   block.effect);
}

void SkinTabControl::PaintWhole(HDC dc) {
    const auto* tabs = dynamic_cast<const TabControlObject*>(object_);
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (!tabs) {
        FillFace(dc, client);
        return;
    }
    const Skin& skin = WindowRegistry::Instance().CurrentSkin();
    if (tabs->transparent) {
        PaintOwnerBackground(dc, client);
    } else {
        FillFace(dc, client);
        DrawNineGrid(dc, client, tabs->mainImage, skin, GetSysColor(COLOR_BTNFACE), false);
    }
    const TabSide side = TabSideFor(static_cast<uint32_t>(GetWindowLongPtrW(hwnd_, GWL_STYLE)));
    const int count = static_cast<int>(SendMessageW(hwnd_, TCM_GETITEMCOUNT, 0, 0));
    std::vector<SkinRect> rects;
    for (int i = 0; i < count; ++i) {
        RECT r{};
        if (SendMessageW(hwnd_, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r))) rects.push_back(ToSkin(r));
    }
    const SkinRect frame = TabPageFrame(side, ToSkin(client), rects.data(), static_cast<int>(rects.size()));
    const RECT frameRect{frame.left, frame.top, frame.right, frame.bottom};
    FillFace(dc, frameRect);
    DrawNineGrid(dc, frameRect, tabs->frame, skin, GetSysColor(COLOR_BTNFACE), false);

    const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const bool enabled = IsWindowEnabled(hwnd_) != FALSE;
    const int selected = static_cast<int>(SendMessageW(hwnd_, TCM_GETCURSEL, 0, 0));
    for (int i = 0; i < count; ++i) PaintTab(dc, i, side, enabled, selected);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}

LRESULT SkinTabControl::PaintChildBackground(HDC childDc, HWND child) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (client.right <= 0 || client.bottom <= 0) return 0;
    HDC buffer = CreateCompatibleDC(childDc);
    HBITMAP bitmap = CreateCompatibleBitmap(childDc, client.right, client.bottom);
    HGDIOBJ old = SelectObject(buffer, bitmap);
    PaintWhole(buffer);
    RECT piece{};
    GetClientRect(child, &piece);
    MapWindowPoints(child, hwnd_, reinterpret_cast<POINT*>(&piece), 2);
    BitBlt(childDc, 0, 0, piece.right - piece.left, piece.bottom - piece.top, buffer, piece.left, piece.top,
           SRCCOPY);
    SelectObject(buffer, old);
    DeleteObject(bitmap);
    DeleteDC(buffer);
    return 1;
}

LRESULT SkinTabControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kWmSkinChildBkgnd:
        return PaintChildBackground(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case TCM_SETCURSEL:
    case TCM_HIGHLIGHTITEM:
    case TCM_SETITEMW:
    case TCM_INSERTITEMW:
    case TCM_DELETEITEM:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_ENABLE:
        // The skin's tabs and the pages' backgrounds follow the selection.
        return CallPrevAndInvalidate(message, wParam, lParam);
    default:
        return SkinControl::WindowProc(message, wParam, lParam);
    }
}
