#include "BmpWriter.h"

#include "DibImage.h"

#include <fstream>
#include <functional>
#include <vector>

namespace {
void Put16(std::vector<uint8_t>& o, uint32_t v) {
    o.push_back(uint8_t(v));
    o.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& o, uint32_t v) {
    Put16(o, v & 0xFFFF);
    Put16(o, v >> 16);
}

// pixel(x, y) gives a COLORREF for top-down coordinates.
bool Write(int w, int h, const std::function<uint32_t(int, int)>& pixel, const std::filesystem::path& path) {
    const uint32_t row = (uint32_t(w) * 3 + 3) / 4 * 4;
    const uint32_t data = row * uint32_t(h);
    std::vector<uint8_t> o;
    o.reserve(54 + data);
    Put16(o, 0x4D42);
    Put32(o, 54 + data);
    Put32(o, 0);
    Put32(o, 54);
    Put32(o, 40);
    Put32(o, uint32_t(w));
    Put32(o, uint32_t(h));
    Put16(o, 1);
    Put16(o, 24);
    Put32(o, 0);
    Put32(o, data);
    Put32(o, 3780);
    Put32(o, 3780);
    Put32(o, 0);
    Put32(o, 0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const uint32_t c = pixel(x, y);
            o.push_back(uint8_t(c >> 16));
            o.push_back(uint8_t(c >> 8));
            o.push_back(uint8_t(c));
        }
        for (uint32_t pad = uint32_t(w) * 3; pad < row; ++pad) o.push_back(0);
    }
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(o.data()), static_cast<std::streamsize>(o.size()));
    return static_cast<bool>(f);
}
} // namespace

bool WriteBmp24(const DibImage& image, const std::filesystem::path& path) {
    return Write(
        image.Width(), image.Height(), [&](int x, int y) { return image.GetColor(x, y); }, path);
}

bool WriteAlphaBmp24(const DibImage& image, const std::filesystem::path& path) {
    return Write(
        image.Width(), image.Height(),
        [&](int x, int y) {
            const uint32_t a = image.GetAlpha(x, y);
            return a | a << 8 | a << 16;
        },
        path);
}
