// Decoding speed of 1024 x 768 images against memcpy of the decoded pixels.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "DibImage.h"
#include "ImageBench.h"
#include "StbImageAnchor.h"

namespace {

constexpr int kW = 1024;
constexpr int kH = 768;
using Bytes = std::vector<uint8_t>;

void Put16(Bytes& b, unsigned v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void Put32(Bytes& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// Index of pixel (x, y): bands with short runs, like skin artwork.
uint8_t IndexAt(int x, int y) {
    return uint8_t(((x / 24) * 7 + (y / 16) * 3 + ((x * 13 + y) % 97 == 0 ? 5 : 0)) & 0xFF);
}

Bytes BmpHeader(int bits, uint32_t compression, size_t dataSize, int paletteEntries) {
    Bytes b;
    const uint32_t offset = 14 + 40 + uint32_t(paletteEntries) * 4;
    Put16(b, 0x4D42);
    Put32(b, uint32_t(offset + dataSize));
    Put32(b, 0);
    Put32(b, offset);
    Put32(b, 40);
    Put32(b, kW);
    Put32(b, kH);
    Put16(b, 1);
    Put16(b, unsigned(bits));
    Put32(b, compression);
    Put32(b, uint32_t(dataSize));
    Put32(b, 3780);
    Put32(b, 3780);
    Put32(b, uint32_t(paletteEntries));
    Put32(b, 0);
    for (int i = 0; i < paletteEntries; ++i) Put32(b, uint32_t(i * 0x010101));
    return b;
}

Bytes Rle8Bmp() {
    Bytes data;
    for (int row = 0; row < kH; ++row) {
        const int y = kH - 1 - row;
        int x = 0;
        while (x < kW) {
            int n = 1;
            while (x + n < kW && n < 255 && IndexAt(x + n, y) == IndexAt(x, y)) ++n;
            data.push_back(uint8_t(n));
            data.push_back(IndexAt(x, y));
            x += n;
        }
        data.push_back(0);
        data.push_back(0);
    }
    data.push_back(0);
    data.push_back(1);
    Bytes file = BmpHeader(8, 1, data.size(), 256);
    file.insert(file.end(), data.begin(), data.end());
    return file;
}

Bytes PlainBmp(int bits) {
    const size_t row = (size_t(kW) * bits + 31) / 32 * 4;
    Bytes file = BmpHeader(bits, 0, row * kH, 0);
    for (int y = 0; y < kH; ++y)
        for (size_t i = 0; i < row; ++i) file.push_back(uint8_t(IndexAt(int(i / 3), y) + i));
    return file;
}

Bytes TgaHeader(int type, int depth, bool colourMap) {
    Bytes b = {0, uint8_t(colourMap ? 1 : 0), uint8_t(type)};
    Put16(b, 0);
    Put16(b, colourMap ? 256 : 0);
    b.push_back(colourMap ? 24 : 0);
    Put16(b, 0);
    Put16(b, 0);
    Put16(b, kW);
    Put16(b, kH);
    b.push_back(uint8_t(depth));
    b.push_back(depth == 32 ? 8 : 0);
    if (colourMap)
        for (int i = 0; i < 256; ++i) b.insert(b.end(), {uint8_t(i), uint8_t(i), uint8_t(i)});
    return b;
}

Bytes Rle8Tga() {
    Bytes file = TgaHeader(9, 8, true);
    for (int y = 0; y < kH; ++y) {
        int x = 0;
        while (x < kW) {
            int n = 1;
            while (x + n < kW && n < 128 && IndexAt(x + n, y) == IndexAt(x, y)) ++n;
            file.push_back(uint8_t(0x80 | (n - 1)));
            file.push_back(IndexAt(x, y));
            x += n;
        }
    }
    return file;
}

Bytes PlainTga(int depth) {
    Bytes file = TgaHeader(2, depth, false);
    const size_t bytes = size_t(depth / 8);
    for (int y = 0; y < kH; ++y)
        for (size_t i = 0; i < size_t(kW) * bytes; ++i)
            file.push_back(uint8_t(IndexAt(int(i / bytes), y) + i));
    return file;
}

void Row(const char* name, const Bytes& file, int format) {
    DibImage img;
    if (!img.Decode(file.data(), file.size(), format)) {
        std::printf("%-22s decode failed: %s\n", name, img.LastError());
        return;
    }
    const size_t bytes = img.DataSize();
    const double decode = SecondsPerCall([&] { img.Decode(file.data(), file.size(), format); });
    std::vector<uint8_t> a(bytes, 1), b(bytes);
    const double copy = SecondsPerCall([&] {
        std::memcpy(b.data(), a.data(), bytes);
        a[bytes / 2] ^= b[bytes / 3]; // keep the copy observable
    });
    const double mb = double(bytes) / 1e6;
    // stb_image reads neither RLE BMPs nor every layout we do: "-" then.
    char stb[32] = "-", ratio[32] = "-";
    if (StbDecode(file.data(), file.size())) {
        const double anchor = SecondsPerCall([&] { StbDecode(file.data(), file.size()); });
        std::snprintf(stb, sizeof stb, "%.1f", mb / anchor);
        std::snprintf(ratio, sizeof ratio, "%.2f", anchor / decode);
    }
    std::printf("%-22s %8zu %10.1f %10s %9s %10.1f %8.1fx\n", name, file.size(), mb / decode, stb, ratio,
                mb / copy, decode / copy);
}

} // namespace

void RunDecodeBench() {
    std::printf("Image decoding, %d x %d (MB/s of decoded pixels)\n", kW, kH);
    std::printf(
        "Columns: our decode, stb_image's decode of the same file, how many times faster ours\n"
        "is (x stb), a memcpy of the decoded pixels, and how many times slower ours is than it.\n");
    std::printf("%-22s %8s %10s %10s %9s %10s %9s\n", "image", "bytes", "decode", "stb_image", "x stb",
                "memcpy", "slower");
    Row("BMP 8-bit RLE8", Rle8Bmp(), kImageFormatBmp);
    Row("BMP 24-bit", PlainBmp(24), kImageFormatBmp);
    Row("BMP 32-bit", PlainBmp(32), kImageFormatBmp);
    Row("TGA 8-bit RLE (9)", Rle8Tga(), kImageFormatTga);
    Row("TGA 24-bit", PlainTga(24), kImageFormatTga);
    Row("TGA 32-bit", PlainTga(32), kImageFormatTga);
}
