#include "DibImage.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <utility>

namespace {

void PutU32(uint8_t* p, uint32_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
    p[2] = uint8_t(v >> 16);
    p[3] = uint8_t(v >> 24);
}

void PutU16(uint8_t* p, uint16_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}

int NormaliseDepth(int bits) {
    if (bits < 2) return 1;
    if (bits <= 4) return 4;
    if (bits <= 8) return 8;
    return 24;
}

} // namespace

DibImage::DibImage() = default;
DibImage::~DibImage() = default;

DibImage::DibImage(DibImage&& other) noexcept {
    Transfer(other);
}

DibImage& DibImage::operator=(DibImage&& other) noexcept {
    Transfer(other);
    return *this;
}

void DibImage::Transfer(DibImage& from) {
    if (&from == this) return;
    dib_ = std::move(from.dib_);
    alpha_ = std::move(from.alpha_);
    width_ = from.width_;
    height_ = from.height_;
    bpp_ = from.bpp_;
    rowSize_ = from.rowSize_;
    dataSize_ = from.dataSize_;
    format_ = from.format_;
    transparentIndex_ = from.transparentIndex_;
    transparentColor_ = from.transparentColor_;
    globalAlpha_ = from.globalAlpha_;
    blending_ = from.blending_;
    xDpi_ = from.xDpi_;
    yDpi_ = from.yDpi_;
    enabled_ = from.enabled_;
    std::memcpy(lastError_, from.lastError_, sizeof lastError_);
    from.Clear();
}

void DibImage::Clear() {
    dib_.reset();
    alpha_.reset();
    width_ = height_ = bpp_ = rowSize_ = 0;
    dataSize_ = 0;
    format_ = kImageFormatUnknown;
    transparentIndex_ = -1;
    xDpi_ = yDpi_ = 96;
}

void DibImage::SetLastError(const char* text) const {
    std::strncpy(lastError_, text ? text : "", sizeof lastError_ - 1);
    lastError_[sizeof lastError_ - 1] = '\0';
}

