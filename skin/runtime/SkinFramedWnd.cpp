#include "SkinFramedWnd.h"

#include <windowsx.h>

#include <algorithm>

#include "DwmPolicy.h"
#include "SkinMessages.h"
#include "SkinScrollHost.h"
#include "WindowFrameObjects.h"
#include "WindowRegistry.h"
#include "WindowText.h"

namespace {

unsigned long long SystemClock() {
    return GetTickCount64();
}

SkinFramedWnd::Clock g_clock = &SystemClock;

UINT ClientMouseMessage(UINT ncMessage) {
    switch (ncMessage) {
    case WM_NCMOUSEMOVE:
        return WM_MOUSEMOVE;
    case WM_NCLBUTTONDOWN:
        return WM_LBUTTONDOWN;
    case WM_NCLBUTTONUP:
        return WM_LBUTTONUP;
    case WM_NCLBUTTONDBLCLK:
        return WM_LBUTTONDBLCLK;
    case WM_NCRBUTTONDOWN:
        return WM_RBUTTONDOWN;
    case WM_NCRBUTTONUP:
        return WM_RBUTTONUP;
    default:
        return 0;
    }
}

} // namespace

SkinFramedWnd::~SkinFramedWnd() = default;

void SkinFramedWnd::SetClockForTesting(Clock clock) {
    g_clock = clock ? clock : &SystemClock;
}

unsigned long long SkinFramedWnd::Now() {
    return g_clock();
}

bool SkinFramedWnd::Attach(HWND hwnd) {
    if (!SkinWnd::Attach(hwnd)) return false;
    attachStyle_ = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
    ncActive_ = GetActiveWindow() == hwnd;
    // With desktop composition the system would draw its own frame over ours.
    dwmChanged_ = SetNonClientRenderingDisabled(hwnd, true);
    return true;
}

void SkinFramedWnd::Detach() {
    if (dwmChanged_ && !destroyed_) SetNonClientRenderingDisabled(hwnd_, false);
    dwmChanged_ = false;
    background_.Release();
    SkinWnd::Detach();
}

DWORD SkinFramedWnd::QuietStyle() const {
    constexpr DWORD kKeep =
        WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    return (static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)) & kKeep) | WS_POPUP;
}

bool SkinFramedWnd::ShowsMaximized() const {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    return GetWindowPlacement(hwnd_, &placement) && placement.showCmd == SW_SHOWMAXIMIZED;
}

POINT SkinFramedWnd::WindowPoint(LPARAM screenPoint) const {
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    return POINT{GET_X_LPARAM(screenPoint) - window.left, GET_Y_LPARAM(screenPoint) - window.top};
}

bool SkinFramedWnd::HandleFrameMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_NCCALCSIZE:
        result = OnNcCalcSize(wParam, lParam);
        return true;
    case WM_NCPAINT:
        OnNcPaint(reinterpret_cast<HRGN>(wParam));
        result = 0;
        return true;
    case WM_NCHITTEST:
        result = OnNcHitTest(lParam);
        return true;
    case kWmSkinChildBkgnd:
        result = OnChildBackground(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        return true;
    case WM_WINDOWPOSCHANGED:
        result = OnWindowPosChanged(wParam, lParam);
        return true;
    case WM_DPICHANGED:
        result = OnDpiChanged(wParam, lParam);
        return true;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
        result = OnControlColour(message, wParam, lParam);
        return true;
    default:
        return false;
    }
}

LRESULT SkinFramedWnd::OnNcCalcSize(WPARAM wParam, LPARAM lParam) {
    const WindowFrameObject* frame = FrameObject();
    if (!frame) return CallPrev(WM_NCCALCSIZE, wParam, lParam);
    RECT* proposed =
        wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
    const SkinRect window{proposed->left, proposed->top, proposed->right, proposed->bottom};
    const SkinRect client = ClientRectInWindow(Design(), window, MenuBarHeight(window.Width()));
    *proposed = RECT{client.left, client.top, client.right, client.bottom};
    return 0;
}

LRESULT SkinFramedWnd::OnNcHitTest(LPARAM lParam) {
    if (!FrameObject()) return CallPrev(WM_NCHITTEST, 0, lParam);
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    LayoutParts(window.right - window.left, window.bottom - window.top);
    const POINT p = WindowPoint(lParam);
    return HitTest(p.x, p.y);
}

void SkinFramedWnd::OnNcPaint(HRGN update) {
    if (!FrameObject() || !IsWindowVisible(hwnd_)) return;
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    LayoutParts(window.right - window.left, window.bottom - window.top);
    if (SizeChangedSinceRegion(window)) {
        RememberWindowRect(window);
        background_.Release();
        ApplyRegion();
        update = nullptr; // the whole frame is new
    }
    const int menuBarHeight = MenuBarHeight(window.right - window.left);
    PaintNonClientBuffered(update, parts_.part[kPartTopLeft].bottom + menuBarHeight);
}

