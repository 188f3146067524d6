#pragma once
// Shared pieces of the GDI drawing tests: a memory surface to draw into
// and a skin stand-in that serves images by name.
#include <windows.h>

#include <map>
#include <string>

#include "DibImage.h"
#include "GdiSurface.h"
#include "ImageLookup.h"

class TestSkin : public ImageLookup {
public:
    const DibImage* FindImage(const char* name) const override {
        auto it = images.find(name);
        return it == images.end() ? nullptr : &it->second;
    }
    bool GetTransparency(uint32_t& colour, bool& use) const override {
        if (!hasInfo) return false;
        colour = transparent;
        use = useTransparent;
        return true;
    }

    std::map<std::string, DibImage> images;
    bool hasInfo = false;
    uint32_t transparent = 0xFF00FF;
    bool useTransparent = false;
};

// A 32-bit memory surface filled with one colour; Pixel() reads COLORREFs.
class Canvas {
public:
    Canvas(int w, int h, COLORREF fill) : surface_(nullptr, w, h) {
        RECT all = {0, 0, w, h};
        HBRUSH brush = CreateSolidBrush(fill);
        FillRect(surface_.Dc(), &all, brush);
        DeleteObject(brush);
    }
    HDC Dc() const { return surface_.Dc(); }
    COLORREF Pixel(int x, int y) const {
        GdiFlush();
        const uint8_t* p = surface_.Bits() + size_t(y) * surface_.Stride() + size_t(x) * 4;
        return RGB(p[2], p[1], p[0]);
    }

private:
    GdiSurface surface_;
};

// w x h, 24 bits, pixel (x, y) = RGB(x * 20, y * 20, 100): the drawn
// colour tells which source pixel landed where.
inline DibImage CoordImage(int w, int h) {
    DibImage img;
    img.Create(w, h, 24, kImageFormatBmp);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.SetColor(x, y, RGB(x * 20, y * 20, 100));
    return img;
}

inline int SourceX(COLORREF c) {
    return GetRValue(c) / 20;
}
inline int SourceY(COLORREF c) {
    return GetGValue(c) / 20;
}