int DibImage::PaletteSize() const {
    switch (bpp_) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

size_t DibImage::DibSize() const {
    if (!dib_) return 0;
    return kBitmapInfoHeaderSize + size_t(PaletteSize()) * 4 + dataSize_;
}

uint8_t* DibImage::Create(int width, int height, int bitsPerPixel, int format) {
    return Allocate(width, height, bitsPerPixel, format, true);
}

uint8_t* DibImage::CreateForOverwrite(int width, int height, int bitsPerPixel, int format) {
    return Allocate(width, height, bitsPerPixel, format, false);
}

uint8_t* DibImage::Allocate(int width, int height, int bitsPerPixel, int format, bool zeroPixels) {
    dib_.reset();
    alpha_.reset();
    width_ = height_ = bpp_ = rowSize_ = 0;
    dataSize_ = 0;
    const int bpp = NormaliseDepth(bitsPerPixel);
    if (width <= 0 || height <= 0) {
        SetLastError("DibImage::Create bad dimensions");
        return nullptr;
    }
    // 64-bit products cannot overflow for 31-bit width and height.
    const uint64_t units = uint64_t(width) * uint64_t(height) * uint64_t(bpp) / 256;
    if (units > memoryLimit_) {
        SetLastError("DIBIMAGE_MAX_MEMORY exceeded");
        return nullptr;
    }
    const uint64_t rowSize = (uint64_t(width) * bpp + 31) / 32 * 4;
    const uint64_t dataSize = rowSize * uint64_t(height);
    const uint64_t paletteBytes = bpp <= 8 ? (uint64_t(1) << bpp) * 4 : 0;
    const uint64_t total = kBitmapInfoHeaderSize + paletteBytes + dataSize;
    if (total > SIZE_MAX || rowSize > INT32_MAX || dataSize > UINT32_MAX) {
        SetLastError("DIBIMAGE_MAX_MEMORY exceeded");
        return nullptr;
    }
    dib_.reset(new (std::nothrow) uint8_t[size_t(total)]);
    if (!dib_) {
        SetLastError("DibImage::Create can't allocate memory");
        return nullptr;
    }
    const size_t headerBytes = size_t(kBitmapInfoHeaderSize + paletteBytes);
    std::memset(dib_.get(), 0, zeroPixels ? size_t(total) : headerBytes);
    if (!zeroPixels) {
        const size_t used = (size_t(width) * bpp + 7) / 8;
        for (uint64_t y = 0; y < uint64_t(height) && used < rowSize; ++y)
            std::memset(dib_.get() + headerBytes + y * rowSize + used, 0, size_t(rowSize) - used);
    }
    width_ = width;
    height_ = height;
    bpp_ = bpp;
    rowSize_ = int(rowSize);
    dataSize_ = size_t(dataSize);
    format_ = format;
    WriteHeader();
    return dib_.get();
}

void DibImage::WriteHeader() {
    uint8_t* h = dib_.get();
    PutU32(h + 0, kBitmapInfoHeaderSize);
    PutU32(h + 4, uint32_t(width_));
    PutU32(h + 8, uint32_t(height_));
    PutU16(h + 12, 1);
    PutU16(h + 14, uint16_t(bpp_));
    PutU32(h + 16, 0);
    PutU32(h + 20, uint32_t(dataSize_));
    PutU32(h + 24, uint32_t(XPelsPerMeter()));
    PutU32(h + 28, uint32_t(YPelsPerMeter()));
    PutU32(h + 32, uint32_t(PaletteSize()));
    PutU32(h + 36, 0);
}

int32_t DibImage::XPelsPerMeter() const {
    return int32_t(std::lround(xDpi_ / 0.0254));
}

int32_t DibImage::YPelsPerMeter() const {
    return int32_t(std::lround(yDpi_ / 0.0254));
}

void DibImage::SetDpi(int x, int y) {
    xDpi_ = std::clamp(x, 1, 100000);
    yDpi_ = std::clamp(y, 1, 100000);
    if (dib_) WriteHeader();
}

uint8_t* DibImage::Bits() {
    return dib_ ? dib_.get() + kBitmapInfoHeaderSize + PaletteSize() * 4 : nullptr;
}

const uint8_t* DibImage::Bits() const {
    return dib_ ? dib_.get() + kBitmapInfoHeaderSize + PaletteSize() * 4 : nullptr;
}

RgbQuad* DibImage::Palette() {
    return dib_ && PaletteSize() ? reinterpret_cast<RgbQuad*>(dib_.get() + kBitmapInfoHeaderSize) : nullptr;
}

const RgbQuad* DibImage::Palette() const {
    return dib_ && PaletteSize() ? reinterpret_cast<const RgbQuad*>(dib_.get() + kBitmapInfoHeaderSize)
                                 : nullptr;
}

uint8_t* DibImage::Row(int y) {
    return Bits() + size_t(height_ - 1 - y) * size_t(rowSize_);
}

const uint8_t* DibImage::Row(int y) const {
    return Bits() + size_t(height_ - 1 - y) * size_t(rowSize_);
}

int DibImage::GetIndex(int x, int y) const {
    if (!dib_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    const uint8_t* row = Row(y);
    switch (bpp_) {
    case 1:
        return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case 4:
        return (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
    case 8:
        return row[x];
    default: {
        const uint8_t* p = row + size_t(x) * 3;
        return p[2] | (p[1] << 8) | (p[0] << 16);
    }
    }
}

void DibImage::SetIndex(int x, int y, int index) {
    if (!dib_ || x < 0 || y < 0 || x >= width_ || y >= height_) return;
    uint8_t* row = Row(y);
    switch (bpp_) {
    case 1: {
        const uint8_t bit = uint8_t(0x80 >> (x & 7));
        if (index & 1)
            row[x >> 3] |= bit;
        else
            row[x >> 3] &= uint8_t(~bit);
        break;
    }
    case 4: {
        uint8_t& b = row[x >> 1];
        if (x & 1)
            b = uint8_t((b & 0xF0) | (index & 0x0F));
        else
            b = uint8_t((b & 0x0F) | ((index & 0x0F) << 4));
        break;
    }
    case 8:
        row[x] = uint8_t(index);
        break;
    default:
        SetColor(x, y, uint32_t(index));
        break;
    }
}

uint32_t DibImage::GetColor(int x, int y) const {
    if (!dib_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    if (bpp_ == 24) return uint32_t(GetIndex(x, y));
    const RgbQuad& q = Palette()[GetIndex(x, y)];
    return uint32_t(q.red) | (uint32_t(q.green) << 8) | (uint32_t(q.blue) << 16);
}

void DibImage::SetColor(int x, int y, uint32_t colorref) {
    if (!dib_ || bpp_ != 24 || x < 0 || y < 0 || x >= width_ || y >= height_) return;
    uint8_t* p = Row(y) + size_t(x) * 3;
    p[0] = uint8_t(colorref >> 16);
    p[1] = uint8_t(colorref >> 8);
    p[2] = uint8_t(colorref);
}

bool DibImage::CreateAlpha(bool opaque) {
    if (!dib_) return false;
    const size_t n = size_t(width_) * size_t(height_);
    alpha_.reset(new (std::nothrow) uint8_t[n]);
    if (!alpha_) return false;
    if (opaque) std::memset(alpha_.get(), 255, n);
    return true;
}

void DibImage::DropAlpha() {
    alpha_.reset();
}

uint8_t DibImage::GetAlpha(int x, int y) const {
    if (!alpha_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 255;
    return alpha_[size_t(height_ - 1 - y) * size_t(width_) + size_t(x)];
}

void DibImage::SetAlpha(int x, int y, uint8_t value) {
    if (!alpha_ || x < 0 || y < 0 || x >= width_ || y >= height_) return;
    alpha_[size_t(height_ - 1 - y) * size_t(width_) + size_t(x)] = value;
}

void DibImage::FlipVertical() {
    if (!dib_) return;
    uint8_t* bits = Bits();
    std::vector<uint8_t> tmp(static_cast<size_t>(rowSize_));
    for (int a = 0, b = height_ - 1; a < b; ++a, --b) {
        uint8_t* ra = bits + size_t(a) * rowSize_;
        uint8_t* rb = bits + size_t(b) * rowSize_;
        std::memcpy(tmp.data(), ra, size_t(rowSize_));
        std::memcpy(ra, rb, size_t(rowSize_));
        std::memcpy(rb, tmp.data(), size_t(rowSize_));
    }
    if (alpha_) {
        for (int a = 0, b = height_ - 1; a < b; ++a, --b)
            std::swap_ranges(alpha_.get() + size_t(a) * width_, alpha_.get() + size_t(a + 1) * width_,
                             alpha_.get() + size_t(b) * width_);
    }
}

void DibImage::MirrorHorizontal() {
    if (!dib_) return;
    for (int y = 0; y < height_; ++y) {
        uint8_t* row = Row(y);
        if (bpp_ == 24) {
            for (int a = 0, b = width_ - 1; a < b; ++a, --b)
                std::swap_ranges(row + size_t(a) * 3, row + size_t(a) * 3 + 3, row + size_t(b) * 3);
        } else if (bpp_ == 8) {
            std::reverse(row, row + width_);
        } else {
            for (int a = 0, b = width_ - 1; a < b; ++a, --b) {
                const int ia = GetIndex(a, y);
                SetIndex(a, y, GetIndex(b, y));
                SetIndex(b, y, ia);
            }
        }
        if (alpha_) {
            uint8_t* alphaRow = alpha_.get() + size_t(height_ - 1 - y) * size_t(width_);
            std::reverse(alphaRow, alphaRow + width_);
        }
    }
}
