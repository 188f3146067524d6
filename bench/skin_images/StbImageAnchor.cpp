// The only translation unit with stb_image's implementation; its warnings
// are not ours and are switched off for this file.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#define STBI_ONLY_TGA
#include <stb_image.h>

#include "StbImageAnchor.h"

bool StbDecode(const uint8_t* file, size_t size) {
    int w = 0, h = 0, channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(file, int(size), &w, &h, &channels, 0);
    if (!pixels) return false;
    stbi_image_free(pixels);
    return true;
}
