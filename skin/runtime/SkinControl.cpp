#include "SkinControl.h"

#include "ChildLookup.h"
#include "ControlObject.h"
#include "Skin.h"
#include "SkinMessages.h"
#include "WindowRegistry.h"

namespace {
constexpr UINT kRedrawControl = RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME;
constexpr int kTooltipType = 42;
} // namespace

SkinControl::~SkinControl() = default;

bool SkinControl::TakesFonts() const {
    return kind_ != kKindProgress && kind_ != kKindScrollBar && kind_ != kKindTrackbar &&
           kind_ != kKindUpDown;
}

SkinObject* SkinControl::PerControlObject() const {
    SkinWnd* owner = WindowRegistry::Instance().Lookup(ownerWindow_);
    if (!owner || !owner->Object() || !hwnd_) return nullptr;
    return FindChildControl(*owner->Object(), ObjectTypeForKind(kind_),
                            static_cast<int>(GetWindowLongPtrW(hwnd_, GWL_ID)));
}

bool SkinControl::ApplyFontAndPlacement(SkinObject* object, bool redraw) {
    auto* control = dynamic_cast<ControlObject*>(object);
    const bool places = control && control->autoPlace;
    if (TakesFonts()) {
        HFONT font = control && control->autoSkinFont ? static_cast<HFONT>(control->FontHandle()) : nullptr;
        if (font) {
            // The control's own font is read now, not from a posted message
            // that could arrive after the skin font was replaced.
            if (!fontSaved_) {
                savedFont_ = reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0));
                fontSaved_ = true;
            }
            skinFont_ = font;
            CallPrev(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw && !places);
        } else if (fontSaved_) {
            skinFont_ = nullptr;
            CallPrev(WM_SETFONT, reinterpret_cast<WPARAM>(savedFont_), redraw);
            savedFont_ = nullptr;
            fontSaved_ = false;
        }
    }
    if (places) {
        const SkinRect& r = control->autoPlaceRect;
        MoveWindow(hwnd_, r.left, r.top, r.Width(), r.Height(), TRUE);
    }
    return places;
}

bool SkinControl::Attach(HWND hwnd) {
    const HWND parent = GetParent(hwnd);
    if (parent && SendMessageW(parent, kWmSkinQuerySkip, static_cast<WPARAM>(GetWindowLongPtrW(hwnd, GWL_ID)),
                               reinterpret_cast<LPARAM>(hwnd)) != 0) {
        return false;
    }
    hwnd_ = hwnd;
    if (SkinObject* own = PerControlObject()) SkinWnd::SetObject(own);
    if (!SkinWnd::Attach(hwnd)) return false;
    ApplyFontAndPlacement(object_, true);
    return true;
}

void SkinControl::Detach() {
    if (TakesFonts() && fontSaved_ && !destroyed_ && hwnd_) {
        CallPrev(WM_SETFONT, reinterpret_cast<WPARAM>(savedFont_), TRUE);
    }
    fontSaved_ = false;
    savedFont_ = nullptr;
    skinFont_ = nullptr;
    SkinWnd::Detach();
}

SkinObject* SkinControl::SetObject(SkinObject* object) {
    if (hwnd_ && GetPropW(hwnd_, L"OBJECT") == this) {
        if (SkinObject* own = PerControlObject()) object = own;
    }
    SkinObject* previous = SkinWnd::SetObject(object);
    if (hwnd_ && GetPropW(hwnd_, L"OBJECT") == this) {
        if (ApplyFontAndPlacement(object, false)) return previous;
        RedrawWindow(hwnd_, nullptr, nullptr, kRedrawControl);
    }
    return previous;
}

SkinObject* SkinControl::TooltipObject() {
    if (object_) {
        if (SkinObject* own = FindChildControl(*object_, kTooltipType, 0)) return own;
    }
    return SkinWnd::TooltipObject();
}

void SkinControl::PaintOwnerBackground(HDC dc, const RECT& rect) {
    const HWND parent = GetParent(hwnd_);
    if (!parent || !SendMessageW(parent, kWmSkinChildBkgnd, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(hwnd_))) {
        FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    }
}

LRESULT SkinControl::CallPrevAndInvalidate(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = hwnd_;
    const LRESULT result = CallPrev(message, wParam, lParam);
    if (FromWindow(hwnd) == this) InvalidateRect(hwnd, nullptr, FALSE);
    return result;
}

void SkinControl::PaintThroughBuffer(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    HDC buffer = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right > 0 ? client.right : 1,
                                            client.bottom > 0 ? client.bottom : 1);
    HGDIOBJ old = SelectObject(buffer, bitmap);
    PaintWhole(buffer);
    BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
    SelectObject(buffer, old);
    DeleteObject(bitmap);
    DeleteDC(buffer);
}

void SkinControl::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    PaintThroughBuffer(dc);
    EndPaint(hwnd_, &ps);
}

void SkinControl::RepaintNow() {
    if (!hwnd_ || !IsWindow(hwnd_)) return;
    HDC dc = GetDC(hwnd_);
    PaintThroughBuffer(dc);
    ReleaseDC(hwnd_, dc);
}

void SkinControl::OnMouseLeave() {
    if (!hovering_) return;
    hovering_ = false;
    InvalidateRect(hwnd_, nullptr, FALSE);
    UpdateWindow(hwnd_);
    HideTooltip();
}

LRESULT SkinControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_UPDATEUISTATE:
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_NCDESTROY:
        if (ownerWindow_ && IsWindow(ownerWindow_)) {
            // The owner drops (and deletes) this skinner: keep what the last
            // call needs in locals first.
            const HWND hwnd = hwnd_;
            const WNDPROC prev = prevProc_;
            destroyed_ = true;
            SendMessageW(ownerWindow_, kWmSkinRemoveChild, reinterpret_cast<WPARAM>(hwnd), 0);
            if (!WindowRegistry::Instance().Lookup(hwnd)) {
                return prev ? CallWindowProcW(prev, hwnd, WM_NCDESTROY, wParam, lParam)
                            : DefWindowProcW(hwnd, WM_NCDESTROY, wParam, lParam);
            }
        }
        return OnNcDestroy(wParam, lParam);
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        HideTooltip();
        return CallPrev(message, wParam, lParam);
    case WM_MOUSEMOVE:
        if (!hovering_) {
            TRACKMOUSEEVENT track{};
            track.cbSize = sizeof track;
            track.dwFlags = TME_LEAVE;
            track.hwndTrack = hwnd_;
            track.dwHoverTime = HOVER_DEFAULT;
            TrackMouseEvent(&track);
            hovering_ = true;
            InvalidateRect(hwnd_, nullptr, FALSE);
            UpdateWindow(hwnd_);
            ShowTooltip();
        }
        return CallPrev(message, wParam, lParam);
    case WM_MOUSELEAVE:
        OnMouseLeave();
        return CallPrev(message, wParam, lParam);
    case WM_SETFONT:
        if (skinFont_ && reinterpret_cast<HFONT>(wParam) != skinFont_) {
            // The application's font: given back at detach.
            savedFont_ = reinterpret_cast<HFONT>(wParam);
            fontSaved_ = true;
            return 0;
        }
        return CallPrev(message, wParam, lParam);
    case kWmSkinSaveFont:
        savedFont_ = reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0));
        fontSaved_ = true;
        return 0;
    default:
        return SkinWnd::WindowProc(message, wParam, lParam);
    }
}
