#include "SkinComboBox.h"

#include <windowsx.h>

#include <string>

#include "EditObjects.h"
#include "NineGridDraw.h"
#include "Skin.h"
#include "WindowRegistry.h"

namespace {

// The text keeps off the edge of its (highlighted) area.
constexpr int kTextIndent = 2;

void FillColour(HDC dc, const RECT& rect, COLORREF colour) {
    const COLORREF old = SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

RECT ToRect(const SkinRect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

} // namespace

SkinComboBox::~SkinComboBox() {
    ReleaseBrushes();
}

const ComboBoxObject* SkinComboBox::Combo() const {
    return dynamic_cast<const ComboBoxObject*>(object_);
}

bool SkinComboBox::Attach(HWND hwnd) {
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
    if (!ComboIsSkinned(style)) return false;
    ownerContent_ = ComboHasOwnerContent(style);
    if (!SkinControl::Attach(hwnd)) return false;
    // The style tells: the creation hook attaches before the edit exists.
    if (ComboHasEdit(style) && !(style & WS_CLIPCHILDREN)) {
        // The skin's picture must not cover the edit inside the combo.
        SetWindowLongPtrW(hwnd, GWL_STYLE, style | WS_CLIPCHILDREN);
        addedClipChildren_ = true;
    }
    return true;
}

void SkinComboBox::Detach() {
    if (addedClipChildren_ && hwnd_ && !destroyed_) {
        SetWindowLongPtrW(hwnd_, GWL_STYLE, GetWindowLongPtrW(hwnd_, GWL_STYLE) & ~WS_CLIPCHILDREN);
    }
    addedClipChildren_ = false;
    state_ = ComboButtonState::kNormal;
    SkinControl::Detach();
}

SkinObject* SkinComboBox::SetObject(SkinObject* object) {
    ReleaseBrushes();
    return SkinControl::SetObject(object);
}

void SkinComboBox::ReleaseBrushes() {
    if (backBrush_) DeleteObject(backBrush_);
    if (disabledBrush_) DeleteObject(disabledBrush_);
    backBrush_ = nullptr;
    disabledBrush_ = nullptr;
}

HBRUSH SkinComboBox::BackBrush() {
    const ComboBoxObject* combo = Combo();
    if (!backBrush_ && combo) backBrush_ = CreateSolidBrush(combo->color1 & 0xFFFFFF);
    return backBrush_;
}

HBRUSH SkinComboBox::DisabledBrush() {
    const ComboBoxObject* combo = Combo();
    if (!disabledBrush_ && combo) disabledBrush_ = CreateSolidBrush(combo->disabledBackground & 0xFFFFFF);
    return disabledBrush_;
}

ComboLayout SkinComboBox::Layout() const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    ComboMargins margins;
    if (const ComboBoxObject* combo = Combo(); combo && !combo->mainImage.IsEmpty()) {
        margins = ComboMargins{combo->mainImage.marginLeft, combo->mainImage.marginTop,
                               combo->mainImage.marginRight, combo->mainImage.marginBottom};
    }
    return LayoutCombo(client.right, client.bottom, margins, MulDiv(kComboButtonWidth, Dpi(), 96),
                       MulDiv(kComboHoverWidth, Dpi(), 96));
}

bool SkinComboBox::HasFocus() const {
    const HWND focus = GetFocus();
    return focus && (focus == hwnd_ || IsChild(hwnd_, focus));
}

void SkinComboBox::SetButtonState(ComboButtonState state) {
    if (state == state_) return;
    state_ = state;
    Refresh();
}

void SkinComboBox::Refresh() {
    if (!hwnd_ || !IsWindow(hwnd_)) return;
    InvalidateRect(hwnd_, nullptr, FALSE);
    UpdateWindow(hwnd_);
}

void SkinComboBox::PaintFrameAndButton(HDC dc, const RECT& client, const ComboLayout& layout,
                                       const ComboBoxObject& combo) {
    const Skin& skin = WindowRegistry::Instance().CurrentSkin();
    const bool enabled = IsWindowEnabled(hwnd_) != FALSE;
    FillColour(dc, client, combo.color1 & 0xFFFFFF);
    if (!combo.mainImage.IsEmpty()) DrawNineGrid(dc, client, combo.mainImage, skin, combo.color1, false);
    const RECT inner = ToRect(layout.inner);
    FillRect(dc, &inner, enabled ? BackBrush() : DisabledBrush());
    const ComboThumb thumb = ComboThumbFor(enabled, state_);
    const NineGridImage& image =
        combo.thumbs[thumb].IsEmpty() ? combo.thumbs[ComboBoxObject::Normal] : combo.thumbs[thumb];
    const RECT button = ToRect(layout.dropButton);
    if (!image.IsEmpty() && button.right > button.left && button.bottom > button.top) {
        DrawNineGridKeyed(dc, button, image, skin, transparentColor_);
    }
}

void SkinComboBox::PaintSelection(HDC dc, const ComboLayout& layout, const ComboBoxObject& combo) {
    const bool enabled = IsWindowEnabled(hwnd_) != FALSE;
    const bool focused = enabled && HasFocus();
    const RECT text = ToRect(layout.text);
    if (focused) {
        FillColour(dc, text, combo.focusColor & 0xFFFFFF);
    } else if (!enabled) {
        FillColour(dc, text, combo.disabledBackground & 0xFFFFFF);
    }
    const LRESULT selection = CallPrev(CB_GETCURSEL, 0, 0);
    if (selection == CB_ERR) return;
    const LRESULT length = CallPrev(CB_GETLBTEXTLEN, static_cast<WPARAM>(selection), 0);
    if (length == CB_ERR || length <= 0) return;
    std::wstring item(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied =
        CallPrev(CB_GETLBTEXT, static_cast<WPARAM>(selection), reinterpret_cast<LPARAM>(item.data()));
    if (copied == CB_ERR || copied <= 0) return;
    const COLORREF colour = !enabled ? combo.disabledText : focused ? combo.focusTextColor : combo.color2;
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, colour & 0xFFFFFF);
    RECT area = text;
    area.left += kTextIndent;
    DrawTextW(dc, item.c_str(), static_cast<int>(copied), &area, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}

void SkinComboBox::PaintWhole(HDC dc) {
    const ComboBoxObject* combo = Combo();
    if (!combo) return;
    RECT client{};
    GetClientRect(hwnd_, &client);
    const ComboLayout layout = Layout();
    if (!ownerContent_) {
        PaintFrameAndButton(dc, client, layout, *combo);
        PaintSelection(dc, layout, *combo);
        return;
    }
    // The owner draws the item: the control paints itself into a buffer,
    // and its content goes into the skin's frame.
    const int width = client.right > 0 ? client.right : 1;
    const int height = client.bottom > 0 ? client.bottom : 1;
    HDC own = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ old = SelectObject(own, bitmap);
    FillRect(own, &client, GetSysColorBrush(COLOR_WINDOW));
    CallPrev(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(own), PRF_CLIENT);
    PaintFrameAndButton(dc, client, layout, *combo);
    const SkinRect& inner = layout.inner;
    BitBlt(dc, inner.left, inner.top, layout.dropButton.left - inner.left, inner.Height(), own, inner.left,
           inner.top, SRCCOPY);
    SelectObject(own, old);
    DeleteObject(bitmap);
    DeleteDC(own);
}

LRESULT SkinComboBox::EditColour(UINT message, WPARAM wParam, LPARAM lParam) {
    const ComboBoxObject* combo = Combo();
    if (!combo) return CallPrev(message, wParam, lParam);
    const HDC dc = reinterpret_cast<HDC>(wParam);
    const HWND control = reinterpret_cast<HWND>(lParam);
    const bool disabled = !IsWindowEnabled(hwnd_) || (control && !IsWindowEnabled(control));
    if (message == WM_CTLCOLOREDIT && !disabled) {
        SetBkColor(dc, combo->color1 & 0xFFFFFF);
        SetTextColor(dc, combo->color2 & 0xFFFFFF);
        return reinterpret_cast<LRESULT>(BackBrush());
    }
    HBRUSH brush = DisabledBrush();
    if (!brush) return CallPrev(message, wParam, lParam);
    SetBkColor(dc, combo->disabledBackground & 0xFFFFFF);
    SetTextColor(dc, combo->disabledText & 0xFFFFFF);
    return reinterpret_cast<LRESULT>(brush);
}

LRESULT SkinComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = hwnd_;
    // Whether this skinner still drives the window after passing a message
    // on (the window may be gone).
    auto alive = [this, hwnd] { return IsWindow(hwnd) && FromWindow(hwnd) == this; };
    switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_COMMAND:
    case WM_ENABLE:
    case CB_SELECTSTRING:
    case CB_SETCURSEL: {
        const LRESULT result = SkinControl::WindowProc(message, wParam, lParam);
        if (alive()) Refresh();
        return result;
    }
    case WM_MOUSEMOVE: {
        const LRESULT result = SkinControl::WindowProc(message, wParam, lParam);
        if (alive() && state_ != ComboButtonState::kPressed) {
            const bool inZone = InRect(Layout().hoverZone, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            SetButtonState(inZone ? ComboButtonState::kHover : ComboButtonState::kNormal);
        }
        return result;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const LRESULT result = SkinControl::WindowProc(message, wParam, lParam);
        if (alive()) SetButtonState(ComboButtonState::kPressed);
        return result;
    }
    case WM_LBUTTONUP:
    case WM_MOUSELEAVE: {
        const LRESULT result = SkinControl::WindowProc(message, wParam, lParam);
        if (alive()) SetButtonState(ComboButtonState::kNormal);
        return result;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        return EditColour(message, wParam, lParam);
    default:
        return SkinControl::WindowProc(message, wParam, lParam);
    }
}
