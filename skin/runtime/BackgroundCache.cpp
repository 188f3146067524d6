#include "BackgroundCache.h"

#include "SkinWnd.h"

bool BackgroundCache::Build(SkinWnd& owner) {
    Release();
    RECT client{};
    GetClientRect(owner.Hwnd(), &client);
    width_ = client.right > 0 ? client.right : 1;
    height_ = client.bottom > 0 ? client.bottom : 1;
    HDC screen = GetDC(owner.Hwnd());
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width_, height_);
    ReleaseDC(owner.Hwnd(), screen);
    if (!dc_ || !bitmap_) {
        Release();
        return false;
    }
    oldBitmap_ = SelectObject(dc_, bitmap_);
    owner.PaintClientBackground(dc_, true);
    return true;
}

HBRUSH BackgroundCache::PatternBrush() {
    if (!brush_ && bitmap_) brush_ = CreatePatternBrush(bitmap_);
    return brush_;
}

void BackgroundCache::Release() {
    if (brush_) DeleteObject(brush_);
    brush_ = nullptr;
    if (dc_) {
        if (oldBitmap_) SelectObject(dc_, oldBitmap_);
        DeleteDC(dc_);
    }
    if (bitmap_) DeleteObject(bitmap_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    oldBitmap_ = nullptr;
    width_ = height_ = 0;
}

void BackgroundCache::CopyTo(HDC target, const RECT& rect, int srcX, int srcY) const {
    if (!dc_) return;
    BitBlt(target, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, dc_, srcX, srcY,
           SRCCOPY);
}