LRESULT SkinFramedWnd::OnWindowPosChanged(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallPrev(WM_WINDOWPOSCHANGED, wParam, lParam);
    if (!IsWindow(hwnd_) || SkinWnd::FromWindow(hwnd_) != this || !FrameObject()) return result;
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    if (SizeChangedSinceRegion(window)) {
        LayoutParts(window.right - window.left, window.bottom - window.top);
        RememberWindowRect(window);
        background_.Release();
        ApplyRegion();
    }
    return result;
}

void SkinFramedWnd::KeepClientSize() {
    const WindowFrameObject* frame = FrameObject();
    if (!frame) return;
    RECT client{};
    GetClientRect(hwnd_, &client);
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    const FrameSize size =
        WindowSizeForClient(Design(), client.right, client.bottom, MenuBarHeight(client.right));
    POINT origin{window.left, window.top};
    if (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_CHILD) ScreenToClient(GetParent(hwnd_), &origin);
    MoveWindow(hwnd_, origin.x, origin.y, size.width, size.height, FALSE);
}

LRESULT SkinFramedWnd::OnEraseBackground(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (!background_.Matches(client.right, client.bottom) && !background_.Build(*this)) {
        return CallPrev(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    }
    RECT box{};
    if (GetClipBox(dc, &box) == ERROR || !IntersectRect(&box, &box, &client)) box = client;
    background_.CopyTo(dc, box, box.left, box.top);
    return 1;
}

LRESULT SkinFramedWnd::OnChildBackground(HDC dc, HWND child) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (!background_.Matches(client.right, client.bottom) && !background_.Build(*this)) return 0;
    RECT piece{};
    GetClientRect(child, &piece);
    MapWindowPoints(child, hwnd_, reinterpret_cast<POINT*>(&piece), 2);
    const RECT target{0, 0, piece.right - piece.left, piece.bottom - piece.top};
    background_.CopyTo(dc, target, piece.left, piece.top);
    return 1;
}

LRESULT SkinFramedWnd::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
    UpdateDesign();
    ResetLastWindowRect();
    background_.Release();
    const LRESULT result = CallPrev(WM_DPICHANGED, wParam, lParam);
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    if (suggested && IsWindow(hwnd_)) {
        SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    return result;
}

LRESULT SkinFramedWnd::OnControlColour(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND control = reinterpret_cast<HWND>(lParam);
    if (auto* skinned = dynamic_cast<SkinControl*>(WindowRegistry::Instance().Lookup(control))) {
        // Skinned statics paint their own background; skinned edits are
        // painted with their skinner's colours.
        const HDC dc = reinterpret_cast<HDC>(wParam);
        if (auto* host = dynamic_cast<SkinScrollHost*>(skinned)) {
            if (HBRUSH brush = host->ControlColour(message, dc)) return reinterpret_cast<LRESULT>(brush);
        } else if (message == WM_CTLCOLORSTATIC && skinned->Kind() == kKindStatic) {
            SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        }
        return CallPrev(message, wParam, lParam);
    }
    const LRESULT chosen = CallPrev(message, wParam, lParam);
    if (message == WM_CTLCOLOREDIT || reinterpret_cast<HBRUSH>(chosen) != GetSysColorBrush(COLOR_BTNFACE) ||
        WindowRegistry::Instance().Lookup(control)) {
        return chosen;
    }
    const std::string className = WindowClassNameAscii(control);
    if (className != "Static" && className != "Button") return chosen;
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (!background_.Matches(client.right, client.bottom) && !background_.Build(*this)) return chosen;
    HBRUSH brush = background_.PatternBrush();
    if (!brush) return chosen;
    POINT offset{0, 0};
    MapWindowPoints(control, hwnd_, &offset, 1);
    const HDC dc = reinterpret_cast<HDC>(wParam);
    SetBrushOrgEx(dc, -offset.x, -offset.y, nullptr);
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(brush);
}

LRESULT SkinFramedWnd::OnNcMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT p = WindowPoint(lParam);
    if (message != WM_NCMOUSEMOVE && OfferToElements(ClientMouseMessage(message), p.x, p.y)) return 0;
    const LRESULT result = CallPrevHiding(WS_SYSMENU, message, wParam, lParam);
    if (message == WM_NCMOUSEMOVE && IsWindow(hwnd_)) OfferToElements(WM_MOUSEMOVE, p.x, p.y);
    return result;
}
