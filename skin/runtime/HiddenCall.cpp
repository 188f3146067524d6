#include "HiddenCall.h"

LRESULT CallHidden(WNDPROC prev, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    const bool visible = (style & WS_VISIBLE) != 0;
    if (visible) SetWindowLongPtrW(hwnd, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_VISIBLE));
    const LRESULT result = prev ? CallWindowProcW(prev, hwnd, message, wParam, lParam)
                                : DefWindowProcW(hwnd, message, wParam, lParam);
    if (visible && IsWindow(hwnd)) {
        SetWindowLongPtrW(hwnd, GWL_STYLE, GetWindowLongPtrW(hwnd, GWL_STYLE) | WS_VISIBLE);
    }
    return result;
}
