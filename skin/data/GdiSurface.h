#pragma once
// A 32-bit top-down DIB section selected into a memory device context:
// the scratch surface for blending and masking (Windows only).
#include <windows.h>

#include <cstdint>

// A 32-bit top-down DIB section of width x height (BGRX pixels at *bits),
// or nullptr. The caller deletes it.
HBITMAP CreateTopDownDib32(HDC reference, int width, int height, uint8_t** bits);

class GdiSurface {
public:
    GdiSurface(HDC reference, int width, int height);
    ~GdiSurface();
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    bool Ok() const { return bits_ != nullptr; }
    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Stride() const { return width_ * 4; }
    // Pixels as blue, green, red, unused; call GdiFlush() before reading.
    uint8_t* Bits() const { return bits_; }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    uint8_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
