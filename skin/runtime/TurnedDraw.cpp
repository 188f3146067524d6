#include "TurnedDraw.h"

#include "GdiBitmapTransform.h"
#include "GdiMask.h"
#include "GdiSurface.h"

void DrawTurned(HDC dc, const RECT& dest, Turn turn,
                const std::function<void(HDC dc, int width, int height)>& paint, bool keyed, COLORREF key) {
    const int width = dest.right - dest.left;
    const int height = dest.bottom - dest.top;
    if (width <= 0 || height <= 0) return;
    const bool quarter = turn == Turn::Left || turn == Turn::Right;
    const int lyingWidth = quarter ? height : width;
    const int lyingHeight = quarter ? width : height;

    HDC lying = CreateCompatibleDC(dc);
    uint8_t* bits = nullptr;
    HBITMAP picture = CreateTopDownDib32(dc, lyingWidth, lyingHeight, &bits);
    if (!lying || !picture) {
        if (picture) DeleteObject(picture);
        if (lying) DeleteDC(lying);
        return;
    }
    HGDIOBJ old = SelectObject(lying, picture);
    if (keyed) {
        const RECT all{0, 0, lyingWidth, lyingHeight};
        const COLORREF previous = SetBkColor(lying, key);
        ExtTextOutW(lying, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
        SetBkColor(lying, previous);
    }
    paint(lying, lyingWidth, lyingHeight);
    SelectObject(lying, old);
    HBITMAP turned = picture;
    if (turn == Turn::FlipVertical) turned = FlipBitmap(picture, false);
    if (quarter) turned = RotateBitmapQuarter(picture, turn == Turn::Right);
    if (turned) {
        GdiSurface surface(dc, width, height);
        old = SelectObject(lying, turned);
        if (surface.Ok()) {
            BitBlt(surface.Dc(), 0, 0, width, height, lying, 0, 0, SRCCOPY);
            HBITMAP mask = keyed ? CreateKeyMask(surface, key) : nullptr;
            if (mask) {
                BlitThroughMaskAndOr(dc, dest.left, dest.top, surface, mask, key);
                DeleteObject(mask);
            } else {
                BitBlt(dc, dest.left, dest.top, width, height, surface.Dc(), 0, 0, SRCCOPY);
            }
        }
        SelectObject(lying, old);
        if (turned != picture) DeleteObject(turned);
    }
    DeleteObject(picture);
    DeleteDC(lying);
}

RECT UnturnedRect(const RECT& r, Turn turn, int width, int height) {
    switch (turn) {
    case Turn::FlipVertical:
        return RECT{r.left, height - r.bottom, r.right, height - r.top};
    case Turn::Right: // lying (x, y) shows at (width - 1 - y, x)
        return RECT{r.top, width - r.right, r.bottom, width - r.left};
    case Turn::Left: // lying (x, y) shows at (y, height - 1 - x)
        return RECT{height - r.bottom, r.left, height - r.top, r.right};
    default:
        return r;
    }
}
