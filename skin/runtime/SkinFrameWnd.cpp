#include "SkinFrameWnd.h"

#include <algorithm>

#include "SkinMessages.h"
#include "WindowFrameObjects.h"

namespace {
constexpr UINT kRedrawAll =
    RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_ALLCHILDREN | RDW_ERASENOW | RDW_FRAME;
constexpr UINT kFrameChanged = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
} // namespace

SkinFrameWnd::SkinFrameWnd() : menuBar_(std::make_unique<SkinMenuBar>(*this)) {}

SkinFrameWnd::~SkinFrameWnd() = default;

bool SkinFrameWnd::Resizable() const {
    return IsResizableStyle(static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)));
}

bool SkinFrameWnd::Attach(HWND hwnd) {
    isMdiChild_ = (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
    if (!isMdiChild_) {
        // The bar draws the menu from now on; the system must not.
        if (HMENU menu = ::GetMenu(hwnd)) {
            menuBar_->SetMenu(menu);
            ::SetMenu(hwnd, nullptr);
        }
    }
    if (!SkinFramedWnd::Attach(hwnd)) {
        GiveMenuBack();
        return false;
    }
    if (Resizable()) {
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, kFrameChanged);
    } else {
        KeepClientSize();
        ResetLastWindowRect();
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, kFrameChanged);
        RedrawWindow(hwnd, nullptr, nullptr, kRedrawAll);
    }
    return true;
}

void SkinFrameWnd::GiveMenuBack() {
    HMENU menu = menuBar_->Menu();
    menuBar_->SetMenu(nullptr);
    if (menu && hwnd_ && !destroyed_ && IsWindow(hwnd_)) {
        ::SetMenu(hwnd_, menu);
        DrawMenuBar(hwnd_);
    }
}

void SkinFrameWnd::Detach() {
    SkinFramedWnd::Detach();
    GiveMenuBack();
}

HMENU SkinFrameWnd::GetMenu() {
    return menuBar_->Menu();
}

void SkinFrameWnd::SetMenu(HMENU menu) {
    menuBar_->SetMenu(menu);
    ResetLastWindowRect();
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, kFrameChanged);
}

LRESULT SkinFrameWnd::MenuKey(WPARAM key, LPARAM flags) {
    return menuBar_->Key(key, flags);
}

RECT SkinFrameWnd::MenuBarRect() {
    return menuBar_->Rect();
}

int SkinFrameWnd::MenuBarHeight(int windowWidth) const {
    return menuBar_->Height(windowWidth, design_[kPartLeft].Width(), design_[kPartRight].Width());
}

void SkinFrameWnd::PaintExtra(HDC dc) {
    const int width = parts_.part[kPartBottomRight].right;
    const int height = MenuBarHeight(width);
    const int top = parts_.part[kPartTopLeft].bottom;
    menuBar_->Layout(
        height > 0 ? RECT{design_[kPartLeft].Width(), top, width - design_[kPartRight].Width(), top + height}
                   : RECT{});
    menuBar_->Paint(dc);
}

SkinObject* SkinFrameWnd::SetObject(SkinObject* object) {
    SkinObject* previous = SkinWnd::SetObject(object);
    if (auto* frame = dynamic_cast<const FrameWindowObject*>(object))
        menuBar_->SetObject(frame->menuBar.get());
    if (!hwnd_ || !object) return previous;
    background_.Release();
    if (!IsIconic(hwnd_)) {
        if (Resizable()) {
            const WindowFrameObject* frame = FrameObject();
            const FrameSize minimum = frame ? MinimumFrameSize(Design()) : FrameSize{10, 10};
            RECT window{};
            ::GetWindowRect(hwnd_, &window);
            if (window.right - window.left < minimum.width || window.bottom - window.top < minimum.height) {
                POINT origin{window.left, window.top};
                if (isMdiChild_) ScreenToClient(GetParent(hwnd_), &origin);
                MoveWindow(hwnd_, origin.x, origin.y,
                           std::max<int>(window.right - window.left, minimum.width),
                           std::max<int>(window.bottom - window.top, minimum.height), TRUE);
                return previous;
            }
        } else {
            KeepClientSize();
            ResetLastWindowRect();
            RedrawWindow(hwnd_, nullptr, nullptr, kRedrawAll);
        }
    }
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, kFrameChanged);
    InvalidateRect(hwnd_, nullptr, TRUE);
    UpdateWindow(hwnd_);
    return previous;
}

int SkinFrameWnd::HitTest(int x, int y) {
    FrameHitInput in;
    in.parts = parts_;
    const RECT bar = MenuBarRect();
    in.menuBar = SkinRect{bar.left, bar.top, bar.right, bar.bottom};
    in.resizable = Resizable();
    in.maximized = ShowsMaximized();
    in.elementHit = ElementHit(x, y);
    return FrameHitTest(in, x, y);
}

void SkinFrameWnd::PaintCaptionText(HDC dc, bool) {
    PaintCaptionTextFor(dc);
}

LRESULT SkinFrameWnd::OnNcButtonDown(WPARAM hit, LPARAM point) {
    const POINT p = WindowPoint(point);
    if (OfferToElements(WM_LBUTTONDOWN, p.x, p.y)) return 0;
    const RECT bar = menuBar_->Rect();
    if (PtInRect(&bar, p)) {
        menuBar_->MouseDown(p);
        return 0;
    }
    // A maximized frame is never moved or sized from its frame.
    if (ShowsMaximized()) return 0;
    return CallPrevHiding(WS_SYSMENU, WM_NCLBUTTONDOWN, hit, point);
}

