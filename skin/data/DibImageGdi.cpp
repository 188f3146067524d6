#include "DibImageGdi.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "GdiMask.h"
#include "GdiRegion.h"
#include "GdiSurface.h"

namespace {

const BITMAPINFO* Info(const DibImage& image) {
    return reinterpret_cast<const BITMAPINFO*>(image.Dib());
}

bool Drawable(const DibImage& image) {
    return image.IsValid() && image.Enabled();
}

// The image as a DIB section selected into a memory DC, so that parts of
// it can be copied in top-down coordinates whatever the row order.
class ImageDc {
public:
    ImageDc(const DibImage& image, HDC reference) : bitmap_(MakeBitmap(image, nullptr)) {
        if (!bitmap_) return;
        dc_ = CreateCompatibleDC(reference);
        if (dc_) old_ = SelectObject(dc_, bitmap_);
    }
    ~ImageDc() {
        if (dc_) {
            SelectObject(dc_, old_);
            DeleteDC(dc_);
        }
        if (bitmap_) DeleteObject(bitmap_);
    }
    ImageDc(const ImageDc&) = delete;
    ImageDc& operator=(const ImageDc&) = delete;
    HDC Dc() const { return dc_; }

private:
    HBITMAP bitmap_;
    HDC dc_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

// Own-size copy of the part (srcX, srcY, w, h) to (x, y), blending when the
// image asks for it. `source` is a ready ImageDc for the copying path.
void DrawPart(const DibImage& image, HDC dc, const ImageDc* source, int x, int y, int srcX, int srcY, int w,
              int h) {
    if (w <= 0 || h <= 0) return;
    if (!image.NeedsBlending()) {
        if (source && source->Dc()) {
            BitBlt(dc, x, y, w, h, source->Dc(), srcX, srcY, SRCCOPY);
        } else {
            ImageDc own(image, dc);
            if (own.Dc()) BitBlt(dc, x, y, w, h, own.Dc(), srcX, srcY, SRCCOPY);
        }
        return;
    }
    GdiSurface target(dc, w, h);
    if (!target.Ok()) return;
    BitBlt(target.Dc(), 0, 0, w, h, dc, x, y, SRCCOPY); // read what is there
    GdiFlush();
    image.BlendOnto(target.Bits(), w, h, target.Stride(), 0, 0, srcX, srcY, w, h);
    BitBlt(dc, x, y, w, h, target.Dc(), 0, 0, SRCCOPY);
}

} // namespace

HBITMAP MakeBitmap(const DibImage& image, HDC dc) {
    if (!image.IsValid()) return nullptr;
    if (dc) {
        return CreateDIBitmap(dc, &Info(image)->bmiHeader, CBM_INIT, image.Bits(), Info(image),
                              DIB_RGB_COLORS);
    }
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, Info(image), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) std::memcpy(bits, image.Bits(), image.DataSize());
    return bitmap;
}

void Stretch(const DibImage& image, HDC dc, int x, int y, int width, int height) {
    if (!Drawable(image) || width <= 0 || height <= 0) return;
    const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, x, y, width, height, 0, 0, image.Width(), image.Height(), image.Bits(), Info(image),
                  DIB_RGB_COLORS, SRCCOPY);
    SetStretchBltMode(dc, oldMode);
}

void DrawTransparent(const DibImage& image, HDC dc, int x, int y, int width, int height) {
    if (!Drawable(image)) return;
    if (width < 0) width = image.Width();
    if (height < 0) height = image.Height();
    if (width == 0 || height == 0) return;
    if (image.TransparentIndex() < 0) {
        Stretch(image, dc, x, y, width, height);
        return;
    }
    GdiSurface scaled(dc, width, height);
    if (!scaled.Ok()) return;
    Stretch(image, scaled.Dc(), 0, 0, width, height);
    HBITMAP mask = CreateKeyMask(scaled, image.TransparentColor());
    if (!mask) return;
    BlitThroughMaskXor(dc, x, y, scaled, mask);
    DeleteObject(mask);
}

void Draw(const DibImage& image, HDC dc, int x, int y, int width, int height, const RECT* clip) {
    if (!Drawable(image)) return;
    if (width < 0 || width > image.Width()) width = image.Width();
    if (height < 0 || height > image.Height()) height = image.Height();
    RECT part = {x, y, x + width, y + height};
    if (clip && !IntersectRect(&part, &part, clip)) return;
    DrawPart(image, dc, nullptr, part.left, part.top, part.left - x, part.top - y, part.right - part.left,
             part.bottom - part.top);
}

void Tile(const DibImage& image, HDC dc, const RECT& rect) {
    if (!Drawable(image)) return;
    const int w = image.Width();
    const int h = image.Height();
    ImageDc source(image, dc);
    for (int y = rect.top; y < rect.bottom; y += h) {
        for (int x = rect.left; x < rect.right; x += w) {
            DrawPart(image, dc, &source, x, y, 0, 0, std::min(w, int(rect.right - x)),
                     std::min(h, int(rect.bottom - y)));
        }
    }
}

HRGN RegionFromImage(const DibImage& image, COLORREF colour) {
    std::vector<RECT> rects;
    for (const PixelRect& r : image.RegionRects(colour))
        rects.push_back(RECT{r.left, r.top, r.right, r.bottom});
    return RegionFromRects(rects);
}

HRGN RegionFromBitmap(HBITMAP bitmap, COLORREF colour) {
    BITMAP info = {};
    if (!bitmap || !GetObject(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0)
        return CreateRectRgn(0, 0, 0, 0);
    // Read the pixels through a 24-bit view, then scan as any image.
    DibImage view;
    if (!view.Create(info.bmWidth, info.bmHeight, 24, kImageFormatUnknown)) return CreateRectRgn(0, 0, 0, 0);
    BITMAPINFO header = {};
    std::memcpy(&header.bmiHeader, view.Dib(), sizeof(BITMAPINFOHEADER));
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, UINT(info.bmHeight), view.Bits(), &header, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows <= 0) return CreateRectRgn(0, 0, 0, 0);
    return RegionFromImage(view, colour);
}
