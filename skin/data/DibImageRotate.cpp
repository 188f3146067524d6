// Rotation by any angle (nearest source pixel) and the exact half turn.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#include "DibImage.h"

namespace {

// Replaces the target's pixels with `result`, keeping the target's settings
// that are not part of the pixels.
void Replace(DibImage& target, DibImage& result) {
    const uint64_t limit = target.MemoryLimit();
    target.Transfer(result);
    target.SetMemoryLimit(limit);
}

double Snap(double v) {
    const double r = std::round(v);
    return std::fabs(v - r) < 1e-12 ? r : v;
}

} // namespace

bool DibImage::Rotate(double angle, DibImage* dest) {
    if (!IsValid()) return false;
    const double phi = -angle * std::numbers::pi / 180.0;
    // Quarter turns get exact sines and cosines: the rounding noise of
    // cos(pi / 2) would otherwise shift the floors below by a whole pixel.
    const double c = Snap(std::cos(phi));
    const double s = Snap(std::sin(phi));
    const double w = width_;
    const double h = height_;
    const double xs[4] = {0, std::floor(w * c), std::floor(-h * s), std::floor((w - 1) * c - h * s)};
    const double ys[4] = {0, std::floor(w * s), std::floor(h * c), std::floor((w - 1) * s + h * c)};
    const double minX = *std::min_element(xs, xs + 4);
    const double maxX = *std::max_element(xs, xs + 4);
    const double minY = *std::min_element(ys, ys + 4);
    const double maxY = *std::max_element(ys, ys + 4);
    const double rw = maxX - minX + 2;
    const double rh = maxY - minY + 2;
    if (rw > INT32_MAX || rh > INT32_MAX) {
        SetLastError("DIBIMAGE_MAX_MEMORY exceeded");
        return false;
    }

    DibImage result;
    if (!CreateSibling(int(rw), int(rh), result)) return false;

    // Positions outside the source: the transparent colour when one is set,
    // else the first stored pixel; alpha 0 either way.
    int outside;
    if (transparentIndex_ >= 0)
        outside = bpp_ == 24 ? int(transparentColor_) : transparentIndex_;
    else
        outside = GetIndex(0, height_ - 1);

    const int ow = result.width_;
    const int oh = result.height_;
    for (int yr = 0; yr < oh; ++yr) {
        if (cancel_) {
            SetLastError("Cancelled");
            return false;
        }
        const double y = yr + minY;
        for (int xr = 0; xr < ow; ++xr) {
            const double x = xr + minX;
            const double fx = std::trunc(x * c + y * s - 0.5);
            const double fy = std::trunc(y * c - x * s - 0.5);
            if (fx >= 0 && fy >= 0 && fx < w && fy < h) {
                const int sx = int(fx);
                const int sy = int(fy);
                result.SetIndex(xr, yr, GetIndex(sx, sy));
                if (alpha_) result.SetAlpha(xr, yr, GetAlpha(sx, sy));
            } else {
                result.SetIndex(xr, yr, outside);
                if (alpha_) result.SetAlpha(xr, yr, 0);
            }
        }
    }
    Replace(dest ? *dest : *this, result);
    return true;
}

bool DibImage::Rotate180(DibImage* dest) {
    if (!IsValid()) return false;
    DibImage result;
    if (!CreateSibling(width_, height_, result)) return false;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            result.SetIndex(width_ - 1 - x, height_ - 1 - y, GetIndex(x, y));
            if (alpha_) result.SetAlpha(width_ - 1 - x, height_ - 1 - y, GetAlpha(x, y));
        }
    }
    Replace(dest ? *dest : *this, result);
    return true;
}
