#include <algorithm>
#include <cstring>

#include "DibImage.h"

bool DibImage::Crop(int left, int top, int right, int bottom, DibImage& dest) const {
    if (!IsValid()) return false;
    left = std::clamp(left, 0, width_);
    right = std::clamp(right, 0, width_);
    top = std::clamp(top, 0, height_);
    bottom = std::clamp(bottom, 0, height_);
    if (left == right || top == bottom) return false;
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);

    DibImage piece;
    const int w = right - left;
    const int h = bottom - top;
    if (!CreateSibling(w, h, piece)) return false;

    for (int y = 0; y < h; ++y) {
        if (bpp_ == 8 || bpp_ == 24) {
            const size_t bytes = size_t(bpp_ / 8);
            std::memcpy(piece.Row(y), Row(top + y) + size_t(left) * bytes, size_t(w) * bytes);
        } else {
            for (int x = 0; x < w; ++x) piece.SetIndex(x, y, GetIndex(left + x, top + y));
        }
    }
    if (alpha_) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) piece.SetAlpha(x, y, GetAlpha(left + x, top + y));
    }
    const uint64_t limit = dest.memoryLimit_;
    dest.Transfer(piece);
    dest.memoryLimit_ = limit;
    return true;
}

bool DibImage::CreateSibling(int w, int h, DibImage& result) const {
    result.SetMemoryLimit(memoryLimit_);
    if (!result.Create(w, h, bpp_, format_)) {
        SetLastError(result.LastError());
        return false;
    }
    if (PaletteSize()) std::memcpy(result.Palette(), Palette(), size_t(PaletteSize()) * 4);
    if (alpha_ && !result.CreateAlpha()) {
        SetLastError("DibImage::Create can't allocate memory");
        return false;
    }
    result.transparentIndex_ = transparentIndex_;
    result.transparentColor_ = transparentColor_;
    result.globalAlpha_ = globalAlpha_;
    result.blending_ = blending_;
    result.SetDpi(xDpi_, yDpi_);
    return true;
}
