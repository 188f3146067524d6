#include "SkinFrameWnd.h"

#include <algorithm>

#include "SkinMdiClient.h"
#include "SkinMessages.h"
#include "WindowFrameObjects.h"
#include "WindowRegistry.h"
#include "WindowText.h"

namespace {
constexpr UINT kRedrawAll =
    RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_ALLCHILDREN | RDW_ERASENOW | RDW_FRAME;
constexpr UINT kFrameChanged = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
} // namespace

SkinFrameWnd::SkinFrameWnd() : menuBar_(std::make_unique<SkinMenuBar>(*this)) {}

SkinFrameWnd::~SkinFrameWnd() = default;

DWORD SkinFrameWnd::FrameQuietStyle() const {
    // An MDI child stays a child: it only loses the bits that draw caption
    // buttons.
    if (isMdiChild_) {
        return static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)) &
               ~(WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    }
    return QuietStyle();
}

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
    if (!isMdiChild_) AttachMdiClient();
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

void SkinFrameWnd::AttachMdiClient() {
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (_stricmp(WindowClassNameAscii(child).c_str(), "MDIClient") != 0) continue;
        // The children paint themselves; the background goes around them.
        SetWindowLongPtrW(child, GWL_STYLE,
                          GetWindowLongPtrW(child, GWL_STYLE) | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
        SkinWnd* client = WindowRegistry::Instance().Register(std::make_unique<SkinMdiClient>(), child);
        if (!client) return;
        client->SetOwnerWindow(hwnd_);
        if (!client->Attach(child)) {
            WindowRegistry::Instance().Unregister(child);
            return;
        }
        mdiClient_ = child;
        InvalidateRect(child, nullptr, TRUE);
        UpdateWindow(child);
        return;
    }
}

HWND SkinFrameWnd::ActiveMdiChild(bool* maximized) {
    if (maximized) *maximized = false;
    if (!mdiClient_ || !IsWindow(mdiClient_)) return nullptr;
    SkinWnd* client = WindowRegistry::Instance().Lookup(mdiClient_);
    if (client) return client->ActiveMdiChild(maximized);
    BOOL zoomed = FALSE;
    const HWND child = reinterpret_cast<HWND>(
        SendMessageW(mdiClient_, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&zoomed)));
    if (maximized) *maximized = child && zoomed;
    return child;
}

RECT SkinFrameWnd::MaximizedGeometry() {
    if (isMdiChild_) {
        RECT parent{};
        GetClientRect(GetParent(hwnd_), &parent);
        const int left = design_[kPartLeft].Width();
        const int top = design_[kPartTopLeft].Height();
        return RECT{-left, -top, parent.right + design_[kPartRight].Width(),
                    parent.bottom + design_[kPartBottomLeft].Height()};
    }
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &monitor)) return RECT{};
    // Maximized frames fill the work area, not the whole monitor: the skin
    // has no hidden border to push off screen. Relative to the monitor, as
    // MINMAXINFO wants it.
    return RECT{monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top,
                monitor.rcWork.right - monitor.rcMonitor.left, monitor.rcWork.bottom - monitor.rcMonitor.top};
}

void SkinFrameWnd::OnMinMaxInfo(MINMAXINFO* info) {
    if (!FrameObject()) return;
    const RECT maximized = MaximizedGeometry();
    if (!IsRectEmpty(&maximized)) {
        info->ptMaxPosition = POINT{maximized.left, maximized.top};
        info->ptMaxSize = POINT{maximized.right - maximized.left, maximized.bottom - maximized.top};
    }
    if (isMdiChild_) {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        if (GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &monitor)) {
            info->ptMaxTrackSize.x =
                std::min<LONG>(info->ptMaxTrackSize.x, monitor.rcMonitor.right - monitor.rcMonitor.left);
            info->ptMaxTrackSize.y =
                std::min<LONG>(info->ptMaxTrackSize.y, monitor.rcMonitor.bottom - monitor.rcMonitor.top);
        }
        // The zoomed size must stay reachable: the system clamps every size
        // to the largest tracking size.
        info->ptMaxTrackSize.x = std::max<LONG>(info->ptMaxTrackSize.x, info->ptMaxSize.x);
        info->ptMaxTrackSize.y = std::max<LONG>(info->ptMaxTrackSize.y, info->ptMaxSize.y);
    }
    const FrameSize minimum = MinimumFrameSize(Design());
    info->ptMinTrackSize.x = std::max<LONG>(info->ptMinTrackSize.x, minimum.width);
    info->ptMinTrackSize.y = std::max<LONG>(info->ptMinTrackSize.y, minimum.height);
}

void SkinFrameWnd::PlaceZoomedMdiChild() {
    if (placing_ || !IsZoomed(hwnd_) || !FrameObject()) return;
    const RECT target = MaximizedGeometry();
    RECT now{};
    ::GetWindowRect(hwnd_, &now);
    MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&now), 2);
    if (EqualRect(&now, &target)) return;
    placing_ = true;
    SetWindowPos(hwnd_, nullptr, target.left, target.top, target.right - target.left,
                 target.bottom - target.top, SWP_NOZORDER | SWP_NOACTIVATE);
    placing_ = false;
}

