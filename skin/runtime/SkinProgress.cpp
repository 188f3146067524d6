#include "SkinProgress.h"

#include <commctrl.h>

#include "BarObjects.h"
#include "ControlRules.h"
#include "GdiBitmapTransform.h"
#include "GdiMask.h"
#include "GdiSurface.h"
#include "NineGridDraw.h"
#include "Skin.h"
#include "WindowRegistry.h"

namespace {

enum BarStyle : uint32_t {
    kBarStretched = 0, // the picture over the bar
    kBarRevealed = 1,  // the picture over the whole width, shown as far as the bar goes
    kBarChunks = 2,    // whole chunks of the picture's width
};

void FillColour(HDC dc, const RECT& rect, COLORREF colour) {
    const COLORREF old = SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

// Previous range as PBM_SETRANGE and PBM_SETRANGE32 report it: 16 bits each.
LRESULT PackedRange(int32_t low, int32_t high) {
    return static_cast<LRESULT>(MAKELONG(static_cast<WORD>(low), static_cast<WORD>(high)));
}

} // namespace

bool SkinProgress::Attach(HWND hwnd) {
    if (!SkinControl::Attach(hwnd)) return false;
    ReadControl();
    return true;
}

void SkinProgress::ReadControl() {
    low_ = static_cast<int32_t>(CallPrev(PBM_GETRANGE, TRUE, 0));
    high_ = static_cast<int32_t>(CallPrev(PBM_GETRANGE, FALSE, 0));
    pos_ = static_cast<int32_t>(CallPrev(PBM_GETPOS, 0, 0));
    step_ = static_cast<int32_t>(CallPrev(PBM_GETSTEP, 0, 0));
}

void SkinProgress::PaintLying(HDC dc, int length, int thickness, const ProgressBarObject& bar) {
    const Skin& skin = WindowRegistry::Instance().CurrentSkin();
    const RECT whole{0, 0, length, thickness};
    const COLORREF back = bar.color1 & 0xFFFFFF;
    const COLORREF fill = bar.color2 & 0xFFFFFF;
    FillColour(dc, whole, back);
    if (!bar.mainImage.IsEmpty()) DrawNineGrid(dc, whole, bar.mainImage, skin, back, false);
    const int filled = ProgressBarLength(pos_, low_, high_, length);
    const NineGridImage& picture = bar.progressImage;
    switch (bar.style) {
    case kBarRevealed: {
        if (filled <= 0) break;
        GdiSurface full(dc, length, thickness);
        if (!full.Ok()) break;
        FillColour(full.Dc(), whole, fill);
        if (!picture.IsEmpty()) DrawNineGridKeyed(full.Dc(), whole, picture, skin, transparentColor_);
        HBITMAP mask = CreateKeyMask(full, transparentColor_);
        if (!mask) break;
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, 0, 0, filled, thickness);
        BlitThroughMaskAndOr(dc, 0, 0, full, mask, transparentColor_);
        RestoreDC(dc, saved);
        DeleteObject(mask);
        break;
    }
    case kBarChunks: {
        const int chunk = picture.IsEmpty() ? 0 : picture.source.Width();
        const int count = ProgressChunkCount(filled, chunk);
        for (int i = 0; i < count; ++i) {
            DrawNineGridKeyed(dc, RECT{i * chunk, 0, (i + 1) * chunk, thickness}, picture, skin,
                              transparentColor_);
        }
        break;
    }
    default: {
        if (filled <= 0) break;
        const RECT done{0, 0, filled, thickness};
        if (picture.IsEmpty()) {
            FillColour(dc, done, fill);
        } else {
            DrawNineGridKeyed(dc, done, picture, skin, transparentColor_);
        }
        break;
    }
    }
}

