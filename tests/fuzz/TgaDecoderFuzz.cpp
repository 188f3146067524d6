// Feeds arbitrary bytes to the TGA decoder, then runs the pixel operations
// on whatever decoded.
#include <cstddef>
#include <cstdint>

#include "ImageFuzzCommon.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DibImage img;
    img.SetMemoryLimit(kFuzzMemoryLimit);
    if (img.Decode(data, size, kImageFormatTga)) ExerciseDecodedImage(img);
    return 0;
}
