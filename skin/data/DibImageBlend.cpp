#include <algorithm>

#include "DibImage.h"

bool DibImage::NeedsBlending() const {
    return alpha_ != nullptr || transparentIndex_ >= 0 || blending_;
}

void DibImage::BlendOnto(uint8_t* dst, int dstWidth, int dstHeight, int dstStride, int dstX, int dstY,
                         int srcX, int srcY, int width, int height, const uint32_t* keyColour) const {
    if (!IsValid() || !dst) return;
    // Clip the source part to the image, then to the destination buffer.
    if (srcX < 0) {
        dstX -= srcX;
        width += srcX;
        srcX = 0;
    }
    if (srcY < 0) {
        dstY -= srcY;
        height += srcY;
        srcY = 0;
    }
    width = std::min(width, width_ - srcX);
    height = std::min(height, height_ - srcY);
    if (dstX < 0) {
        srcX -= dstX;
        width += dstX;
        dstX = 0;
    }
    if (dstY < 0) {
        srcY -= dstY;
        height += dstY;
        dstY = 0;
    }
    width = std::min(width, dstWidth - dstX);
    height = std::min(height, dstHeight - dstY);
    if (width <= 0 || height <= 0) return;

    const bool keyed = transparentIndex_ >= 0;
    const uint32_t key = transparentColor_ & 0x00FFFFFF;
    const bool extraKeyed = keyColour != nullptr;
    const uint32_t extraKey = extraKeyed ? *keyColour & 0x00FFFFFF : 0;
    const unsigned global = globalAlpha_;
    for (int y = 0; y < height; ++y) {
        uint8_t* d = dst + size_t(dstY + y) * size_t(dstStride) + size_t(dstX) * 4;
        for (int x = 0; x < width; ++x, d += 4) {
            const int sx = srcX + x;
            const int sy = srcY + y;
            const uint32_t c = GetColor(sx, sy);
            if ((keyed && c == key) || (extraKeyed && c == extraKey)) continue;
            const unsigned a = unsigned(GetAlpha(sx, sy)) * (global + 1) / 256;
            if (a == 0) continue;
            const unsigned r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
            if (a == 255) {
                d[0] = uint8_t(b);
                d[1] = uint8_t(g);
                d[2] = uint8_t(r);
                continue;
            }
            d[0] = uint8_t((b * a + d[0] * (255 - a)) / 256);
            d[1] = uint8_t((g * a + d[1] * (255 - a)) / 256);
            d[2] = uint8_t((r * a + d[2] * (255 - a)) / 256);
        }
    }
}
