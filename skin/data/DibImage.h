#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// Codes of the encoded image formats (stored with every image record).
enum ImageFormat : int {
    kImageFormatUnknown = 0, // detect: BMP first, then TGA
    kImageFormatBmp = 1,
    kImageFormatTga = 2,
};

// A palette entry in Windows RGBQUAD order.
struct RgbQuad {
    uint8_t blue;
    uint8_t green;
    uint8_t red;
    uint8_t reserved;
};
static_assert(sizeof(RgbQuad) == 4, "RgbQuad is 4 bytes");

// A rectangle of pixels (top-down coordinates, right/bottom exclusive).
struct PixelRect {
    int left;
    int top;
    int right;
    int bottom;
    bool operator==(const PixelRect&) const = default;
};

// A device-independent bitmap in memory: one buffer holding a 40-byte
// BITMAPINFOHEADER, the palette (2/16/256 entries for 1/4/8 bits) and the
// pixel rows bottom row first, each padded to 4 bytes. Depth is always
// 1, 4, 8 or 24 bits; an optional alpha channel holds one byte per pixel
// in the same row order. Decoders report failure through LastError().
class DibImage {
public:
    static constexpr int kBitmapInfoHeaderSize = 40;
    // Create refuses images whose width * height * bits / 256 exceed this.
    static constexpr uint64_t kDefaultMemoryLimit = 256000000;

    DibImage();
    ~DibImage();
    DibImage(const DibImage&) = delete;
    DibImage& operator=(const DibImage&) = delete;
    // Moving transfers the buffers and leaves the source empty.
    DibImage(DibImage&& other) noexcept;
    DibImage& operator=(DibImage&& other) noexcept;
    void Transfer(DibImage& from); // same as move-assign

    // Limit (in width * height * bits / 256 units) that Create enforces;
    // decoders inherit it. Lower it when decoding untrusted data under
    // tight memory budgets.
    void SetMemoryLimit(uint64_t limit) { memoryLimit_ = limit; }
    uint64_t MemoryLimit() const { return memoryLimit_; }

    // Frees previous buffers and makes a zeroed image. Depth maps to
    // 1 (below 2), 4 (2-4), 8 (5-8), 24 (above 8). Returns the DIB buffer
    // (header first) or nullptr with LastError() set.
    uint8_t* Create(int width, int height, int bitsPerPixel, int format);
    // The same for a caller that writes every pixel itself: the pixel bytes
    // are left as allocated (row padding is zeroed), which spares a decoder
    // a pass over the whole image.
    uint8_t* CreateForOverwrite(int width, int height, int bitsPerPixel, int format);
    void Clear(); // back to the empty state (keeps limit and flags)

    // Decodes a complete BMP or TGA file image. On failure the image stays
    // as it was and LastError() tells why.
    bool Decode(const uint8_t* data, size_t length, int format);
    // Encodes as BMP (format 1) or TGA (format 2) into *out; a failure
    // only sets LastError().
    bool Encode(int format, std::vector<uint8_t>* out) const;

    // Copies the rectangle (top-down pixel coordinates) into `dest`
    // (which may be this image).
    bool Crop(int left, int top, int right, int bottom, DibImage& dest) const;
    // Rotates counter-clockwise as seen on screen by `angle` degrees; the
    // result is the bounding box plus two pixels. Replaces `dest`, or this
    // image when dest is null.
    bool Rotate(double angle, DibImage* dest = nullptr);
    bool Rotate180(DibImage* dest = nullptr);

    // Rectangles (one pixel high, maximal runs, rows from the top) of the
    // pixels whose colour differs from `colour` (COLORREF 0x00BBGGRR).
    std::vector<PixelRect> RegionRects(uint32_t colour) const;

    // Blends the part (srcX, srcY, width, height) of this image onto a
    // 32-bit top-down BGRX buffer at (dstX, dstY), clipped to the buffer:
    // alpha channel, global alpha and transparent colour applied. Pixels of
    // `keyColour` (COLORREF), when given, leave the buffer as well.
    void BlendOnto(uint8_t* dst, int dstWidth, int dstHeight, int dstStride, int dstX, int dstY, int srcX,
                   int srcY, int width, int height, const uint32_t* keyColour = nullptr) const;
    // True when drawing at own size has to blend instead of copy.
    bool NeedsBlending() const;

