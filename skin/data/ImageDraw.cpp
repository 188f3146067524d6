#include "ImageDraw.h"

#include <algorithm>
#include <vector>

#include "DibImage.h"
#include "GdiSurface.h"
#include "StretchMap.h"

namespace {

// Scratch surfaces hold at most this many pixels; larger areas are drawn in
// strips of whole rows.
constexpr int kStripPixels = 1 << 20;

void FillWith(HDC dc, const RECT& dest, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &dest, brush);
    DeleteObject(brush);
}

// A COLORREF as the 32-bit word of a BGRX pixel.
uint32_t PixelWord(uint32_t colorref) {
    return ((colorref & 0xFF) << 16) | (colorref & 0xFF00) | ((colorref >> 16) & 0xFF);
}

// The image's pixels as BGRX words, top row first.
std::vector<uint32_t> PixelWords(const DibImage& image) {
    const int w = image.Width();
    std::vector<uint32_t> words(size_t(w) * size_t(image.Height()));
    for (int y = 0; y < image.Height(); ++y) {
        uint32_t* out = words.data() + size_t(y) * size_t(w);
        if (image.BitsPerPixel() == 24) {
            const uint8_t* p = image.Row(y);
            for (int x = 0; x < w; ++x, p += 3)
                out[x] = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16;
        } else {
            for (int x = 0; x < w; ++x) out[x] = PixelWord(image.GetColor(x, y));
        }
    }
    return words;
}

// The source column (or row) shown at each of `length` destination pixels.
std::vector<int> SourceIndices(int length, int sourceLength, int drawMode) {
    std::vector<int> indices(static_cast<size_t>(length));
    for (int i = 0; i < length; ++i)
        indices[size_t(i)] =
            drawMode == kDrawStretched ? StretchSource(i, sourceLength, length) : i % sourceLength;
    return indices;
}

template <typename Paint>
void InStrips(const RECT& area, Paint paint) {
    const int rows = std::max(1, kStripPixels / int(area.right - area.left));
    for (int top = area.top; top < area.bottom; top += rows)
        paint(RECT{area.left, top, area.right, std::min(int(area.bottom), top + rows)});
}

// A top-down DIB header for StretchDIBits from memory: 32-bit pixels, or a
// 1-bit mask whose 0 is black and 1 white (no DC colours involved).
struct MemoryDib {
    BITMAPINFOHEADER header;
    RGBQUAD colours[2];
    MemoryDib(int w, int h, int bits) : header{}, colours{{0, 0, 0, 0}, {255, 255, 255, 0}} {
        header.biSize = sizeof header;
        header.biWidth = w;
        header.biHeight = -h;
        header.biPlanes = 1;
        header.biBitCount = WORD(bits);
        header.biCompression = BI_RGB;
    }
    const BITMAPINFO* Info() const { return reinterpret_cast<const BITMAPINFO*>(this); }
};

void Blit(HDC dc, const RECT& at, const void* bits, const MemoryDib& dib, DWORD rop) {
    const int w = at.right - at.left, h = at.bottom - at.top;
    StretchDIBits(dc, at.left, at.top, w, h, 0, 0, w, h, bits, dib.Info(), DIB_RGB_COLORS, rop);
}

// Copies without blending, straight from memory. Where the image has key
// pixels, a mask first clears the target under the pixels that are drawn
// (AND), then the pixels go on with the key ones black (OR).
void CopyArea(HDC dc, const RECT& area, const DibImage& image, int drawMode, uint32_t key) {
    std::vector<uint32_t> source = PixelWords(image);
    const uint32_t keyWord = PixelWord(key);
    std::vector<uint8_t> isKey(source.size());
    bool keyed = false;
    for (size_t i = 0; i < source.size(); ++i) {
        if (source[i] != keyWord) continue;
        isKey[i] = 1;
        source[i] = 0;
        keyed = true;
    }
    const std::vector<int> columns = SourceIndices(area.right - area.left, image.Width(), drawMode);
    const std::vector<int> rows = SourceIndices(area.bottom - area.top, image.Height(), drawMode);
    // Scratch memory is kept per thread: fresh pages on every draw cost
    // more than the copying.
    thread_local std::vector<uint32_t> pixels;
    thread_local std::vector<uint8_t> mask;
    InStrips(area, [&](const RECT& strip) {
        const int w = strip.right - strip.left;
        const int h = strip.bottom - strip.top;
        const size_t maskStride = (size_t(w) + 31) / 32 * 4;
        pixels.resize(size_t(w) * size_t(h));
        if (keyed) mask.assign(maskStride * size_t(h), 0);
        for (int y = 0; y < h; ++y) {
            const size_t from = size_t(rows[size_t(strip.top - area.top + y)]) * size_t(image.Width());
            uint32_t* out = pixels.data() + size_t(y) * size_t(w);
            for (int x = 0; x < w; ++x) out[x] = source[from + size_t(columns[size_t(x)])];
            if (!keyed) continue;
            uint8_t* bits = mask.data() + size_t(y) * maskStride;
            for (int x = 0; x < w; ++x)
                if (isKey[from + size_t(columns[size_t(x)])]) bits[x >> 3] |= uint8_t(0x80 >> (x & 7));
        }
        if (!keyed) {
            Blit(dc, strip, pixels.data(), MemoryDib(w, h, 32), SRCCOPY);
            return;
        }
        Blit(dc, strip, mask.data(), MemoryDib(w, h, 1), SRCAND);
        Blit(dc, strip, pixels.data(), MemoryDib(w, h, 32), SRCPAINT);
    });
}

