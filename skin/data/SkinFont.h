#pragma once
// A font description in the layout of a Windows LOGFONTA plus a text colour.

#include <cstdint>
#include <cstring>

struct SkinFont {
    int32_t height = 0;
    int32_t width = 0;
    int32_t escapement = 0;
    int32_t orientation = 0;
    int32_t weight = 0;
    uint8_t italic = 0;
    uint8_t underline = 0;
    uint8_t strikeOut = 0;
    uint8_t charSet = 0;
    uint8_t outPrecision = 0;
    uint8_t clipPrecision = 0;
    uint8_t quality = 0;
    uint8_t pitchAndFamily = 0;
    char faceName[32] = {};
    uint32_t color = 0;

    // Height -12, weight 400, precisions 3/2, quality 1, colour 0.
    static SkinFont Default(const char* face);
    bool operator==(const SkinFont& o) const { return std::memcmp(this, &o, sizeof o) == 0; }
};
static_assert(sizeof(SkinFont) == 64);
