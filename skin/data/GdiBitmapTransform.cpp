#include "GdiBitmapTransform.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "GdiSurface.h"

namespace {

// A bitmap's pixels as 32-bit words, top row first.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> words;
    uint32_t At(int x, int y) const { return words[size_t(y) * size_t(width) + size_t(x)]; }
};

bool Read(HBITMAP bitmap, Pixels& out) {
    BITMAP info = {};
    if (!bitmap || !GetObject(bitmap, sizeof info, &info)) return false;
    out.width = info.bmWidth;
    out.height = std::abs(info.bmHeight);
    if (out.width <= 0 || out.height <= 0) return false;
    out.words.assign(size_t(out.width) * size_t(out.height), 0);
    BITMAPINFO header = {};
    header.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    header.bmiHeader.biWidth = out.width;
    header.bmiHeader.biHeight = -out.height;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    const int rows =
        GetDIBits(screen, bitmap, 0, UINT(out.height), out.words.data(), &header, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return rows == out.height;
}

// A new w x h bitmap whose pixel (x, y) is source(x, y) as `from` says.
template <typename From>
HBITMAP Build(int w, int h, From from) {
    uint8_t* bits = nullptr;
    HBITMAP result = CreateTopDownDib32(nullptr, w, h, &bits);
    if (!result) return nullptr;
    auto* out = reinterpret_cast<uint32_t*>(bits);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) out[size_t(y) * size_t(w) + size_t(x)] = from(x, y);
    return result;
}

} // namespace

HBITMAP RotateBitmapQuarter(HBITMAP source, bool clockwise) {
    Pixels p;
    if (!Read(source, p)) return nullptr;
    const int w = p.width, h = p.height;
    // Clockwise, source (x, y) lands on (h - 1 - y, x); counter-clockwise on
    // (y, w - 1 - x).
    if (clockwise) return Build(h, w, [&](int x, int y) { return p.At(y, h - 1 - x); });
    return Build(h, w, [&](int x, int y) { return p.At(w - 1 - y, x); });
}

HBITMAP FlipBitmap(HBITMAP source, bool horizontal) {
    Pixels p;
    if (!Read(source, p)) return nullptr;
    const int w = p.width, h = p.height;
    if (horizontal) return Build(w, h, [&](int x, int y) { return p.At(w - 1 - x, y); });
    return Build(w, h, [&](int x, int y) { return p.At(x, h - 1 - y); });
}