void SkinProgress::PaintVertical(HDC dc, const RECT& client, const ProgressBarObject& bar) {
    // Drawn lying down and turned a quarter counter-clockwise: the bar's
    // start comes to the bottom.
    const int length = client.bottom;
    const int thickness = client.right;
    HDC lying = CreateCompatibleDC(dc);
    HBITMAP picture = CreateCompatibleBitmap(dc, length, thickness);
    HGDIOBJ old = SelectObject(lying, picture);
    PaintLying(lying, length, thickness, bar);
    SelectObject(lying, old);
    if (HBITMAP standing = RotateBitmapQuarter(picture, false)) {
        old = SelectObject(lying, standing);
        BitBlt(dc, 0, 0, client.right, client.bottom, lying, 0, 0, SRCCOPY);
        SelectObject(lying, old);
        DeleteObject(standing);
    }
    DeleteObject(picture);
    DeleteDC(lying);
}

void SkinProgress::PaintWhole(HDC dc) {
    const auto* bar = dynamic_cast<const ProgressBarObject*>(object_);
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (!bar || client.right <= 0 || client.bottom <= 0) return;
    if (GetWindowLongPtrW(hwnd_, GWL_STYLE) & PBS_VERTICAL) {
        PaintVertical(dc, client, *bar);
    } else {
        PaintLying(dc, client.right, client.bottom, *bar);
    }
}

void SkinProgress::SetRange(int32_t low, int32_t high) {
    low_ = low;
    high_ = high;
    pos_ = ProgressClamp(pos_, low_, high_);
    InvalidateRect(hwnd_, nullptr, FALSE);
    UpdateWindow(hwnd_);
}

int32_t SkinProgress::MoveTo(int32_t pos) {
    const int32_t old = pos_;
    pos_ = pos;
    if (pos_ != old) {
        InvalidateRect(hwnd_, nullptr, FALSE);
        UpdateWindow(hwnd_);
    }
    return old;
}

LRESULT SkinProgress::Change(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case PBM_SETRANGE: {
        const LRESULT previous = PackedRange(low_, high_);
        SetRange(LOWORD(lParam), HIWORD(lParam));
        return previous;
    }
    case PBM_SETRANGE32: {
        const LRESULT previous = PackedRange(low_, high_);
        SetRange(static_cast<int32_t>(wParam), static_cast<int32_t>(lParam));
        return previous;
    }
    case PBM_SETPOS:
        return MoveTo(ProgressClamp(static_cast<int32_t>(wParam), low_, high_));
    case PBM_DELTAPOS:
        return MoveTo(ProgressClamp(int64_t{pos_} + static_cast<int32_t>(wParam), low_, high_));
    case PBM_SETSTEP: {
        const int32_t previous = step_;
        step_ = static_cast<int32_t>(wParam);
        return previous;
    }
    default: // PBM_STEPIT
        return MoveTo(ProgressStepped(pos_, step_, low_, high_));
    }
}

LRESULT SkinProgress::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case PBM_SETRANGE:
    case PBM_SETRANGE32:
    case PBM_SETPOS:
    case PBM_DELTAPOS:
    case PBM_SETSTEP:
    case PBM_STEPIT: {
        // The control follows along; the answer is ours.
        const HWND hwnd = hwnd_;
        CallPrev(message, wParam, lParam);
        if (!IsWindow(hwnd) || FromWindow(hwnd) != this) return 0;
        return Change(message, wParam, lParam);
    }
    case PBM_GETRANGE:
        if (auto* range = reinterpret_cast<PBRANGE*>(lParam)) {
            range->iLow = low_;
            range->iHigh = high_;
        }
        return wParam ? low_ : high_;
    case PBM_GETPOS:
        return pos_;
    case PBM_GETSTEP:
        return step_;
    case WM_CREATE: {
        // Attached by the creation hook, the control had no range yet.
        const LRESULT result = SkinControl::WindowProc(message, wParam, lParam);
        if (result != -1) ReadControl();
        return result;
    }
    default:
        return SkinControl::WindowProc(message, wParam, lParam);
    }
}
