#pragma once
// Builders of small BMP and TGA file images for the tests.
#include <cstdint>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline void Put16(Bytes& b, unsigned v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}

inline void Put32(Bytes& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

struct BmpSpec {
    int width = 0;
    int height = 0; // negative: rows stored top first
    int bits = 24;
    uint32_t compression = 0;
    std::vector<uint32_t> palette; // 0x00RRGGBB entries, written as RGBQUAD
    std::vector<uint32_t> masks;   // written after the header when given
    Bytes pixels;                  // stored pixel bytes as they go into the file
    bool fileHeader = true;
    bool coreHeader = false; // 12-byte header, 3-byte palette entries
    uint32_t infoSize = 40;  // 108 and 124 write the later fields as zeros
};

inline Bytes MakeBmp(const BmpSpec& s) {
    Bytes info;
    if (s.coreHeader) {
        Put32(info, 12);
        Put16(info, unsigned(s.width));
        Put16(info, unsigned(s.height));
        Put16(info, 1);
        Put16(info, unsigned(s.bits));
    } else {
        Put32(info, s.infoSize);
        Put32(info, uint32_t(s.width));
        Put32(info, uint32_t(s.height));
        Put16(info, 1);
        Put16(info, unsigned(s.bits));
        Put32(info, s.compression);
        Put32(info, uint32_t(s.pixels.size()));
        Put32(info, 3780); // 96 dpi
        Put32(info, 3780);
        Put32(info, uint32_t(s.palette.size()));
        Put32(info, 0);
        info.resize(s.infoSize, 0);
    }
    for (uint32_t m : s.masks) Put32(info, m);
    for (uint32_t c : s.palette) {
        info.push_back(uint8_t(c));
        info.push_back(uint8_t(c >> 8));
        info.push_back(uint8_t(c >> 16));
        if (!s.coreHeader) info.push_back(0);
    }
    Bytes out;
    if (s.fileHeader) {
        Put16(out, 0x4D42);
        Put32(out, uint32_t(14 + info.size() + s.pixels.size()));
        Put32(out, 0);
        Put32(out, uint32_t(14 + info.size()));
    }
    out.insert(out.end(), info.begin(), info.end());
    out.insert(out.end(), s.pixels.begin(), s.pixels.end());
    return out;
}

struct TgaSpec {
    int type = 2;
    int width = 0;
    int height = 0;
    int depth = 24;
    int descriptor = 0;
    std::vector<uint32_t> colorMap; // 0x00RRGGBB, written as 3 bytes B, G, R
    int colorMapEntrySize = 24;     // 15 and 16: 5-5-5 in two bytes; 32: B, G, R, 0xFF
    Bytes id;
    Bytes data;
};

inline Bytes MakeTga(const TgaSpec& s) {
    Bytes out;
    out.push_back(uint8_t(s.id.size()));
    out.push_back(s.colorMap.empty() ? 0 : 1);
    out.push_back(uint8_t(s.type));
    Put16(out, 0);
    Put16(out, unsigned(s.colorMap.size()));
    out.push_back(uint8_t(s.colorMap.empty() ? 0 : s.colorMapEntrySize));
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, unsigned(s.width));
    Put16(out, unsigned(s.height));
    out.push_back(uint8_t(s.depth));
    out.push_back(uint8_t(s.descriptor));
    out.insert(out.end(), s.id.begin(), s.id.end());
    for (uint32_t c : s.colorMap) {
        if (s.colorMapEntrySize <= 16) {
            Put16(out, ((c >> 19) & 31) << 10 | ((c >> 11) & 31) << 5 | ((c >> 3) & 31));
            continue;
        }
        out.push_back(uint8_t(c));
        out.push_back(uint8_t(c >> 8));
        out.push_back(uint8_t(c >> 16));
        if (s.colorMapEntrySize == 32) out.push_back(0xFF);
    }
    out.insert(out.end(), s.data.begin(), s.data.end());
    return out;
}

// COLORREF from red, green, blue.
constexpr uint32_t Rgb(unsigned r, unsigned g, unsigned b) {
    return r | (g << 8) | (b << 16);
}
