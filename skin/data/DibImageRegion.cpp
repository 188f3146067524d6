#include "DibImage.h"

std::vector<PixelRect> DibImage::RegionRects(uint32_t colour) const {
    std::vector<PixelRect> rects;
    if (!IsValid()) return rects;
    const uint32_t key = colour & 0x00FFFFFF;
    for (int y = 0; y < height_; ++y) {
        int x = 0;
        while (x < width_) {
            while (x < width_ && GetColor(x, y) == key) ++x;
            if (x == width_) break;
            const int start = x;
            while (x < width_ && GetColor(x, y) != key) ++x;
            rects.push_back(PixelRect{start, y, x, y + 1});
        }
    }
    return rects;
}
