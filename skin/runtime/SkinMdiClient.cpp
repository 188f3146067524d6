#include "SkinMdiClient.h"

#include "ImageDraw.h"
#include "Skin.h"
#include "SkinMessages.h"
#include "WindowFrameObjects.h"
#include "WindowRegistry.h"

HWND SkinMdiClient::ActiveMdiChild(bool* maximized) {
    BOOL zoomed = FALSE;
    const HWND child =
        reinterpret_cast<HWND>(SendMessageW(hwnd_, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&zoomed)));
    if (maximized) *maximized = child && zoomed;
    return child;
}

LRESULT SkinMdiClient::OnEraseBackground(HDC dc) {
    // The frame's object, looked up each time: a new skin replaces it.
    SkinWnd* frame = WindowRegistry::Instance().Lookup(GetParent(hwnd_));
    const auto* look = frame ? dynamic_cast<const FrameWindowObject*>(frame->Object()) : nullptr;
    if (!look) return CallPrev(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client{};
    GetClientRect(hwnd_, &client);
    DrawImageRef(dc, client, look->mdiClient, WindowRegistry::Instance().CurrentSkin(),
                 look->clientColor & 0xFFFFFF, true);
    if (!look->mdiClient.IsEmpty() && look->mdiClient.drawMode == kDrawNatural) {
        // A picture smaller than the client leaves the rest to the colour.
        const RECT picture{0, 0, look->mdiClient.source.Width(), look->mdiClient.source.Height()};
        HRGN rest = CreateRectRgnIndirect(&client);
        HRGN covered = CreateRectRgnIndirect(&picture);
        CombineRgn(rest, rest, covered, RGN_DIFF);
        HBRUSH brush = CreateSolidBrush(look->clientColor & 0xFFFFFF);
        FillRgn(dc, rest, brush);
        DeleteObject(brush);
        DeleteObject(covered);
        DeleteObject(rest);
    }
    return 1;
}

LRESULT SkinMdiClient::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return OnEraseBackground(reinterpret_cast<HDC>(wParam));
    case WM_MDICREATE: {
        // A new child starts restored: the maximized one gives way first.
        bool maximized = false;
        if (HWND active = ActiveMdiChild(&maximized); active && maximized) {
            SendMessageW(active, WM_SYSCOMMAND, SC_RESTORE, 0);
        }
        return CallPrev(message, wParam, lParam);
    }
    case kWmSkinMdiChildGone: {
        // With no child left active nothing repaints the place the child
        // covered; with one, the activation repaints it.
        bool maximized = false;
        const HWND active = ActiveMdiChild(&maximized);
        if (!active || !IsWindowVisible(active)) {
            const RECT* gone = reinterpret_cast<const RECT*>(lParam);
            InvalidateRect(hwnd_, gone, TRUE);
            UpdateWindow(hwnd_);
        }
        return 0;
    }
    default:
        return SkinWnd::WindowProc(message, wParam, lParam);
    }
}
