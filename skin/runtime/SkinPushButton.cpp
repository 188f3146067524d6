#include "SkinPushButton.h"

#include "ButtonObjects.h"
#include "ButtonRules.h"
#include "ButtonText.h"
#include "DibImageGdi.h"
#include "HiddenCall.h"
#include "IconSize.h"
#include "NineGridDraw.h"
#include "Skin.h"
#include "WindowRegistry.h"

namespace {

constexpr COLORREF kShapeColour = RGB(255, 0, 255);

// The skin's images keyed with magenta whatever the skin's own transparent
// colour: drawn on magenta, the image's magenta pixels stay magenta.
class MagentaKeyed : public ImageLookup {
public:
    explicit MagentaKeyed(const ImageLookup& skin) : skin_(skin) {}
    const DibImage* FindImage(const char* name) const override { return skin_.FindImage(name); }
    bool GetTransparency(uint32_t& colour, bool& useTransparentColour) const override {
        colour = kShapeColour;
        useTransparentColour = false;
        return true;
    }

private:
    const ImageLookup& skin_;
};

} // namespace

const PushButtonObject* SkinPushButton::ButtonObject() const {
    return dynamic_cast<const PushButtonObject*>(object_);
}

bool SkinPushButton::Attach(HWND hwnd) {
    if (!SkinButtonBase::Attach(hwnd)) return false;
    isDefault_ = (GetWindowLongPtrW(hwnd, GWL_STYLE) & kBsDefPushButton) != 0;
    ApplyRegion();
    return true;
}

SkinObject* SkinPushButton::SetObject(SkinObject* object) {
    SkinObject* previous = SkinButtonBase::SetObject(object);
    if (hwnd_ && SkinWnd::FromWindow(hwnd_) == this) ApplyRegion();
    return previous;
}

HRGN SkinPushButton::BuildRegion() {
    const PushButtonObject* button = ButtonObject();
    if (!button || !hwnd_) return nullptr;
    const NineGridImage& normal = button->states[PushButtonObject::Normal].image;
    if (normal.IsEmpty()) return nullptr;
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (client.right <= 0 || client.bottom <= 0) return nullptr;

    HDC screen = GetDC(hwnd_);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    ReleaseDC(hwnd_, screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    HBRUSH magenta = CreateSolidBrush(kShapeColour);
    FillRect(memory, &client, magenta);
    DeleteObject(magenta);
    // Pieces that cannot be drawn count as button, not as cut-out.
    DrawNineGrid(memory, client, normal, MagentaKeyed(WindowRegistry::Instance().CurrentSkin()),
                 GetSysColor(COLOR_BTNFACE), true);
    SelectObject(memory, old);
    DeleteDC(memory);
    HRGN shape = RegionFromBitmap(bitmap, kShapeColour);
    DeleteObject(bitmap);

    // In window coordinates: a border, if any, stays in the region.
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    POINT origin{0, 0};
    ClientToScreen(hwnd_, &origin);
    const int dx = origin.x - window.left;
    const int dy = origin.y - window.top;
    HRGN cut = CreateRectRgn(dx, dy, dx + client.right, dy + client.bottom);
    OffsetRgn(shape, dx, dy);
    CombineRgn(cut, cut, shape, RGN_DIFF);
    DeleteObject(shape);
    HRGN region = CreateRectRgn(0, 0, window.right - window.left, window.bottom - window.top);
    CombineRgn(region, region, cut, RGN_DIFF);
    DeleteObject(cut);
    return region;
}

void SkinPushButton::PaintImage(HDC dc, const RECT& client, UINT imageType) {
    const HANDLE image = reinterpret_cast<HANDLE>(CallPrev(BM_GETIMAGE, imageType, 0));
    if (!image) return;
    const auto style = static_cast<uint32_t>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
    if (imageType == IMAGE_ICON) {
        const HICON icon = static_cast<HICON>(image);
        const SIZE size = IconSize(icon);
        const SkinRect at = AlignContent(SkinFromRect(client), size.cx, size.cy, style, true);
        DrawIconEx(dc, at.left, at.top, icon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
        return;
    }
    BITMAP info{};
    if (!GetObjectW(image, sizeof info, &info)) return;
    const SkinRect at = AlignContent(SkinFromRect(client), info.bmWidth, info.bmHeight, style, true);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, image);
    BitBlt(dc, at.left, at.top, at.Width(), at.Height(), source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}

void SkinPushButton::PaintWhole(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    PaintOwnerBackground(dc, client);
    const PushButtonObject* button = ButtonObject();
    if (!button) return;

    const UINT state = ButtonState();
    PushLookInput in;
    in.enabled = IsWindowEnabled(hwnd_) != FALSE;
    in.pushed = (state & BST_PUSHED) || pressed_;
    in.hovering = hovering_;
    in.hasHighlightImage = !button->states[PushButtonObject::Highlighted].image.IsEmpty();
    in.checked = (state & BST_CHECKED) != 0;
    in.focused = Focused();
    in.isDefault = isDefault_;
    const auto& look = button->states[static_cast<int>(ChoosePushLook(in))];
    DrawNineGridKeyed(dc, client, look.image, WindowRegistry::Instance().CurrentSkin(), transparentColor_);

    const auto style = static_cast<uint32_t>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
    if (style & kBsIcon) {
        PaintImage(dc, client, IMAGE_ICON);
    } else if (style & kBsBitmap) {
        PaintImage(dc, client, IMAGE_BITMAP);
    } else {
        HGDIOBJ oldFont = SelectObject(dc, ControlFont(hwnd_));
        DrawButtonText(dc, hwnd_, client, 299, true, look.effect);
        SelectObject(dc, oldFont);
    }
}

LRESULT SkinPushButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE: {
        const LRESULT result = CallPrev(message, wParam, lParam);
        ApplyRegion();
        return result;
    }
    case WM_SETTEXT: {
        const LRESULT result = CallHidden(prevProc_, hwnd_, message, wParam, lParam);
        InvalidateRect(hwnd_, nullptr, FALSE);
        UpdateWindow(hwnd_);
        return result;
    }
    case WM_STYLECHANGED:
        if (wParam == static_cast<WPARAM>(GWL_STYLE)) {
            isDefault_ = (reinterpret_cast<const STYLESTRUCT*>(lParam)->styleNew & kBsDefPushButton) != 0;
        }
        break;
    case BM_SETSTYLE: {
        // Not every button procedure announces its style change.
        const LRESULT result = CallPrev(message, wParam, lParam);
        isDefault_ = (GetWindowLongPtrW(hwnd_, GWL_STYLE) & kBsDefPushButton) != 0;
        RepaintNow();
        return result;
    }
    default:
        break;
    }
    return SkinButtonBase::WindowProc(message, wParam, lParam);
}
