#pragma once
// stb_image (Debian's libstb-dev) as the anchor of the decoding benchmark.
#include <cstddef>
#include <cstdint>

// Decodes a whole BMP or TGA file with stb_image and frees the pixels;
// false when stb_image does not read that kind of file.
bool StbDecode(const uint8_t* file, size_t size);
