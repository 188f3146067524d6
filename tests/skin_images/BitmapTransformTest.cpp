// Quarter turns and mirror images move every pixel, all four bytes, exactly.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DibImageGdi.h"
#include "GdiBitmapTransform.h"
#include "GdiSurface.h"
#include "GdiTestSupport.h"

namespace {

// Letters stand for pixels: source "abc/def" is 3 x 2.
constexpr char kSource[] = "abc/def";

uint32_t Word(char letter) {
    return 0x11000000u * uint32_t(letter - 'a' + 1) | uint32_t(letter); // the fourth byte counts too
}

HBITMAP Letters() {
    uint8_t* bits = nullptr;
    HBITMAP bitmap = CreateTopDownDib32(nullptr, 3, 2, &bits);
    auto* words = reinterpret_cast<uint32_t*>(bits);
    for (int i = 0, n = 0; kSource[i]; ++i)
        if (kSource[i] != '/') words[n++] = Word(kSource[i]);
    return bitmap;
}

// Pixels top row first, whatever the bitmap's row order.
std::vector<uint32_t> Words(HBITMAP bitmap, int w, int h) {
    std::vector<uint32_t> words(size_t(w) * size_t(h));
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, UINT(h), words.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return words;
}

// The result's pixels as letters, rows separated by '/'; "?" for anything
// that is not a 32-bit DIB section or holds an unknown word.
std::string Read(HBITMAP bitmap) {
    DIBSECTION dib = {};
    if (!bitmap || GetObject(bitmap, sizeof dib, &dib) != sizeof dib || dib.dsBmih.biBitCount != 32)
        return "?";
    const int w = dib.dsBm.bmWidth, h = dib.dsBm.bmHeight;
    const std::vector<uint32_t> words = Words(bitmap, w, h);
    std::string out;
    for (int y = 0; y < h; ++y) {
        if (y) out += '/';
        for (int x = 0; x < w; ++x) {
            const uint32_t word = words[size_t(y) * size_t(w) + size_t(x)];
            const char letter = char(word & 0xFF);
            out += letter >= 'a' && letter <= 'f' && word == Word(letter) ? letter : '?';
        }
    }
    return out;
}

TEST(BitmapTransform, TurnsAndFlipsAnAsymmetricPattern) {
    HBITMAP source = Letters();
    ASSERT_EQ(Read(source), kSource);
    const struct {
        const char* what;
        HBITMAP result;
        const char* expected;
    } cases[] = {
        {"clockwise", RotateBitmapQuarter(source, true), "da/eb/fc"},
        {"counter-clockwise", RotateBitmapQuarter(source, false), "cf/be/ad"},
        {"horizontal", FlipBitmap(source, true), "cba/fed"},
        {"vertical", FlipBitmap(source, false), "def/abc"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Read(c.result), c.expected) << c.what;
        DeleteObject(c.result);
    }
    // Four clockwise turns give the source back.
    HBITMAP turned = RotateBitmapQuarter(source, true);
    for (int i = 0; i < 3; ++i) {
        HBITMAP next = RotateBitmapQuarter(turned, true);
        DeleteObject(turned);
        turned = next;
    }
    EXPECT_EQ(Read(turned), kSource);
    DeleteObject(turned);
    DeleteObject(source);
}

TEST(BitmapTransform, ReadsBottomUpAndDeviceBitmaps) {
    const DibImage image = CoordImage(3, 2); // 24 bits, rows stored bottom first
    Canvas screenLike(1, 1, 0);
    for (HDC dc : {HDC(nullptr), screenLike.Dc()}) {
        HBITMAP source = MakeBitmap(image, dc);
        ASSERT_NE(source, nullptr);
        HBITMAP turned = RotateBitmapQuarter(source, true);
        DIBSECTION dib = {};
        ASSERT_EQ(GetObject(turned, sizeof dib, &dib), int(sizeof dib));
        ASSERT_EQ(dib.dsBm.bmWidth, 2);
        ASSERT_EQ(dib.dsBm.bmHeight, 3);
        const std::vector<uint32_t> words = Words(turned, 2, 3);
        // Top-right of the result is the source's top-left; bottom-left its bottom-right.
        // Words are BGRX: blue 100, green y * 20, red x * 20 of the source pixel.
        EXPECT_EQ(words[1] & 0xFFFFFF, 100u) << (dc ? "device" : "section");
        EXPECT_EQ(words[4] & 0xFFFFFF, 40u << 16 | 20u << 8 | 100u) << (dc ? "device" : "section");
        DeleteObject(turned);
        DeleteObject(source);
    }
    EXPECT_EQ(RotateBitmapQuarter(nullptr, true), nullptr);
    EXPECT_EQ(FlipBitmap(nullptr, false), nullptr);
}

} // namespace
