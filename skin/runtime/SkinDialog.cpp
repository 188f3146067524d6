#include "SkinDialog.h"

#include "SkinMessages.h"
#include "WindowFrameObjects.h"

SkinObject* SkinDialog::SetObject(SkinObject* object) {
    SkinObject* previous = SkinWnd::SetObject(object);
    if (!hwnd_ || !object) return previous;
    background_.Release();
    if (HasDialogFrame(static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)))) KeepClientSize();
    ResetLastWindowRect();
    RedrawWindow(hwnd_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_ALLCHILDREN | RDW_ERASENOW | RDW_FRAME);
    return previous;
}

bool SkinDialog::Attach(HWND hwnd) {
    if (!SkinFramedWnd::Attach(hwnd)) return false;
    if (HasDialogFrame(attachStyle_)) KeepClientSize();
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return true;
}

int SkinDialog::HitTest(int x, int y) {
    FrameHitInput in;
    in.parts = parts_;
    in.resizable = IsResizableStyle(static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)));
    in.maximized = ShowsMaximized();
    in.elementHit = ElementHit(x, y);
    return DialogHitTest(in, x, y);
}

void SkinDialog::PaintCaptionText(HDC dc, bool) {
    PaintCaptionTextFor(dc);
}

void SkinDialog::RestoreIntendedClientSize(const RECT& before) {
    RECT after{};
    ::GetWindowRect(hwnd_, &after);
    if (after.right - after.left == before.right - before.left &&
        after.bottom - after.top == before.bottom - before.top) {
        return;
    }
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE));
    RECT systemFrame{0, 0, 0, 0};
    AdjustWindowRectEx(&systemFrame, style, FALSE, exStyle);
    const WindowFrameObject* frame = FrameObject();
    if (!frame) return;
    const int clientWidth = (after.right - after.left) - (systemFrame.right - systemFrame.left);
    const int clientHeight = (after.bottom - after.top) - (systemFrame.bottom - systemFrame.top);
    const FrameSize size = WindowSizeForClient(Design(), clientWidth, clientHeight, 0);
    SetWindowPos(hwnd_, nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT SkinDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!FrameObject()) return SkinWnd::WindowProc(message, wParam, lParam);
    switch (message) {
    case WM_INITDIALOG: {
        RECT before{};
        ::GetWindowRect(hwnd_, &before);
        const LRESULT result = CallPrev(message, wParam, lParam);
        if (IsWindow(hwnd_) && SkinWnd::FromWindow(hwnd_) == this) RestoreIntendedClientSize(before);
        return result;
    }
    case WM_NCACTIVATE: {
        ncActive_ = wParam != 0;
        const LRESULT result = CallPrevWithStyle(QuietStyle(), message, wParam, lParam);
        RepaintFrame();
        return result;
    }
    case WM_NCLBUTTONDBLCLK: {
        const POINT p = WindowPoint(lParam);
        if (OfferToElements(WM_LBUTTONDBLCLK, p.x, p.y)) return 0;
        if (!IsResizableStyle(static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)))) return 0;
        const LRESULT result = CallPrevHiding(WS_SYSMENU, message, wParam, lParam);
        RepaintFrame();
        return result;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCMOUSEMOVE:
        return OnNcMouse(message, wParam, lParam);
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP: {
        // The system's own right-click handling (its system menu) stays
        // for everything outside the elements.
        const POINT p = WindowPoint(lParam);
        if (OfferToElements(message == WM_NCRBUTTONDOWN ? WM_RBUTTONDOWN : WM_RBUTTONUP, p.x, p.y)) return 0;
        return CallPrev(message, wParam, lParam);
    }
    case WM_ENABLE:
    case WM_SETICON:
    case WM_INITMENU:
    case WM_INITMENUPOPUP: {
        const LRESULT result = CallPrevHiding(WS_SYSMENU, message, wParam, lParam);
        RepaintFrame();
        return result;
    }
    case WM_SETTEXT: {
        // The system paints the caption while it sets the text; hide it.
        const LRESULT result = CallPrevHiding(WS_CAPTION, message, wParam, lParam);
        RepaintFrame();
        return result;
    }
    case WM_ERASEBKGND:
        return OnEraseBackground(reinterpret_cast<HDC>(wParam));
    case WM_CTLCOLORDLG:
        if (!HasDialogFrame(static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)))) {
            return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        }
        return CallPrev(message, wParam, lParam);
    default: {
        LRESULT result = 0;
        if (HandleFrameMessage(message, wParam, lParam, result)) return result;
        return SkinWnd::WindowProc(message, wParam, lParam);
    }
    }
}