    // --- access ---
    bool IsValid() const { return dib_ != nullptr; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int BitsPerPixel() const { return bpp_; }
    int RowSize() const { return rowSize_; }
    size_t DataSize() const { return dataSize_; }
    int Format() const { return format_; }
    int PaletteSize() const; // entries: 2, 16, 256 or 0

    // The whole DIB (BITMAPINFOHEADER + palette + pixels) and its parts.
    const uint8_t* Dib() const { return dib_.get(); }
    size_t DibSize() const;
    uint8_t* Bits();
    const uint8_t* Bits() const;
    RgbQuad* Palette();
    const RgbQuad* Palette() const;
    // Row y in top-down order (0 = top row).
    uint8_t* Row(int y);
    const uint8_t* Row(int y) const;

    // Pixel in top-down coordinates: palette index (1/4/8 bits) or colour.
    int GetIndex(int x, int y) const;
    void SetIndex(int x, int y, int index);
    // Colour as COLORREF (0x00BBGGRR), through the palette when indexed.
    uint32_t GetColor(int x, int y) const;
    void SetColor(int x, int y, uint32_t colorref); // 24 bits only

    bool HasAlpha() const { return alpha_ != nullptr; }
    // All 255, or left as allocated for a caller that writes every value;
    // false when out of memory.
    bool CreateAlpha(bool opaque = true);
    void DropAlpha();
    uint8_t* Alpha() { return alpha_.get(); }
    const uint8_t* Alpha() const { return alpha_.get(); }
    // Alpha rows are stored like the pixels (bottom first); (x, y) top-down.
    uint8_t GetAlpha(int x, int y) const;
    void SetAlpha(int x, int y, uint8_t value);

    int TransparentIndex() const { return transparentIndex_; }
    void SetTransparentIndex(int index) { transparentIndex_ = index; }
    uint32_t TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(uint32_t colorref) { transparentColor_ = colorref; }
    uint8_t GlobalAlpha() const { return globalAlpha_; }
    void SetGlobalAlpha(uint8_t alpha) { globalAlpha_ = alpha; }
    bool Blending() const { return blending_; }
    void SetBlending(bool on) { blending_ = on; }

    int XDpi() const { return xDpi_; }
    int YDpi() const { return yDpi_; }
    int32_t XPelsPerMeter() const;
    int32_t YPelsPerMeter() const;
    void SetDpi(int x, int y);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on) { enabled_ = on; }
    bool Cancelled() const { return cancel_; }
    void SetCancel(bool on) { cancel_ = on; }

    const char* LastError() const { return lastError_; }
    void SetLastError(const char* text) const; // truncated to 255 characters

    // Vertical and horizontal mirroring of pixels and alpha.
    void FlipVertical();
    void MirrorHorizontal();

private:
    void WriteHeader();
    uint8_t* Allocate(int width, int height, int bitsPerPixel, int format, bool zeroPixels);
    // A blank w x h image of this one's depth, format, palette, alpha plane,
    // transparency, blending and resolution (the start of crop and rotate).
    bool CreateSibling(int w, int h, DibImage& result) const;

    std::unique_ptr<uint8_t[]> dib_;
    std::unique_ptr<uint8_t[]> alpha_;
    int width_ = 0;
    int height_ = 0;
    int bpp_ = 0;
    int rowSize_ = 0;
    size_t dataSize_ = 0;
    int format_ = kImageFormatUnknown;
    int transparentIndex_ = -1;
    uint32_t transparentColor_ = 0;
    uint8_t globalAlpha_ = 255;
    bool blending_ = false;
    int xDpi_ = 96;
    int yDpi_ = 96;
    bool enabled_ = true;
    bool cancel_ = false;
    uint64_t memoryLimit_ = kDefaultMemoryLimit;
    mutable char lastError_[256] = {};
};
