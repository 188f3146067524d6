#include "SkinButtonBase.h"

#include <windowsx.h>

#include <cstdint>

#include "ButtonObjects.h"
#include "ButtonRules.h"
#include "GlyphButtonPaint.h"
#include "HiddenCall.h"
#include "Skin.h"
#include "SkinEngine.h"
#include "WindowRegistry.h"

bool SkinButtonBase::Attach(HWND hwnd) {
    if (IsOwnerDrawnButton(static_cast<uint32_t>(GetWindowLongPtrW(hwnd, GWL_STYLE)))) return false;
    if (!SkinControl::Attach(hwnd)) return false;
    const SkinEngine& engine = SkinEngine::Instance();
    if (engine.SystemButtonProc() &&
        UsesSystemButtonProc(engine.Kind(), kind_, reinterpret_cast<uintptr_t>(prevProc_))) {
        replacedProc_ = prevProc_;
        prevProc_ = engine.SystemButtonProc();
    }
    return true;
}

void SkinButtonBase::Detach() {
    if (replacedProc_) prevProc_ = replacedProc_;
    replacedProc_ = nullptr;
    SkinControl::Detach();
}

UINT SkinButtonBase::ButtonState() {
    return static_cast<UINT>(CallPrev(BM_GETSTATE, 0, 0));
}

bool SkinButtonBase::InClient(LPARAM point) const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const POINT p{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    return PtInRect(&client, p) != FALSE;
}

void SkinButtonBase::PaintGlyphLook(HDC dc, bool checkBox) {
    const auto* object = dynamic_cast<const CheckBoxObject*>(object_);
    if (!object) return;
    GlyphButtonPaint paint;
    paint.hwnd = hwnd_;
    paint.object = object;
    paint.skin = &WindowRegistry::Instance().CurrentSkin();
    const UINT state = ButtonState();
    paint.state.checkBox = checkBox;
    paint.state.enabled = IsWindowEnabled(hwnd_) != FALSE;
    paint.state.checkState = static_cast<int>(state & 3);
    paint.state.pushed = (state & BST_PUSHED) != 0;
    paint.state.focused = Focused();
    paint.state.hovering = hovering_;
    paint.state.pressed = pressed_;
    PaintGlyphButton(dc, paint);
}

void SkinButtonBase::Click() {
    // The click action may reach other windows: keep what the notification
    // needs in locals.
    const HWND hwnd = hwnd_;
    const HWND parent = GetParent(hwnd);
    const auto id = static_cast<WORD>(GetWindowLongPtrW(hwnd, GWL_ID));
    ClickAction();
    RepaintNow();
    if (parent) PostMessageW(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(hwnd));
}

void SkinButtonBase::EndPress() {
    if (!pressed_ && !keyPressed_) return;
    pressed_ = false;
    keyPressed_ = false;
    RepaintNow();
}

LRESULT SkinButtonBase::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        // A space-bar press ends when the focus leaves: its release goes to
        // another window, and the button would stay drawn pressed.
        if (message == WM_KILLFOCUS && keyPressed_) EndPress();
        RepaintNow();
        return 0;
    case WM_ENABLE:
    case WM_SETTEXT:
    case BM_SETSTATE: {
        const LRESULT result = CallPrev(message, wParam, lParam);
        RepaintNow();
        return result;
    }
    case BM_SETCHECK:
        // The state stays with the control's own procedure: the version-6
        // button keeps its data in the window words.
        CallHidden(prevProc_, hwnd_, message, wParam, lParam);
        RepaintNow();
        return 0;
    case WM_KEYDOWN:
        if (wParam != VK_SPACE) break;
        HideTooltip();
        pressed_ = true;
        keyPressed_ = true;
        RepaintNow();
        return 0;
    case WM_KEYUP:
        if (wParam != VK_SPACE) break;
        if (!keyPressed_) return 0;
        keyPressed_ = false;
        pressed_ = false;
        Click();
        return 0;
    case WM_CHAR:
    case WM_DEADCHAR:
        if (GetCapture() == hwnd_) {
            ReleaseCapture();
            EndPress();
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        HideTooltip();
        if (GetFocus() != hwnd_) SetFocus(hwnd_);
        SetCapture(hwnd_);
        pressed_ = true;
        RepaintNow();
        return 0;
    case WM_MOUSEMOVE:
        if ((wParam & MK_LBUTTON) && GetCapture() == hwnd_) {
            const bool inside = InClient(lParam);
            if (inside != pressed_) {
                pressed_ = inside;
                RepaintNow();
            }
            return 0;
        }
        break;
    case WM_LBUTTONUP: {
        if (GetCapture() != hwnd_) break;
        const bool inside = InClient(lParam);
        pressed_ = false;
        ReleaseCapture();
        if (inside) {
            Click();
        } else {
            RepaintNow();
        }
        return 0;
    }
    case WM_CAPTURECHANGED:
        // Another window took the mouse: the press ends without a click.
        if (reinterpret_cast<HWND>(lParam) != hwnd_ && pressed_ && !keyPressed_) EndPress();
        break;
    default:
        break;
    }
    return SkinControl::WindowProc(message, wParam, lParam);
}
