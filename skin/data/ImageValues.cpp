#include <cstring>

#include "ImageRef.h"
#include "NineGridImage.h"

namespace {

// Names keep at most 50 significant characters and always end in NUL.
template <size_t N>
void CopyName(char (&field)[N], const char* text) {
    std::memset(field, 0, N);
    if (text) std::strncpy(field, text, 50);
}

} // namespace

void ImageRef::SetName(const char* text) {
    CopyName(name, text);
}

void NineGridImage::SetName(const char* text) {
    CopyName(name, text);
}

ImageName::ImageName(const char (&field)[52]) {
    size_t n = 0;
    while (n < sizeof text - 1 && field[n] != '\0') {
        text[n] = field[n];
        ++n;
    }
    text[n] = '\0';
}
