#include "GdiMask.h"

#include <vector>

namespace {

// Mono bitmaps map 1 to the target's background colour and 0 to its text
// colour; these restore the caller's colours around the masked copies.
class MonoColours {
public:
    explicit MonoColours(HDC dc)
        : dc_(dc), bk_(SetBkColor(dc, RGB(255, 255, 255))), text_(SetTextColor(dc, RGB(0, 0, 0))) {}
    ~MonoColours() {
        SetBkColor(dc_, bk_);
        SetTextColor(dc_, text_);
    }

private:
    HDC dc_;
    COLORREF bk_;
    COLORREF text_;
};

} // namespace

HBITMAP CreateKeyMask(const GdiSurface& surface, COLORREF key) {
    if (!surface.Ok()) return nullptr;
    GdiFlush();
    const int w = surface.Width();
    const int h = surface.Height();
    const int stride = ((w + 15) / 16) * 2; // mono rows are WORD aligned
    std::vector<uint8_t> bits(size_t(stride) * size_t(h), 0);
    const uint8_t kr = GetRValue(key), kg = GetGValue(key), kb = GetBValue(key);
    for (int y = 0; y < h; ++y) {
        const uint8_t* p = surface.Bits() + size_t(y) * size_t(surface.Stride());
        uint8_t* m = bits.data() + size_t(y) * size_t(stride);
        for (int x = 0; x < w; ++x, p += 4)
            if (p[0] == kb && p[1] == kg && p[2] == kr) m[x >> 3] |= uint8_t(0x80 >> (x & 7));
    }
    return CreateBitmap(w, h, 1, 1, bits.data());
}

void BlitThroughMaskXor(HDC dc, int x, int y, const GdiSurface& surface, HBITMAP mask) {
    HDC maskDc = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(maskDc, mask);
    {
        MonoColours colours(dc);
        const int w = surface.Width();
        const int h = surface.Height();
        BitBlt(dc, x, y, w, h, surface.Dc(), 0, 0, SRCINVERT);
        BitBlt(dc, x, y, w, h, maskDc, 0, 0, SRCAND);
        BitBlt(dc, x, y, w, h, surface.Dc(), 0, 0, SRCINVERT);
    }
    SelectObject(maskDc, old);
    DeleteDC(maskDc);
}

void BlitThroughMaskAndOr(HDC dc, int x, int y, GdiSurface& surface, HBITMAP mask, COLORREF key) {
    GdiFlush();
    const uint8_t kr = GetRValue(key), kg = GetGValue(key), kb = GetBValue(key);
    for (int row = 0; row < surface.Height(); ++row) {
        uint8_t* p = surface.Bits() + size_t(row) * size_t(surface.Stride());
        for (int col = 0; col < surface.Width(); ++col, p += 4)
            if (p[0] == kb && p[1] == kg && p[2] == kr) p[0] = p[1] = p[2] = 0;
    }
    HDC maskDc = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(maskDc, mask);
    {
        MonoColours colours(dc);
        const int w = surface.Width();
        const int h = surface.Height();
        BitBlt(dc, x, y, w, h, maskDc, 0, 0, SRCAND);
        BitBlt(dc, x, y, w, h, surface.Dc(), 0, 0, SRCPAINT);
    }
    SelectObject(maskDc, old);
    DeleteDC(maskDc);
}
