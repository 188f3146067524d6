#pragma once
// Helpers shared by the skin data tests: random field filling and building
// skin files in memory.

#include "CustomObject.h"
#include "ObjectFactory.h"
#include "Skin.h"
#include "SkinBody.h"
#include "SkinFileWriter.h"
#include "WindowFrameObjects.h"

#include <cstring>
#include <random>
#include <vector>

// Every type code that has a class.
inline const std::vector<int>& AllTypeCodes() {
    static const std::vector<int> kCodes = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                            14, 15, 16, 17, 18, 19, 20, 22, 23, 24, 25, 26, 27,
                                            28, 29, 30, 31, 33, 35, 36, 37, 38, 39, 40, 42, 100};
    return kCodes;
}

// Fills one entry with random bytes that stay valid as its type (texts keep
// their NUL).
inline void FillEntry(const PropertyEntry& e, std::mt19937& rng) {
    if (e.type == PropLongText) {
        auto& s = *static_cast<std::string*>(e.value);
        s.clear();
        for (int i = 0; i < 20; ++i) s.push_back(static_cast<char>('a' + rng() % 26));
        return;
    }
    auto* b = static_cast<uint8_t*>(e.value);
    for (int i = 0; i < e.size; ++i) b[i] = static_cast<uint8_t>(rng());
    if (e.type == PropString) {
        for (int i = 0; i < e.size; ++i) b[i] = static_cast<uint8_t>('A' + rng() % 26);
        b[e.size - 1] = 0;
    } else if (e.type == PropImageRef || e.type == PropNineGrid) {
        b[51] = 0; // the name field keeps its terminator
    } else if (e.type == PropFont) {
        b[59] = 0; // face name terminator
    }
}

inline void FillObject(SkinObject& o, std::mt19937& rng) {
    for (const PropertyEntry& e : o.Properties()) FillEntry(e, rng);
    for (const PropertyEntry& e : o.StoredFields()) FillEntry(e, rng);
    if (auto* frame = dynamic_cast<FrameWindowObject*>(&o)) FillObject(*frame->menuBar, rng);
    if (auto* custom = dynamic_cast<CustomObject*>(&o)) {
        CustomProperty p;
        std::strcpy(p.key, "Speed.Value");
        std::strcpy(p.defaultText, "7");
        p.type = 6;
        p.value = {1, 2, 3, 4};
        p.text = {'h', 'i', 0};
        CustomProperty q;
        std::strcpy(q.key, "BLOB");
        q.value = {9};
        custom->SetProperties({p, q});
    }
}

inline std::vector<uint8_t> SaveObject(const SkinObject& o, int minor) {
    MemoryStream s;
    o.Save(s, minor);
    return s.Bytes();
}

// Loads a record saved by SaveObject into a fresh object of its code.
inline std::unique_ptr<SkinObject> LoadObject(const std::vector<uint8_t>& bytes, int minor,
                                              size_t* left = nullptr) {
    MemoryStream s(bytes);
    uint32_t code = 0;
    s.ReadU32(code);
    auto o = CreateSkinObject(static_cast<int>(code));
    o->Load(s, RecordContext{EffectiveMinor(minor), 0});
    if (left) *left = s.Remaining();
    return o;
}

// A header for a body of the given version and object count.
inline std::vector<uint8_t> Header(int major, int minor, uint32_t objects) {
    std::vector<uint8_t> h(kSkinHeaderSize, 0);
    std::memcpy(h.data(), kSkinMarker, sizeof kSkinMarker);
    h[20] = static_cast<uint8_t>(major);
    h[21] = static_cast<uint8_t>(minor);
    for (int i = 0; i < 4; ++i) h[kSkinHeaderObjectCount + i] = static_cast<uint8_t>(objects >> (8 * i));
    return h;
}

inline void Append(std::vector<uint8_t>& to, const std::vector<uint8_t>& bytes) {
    to.insert(to.end(), bytes.begin(), bytes.end());
}

inline void AppendU32(std::vector<uint8_t>& to, uint32_t v) {
    for (int i = 0; i < 4; ++i) to.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

inline std::vector<uint8_t> Pack(const std::vector<uint8_t>& body) {
    return CompressSkinBody(body.data(), body.size());
}

// A small 24-bit BMP file of w x h pixels of one colour.
inline std::vector<uint8_t> SolidBmp(int w, int h, uint32_t colorref) {
    const uint32_t row = (uint32_t(w) * 3 + 3) / 4 * 4;
    std::vector<uint8_t> f;
    auto u16 = [&f](uint32_t v) {
        f.push_back(uint8_t(v));
        f.push_back(uint8_t(v >> 8));
    };
    auto u32 = [&](uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    };
    u16(0x4D42);
    u32(54 + row * h);
    u32(0);
    u32(54);
    u32(40);
    u32(w);
    u32(h);
    u16(1);
    u16(24);
    u32(0);
    u32(row * h);
    u32(0);
    u32(0);
    u32(0);
    u32(0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            f.push_back(uint8_t(colorref >> 16));
            f.push_back(uint8_t(colorref >> 8));
            f.push_back(uint8_t(colorref));
        }
        for (uint32_t p = uint32_t(w) * 3; p < row; ++p) f.push_back(0);
    }
    return f;
}