// Own-size copies that blend: read what the target shows, blend every copy
// onto it, write it back.
void BlendArea(HDC dc, const RECT& area, const DibImage& image, uint32_t key) {
    InStrips(area, [&](const RECT& strip) {
        const int w = strip.right - strip.left;
        const int h = strip.bottom - strip.top;
        GdiSurface buffer(dc, w, h);
        if (!buffer.Ok()) return;
        BitBlt(buffer.Dc(), 0, 0, w, h, dc, strip.left, strip.top, SRCCOPY);
        GdiFlush();
        // Copies start at the area's corner; those above the strip are clipped.
        const int firstRow = (strip.top - area.top) / image.Height() * image.Height();
        for (int y = firstRow; y < strip.bottom - area.top; y += image.Height()) {
            for (int x = 0; x < w; x += image.Width()) {
                image.BlendOnto(buffer.Bits(), w, h, buffer.Stride(), x, y - (strip.top - area.top), 0, 0,
                                image.Width(), image.Height(), &key);
            }
        }
        BitBlt(dc, strip.left, strip.top, w, h, buffer.Dc(), 0, 0, SRCCOPY);
    });
}

} // namespace

void DrawImageKeyed(HDC dc, const RECT& dest, const DibImage& image, int drawMode, COLORREF keyColour) {
    if (!image.IsValid() || !image.Enabled()) return;
    RECT area = dest;
    if (drawMode != kDrawTiled && drawMode != kDrawStretched) {
        area.right = LONG(std::min<int64_t>(dest.right, int64_t(dest.left) + image.Width()));
        area.bottom = LONG(std::min<int64_t>(dest.bottom, int64_t(dest.top) + image.Height()));
    }
    if (area.right <= area.left || area.bottom <= area.top) return;
    const uint32_t key = keyColour & 0x00FFFFFF;
    // Stretching copies colour on colour; only own-size copies blend.
    if (drawMode != kDrawStretched && image.NeedsBlending())
        BlendArea(dc, area, image, key);
    else
        CopyArea(dc, area, image, drawMode, key);
}

void DrawImageRef(HDC dc, const RECT& dest, const ImageRef& ref, const ImageLookup& skin, COLORREF fillColour,
                  bool fill) {
    // Source rectangles come from skin files: sums are taken wide.
    const int64_t destW = int64_t(dest.right) - dest.left;
    const int64_t destH = int64_t(dest.bottom) - dest.top;
    if (destW <= 0 || destH <= 0) return;

    const DibImage* image = ref.IsEmpty() ? nullptr : skin.FindImage(ImageName(ref.name).text);
    DibImage cut;
    bool ok = image != nullptr;
    if (ok) {
        const SkinRect& s = ref.source;
        int right = s.right;
        int bottom = s.bottom;
        if (ref.drawMode == kDrawNatural) {
            // Only the top-left part that fits the destination is cut.
            right = int(std::min<int64_t>(s.right, s.left + destW));
            bottom = int(std::min<int64_t>(s.bottom, s.top + destH));
        }
        ok = image->Crop(s.left, s.top, right, bottom, cut) && cut.IsValid();
    }
    if (!ok) {
        if (fill) FillWith(dc, dest, fillColour);
        return;
    }
    if (!image->Enabled()) return;
    DrawImageKeyed(dc, dest, cut, ref.drawMode, skin.KeyColour());
}

void DrawResolvedImage(HDC dc, const RECT& dest, const ResolvedImage& piece, int drawMode,
                       COLORREF keyColour) {
    if (piece.image) DrawImageKeyed(dc, dest, *piece.image, drawMode, keyColour);
}
