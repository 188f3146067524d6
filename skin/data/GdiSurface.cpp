#include "GdiSurface.h"

HBITMAP CreateTopDownDib32(HDC reference, int width, int height, uint8_t** bits) {
    *bits = nullptr;
    if (width <= 0 || height <= 0) return nullptr;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(reference, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bitmap) *bits = static_cast<uint8_t*>(pixels);
    return bitmap;
}

GdiSurface::GdiSurface(HDC reference, int width, int height) : width_(width), height_(height) {
    uint8_t* bits = nullptr;
    bitmap_ = CreateTopDownDib32(reference, width, height, &bits);
    if (!bitmap_) return;
    dc_ = CreateCompatibleDC(reference);
    if (!dc_) return;
    old_ = SelectObject(dc_, bitmap_);
    bits_ = bits;
}

GdiSurface::~GdiSurface() {
    if (dc_) {
        if (old_) SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    if (bitmap_) DeleteObject(bitmap_);
}
