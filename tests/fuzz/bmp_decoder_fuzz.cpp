// Feeds arbitrary bytes to the BMP decoder (and the detecting path), then
// runs the pixel operations on whatever decoded.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "DibImage.h"

namespace {

// Keeps single allocations far below the fuzzer's memory ceiling.
constexpr uint64_t kFuzzMemoryLimit = 8000; // at most 256 KB of pixels

void Exercise(DibImage& img) {
    if (!img.IsValid() || uint64_t(img.Width()) * uint64_t(img.Height()) > 4096) return;
    (void)img.RegionRects(0xFF00FF);
    DibImage piece;
    piece.SetMemoryLimit(kFuzzMemoryLimit);
    if (img.Crop(1, 1, img.Width() - 1, img.Height() - 1, piece)) (void)piece.Rotate(30);
    std::vector<uint8_t> out;
    (void)img.Encode(kImageFormatBmp, &out);
    (void)img.Encode(kImageFormatTga, &out);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DibImage img;
    img.SetMemoryLimit(kFuzzMemoryLimit);
    if (img.Decode(data, size, kImageFormatBmp)) Exercise(img);
    DibImage detected;
    detected.SetMemoryLimit(kFuzzMemoryLimit);
    (void)detected.Decode(data, size, kImageFormatUnknown);
    return 0;
}
