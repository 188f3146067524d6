// Feeds arbitrary bytes to the BMP decoder (and the detecting path), then
// runs the pixel operations on whatever decoded.
#include <cstddef>
#include <cstdint>

#include "ImageFuzzCommon.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DibImage img;
    img.SetMemoryLimit(kFuzzMemoryLimit);
    if (img.Decode(data, size, kImageFormatBmp)) ExerciseDecodedImage(img);
    DibImage detected;
    detected.SetMemoryLimit(kFuzzMemoryLimit);
    (void)detected.Decode(data, size, kImageFormatUnknown);
    return 0;
}
