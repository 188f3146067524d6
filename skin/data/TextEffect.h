#pragma once
// How a text is drawn: colour, optional drop shadow. Kept in memory in its
// stored 16-byte layout, so property entries can address it directly.

#include <cstdint>

struct TextEffect {
    int8_t shadowX = 0;
    int8_t shadowY = 0;
    uint8_t reserved[2] = {0, 0};
    uint8_t textRgb[3] = {0, 0, 0};
    uint8_t textExtra = 0; // 255 in the default value
    uint8_t shadowRgb[3] = {0, 0, 0};
    uint8_t shadowExtra = 0;
    uint32_t flags = 0; // bit 0: draw the shadow

    static constexpr uint32_t kShadow = 1;

    // Offsets 0, system button-text colour, byte 7 = 255, system
    // button-shadow colour, flags 0x8004.
    static TextEffect Default();
    static TextEffect WithTextColor(uint32_t colorref);

    uint32_t TextColor() const { return textRgb[0] | textRgb[1] << 8 | textRgb[2] << 16; }
    uint32_t ShadowColor() const { return shadowRgb[0] | shadowRgb[1] << 8 | shadowRgb[2] << 16; }
    void SetTextColor(uint32_t colorref);
    void SetShadowColor(uint32_t colorref);
    bool operator==(const TextEffect&) const = default;
};
static_assert(sizeof(TextEffect) == 16);