void SkinFrameWnd::RefreshParentFrame() {
    const HWND client = GetParent(hwnd_);
    const HWND frame = client ? GetParent(client) : nullptr;
    auto* skinner = frame ? dynamic_cast<SkinFrameWnd*>(WindowRegistry::Instance().Lookup(frame)) : nullptr;
    if (!skinner) return;
    // The bar's height changes only with the maximized state; its buttons
    // and icon follow whichever child is zoomed.
    if (skinner->MenuBar().MdiStateStale()) {
        SetWindowPos(frame, nullptr, 0, 0, 0, 0, kFrameChanged);
    } else if (!skinner->MenuBar().ShowsMdiButtons()) {
        return;
    }
    RedrawWindow(frame, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void SkinFrameWnd::Detach() {
    if (mdiClient_) {
        WindowRegistry::Instance().Unregister(mdiClient_);
        mdiClient_ = nullptr;
    }
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
    if (mdiClient_) InvalidateRect(mdiClient_, nullptr, TRUE);
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
    if (!isMdiChild_) return CallPrevHiding(WS_SYSMENU, WM_NCLBUTTONDOWN, hit, point);
    // The move loop of a child also repaints the frame it sits in.
    const HWND root = GetAncestor(hwnd_, GA_ROOT);
    const LONG_PTR rootStyle = GetWindowLongPtrW(root, GWL_STYLE);
    if (root != hwnd_) SetWindowLongPtrW(root, GWL_STYLE, rootStyle & ~static_cast<LONG_PTR>(WS_SYSMENU));
    const LRESULT result = CallPrevHiding(WS_SYSMENU, WM_NCLBUTTONDOWN, hit, point);
    if (root != hwnd_ && IsWindow(root)) {
        SetWindowLongPtrW(root, GWL_STYLE, GetWindowLongPtrW(root, GWL_STYLE) | (rootStyle & WS_SYSMENU));
    }
    return result;
}

LRESULT SkinFrameWnd::OnNcButtonUp(WPARAM hit, LPARAM point) {
    const POINT p = WindowPoint(point);
    if (OfferToElements(WM_LBUTTONUP, p.x, p.y)) return 0;
    if (menuBar_->MouseUp(p)) return 0;
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
        const LRESULT result = CallPrevWithStyle(FrameQuietStyle(), message, wParam, lParam);
        RepaintFrame();
        return result;
    }
    case WM_SETTEXT:
    case WM_SETICON: {
        const LRESULT result = isMdiChild_ && message == WM_SETTEXT
                                   ? CallPrevWithStyle(FrameQuietStyle(), message, wParam, lParam)
                                   : CallPrevHiding(WS_CAPTION, message, wParam, lParam);
        RepaintFrame();
        return result;
    }
    case WM_INITMENU:
    case WM_INITMENUPOPUP: {
        const LRESULT result = CallPrevWithStyle(FrameQuietStyle(), message, wParam, lParam);
        RepaintFrame();
        return result;
    }
    case WM_SETCURSOR:
        return CallPrevHiding(WS_SYSMENU, message, wParam, lParam);
    case WM_GETMINMAXINFO: {
        const LRESULT result = CallPrev(message, wParam, lParam);
        OnMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
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
    case WM_WINDOWPOSCHANGED:
        if (isMdiChild_) {
            // The MDI machinery redraws a child's caption as it moves.
            const HWND hwnd = hwnd_;
            const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
            SetWindowLongPtrW(hwnd, GWL_STYLE, style & ~WS_SYSMENU);
            HandleFrameMessage(message, wParam, lParam, result);
            // Only locals until the skinner is known to be alive.
            if (IsWindow(hwnd)) {
                const DWORD now = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
                SetWindowLongPtrW(hwnd, GWL_STYLE, now | (style & WS_SYSMENU));
                if (SkinWnd::FromWindow(hwnd) == this) RepaintFrame();
            }
            return result;
        }
        if (HandleFrameMessage(message, wParam, lParam, result)) return result;
        return SkinWnd::WindowProc(message, wParam, lParam);
    case WM_SIZE: {
        const LRESULT result = CallPrev(message, wParam, lParam);
        if (isMdiChild_ && IsWindow(hwnd_) && SkinWnd::FromWindow(hwnd_) == this) {
            PlaceZoomedMdiChild();
            if (!placing_) RefreshParentFrame();
        }
        return result;
    }
    case WM_DESTROY:
        if (isMdiChild_) {
            // The client repaints where the child was when no other child
            // takes its place.
            RECT gone{};
            ::GetWindowRect(hwnd_, &gone);
            MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&gone), 2);
            SendMessageW(GetParent(hwnd_), kWmSkinMdiChildGone, 0, reinterpret_cast<LPARAM>(&gone));
            RefreshParentFrame();
        }
        // The window destroys its menu with itself: it gets it back first.
        GiveMenuBack();
        return CallPrev(message, wParam, lParam);
    default:
        if (HandleFrameMessage(message, wParam, lParam, result)) return result;
        return SkinWnd::WindowProc(message, wParam, lParam);
    }
}
