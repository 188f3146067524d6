// What both image decoder fuzz targets do with an image that decoded.
#ifndef BREVOX_IMAGE_FUZZ_COMMON_H
#define BREVOX_IMAGE_FUZZ_COMMON_H

#include <cstdint>
#include <vector>

#include "DibImage.h"

// Keeps single allocations far below the fuzzer's memory ceiling.
inline constexpr uint64_t kFuzzMemoryLimit = 8000; // at most 256 KB of pixels

// Runs the pixel operations on a decoded image of modest size.
inline void ExerciseDecodedImage(DibImage& img) {
    if (!img.IsValid() || uint64_t(img.Width()) * uint64_t(img.Height()) > 4096) return;
    (void)img.RegionRects(0xFF00FF);
    DibImage piece;
    piece.SetMemoryLimit(kFuzzMemoryLimit);
    if (img.Crop(1, 1, img.Width() - 1, img.Height() - 1, piece)) (void)piece.Rotate(30);
    std::vector<uint8_t> out;
    (void)img.Encode(kImageFormatBmp, &out);
    (void)img.Encode(kImageFormatTga, &out);
}

#endif
