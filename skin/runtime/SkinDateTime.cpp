#include "SkinDateTime.h"

#include <commctrl.h>
#include <windowsx.h>

#include "ImageDraw.h"
#include "MiscControlObjects.h"
#include "Skin.h"
#include "WindowRegistry.h"

namespace {

bool Inside(HWND window, HWND calendar) {
    return window == calendar || (window && IsChild(calendar, window));
}

} // namespace

bool SkinDateTime::OnButton(LPARAM lParam) const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return p.x >= client.right - kButtonWidth && p.x < client.right && p.y >= 0 && p.y < client.bottom;
}

void SkinDateTime::PaintButton() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    RECT button{client.right - kButtonWidth, 0, client.right, client.bottom};
    if (button.left < 0) return;
    HDC dc = GetDC(hwnd_);
    if (!dc) return;
    const auto* picker = dynamic_cast<const DateTimeObject*>(object_);
    const bool enabled = IsWindowEnabled(hwnd_) != FALSE;
    const ImageRef* picture = nullptr;
    if (picker) {
        const ImageRef& normal = picker->image4;
        const ImageRef& second = picker->image5;
        picture = enabled ? (normal.IsEmpty() ? &second : &normal) : (second.IsEmpty() ? &normal : &second);
    }
    if (picture && !picture->IsEmpty()) {
        FillRect(dc, &button, GetSysColorBrush(COLOR_BTNFACE));
        DrawImageRef(dc, button, *picture, WindowRegistry::Instance().CurrentSkin(),
                     GetSysColor(COLOR_BTNFACE), false);
    } else {
        DrawFrameControl(dc, &button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (enabled ? 0 : DFCS_INACTIVE));
    }
    ReleaseDC(hwnd_, dc);
}

void SkinDateTime::Notify(UINT code) {
    const HWND parent = GetParent(hwnd_);
    if (!parent) return;
    NMHDR header{};
    header.hwndFrom = hwnd_;
    header.idFrom = static_cast<UINT_PTR>(GetWindowLongPtrW(hwnd_, GWL_ID));
    header.code = code;
    SendMessageW(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

void SkinDateTime::CloseCalendar() {
    if (calendar_ && IsWindow(calendar_)) DestroyWindow(calendar_);
    calendar_ = nullptr;
}

void SkinDateTime::DropDown() {
    if (calendar_) return;
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    const HWND hwnd = hwnd_;
    calendar_ = CreateWindowExW(0, MONTHCAL_CLASSW, L"MonthCal32",
                                WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_BORDER, window.left,
                                window.bottom, 0, 0, hwnd, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!calendar_) return;
    SYSTEMTIME date{};
    if (CallPrev(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&date)) == GDT_VALID) {
        SendMessageW(calendar_, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&date));
    }
    RECT size{};
    SendMessageW(calendar_, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&size));
    SetWindowPos(calendar_, HWND_TOP, 0, 0, size.right - size.left + 2 * GetSystemMetrics(SM_CXBORDER),
                 size.bottom - size.top + 2 * GetSystemMetrics(SM_CYBORDER), SWP_NOMOVE | SWP_SHOWWINDOW);
    Notify(DTN_DROPDOWN);

    closing_ = false;
    bool picked = false;
    SYSTEMTIME chosen{};
    MSG msg{};
    // The calendar is modal to the picker: everything is dispatched here
    // until a date is picked, a click lands elsewhere, the application
    // quits, or the mode is cancelled.
    while (!closing_ && FromWindow(hwnd) == this && calendar_ && IsWindow(calendar_)) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam)); // for the loop that owns it
            break;
        }
        if (got < 0) break;
        const bool down = msg.message == WM_LBUTTONDOWN || msg.message == WM_NCLBUTTONDOWN ||
                          msg.message == WM_RBUTTONDOWN || msg.message == WM_NCRBUTTONDOWN;
        if (down && !Inside(msg.hwnd, calendar_)) break; // a press elsewhere: no change
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        if (msg.message == WM_LBUTTONUP && Inside(msg.hwnd, calendar_) && calendar_ && IsWindow(calendar_)) {
            MCHITTESTINFO hit{};
            hit.cbSize = sizeof hit;
            hit.pt = POINT{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
            if (msg.hwnd != calendar_) MapWindowPoints(msg.hwnd, calendar_, &hit.pt, 1);
            SendMessageW(calendar_, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
            if ((hit.uHit & MCHT_CALENDARDATE) == MCHT_CALENDARDATE &&
                SendMessageW(calendar_, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&chosen))) {
                picked = true;
                break;
            }
        }
    }
    if (FromWindow(hwnd) != this) return;
    CloseCalendar();
    Notify(DTN_CLOSEUP);
    if (picked && FromWindow(hwnd) == this) {
        CallPrev(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&chosen));
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

void SkinDateTime::Detach() {
    closing_ = true;
    CloseCalendar();
    SkinScrollHost::Detach();
}

LRESULT SkinDateTime::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        const HWND hwnd = hwnd_;
        const LRESULT result = CallPrev(message, wParam, lParam);
        if (FromWindow(hwnd) == this) PaintButton();
        return result;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (OnButton(lParam) && IsWindowEnabled(hwnd_)) {
            DropDown();
            return 0;
        }
        return SkinScrollHost::WindowProc(message, wParam, lParam);
    case WM_CANCELMODE:
        closing_ = true;
        return CallPrev(message, wParam, lParam);
    case DTM_GETMONTHCAL:
        return reinterpret_cast<LRESULT>(calendar_);
    case WM_DESTROY:
        closing_ = true;
        CloseCalendar();
        return SkinScrollHost::WindowProc(message, wParam, lParam);
    default:
        return SkinScrollHost::WindowProc(message, wParam, lParam);
    }
}
