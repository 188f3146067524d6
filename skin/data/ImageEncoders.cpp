// BMP and TGA writers used when an image record is saved.
#include <cstring>

#include "ImageCodecs.h"

namespace {

void PutU16(std::vector<uint8_t>& out, unsigned v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

} // namespace

void EncodeBmp(const DibImage& image, std::vector<uint8_t>& out) {
    const size_t dibSize = image.DibSize();
    const size_t offset = 14 + DibImage::kBitmapInfoHeaderSize + size_t(image.PaletteSize()) * 4;
    out.clear();
    out.reserve(14 + dibSize);
    PutU16(out, 0x4D42);
    PutU32(out, uint32_t(14 + dibSize));
    PutU32(out, 0);
    PutU32(out, uint32_t(offset));
    out.insert(out.end(), image.Dib(), image.Dib() + dibSize);
}

void EncodeTga(const DibImage& image, std::vector<uint8_t>& out) {
    const bool indexed = image.BitsPerPixel() == 8;
    const bool alpha = !indexed && image.HasAlpha();
    const int w = image.Width();
    const int h = image.Height();
    out.clear();
    out.push_back(0);                // no identification field
    out.push_back(indexed ? 1 : 0);  // colour map present
    out.push_back(indexed ? 1 : 2);  // colour-mapped or true colour, plain
    PutU16(out, 0);                  // first map entry
    PutU16(out, indexed ? 256 : 0);  // map length
    out.push_back(indexed ? 24 : 0); // map entry size
    PutU16(out, 0);                  // x origin
    PutU16(out, 0);                  // y origin
    PutU16(out, unsigned(w));
    PutU16(out, unsigned(h));
    out.push_back(indexed ? 8 : (alpha ? 32 : 24));
    out.push_back(alpha ? 8 : 0); // bottom-up, left to right
    if (indexed) {
        const RgbQuad* palette = image.Palette();
        for (int i = 0; i < 256; ++i) {
            out.push_back(palette[i].blue);
            out.push_back(palette[i].green);
            out.push_back(palette[i].red);
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        const uint8_t* row = image.Row(y);
        if (indexed) {
            out.insert(out.end(), row, row + w);
        } else if (!alpha) {
            out.insert(out.end(), row, row + size_t(w) * 3);
        } else {
            for (int x = 0; x < w; ++x) {
                out.insert(out.end(), row + size_t(x) * 3, row + size_t(x) * 3 + 3);
                out.push_back(image.GetAlpha(x, y));
            }
        }
    }
}
