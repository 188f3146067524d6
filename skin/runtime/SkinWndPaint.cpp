// Drawing shared by every skinner with a frame object: the nine parts, the
// client background, the caption text and the window region.
#include <algorithm>

#include "CaptionText.h"
#include "ImageDraw.h"
#include "NineGridDraw.h"
#include "PieceRegion.h"
#include "Skin.h"
#include "SkinWnd.h"
#include "WindowFrameObjects.h"
#include "WindowRegistry.h"

namespace {

// Part drawing order: the side borders first so that corners overlap them.
constexpr int kPartOrder[] = {kPartLeft,     kPartRight,      kPartTopLeft, kPartTop,
                              kPartTopRight, kPartBottomLeft, kPartBottom,  kPartBottomRight};

RECT ToRect(const SkinRect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

void FillColour(HDC dc, const RECT& rect, COLORREF colour) {
    const COLORREF old = SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

// The piece to draw for part `i`: inactive pieces fall back to active ones.
const ResolvedImage& PieceFor(const WindowFrameObject& frame, int i, bool active) {
    if (!active && frame.Piece(kFramePartCount + i).image) return frame.Piece(kFramePartCount + i);
    return frame.Piece(i);
}

int DrawModeFor(const WindowFrameObject& frame, int i, bool active) {
    if (!active && frame.Piece(kFramePartCount + i).image) return frame.inactiveFrame[i].drawMode;
    return frame.activeFrame[i].drawMode;
}

} // namespace

int SkinWnd::ScaledMode(int drawMode) const {
    // On a scaled display the pieces drawn at their own size grow with the
    // design, so their pictures are stretched with them.
    return dpi_ != 96 && drawMode == 0 ? 2 : drawMode;
}

void SkinWnd::PaintWhole(HDC dc) {
    PaintFrame(dc, false);
    PaintClientBackground(dc, false);
}

void SkinWnd::PaintParts(HDC dc, bool active) {
    const WindowFrameObject* frame = FrameObject();
    if (!frame) return;
    const bool minimized = hwnd_ && IsIconic(hwnd_);
    const COLORREF colour = (active ? frame->activeColor : frame->inactiveColor) & 0xFFFFFF;
    for (int i : kPartOrder) {
        if (minimized && (i == kPartLeft || i == kPartRight)) continue;
        const RECT rect = ToRect(parts_.part[i]);
        if (rect.right <= rect.left || rect.bottom <= rect.top) continue;
        FillColour(dc, rect, colour);
        DrawResolvedImage(dc, rect, PieceFor(*frame, i, active), ScaledMode(DrawModeFor(*frame, i, active)),
                          transparentColor_);
    }
}

bool SkinWnd::DrawCachedParts(HDC dc, bool active) {
    // The parts only change with the size, the caption state, the object and
    // the display scale: keep the last picture and copy it.
    const int width = parts_.part[kPartBottomRight].right;
    const int height = parts_.part[kPartBottomRight].bottom;
    if (width <= 0 || height <= 0 || (hwnd_ && IsIconic(hwnd_))) return false;
    if (!partsCache_ || partsCacheWidth_ != width || partsCacheHeight_ != height ||
        partsCacheActive_ != active) {
        DropPartsCache();
        HDC memory = CreateCompatibleDC(dc);
        HBITMAP bitmap = memory ? CreateCompatibleBitmap(dc, width, height) : nullptr;
        if (!bitmap) {
            if (memory) DeleteDC(memory);
            return false;
        }
        HGDIOBJ old = SelectObject(memory, bitmap);
        PaintParts(memory, active);
        SelectObject(memory, old);
        DeleteDC(memory);
        partsCache_ = bitmap;
        partsCacheWidth_ = width;
        partsCacheHeight_ = height;
        partsCacheActive_ = active;
    }
    HDC memory = CreateCompatibleDC(dc);
    if (!memory) return false;
    HGDIOBJ old = SelectObject(memory, partsCache_);
    // Only the strips around the client area: the parts never cover it.
    const SkinRect& client = parts_.part[kPartClient];
    const int top = std::clamp(static_cast<int>(client.top), 0, height);
    const int bottom = std::clamp(static_cast<int>(client.bottom), top, height);
    const int left = std::clamp(static_cast<int>(client.left), 0, width);
    const int right = std::clamp(static_cast<int>(client.right), left, width);
    BitBlt(dc, 0, 0, width, top, memory, 0, 0, SRCCOPY);
    BitBlt(dc, 0, bottom, width, height - bottom, memory, 0, bottom, SRCCOPY);
    BitBlt(dc, 0, top, left, bottom - top, memory, 0, top, SRCCOPY);
    BitBlt(dc, right, top, width - right, bottom - top, memory, right, top, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    return true;
}

void SkinWnd::DropPartsCache() {
    if (partsCache_) DeleteObject(partsCache_);
    partsCache_ = nullptr;
}

void SkinWnd::DropPaintBuffers() {
    DropPartsCache();
    if (ncBuffer_) DeleteObject(ncBuffer_);
    ncBuffer_ = nullptr;
    ncBufferWidth_ = ncBufferHeight_ = 0;
}

void SkinWnd::PaintFrame(HDC dc, bool active) {
    if (!FrameObject()) return;
    if (!DrawCachedParts(dc, active)) PaintParts(dc, active);
    PaintCaptionText(dc, active);
    PaintExtra(dc);
}

void SkinWnd::PaintClientBackground(HDC dc, bool active) {
    RECT client{};
    if (hwnd_) GetClientRect(hwnd_, &client);
    const WindowFrameObject* frame = FrameObject();
    if (!frame) {
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    FillColour(dc, client, frame->clientColor & 0xFFFFFF);
    const ResolvedImage& piece = PieceFor(*frame, kPartClient, active);
    if (piece.image)
        DrawResolvedImage(dc, client, piece, DrawModeFor(*frame, kPartClient, active), transparentColor_);
}

HRGN SkinWnd::BuildRegion() {
    if (!regionEnabled_ || !hwnd_) return nullptr;
    const WindowFrameObject* frame = FrameObject();
    if (!frame) return nullptr;
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const bool minimized = IsIconic(hwnd_);
    if (minimized) return CreateRectRgn(0, 0, width, height);

    HRGN region = CreateRectRgn(0, 0, 0, 0);
    for (int i = 0; i < kFramePartCount; ++i) {
        const RECT rect = ToRect(parts_.part[i]);
        if (rect.right <= rect.left || rect.bottom <= rect.top) continue;
        HRGN piece = PieceRegion(frame->Piece(i), rect, ScaledMode(frame->activeFrame[i].drawMode));
        if (!piece) continue;
        CombineRgn(region, region, piece, RGN_OR);
        DeleteObject(piece);
    }
    const RECT local{0, 0, width, height};
    for (auto& element : elements_) {
        element->Layout(local);
        if (!element->IsVisible()) continue;
        int mode = 0;
        HRGN area = element->AreaRegion(&mode);
        if (!area) continue;
        static constexpr int kModes[] = {RGN_AND, RGN_DIFF, RGN_OR, RGN_XOR};
        if (mode >= 0 && mode < 4) {
            CombineRgn(region, region, area, kModes[mode]);
        } else if (mode == 4) {
            // The area's whole rectangle goes, then its shape comes back:
            // transparent pixels inside the rectangle are cut out.
            HRGN cut = CreateRectRgnIndirect(&element->Rect());
            CombineRgn(region, region, cut, RGN_DIFF);
            CombineRgn(region, region, area, RGN_OR);
            DeleteObject(cut);
        }
        DeleteObject(area);
    }
    return region;
}

void SkinWnd::ApplyRegion() {
    HRGN region = BuildRegion();
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    if (region) {
        // Only a region that covers every pixel of the window is dropped; a
        // box test would also drop shapes with cut corners.
        HRGN whole = CreateRectRgn(0, 0, window.right - window.left, window.bottom - window.top);
        const bool covers = EqualRgn(region, whole) != FALSE;
        DeleteObject(whole);
        if (covers) {
            DeleteObject(region);
            region = nullptr;
        }
    }
    if (!region) {
        if (hasRegion_) SetWindowRgn(hwnd_, nullptr, TRUE);
        hasRegion_ = false;
        return;
    }
    // From here on the system owns the region, including the one it replaces.
    if (SetWindowRgn(hwnd_, region, TRUE)) {
        hasRegion_ = true;
    } else {
        DeleteObject(region);
    }
}

void SkinWnd::PaintCaptionTextFor(HDC dc) {
    const WindowFrameObject* frame = FrameObject();
    if (!frame || !drawCaptionText_) return;
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
    if ((style & WS_CAPTION) != WS_CAPTION) return;
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE));
    DrawCaptionText(dc, hwnd_, ToRect(parts_.part[kPartTop]), *frame, exStyle, dpi_);
}

void SkinWnd::PaintNonClientBuffered(HRGN update, int topStripBottom) {
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    if (width <= 0 || height <= 0) return;
    HDC windowDc = GetWindowDC(hwnd_);
    if (!windowDc) return;
    // The window-sized buffer lives as long as the size does: allocating it
    // costs more than painting the frame.
    if (!ncBuffer_ || ncBufferWidth_ != width || ncBufferHeight_ != height) {
        if (ncBuffer_) DeleteObject(ncBuffer_);
        ncBuffer_ = CreateCompatibleBitmap(windowDc, width, height);
        ncBufferWidth_ = width;
        ncBufferHeight_ = height;
    }
    HDC buffer = CreateCompatibleDC(windowDc);
    if (!buffer || !ncBuffer_) {
        if (buffer) DeleteDC(buffer);
        ReleaseDC(hwnd_, windowDc);
        return;
    }
    HGDIOBJ old = SelectObject(buffer, ncBuffer_);
    SetBkMode(buffer, TRANSPARENT);

    const bool active = ncActive_;
    const RECT client = ToRect(parts_.part[kPartClient]);
    const bool minimized = IsIconic(hwnd_);
    const WindowFrameObject* frame = FrameObject();
    if (minimized && frame && !frame->minimizedActive.IsEmpty()) {
        const RECT all{0, 0, width, height};
        FillRect(buffer, &all, GetSysColorBrush(COLOR_BTNFACE));
        PaintMinimized(buffer, all, active);
        PaintCaptionText(buffer, active);
        PaintElements(buffer, window);
        BitBlt(windowDc, 0, 0, width, height, buffer, 0, 0, SRCCOPY);
    } else {
        PaintFrame(buffer, active);
        PaintElements(buffer, window);
        // Only the frame strips reach the screen; the client area is the
        // window's own.
        if (update && reinterpret_cast<UINT_PTR>(update) > 1) {
            HRGN clip = CreateRectRgn(0, 0, 0, 0);
            CombineRgn(clip, update, nullptr, RGN_COPY);
            OffsetRgn(clip, -window.left, -window.top);
            ExtSelectClipRgn(windowDc, clip, RGN_COPY);
            DeleteObject(clip);
        }
        // One copy clipped to the frame strips: the client area (below the
        // top strip, which holds the menu bar) is the window's own.
        const int top = std::min(std::max(topStripBottom, 0), height);
        const int bottom = std::max(std::min(static_cast<int>(client.bottom), height), top);
        ExcludeClipRect(windowDc, client.left, top, client.right, bottom);
        BitBlt(windowDc, 0, 0, width, height, buffer, 0, 0, SRCCOPY);
    }
    SelectObject(buffer, old);
    DeleteDC(buffer);
    ReleaseDC(hwnd_, windowDc);
}

void SkinWnd::PaintMinimized(HDC dc, const RECT& rect, bool active) {
    const WindowFrameObject* frame = FrameObject();
    if (!frame) return;
    const NineGridImage& grid =
        !active && !frame->minimizedInactive.IsEmpty() ? frame->minimizedInactive : frame->minimizedActive;
    DrawNineGrid(dc, rect, grid, WindowRegistry::Instance().CurrentSkin(), RGB(0, 0, 0), false);
}

void SkinWnd::PaintOwnFrame() {
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    LayoutParts(window.right - window.left, window.bottom - window.top);
    if (SizeChangedSinceRegion(window)) {
        RememberWindowRect(window);
        ApplyRegion();
    }
    ncActive_ = true;
    PaintNonClientBuffered(nullptr, parts_.part[kPartTopLeft].bottom);
}

LRESULT SkinWnd::OwnFrameCalcSize(WPARAM wParam, LPARAM lParam) const {
    RECT* r =
        wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
    r->left += design_[kPartLeft].Width();
    r->right = std::max(r->left, r->right - design_[kPartRight].Width());
    r->top += design_[kPartTopLeft].Height();
    r->bottom = std::max(r->top, r->bottom - design_[kPartBottomLeft].Height());
    return 0;
}

void SkinWnd::PaintOwnClient(const std::function<void(HDC, const RECT&)>& content) {
    PAINTSTRUCT ps;
    HDC target = BeginPaint(hwnd_, &ps);
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (client.right > 0 && client.bottom > 0) {
        HDC dc = CreateCompatibleDC(target);
        HBITMAP bitmap = CreateCompatibleBitmap(target, client.right, client.bottom);
        HGDIOBJ old = SelectObject(dc, bitmap);
        content(dc, client);
        BitBlt(target, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    EndPaint(hwnd_, &ps);
}
