#include "ControlWindows.h"

#include <algorithm>

#include "TestWindows.h"

namespace ctlwin {

namespace {

INT_PTR CALLBACK HostProc(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (lParam) Notifications().emplace_back(LOWORD(wParam), HIWORD(wParam));
        return FALSE;
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = 16;
        return TRUE;
    default:
        return message == WM_INITDIALOG ? TRUE : FALSE;
    }
}

} // namespace

HWND CreateHostDialog(int width, int height) {
    HWND dialog = testwin::CreateDialogWindow(WS_POPUP | WS_CAPTION | WS_VISIBLE, width, height);
    SetWindowLongPtrW(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(&HostProc));
    return dialog;
}

HWND AddChild(HWND parent, const wchar_t* className, DWORD style, DWORD exStyle, RECT box, int id,
              const wchar_t* text) {
    HWND child = CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, box.left, box.top,
                                 box.right - box.left, box.bottom - box.top, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                 nullptr);
    if (child) SendMessageW(child, WM_SETFONT, SendMessageW(parent, WM_GETFONT, 0, 0), FALSE);
    return child;
}

std::vector<std::pair<int, int>>& Notifications() {
    static std::vector<std::pair<int, int>> notifications;
    return notifications;
}

COLORREF ClientPixel(HWND hwnd, int x, int y) {
    HDC dc = GetDC(hwnd);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return colour;
}

RECT ColourBox(HWND hwnd, const RECT& area, COLORREF colour, bool matching) {
    HDC dc = GetDC(hwnd);
    RECT box{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (testwin::CloseColour(GetPixel(dc, x, y), colour, 24) != matching) continue;
            box.left = std::min<LONG>(box.left, x);
            box.top = std::min<LONG>(box.top, y);
            box.right = std::max<LONG>(box.right, x + 1);
            box.bottom = std::max<LONG>(box.bottom, y + 1);
        }
    }
    ReleaseDC(hwnd, dc);
    if (box.right <= box.left) return RECT{};
    return box;
}

} // namespace ctlwin
