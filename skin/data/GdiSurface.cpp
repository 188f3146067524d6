#include "GdiSurface.h"

GdiSurface::GdiSurface(HDC reference, int width, int height) : width_(width), height_(height) {
    if (width <= 0 || height <= 0) return;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(reference, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap_) return;
    dc_ = CreateCompatibleDC(reference);
    if (!dc_) return;
    old_ = SelectObject(dc_, bitmap_);
    bits_ = static_cast<uint8_t*>(bits);
}

GdiSurface::~GdiSurface() {
    if (dc_) {
        if (old_) SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    if (bitmap_) DeleteObject(bitmap_);
}
