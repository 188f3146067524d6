// Quarter turns and mirror images move every pixel, all four bytes, exactly.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GdiBitmapTransform.h"
#include "GdiSurface.h"

namespace {

// Pixels as letters (in the blue and the fourth byte), rows separated by
// '/'; '?' for a pixel that is no letter, "not 32 bits" for any other bitmap.
std::string Letters(HBITMAP bitmap) {
    DIBSECTION dib = {};
    if (!bitmap || GetObject(bitmap, sizeof dib, &dib) != sizeof dib || dib.dsBmih.biBitCount != 32)
        return "not 32 bits";
    const int w = dib.dsBm.bmWidth, h = dib.dsBm.bmHeight;
    std::vector<uint32_t> words(size_t(w) * size_t(h));
    BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    HDC screen = GetDC(nullptr);
    // Top row first whatever the bitmap's own row order.
    GetDIBits(screen, bitmap, 0, UINT(h), words.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    std::string out;
    for (size_t i = 0; i < words.size(); ++i) {
        if (i && i % size_t(w) == 0) out += '/';
        const char c = char(words[i]);
        out += words[i] == uint32_t(c) * 0x01000001u ? c : '?';
    }
    return out;
}

TEST(BitmapTransform, TurnsAndFlipsAnAsymmetricPattern) {
    uint8_t* bits = nullptr;
    HBITMAP source = CreateTopDownDib32(nullptr, 3, 2, &bits);
    for (uint32_t i = 0; i < 6; ++i) reinterpret_cast<uint32_t*>(bits)[i] = uint32_t('a' + i) * 0x01000001u;
    ASSERT_EQ(Letters(source), "abc/def");
    const std::pair<HBITMAP, const char*> cases[] = {
        {RotateBitmapQuarter(source, true), "da/eb/fc"},
        {RotateBitmapQuarter(source, false), "cf/be/ad"},
        {FlipBitmap(source, true), "cba/fed"},
        {FlipBitmap(source, false), "def/abc"},
    };
    for (const auto& [result, expected] : cases) {
        EXPECT_EQ(Letters(result), expected);
        DeleteObject(result);
    }
    DeleteObject(source);
    EXPECT_EQ(RotateBitmapQuarter(nullptr, true), nullptr);
}

} // namespace
