#include "TextEffect.h"

#include "SystemColors.h"

TextEffect TextEffect::Default() {
    TextEffect e;
    e.SetTextColor(SysColor(SysColorIndex::ButtonText));
    e.textExtra = 255;
    e.SetShadowColor(SysColor(SysColorIndex::ButtonShadow));
    e.flags = 0x8004;
    return e;
}

TextEffect TextEffect::WithTextColor(uint32_t colorref) {
    TextEffect e = Default();
    e.SetTextColor(colorref);
    return e;
}

void TextEffect::SetTextColor(uint32_t c) {
    textRgb[0] = uint8_t(c);
    textRgb[1] = uint8_t(c >> 8);
    textRgb[2] = uint8_t(c >> 16);
}

void TextEffect::SetShadowColor(uint32_t c) {
    shadowRgb[0] = uint8_t(c);
    shadowRgb[1] = uint8_t(c >> 8);
    shadowRgb[2] = uint8_t(c >> 16);
}