LRESULT SkinFrameWnd::OnNcButtonUp(WPARAM hit, LPARAM point) {
    const POINT p = WindowPoint(point);
    if (OfferToElements(WM_LBUTTONUP, p.x, p.y)) return 0;
    if (!ShowsMaximized()) return CallPrevHiding(WS_SYSMENU, WM_NCLBUTTONUP, hit, point);
    // A maximized frame swallows its button-downs, so the system never
    // reports a double click: two button-ups close together count as one.
    const unsigned long long now = Now();
    const bool doubleClick = IsCaptionDoubleClick(lastUpTime_, now);
    lastUpTime_ = doubleClick ? 0 : now;
    if (doubleClick) return OnNcDoubleClick(hit, point);
    return 0;
}

LRESULT SkinFrameWnd::OnNcDoubleClick(WPARAM hit, LPARAM point) {
    const POINT p = WindowPoint(point);
    if (OfferToElements(WM_LBUTTONDBLCLK, p.x, p.y)) return 0;
    if (hit == HTCAPTION && Resizable()) {
        PostMessageW(hwnd_, WM_SYSCOMMAND, IsZoomed(hwnd_) ? SC_RESTORE : SC_MAXIMIZE, 0);
    }
    return 0;
}

LRESULT SkinFrameWnd::OnNcMouseMove(WPARAM hit, LPARAM point) {
    const LRESULT result = OnNcMouse(WM_NCMOUSEMOVE, hit, point);
    if (IsWindow(hwnd_) && SkinWnd::FromWindow(hwnd_) == this) menuBar_->MouseMove(WindowPoint(point));
    return result;
}

LRESULT SkinFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!FrameObject()) return SkinWnd::WindowProc(message, wParam, lParam);
    LRESULT result = 0;
    switch (message) {
    case WM_NCLBUTTONDOWN:
        return OnNcButtonDown(wParam, lParam);
    case WM_NCLBUTTONUP:
        return OnNcButtonUp(wParam, lParam);
    case WM_NCLBUTTONDBLCLK:
        return OnNcDoubleClick(wParam, lParam);
    case WM_NCMOUSEMOVE:
        return OnNcMouseMove(wParam, lParam);
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK: {
        const POINT p = WindowPoint(lParam);
        OfferToElements(WM_RBUTTONDOWN, p.x, p.y);
        return 0;
    }
    case WM_NCRBUTTONUP: {
        const POINT p = WindowPoint(lParam);
        if (OfferToElements(WM_RBUTTONUP, p.x, p.y)) return 0;
        return CallPrev(message, wParam, lParam);
    }
    case WM_NCACTIVATE: {
        ncActive_ = wParam != 0;
        const LRESULT result = CallPrevWithStyle(QuietStyle(), message, wParam, lParam);
        RepaintFrame();
        return result;
    }
    case WM_SETTEXT:
    case WM_SETICON: {
        const LRESULT result = CallPrevHiding(WS_CAPTION, message, wParam, lParam);
        RepaintFrame();
        return result;
    }
    case WM_INITMENU:
    case WM_INITMENUPOPUP: {
        const LRESULT result = CallPrevWithStyle(QuietStyle(), message, wParam, lParam);
        RepaintFrame();
        return result;
    }
    case WM_SETCURSOR:
        return CallPrevHiding(WS_SYSMENU, message, wParam, lParam);
    case WM_GETMINMAXINFO: {
        const LRESULT result = CallPrev(message, wParam, lParam);
        OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
        return result;
    }
    case WM_ERASEBKGND:
        if (auto* frame = dynamic_cast<const FrameWindowObject*>(FrameObject()); frame && frame->skinClient) {
            return OnEraseBackground(reinterpret_cast<HDC>(wParam));
        }
        return CallPrev(message, wParam, lParam);
    case kWmSkinGetStyle:
        return static_cast<LRESULT>(attachStyle_);
    case kWmSkinMenuClickOut:
    case kWmSkinMenuClickOut2: {
        // The click that closed a drop-down acts on the bar only; elsewhere
        // it is spent closing the menu, as with the system's menus.
        const POINT p = WindowPoint(lParam);
        const RECT bar = menuBar_->Rect();
        if (PtInRect(&bar, p)) menuBar_->MouseDown(p);
        return 0;
    }
    case kWmSkinMenuMoveOut: {
        const POINT p = WindowPoint(lParam);
        const RECT bar = menuBar_->Rect();
        if (PtInRect(&bar, p)) menuBar_->MouseMove(p);
        return 0;
    }
    case kWmSkinMenuEnded:
        menuBar_->OnMenuEnded();
        return CallPrev(message, wParam, lParam);
    case WM_KEYDOWN:
        if (menuBar_->OnKeyDown(wParam)) return 0;
        return CallPrev(message, wParam, lParam);
    case WM_KILLFOCUS:
        menuBar_->OnFocusLost();
        return CallPrev(message, wParam, lParam);
    case WM_TIMER:
        if (menuBar_->OnTimer(wParam)) return 0;
        return SkinWnd::WindowProc(message, wParam, lParam);
    case WM_NCPAINT:
        // A menu the application set after attach goes to the bar too.
        if (!isMdiChild_ && !menuBar_->Menu()) {
            if (HMENU menu = ::GetMenu(hwnd_); menu && IsMenu(menu)) {
                menuBar_->SetMenu(menu);
                ::SetMenu(hwnd_, nullptr);
                return 0;
            }
        }
        return HandleFrameMessage(message, wParam, lParam, result) ? result : 0;
    case WM_DESTROY:
        // The window destroys its menu with itself: it gets it back first.
        GiveMenuBack();
        return CallPrev(message, wParam, lParam);
    default:
        if (HandleFrameMessage(message, wParam, lParam, result)) return result;
        return SkinWnd::WindowProc(message, wParam, lParam);
    }
}
